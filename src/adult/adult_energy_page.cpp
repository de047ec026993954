#include "adult/adult_energy_page.h"

#include "adult/body_measures.h"
#include "adult/custom_activity_dialog.h"
#include "adult/factor_tables.h"
#include "adult/stress_factor_dialog.h"
#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("ageLabel", "Age:", 0, 0),
    edit("age", 0, 1),
    label("ageUnit", "years", 0, 2),
    button("sex", "Male", 0, 3),
    label("heightLabel", "Height:", 1, 0),
    edit("height", 1, 1),
    button("heightUnit", "cm", 1, 2),
    label("heightText", "", 2, 1).span(3),
    label("weightLabel", "Weight:", 3, 0),
    edit("weight", 3, 1),
    button("weightUnit", "lbs", 3, 2),
    label("weightText", "", 4, 1).span(3),
    check("maw", "Use Metabolic Active Wt", 5, 0).span(4),
    button("stress", "", 6, 0).span(4),
    label("activityLabel", "Activity:", 7, 0),
    dropDown("activity", 7, 1).span(3),
    edit("activityMin", 8, 1).named("Activity factor, low"),
    edit("activityMax", 8, 2).named("Activity factor, high"),
    label("amputationLabel", "Amputation:", 9, 0),
    dropDown("amputation", 9, 1).span(2),
    edit("amputationPercent", 9, 3).named("Amputation percent"),
    multiLine("results", 10, 0).span(4).with(platform::kReadOnly | platform::kStretch),
};

// The results after the first line, 21 values and the BMI class.
constexpr std::string_view kResultsFormat =
    "\r\nFluids\t= %.0lf - %.0lf ml (%.0lf-%.0lf ml/kg)\r\nKcal\t= %.0lf to %.0lf (%.0lf - "
    "%.0lf /kg)\r\nProtein\t= %.1lf to %.1lf (%.1lf - %.1lf g/kg)\r\nBMI\t= %.2lf Kg/m^2 "
    "%s\r\nDBW lbs\t= %.1lf lbs (%.0lf - %.0lf)\r\nDBW kgs = %.1lf kgs (%.0lf - %.0lf) DBW "
    "%.0lf%%";

constexpr AdultEnergyMethod kHarrisBenedict = {
    "Harris-Benedict", "BEE", BodyMeasures::harrisBenedict, "BEE\t= %.0lf",
    " BEE Calculations "};
constexpr AdultEnergyMethod kMifflinStJeor = {
    "Mifflin-St.Jeor", "REE", BodyMeasures::mifflinStJeor, "REE\t= %.0lf",
    " Mifflin REE Calculations"};

}  // namespace

CAdultEnergyPage::CAdultEnergyPage(const AdultEnergyMethod& method)
    : CAdultMeasuresPage(std::string(method.caption), kControls, std::string(method.section)),
      method_(method) {
  declareMeasures();
  choice("activity", activityIndex_).keep("Activity", kActivityCount);
  number("activityMin", activityMin_).keep("ActFMin");
  number("activityMax", activityMax_).keep("ActFMax");
  choice("amputation", amputationIndex_).keep("Amputation", kAmputationCount);
  number("amputationPercent", amputationPercent_).keep("AmpF");
  stored(stressIndex_).keep("Stress", kStressRowCount);
  // Row 0 of the shared stress table: the page opened last decides its values.
  StressRow& userRow = stressTable()[kUserDefinedStressRow];
  stored(userRow.stressMin).keep("IFKMin");
  stored(userRow.stressMax).keep("IFKMax");
  stored(userRow.proteinMin).keep("IFPMin");
  stored(userRow.proteinMax).keep("IFPMax");
  stored(showAmputationHint_).keep("SCAH");
  text("results", resultsText_);
}

CHarrisBenedictPage::CHarrisBenedictPage() : CAdultEnergyPage(kHarrisBenedict) {}

CMifflinStJeorPage::CMifflinStJeorPage() : CAdultEnergyPage(kMifflinStJeor) {}

void CAdultEnergyPage::loadInputs(framework::SettingsStore& store) {
  CAdultMeasuresPage::loadInputs(store);
  takeStressRow();
}

void CAdultEnergyPage::takeStressRow() {
  const StressRow& row = stressTable()[static_cast<std::size_t>(stressIndex_)];
  stressMin_ = row.stressMin;
  stressMax_ = row.stressMax;
  proteinMin_ = row.proteinMin;
  proteinMax_ = row.proteinMax;
}

void CAdultEnergyPage::prepareControls() {
  fillActivities();
  platform::Control& amputations = control("amputation");
  for (const AmputationRow& row : kAmputations) amputations.addItem(std::string(row.item));
}

