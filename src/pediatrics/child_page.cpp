#include "pediatrics/child_page.h"

#include <algorithm>

#include "adult/body_measures.h"
#include "framework/format.h"
#include "pediatrics/pediatric_needs.h"

namespace quillion::pediatrics {
namespace {

using platform::ControlDef;
using namespace platform::controls;
namespace bm = adult::BodyMeasures;

constexpr ControlDef kControls[] = {
    label("ageLabel", "Age:", 0, 0),
    edit("age", 0, 1),
    button("ageUnit", "years", 0, 2),
    button("sex", "Male", 0, 3),
    label("weightLabel", "Weight:", 1, 0),
    edit("weight", 1, 1),
    button("weightUnit", "kg", 1, 2),
    label("weightText", "", 1, 3),
    label("statureLabel", "Height:", 2, 0),
    edit("stature", 2, 1),
    button("statureUnit", "cm", 2, 2),
    label("statureText", "", 2, 3),
    label("temperatureLabel", "Temp:", 3, 0),
    edit("temperature", 3, 1),
    button("temperatureUnit", "\u00B0F", 3, 2),
    label("temperatureText", "", 3, 3),
    label("activityLabel", "Activity:", 4, 0),
    dropDown("activity", 4, 1).span(2),
    edit("factor", 4, 3),
    multiLine("results", 5, 0).span(4, 2).with(platform::kReadOnly),
    reportList("charts", 7, 0).span(4).with(platform::kStretch),
};

struct ActivityChoice {
  std::string_view text;
  double factor;  // 0: the factor field keeps its value
};

constexpr ActivityChoice kActivities[] = {
    {"Custom Value -------->", 0},      {"Confined to bed (1.1)", 1.1},
    {"Out of bed / Very light (1.3)", 1.3}, {"Light (1.4)", 1.4},
    {"Moderate (1.5)", 1.5},            {"Heavy (1.7)", 1.7},
};
constexpr int kActivityCount = static_cast<int>(std::size(kActivities));

constexpr int kWeightForAgeRow = 0;
constexpr int kWeightForStatureRow = 1;
constexpr int kStatureForAgeRow = 2;
constexpr int kBmiForAgeRow = 3;

}  // namespace

CPediatric2to20::CPediatric2to20()
    : GrowthPage("Pediatric - 2 to 20 Years", kControls, "Peds2to20",
                 {kWeightForAge, kWeightForStature, kStatureForAge, kBmiForAge},
                 {"Weight/Age", "Weight/Stature", "Stature/Age", "BMI/Age"}) {
  stored(sex_).keep("Sex", 2);
  number("age", age_).keep("Age").positive();
  stored(ageUnit_).keep("AgeUnits", 2);
  number("weight", weight_).keep("Weight").positive();
  stored(weightUnit_).keep("WtUnits", 2);
  number("stature", stature_).keep("Height").positive();
  stored(statureUnit_).keep("HtUnits", 2);
  number("temperature", temperature_).keep("Temp").positive();
  stored(temperatureUnit_).keep("TempUnits", 2);
  choice("activity", activity_).keep("Activity", kActivityCount);
  number("factor", factor_).keep("ActFctr");
  text("weightText", weightText_);
  text("statureText", statureText_);
  text("temperatureText", temperatureText_);
  text("results", resultsText_);
}

void CPediatric2to20::prepareControls() {
  GrowthPage::prepareControls();
  platform::Control& activities = control("activity");
  for (int i = 0; i < kActivityCount; ++i) activities.addItem(std::string(kActivities[i].text), i);
}

void CPediatric2to20::calculate() {
  const bool female = sex_ != 0;
  control("sex").setText(std::string(kSexCaptions[female ? 1 : 0]));
  control("ageUnit").setText(std::string(kAgeUnitCaptions[ageUnit_]));
  control("weightUnit").setText(std::string(kWeightUnitCaptions[weightUnit_]));
  control("statureUnit").setText(std::string(kLengthUnitCaptions[statureUnit_]));
  control("temperatureUnit").setText(std::string(kTemperatureUnitCaptions[temperatureUnit_]));

  const double ageYears = ageInYears(age_, ageUnit_);
  const Converted stature = lengthInCentimetres(stature_, statureUnit_);
  statureText_ = stature.text;
  const Converted weight = weightInKilograms(weight_, weightUnit_);
  weightText_ = weight.text;
  const double kg = weight.value;
  const Converted temperature = temperatureInCelsius(temperature_, temperatureUnit_);
  temperatureText_ = temperature.text;

  const double ree =
      childRestingEnergy(kg, ageYears, female) * feverFactor(temperature.value) * factor_;
  const double bmi = bm::bodyMassIndex(stature.value, kg);
  const double byWeight = childFluidsByWeight(kg, ageYears);
  const double months = ageYears * 12;
  const double kcal = childKcalPerKg(ageYears, female) * kg;
  const double protein = childProteinPerKg(ageYears, female) * kg;

  if (ageYears < 4) {
    const double low = 110 * kg;
    const double high = 130 * kg;
    resultsText_ = framework::formatValues(
        "REE  = %.2lf (%.2lf kcals/kg)\r\nProtein = %.2lfg (%.2lf g/kg)\r\nKcal=%.0lf (%.2lf "
        "kcal/kg) BMI=%.2lf kg/m^2\r\nFluids = %.0lf to %.0lf or %.0lf ml \r\nFluids = %.0lf to "
        "%.0lf or %.0lf ml/kg",
        {ree, ree / kg, protein, protein / kg, kcal, kcal / kg, bmi, byWeight, low, high,
         byWeight / kg, low / kg, high / kg});
  } else {
    const double byAge = childFluidsPerKg(ageYears) * kg;
    const double smaller = std::min(byWeight, byAge);
    const double larger = std::max(byWeight, byAge);
    resultsText_ = framework::formatValues(
        "REE  = %.2lf (%.2lf kcals/kg)\r\nProtein = %.2lfg (%.2lfg/kg)\r\nKcal=%.0lf (%.2lf "
        "kcal/kg) BMI=%.2lf kg/m^2\r\nFluids = %.0lf - %.0lf ml (%.0lf-%.0lf ml/kg)",
        {ree, ree / kg, protein, protein / kg, kcal, kcal / kg, bmi, smaller, larger,
         smaller / kg, larger / kg});
  }

  chartMonths_ = months;
  chartKg_ = kg;
  chartStatureCm_ = stature.value;
  chartBmi_ = bmi;

  const double perKg = perKilogramInUnit(weightUnit_);
  const std::string_view weightLabel = kWeightUnitCaptions[weightUnit_];
  showChart(kWeightForAgeRow, sex_, months, kg, true, perKg, weightLabel);
  showChart(kWeightForStatureRow, sex_, stature.value, kg, false, perKg, weightLabel);
  showChart(kStatureForAgeRow, sex_, months, stature.value, true,
            perCentimetreInUnit(statureUnit_), kLengthUnitCaptions[statureUnit_]);
  showChart(kBmiForAgeRow, sex_, months, bmi, true, 1, "");
}

std::vector<ChartSubject> CPediatric2to20::chartSubjects() const {
  const double perMonth = ageUnit_ == kMonths ? 1 : 1.0 / 12;
  const std::string_view ageUnit = kAgeUnitCaptions[ageUnit_];
  const std::string_view weightUnit = kWeightUnitCaptions[weightUnit_];
  const std::string_view statureUnit = kLengthUnitCaptions[statureUnit_];
  const double perKg = perKilogramInUnit(weightUnit_);
  const double perCm = perCentimetreInUnit(statureUnit_);
  return {
      {"Weight-for-age", kWeightForAgeRow, sex_, chartMonths_, std::nullopt, chartKg_, "Age",
       perMonth, ageUnit, "Weight", perKg, weightUnit},
      {"Weight-for-stature", kWeightForStatureRow, sex_, chartStatureCm_, std::nullopt, chartKg_,
       "Stature", perCm, statureUnit, "Weight", perKg, weightUnit},
      {"Stature-for-age", kStatureForAgeRow, sex_, chartMonths_, std::nullopt, chartStatureCm_,
       "Age", perMonth, ageUnit, "Stature", perCm, statureUnit},
      {"BMI-for-age", kBmiForAgeRow, sex_, chartMonths_, std::nullopt, chartBmi_, "Age", perMonth,
       ageUnit, "BMI", 1, "kg/m^2"},
  };
}

void CPediatric2to20::onPageEvent(const platform::Notification& n) {
  if (chartHeaderTapped(n)) return;
  if (n.event == platform::Event::CloseUp && n.id == "activity") {
    updateData(true);
    if (activity_ > 0 && activity_ < kActivityCount) {
      factor_ = kActivities[activity_].factor;
      updateData(false);
    }
    return compute();
  }
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "sex") {
    sex_ = sex_ != 0 ? 0 : 1;
  } else if (n.id == "ageUnit") {
    ageUnit_ = ageUnit_ == kMonths ? kYears : kMonths;
  } else if (n.id == "weightUnit") {
    weightUnit_ = weightUnit_ == kKilograms ? kPounds : kKilograms;
  } else if (n.id == "statureUnit") {
    statureUnit_ = statureUnit_ == kInches ? kCentimetres : kInches;
  } else if (n.id == "temperatureUnit") {
    temperatureUnit_ = temperatureUnit_ == kCelsius ? kFahrenheit : kCelsius;
  } else {
    return;
  }
  compute();
}

void CPediatric2to20::writeReportLines(framework::ResultLog& log) {
  log.writeLine(clientLine(sex_, age_, ageUnit_));
  log.writeLine(framework::formatText("Weight %s", weightText_));
  log.writeLine(framework::formatText("Height %s", statureText_));
  log.writeLine(framework::formatText("Temperature %s", temperatureText_));
  log.writeValue("Activity Factor = %.2lf", factor_);
  log.writeLine(resultsText_);
  log.writeBlank();
  writeChartTable(log);
}

}  // namespace quillion::pediatrics
