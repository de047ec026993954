#include "adult/kcal_kg_page.h"

#include "adult/body_measures.h"
#include "adult/factor_tables.h"
#include "adult/protein_choice.h"
#include "framework/format.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using namespace platform::controls;
namespace bm = BodyMeasures;

constexpr ControlDef kControls[] = {
    label("ageLabel", "Age:", 0, 0),
    edit("age", 0, 1),
    label("ageUnit", "years", 0, 2),
    button("sex", "Male", 0, 3),
    label("heightLabel", "Height:", 1, 0),
    edit("height", 1, 1),
    button("heightUnit", "cm", 1, 2),
    label("heightText", "", 1, 3).span(3),
    label("weightLabel", "Weight:", 2, 0),
    edit("weight", 2, 1),
    button("weightUnit", "lbs", 2, 2),
    label("weightText", "", 2, 3).span(3),
    check("maw", "Use Metabolic Active Wt", 3, 0).span(6),
    edit("energyMin", 4, 0).named("Energy per unit of weight, low"),
    label("energyTo", "to", 4, 1),
    edit("energyMax", 4, 2).named("Energy per unit of weight, high"),
    button("energyUnit", "kcal", 4, 3),
    label("energyPer", "per", 4, 4),
    button("perUnit", "kg", 4, 5),
    label("proteinLabel", "Protein Factors (g/kg)", 5, 0).span(6),
    dropDown("protein", 6, 0).span(2),
    label("proteinMinLabel", "Min", 6, 2),
    edit("proteinMin", 6, 3),
    label("proteinMaxLabel", "Max", 6, 4),
    edit("proteinMax", 6, 5),
    multiLine("results", 7, 0).span(6).with(platform::kReadOnly | platform::kStretch),
};

constexpr std::string_view kEnergyUnitCaptions[] = {"kcal", "kilojoules"};
constexpr std::string_view kPerUnitCaptions[] = {"kg", "lbs"};
// A double constant, not the single-precision factor of the unit buttons.
constexpr double kPerPound = 2.2046226703567156;
constexpr double kKilojoulesToKcal = 0.2390057361376673;
// The fluid range never takes the 40 ml/kg rule here.
constexpr double kFluidActivityFactor = 1.65;

constexpr std::string_view kKcalFormat =
    "Kcal\t= %.0lf to %.0lf (%.0lf - %.0lf /kg)\r\nFluids\t= %.0lf - %.0lf ml (%.0lf-%.0lf "
    "ml/kg)\r\nProtein\t= %.1lf to %.1lf (%.1lf - %.1lf g/kg)\r\nBEE\t= %.0lf (Harris-Benedict "
    "Equation)\r\nREE\t= %.0lf (Mifflin-St.Jeor Equation)\r\nBMI\t= %.2lf Kg/m^2 %s\r\nDBW "
    "lbs\t= %.1lf lbs (%.0lf - %.0lf)\r\nDBW kgs = %.1lf kgs (%.0lf - %.0lf) DBW %.0lf%%";
constexpr std::string_view kKilojouleFormat =
    "Kjoules\t= %.0lf to %.0lf (%.0lf - %.0lf /kg)\r\nKcals\t= %.0lf to %.0lf (%.0lf - %.0lf "
    "/kg)\r\nFluids\t= %.0lf - %.0lf ml (%.0lf-%.0lf ml/kg)\r\nProtein\t= %.1lf to %.1lf (%.1lf "
    "- %.1lf g/kg)\r\nBEE\t= %.0lf (Harris-Benedict Equation)\r\nREE\t= %.0lf (Mifflin-St.Jeor "
    "Equation)\r\nBMI\t= %.2lf Kg/m^2 %s\r\nDBW lbs\t= %.1lf lbs (%.0lf - %.0lf)\r\nDBW kgs = "
    "%.1lf kgs (%.0lf - %.0lf) DBW %.0lf%%";

}  // namespace

CKcalKgAdultAssessmentDlg::CKcalKgAdultAssessmentDlg()
    : CAdultMeasuresPage("Data Entry", kControls, "KCKG") {
  declareMeasures();
  number("energyMin", energyMin_).keep("KOJMin");
  number("energyMax", energyMax_).keep("KOJMax");
  stored(energyUnit_).keep("KOJU", 2);
  stored(perUnit_).keep("KPEU", 2);
  choice("protein", proteinChoice_).keep("PFL", kProteinFactorCount);
  number("proteinMin", proteinMin_).keep("ProFMin");
  number("proteinMax", proteinMax_).keep("ProFMax");
  stored(showProteinHint_).keep("SCH");
  text("results", resultsText_);
}