void CAdultEnergyPage::fillActivities() {
  platform::Control& activities = control("activity");
  activities.clearItems();
  for (const ActivityRow& row : kActivities) {
    activities.addItem(std::string(isMale() ? row.maleItem : row.femaleItem));
  }
  activities.setSelected(activityIndex_);
}

std::string CAdultEnergyPage::stressCaption() const {
  const StressRow& row = stressTable()[static_cast<std::size_t>(stressIndex_)];
  return formatResults(kStressCaptionFormat, {stressMin_, stressMax_, proteinMin_, proteinMax_},
                       {row.name});
}

void CAdultEnergyPage::calculate() {
  calculateMeasures();
  clientLine_ = clientLine();
  const double w = measures_.weightUsed;
  const double energy = method_.equation(age_, measures_.heightCm, w, isMale());
  const double kcalMin = stressMin_ * activityMin_ * energy;
  const double kcalMax = stressMax_ * activityMax_ * energy;
  const BodyMeasures::FluidRange fluids = BodyMeasures::fluidRange(age_, w, activityMax_);
  const double proteinLow = proteinMin_ * w;
  const double proteinHigh = proteinMax_ * w;
  const double r = 1 / w;
  const AdultMeasures& m = measures_;
  resultsText_ =
      framework::formatValue(method_.firstLineFormat, energy) +
      formatResults(kResultsFormat,
                    {fluids.minimum, fluids.maximum, r * fluids.minimum, r * fluids.maximum,
                     kcalMin, kcalMax, r * kcalMin, r * kcalMax, proteinLow, proteinHigh,
                     proteinMin_, proteinMax_, m.bmi, m.dbwLbs, m.dbwLbsLow, m.dbwLbsHigh,
                     m.dbwKg, m.dbwKgLow, m.dbwKgHigh, m.percentOfDbw},
                    {m.bmiClass});
  control("stress").setText(stressCaption());
}

void CAdultEnergyPage::onPageEvent(const platform::Notification& n) {
  if (n.event == platform::Event::CloseUp && n.id == "activity") {
    const int previous = activityIndex_;
    activityIndex_ = control("activity").selected();
    applyActivityChoice(previous);
  } else if (n.event == platform::Event::CloseUp && n.id == "amputation") {
    amputationIndex_ = control("amputation").selected();
    applyAmputationChoice();
  } else if (n.event == platform::Event::Clicked && n.id == "stress") {
    chooseStress();
  } else {
    CAdultMeasuresPage::onPageEvent(n);
  }
}

void CAdultEnergyPage::sexChanged() {
  fillActivities();
  applyActivityChoice(activityIndex_);
  focus("sex");
}

void CAdultEnergyPage::applyActivityChoice(int previous) {
  if (activityIndex_ > kCustomActivity && activityIndex_ < kActivityCount) {
    const ActivityRange range = activityRange(activityIndex_, sex_);
    activityMin_ = range.minimum;
    activityMax_ = range.maximum;
  } else if (activityIndex_ == kCustomActivity) {
    CustomActivityDialog dialog({activityMin_, activityMax_});
    if (auto range = dialog.choose()) {
      activityMin_ = range->minimum;
      activityMax_ = range->maximum;
    } else {
      // Cancel puts the previous choice back; the range stays.
      activityIndex_ = previous;
    }
  }
  updateData(false);
  compute();
}

void CAdultEnergyPage::applyAmputationChoice() {
  if (amputationIndex_ > kCustomAmputation && amputationIndex_ < kAmputationCount) {
    amputationPercent_ = kAmputations[amputationIndex_].percent;
    updateData(false);
  } else {
    if (showAmputationHint_) {
      const std::string hint =
          framework::formatText(kAmputationHintFormat, control("amputationPercent").text());
      const int answer = platform::currentPlatform().messageBox(
          hint, framework::kAppName, platform::MessageIcon::Question,
          platform::MessageButtons::YesNo);
      if (answer == platform::kAnswerNo) showAmputationHint_ = 0;
    }
    focus("amputationPercent");
  }
  compute();
}

void CAdultEnergyPage::chooseStress() {
  StressFactorDialog dialog(stressIndex_);
  auto row = dialog.choose();
  if (!row) return;
  stressIndex_ = *row;
  takeStressRow();
  control("stress").setText(stressCaption());
  compute();
}

std::string CAdultEnergyPage::reportTitle() const { return std::string(method_.reportTitle); }

void CAdultEnergyPage::writeReportLines(framework::ResultLog& log) {
  log.writeLine(clientLine_);
  log.writeLine(resultsText_);
  log.writeValue("Amputation Factor = %.2lf", amputationPercent_);
  log.writeLine(stressCaption());
  log.writeLine(framework::formatValues("Activity Factor = %.2lf to %.2lf",
                                        {activityMin_, activityMax_}));
}

}  // namespace quillion::adult
