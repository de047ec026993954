#include "parenteral/custom_mix_page.h"

#include "framework/format.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("aaLabel", "AA", 0, 0),
    edit("aaVolume", 0, 1),
    button("aaVolumeUnit", "mL", 0, 2),
    label("aaWord", "of", 0, 3),
    edit("aa", 0, 4).named("AA concentration"),
    button("aaUnit", "%", 0, 5),
    label("dexLabel", "DEX", 1, 0),
    edit("dexVolume", 1, 1),
    button("dexVolumeUnit", "mL", 1, 2),
    label("dexWord", "of", 1, 3),
    edit("dex", 1, 4).named("Dextrose concentration"),
    button("dexUnit", "%", 1, 5),
    label("lipidLabel", "Lipid", 2, 0),
    edit("lipidVolume", 2, 1),
    button("lipidVolumeUnit", "mL", 2, 2),
    label("lipidWord", "of", 2, 3),
    edit("lipid", 2, 4).named("Lipid concentration"),
    button("lipidUnit", "%", 2, 5),
    label("fluidLabel", "Fluid", 3, 0),
    edit("fluid", 3, 1),
    button("fluidUnit", "mL", 3, 2),
    label("timeLabel", "Time", 4, 0),
    edit("time", 4, 1).named("Hours"),
    label("hours", "hours", 4, 2),
    label("weightLabel", "Weight", 5, 0),
    edit("weight", 5, 1),
    button("weightUnit", "lbs", 5, 2),
    reportList("results", 6, 0).span(6).with(platform::kStretch),
    label("optionsLabel", "Options: Lipids have 9.0 kcals per gram", 7, 0).span(6),
};

double millilitres(double volume, int unit) {
  return unit == VolumeUnit::kLitres ? volume * 1000 : volume;
}

}  // namespace

double emulsionKcalPerMl(double percent) {
  if (percent > 9 && percent < 11) return kEmulsionKcalPerMl[0];
  if (percent > 19 && percent < 21) return kEmulsionKcalPerMl[1];
  if (percent > 29 && percent < 31) return kEmulsionKcalPerMl[2];
  return kEmulsionKcalPerMl[0];
}

int nextLipidUnit(int code) {
  switch (code) {
    case AmountUnit::kPercent: return AmountUnit::kGrams;
    case AmountUnit::kGrams: return AmountUnit::kGramsPerKg;
    case AmountUnit::kGramsPerKg: return AmountUnit::kGramsPerGram;
    default: return AmountUnit::kPercent;
  }
}

double solveCustomMix(const CustomMixInputs& in, SolutionResults& r) {
  const double w = ParenteralUnits::weightKg(in.weight, in.weightUnit);
  const double t = in.hours;
  r.deliveryHours = t;
  r.dexHours = t;
  r.lipidHours = t;
  const double a = millilitres(in.aaVolume, in.aaVolumeUnit);
  const double d = millilitres(in.dexVolume, in.dexVolumeUnit);
  const double l = millilitres(in.lipidVolume, in.lipidVolumeUnit);
  const double f = millilitres(in.fluidVolume, in.fluidVolumeUnit);
  r.totalVolume = ((f + l) + d) + a;
  const NutrientAmount aa = ParenteralUnits::nutrientGrams(in.aaUnit, a, w, in.aaAmount);
  r.aaPercent = aa.percent;
  r.proteinGrams = aa.grams;
  const NutrientAmount dex = ParenteralUnits::nutrientGrams(in.dexUnit, d, w, in.dexAmount);
  r.dexPercent = dex.percent;
  r.choGrams = dex.grams;
  if (in.lipidUnit == AmountUnit::kPercent) {
    r.lipidPercent = in.lipidAmount;
    r.lipidGrams = (emulsionKcalPerMl(in.lipidAmount) / lipidKcalPerGram()) * l;
  } else {
    const NutrientAmount lipid = ParenteralUnits::nutrientGrams(in.lipidUnit, l, w, in.lipidAmount);
    r.lipidGrams = lipid.grams;
    r.lipidPercent = lipid.percent;
  }
  r.aaVolume = a;
  r.dexVolume = d;
  r.lipidVolume = l;
  r.lipidRate = (1 / t) * l;
  r.fluidRate = (1 / t) * f;
  r.aaRate = a * (1 / t);
  r.dexRate = d * (1 / t);
  r.choKcal = r.choGrams * kDextroseKcalPerGram;
  r.proteinKcal = r.proteinGrams * kProteinKcalPerGram;
  r.lipidKcal = r.lipidGrams * lipidKcalPerGram();
  r.totalKcal = (r.lipidKcal + r.proteinKcal) + r.choKcal;
  r.npcKcal = r.lipidKcal + r.choKcal;
  r.deriveFromEnergy(w, d + a, true);
  r.proteinMgKgMin = 0;
  r.lipidMgKgMin = 0;
  return r.totalVolume;
}

