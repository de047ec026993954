// Nitrogen balance from protein intake and urinary urea nitrogen over their collection
// spans.
#include "labs/nitrogen_balance_page.h"

#include "framework/format.h"
#include "labs/nitrogen_balance.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "NBal";

constexpr ControlDef kControls[] = {
    heading("proteinGroup", "Protein Intake", 0, 0).span(3),
    label("proLabel", "Protein intake:", 1, 0),
    edit("pro", 1, 1),
    label("proUnit", "grams", 1, 2),
    label("tProLabel", "Collection span:", 2, 0),
    edit("tPro", 2, 1),
    label("tProUnit", "hours", 2, 2),
    heading("uunGroup", "Uninary Urea Nitrogen", 3, 0).span(3),
    label("uunLabel", "Uninary Urea Nitrogen:", 4, 0),
    edit("uun", 4, 1),
    label("uunUnit", "grams", 4, 2),
    label("tUunLabel", "Collection span:", 5, 0),
    edit("tUun", 5, 1),
    label("tUunUnit", "hours", 5, 2),
    label("balanceLabel", "Nitrogen Balance =", 6, 0),
    heading("balance", "", 6, 1).span(2),
    label("balanceNote", "(should be a positive value from 2 to 4)", 7, 0).span(3),
    label("intakeLabel", "Nitrogen Intake   = ", 8, 0),
    heading("intake", "", 8, 1),
    label("intakeUnit", "grams/24 hrs ", 8, 2),
    label("intakeNote", "(assuming protein has 16% nitrogen)", 9, 0).span(3),
};

}  // namespace

CNitrogenBalancePage::CNitrogenBalancePage()
    : CalculatorPage("Nitrogen Balance", kControls, kSection, framework::MenuBar::SaveAndOptions) {
  number("pro", protein_).keep("Pro");
  number("tPro", proteinSpan_).keep("tPro");
  number("uun", ureaNitrogen_).keep("UUN");
  number("tUun", ureaNitrogenSpan_).keep("tUUN");
  text("balance", balanceText_);
  text("intake", intakeText_);
}

void CNitrogenBalancePage::calculate() {
  setDirty();
  // A span below half an hour is replaced; the box shows the replacement afterwards.
  NitrogenBalanceResult result =
      computeNitrogenBalance(protein_, proteinSpan_, ureaNitrogen_, ureaNitrogenSpan_);
  proteinSpan_ = result.proteinSpanHours;
  ureaNitrogenSpan_ = result.ureaNitrogenSpanHours;
  intake_ = result.intake;
  balance_ = result.balance;
  balanceText_ = framework::formatValue(kNitrogenResultFormat, balance_);
  intakeText_ = framework::formatValue(kNitrogenResultFormat, intake_);
}

std::string CNitrogenBalancePage::reportTitle() const { return std::string(kNitrogenReportTitle); }

void CNitrogenBalancePage::writeReportLines(framework::ResultLog& log) {
  log.writeValue(kNitrogenReportProteinFormat, protein_);
  log.writeValue(kNitrogenReportUreaNitrogenFormat, ureaNitrogen_);
  log.writeValue(kNitrogenReportProteinSpanFormat, proteinSpan_);
  log.writeValue(kNitrogenReportUreaNitrogenSpanFormat, ureaNitrogenSpan_);
  log.writeValue(kNitrogenReportIntakeFormat, intake_);
  log.writeValue(kNitrogenReportBalanceFormat, balance_);
}

}  // namespace quillion::labs
