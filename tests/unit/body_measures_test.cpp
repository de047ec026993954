// Body measures: unit factors, desirable weight by every method, the 125 % rule and the
// metabolically active weight, BMI classes, the fluid range and both energy equations,
// against the program's own worked examples and published values.
#include "adult/body_measures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "test_support.h"

namespace quillion::adult {
namespace {

namespace bm = BodyMeasures;

constexpr int kStandard = 0;
constexpr int kDevine = 1;
constexpr int kRobinson = 2;
constexpr int kMiller = 3;

TEST(BodyMeasuresTest, UnitConversionsUseTheWidenedFactors) {
  EXPECT_EQ(bm::toCentimetres(72, bm::kInches), 182.87999725341797);
  EXPECT_EQ(bm::toCentimetres(72, bm::kCentimetres), 72);
  EXPECT_EQ(bm::toKilograms(1, bm::kPounds), 0.45359236001968384);
  EXPECT_EQ(bm::toKilograms(220, bm::kKilograms), 220);
  EXPECT_EQ(bm::kKgToPounds, 2.204622507095337);
  EXPECT_EQ(bm::kCmToInches, 0.3937007784843445);
  EXPECT_EQ(bm::kTenthKgToPounds, 0.2204622507095337);
}

struct DesirableWeightRow {
  std::string_view name;
  int method;
  double heightCm;
  bool isMale;
  double amputationPercent;
  double expectedKg;
  double tolerance;
};

class DesirableWeightTest : public ::testing::TestWithParam<DesirableWeightRow> {};

TEST_P(DesirableWeightTest, Kilograms) {
  const DesirableWeightRow& row = GetParam();
  EXPECT_NEAR(bm::desirableWeight(row.method, row.heightCm, row.isMale, row.amputationPercent),
              row.expectedKg, row.tolerance)
      << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Methods, DesirableWeightTest,
    ::testing::Values(
        // 72 in by the Standard method: 48.08079122 + (182.88 - 152.4) x 1.0714780393700787.
        DesirableWeightRow{"standard male 72 in", kStandard, 182.87999725341797, true, 0, 80.7394,
                           5e-5},
        DesirableWeightRow{"standard male 72 in, 10 % amputation", kStandard, 182.87999725341797,
                           true, 10, 72.66549, 5e-5},
        // At 5 ft every method gives its base weight.
        DesirableWeightRow{"standard male 152.4", kStandard, 152.4, true, 0, 48.08079122, 0},
        DesirableWeightRow{"standard female 152.4", kStandard, 152.4, false, 0, 45.359237, 0},
        DesirableWeightRow{"devine male 152.4", kDevine, 152.4, true, 0, 50.0, 0},
        DesirableWeightRow{"devine female 152.4", kDevine, 152.4, false, 0, 45.5, 0},
        DesirableWeightRow{"robinson male 152.4", kRobinson, 152.4, true, 0, 52.0, 0},
        DesirableWeightRow{"robinson female 152.4", kRobinson, 152.4, false, 0, 49.0, 0},
        DesirableWeightRow{"miller male 152.4", kMiller, 152.4, true, 0, 56.2, 0},
        DesirableWeightRow{"miller female 152.4", kMiller, 152.4, false, 0, 53.1, 0},
        // 0.1 cm lower every method takes the Standard base less 0.1 x 0.4464491830708661.
        DesirableWeightRow{"standard male 152.3", kStandard, 152.3, true, 0, 48.0361463017, 1e-9},
        DesirableWeightRow{"devine male 152.3", kDevine, 152.3, true, 0, 48.0361463017, 1e-9},
        DesirableWeightRow{"robinson male 152.3", kRobinson, 152.3, true, 0, 48.0361463017, 1e-9},
        DesirableWeightRow{"miller male 152.3", kMiller, 152.3, true, 0, 48.0361463017, 1e-9},
        DesirableWeightRow{"standard female 152.3", kStandard, 152.3, false, 0, 45.3145920817,
                           1e-9},
        DesirableWeightRow{"devine female 152.3", kDevine, 152.3, false, 0, 45.3145920817, 1e-9},
        DesirableWeightRow{"robinson female 152.3", kRobinson, 152.3, false, 0, 45.3145920817,
                           1e-9},
        DesirableWeightRow{"miller female 152.3", kMiller, 152.3, false, 0, 45.3145920817, 1e-9},
        // Published Devine weights.
        DesirableWeightRow{"devine woman 160 cm", kDevine, 160, false, 0, 52.38, 0.005},
        DesirableWeightRow{"devine man 160 cm", kDevine, 160, true, 0, 56.88, 0.005},
        DesirableWeightRow{"devine man 180 cm", kDevine, 180, true, 0, 75.0, 0.05},
        // A method outside 0 to 3 counts as the Standard one.
        DesirableWeightRow{"unknown method male 72 in", 7, 182.87999725341797, true, 0, 80.7394,
                           5e-5},
        DesirableWeightRow{"negative method female 152.4", -1, 152.4, false, 0, 45.359237, 0}));

TEST(BodyMeasuresTest, AdjustmentStartsAboveOneHundredTwentyFivePercent) {
  EXPECT_FALSE(bm::needsAdjustment(100, 80));
  EXPECT_TRUE(bm::needsAdjustment(100.0001, 80));
  EXPECT_FALSE(bm::needsAdjustment(60, 80));
}

struct AdjustedWeightRow {
  std::string_view name;
  double heightCm;
  double weightKg;
  bool isMale;
  double amputationPercent;
  double maleFactor;
  double femaleFactor;
  double expectedKg;
};

class AdjustedWeightTest : public ::testing::TestWithParam<AdjustedWeightRow> {};

TEST_P(AdjustedWeightTest, Kilograms) {
  const AdjustedWeightRow& row = GetParam();
  EXPECT_NEAR(bm::adjustedWeight(kStandard, row.heightCm, row.weightKg, row.isMale,
                                 row.amputationPercent, row.maleFactor, row.femaleFactor),
              row.expectedKg, 1e-6)
      << row.name;
}

// Standard method at 152.4 cm: 48.08079122 kg for a man, 45.359237 kg for a woman.
INSTANTIATE_TEST_SUITE_P(
    Factors, AdjustedWeightTest,
    ::testing::Values(
        // (100 - 48.08079122) x 0.38 + 48.08079122
        AdjustedWeightRow{"man, 38 %", 152.4, 100, true, 0, 0.38, 0.32, 67.8100905564},
        // (100 - 45.359237) x 0.32 + 45.359237
        AdjustedWeightRow{"woman, 32 %", 152.4, 100, false, 0, 0.38, 0.32, 62.84428116},
        AdjustedWeightRow{"man, no factor", 152.4, 100, true, 0, 0, 0, 48.08079122},
        // 60 kg is not above 125 % of 48.08 kg: the actual weight.
        AdjustedWeightRow{"man at 60 kg", 152.4, 60, true, 0, 0.38, 0.32, 60},
        // 10 % amputation: 43.272712098, 125 % of it is 54.09; (56 - 43.272712098) x 0.25 + it.
        AdjustedWeightRow{"man, 10 % amputation", 152.4, 56, true, 10, 0.25, 0.25,
                          46.4545340735}));

struct BmiRow {
  double bmi;
  std::string_view label;
};

class BmiClassTest : public ::testing::TestWithParam<BmiRow> {};

TEST_P(BmiClassTest, Label) { EXPECT_EQ(bm::bmiClass(GetParam().bmi), GetParam().label); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, BmiClassTest,
    ::testing::Values(BmiRow{0, "(Underweight)"}, BmiRow{18.49, "(Underweight)"},
                      BmiRow{18.5, "(Normal)"}, BmiRow{24.99, "(Normal)"},
                      BmiRow{25, "(Overweight)"}, BmiRow{29.99, "(Overweight)"},
                      BmiRow{30, "(Obesity Grade I)"}, BmiRow{34.99, "(Obesity Grade I)"},
                      BmiRow{35, "(Obesity Grade II)"}, BmiRow{39.99, "(Obesity Grade II)"},
                      BmiRow{40, "(Obesity Grade III)"}, BmiRow{55, "(Obesity Grade III)"}));

TEST(BodyMeasuresTest, BodyMassIndex) {
  EXPECT_NEAR(bm::bodyMassIndex(175, 70), 22.857142857, 1e-9);
  EXPECT_NEAR(bm::bodyMassIndex(160, 64), 25.0, 1e-9);
  // Below 20 cm the index is 0.
  EXPECT_EQ(bm::bodyMassIndex(19.9, 70), 0);
  EXPECT_EQ(bm::bmiClass(bm::bodyMassIndex(19.9, 70)), "(Underweight)");
}

struct FluidRow {
  std::string_view name;
  double age;
  double weightKg;
  double activityFactor;
  double minimum;
  double maximum;
};

class FluidRangeTest : public ::testing::TestWithParam<FluidRow> {};

TEST_P(FluidRangeTest, Millilitres) {
  const FluidRow& row = GetParam();
  const bm::FluidRange range = bm::fluidRange(row.age, row.weightKg, row.activityFactor);
  EXPECT_NEAR(range.minimum, row.minimum, 1e-9) << row.name;
  EXPECT_NEAR(range.maximum, row.maximum, 1e-9) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FluidRangeTest,
    ::testing::Values(
        // 1000 + 500 + 40 x 20 = 2300; 70 x 35 = 2450
        FluidRow{"70 kg, 40 years", 40, 70, 1.0, 2300, 2450},
        // over 50: 1000 + 500 + 40 x 15 = 2100
        FluidRow{"70 kg, 51 years", 51, 70, 1.0, 2100, 2450},
        // 15 to 30 years with an activity factor of 2: 70 x 40 = 2800
        FluidRow{"70 kg, 20 years, activity 2.0", 20, 70, 2.0, 2300, 2800},
        FluidRow{"70 kg, 20 years, activity 1.999", 20, 70, 1.999, 2300, 2450},
        FluidRow{"70 kg, 31 years, activity 2.0", 31, 70, 2.0, 2300, 2450},
        FluidRow{"70 kg, 14 years, activity 2.0", 14, 70, 2.0, 2300, 2450},
        // over 55: 30 ml/kg; over 65: 25 ml/kg
        FluidRow{"70 kg, 60 years", 60, 70, 1.0, 2100, 2100},
        FluidRow{"70 kg, 70 years", 70, 70, 1.0, 1750, 2100},
        // nothing is added between 20 and 30 kg
        FluidRow{"25 kg, 10 years", 10, 25, 1.0, 875, 1500},
        FluidRow{"30 kg, 10 years", 10, 30, 1.0, 1050, 1500},
        // 10 to 20 kg: 50 ml for each kg over 10; the first 10 kg by age
        FluidRow{"15 kg, 1 year", 1, 15, 1.0, 525, 1750},
        FluidRow{"15 kg, 3 years", 3, 15, 1.0, 525, 1270},
        FluidRow{"15 kg, 4 years", 4, 15, 1.0, 525, 1250},
        // under 10 kg the first method gives 0
        FluidRow{"8 kg, half a year", 0.5, 8, 1.0, 0, 280}));

struct EnergyRow {
  std::string_view name;
  double age;
  double heightCm;
  double weightKg;
  bool isMale;
  double expected;
};

class MifflinStJeorTest : public ::testing::TestWithParam<EnergyRow> {};

TEST_P(MifflinStJeorTest, KcalPerDay) {
  const EnergyRow& row = GetParam();
  EXPECT_NEAR(bm::mifflinStJeor(row.age, row.heightCm, row.weightKg, row.isMale), row.expected,
              1e-9)
      << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MifflinStJeorTest,
    ::testing::Values(
        // The 1990 paper's coefficients: 9.99 W + 6.25 H - 4.92 A + 5.
        EnergyRow{"man 30 y 70 kg 175 cm", 30, 175, 70, true, 1650.45},
        EnergyRow{"man 35 y 80 kg 180 cm", 35, 180, 80, true, 1757},
        EnergyRow{"woman 35 y 80 kg 180 cm", 35, 180, 80, false, 1591}));

class HarrisBenedictTest : public ::testing::TestWithParam<EnergyRow> {};

TEST_P(HarrisBenedictTest, KcalPerDay) {
  const EnergyRow& row = GetParam();
  EXPECT_NEAR(bm::harrisBenedict(row.age, row.heightCm, row.weightKg, row.isMale), row.expected,
              1e-9)
      << row.name;
}

// The intercepts are the widened single-precision 66.473 and 655.0955.
INSTANTIATE_TEST_SUITE_P(
    Examples, HarrisBenedictTest,
    ::testing::Values(
        // 66.4729995727539 + 13.7516 x 80 + 5.0033 x 180 - 6.755 x 35
        EnergyRow{"man 35 y 80 kg 180 cm", 35, 180, 80, true, 1830.7699995727539},
        // 655.0955200195312 + 9.5634 x 80 + 1.8496 x 180 - 4.6756 x 35
        EnergyRow{"woman 35 y 80 kg 180 cm", 35, 180, 80, false, 1589.4495200195312},
        EnergyRow{"no age, height or weight, man", 0, 0, 0, true, 66.4729995727539},
        EnergyRow{"no age, height or weight, woman", 0, 0, 0, false, 655.0955200195312}));

class IbwMethodTest : public testing::HeadlessTest {};

TEST_F(IbwMethodTest, StoredMethodOutsideItsRangeIsStandard) {
  framework::SettingsStore store;
  EXPECT_EQ(bm::ibwMethod(), 0);
  ASSERT_TRUE(store.writeInteger("SaveOp", "IM", 2));
  EXPECT_EQ(bm::ibwMethod(), 2);
  ASSERT_TRUE(store.writeInteger("SaveOp", "IM", 4));
  EXPECT_EQ(bm::ibwMethod(), 0);
  ASSERT_TRUE(store.writeInteger("SaveOp", "IM", -1));
  EXPECT_EQ(bm::ibwMethod(), 0);
}

}  // namespace
}  // namespace quillion::adult
