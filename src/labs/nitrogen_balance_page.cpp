// Nitrogen balance from protein intake and urinary urea nitrogen over their collection
// spans.
#include "labs/nitrogen_balance_page.h"

#include "framework/format.h"
#include "labs/nitrogen_balance.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "NBal";

constexpr ControlDef kControls[] = {
    {"proteinGroup", ControlKind::Label, "Protein Intake", 0, 0, 1, 3, platform::kHeading},
    {"proLabel", ControlKind::Label, "Protein intake:", 1, 0},
    {"pro", ControlKind::Edit, "", 1, 1},
    {"proUnit", ControlKind::Label, "grams", 1, 2},
    {"tProLabel", ControlKind::Label, "Collection span:", 2, 0},
    {"tPro", ControlKind::Edit, "", 2, 1},
    {"tProUnit", ControlKind::Label, "hours", 2, 2},
    {"uunGroup", ControlKind::Label, "Uninary Urea Nitrogen", 3, 0, 1, 3, platform::kHeading},
    {"uunLabel", ControlKind::Label, "Uninary Urea Nitrogen:", 4, 0},
    {"uun", ControlKind::Edit, "", 4, 1},
    {"uunUnit", ControlKind::Label, "grams", 4, 2},
    {"tUunLabel", ControlKind::Label, "Collection span:", 5, 0},
    {"tUun", ControlKind::Edit, "", 5, 1},
    {"tUunUnit", ControlKind::Label, "hours", 5, 2},
    {"balanceLabel", ControlKind::Label, "Nitrogen Balance =", 6, 0},
    {"balance", ControlKind::Label, "", 6, 1, 1, 2, platform::kHeading},
    {"balanceNote", ControlKind::Label, "(should be a positive value from 2 to 4)", 7, 0, 1, 3},
    {"intakeLabel", ControlKind::Label, "Nitrogen Intake   = ", 8, 0},
    {"intake", ControlKind::Label, "", 8, 1, 1, 1, platform::kHeading},
    {"intakeUnit", ControlKind::Label, "grams/24 hrs ", 8, 2},
    {"intakeNote", ControlKind::Label, "(assuming protein has 16% nitrogen)", 9, 0, 1, 3},
};

}  // namespace

CNitrogenBalancePage::CNitrogenBalancePage() : CalculatorPage("Nitrogen Balance", kControls, true, kSection) {
  keepNumber("Pro", protein_);
  keepNumber("tPro", proteinSpan_);
  keepNumber("UUN", ureaNitrogen_);
  keepNumber("tUUN", ureaNitrogenSpan_);
}

void CNitrogenBalancePage::bind(framework::DataExchange& dx) {
  dx.number("pro", protein_);
  dx.number("tPro", proteinSpan_);
  dx.number("uun", ureaNitrogen_);
  dx.number("tUun", ureaNitrogenSpan_);
  dx.text("balance", balanceText_);
  dx.text("intake", intakeText_);
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
