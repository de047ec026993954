#include "pediatrics/growth_chart_list.h"

#include "framework/format.h"

namespace quillion::pediatrics {
namespace {

using platform::ColumnAlign;

constexpr int kValueColumn = 2;
constexpr int kZColumn = 3;

}  // namespace

void GrowthChartList::build(platform::Control& list, std::span<const std::string_view> chartNames) {
  percentile_ = 50;
  list.setColumns({{"Chart", 78, ColumnAlign::Left},
                   {"%", 52, ColumnAlign::Center},
                   {percentileHeader(percentile_), 62, ColumnAlign::Center},
                   {"Z", 66, ColumnAlign::Center}});
  list.deleteAllRows();
  int row = 0;
  for (std::string_view name : chartNames) list.insertRow(row++, std::string(name));
}

bool GrowthChartList::headerTapped(platform::Control& list, int column) {
  if (column != kValueColumn && column != kZColumn) return false;
  percentile_ = nextPercentile(percentile_, column == kValueColumn);
  auto columns = list.columns();
  if (columns.size() > kValueColumn) {
    columns[kValueColumn].title = percentileHeader(percentile_);
    list.setColumns(std::move(columns));
  }
  return true;
}

void GrowthChartList::show(platform::Control& list, int row, const GrowthAssessment& assessment,
                           bool ageAxis, double unitFactor, std::string_view unitLabel) {
  if (auto status = GrowthTable::statusText(assessment.rankOrStatus, ageAxis)) {
    list.setCell(row, 1, *status);
  }
  const double value = assessment.valueAtPercentile * unitFactor;
  list.setCell(row, 2,
               unitLabel.empty() ? framework::formatValue("%.2lf", value)
                                 : framework::formatText(framework::formatValue("%.2lf %s", value),
                                                         unitLabel));
  list.setCell(row, 3, framework::formatValue("%.5lf", assessment.z));
}

}  // namespace quillion::pediatrics
