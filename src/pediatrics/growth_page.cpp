#include "pediatrics/growth_page.h"

#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::pediatrics {
namespace {
constexpr std::string_view kChartListId = "charts";
}

GrowthPage::GrowthPage(std::string title, std::span<const platform::ControlDef> controls,
                       std::string section, std::array<int, kCharts> tableNumbers,
                       std::array<std::string_view, kCharts> chartNames)
    : CalculatorPage(std::move(title), controls, std::move(section),
                     framework::MenuBar::SaveAndOptions),
      chartNames_(chartNames) {
  bool unsupported = false;
  for (int chart = 0; chart < kCharts; ++chart) {
    const GrowthLoadError error = GrowthTable::load(tableNumbers[chart], tables_[chart]);
    unsupported = unsupported || error == GrowthLoadError::Unsupported;
  }
  // A table of a layout the program cannot read is reported as the program always has;
  // a missing one only leaves its chart row without a status.
  if (unsupported) {
    platform::currentPlatform().messageBox(framework::kOutOfMemory, framework::kAppName,
                                           platform::MessageIcon::Error);
  }
}

void GrowthPage::prepareControls() { charts_.build(control(kChartListId), chartNames_); }

void GrowthPage::showChart(int chart, int sex, double x, double y, bool ageAxis,
                           double unitFactor, std::string_view unitLabel) {
  GrowthAssessment assessment{0, lastValues_[chart], 0};
  if (tables_[chart]) {
    assessment = tables_[chart]->assess(sex, x, y, charts_.percentile());
    lastValues_[chart] = assessment.valueAtPercentile;
  }
  GrowthChartList::show(control(kChartListId), chart, assessment, ageAxis, unitFactor,
                        unitLabel);
}

bool GrowthPage::chartHeaderTapped(const platform::Notification& n) {
  if (n.event != platform::Event::HeaderTap || n.id != kChartListId) return false;
  if (charts_.headerTapped(control(kChartListId), n.column)) compute();
  return true;
}

void GrowthPage::writeChartTable(framework::ResultLog& log) {
  log.writeTable(find(kChartListId), kCharts);
}

}  // namespace quillion::pediatrics
