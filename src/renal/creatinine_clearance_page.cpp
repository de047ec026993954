// Creatinine clearance estimated from age, weight, sex and a stable serum creatinine by
// the Cockcroft-Gault equation.
#include "renal/creatinine_clearance_page.h"

#include "framework/format.h"
#include "renal/renal_function.h"

namespace quillion::renal {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "GFR";
constexpr const char* kResultFormat = "Est. Creatinine Clearance = \r\n%.1lf mL/min/1.73 m^2";
constexpr const char* kPoundsTextFormat = "(%.2lf lbs = %.2lf kgs)";
constexpr const char* kKilogramsTextFormat = "(%.2lf kgs = %.2lf lbs)";

constexpr ControlDef kControls[] = {
    label("ageLabel", "Age:", 0, 0),
    edit("age", 0, 1),
    label("ageUnit", "years", 0, 2),
    button("sex", "Male", 0, 3),
    label("weightLabel", "Weight:", 1, 0),
    edit("weight", 1, 1),
    button("unit", "lbs", 1, 2),
    label("weightText", "", 1, 3),
    label("scLabel", "Serum Creatinine:", 2, 0),
    edit("sc", 2, 1),
    label("scUnit", "mg / dL", 2, 2).span(2),
    heading("result", "", 3, 0).span(4),
    label("stable", "This formula is valid only if the serum creatinine is stable.", 4, 0)
        .span(4)
        .with(platform::kWrap),
    label("gfr", "(GFR: Glomerular Filtration Rate)", 5, 0).span(4),
};

constexpr int kSexCount = static_cast<int>(kSexCaptions.size());
constexpr int kUnitCount = static_cast<int>(kWeightUnitCaptions.size());

}  // namespace

CCreatinineClearance::CCreatinineClearance()
    : CalculatorPage("Creatinine Clearance", kControls, kSection,
                     framework::MenuBar::SaveAndOptions) {
  number("age", age_).keep("Age");
  stored(sex_).keep("Sex", kSexCount);
  number("weight", weight_).keep("Weight");
  stored(weightUnit_).keep("WtUnits", kUnitCount);
  number("sc", serumCreatinine_).keep("SC");
  text("weightText", weightText_);
  text("result", resultText_);
}

void CCreatinineClearance::calculate() {
  control("sex").setText(std::string(kSexCaptions[static_cast<std::size_t>(sex_)]));
  control("unit").setText(std::string(kWeightUnitCaptions[static_cast<std::size_t>(weightUnit_)]));
  const double kilograms = toKilograms(weight_, weightUnit_);
  // The pounds shown are worked back from the kilograms, in both units.
  const double pounds = kilograms * kKilogramsToPounds;
  weightText_ = weightUnit_ == kPounds
                    ? framework::formatValues(kPoundsTextFormat, {pounds, kilograms})
                    : framework::formatValues(kKilogramsTextFormat, {kilograms, pounds});
  resultText_ = framework::formatValue(
      kResultFormat, creatinineClearance(age_, kilograms, serumCreatinine_, sex_));
}

void CCreatinineClearance::onPageEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "sex") {
    sex_ = (sex_ + 1) % kSexCount;
    compute();
  } else if (n.id == "unit") {
    // The unit is a label only: the weight in the box is not converted.
    weightUnit_ = (weightUnit_ + 1) % kUnitCount;
    compute();
  }
}

void CCreatinineClearance::writeReportLines(framework::ResultLog& log) {
  log.writeLine(framework::formatFields("Client : %s %.0lf yrs., Weight %s",
                                        {kSexCaptions[static_cast<std::size_t>(sex_)], age_,
                                         weightText_}));
  log.writeValue("Serum Creatinine = %.2lf", serumCreatinine_);
  log.writeLine(resultText_);
}

}  // namespace quillion::renal
