#include "parenteral/two_in_one_initial_page.h"

#include "framework/format.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    heading("mixture", "AA + DEX Mixture", 0, 0).span(6),
    label("aaLabel", "AA", 1, 0),
    edit("aaVolume", 1, 1),
    button("aaVolumeUnit", "mL", 1, 2),
    label("aaOf", "of", 1, 3),
    edit("aa", 1, 4).named("AA concentration"),
    button("aaUnit", "%", 1, 5),
    label("dexLabel", "DEX", 2, 0),
    edit("dexVolume", 2, 1),
    button("dexVolumeUnit", "mL", 2, 2),
    label("dexOf", "of", 2, 3),
    edit("dex", 2, 4).named("Dextrose concentration"),
    button("dexUnit", "%", 2, 5),
    label("rateLabel", "Rate", 3, 0),
    edit("delivery", 3, 1),
    button("deliveryUnit", "mL/hr", 3, 2),
    label("deliveryWord", "for", 3, 3),
    edit("time", 3, 4).named("Hours"),
    button("timeUnit", "hrs", 3, 5),
    heading("lipidDelivery", "Lipid Delivery", 4, 0).span(6),
    button("emulsion", "10% emulsion", 5, 0).span(2),
    edit("lipid", 6, 0),
    button("lipidUnit", "mL/hr", 6, 1),
    label("lipidWord", "for", 6, 2),
    edit("lipidHours", 6, 3).named("Lipid hours"),
    label("hours", "hours", 6, 4),
    label("weightLabel", "Weight", 7, 0),
    edit("weight", 7, 1),
    button("weightUnit", "lbs", 7, 2),
    reportList("results", 8, 0).span(6).with(platform::kStretch),
    label("optionsLabel", "Options: Lipids have 9.0 kcals per gram", 9, 0).span(6),
};

double millilitres(double volume, int unit) {
  return unit == VolumeUnit::kLitres ? volume * 1000 : volume;
}

}  // namespace

double solveTwoInOneInitial(const TwoInOneInitialInputs& in, SolutionResults& r) {
  const double w = ParenteralUnits::weightKg(in.weight, in.weightUnit);
  const double t = in.timeUnit == TimeUnit::kDays ? in.time * 24 : in.time;
  r.deliveryHours = t;
  const double vmix = in.deliveryUnit == DeliveryUnit::kMl ? in.delivery : in.delivery * t;
  const double a = millilitres(in.aaVolume, in.aaVolumeUnit);
  const double d = millilitres(in.dexVolume, in.dexVolumeUnit);
  const double s = a + d;
  r.aaVolume = (1 / s) * a * vmix;
  r.dexVolume = (1 / s) * d * vmix;
  const NutrientAmount aa = ParenteralUnits::nutrientGrams(in.aaUnit, r.aaVolume, w, in.aaAmount);
  const NutrientAmount dex =
      ParenteralUnits::nutrientGrams(in.dexUnit, r.dexVolume, w, in.dexAmount);
  r.aaPercent = aa.percent;
  r.proteinGrams = aa.grams;
  r.dexPercent = dex.percent;
  r.choGrams = dex.grams;
  const LipidAmounts lipid =
      ParenteralUnits::lipidAmounts(in.emulsion, in.lipidAmount, in.lipidUnit, in.lipidHours, w);
  r.lipidVolume = lipid.volume;
  r.lipidGrams = lipid.grams;
  r.lipidKcal = lipid.kcal;
  r.totalVolume = r.aaVolume + r.dexVolume + r.lipidVolume;
  const double vm = r.aaVolume + r.dexVolume;
  r.derive(w, vm, false);
  r.osmolesTotal = r.osmolarityMix * vm * 0.001;
  r.aaRate = (1 / t) * r.aaVolume;
  r.dexRate = (1 / t) * r.dexVolume;
  r.setLipidRates(in.lipidHours, 0.1);
  return r.totalVolume;
}

