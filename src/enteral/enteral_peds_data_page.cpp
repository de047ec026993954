// The pediatric enteral calculator: the adult calculator's volume and energy modes with a
// dilution of the formula with water, weights in grams too, and 47 rows per serving.
#include "enteral/enteral_peds_data_page.h"

#include "enteral/enteral_results.h"
#include "enteral/formula_database.h"
#include "enteral/formula_lists.h"
#include "framework/format.h"

namespace quillion::enteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "ENTPEDSD";
constexpr int kParamWidth = 80;
constexpr int kValueWidth = 130;

constexpr ControlDef kControls[] = {
    dropDown("formula", 0, 0).span(4).named("Formula"),
    label("dilutionLabel", "Dilution", 1, 0),
    dropDown("dilution", 1, 1),
    label("dilutionNote", "(Formula to Water)", 1, 2).span(2),
    label("weightLabel", "Weight", 2, 0),
    edit("weight", 2, 1),
    button("weightUnit", "lbs", 2, 2),
    check("energyMode", "Kcal :", 3, 0),
    edit("kcal", 3, 1),
    label("kcalText", "", 3, 2),
    heading("delivery", "Delivery", 4, 0).span(4),
    edit("volume", 5, 0),
    label("volumeText", "", 5, 1),
    button("volumeUnit", "mL", 5, 2),
    label("overFor", "over", 5, 3),
    edit("hours", 6, 0).named("Hours"),
    button("hoursUnit", "hrs", 6, 1),
    reportList("results", 7, 0).span(4).with(platform::kStretch).named("Results"),
};

struct Dilution {
  const char* name;
  double factor;
};

constexpr Dilution kDilutions[] = {{"Full strength", 1.0},
                                   {"4:1", 0.8},
                                   {"3:1", 0.75},
                                   {"2:1", 0.6666666666666666},
                                   {"1:1", 0.5}};
constexpr int kDilutionCount = 5;

constexpr const char* kWeightUnits[] = {"kg", "lbs", "g"};
constexpr const char* kVolumeUnits[] = {"mL", "mL/hr"};
constexpr const char* kOverFor[] = {"over", "for"};
constexpr const char* kHoursUnits[] = {"hrs", "days"};

// Pounds to kilograms as the single-precision constant the tool has always used, widened.
constexpr double kPoundsToKg = 0.45359236001968384;

double weightInKg(double weight, int unit) {
  if (unit == 1) return weight * kPoundsToKg;
  if (unit == 2) return weight * 0.001;
  return weight;
}

}  // namespace

CEnteralPedsDataPP::CEnteralPedsDataPP() : EnteralCalculatorPage(kControls, kSection, FormulaKind::Pediatric) {
  choice("formula", formulaPosition_).keep("EF");
  choice("dilution", dilutionChoice_);
  number("weight", weight_).keep("W");
  stored(weightUnit_).keep("WU", 3);
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


void CEnteralPedsDataPP::prepareControls() {
  prepareFormulaList();
  platform::Control& dilution = control("dilution");
  for (int i = 0; i < kDilutionCount; ++i) dilution.addItem(kDilutions[i].name, i);
  dilutionChoice_ = 0;
  control("results").setColumns({{"Param", kParamWidth, platform::ColumnAlign::Left},
                                 {"Value", kValueWidth, platform::ColumnAlign::Left}});
  FormulaRecord empty(FormulaKind::Pediatric);
  for (const ResultRow& row : pedsResultRows(empty, 0, 0, 0, 0, 1.0)) {
    control("results").insertRow(control("results").rowCount(), std::string(row.label));
  }
  takeSelectedFormula();
  applyEnergyMode();
}





void CEnteralPedsDataPP::onPageEvent(const platform::Notification& n) {
  if (sharedEvent(n)) return;
  if (n.event == platform::Event::CloseUp && n.id == "dilution") {
    compute();
  } else if (n.event == platform::Event::Clicked && n.id == "weightUnit") {
    weightUnit_ = (weightUnit_ + 1) % 3;
    compute();
  }
}

void CEnteralPedsDataPP::calculate() {
  if (dilutionChoice_ < 0 || dilutionChoice_ >= kDilutionCount) dilutionChoice_ = 0;
  const double d = kDilutions[dilutionChoice_].factor;
  const int unit = weightUnit_ >= 0 && weightUnit_ < 3 ? weightUnit_ : 1;
  const double weightKg = weightInKg(weight_, unit);
  control("weightUnit").setText(kWeightUnits[unit]);
  control("volumeUnit").setText(kVolumeUnits[volumeMode_ == 1 ? 1 : 0]);
  control("overFor").setText(kOverFor[volumeMode_ == 1 ? 1 : 0]);
  control("hoursUnit").setText(kHoursUnits[timeUnit_ == 1 ? 1 : 0]);
  hours_ = timeUnit_ == 1 ? hoursInput_ * 24 : hoursInput_;
  const double cal = static_cast<double>(current_.number(peds_field::kCalories));
  const Delivery delivery = deliver(cal * d, energyMode_ != 0, volumeMode_, kcal_, volumeInput_, hours_);
  kcal_ = delivery.kcal;
  totalVolume_ = delivery.totalVolume;
  volumeText_ = framework::formatValue("%.0lf", delivery.shownVolume);
  kcalText_ = framework::formatValue("%.0lf", kcal_);
  platform::Control& results = control("results");
  const std::vector<ResultRow> rows =
      pedsResultRows(current_, kcal_, totalVolume_, hours_, weightKg, d);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    results.setCell(row, 1, rows[i].value);
    results.setRowColors(row, {rows[i].background, 0x000000});
  }
}

void CEnteralPedsDataPP::writeReportLines(framework::ResultLog& log) {
  const int unit = weightUnit_ >= 0 && weightUnit_ < 3 ? weightUnit_ : 1;
  log.writeLine(framework::formatFields("Client: Weight = %.2lf %s", {weight_, kWeightUnits[unit]}));
  const platform::Control& list = control("formula");
  log.writeLine(list.selected() >= 0 ? list.items()[static_cast<std::size_t>(list.selected())].text
                                     : std::string());
  log.writeLine(framework::formatText("Dilution: %s (Formula to Water)",
                                      kDilutions[dilutionChoice_ >= 0 && dilutionChoice_ < kDilutionCount
                                                     ? dilutionChoice_
                                                     : 0]
                                          .name));
  log.writeValue("KCals %.0lf", kcal_);
  log.writeLine(framework::formatFields(
      "%s %s %s %.1lf %s", {volumeText_, kVolumeUnits[volumeMode_ == 1 ? 1 : 0],
                            kOverFor[volumeMode_ == 1 ? 1 : 0], hoursInput_, "hrs"}));
  log.writeRule('-');
  log.writeTable(&control("results"), 2);
}

}  // namespace quillion::enteral