CCustomMixPage::CCustomMixPage() : ParenteralPage("Custom/Initial", kControls, SplitOsmolarity | TotalRate) {
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
  number("lipidVolume", in_.lipidVolume).keep("FI");
  stored(in_.lipidVolumeUnit).keep("FIU", 2);
  unitButton("lipidVolumeUnit", in_.lipidVolumeUnit, VolumeUnit::kLabels);
  number("lipid", in_.lipidAmount).keep("FP");
  stored(in_.lipidUnit).keep("FPU", 5);
  number("fluid", in_.fluidVolume).keep("FFI");
  stored(in_.fluidVolumeUnit).keep("FFIU", 2);
  unitButton("fluidUnit", in_.fluidVolumeUnit, VolumeUnit::kLabels);
  number("time", in_.hours).keep("RTI");
  keepWeight();
  keepLipidKcalPerGram();
}

void CCustomMixPage::loadInputs(framework::SettingsStore& store) {
  ParenteralPage::loadInputs(store);
  // The lipid amount has no "g/L": a stored 1 is read as "g" (out of range is "%").
  if (in_.lipidUnit == AmountUnit::kGramsPerLitre) in_.lipidUnit = AmountUnit::kGrams;
}

void CCustomMixPage::onPageEvent(const platform::Notification& n) {
  if (n.event == platform::Event::Clicked && n.id == "lipidUnit") {
    in_.lipidUnit = nextLipidUnit(in_.lipidUnit);
    compute();
    return;
  }
  ParenteralPage::onPageEvent(n);
}

void CCustomMixPage::setWordLabels() {
  control("lipidUnit").setText(std::string(unitLabel(AmountUnit::kLabels, in_.lipidUnit)));
  control("aaWord").setText(std::string(unitLabel(kAmountWords, in_.aaUnit)));
  control("dexWord").setText(std::string(unitLabel(kAmountWords, in_.dexUnit)));
  control("lipidWord").setText(std::string(unitLabel(kAmountWords, in_.lipidUnit)));
}

double CCustomMixPage::solve() {
  in_.weight = weight_;
  in_.weightUnit = weightUnit_;
  const double volume = solveCustomMix(in_, results_);
  mixtureVolume_ = results_.totalVolume;
  return volume;
}

void CCustomMixPage::writePageLines(framework::ResultLog& log) {
  using framework::formatFields;
  log.writeBlank();
  log.writeLine("Mixture:");
  log.writeLine(formatFields("AA    %.2lf %s %s %.2lf %s",
                             {in_.aaVolume, unitLabel(VolumeUnit::kLabels, in_.aaVolumeUnit),
                              unitLabel(kAmountWords, in_.aaUnit), in_.aaAmount,
                              unitLabel(AmountUnit::kLabels, in_.aaUnit)}));
  log.writeLine(formatFields("DEX   %.2lf %s %s %.2lf %s",
                             {in_.dexVolume, unitLabel(VolumeUnit::kLabels, in_.dexVolumeUnit),
                              unitLabel(kAmountWords, in_.dexUnit), in_.dexAmount,
                              unitLabel(AmountUnit::kLabels, in_.dexUnit)}));
  log.writeLine(formatFields("Lipid %.2lf %s %s %.2lf %s",
                             {in_.lipidVolume, unitLabel(VolumeUnit::kLabels, in_.lipidVolumeUnit),
                              unitLabel(kAmountWords, in_.lipidUnit), in_.lipidAmount,
                              unitLabel(AmountUnit::kLabels, in_.lipidUnit)}));
  log.writeLine(optionsText_);
  log.writeLine(formatFields("Free Fluid %.2lf %s",
                             {in_.fluidVolume, unitLabel(VolumeUnit::kLabels, in_.fluidVolumeUnit)}));
  log.writeRule('-');
  log.writeLine("Mix Delivery:");
  log.writeLine(formatFields("%.1lf %s %s %.1lf %s", {mixtureVolume_, "mL", "over", in_.hours, "hrs"}));
}

}  // namespace quillion::parenteral
