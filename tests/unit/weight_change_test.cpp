// Percentage weight change: period rows, the significance rating and the row texts.
#include "labs/weight_change.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::labs {
namespace {

using Indication = WeightChangeIndication;

TEST(WeightChangeTest, PeriodRowsAndUnits) {
  struct Row {
    std::string_view name;
    std::string_view reportFormat;
    double atMost;
    double borderingBelow;
    double significantBelow;
  };
  constexpr Row kExpected[] = {
      {"1 Week", "1 Week  Begin = %.1lf --> End %.1lf", 1.5, 1.9, 2.05},
      {"1 Month", "1 Month Begin = %.1lf --> End %.1lf", 4.7, 5.0, 5.05},
      {"3 Months", "3 Month Begin = %.1lf --> End %.1lf", 7.3, 7.5, 7.55},
      {"6 Months", "6 Month Begin = %.1lf --> End %.1lf", 9.8, 10.0, 10.05},
  };
  ASSERT_EQ(kWeightChangePeriods.size(), std::size(kExpected));
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(kWeightChangePeriods[i].name, kExpected[i].name);
    EXPECT_EQ(kWeightChangePeriods[i].reportFormat, kExpected[i].reportFormat);
    EXPECT_EQ(kWeightChangePeriods[i].noIndicationAtMost, kExpected[i].atMost);
    EXPECT_EQ(kWeightChangePeriods[i].borderingBelow, kExpected[i].borderingBelow);
    EXPECT_EQ(kWeightChangePeriods[i].significantBelow, kExpected[i].significantBelow);
  }
  const std::vector<std::string_view> units(kWeightUnits.begin(), kWeightUnits.end());
  EXPECT_EQ(units, (std::vector<std::string_view>{"kg", "lbs", "g"}));
}

TEST(WeightChangeTest, IndicationTexts) {
  EXPECT_EQ(indicationText(Indication::None), " ");
  EXPECT_EQ(indicationText(Indication::Bordering), "Bordering");
  EXPECT_EQ(indicationText(Indication::Significant), "Significant");
  EXPECT_EQ(indicationText(Indication::Severe), "Severe");
}

// At and on either side of every threshold of every period, for losses and gains: the
// first test is "at most", the other two "below".
TEST(WeightChangeTest, RatingAtEachBoundary) {
  struct Thresholds {
    double atMost;
    double borderingBelow;
    double significantBelow;
  };
  constexpr Thresholds kThresholds[] = {
      {1.5, 1.9, 2.05}, {4.7, 5.0, 5.05}, {7.3, 7.5, 7.55}, {9.8, 10.0, 10.05}};
  constexpr double kUp = std::numeric_limits<double>::infinity();
  for (std::size_t period = 0; period < std::size(kThresholds); ++period) {
    const Thresholds& t = kThresholds[period];
    struct Probe {
      double size;
      Indication expected;
    };
    const Probe probes[] = {
        {0.0, Indication::None},
        {std::nextafter(t.atMost, 0.0), Indication::None},
        {t.atMost, Indication::None},
        {std::nextafter(t.atMost, kUp), Indication::Bordering},
        {std::nextafter(t.borderingBelow, 0.0), Indication::Bordering},
        {t.borderingBelow, Indication::Significant},
        {std::nextafter(t.significantBelow, 0.0), Indication::Significant},
        {t.significantBelow, Indication::Severe},
        {std::nextafter(t.significantBelow, kUp), Indication::Severe},
        {100.0, Indication::Severe},
    };
    for (const Probe& probe : probes) {
      for (double sign : {1.0, -1.0}) {
        SCOPED_TRACE(testing::Message() << kWeightChangePeriods[period].name << " p = "
                                        << sign * probe.size);
        EXPECT_EQ(rateWeightChange(kWeightChangePeriods[period], sign * probe.size),
                  probe.expected);
      }
    }
  }
}

