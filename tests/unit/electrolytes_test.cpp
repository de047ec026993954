// Anion gap, corrected calcium and sodium, and serum osmolality, with their texts.
#include "labs/electrolytes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/format.h"

namespace quillion::labs {
namespace {

using framework::formatValue;

TEST(Electrolytes, ReciprocalConstantsAreTheNearestDoubles) {
  EXPECT_EQ(kOneEighteenth, 1.0 / 18.0);
  EXPECT_EQ(kOneOverTwoPointEight, 1.0 / 2.8);
}

struct GapCase {
  double na, k, cl, hco3;
  const char* label;
};

TEST(Electrolytes, AnionGapLabel) {
  const GapCase cases[] = {
      {0, 0, 0, 0, "Anion Gap = 0"},
      {140, 4, 104, 24, "Anion Gap = 16"},
      {140, 4.4, 104, 24, "Anion Gap = 16"},
      {140, 4.6, 104, 24, "Anion Gap = 17"},
      {-1, 0, 0, 0, "Anion Gap = -1"},  // spin presses may go below zero
      {135, 3.5, 110, 14.5, "Anion Gap = 14"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(formatValue("Anion Gap = %.0lf", anionGap(c.na, c.k, c.cl, c.hco3)), c.label);
  }
}

TEST(Electrolytes, AnionGapAddsPotassiumBeforeSubtracting) {
  // (Na + K) first: 1e16 + 1 rounds back to 1e16, so the gap is 0, where Na - Cl + K
  // would give 1.
  EXPECT_EQ(anionGap(1e16, 1.0, 1e16, 0.0), 0.0);
}

struct CaNaCase {
  double calcium, albumin, glucose, sodium;
  const char* calciumText;
  const char* sodiumText;
};

TEST(Electrolytes, CorrectedCalciumAndSodium) {
  const CaNaCase cases[] = {
      {0, 0, 0, 0, "3.20", "0.00"},  // first run
      {8.0, 2.0, 500, 130, "9.60", "136.40"},
      {9.0, 4.0, 100, 140, "9.00", "140.00"},
      {8.5, 4.5, 1000, 125, "8.10", "139.40"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.calciumText);
    EXPECT_EQ(formatValue("%.2lf", adjustedCalcium(c.calcium, c.albumin)), c.calciumText);
    EXPECT_EQ(formatValue("%.2lf", correctedSodium(c.glucose, c.sodium)), c.sodiumText);
  }
}

// 1.6 mEq/L for each 100 mg/dL of glucose above 100 mg/dL; none at or below it.
TEST(Electrolytes, CorrectedSodiumFromGlucoseAbove100) {
  struct Case {
    double glucose, sodium;
    const char* text;
  };
  const Case cases[] = {
      {500, 130, "136.40"},  // 130 + 1.6 x 4
      {200, 135, "136.60"},
      {1000, 125, "139.40"},
      {600, 120, "128.00"},
      {101, 140, "140.02"},  // 140.016
      {100, 140, "140.00"},  // at the baseline: no correction
      {90, 140, "140.00"},   // below it: not lowered
      {0, 140, "140.00"},
      {-50, 140, "140.00"},
      {400, 0, "4.80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "glucose " << c.glucose << ", sodium " << c.sodium);
    EXPECT_EQ(formatValue("%.2lf", correctedSodium(c.glucose, c.sodium)), c.text);
  }
}

struct OsmCase {
  double na, k, bun, glucose;
  const char* label;
};

TEST(Electrolytes, SerumOsmolality) {
  const OsmCase cases[] = {
      {0, 0, 0, 0, "Serum Osmolality = 0.0 mOsm/kg"},
      {140, 4, 14, 90, "Serum Osmolality = 298.0 mOsm/kg"},
      {135, 4, 28, 180, "Serum Osmolality = 298.0 mOsm/kg"},
      {140, 0, 0, 1, "Serum Osmolality = 280.1 mOsm/kg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(formatValue("Serum Osmolality = %.1lf mOsm/kg",
                          serumOsmolality(c.na, c.k, c.bun, c.glucose)),
              c.label);
  }
  // Multiplied by the reciprocal constants, left to right.
  EXPECT_EQ(serumOsmolality(140, 4, 14, 90),
            ((140.0 + 4.0) * 2 + 90.0 * 0.05555555555555555) + 14.0 * 0.35714285714285715);
}

}  // namespace
}  // namespace quillion::labs
