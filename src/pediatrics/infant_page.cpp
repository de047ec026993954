#include "pediatrics/infant_page.h"

#include "adult/body_measures.h"
#include "framework/format.h"
#include "pediatrics/gestational_age.h"
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
    label("weightLabel", "Weight:", 1, 0),
    edit("weight", 1, 1),
    button("weightUnit", "kg", 1, 2),
    label("weightText", "", 1, 3),
    label("lengthLabel", "Length:", 2, 0),
    edit("length", 2, 1),
    button("lengthUnit", "cm", 2, 2),
    label("lengthText", "", 2, 3),
    label("headLabel", "Head Circumference:", 3, 0),
    edit("head", 3, 1),
    button("headUnit", "cm", 3, 2),
    button("sex", "Male", 4, 0),
    check("gestation", "Gest.Age? (no)", 4, 1).span(3),
    check("catchUp", "Use Catch-up Growth Equations", 5, 0).span(4),
    check("useFactor", "Use Activity / Injury Factor :", 6, 0).span(2),
    edit("factor", 6, 2),
    multiLine("results", 7, 0).span(4, 2).with(platform::kReadOnly),
    reportList("charts", 9, 0).span(4).with(platform::kStretch),
};

constexpr int kWeightForAgeRow = 0;
constexpr int kLengthForAgeRow = 1;
constexpr int kWeightForLengthRow = 2;
constexpr int kHeadForAgeRow = 3;

}  // namespace

CPediatric0to36::CPediatric0to36()
    : GrowthPage("Pediatric - 0 to 36 Months", kControls, "Peds0to36",
                 {kWeightForAgeInfant, kLengthForAgeInfant, kWeightForLength, kHeadForAgeInfant},
                 {"Weight/Age", "Length/Age", "Weight/Length", "Circumfr/Age"}) {
  stored(sex_).keep("Sex", 2);
  number("age", age_).keep("Age").positive();
  stored(ageUnit_).keep("AgeUnits", 2);
  number("weight", weight_).keep("Weight").positive();
  stored(weightUnit_).keep("WtUnits", 3);
  number("length", length_).keep("Height").positive();
  stored(lengthUnit_).keep("HtUnits", 2);
  number("head", head_).keep("Circ").positive();
  stored(headUnit_).keep("CircUnits", 2);
  check("catchUp", catchUp_).keep("UCGE");
  stored(useGestation_).keep("UGA");
  stored(gestationOffset_).keep("GAO");
  check("useFactor", useFactor_).keep("UAF");
  number("factor", factor_).keep("AF").positive();
  text("weightText", weightText_);
  text("lengthText", lengthText_);
  text("results", resultsText_);
}

void CPediatric0to36::calculate() {
  const bool female = sex_ != 0;
  control("sex").setText(std::string(kSexCaptions[female ? 1 : 0]));
  control("ageUnit").setText(std::string(kAgeUnitCaptions[ageUnit_]));
  control("weightUnit").setText(std::string(kWeightUnitCaptions[weightUnit_]));
  control("lengthUnit").setText(std::string(kLengthUnitCaptions[lengthUnit_]));
  control("headUnit").setText(std::string(kLengthUnitCaptions[headUnit_]));
  control("gestation").setChecked(useGestation_ != 0);
  control("factor").setEnabled(useFactor_ != 0);

  double ageYears = ageInYears(age_, ageUnit_);
  const Converted length = lengthInCentimetres(length_, lengthUnit_);
  lengthText_ = length.text;
  const Converted weight = weightInKilograms(weight_, weightUnit_);
  weightText_ = weight.text;
  const double kg = weight.value;
  const double headCm = lengthInCentimetres(head_, headUnit_).value;

  if (useGestation_) {
    ageYears += gestationOffset_;
    gestationCaption_ =
        framework::formatValue("Use GestAge(%.2lf)", ageUnit_ == kMonths ? ageYears * 12 : ageYears);
  } else {
    gestationCaption_ = "Gest.Age? (no)";
  }
  control("gestation").setText(gestationCaption_);

  double ree = infantRestingEnergy(kg, female);
  if (useFactor_) ree *= factor_;
  const double months = ageYears * 12;

  // The desirable weight is the median weight for the child's length.
  double ibw = 0;
  if (table(kWeightForLengthRow)) {
    ibw = table(kWeightForLengthRow)->assess(sex_, length.value, kg, 50).valueAtPercentile;
  }
  // Catch-up growth: the intake of the age at which this weight is the median, for the
  // desirable weight.
  double catchUpFactor = 1;
  double intakeAge = ageYears;
  if (catchUp_ && table(kWeightForAgeRow)) {
    const double weightAge = table(kWeightForAgeRow)->ageAtMedian(sex_, kg);
    if (weightAge > 0) {
      catchUpFactor = ibw / kg;
      intakeAge = weightAge / 12;
    }
  }
  const Intake intake = infantIntake(intakeAge);
  const double kcal = intake.kcalPerKg * kg * catchUpFactor;
  const double protein = intake.proteinPerKg * kg * catchUpFactor;
  const Range fluids = infantFluids(kg, ageYears, kcal);
  const double bmi = bm::bodyMassIndex(length.value, kg);

  resultsText_ = framework::formatValues(
      "REE  = %.2lf (%.2lf kcals/kg)\r\nProtein = %.2lfg (%.2lf g/kg)\r\nKcal = %.2lf a day "
      "(%.2lf kcal/kg)\r\nBMI  = %.2lf kg/m^2 \r\nFluids = %.0lf - %.0lf ml (%.0lf - %.0lf ml/kg)",
      {ree, ree / kg, protein, protein / kg, kcal, kcal / kg, bmi, fluids.low, fluids.high,
       fluids.low / kg, fluids.high / kg});

  chartMonths_ = months;
  chronologicalMonths_.reset();
  if (useGestation_) chronologicalMonths_ = ageInYears(age_, ageUnit_) * 12;
  chartKg_ = kg;
  chartLengthCm_ = length.value;
  chartHeadCm_ = headCm;

  const double perKg = perKilogramInUnit(weightUnit_);
  const std::string_view weightLabel = kWeightUnitCaptions[weightUnit_];
  showChart(kWeightForAgeRow, sex_, months, kg, true, perKg, weightLabel);
  showChart(kLengthForAgeRow, sex_, months, length.value, true, perCentimetreInUnit(lengthUnit_),
            kLengthUnitCaptions[lengthUnit_]);
  showChart(kWeightForLengthRow, sex_, length.value, kg, false, perKg, weightLabel);
  showChart(kHeadForAgeRow, sex_, months, headCm, true, perCentimetreInUnit(headUnit_),
            kLengthUnitCaptions[headUnit_]);
}

