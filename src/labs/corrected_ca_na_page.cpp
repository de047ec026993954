// Calcium corrected for low albumin and sodium corrected for high glucose.
#include "labs/corrected_ca_na_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "CCS";

constexpr ControlDef kControls[] = {
    {"calciumGroup", ControlKind::Label, "Corrected Calcium for low albumin", 0, 0, 1, 3,
     platform::kHeading},
    {"caLabel", ControlKind::Label, "Calcium", 1, 0},
    {"ca", ControlKind::Edit, "", 1, 1},
    {"caUnit", ControlKind::Label, "mg/dL", 1, 2},
    {"albLabel", ControlKind::Label, "Albumin", 2, 0},
    {"alb", ControlKind::Edit, "", 2, 1},
    {"albUnit", ControlKind::Label, "g/dL", 2, 2},
    {"adjustedLabel", ControlKind::Label, "Adjusted calcium = ", 3, 0},
    {"adjusted", ControlKind::Label, "", 3, 1, 1, 2, platform::kHeading},
    {"sodiumGroup", ControlKind::Label, "Corrected Sodium for elevated serum glucose", 4, 0, 1, 3,
     platform::kHeading},
    {"gluLabel", ControlKind::Label, "Glucose", 5, 0},
    {"glu", ControlKind::Edit, "", 5, 1},
    {"naLabel", ControlKind::Label, "Sodium", 6, 0},
    {"na", ControlKind::Edit, "", 6, 1},
    {"correctedLabel", ControlKind::Label, "Corrected sodium = ", 7, 0},
    {"corrected", ControlKind::Label, "", 7, 1, 1, 2, platform::kHeading},
};

}  // namespace

CCorrectedCaNaPage::CCorrectedCaNaPage() : CalculatorPage("Corrected Ca & Na", kControls, true, kSection) {
  keepNumber("CA", calcium_);
  keepNumber("A", albumin_);
  keepNumber("G", glucose_);
  keepNumber("NA", sodium_);
}

void CCorrectedCaNaPage::bind(framework::DataExchange& dx) {
  dx.number("ca", calcium_);
  dx.number("alb", albumin_);
  dx.text("adjusted", calciumText_);
  dx.number("glu", glucose_);
  dx.number("na", sodium_);
  dx.text("corrected", sodiumText_);
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
