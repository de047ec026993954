// Growth charts to look at: the percentile curves against the published percentile cells,
// the axes in the user's units, and the marked points.
#include "pediatrics/growth_chart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillion::pediatrics {
namespace {

GrowthTable loaded(int number) {
  std::optional<GrowthTable> table;
  EXPECT_EQ(GrowthTable::load(number, table), GrowthLoadError::None) << number;
  return *table;
}

ChartSubject subject(int sex, double x, double y) {
  return {"Weight-for-age", 0,     sex, x,          std::nullopt, y,
          "Age",            1,     "months", "Weight", 1,        "kg"};
}

TEST(GrowthChart, CurvesPassThroughEveryPublishedPercentileCell) {
  // The curves' percentiles in the order of the 14-column charts' cells.
  const int kCells[] = {5, 6, 7, 8, 9, 10, 11, 12, 13};
  for (int number = kBmiForAge; number <= kWeightForStature; ++number) {
    // Length-for-age holds the published percentiles, up to 0.2 % off its LMS curve.
    if (number == kLengthForAgeInfant) continue;
    const GrowthTable table = loaded(number);
    const int n = table.rowsPerSex();
    for (int sex : {0, 1}) {
      const platform::ChartData chart = growthChart(table, subject(sex, 12, 9));
      ASSERT_EQ(chart.series.size(), 9u);
      for (std::size_t c = 0; c < 9; ++c) {
        // 15-column charts hold the 85th percentile after the 75th.
        const int cell = table.columnCount() == 15 && c >= 6 ? kCells[c] + 1 : kCells[c];
        const auto& points = chart.series[c].points;
        ASSERT_EQ(points.size(), static_cast<std::size_t>(n));
        for (int r = 0; r < n; ++r) {
          const int row = (sex == 0 ? 0 : n) + r;
          ASSERT_NEAR(points[static_cast<std::size_t>(r)].y, table.cell(row, cell), 0.01)
              << "table " << number << " sex " << sex << " row " << r << " "
              << chart.series[c].name;
          ASSERT_EQ(points[static_cast<std::size_t>(r)].x, table.cell(row, 1));
        }
      }
    }
  }
}

TEST(GrowthChart, LmsValueAtZero) {
  EXPECT_DOUBLE_EQ(lmsValue(1.8152, 3.5302, 0.15239, 0), 3.5302);
  EXPECT_DOUBLE_EQ(lmsValue(0, 10, 0.1, 1), 10 * std::exp(0.1));
  EXPECT_NEAR(lmsValue(1, 10, 0.1, 2), 12, 1e-12);  // L 1: M (1 + S z)
}

TEST(GrowthChart, AxesInTheUsersUnitsAndTheMarkedPoints) {
  const GrowthTable infant = loaded(kWeightForAgeInfant);
  // A boy of 1 year and 20 lbs, shown in years and pounds.
  ChartSubject s = subject(0, 12, 20 * 0.45359236001968384);
  s.xFactor = 1.0 / 12;
  s.xUnit = "years";
  s.yFactor = 2.204622507095337;
  s.yUnit = "lbs";
  platform::ChartData chart = growthChart(infant, s);
  EXPECT_EQ(chart.title, "Weight-for-age, boys");
  EXPECT_EQ(chart.xTitle, "Age (years)");
  EXPECT_EQ(chart.yTitle, "Weight (lbs)");
  EXPECT_DOUBLE_EQ(chart.xMin, 0);
  EXPECT_DOUBLE_EQ(chart.xMax, 3);
  EXPECT_LT(chart.yMin, infant.cell(0, 5) * 2.204622507095337);
  EXPECT_GT(chart.yMax, infant.cell(37, 13) * 2.204622507095337);
  ASSERT_EQ(chart.marks.size(), 1u);
  EXPECT_DOUBLE_EQ(chart.marks[0].at.x, 1);
  EXPECT_NEAR(chart.marks[0].at.y, 20, 1e-5);  // the two factors are single-precision
  EXPECT_EQ(chart.marks[0].label, "20.00 lbs at 1.00 years");
  EXPECT_TRUE(chart.note.empty());

  // With gestational correction both ages are marked, the chronological first.
  s.chronologicalX = 15;
  chart = growthChart(infant, s);
  ASSERT_EQ(chart.marks.size(), 2u);
  EXPECT_EQ(chart.marks[0].label, "Chronological age: 20.00 lbs at 1.25 years");
  EXPECT_EQ(chart.marks[1].label, "Corrected age: 20.00 lbs at 1.00 years");

  // Outside the chart: the curves and a note, never a point off the axes.
  struct Row {
    double x;
    std::optional<double> chronological;
    double kg;
  };
  const Row rows[] = {{40, std::nullopt, 12}, {-1, std::nullopt, 5}, {12, std::nullopt, 60},
                      {12, 40.0, 9},         {std::nan(""), std::nullopt, 9}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.x);
    ChartSubject outside = subject(1, row.x, row.kg);
    outside.chronologicalX = row.chronological;
    chart = growthChart(infant, outside);
    EXPECT_EQ(chart.note, kOutsideTheChart);
    EXPECT_TRUE(chart.marks.empty());
    EXPECT_EQ(chart.series.size(), 9u);
    EXPECT_EQ(chart.title, "Weight-for-age, girls");
  }
}

}  // namespace
}  // namespace quillion::pediatrics
