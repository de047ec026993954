// Anion gap from serum sodium, potassium, chloride and bicarbonate (mEq/L).
#include "labs/anion_gap_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "AGap";
constexpr const char* kGapFormat = "Anion Gap = %.0lf";

constexpr ControlDef kControls[] = {
    {"naLabel", ControlKind::Label, "Serum sodium (Na): ", 0, 0},
    {"na", ControlKind::Edit, "", 0, 1},
    {"naSpin", ControlKind::Spin, "", 0, 2, 1, 1, 0, "na"},
    {"naUnit", ControlKind::Label, "mEq/L", 0, 3},
    {"kLabel", ControlKind::Label, "Serum potassium (K):", 1, 0},
    {"k", ControlKind::Edit, "", 1, 1},
    {"kSpin", ControlKind::Spin, "", 1, 2, 1, 1, 0, "k"},
    {"kUnit", ControlKind::Label, "mEq/L", 1, 3},
    {"clLabel", ControlKind::Label, "Serum chloride (Cl): ", 2, 0},
    {"cl", ControlKind::Edit, "", 2, 1},
    {"clSpin", ControlKind::Spin, "", 2, 2, 1, 1, 0, "cl"},
    {"clUnit", ControlKind::Label, "mEq/L", 2, 3},
    {"hco3Label", ControlKind::Label, "Serum bicarbonate : ", 3, 0},
    {"hco3", ControlKind::Edit, "", 3, 1},
    {"hco3Spin", ControlKind::Spin, "", 3, 2, 1, 1, 0, "hco3"},
    {"hco3Unit", ControlKind::Label, "mEq/L", 3, 3},
    {"hco3Label2", ControlKind::Label, "(HCO3)", 4, 0},
    {"gap", ControlKind::Label, "", 5, 0, 1, 4, platform::kHeading},
    {"normal", ControlKind::Label, "Normal Anion Gap = 16 +/- 4 mmol/L", 6, 0, 1, 4},
    {"normal2", ControlKind::Label, "(including potassium)", 7, 0, 1, 4},
};

}  // namespace

CAnionGapPage::CAnionGapPage() : CalculatorPage("Anion Gap", kControls, true, kSection) {
  keepNumber("NA", sodium_);
  keepNumber("K", potassium_);
  keepNumber("CL", chloride_);
  keepNumber("HCO3", bicarbonate_);
}

void CAnionGapPage::bind(framework::DataExchange& dx) {
  dx.number("na", sodium_);
  dx.number("k", potassium_);
  dx.number("cl", chloride_);
  dx.number("hco3", bicarbonate_);
  dx.text("gap", gapText_);
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