void CKcalKgAdultAssessmentDlg::loadInputs(framework::SettingsStore& store) {
  CAdultMeasuresPage::loadInputs(store);
  if (proteinChoice_ != kCustomProteinFactor) {
    proteinMin_ = kProteinFactors[proteinChoice_].minimum;
    proteinMax_ = kProteinFactors[proteinChoice_].maximum;
  }
}

void CKcalKgAdultAssessmentDlg::prepareControls() {
  platform::Control& list = control("protein");
  for (const ProteinFactorRow& row : kProteinFactors) list.addItem(std::string(row.item));
}

void CKcalKgAdultAssessmentDlg::calculate() {
  control("energyUnit").setText(std::string(kEnergyUnitCaptions[energyUnit_ == 1 ? 1 : 0]));
  control("perUnit").setText(std::string(kPerUnitCaptions[perUnit_ == 1 ? 1 : 0]));
  // No amputation on this page.
  amputationPercent_ = 0;
  calculateMeasures();
  clientLine_ = clientLine();

  const AdultMeasures& m = measures_;
  const double w = m.weightUsed;
  const double bee = bm::harrisBenedict(age_, m.heightCm, w, isMale());
  const double ree = bm::mifflinStJeor(age_, m.heightCm, w, isMale());
  double low = energyMin_ * w;
  double high = energyMax_ * w;
  if (perUnit_ == 1) {
    low *= kPerPound;
    high *= kPerPound;
  }
  const bm::FluidRange fluids = bm::fluidRange(age_, w, kFluidActivityFactor);
  // Per-kg figures stay per kilogram, also when the energy is per pound.
  const double r = 1 / w;
  if (energyUnit_ == 1) {
    const double lowKcal = low * kKilojoulesToKcal;
    const double highKcal = high * kKilojoulesToKcal;
    resultsText_ = formatResults(
        kKilojouleFormat,
        {low, high, r * low, r * high, lowKcal, highKcal, r * lowKcal, r * highKcal,
         fluids.minimum, fluids.maximum, r * fluids.minimum, r * fluids.maximum, proteinMin_ * w,
         proteinMax_ * w, proteinMin_, proteinMax_, bee, ree, m.bmi, m.dbwLbs, m.dbwLbsLow,
         m.dbwLbsHigh, m.dbwKg, m.dbwKgLow, m.dbwKgHigh, m.percentOfDbw},
        {m.bmiClass});
  } else {
    resultsText_ = formatResults(
        kKcalFormat,
        {low, high, r * low, r * high, fluids.minimum, fluids.maximum, r * fluids.minimum,
         r * fluids.maximum, proteinMin_ * w, proteinMax_ * w, proteinMin_, proteinMax_, bee, ree,
         m.bmi, m.dbwLbs, m.dbwLbsLow, m.dbwLbsHigh, m.dbwKg, m.dbwKgLow, m.dbwKgHigh,
         m.percentOfDbw},
        {m.bmiClass});
  }
}

void CKcalKgAdultAssessmentDlg::onPageEvent(const platform::Notification& n) {
  if (n.event == platform::Event::CloseUp && n.id == "protein") {
    proteinChoice_ = control("protein").selected();
    applyProteinChoice(proteinChoice_, proteinMin_, proteinMax_, showProteinHint_);
    updateData(false);
    if (proteinChoice_ == kCustomProteinFactor) focus("proteinMin");
    compute();
  } else if (n.event == platform::Event::Clicked && n.id == "energyUnit") {
    energyUnit_ = energyUnit_ == 0 ? 1 : 0;
    compute();
  } else if (n.event == platform::Event::Clicked && n.id == "perUnit") {
    perUnit_ = perUnit_ == 0 ? 1 : 0;
    compute();
  } else {
    CAdultMeasuresPage::onPageEvent(n);
  }
}

std::string CKcalKgAdultAssessmentDlg::reportTitle() const { return " KCal per Kg Calculations "; }

void CKcalKgAdultAssessmentDlg::writeReportLines(framework::ResultLog& log) {
  log.writeLine(clientLine_);
  log.writeLine(resultsText_);
}

}  // namespace quillion::adult
