// Cockcroft-Gault creatinine clearance, fractional excretion of sodium and the renal
// failure index, against worked examples and published values.
#include "renal/renal_function.h"

#include <gtest/gtest.h>

#include "framework/format.h"

namespace quillion::renal {
namespace {

using framework::formatValue;

TEST(RenalFunction, WeightFactorsAreTheWidenedSinglePrecisionConstants) {
  EXPECT_EQ(kPoundsToKilograms, static_cast<double>(0.45359237f));
  EXPECT_EQ(kKilogramsToPounds, static_cast<double>(2.2046226f));
}

struct ClearanceCase {
  double age, weight;
  int unit;
  double serumCreatinine;
  int sex;
  const char* text;
};

TEST(RenalFunction, CreatinineClearance) {
  const ClearanceCase cases[] = {
      // Worked examples: 40 years, 70 kg, creatinine 1.0 mg/dL.
      {40, 70, kKilograms, 1.0, kMale, "97.2"},
      {40, 70, kKilograms, 1.0, kFemale, "82.6"},
      // Published check: 60-year-old man of 72 kg, creatinine 1.0: 80 mL/min; woman 68.
      {60, 72, kKilograms, 1.0, kMale, "80.0"},
      {60, 72, kKilograms, 1.0, kFemale, "68.0"},
      {80, 60, kKilograms, 2.0, kMale, "25.0"},
      {40, 154, kPounds, 1.0, kMale, "97.0"},  // 69.85 kg
      {40, 135, kPounds, 0, kMale, "---"},     // first run: no creatinine yet
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.age << " y " << c.weight << " " << c.serumCreatinine);
    EXPECT_EQ(formatValue("%.1lf",
                          creatinineClearance(c.age, toKilograms(c.weight, c.unit),
                                              c.serumCreatinine, c.sex)),
              c.text);
  }
}

TEST(RenalFunction, PoundsReadAsKilograms) {
  EXPECT_EQ(formatValue("%.2lf", toKilograms(154, kPounds)), "69.85");
  EXPECT_EQ(formatValue("%.2lf", toKilograms(154, kPounds) * kKilogramsToPounds), "154.00");
  EXPECT_EQ(toKilograms(70, kKilograms), 70.0);
}

struct FenaCase {
  double serumSodium, urineSodium, serumCreatinine, urineCreatinine;
  const char* fena;
  const char* rfi;
};

TEST(RenalFunction, FractionalExcretionAndFailureIndex) {
  const FenaCase cases[] = {
      {140, 20, 2.0, 100, "0.3", "0.4"},    // worked example
      {140, 20, 1.0, 14.29, "1.0", "1.4"},  // published check: FENa 1.0 %
      {130, 60, 4.0, 40, "4.6", "6.0"},
      {0, 0, 0, 0, "---", "---"},           // first run: every divisor 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fena);
    EXPECT_EQ(formatValue("%.1lf", fractionalExcretionOfSodium(c.serumSodium, c.urineSodium,
                                                               c.serumCreatinine,
                                                               c.urineCreatinine)),
              c.fena);
    EXPECT_EQ(formatValue("%.1lf", renalFailureIndex(c.urineSodium, c.serumCreatinine,
                                                     c.urineCreatinine)),
              c.rfi);
  }
}

}  // namespace
}  // namespace quillion::renal