TEST(WeightChangeTest, PercentChange) {
  EXPECT_EQ(percentWeightChange(150, 142.5), -5.0);
  EXPECT_EQ(percentWeightChange(100, 110), 10.0);
  EXPECT_FALSE(percentWeightChange(0.01, 5).has_value());
  EXPECT_FALSE(percentWeightChange(0, 0).has_value());
  EXPECT_FALSE(percentWeightChange(-20, 10).has_value());
  EXPECT_TRUE(percentWeightChange(std::nextafter(0.01, 1.0), 0).has_value());
}

// Typed weights through to the row texts. Percentages worked out by hand or apart from
// this code; comments give |p| where rounding of the weights decides the rating.
struct RowCase {
  std::size_t period;
  double begin;
  double end;
  std::string_view percentText;
  std::string_view indication;
};

constexpr RowCase kRowCases[] = {
    {0, 100, 98.5, "-1.5%", " "},
    {0, 100, 101.5, "1.5%", " "},
    {0, 100, 98.2, "-1.8%", "Bordering"},
    {0, 151, 148.131, "-1.9%", "Significant"},  // exactly 1.9
    {0, 100, 98.0, "-2.0%", "Significant"},
    {0, 100, 97.95, "-2.0%", "Significant"},  // 2.049999999999997
    {0, 58, 56.811, "-2.0%", "Severe"},       // exactly 2.05
    {0, 58, 59.189, "2.0%", "Severe"},        // exactly 2.05, a gain
    {0, 100, 97.9, "-2.1%", "Severe"},
    {1, 150, 142.5, "-5.0%", "Significant"},  // exactly 5.0
    {1, 150, 142.0, "-5.3%", "Severe"},
    {1, 150, 143, "-4.7%", " "},  // 4.666...
    {1, 150, 157.5, "5.0%", "Significant"},
    {1, 250, 238.25, "-4.7%", " "},  // exactly 4.7
    {1, 100, 95.1, "-4.9%", "Bordering"},
    {1, 62, 58.869, "-5.0%", "Severe"},  // exactly 5.05
    {1, 94, 98.747, "5.0%", "Severe"},   // exactly 5.05, a gain
    {2, 9, 8.343, "-7.3%", " "},         // exactly 7.3
    {2, 100, 92.6, "-7.4%", "Bordering"},
    {2, 100, 92.5, "-7.5%", "Significant"},
    {2, 100, 92.45, "-7.5%", "Significant"},  // 7.549999999999997
    {2, 38, 35.131, "-7.5%", "Severe"},       // exactly 7.55
    {2, 100, 92.4, "-7.6%", "Severe"},
    {3, 250, 225.5, "-9.8%", " "},  // exactly 9.8
    {3, 200, 180.4, "-9.8%", " "},  // 9.799999999999997
    {3, 100, 90.1, "-9.9%", "Bordering"},
    {3, 200, 180, "-10.0%", "Significant"},
    {3, 200, 220, "10.0%", "Significant"},
    {3, 200, 179.9, "-10.0%", "Significant"},  // 10.049999999999997
    {3, 250, 224.875, "-10.1%", "Severe"},     // exactly 10.05
    {3, 100, 89.9, "-10.1%", "Severe"},
    // Begin weight too small: no percentage, no indication.
    {0, 0.01, 5, "?", " "},
    {1, 0.01, 0.01, "?", " "},
    {2, 0, 0, "?", " "},  // every row on opening: weights start at 0
    {3, -10, 10, "?", " "},
    {0, 0.02, 0.02, "0.0%", " "},
    {3, 0.0101, 0.0102, "1.0%", " "},
};

TEST(WeightChangeTest, RowTexts) {
  for (const RowCase& c : kRowCases) {
    const WeightChangePeriod& period = kWeightChangePeriods[c.period];
    SCOPED_TRACE(testing::Message() << period.name << " " << c.begin << " -> " << c.end);
    WeightChangeRowTexts texts = weightChangeRowTexts(period, c.begin, c.end);
    EXPECT_EQ(texts.percentText, c.percentText);
    EXPECT_EQ(texts.indicationText, c.indication);
  }
}

}  // namespace
}  // namespace quillion::labs
