// Calculated serum osmolality from sodium, potassium, BUN and glucose.
#include "labs/serum_osmolality_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "SO";

constexpr ControlDef kControls[] = {
    {"naLabel", ControlKind::Label, "Serum sodium (Na):", 0, 0},
    {"na", ControlKind::Edit, "", 0, 1},
    {"naSpin", ControlKind::Spin, "", 0, 2, 1, 1, 0, "na"},
    {"naUnit", ControlKind::Label, "mEq/L ", 0, 3},
    {"kLabel", ControlKind::Label, "Serum potassium (K):", 1, 0},
    {"k", ControlKind::Edit, "", 1, 1},
    {"kSpin", ControlKind::Spin, "", 1, 2, 1, 1, 0, "k"},
    {"kUnit", ControlKind::Label, "mEq/L", 1, 3},
    {"bunLabel", ControlKind::Label, "BUN:", 2, 0},
    {"bun", ControlKind::Edit, "", 2, 1},
    {"bunSpin", ControlKind::Spin, "", 2, 2, 1, 1, 0, "bun"},
    {"bunUnit", ControlKind::Label, "mg/dl", 2, 3},
    {"gluLabel", ControlKind::Label, "Glucose:", 3, 0},
    {"glu", ControlKind::Edit, "", 3, 1},
    {"gluSpin", ControlKind::Spin, "", 3, 2, 1, 1, 0, "glu"},
    {"gluUnit", ControlKind::Label, "mg/dl", 3, 3},
    {"result", ControlKind::Label, "", 4, 0, 1, 4, platform::kHeading},
    {"normal", ControlKind::Label, "Normal  =  285 to 295 mOsm/kg", 5, 0, 1, 4},
};

}  // namespace

CSerumOsmolalityPage::CSerumOsmolalityPage() : CalculatorPage("Serum Osmolality", kControls, true, kSection) {
  keepNumber("dNA", sodium_);
  keepNumber("dK", potassium_);
  keepNumber("dBUN", bun_);
  keepNumber("dG", glucose_);
}

void CSerumOsmolalityPage::bind(framework::DataExchange& dx) {
  dx.number("na", sodium_);
  dx.number("k", potassium_);
  dx.number("bun", bun_);
  dx.number("glu", glucose_);
  dx.text("result", resultText_);
}

void CSerumOsmolalityPage::calculate() {
  double osmolality = serumOsmolality(sodium_, potassium_, bun_, glucose_);
  resultText_ = framework::formatValue("Serum Osmolality = %.1lf mOsm/kg", osmolality);
}

void CSerumOsmolalityPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue("Serum sodium (Na)  : %.2lf mEq/L", sodium_);
  log.writeValue("Serum potassium (K): %.2lf mEq/L", potassium_);
  log.writeValue("BUN     : %.2lf mg/dl", bun_);
  log.writeValue("Glucose : %.2lf mg/dl", glucose_);
  log.writeLine(resultText_);
}

}  // namespace quillion::labs