CTwoInOneInitialPage::CTwoInOneInitialPage()
    : ParenteralPage("2-in-1/Initial", kControls, MixVolumeRow | LipidRateRow) {
  keepReviewSettings();
  number("aaVolume", in_.aaVolume).keep("AI");
  stored(in_.aaVolumeUnit).keep("AAU", 2);
  unitButton("aaVolumeUnit", in_.aaVolumeUnit, VolumeUnit::kLabels);
  number("aa", in_.aaAmount).keep("AP");
  stored(in_.aaUnit).keep("APU", 5);
  unitButton("aaUnit", in_.aaUnit, AmountUnit::kLabels);
  number("dexVolume", in_.dexVolume).keep("DI");
  stored(in_.dexVolumeUnit).keep("DIU", 2);
  unitButton("dexVolumeUnit", in_.dexVolumeUnit, VolumeUnit::kLabels);
  number("dex", in_.dexAmount).keep("DP");
  stored(in_.dexUnit).keep("DPU", 5);
  unitButton("dexUnit", in_.dexUnit, AmountUnit::kLabels);
  number("delivery", in_.delivery).keep("RI");
  stored(in_.deliveryUnit).keep("RIU", 2);
  unitButton("deliveryUnit", in_.deliveryUnit, DeliveryUnit::kLabels);
  number("time", in_.time).keep("RTI");
  stored(in_.timeUnit).keep("RTIU", 2);
  stored(in_.emulsion).keep("LB", 3);
  unitButton("emulsion", in_.emulsion, LipidEmulsion::kLabels);
  stored(in_.lipidUnit).keep("LIU", 5);
  unitButton("lipidUnit", in_.lipidUnit, LipidUnit::kLabels);
  number("lipid", in_.lipidAmount).keep("LI");
  number("lipidHours", in_.lipidHours).keep("LH");
  keepWeight();
  keepLipidKcalPerGram();
}

void CTwoInOneInitialPage::onPageEvent(const platform::Notification& n) {
  // The time button only ever returns to hours.
  if (n.event == platform::Event::Clicked && n.id == "timeUnit") {
    in_.timeUnit = TimeUnit::kHours;
    compute();
    return;
  }
  ParenteralPage::onPageEvent(n);
}

void CTwoInOneInitialPage::setWordLabels() {
  control("deliveryWord").setText(std::string(unitLabel(DeliveryUnit::kWords, in_.deliveryUnit)));
  control("timeUnit").setText(std::string(unitLabel(TimeUnit::kLabels, in_.timeUnit)));
  control("lipidWord").setText(std::string(unitLabel(LipidUnit::kWords, in_.lipidUnit)));
}

double CTwoInOneInitialPage::solve() {
  in_.weight = weight_;
  in_.weightUnit = weightUnit_;
  return solveTwoInOneInitial(in_, results_);
}

void CTwoInOneInitialPage::writePageLines(framework::ResultLog& log) {
  using framework::formatFields;
  log.writeLine("AA + DEX Mixture and Delivery:");
  log.writeLine(formatFields("AA  %.1lf %s of %.1lf %s",
                             {in_.aaVolume, unitLabel(VolumeUnit::kLabels, in_.aaVolumeUnit),
                              in_.aaAmount, unitLabel(AmountUnit::kLabels, in_.aaUnit)}));
  log.writeLine(formatFields("DEX %.1lf %s of %.1lf %s",
                             {in_.dexVolume, unitLabel(VolumeUnit::kLabels, in_.dexVolumeUnit),
                              in_.dexAmount, unitLabel(AmountUnit::kLabels, in_.dexUnit)}));
  log.writeLine(formatFields("AA+Dex Rate %.1lf %s %s %.1lf %s",
                             {in_.delivery, unitLabel(DeliveryUnit::kLabels, in_.deliveryUnit),
                              unitLabel(DeliveryUnit::kWords, in_.deliveryUnit), in_.time,
                              unitLabel(TimeUnit::kLabels, in_.timeUnit)}));
  log.writeRule('-');
  log.writeLine("Lipid Delivery:");
  log.writeLine(formatFields("%.1lf %s %s %s %.1lf hours",
                             {in_.lipidAmount, unitLabel(LipidUnit::kLabels, in_.lipidUnit),
                              unitLabel(LipidEmulsion::kLabels, in_.emulsion),
                              unitLabel(LipidUnit::kWords, in_.lipidUnit), in_.lipidHours}));
  log.writeLine(optionsText_);
}

}  // namespace quillion::parenteral
