// Total lymphocyte count from the white cell count and the lymphocyte percentage.
#include "labs/lymphocyte_page.h"

#include "framework/format.h"
#include "labs/blood_counts.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "TLC";

constexpr ControlDef kControls[] = {
    {"heading", ControlKind::Label, "TLC - Total Lymphocyte Count", 0, 0, 1, 3, platform::kHeading},
    {"wbcLabel", ControlKind::Label, "White Blood Cell Count:", 1, 0},
    {"wbc", ControlKind::Edit, "", 1, 1},
    {"wbcUnit", ControlKind::Label, "cells/mm3", 1, 2},
    {"lymLabel", ControlKind::Label, "Lymphocytes:", 2, 0},
    {"lym", ControlKind::Edit, "", 2, 1},
    {"lymUnit", ControlKind::Label, "%", 2, 2},
    {"tlc", ControlKind::Label, "", 3, 0, 1, 3, platform::kHeading},
};

}  // namespace

CTotalLymphocyteCountPage::CTotalLymphocyteCountPage()
    : CalculatorPage("Total Lymphocyte Count", kControls, true, kSection) {
  keepNumber("WBC", whiteCells_);
  keepNumber("LYM", lymphocytes_);
}

void CTotalLymphocyteCountPage::bind(framework::DataExchange& dx) {
  dx.number("wbc", whiteCells_);
  dx.number("lym", lymphocytes_);
  dx.text("tlc", resultText_);
}

void CTotalLymphocyteCountPage::calculate() {
  resultText_ = framework::formatValue(kTlcFormat, totalLymphocyteCount(whiteCells_, lymphocytes_));
}

std::string CTotalLymphocyteCountPage::reportTitle() const { return std::string(kTlcReportTitle); }

void CTotalLymphocyteCountPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue(kTlcReportWbcFormat, whiteCells_);
  log.writeValue(kTlcReportLymphocytesFormat, lymphocytes_);
  log.writeLine(resultText_);
}

}  // namespace quillion::labs
