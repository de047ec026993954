// Growth tables: the eight compiled-in charts, the row picked for a measurement, z-scores
// and ranks against the published charts, status texts, the median lookup, and damaged
// table bytes.
#include "pediatrics/growth_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/resources.h"

namespace quillion::pediatrics {
namespace {

GrowthTable loaded(int number) {
  std::optional<GrowthTable> table;
  EXPECT_EQ(GrowthTable::load(number, table), GrowthLoadError::None) << number;
  return *table;
}

TEST(GrowthTable, EveryChartIsCompiledInWithItsShape) {
  struct Row {
    int number;
    int rows;
    int columns;
    float firstX;
    float lastX;
  };
  const Row rows[] = {
      {kBmiForAge, 436, 15, 24, 240},          {kHeadForAgeInfant, 76, 14, 0, 36},
      {kLengthForAgeInfant, 76, 14, 0, 36.5f}, {kStatureForAge, 436, 14, 24, 240},
      {kWeightForAge, 436, 14, 24, 240},       {kWeightForAgeInfant, 76, 14, 0, 36},
      {kWeightForLength, 120, 14, 45, 103.5f}, {kWeightForStature, 92, 15, 77, 121.5f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.number);
    const auto bytes = platform::findResource(platform::kResourceRawData, row.number);
    EXPECT_EQ(bytes.size(), 72u + static_cast<std::size_t>(row.rows * row.columns) * 4u);
    const GrowthTable table = loaded(row.number);
    EXPECT_EQ(table.rowCount(), row.rows);
    EXPECT_EQ(table.columnCount(), row.columns);
    const int n = table.rowsPerSex();
    for (int block : {0, n}) {
      EXPECT_EQ(table.cell(block, 1), row.firstX);
      EXPECT_EQ(table.cell(block + 1, 1), row.firstX + 0.5f);
      EXPECT_EQ(table.cell(block + n - 1, 1), row.lastX);
    }
  }
}

TEST(GrowthTable, RowsHoldThePublishedValues) {
  // x, L, M, S, then the percentile cells, to five significant digits.
  struct Row {
    int number;
    bool female;
    std::vector<double> values;
  };
  const Row rows[] = {
      {kWeightForAgeInfant, false,
       {0, 1.8152, 3.5302, 0.15239, 2.3555, 2.5269, 2.7738, 3.1506, 3.5302, 3.8791, 4.1725,
        4.3403, 4.4465}},
      {kWeightForAgeInfant, true,
       {36, -1.0167, 13.865, 0.11894, 11.334, 11.599, 12.033, 12.836, 13.865, 15.075, 16.362,
        17.245, 17.871}},
      {kLengthForAgeInfant, false,
       {0, 1.267, 49.989, 0.053112, 45.006, 45.639, 46.609, 48.218, 49.989, 51.743, 53.308,
        54.238, 54.84}},
      {kWeightForLength, false,
       {45, 1.449, 2.2898, 0.14924, 1.597, 1.6906, 1.8303, 2.0537, 2.2898, 2.5153, 2.7108,
        2.8249, 2.8978}},
      {kBmiForAge, false,
       {24, -2.0112, 16.575, 0.080592, 14.521, 14.737, 15.09, 15.742, 16.575, 17.557, 18.162,
        18.609, 19.338, 19.86}},
      {kWeightForStature, true,
       {121.5, -2.7385, 22.938, 0.096611, 19.793, 20.103, 20.618, 21.603, 22.938, 24.645,
        25.786, 26.682, 28.258, 29.493}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.number << (row.female ? " last female" : " first male"));
    const GrowthTable table = loaded(row.number);
    const int r = row.female ? table.rowCount() - 1 : 0;
    for (std::size_t c = 0; c < row.values.size(); ++c) {
      const double expected = row.values[c];
      const double tolerance = std::max(1e-9, std::fabs(expected) * 5e-5);
      EXPECT_NEAR(table.cell(r, static_cast<int>(c) + 1), expected, tolerance) << "cell " << c + 1;
    }
  }
}

TEST(GrowthTable, EveryPublishedPercentileCellGivesItsQuantile) {
  // The standard normal quantiles of the charts' percentiles, as published; 15-column
  // charts add the 85th.
  const std::vector<double> kFourteen = {-1.880794, -1.644854, -1.281552, -0.674490, 0.0,
                                         0.674490,  1.281552,  1.644854,  1.880794};
  const std::vector<double> kFifteen = {-1.880794, -1.644854, -1.281552, -0.674490, 0.0,
                                        0.674490,  1.036433,  1.281552,  1.644854,  1.880794};
  for (int number = kBmiForAge; number <= kWeightForStature; ++number) {
    const GrowthTable table = loaded(number);
    const std::vector<double>& quantiles = table.columnCount() == 15 ? kFifteen : kFourteen;
    const int n = table.rowsPerSex();
    for (int r = 0; r < table.rowCount(); ++r) {
      const int sex = r < n ? 0 : 1;
      const double x = table.cell(r, 1);
      // Length-for-age holds the published percentiles rather than the LMS curve's, up to
      // 0.2 % apart; its 36.5 rows are derived from the stature chart.
      const double tolerance = number == kLengthForAgeInfant ? 0.05 : 1e-3;
      for (std::size_t q = 0; q < quantiles.size(); ++q) {
        const double y = table.cell(r, 5 + static_cast<int>(q));
        const double z = table.assess(sex, x, y, 50).z;
        ASSERT_NEAR(z, quantiles[q], tolerance)
            << "table " << number << " row " << r << " x " << x << " column " << 5 + q;
      }
    }
  }
}

TEST(GrowthTable, APercentileCellGivesItsRank) {
  constexpr int kPercentiles[] = {3, 5, 10, 25, 50, 75, 90, 95, 97};
  for (int number : {kBmiForAge, kWeightForAgeInfant, kWeightForStature}) {
    const GrowthTable table = loaded(number);
    const int n = table.rowsPerSex();
    for (int sex : {0, 1}) {
      const double x = table.cell((sex == 0 ? 0 : n) + n / 2, 1);
      for (int percentile : kPercentiles) {
        SCOPED_TRACE(testing::Message() << number << " sex " << sex << " P" << percentile);
        const double y = table.assess(sex, x, 1.0, percentile).valueAtPercentile;
        EXPECT_NEAR(table.assess(sex, x, y, 50).rankOrStatus, percentile, 0.01);
      }
    }
  }
}

TEST(GrowthTable, AnXThatIsNotFiniteStaysInsideTheTable) {
  const GrowthTable infant = loaded(kWeightForAgeInfant);
  const int n = infant.rowsPerSex();
  struct Row {
    double x;
    int row;  // of the female block
    double status;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {std::nan(""), 0, kBelowTable}, {inf, n - 1, kBeyondTable}, {-inf, 0, kBelowTable},
      {1e300, n - 1, kBeyondTable},   {-1e300, 0, kBelowTable},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.x);
    const GrowthAssessment a = infant.assess(1, row.x, 10, 50);
    EXPECT_EQ(a.valueAtPercentile, infant.cell(n + row.row, 9));
    EXPECT_EQ(a.rankOrStatus, row.status);
  }
  // A z that is not a number has no rank: "---", never the last text shown.
  EXPECT_EQ(GrowthTable::statusText(std::nan(""), true).value_or("(none)"), "---");
  EXPECT_EQ(GrowthTable::statusText(infant.assess(0, 12, -5, 50).rankOrStatus, true).value_or(""),
            "---");
}

TEST(GrowthTable, TheRowIsPickedOnTheHalfUnitGrid) {
  const GrowthTable infant = loaded(kWeightForAgeInfant);
  const GrowthTable length = loaded(kLengthForAgeInfant);
  const GrowthTable forLength = loaded(kWeightForLength);
  struct Row {
    const GrowthTable* table;
    double x;
    float rowX;  // the x of the row whose median is read
    const char* text;
  };
  const Row rows[] = {
      {&infant, 0.0, 0, "50 %"},       {&infant, 0.09, 0, "50 %"},
      {&infant, 0.1, 0.5f, "50 %"},    {&infant, 0.99, 0.5f, "50 %"},
      {&infant, 7.3, 7.5f, "50 %"},    {&infant, 35.9, 35.5f, "50 %"},
      {&infant, 36.0, 36, "age high"}, {&infant, -1.0, 0, "age low"},
      {&length, 36.2, 36.5f, "50 %"},  {&length, 36.5, 36.5f, "age high"},
      {&forLength, 44.0, 45, "no data"}, {&forLength, 110.0, 103.5f, "no data"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "x " << row.x);
    const GrowthTable& table = *row.table;
    int r = 0;
    while (table.cell(r, 1) != row.rowX) ++r;
    // The median of the row read gives z 0 exactly there.
    const GrowthAssessment a = table.assess(0, row.x, table.cell(r, 3), 50);
    EXPECT_DOUBLE_EQ(a.z, 0.0);
    EXPECT_EQ(a.valueAtPercentile, table.cell(r, 9));
    const bool ageAxis = &table != &forLength;
    EXPECT_EQ(GrowthTable::statusText(a.rankOrStatus, ageAxis).value_or("(none)"), row.text);
  }
  // The second block is the female one.
  const int n = infant.rowsPerSex();
  EXPECT_EQ(infant.assess(1, 0.0, 1.0, 50).valueAtPercentile, infant.cell(n, 9));
  EXPECT_EQ(infant.assess(7, 0.0, 1.0, 50).valueAtPercentile, infant.cell(n, 9));
}

TEST(GrowthTable, ExtremeMeasurementsAreOffTheChart) {
  const GrowthTable infant = loaded(kWeightForAgeInfant);
  struct Row {
    int sex;
    double x;
    double y;
    const char* text;
  };
  const Row rows[] = {
      {0, 0.0, 0.0, "OFF (low)"},     // a weight of 0 (L above 0)
      {1, 35.5, 0.0, "OFF (low)"},    // and with L below 0
      {0, 12.0, 30.0, "OFF (high)"},  // far above the 97th
      {0, 12.0, 5.0, "OFF (low)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.x << " months, " << row.y << " kg");
    const GrowthAssessment a = infant.assess(row.sex, row.x, row.y, 50);
    EXPECT_EQ(GrowthTable::statusText(a.rankOrStatus, true).value_or("(none)"), row.text);
  }
}

TEST(GrowthTable, RanksFollowTheNormalDistribution) {
  // Published values of the standard normal distribution function, in percent.
  struct Row {
    double z;
    double rank;
  };
  constexpr Row rows[] = {
      {0.0, 50.0},        {1.0, 84.1345},      {-1.0, 15.8655},    {1.959964, 97.5},
      {-1.959964, 2.5},   {2.575829, 99.5},    {-2.575829, 0.5},   {3.0, 99.86501},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.z);
    EXPECT_NEAR(percentileRank(row.z), row.rank, 1e-3);
  }
}

TEST(GrowthTable, StatusTexts) {
  struct Row {
    double value;
    const char* age;
    const char* length;
  };
  const Row rows[] = {
      {0.5, "1 %", "1 %"},     {0.99, "1 %", "1 %"},     {1.0, "2 %", "2 %"},
      {49.3, "50 %", "50 %"},  {99.0, "100 %", "100 %"}, {99.5, "100 %", "100 %"},
      {-41, "OFF (high)", "OFF (high)"},                 {-31, "OFF (low)", "OFF (low)"},
      {-40, "OFF (low)", "OFF (low)"},                   {-21, "age high", "no data"},
      {-11, "age low", "no data"},                       {-20, "age low", "no data"},
      {0, "(none)", "(none)"},                           {-10, "(none)", "(none)"},
      {-5, "(none)", "(none)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(GrowthTable::statusText(row.value, true).value_or("(none)"), row.age);
    EXPECT_EQ(GrowthTable::statusText(row.value, false).value_or("(none)"), row.length);
  }
}

TEST(GrowthTable, AgeAtMedian) {
  const GrowthTable infant = loaded(kWeightForAgeInfant);
  const int last = infant.rowsPerSex() - 1;
  // Halfway between the medians of the rows for 6.5 and 7.5 months.
  int r = 0;
  while (infant.cell(r, 1) != 6.5f) ++r;
  const double y = (static_cast<double>(infant.cell(r, 9)) + infant.cell(r + 1, 9)) / 2;
  EXPECT_NEAR(infant.ageAtMedian(0, y), 7.0, 1e-6);
  // Below the birth median, above the median of the last row scanned (35.5 months), and
  // so also above that of the last row, which is never scanned: no age.
  EXPECT_EQ(infant.ageAtMedian(0, 1.0), -1);
  const double between = (static_cast<double>(infant.cell(last - 1, 9)) + infant.cell(last, 9)) / 2;
  EXPECT_EQ(infant.ageAtMedian(0, between), -1);
  EXPECT_EQ(infant.ageAtMedian(0, 100.0), -1);
}

TEST(GrowthTable, ChosenPercentileCycles) {
  EXPECT_EQ(nextPercentile(50, true), 75);
  EXPECT_EQ(nextPercentile(97, true), 3);
  EXPECT_EQ(nextPercentile(3, false), 97);
  EXPECT_EQ(nextPercentile(50, false), 25);
  EXPECT_EQ(nextPercentile(85, true), 50);
  EXPECT_EQ(nextPercentile(0, false), 50);
  const char* headers[] = {"3rd %",  "5th %",  "10th %", "25th %", "50th %",
                           "75th %", "90th %", "95th %", "97th %"};
  int percentile = 3;
  for (const char* header : headers) {
    EXPECT_EQ(percentileHeader(percentile), header);
    percentile = nextPercentile(percentile, true);
  }
  // Fifteen-column tables skip their 85th cell.
  const GrowthTable bmi = loaded(kBmiForAge);
  EXPECT_EQ(bmi.assess(0, 24, 16, 90).valueAtPercentile, bmi.cell(0, 12));
  EXPECT_EQ(bmi.assess(0, 24, 16, 97).valueAtPercentile, bmi.cell(0, 14));
  EXPECT_EQ(bmi.assess(0, 24, 16, 42).valueAtPercentile, bmi.cell(0, 9));
}

TEST(GrowthTable, DamagedBytesNeverMakeATable) {
  const auto whole = platform::findResource(platform::kResourceRawData, kWeightForStature);
  std::optional<GrowthTable> table;
  // Every cut of a real table, down to nothing, is no table.
  for (std::size_t size = 0; size < whole.size(); ++size) {
    ASSERT_NE(GrowthTable::fromBytes(whole.first(size), table), GrowthLoadError::None) << size;
    ASSERT_FALSE(table.has_value());
  }
  ASSERT_EQ(GrowthTable::fromBytes(whole, table), GrowthLoadError::None);
  std::vector<unsigned char> bytes(whole.begin(), whole.end());
  struct Row {
    const char* what;
    std::size_t at;
    unsigned char value;
    GrowthLoadError error;
  };
  const Row rows[] = {
      {"13 columns", 70, 13, GrowthLoadError::Unsupported},
      {"16 columns", 70, 16, GrowthLoadError::Unsupported},
      {"an odd row count", 68, 91, GrowthLoadError::Unsupported},
      {"more rows than bytes", 68, 200, GrowthLoadError::Missing},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<unsigned char> damaged = bytes;
    damaged[row.at] = row.value;
    EXPECT_EQ(GrowthTable::fromBytes(damaged, table), row.error);
    EXPECT_FALSE(table.has_value());
  }
  EXPECT_EQ(GrowthTable::load(170, table), GrowthLoadError::Missing);
}

}  // namespace
}  // namespace quillion::pediatrics