std::vector<ChartSubject> CPediatric0to36::chartSubjects() const {
  const double perMonth = ageUnit_ == kMonths ? 1 : 1.0 / 12;
  const std::string_view ageUnit = kAgeUnitCaptions[ageUnit_];
  const std::string_view weightUnit = kWeightUnitCaptions[weightUnit_];
  const std::string_view lengthUnit = kLengthUnitCaptions[lengthUnit_];
  const double perKg = perKilogramInUnit(weightUnit_);
  const double perCm = perCentimetreInUnit(lengthUnit_);
  return {
      {"Weight-for-age", kWeightForAgeRow, sex_, chartMonths_, chronologicalMonths_, chartKg_,
       "Age", perMonth, ageUnit, "Weight", perKg, weightUnit},
      {"Length-for-age", kLengthForAgeRow, sex_, chartMonths_, chronologicalMonths_,
       chartLengthCm_, "Age", perMonth, ageUnit, "Length", perCm, lengthUnit},
      {"Weight-for-length", kWeightForLengthRow, sex_, chartLengthCm_, std::nullopt, chartKg_,
       "Length", perCm, lengthUnit, "Weight", perKg, weightUnit},
      {"Head circumference-for-age", kHeadForAgeRow, sex_, chartMonths_, chronologicalMonths_,
       chartHeadCm_, "Age", perMonth, ageUnit, "Head circumference",
       perCentimetreInUnit(headUnit_), kLengthUnitCaptions[headUnit_]},
  };
}

void CPediatric0to36::correctGestationalAge() {
  GestationalAgeDialog dialog(gestationOffset_ * 52 + 40, age_, ageUnit_, useGestation_ != 0);
  if (dialog.runModal() == platform::kResultOk) {
    useGestation_ = dialog.useAdjusted() ? 1 : 0;
    gestationOffset_ = (dialog.termWeeks() - 40) / 52;
    updateData(false);
  }
  compute();
}

void CPediatric0to36::onPageEvent(const platform::Notification& n) {
  if (chartHeaderTapped(n) || n.event != platform::Event::Clicked) return;
  if (n.id == "sex") {
    sex_ = sex_ != 0 ? 0 : 1;
  } else if (n.id == "ageUnit") {
    ageUnit_ = ageUnit_ == kMonths ? kYears : kMonths;
  } else if (n.id == "weightUnit") {
    weightUnit_ = (weightUnit_ + 1) % 3;  // kg, lbs, g
  } else if (n.id == "lengthUnit") {
    lengthUnit_ = lengthUnit_ == kInches ? kCentimetres : kInches;
  } else if (n.id == "headUnit") {
    headUnit_ = headUnit_ == kInches ? kCentimetres : kInches;
  } else if (n.id == "gestation") {
    return correctGestationalAge();
  } else if (n.id != "catchUp" && n.id != "useFactor") {
    return;
  }
  compute();
}

void CPediatric0to36::writeReportLines(framework::ResultLog& log) {
  log.writeLine(clientLine(sex_, age_, ageUnit_));
  log.writeLine(framework::formatText("Weight %s", weightText_));
  log.writeLine(framework::formatText("Height %s", lengthText_));
  log.writeLine(framework::formatText(framework::formatValue("Head Circumferance = %.1lf %s", head_),
                                      kLengthUnitCaptions[headUnit_]));
  log.writeLine(gestationCaption_);
  log.writeLine(framework::formatText("Use Catch-up Growth Equations : %s", catchUp_ ? "Yes" : "No"));
  log.writeLine(resultsText_);
  log.writeBlank();
  writeChartTable(log);
}

}  // namespace quillion::pediatrics
