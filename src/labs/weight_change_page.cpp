// Percentage weight change over one week, one, three and six months, each rated by
// its clinical significance.
#include "labs/weight_change_page.h"

#include "framework/format.h"
#include "labs/weight_change.h"

namespace quillion::labs {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "PWC";

constexpr ControlDef kControls[] = {
    label("unitLabel", "Weight Units:", 0, 0),
    button("unit", "lbs", 0, 1),
    heading("weightHeading", "Weight", 1, 1).span(2),
    heading("periodHeading", "PERIOD", 2, 0),
    heading("beginHeading", "BEGIN", 2, 1),
    heading("endHeading", "END", 2, 2),
    heading("percentHeading", "PERCENT CHANGE", 2, 3).span(2),
    label("period0", "1 Week", 3, 0),
    edit("begin0", 3, 1).named("1 Week, begin weight"),
    edit("end0", 3, 2).named("1 Week, end weight"),
    label("percent0", "", 3, 3),
    label("indication0", "", 3, 4),
    label("period1", "1 Month", 4, 0),
    edit("begin1", 4, 1).named("1 Month, begin weight"),
    edit("end1", 4, 2).named("1 Month, end weight"),
    label("percent1", "", 4, 3),
    label("indication1", "", 4, 4),
    label("period2", "3 Months", 5, 0),
    edit("begin2", 5, 1).named("3 Months, begin weight"),
    edit("end2", 5, 2).named("3 Months, end weight"),
    label("percent2", "", 5, 3),
    label("indication2", "", 5, 4),
    label("period3", "6 Months", 6, 0),
    edit("begin3", 6, 1).named("6 Months, begin weight"),
    edit("end3", 6, 2).named("6 Months, end weight"),
    label("percent3", "", 6, 3),
    label("indication3", "", 6, 4),
    label("note",
          "Assess all possible causes of weight change (medications, post-op, edema, fistula, "
          "change in medical status, depression, and so on)",
          7, 0)
        .span(5)
        .with(platform::kWrap),
};

constexpr const char* kBeginIds[] = {"begin0", "begin1", "begin2", "begin3"};
constexpr const char* kEndIds[] = {"end0", "end1", "end2", "end3"};
constexpr const char* kPercentIds[] = {"percent0", "percent1", "percent2", "percent3"};
constexpr const char* kIndicationIds[] = {"indication0", "indication1", "indication2",
                                          "indication3"};

constexpr int kUnitCount = static_cast<int>(kWeightUnits.size());

}  // namespace

CPercentWeightChangePage::CPercentWeightChangePage()
    : CalculatorPage("Percentage Weight Change", kControls, kSection,
                     framework::MenuBar::SaveAndOptions) {
  stored(unit_).keep("WU", kUnitCount);
  for (std::size_t i = 0; i < kPeriods; ++i) {
    number(kBeginIds[i], begin_[i]);
    number(kEndIds[i], end_[i]);
    text(kPercentIds[i], percentText_[i]);
    text(kIndicationIds[i], indicationText_[i]);
  }
}

void CPercentWeightChangePage::calculate() {
  for (std::size_t i = 0; i < kPeriods; ++i) {
    WeightChangeRowTexts texts = weightChangeRowTexts(kWeightChangePeriods[i], begin_[i], end_[i]);
    percentText_[i] = texts.percentText;
    indicationText_[i] = std::string(texts.indicationText);
  }
  control("unit").setText(std::string(kWeightUnits[static_cast<std::size_t>(unit_)]));
}

void CPercentWeightChangePage::onPageEvent(const platform::Notification& n) {
  if (n.event == platform::Event::Clicked && n.id == "unit") {
    // The unit is a label only: no weight is converted.
    unit_ = (unit_ + 1) % kUnitCount;
    compute();
  }
}

std::string CPercentWeightChangePage::reportTitle() const {
  return std::string(kWeightChangeReportTitle);
}

void CPercentWeightChangePage::writeReportLines(framework::ResultLog& log) {
  log.writeLine(framework::formatText(kWeightChangeReportUnitsFormat,
                                      kWeightUnits[static_cast<std::size_t>(unit_)]));
  for (std::size_t i = 0; i < kPeriods; ++i) {
    log.writeLine(
        framework::formatValues(kWeightChangePeriods[i].reportFormat, {begin_[i], end_[i]}));
    log.writeLine(framework::formatTexts(kWeightChangeReportRowFormat,
                                         {percentText_[i], indicationText_[i]}));
  }
}

}  // namespace quillion::labs
