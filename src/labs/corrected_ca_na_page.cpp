// Calcium corrected for low albumin and sodium corrected for high glucose.
#include "labs/corrected_ca_na_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "CCS";

constexpr ControlDef kControls[] = {
    heading("calciumGroup", "Corrected Calcium for low albumin", 0, 0).span(3),
    label("caLabel", "Calcium", 1, 0),
    edit("ca", 1, 1),
    label("caUnit", "mg/dL", 1, 2),
    label("albLabel", "Albumin", 2, 0),
    edit("alb", 2, 1),
    label("albUnit", "g/dL", 2, 2),
    label("adjustedLabel", "Adjusted calcium = ", 3, 0),
    heading("adjusted", "", 3, 1).span(2),
    heading("sodiumGroup", "Corrected Sodium for elevated serum glucose", 4, 0).span(3),
    label("gluLabel", "Glucose", 5, 0),
    edit("glu", 5, 1),
    label("naLabel", "Sodium", 6, 0),
    edit("na", 6, 1),
    label("correctedLabel", "Corrected sodium = ", 7, 0),
    heading("corrected", "", 7, 1).span(2),
};

}  // namespace

CCorrectedCaNaPage::CCorrectedCaNaPage()
    : CalculatorPage("Corrected Ca & Na", kControls, kSection, framework::MenuBar::SaveAndOptions) {
  number("ca", calcium_).keep("CA");
  number("alb", albumin_).keep("A");
  text("adjusted", calciumText_);
  number("glu", glucose_).keep("G");
  number("na", sodium_).keep("NA");
  text("corrected", sodiumText_);
}

void CCorrectedCaNaPage::calculate() {
  calciumText_ = framework::formatValue("%.2lf", adjustedCalcium(calcium_, albumin_));
  sodiumText_ = framework::formatValue("%.2lf", correctedSodium(glucose_, sodium_));
}

void CCorrectedCaNaPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue("Albumin = %.2lf", albumin_);
  log.writeValue("Calcium = %.2lf", calcium_);
  log.writeLine(framework::formatText("Corrected Calcium = %s", calciumText_));
  log.writeBlank();
  log.writeValue("Glucose = %.2lf", glucose_);
  log.writeValue("Sodium = %.2lf", sodium_);
  log.writeLine(framework::formatText("Corrected Sodium = %s", sodiumText_));
}

}  // namespace quillion::labs
