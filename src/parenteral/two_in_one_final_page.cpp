#include "parenteral/two_in_one_final_page.h"

#include "framework/format.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    heading("mixture", "AA + DEX Mixture", 0, 0).span(5),
    label("aaLabel", "AA", 1, 0),
    edit("aa", 1, 1).named("AA concentration"),
    button("aaUnit", "%", 1, 2),
    label("dexLabel", "DEX", 2, 0),
    edit("dex", 2, 1).named("Dextrose concentration"),
    button("dexUnit", "%", 2, 2),
    edit("delivery", 3, 0),
    button("deliveryUnit", "mL/hr", 3, 1),
    label("deliveryWord", "for", 3, 2),
    edit("time", 3, 3).named("Hours"),
    button("timeUnit", "hrs", 3, 4),
    heading("lipidDelivery", "Lipid Delivery", 4, 0).span(5),
    button("emulsion", "10% emulsion", 5, 0).span(2),
    edit("lipid", 6, 0),
    button("lipidUnit", "mL/hr", 6, 1),
    label("lipidWord", "for", 6, 2),
    edit("lipidHours", 6, 3).named("Lipid hours"),
    label("hours", "hours", 6, 4),
    label("weightLabel", "Weight", 7, 0),
    edit("weight", 7, 1),
    button("weightUnit", "lbs", 7, 2),
    reportList("results", 8, 0).span(5).with(platform::kStretch),
    label("optionsLabel", "Options: Lipids have 9.0 kcals per gram", 9, 0).span(5),
};

}  // namespace

double solveTwoInOneFinal(const TwoInOneFinalInputs& in, SolutionResults& r) {
  const double w = ParenteralUnits::weightKg(in.weight, in.weightUnit);
  const double t = in.timeUnit == TimeUnit::kDays ? in.time * 24 : in.time;
  r.deliveryHours = t;
  const double v = in.deliveryUnit == DeliveryUnit::kMl ? in.delivery : in.delivery * t;
  const NutrientAmount aa = ParenteralUnits::nutrientGrams(in.aaUnit, v, w, in.aaAmount);
  const NutrientAmount dex = ParenteralUnits::nutrientGrams(in.dexUnit, v, w, in.dexAmount);
  r.aaPercent = aa.percent;
  r.dexPercent = dex.percent;
  const LipidAmounts lipid =
      ParenteralUnits::lipidAmounts(in.emulsion, in.lipidAmount, in.lipidUnit, in.lipidHours, w);
  r.lipidVolume = lipid.volume;
  r.lipidGrams = lipid.grams;
  r.lipidKcal = lipid.kcal;
  r.totalVolume = r.lipidVolume + v;
  // Grams again from the final concentrations: the same values, but undefined when a
  // gram-based amount meets a zero mixture volume.
  r.choGrams = r.dexPercent * v * 0.01;
  r.proteinGrams = r.aaPercent * v * 0.01;
  r.derive(w, v, false);
  r.osmolarityMix = (r.proteinGrams * kMosmPerGramAminoAcid + r.choGrams * kMosmPerGramDextrose) *
                    (1000 / v);
  r.osmolesTotal = r.osmolarityMix * v * 0.001;
  r.aaRate = (v / t) * 0.5;
  r.dexRate = r.aaRate;
  r.setLipidRates(in.lipidHours, 0.05);
  return r.totalVolume;
}

CTwoInOneFinalPage::CTwoInOneFinalPage()
    : ParenteralPage("2-in-1/Final", kControls, MixVolumeRow | LipidRateRow) {
  keepReviewSettings();
  number("aa", in_.aaAmount).keep("AP");
  stored(in_.aaUnit).keep("APU", 5);
  unitButton("aaUnit", in_.aaUnit, AmountUnit::kLabels);
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

void CTwoInOneFinalPage::setWordLabels() {
  control("deliveryWord").setText(std::string(unitLabel(DeliveryUnit::kWords, in_.deliveryUnit)));
  control("timeUnit").setText(std::string(unitLabel(TimeUnit::kLabels, in_.timeUnit)));
  control("lipidWord").setText(std::string(unitLabel(LipidUnit::kWords, in_.lipidUnit)));
}

double CTwoInOneFinalPage::solve() {
  in_.weight = weight_;
  in_.weightUnit = weightUnit_;
  return solveTwoInOneFinal(in_, results_);
}

void CTwoInOneFinalPage::writePageLines(framework::ResultLog& log) {
  using framework::formatFields;
  log.writeLine("AA + DEX Mixture and Delivery:");
  log.writeLine(formatFields("AA  %.1lf %s", {in_.aaAmount, unitLabel(AmountUnit::kLabels, in_.aaUnit)}));
  log.writeLine(
      formatFields("DEX %.1lf %s", {in_.dexAmount, unitLabel(AmountUnit::kLabels, in_.dexUnit)}));
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
