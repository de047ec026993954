// What the two growth pages share: their four growth tables, loaded when the page is made
// and freed with it, and the chart list with its chosen percentile.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <vector>

#include "framework/calculator_page.h"
#include "pediatrics/growth_chart.h"
#include "pediatrics/growth_chart_list.h"
#include "pediatrics/growth_table.h"

namespace quillion::pediatrics {

class GrowthPage : public framework::CalculatorPage {
 public:
  static constexpr int kCharts = 4;

  const std::optional<GrowthTable>& table(int chart) const { return tables_[chart]; }
  // The four charts as the chart tab draws them, from the last computation.
  virtual std::vector<ChartSubject> chartSubjects() const = 0;

 protected:

  // tableNumbers are the charts' resources, in the list's row order.
  GrowthPage(std::string title, std::span<const platform::ControlDef> controls,
             std::string section, std::array<int, kCharts> tableNumbers,
             std::array<std::string_view, kCharts> chartNames);

  // Assesses measurement y at x on the chart's table and shows the row; an absent table
  // keeps the row's last value and shows z 0.
  void showChart(int chart, int sex, double x, double y, bool ageAxis, double unitFactor,
                 std::string_view unitLabel);

  void prepareControls() override;
  // A header tap of the chart list steps the chosen percentile and recomputes.
  bool chartHeaderTapped(const platform::Notification& n);
  void writeChartTable(framework::ResultLog& log);

 private:
  std::array<std::optional<GrowthTable>, kCharts> tables_;
  std::array<std::string_view, kCharts> chartNames_;
  std::array<double, kCharts> lastValues_{};
  GrowthChartList charts_;
};

}  // namespace quillion::pediatrics
