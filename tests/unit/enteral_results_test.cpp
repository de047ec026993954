// The enteral calculators' arithmetic, row by row, against values worked by hand.
#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <string>

#include "enteral/enteral_results.h"
#include "enteral/formula_record.h"

namespace quillion::enteral {
namespace {

struct DeliveryRow {
  const char* label;
  double energyPerMl;
  bool energyMode;
  int volumeMode;
  double kcal;
  double volumeInput;
  double hours;
  double expectedKcal;
  double expectedTotal;
  double expectedShown;
};
void PrintTo(const DeliveryRow& row, std::ostream* out) { *out << row.label; }

class DeliveryTest : public ::testing::TestWithParam<DeliveryRow> {};

TEST_P(DeliveryTest, VolumeAndEnergy) {
  const DeliveryRow& row = GetParam();
  Delivery d = deliver(row.energyPerMl, row.energyMode, row.volumeMode, row.kcal,
                       row.volumeInput, row.hours);
  EXPECT_DOUBLE_EQ(d.kcal, row.expectedKcal);
  EXPECT_DOUBLE_EQ(d.totalVolume, row.expectedTotal);
  EXPECT_DOUBLE_EQ(d.shownVolume, row.expectedShown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeliveryTest,
    ::testing::Values(
        DeliveryRow{"total2400over24", 1.0, false, 0, 0, 2400, 24, 2400, 2400, 2400},
        DeliveryRow{"energy1500rate20", 1.5, true, 1, 1500, 0, 20, 1500, 1000, 50},
        DeliveryRow{"energy1500total", 1.5, true, 0, 1500, 0, 20, 1500, 1000, 1000},
        DeliveryRow{"rate100for20", 1.5, false, 1, 0, 100, 20, 3000, 2000, 100},
        // "2:1" dilution of a 0.67 kcal/mL formula, 600 mL: 268 kcal
        DeliveryRow{"dilutedTwoToOne", 0.67 * 0.6666666666666666, false, 0, 0, 600, 24,
                    0.67 * 0.6666666666666666 * 600, 600, 600}),
    [](const auto& row) { return std::string(row.param.label); });

FormulaRecord adultFormula(float osmMin, float osmMax) {
  FormulaRecord r(FormulaKind::Adult);
  r.setNumber(48, 1.0f);     // kcal per mL
  r.setNumber(52, 40.0f);    // protein g/L
  r.setNumber(64, 800.0f);   // sodium mg per serving
  r.setNumber(116, 250.0f);  // serving size
  r.setNumber(128, 50.0f);   // % carbohydrate
  r.setNumber(132, 30.0f);   // % fat
  r.setNumber(136, 131.0f);  // NPC:N
  r.setNumber(140, osmMin);
  r.setNumber(144, osmMax);
  r.setNumber(148, 1500.0f);  // RDI
  return r;
}

struct AdultRow {
  const char* label;
  float osmMin;
  float osmMax;
  double totalVolume;
  double weightKg;
  int row;
  const char* expected;
};
void PrintTo(const AdultRow& row, std::ostream* out) { *out << row.label; }

class AdultRowsTest : public ::testing::TestWithParam<AdultRow> {};

TEST_P(AdultRowsTest, RowText) {
  const AdultRow& p = GetParam();
  FormulaRecord formula = adultFormula(p.osmMin, p.osmMax);
  auto rows = adultResultRows(formula, p.totalVolume, p.totalVolume, 24, p.weightKg);
  ASSERT_EQ(rows.size(), 25u);
  EXPECT_EQ(rows[static_cast<std::size_t>(p.row)].value, p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdultRowsTest,
    ::testing::Values(
        AdultRow{"osmolalityOne", 300, 300, 1000, 70, 16, "300.00"},
        AdultRow{"osmolalityRange", 300, 350, 1000, 70, 16, "300.00 - 350.00"},
        // 250 mL servings: 1000 mL is 4 servings of 800 mg sodium
        AdultRow{"servings", 300, 300, 1000, 70, 5, "4.00"},
        AdultRow{"sodium", 300, 300, 1000, 70, 20, "3200.00 mg"},
        AdultRow{"npc", 300, 300, 2000, 70, 17, "1600.00"},
        AdultRow{"npcToN", 300, 300, 2000, 70, 18, "131:1"},
        AdultRow{"rdi", 300, 300, 1200, 70, 19, "80 %"},
        AdultRow{"proteinPerKg", 300, 300, 1750, 70, 7, "1.00"},
        AdultRow{"noWeight", 300, 300, 1750, 0, 7, "---"},
        AdultRow{"noWeightKcal", 300, 300, 1750, 0, 1, "---"}),
    [](const auto& row) { return std::string(row.param.label); });

TEST(AdultRowsTest, ServingSizeBelowOneCountsAs1000) {
  FormulaRecord formula = adultFormula(300, 300);
  formula.setNumber(116, 0.5f);
  auto rows = adultResultRows(formula, 2000, 2000, 24, 70);
  EXPECT_EQ(rows[5].value, "2.00");
  EXPECT_EQ(formula.number(116), 1000.0f);
}

struct PedsRow {
  const char* label;
  double dilution;
  double weightKg;
  double totalVolume;
  int row;
  const char* expected;
};
void PrintTo(const PedsRow& row, std::ostream* out) { *out << row.label; }

class PedsRowsTest : public ::testing::TestWithParam<PedsRow> {};

TEST_P(PedsRowsTest, RowText) {
  const PedsRow& p = GetParam();
  FormulaRecord formula(FormulaKind::Pediatric);
  formula.setNumber(48, 0.67f);
  formula.setNumber(52, 1.4f);   // protein g per serving
  formula.setNumber(68, 100.0f);  // serving size
  formula.setNumber(88, 300.0f);  // osmolality
  formula.setNumber(104 + 4 * 24, 16.0f);  // sodium mg per serving
  auto rows = pedsResultRows(formula, 0, p.totalVolume, 24, p.weightKg, p.dilution);
  ASSERT_EQ(rows.size(), 47u);
  EXPECT_EQ(rows[static_cast<std::size_t>(p.row)].value, p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PedsRowsTest,
    ::testing::Values(PedsRow{"osmolalityHalf", 0.5, 3.5, 600, 16, "150 mOsm/kg water"},
                      PedsRow{"hours", 1.0, 3.5, 600, 3, "24.00 hr (1440 minutes)"},
                      // 600 mL full strength: 6 servings of 1.4 g, 8.4 g, 2.4 g/kg
                      PedsRow{"proteinPerKg", 1.0, 3.5, 600, 7, "2.4 g/kg"},
                      PedsRow{"servingsHalf", 0.5, 3.5, 600, 5, "3.00 servings"},
                      PedsRow{"sodium", 1.0, 3.5, 600, 44, "96.00 mg"},
                      PedsRow{"rate", 1.0, 3.5, 600, 2, "25.0 mL/hr"}),
    [](const auto& row) { return std::string(row.param.label); });

}  // namespace
}  // namespace quillion::enteral
