// Fractional excretion of sodium and the renal failure index from serum and urine sodium
// and creatinine, with the usual reading of the urinary indices.
#include "renal/fena_page.h"

#include "framework/format.h"
#include "renal/renal_function.h"

namespace quillion::renal {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "FES";
// The two lines are parted by a lone carriage return, as the program always wrote them.
constexpr const char* kResultFormat =
    "Fractional Excretion of Sodium (FENa)= %.1lf%%\rRenal Failure Index (RFI)= %.1lf%%";

constexpr ControlDef kControls[] = {
    label("pnLabel", "Sodium, Serum (PNa):", 0, 0),
    edit("pn", 0, 1),
    spin("pnSpin", "pn", 0, 2),
    label("pnUnit", "mmol/L ", 0, 3),
    label("unLabel", "Sodium, Urinary (UNa):", 1, 0),
    edit("un", 1, 1),
    spin("unSpin", "un", 1, 2),
    label("unUnit", "mmol/L ", 1, 3),
    label("pcLabel", "Creatinine, Serum (PCr):", 2, 0),
    edit("pc", 2, 1),
    spin("pcSpin", "pc", 2, 2),
    label("pcUnit", "mg/dl ", 2, 3),
    label("ucLabel", "Creatinine, Urinary (UCr):", 3, 0),
    edit("uc", 3, 1),
    spin("ucSpin", "uc", 3, 2),
    label("ucUnit", "mg/dl ", 3, 3),
    heading("result", "", 4, 0).span(4),
    heading("indices", "Possible Interpretation of the Urinary Indices:", 5, 0).span(4),
    label("indicesHeader", "Prerenal        ATN      Postrenal ", 6, 0).span(4),
    label("indicesUna", "UNa (mmol/L) :  < 20            > 40         > 40 ", 7, 0).span(4),
    label("indicesFena", "FENa  :              < 1%           > 1%        > 4% ", 8, 0).span(4),
    label("indicesRfi", "RFI :                  < 1%           > 1%        > 1% ", 9, 0).span(4),
};

}  // namespace

CFractionalExcretionOfSodiumPage::CFractionalExcretionOfSodiumPage()
    : CalculatorPage("Fractional Excretion of Sodium", kControls, kSection,
                     framework::MenuBar::SaveAndOptions) {
  number("pn", serumSodium_).keep("PN");
  number("un", urineSodium_).keep("UN");
  number("pc", serumCreatinine_).keep("PC");
  number("uc", urineCreatinine_).keep("UC");
  text("result", resultText_);
}

void CFractionalExcretionOfSodiumPage::calculate() {
  resultText_ = framework::formatValues(
      kResultFormat,
      {fractionalExcretionOfSodium(serumSodium_, urineSodium_, serumCreatinine_, urineCreatinine_),
       renalFailureIndex(urineSodium_, serumCreatinine_, urineCreatinine_)});
}

void CFractionalExcretionOfSodiumPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue("Sodium, Serum (PNa)    : %.2lf mmol/L", serumSodium_);
  log.writeValue("Sodium, Urinary (UNa)  : %.2lf mmol/L", urineSodium_);
  log.writeValue("Creatinine, Serum (PCr): %.2lf mg/dl", serumCreatinine_);
  log.writeValue("Creatinine, Urinary (UCr): %.2lf mg/dl", urineCreatinine_);
  log.writeLine(resultText_);
}

}  // namespace quillion::renal
