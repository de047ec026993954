// Anion gap from serum sodium, potassium, chloride and bicarbonate (mEq/L).
#include "labs/anion_gap_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "AGap";
constexpr const char* kGapFormat = "Anion Gap = %.0lf";

constexpr ControlDef kControls[] = {
    label("naLabel", "Serum sodium (Na): ", 0, 0),
    edit("na", 0, 1),
    spin("naSpin", "na", 0, 2),
    label("naUnit", "mEq/L", 0, 3),
    label("kLabel", "Serum potassium (K):", 1, 0),
    edit("k", 1, 1),
    spin("kSpin", "k", 1, 2),
    label("kUnit", "mEq/L", 1, 3),
    label("clLabel", "Serum chloride (Cl): ", 2, 0),
    edit("cl", 2, 1),
    spin("clSpin", "cl", 2, 2),
    label("clUnit", "mEq/L", 2, 3),
    label("hco3Label", "Serum bicarbonate : ", 3, 0),
    edit("hco3", 3, 1),
    spin("hco3Spin", "hco3", 3, 2),
    label("hco3Unit", "mEq/L", 3, 3),
    label("hco3Label2", "(HCO3)", 4, 0),
    heading("gap", "", 5, 0).span(4),
    label("normal", "Normal Anion Gap = 16 +/- 4 mmol/L", 6, 0).span(4),
    label("normal2", "(including potassium)", 7, 0).span(4),
};

}  // namespace

CAnionGapPage::CAnionGapPage()
    : CalculatorPage("Anion Gap", kControls, kSection, framework::MenuBar::SaveAndOptions) {
  number("na", sodium_).keep("NA");
  number("k", potassium_).keep("K");
  number("cl", chloride_).keep("CL");
  number("hco3", bicarbonate_).keep("HCO3");
  text("gap", gapText_);
}

void CAnionGapPage::calculate() {
  gap_ = anionGap(sodium_, potassium_, chloride_, bicarbonate_);
  gapText_ = framework::formatValue(kGapFormat, gap_);
}

void CAnionGapPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue("K    = %.0lf", potassium_);
  log.writeValue("NA   = %.0lf", sodium_);
  log.writeValue("CL   = %.0lf", chloride_);
  log.writeValue("HCO3 = %.0lf", bicarbonate_);
  log.writeValue(kGapFormat, gap_);
}

}  // namespace quillion::labs
