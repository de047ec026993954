// Calculated serum osmolality from sodium, potassium, BUN and glucose.
#include "labs/serum_osmolality_page.h"

#include "framework/format.h"
#include "labs/electrolytes.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "SO";

constexpr ControlDef kControls[] = {
    label("naLabel", "Serum sodium (Na):", 0, 0),
    edit("na", 0, 1),
    spin("naSpin", "na", 0, 2),
    label("naUnit", "mEq/L ", 0, 3),
    label("kLabel", "Serum potassium (K):", 1, 0),
    edit("k", 1, 1),
    spin("kSpin", "k", 1, 2),
    label("kUnit", "mEq/L", 1, 3),
    label("bunLabel", "BUN:", 2, 0),
    edit("bun", 2, 1),
    spin("bunSpin", "bun", 2, 2),
    label("bunUnit", "mg/dl", 2, 3),
    label("gluLabel", "Glucose:", 3, 0),
    edit("glu", 3, 1),
    spin("gluSpin", "glu", 3, 2),
    label("gluUnit", "mg/dl", 3, 3),
    heading("result", "", 4, 0).span(4),
    label("normal", "Normal  =  285 to 295 mOsm/kg", 5, 0).span(4),
};

}  // namespace

CSerumOsmolalityPage::CSerumOsmolalityPage()
    : CalculatorPage("Serum Osmolality", kControls, kSection, framework::MenuBar::SaveAndOptions) {
  number("na", sodium_).keep("dNA");
  number("k", potassium_).keep("dK");
  number("bun", bun_).keep("dBUN");
  number("glu", glucose_).keep("dG");
  text("result", resultText_);
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
