// The adult factor tables (stress, activity, amputation, protein) and the stress dialog's
// refusal of an OK without a chosen row.
#include "adult/factor_tables.h"

#include <gtest/gtest.h>

#include <string_view>

#include "adult/stress_factor_dialog.h"
#include "test_support.h"

namespace quillion::adult {
namespace {

struct StressExpectation {
  int row;
  std::string_view name;
  double stressMin;
  double stressMax;
  double proteinMin;
  double proteinMax;
};

class StressTableTest : public ::testing::TestWithParam<StressExpectation> {};

TEST_P(StressTableTest, Row) {
  const StressExpectation& e = GetParam();
  const StressRow& row = stressTable()[static_cast<std::size_t>(e.row)];
  EXPECT_EQ(row.name, e.name);
  EXPECT_EQ(row.stressMin, e.stressMin) << e.name;
  EXPECT_EQ(row.stressMax, e.stressMax) << e.name;
  EXPECT_EQ(row.proteinMin, e.proteinMin) << e.name;
  EXPECT_EQ(row.proteinMax, e.proteinMax) << e.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StressTableTest,
    ::testing::Values(StressExpectation{1, "Healthy Adult/ No Stress", 1.0, 1.0, 0.8, 1.0},
                      StressExpectation{3, "ARDS 2º Sepsis & Multiple stresses", 1.2, 1.4, 1.5, 2.0},
                      StressExpectation{5, "Burn >40% Body Surface area (BSA)", 1.85, 1.95, 1.5,
                                        3.0},
                      StressExpectation{10, "CRF", 1.1, 1.4, 0.6, 0.8},
                      StressExpectation{16, "HIV, stable", 1.15, 1.25, 0.8, 1.25},
                      StressExpectation{25, "Refeeding Syndrome", 0.65, 0.85, 1.2, 1.5},
                      StressExpectation{28, "Sepsis (2st wk)", 1.3, 1.55, 1.5, 2.0},
                      StressExpectation{29, "Wound Healing/Decub", 1.2, 1.6, 1.5, 2.5}));

TEST(FactorTablesTest, UserDefinedRowStartsAsNoStress) {
  const StressRow& row = stressTable()[kUserDefinedStressRow];
  EXPECT_EQ(row.name, "User Defined");
  EXPECT_EQ(stressTable().size(), 30u);
}

struct ActivityExpectation {
  int index;
  int sex;
  double minimum;
  double maximum;
};

class ActivityRangeTest : public ::testing::TestWithParam<ActivityExpectation> {};

TEST_P(ActivityRangeTest, Range) {
  const ActivityExpectation& e = GetParam();
  const ActivityRange range = activityRange(e.index, e.sex);
  EXPECT_EQ(range.minimum, e.minimum);
  EXPECT_EQ(range.maximum, e.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ActivityRangeTest,
    ::testing::Values(
        // "Confined to bed" ends at a single-precision 1.2.
        ActivityExpectation{1, 0, 1.0, 1.2000000476837158},
        ActivityExpectation{1, 1, 1.0, 1.2000000476837158}, ActivityExpectation{2, 0, 1.3, 1.3},
        ActivityExpectation{2, 1, 1.3, 1.3}, ActivityExpectation{3, 0, 1.6, 1.6},
        ActivityExpectation{3, 1, 1.5, 1.5}, ActivityExpectation{4, 0, 1.7, 1.7},
        ActivityExpectation{4, 1, 1.6, 1.6}, ActivityExpectation{5, 0, 2.1, 2.1},
        ActivityExpectation{5, 1, 1.9, 1.9}, ActivityExpectation{6, 0, 2.4, 2.4},
        ActivityExpectation{6, 1, 2.2, 2.2}));

TEST(FactorTablesTest, ActivityItemsBySex) {
  EXPECT_EQ(kActivities[0].maleItem, "Custom Range");
  EXPECT_EQ(kActivities[3].maleItem, "Light: 1.6 (or 1.5 if female)");
  EXPECT_EQ(kActivities[3].femaleItem, "Light: 1.5 (or 1.6 if male)");
  EXPECT_EQ(kActivities[6].femaleItem, "Exceptional: 2.2 (or 2.4 if male)");
}

TEST(FactorTablesTest, AmputationPercents) {
  constexpr double kExpected[kAmputationCount] = {0,   0,   5.0, 10.0, 2.3,  4.6,  0.7,
                                                  1.4, 1.5, 3.0, 5.9,  11.8, 16.0, 37.0};
  for (int i = 1; i < kAmputationCount; ++i) {
    EXPECT_EQ(kAmputations[i].percent, kExpected[i]) << kAmputations[i].item;
  }
  EXPECT_EQ(kAmputations[0].item, "Custom Factor ----->");
  EXPECT_EQ(kAmputations[13].item, "Legs, both");
}

TEST(FactorTablesTest, ProteinFactors) {
  constexpr double kMinimum[kProteinFactorCount] = {0, 0.25, 0.5, 0.8, 1.0, 1.2, 1.5, 1.2, 1.6, 2.0};
  constexpr double kMaximum[kProteinFactorCount] = {0, 0.5, 0.7, 1.0, 1.2, 1.5, 2.0, 1.8, 2.4, 2.5};
  for (int i = 1; i < kProteinFactorCount; ++i) {
    EXPECT_EQ(kProteinFactors[i].minimum, kMinimum[i]) << kProteinFactors[i].item;
    EXPECT_EQ(kProteinFactors[i].maximum, kMaximum[i]) << kProteinFactors[i].item;
  }
  EXPECT_EQ(kProteinFactors[0].item, "Custom Factor ------------>");
  EXPECT_EQ(kProteinFactors[3].item, "Normal nutrition  0.8-1.0");
}

class StressFactorDialogTest : public testing::HeadlessTest {};

TEST_F(StressFactorDialogTest, OkWithoutAChosenRowKeepsTheDialogOpen) {
  StressFactorDialog dialog(4);
  dialog.show();
  EXPECT_EQ(dialog.control("stress").selected(), 4);
  dialog.control("stress").setSelected(-1);
  dialog.beginModal();
  dialog.requestOk();
  EXPECT_FALSE(dialog.ended());
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], "Please select a Stress, or Cancel");
  dialog.control("stress").setSelected(7);
  dialog.requestOk();
  EXPECT_TRUE(dialog.ended());
  EXPECT_EQ(dialog.result(), platform::kResultOk);
}

}  // namespace
}  // namespace quillion::adult
