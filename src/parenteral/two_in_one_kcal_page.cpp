#include "parenteral/two_in_one_kcal_page.h"

#include <cmath>

#include "framework/format.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    heading("wanted", "Kcals Wanted", 0, 0).span(5),
    edit("kcal", 1, 0),
    button("kcalUnit", "kcal/kg", 1, 1),
    label("proLabel", "Pro.", 1, 2),
    edit("protein", 1, 3),
    button("proteinUnit", "g/kg", 1, 4),
    label("aaLabel", "AA%", 2, 0),
    edit("aa", 2, 1).named("AA concentration"),
    label("dexLabel", "Dex%", 2, 2),
    edit("dex", 2, 3).named("Dextrose concentration"),
    check("round", "Round", 3, 0),
    button("roundDirection", "up", 3, 1),
    label("proVol", "ProVol", 3, 2),
    heading("lipidDelivery", "Lipid Delivery", 4, 0).span(5),
    button("emulsion", "10% emulsion", 5, 0).span(2),
    edit("lipid", 6, 0),
    button("lipidUnit", "mL", 6, 1),
    label("lipidWord", "over", 6, 2),
    edit("lipidHours", 6, 3).named("Lipid hours"),
    label("hours", "hours", 6, 4),
    label("weightLabel", "Weight", 7, 0),
    edit("weight", 7, 1),
    button("weightUnit", "kg", 7, 2),
    reportList("results", 8, 0).span(5).with(platform::kStretch),
    label("optionsLabel", "Options: Lipids have 9.0 kcals per gram", 9, 0).span(5),
};

constexpr double kKcalPageHours = 24;

}  // namespace

double roundedVolume(double volumeMl, int direction) {
  // Whole-number part, then whole hundreds, each truncated toward zero as an integer
  // division would, but kept in doubles so that an infinite volume is never converted.
  double volume = std::trunc(std::trunc(volumeMl) / 100) * 100;
  if (direction == RoundDirection::kUp) volume += 100;
  return volume;
}

double solveTwoInOneKcal(const TwoInOneKcalInputs& in, SolutionResults& r, double& kcalTarget) {
  const double w = ParenteralUnits::weightKg(in.weight, in.weightUnit);
  kcalTarget = in.kcalUnit == 1 ? in.kcal * w : in.kcal;
  double p = in.protein;
  if (in.proteinUnit == ProteinUnit::kGramsPerKg) p = in.protein * w;
  if (in.proteinUnit == ProteinUnit::kGramsPerKgPerHour) p = in.protein * w * 24;
  r.proteinGrams = p;
  r.proteinKcal = p * kProteinKcalPerGram;
  r.aaVolume = (100 / in.aaPercent) * p;
  if (in.round) {
    r.aaVolume = roundedVolume(r.aaVolume, in.roundDirection);
    r.proteinGrams = r.aaVolume * in.aaPercent * 0.01;
    r.proteinKcal = r.proteinGrams * kProteinKcalPerGram;
  }
  const LipidAmounts lipid =
      ParenteralUnits::lipidAmounts(in.emulsion, in.lipidAmount, in.lipidUnit, in.lipidHours, w);
  r.lipidVolume = lipid.volume;
  r.lipidGrams = lipid.grams;
  r.lipidKcal = lipid.kcal;
  r.dexVolume = r.aaVolume;
  r.choGrams = in.dexPercent * r.aaVolume * 0.01;
  r.totalVolume = r.lipidVolume + r.aaVolume;
  r.deliveryHours = kKcalPageHours;
  r.derive(w, r.aaVolume * 2.0, false);
  r.osmolarityMix = (r.choGrams * kMosmPerGramDextrose + r.proteinGrams * kMosmPerGramAminoAcid) *
                    1000 / (r.aaVolume * 2.0);
  r.osmolesTotal = r.osmolarityMix * (r.aaVolume * 2.0) * 0.001;
  r.aaRate = r.aaVolume / r.deliveryHours;
  r.dexRate = r.aaRate;
  r.setLipidRates(in.lipidHours, 0.05);
  return r.totalVolume;
}

CTwoInOneKcalPage::CTwoInOneKcalPage()
    : ParenteralPage("2-in-1/kcals", kControls, MixVolumeRow | LipidRateRow | MixRateOnly) {
  weight_ = in_.weight;
  weightUnit_ = in_.weightUnit;
  keepReviewSettings();
  number("kcal", in_.kcal).keep("KI");
  stored(in_.kcalUnit).keep("KU", 2);
  unitButton("kcalUnit", in_.kcalUnit, KcalUnit::kLabels);
  number("protein", in_.protein).keep("PI");
  stored(in_.proteinUnit).keep("PU", 3);
  unitButton("proteinUnit", in_.proteinUnit, ProteinUnit::kLabels);
  number("aa", in_.aaPercent).keep("AP");
  number("dex", in_.dexPercent).keep("DP");
  stored(in_.emulsion).keep("LB", 3);
  unitButton("emulsion", in_.emulsion, LipidEmulsion::kLabels);
  stored(in_.lipidUnit).keep("LIU", 5);
  unitButton("lipidUnit", in_.lipidUnit, LipidUnit::kLabels);
  number("lipid", in_.lipidAmount).keep("LI");
  number("lipidHours", in_.lipidHours).keep("LH");
  keepWeight();
  check("round", in_.round).keep("RNDUP", 2);
  stored(in_.roundDirection).keep("RNDUPDIR", 2);
  unitButton("roundDirection", in_.roundDirection, RoundDirection::kLabels);
  keepLipidKcalPerGram();
}

void CTwoInOneKcalPage::setWordLabels() {
  control("lipidWord").setText(std::string(unitLabel(LipidUnit::kWords, in_.lipidUnit)));
}

double CTwoInOneKcalPage::solve() {
  in_.weight = weight_;
  in_.weightUnit = weightUnit_;
  return solveTwoInOneKcal(in_, results_, kcalTarget_);
}

void CTwoInOneKcalPage::writePageLines(framework::ResultLog& log) {
  using framework::formatFields;
  log.writeBlank();
  log.writeLine(formatFields("Kcals Wanted Input = %.2lf %s = %.0lf kcals",
                             {in_.kcal, unitLabel(KcalUnit::kLabels, in_.kcalUnit), kcalTarget_}));
  log.writeLine(formatFields("Protein Input      = %.2lf %s = %.1lf g",
                             {in_.protein, unitLabel(ProteinUnit::kLabels, in_.proteinUnit),
                              results_.proteinGrams}));
  log.writeValue("AA  solution to use %.1lf%%", in_.aaPercent);
  log.writeValue("DEX solution to use %.1lf%%", in_.dexPercent);
  if (in_.round) {
    log.writeLine(in_.roundDirection == RoundDirection::kUp ? "Protein has been rounded up"
                                                            : "Protein has been rounded down");
  }
  log.writeRule('-');
  log.writeLine("Lipid Delivery:");
  log.writeLine(formatFields("%.1lf %s %s %s %.1lf hours",
                             {in_.lipidAmount, unitLabel(LipidUnit::kLabels, in_.lipidUnit),
                              unitLabel(LipidEmulsion::kLabels, in_.emulsion),
                              unitLabel(LipidUnit::kWords, in_.lipidUnit), in_.lipidHours}));
  log.writeLine(optionsText_);
}

}  // namespace quillion::parenteral
