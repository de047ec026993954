// The adult enteral calculator. The formula list is loaded when the page starts and
// released when the page goes with its sheet; the chosen formula is copied, so edits made
// on the other tabs reach this page when a formula is chosen again.
#include "enteral/enteral_data_page.h"

#include "adult/body_measures.h"
#include "enteral/enteral_results.h"
#include "enteral/formula_database.h"
#include "enteral/formula_lists.h"
#include "framework/format.h"

namespace quillion::enteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "ENTD";
constexpr int kParamWidth = 55;
constexpr int kValueWidth = 370;

constexpr ControlDef kControls[] = {
    dropDown("formula", 0, 0).span(4).named("Formula"),
    label("weightLabel", "Weight", 1, 0),
    edit("weight", 1, 1),
    button("weightUnit", "lbs", 1, 2),
    check("energyMode", "Kcal :", 2, 0),
    edit("kcal", 2, 1),
    label("kcalText", "", 2, 2),
    heading("delivery", "Delivery", 3, 0).span(4),
    edit("volume", 4, 0),
    label("volumeText", "", 4, 1),
    button("volumeUnit", "mL", 4, 2),
    label("overFor", "over", 4, 3),
    edit("hours", 5, 0).named("Hours"),
    button("hoursUnit", "hrs", 5, 1),
    reportList("results", 6, 0).span(4).with(platform::kStretch).named("Results"),
};

constexpr const char* kWeightUnits[] = {"kg", "lbs"};
constexpr const char* kVolumeUnits[] = {"mL", "mL/hr"};
constexpr const char* kOverFor[] = {"over", "for"};
constexpr const char* kHoursUnits[] = {"hrs", "days"};

}  // namespace

CEnteralDataPP::CEnteralDataPP() : EnteralCalculatorPage(kControls, kSection, FormulaKind::Adult) {
  choice("formula", formulaPosition_).keep("EF");
  number("weight", weight_).keep("W");
  stored(weightUnit_).keep("WU", 2);
  check("energyMode", energyMode_).keep("BK");
  number("kcal", kcal_).keep("K");
  text("kcalText", kcalText_);
  number("volume", volumeInput_).keep("D1");
  text("volumeText", volumeText_);
  stored(volumeMode_).keep("D1U", 2);
  number("hours", hoursInput_).keep("D2");
  stored(timeUnit_).keep("D2U", 2);
  stored(totalVolume_).keep("V");
  stored(hours_).keep("H");
}


void CEnteralDataPP::prepareControls() {
  prepareFormulaList();
  control("results").setColumns({{"Param", kParamWidth, platform::ColumnAlign::Left},
                                 {"Value", kValueWidth, platform::ColumnAlign::Left}});
  FormulaRecord empty(FormulaKind::Adult);
  for (const ResultRow& row : adultResultRows(empty, 0, 0, 0, 0)) {
    control("results").insertRow(control("results").rowCount(), std::string(row.label));
  }
  takeSelectedFormula();
  applyEnergyMode();
}





void CEnteralDataPP::onPageEvent(const platform::Notification& n) {
  if (sharedEvent(n)) return;
  if (n.event == platform::Event::Clicked && n.id == "weightUnit") {
    weightUnit_ = weightUnit_ == 0 ? 1 : 0;
    compute();
  }
}

void CEnteralDataPP::calculate() {
  const double weightKg = adult::BodyMeasures::toKilograms(weight_, weightUnit_);
  control("weightUnit").setText(kWeightUnits[weightUnit_ == 1 ? 1 : 0]);
  control("volumeUnit").setText(kVolumeUnits[volumeMode_ == 1 ? 1 : 0]);
  control("overFor").setText(kOverFor[volumeMode_ == 1 ? 1 : 0]);
  control("hoursUnit").setText(kHoursUnits[timeUnit_ == 1 ? 1 : 0]);
  hours_ = timeUnit_ == 1 ? hoursInput_ * 24 : hoursInput_;
  const double kpm = static_cast<double>(current_.number(adult_field::kKcalPerMl));
  const Delivery d = deliver(kpm, energyMode_ != 0, volumeMode_, kcal_, volumeInput_, hours_);
  kcal_ = d.kcal;
  totalVolume_ = d.totalVolume;
  volumeText_ = framework::formatValue("%.0lf", d.shownVolume);
  kcalText_ = framework::formatValue("%.0lf", kcal_);
  platform::Control& results = control("results");
  const std::vector<ResultRow> rows = adultResultRows(current_, kcal_, totalVolume_, hours_, weightKg);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    results.setCell(row, 1, rows[i].value);
    results.setRowColors(row, {rows[i].background, 0x000000});
  }
}

void CEnteralDataPP::writeReportLines(framework::ResultLog& log) {
  log.writeLine(framework::formatFields("Client: Weight = %.2lf %s",
                                        {weight_, kWeightUnits[weightUnit_ == 1 ? 1 : 0]}));
  log.writeLine("Mixture:");
  const platform::Control& list = control("formula");
  log.writeLine(list.selected() >= 0 ? list.items()[static_cast<std::size_t>(list.selected())].text
                                     : std::string());
  log.writeValue("KCals %.0lf", kcal_);
  log.writeLine(framework::formatFields(
      "%s %s %s %.1lf %s",
      {volumeText_, kVolumeUnits[volumeMode_ == 1 ? 1 : 0], kOverFor[volumeMode_ == 1 ? 1 : 0],
       hoursInput_, kHoursUnits[timeUnit_ == 1 ? 1 : 0]}));
  log.writeRule('-');
  log.writeTable(&control("results"), 2);
}

}  // namespace quillion::enteral
