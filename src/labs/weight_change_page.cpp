// Percentage weight change over one week, one, three and six months, each rated by
// its clinical significance.
#include "labs/weight_change_page.h"

#include "framework/format.h"
#include "labs/weight_change.h"

namespace quillion::labs {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "PWC";

constexpr ControlDef kControls[] = {
    {"unitLabel", ControlKind::Label, "Weight Units:", 0, 0},
    {"unit", ControlKind::Button, "lbs", 0, 1},
    {"weightHeading", ControlKind::Label, "Weight", 1, 1, 1, 2, platform::kHeading},
    {"periodHeading", ControlKind::Label, "PERIOD", 2, 0, 1, 1, platform::kHeading},
    {"beginHeading", ControlKind::Label, "BEGIN", 2, 1, 1, 1, platform::kHeading},
    {"endHeading", ControlKind::Label, "END", 2, 2, 1, 1, platform::kHeading},
    {"percentHeading", ControlKind::Label, "PERCENT CHANGE", 2, 3, 1, 2, platform::kHeading},
    {"period0", ControlKind::Label, "1 Week", 3, 0},
    {"begin0", ControlKind::Edit, "", 3, 1},
    {"end0", ControlKind::Edit, "", 3, 2},
    {"percent0", ControlKind::Label, "", 3, 3},
    {"indication0", ControlKind::Label, "", 3, 4},
    {"period1", ControlKind::Label, "1 Month", 4, 0},
    {"begin1", ControlKind::Edit, "", 4, 1},
    {"end1", ControlKind::Edit, "", 4, 2},
    {"percent1", ControlKind::Label, "", 4, 3},
    {"indication1", ControlKind::Label, "", 4, 4},
    {"period2", ControlKind::Label, "3 Months", 5, 0},
    {"begin2", ControlKind::Edit, "", 5, 1},
    {"end2", ControlKind::Edit, "", 5, 2},
    {"percent2", ControlKind::Label, "", 5, 3},
    {"indication2", ControlKind::Label, "", 5, 4},
    {"period3", ControlKind::Label, "6 Months", 6, 0},
    {"begin3", ControlKind::Edit, "", 6, 1},
    {"end3", ControlKind::Edit, "", 6, 2},
    {"percent3", ControlKind::Label, "", 6, 3},
    {"indication3", ControlKind::Label, "", 6, 4},
    {"note", ControlKind::Label,
     "Assess all possible causes of weight change (medications, post-op, edema, fistula, "
     "change in medical status, depression, and so on)",
     7, 0, 1, 5, platform::kWrap},
};

constexpr const char* kBeginIds[] = {"begin0", "begin1", "begin2", "begin3"};
constexpr const char* kEndIds[] = {"end0", "end1", "end2", "end3"};
constexpr const char* kPercentIds[] = {"percent0", "percent1", "percent2", "percent3"};
constexpr const char* kIndicationIds[] = {"indication0", "indication1", "indication2",
                                          "indication3"};

constexpr int kUnitCount = static_cast<int>(kWeightUnits.size());

}  // namespace

CPercentWeightChangePage::CPercentWeightChangePage()
    : CalculatorPage("Percentage Weight Change", kControls, true, kSection) {
  keepIndex("WU", unit_, kUnitCount);
}

void CPercentWeightChangePage::bind(framework::DataExchange& dx) {
  for (int i = 0; i < kPeriods; ++i) {
    dx.number(kBeginIds[i], begin_[static_cast<std::size_t>(i)]);
    dx.number(kEndIds[i], end_[static_cast<std::size_t>(i)]);
    dx.text(kPercentIds[i], percentText_[static_cast<std::size_t>(i)]);
    dx.text(kIndicationIds[i], indicationText_[static_cast<std::size_t>(i)]);
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