#include "pediatrics/growth_chart_list.h"
#include "platform/window.h"

namespace quillion::pediatrics {
namespace {

TEST(GrowthChartList, ColumnsRowsHeaderTapsAndCells) {
  constexpr platform::ControlDef kControls[] = {{"charts", platform::ControlKind::ReportList, ""}};
  platform::Form form("t", kControls);
  platform::Control& list = form.control("charts");
  constexpr std::string_view kNames[] = {"Weight/Age", "Length/Age", "Weight/Length",
                                         "Circumfr/Age"};
  GrowthChartList charts;
  charts.build(list, kNames);
  ASSERT_EQ(list.columns().size(), 4u);
  const char* titles[] = {"Chart", "%", "50th %", "Z"};
  const int widths[] = {78, 52, 62, 66};
  for (std::size_t c = 0; c < 4; ++c) {
    EXPECT_EQ(list.columns()[c].title, titles[c]);
    EXPECT_EQ(list.columns()[c].width, widths[c]);
    EXPECT_EQ(list.columns()[c].align,
              c == 0 ? platform::ColumnAlign::Left : platform::ColumnAlign::Center);
  }
  ASSERT_EQ(list.rowCount(), 4);
  EXPECT_EQ(list.cell(2, 0), "Weight/Length");

  // Taps on the chart and "%" headers change nothing; the third steps up, the fourth down.
  EXPECT_FALSE(charts.headerTapped(list, 0));
  EXPECT_FALSE(charts.headerTapped(list, 1));
  EXPECT_TRUE(charts.headerTapped(list, 2));
  EXPECT_EQ(list.columns()[2].title, "75th %");
  for (int i = 0; i < 4; ++i) charts.headerTapped(list, 2);  // 90, 95, 97, then 3
  EXPECT_EQ(list.columns()[2].title, "3rd %");
  charts.headerTapped(list, 3);
  EXPECT_EQ(list.columns()[2].title, "97th %");
  EXPECT_EQ(charts.percentile(), 97);

  GrowthChartList::show(list, 0, {49.3, 9.5, -0.0123456}, true, 2.204622507095337, "lbs");
  EXPECT_EQ(list.cell(0, 1), "50 %");
  EXPECT_EQ(list.cell(0, 2), "20.94 lbs");
  EXPECT_EQ(list.cell(0, 3), "-0.01235");
  // An absent table (status 0) leaves the "%" cell as it was.
  GrowthChartList::show(list, 0, {0, 9.5, 0}, true, 1, "kg");
  EXPECT_EQ(list.cell(0, 1), "50 %");
  EXPECT_EQ(list.cell(0, 2), "9.50 kg");
  EXPECT_EQ(list.cell(0, 3), "0.00000");
  GrowthChartList::show(list, 2, {kBelowTable, 16.25, 0.5}, false, 1, "");
  EXPECT_EQ(list.cell(2, 1), "no data");
  EXPECT_EQ(list.cell(2, 2), "16.25");
}

}  // namespace
}  // namespace quillion::pediatrics
