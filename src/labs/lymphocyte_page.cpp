// Total lymphocyte count from the white cell count and the lymphocyte percentage.
#include "labs/lymphocyte_page.h"

#include "framework/format.h"
#include "labs/blood_counts.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "TLC";

constexpr ControlDef kControls[] = {
    heading("heading", "TLC - Total Lymphocyte Count", 0, 0).span(3),
    label("wbcLabel", "White Blood Cell Count:", 1, 0),
    edit("wbc", 1, 1),
    label("wbcUnit", "cells/mm3", 1, 2),
    label("lymLabel", "Lymphocytes:", 2, 0),
    edit("lym", 2, 1),
    label("lymUnit", "%", 2, 2),
    heading("tlc", "", 3, 0).span(3),
};

}  // namespace

CTotalLymphocyteCountPage::CTotalLymphocyteCountPage()
    : CalculatorPage("Total Lymphocyte Count", kControls, kSection,
                     framework::MenuBar::SaveAndOptions) {
  number("wbc", whiteCells_).keep("WBC");
  number("lym", lymphocytes_).keep("LYM");
  text("tlc", resultText_);
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
