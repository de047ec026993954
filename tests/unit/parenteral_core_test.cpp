// Parenteral core: unit conversions, lipid amounts, the common derivation shown through
// the results table, the table's rows by layout and its row colours.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "framework/format.h"
#include "parenteral/solution_results.h"

namespace quillion::parenteral {
namespace {

std::string shown(const char* format, double value) { return framework::formatValue(format, value); }

struct WeightRow {
  double weight;
  int unit;
  const char* kg;  // "%.3lf"
};

class WeightKgTest : public ::testing::TestWithParam<WeightRow> {};

TEST_P(WeightKgTest, ConvertsToKilograms) {
  const WeightRow& row = GetParam();
  EXPECT_EQ(shown("%.3lf", ParenteralUnits::weightKg(row.weight, row.unit)), row.kg);
}

INSTANTIATE_TEST_SUITE_P(Rows, WeightKgTest,
                         ::testing::Values(WeightRow{70, 0, "70.000"}, WeightRow{154, 1, "69.853"},
                                           WeightRow{100, 1, "45.359"},
                                           WeightRow{70000, 2, "70.000"}));

TEST(WeightKg, PoundsUseTheWidenedSinglePrecisionFactor) {
  EXPECT_DOUBLE_EQ(ParenteralUnits::weightKg(1, 1), 0.45359236001968384);
}

struct NutrientRow {
  int unit;
  double volume;
  double weightKg;
  double amount;
  const char* percent;  // "%.2lf"
  const char* grams;    // "%.2lf"
};

class NutrientGramsTest : public ::testing::TestWithParam<NutrientRow> {};

TEST_P(NutrientGramsTest, GivesPercentAndGrams) {
  const NutrientRow& row = GetParam();
  const NutrientAmount a = ParenteralUnits::nutrientGrams(row.unit, row.volume, row.weightKg, row.amount);
  EXPECT_EQ(shown("%.2lf", a.percent), row.percent);
  EXPECT_EQ(shown("%.2lf", a.grams), row.grams);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NutrientGramsTest,
    ::testing::Values(NutrientRow{0, 500, 70, 10, "10.00", "50.00"},     // "%"
                      NutrientRow{2, 500, 70, 50, "10.00", "50.00"},     // "g"
                      NutrientRow{1, 500, 70, 100, "10.00", "50.00"},    // "g/L"
                      NutrientRow{3, 1000, 70, 1.5, "10.50", "105.00"},  // "g/kg"
                      NutrientRow{4, 1000, 70, 0.002, "14.00", "140.00"},  // "g/g"
                      NutrientRow{2, 720, 70, 50, "6.94", "50.00"},
                      NutrientRow{2, 0, 70, 50, "---", "50.00"}));

struct LipidRow {
  int emulsion;
  double amount;
  int unit;
  double hours;
  double weightKg;
  const char* volume;  // "%.2lf"
  const char* grams;   // "%.2lf"
  const char* kcal;    // "%.2lf"
};

class LipidAmountsTest : public ::testing::TestWithParam<LipidRow> {};

TEST_P(LipidAmountsTest, GivesVolumeGramsAndKcal) {
  const LipidRow& row = GetParam();
  lipidKcalPerGram() = 9.0;
  const LipidAmounts a =
      ParenteralUnits::lipidAmounts(row.emulsion, row.amount, row.unit, row.hours, row.weightKg);
  EXPECT_EQ(shown("%.2lf", a.volume), row.volume);
  EXPECT_EQ(shown("%.2lf", a.grams), row.grams);
  EXPECT_EQ(shown("%.2lf", a.kcal), row.kcal);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LipidAmountsTest,
    ::testing::Values(LipidRow{1, 250, 0, 12, 70, "250.00", "55.56", "500.00"},
                      LipidRow{0, 50, 2, 24, 70, "409.09", "50.00", "450.00"},
                      LipidRow{0, 10, 1, 24, 70, "240.00", "29.33", "264.00"},
                      LipidRow{1, 1, 3, 24, 70, "315.00", "70.00", "630.00"},
                      LipidRow{0, 0.002, 4, 24, 70, "1145.45", "140.00", "1260.00"},
                      LipidRow{2, 300, 0, 24, 70, "300.00", "100.00", "900.00"},
                      LipidRow{1, 250, 0, 0.005, 70, "0.00", "0.00", "0.00"},
                      LipidRow{1, 50, 2, 0.005, 70, "0.00", "0.00", "0.00"},
                      LipidRow{1, 0.0009, 2, 24, 70, "0.00", "0.00", "0.00"}));

TEST(LipidAmounts, FollowTheProgramWideKcalPerGram) {
  lipidKcalPerGram() = 10.0;
  const LipidAmounts a = ParenteralUnits::lipidAmounts(1, 250, 0, 24, 70);
  EXPECT_EQ(shown("%.2lf", a.grams), "50.00");
  lipidKcalPerGram() = 9.0;
}

// A solution as a page hands it to the derivation: 2000 mL of 4.25 % AA and 15 % DEX
// over 24 hours, 250 mL of 20 % emulsion (9.0 kcal per gram), 70 kg.
SolutionResults workedExample() {
  SolutionResults r;
  r.proteinGrams = 85;
  r.choGrams = 300;
  r.lipidVolume = 250;
  r.lipidKcal = 500;
  r.lipidGrams = 500 / 9.0;
  r.deliveryHours = 24;
  r.totalVolume = 2250;
  r.aaRate = 2000.0 / 24 * 0.5;
  r.dexRate = r.aaRate;
  r.lipidRate = 250.0 / 12;
  r.derive(70, 2000, false);
  return r;
}

std::vector<std::string> values(const SolutionResults& r, std::uint32_t layout) {
  std::vector<std::string> texts;
  for (const TableRow& row : tableRows(r, layout)) texts.push_back(row.label + " " + row.value);
  return texts;
}

TEST(SolutionResults, StartsAtZero) {
  const SolutionResults r;
  for (const TableRow& row : tableRows(r, MixVolumeRow | LipidRateRow)) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(row.value.substr(0, 2).find_first_of("123456789-"), std::string::npos);
    EXPECT_EQ(row.value[0], '0');
  }
}

TEST(SolutionResults, WorkedExampleTable) {
  const std::vector<std::string> expected = {
      "TtKcal 1860",
      "TtVolume 2250 mL",
      "NPC 1520",
      "NPC:N 112:1",
      "N 13.6 g",
      "Rate* 83 mL/hr  *AA+DEX only",
      "Vol* 2000 mL *AA+DEX only",
      "Pro 85.0 g",
      "Pro 1.2 g/kg",
      "Pro 340.0 kcal",
      "Pro 18 % of total kcals",
      "Cho 300.0 g",
      "Cho 4.3 g/kg",
      "Cho 1020.0 kcal",
      "Cho 55 % of total kcals",
      "Cho 3.0 mg/kg/min",
      "Lipids 55.6 g",
      "Lipids 0.8 g/kg",
      "Lipids 500.0 kcal",
      "Lipids 27 % of total kcals",
      "Lipids 21 mL/hr",
      "AA% 3.78 % in total volume",
      "CHO% 13.33 % in total volume",
      "Fat% 2.47 % in total volume",
      "mOsm* 2350 mOsm Total (AA+Dex)  *not including lipids or electrolytes see Reviews for "
      "further info.",
      "mOsm/L 1175 mOsm/L (AA+Dex)  *not including lipids or electrolytes see Reviews for "
      "further info.",
  };
  EXPECT_EQ(values(workedExample(), MixVolumeRow | LipidRateRow), expected);
}

// Standard published arithmetic, independent of the program's constants: protein 4 kcal/g,
// dextrose monohydrate 3.4 kcal/g, nitrogen = protein / 6.25, GIR = g x 1000 / kg / min.
TEST(SolutionResults, AgreesWithPublishedArithmetic) {
  const SolutionResults r = workedExample();
  EXPECT_EQ(shown("%.1lf", r.proteinGrams), "85.0");              // 2000 x 4.25 / 100
  EXPECT_EQ(shown("%.1lf", r.choGrams), "300.0");                 // 2000 x 15 / 100
  EXPECT_EQ(shown("%.1lf", r.proteinGrams * 0.16), "13.6");       // 85 / 6.25
  EXPECT_EQ(shown("%.1lf", r.choMgKgMin), "3.0");                 // 300000 / 70 / 1440 = 2.98
  EXPECT_EQ(shown("%.0lf", r.proteinKcal), "340");                // 85 x 4
  EXPECT_EQ(shown("%.0lf", r.choKcal), "1020");                   // 300 x 3.4
  EXPECT_EQ(shown("%.0lf", r.npcToN), "112");                     // 1520 / 13.6
}

TEST(SolutionResults, NoProteinShowsNoRatio) {
  SolutionResults r;
  r.choGrams = 300;
  r.deliveryHours = 24;
  r.totalVolume = 2000;
  r.derive(70, 2000, false);
  const std::vector<TableRow> rows = tableRows(r, 0);
  EXPECT_EQ(rows[3].value, "---");     // NPC:N
  EXPECT_EQ(rows[4].value, "0.0 g");   // N
  EXPECT_EQ(rows[9].value, "0 % of total kcals");  // Pro share
  EXPECT_TRUE(std::isinf(r.npcToN));
}

TEST(SolutionResults, NoWeightShowsNoPerKgValues) {
  SolutionResults r;
  r.proteinGrams = 85;
  r.choGrams = 300;
  r.lipidGrams = 50;
  r.lipidKcal = 450;
  r.deliveryHours = 24;
  r.totalVolume = 2000;
  r.derive(0, 2000, false);
  const std::vector<TableRow> rows = tableRows(r, 0);
  EXPECT_EQ(rows[7].value, "---");   // Pro g/kg
  EXPECT_EQ(rows[11].value, "---");  // Cho g/kg
  EXPECT_EQ(rows[14].value, "---");  // Cho mg/kg/min
  EXPECT_EQ(rows[16].value, "---");  // Lipids g/kg
  EXPECT_EQ(rows[0].value, "1810");
}

TEST(SolutionResults, AllZeroShowsTotalsAsZeroAndSharesAsDashes) {
  SolutionResults r;
  r.derive(0, 0, true);
  const std::vector<TableRow> rows = tableRows(r, SplitOsmolarity | TotalRate);
  EXPECT_EQ(rows[0].value, "0");
  EXPECT_EQ(rows[1].value, "0 mL");
  EXPECT_EQ(rows[2].value, "0");
  EXPECT_EQ(rows[5].label, "Rate");
  EXPECT_EQ(rows[5].value, "0 mL/hr");
  for (int percentRow : {9, 13, 18, 19, 20, 21}) {
    SCOPED_TRACE(percentRow);
    EXPECT_EQ(rows[static_cast<std::size_t>(percentRow)].value, "---");
  }
  EXPECT_EQ(rows[22].value, "0 mOsm Total (AA+Dex)  *not including lipids or electrolytes see "
                            "Reviews for further info.");
  EXPECT_EQ(rows[23].label, "mOsm2*");
  EXPECT_EQ(rows[24].label, "mOsm3*");
}

struct LayoutRow {
  std::uint32_t layout;
  std::vector<std::string> labels;
};

class TableLayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(TableLayoutTest, HasTheRowsOfItsLayout) {
  std::vector<std::string> labels;
  for (const TableRow& row : tableRows(SolutionResults{}, GetParam().layout)) labels.push_back(row.label);
  EXPECT_EQ(labels, GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TableLayoutTest,
    ::testing::Values(
        LayoutRow{MixVolumeRow | LipidRateRow,
                  {"TtKcal", "TtVolume", "NPC", "NPC:N", "N", "Rate*", "Vol*", "Pro", "Pro",
                   "Pro", "Pro", "Cho", "Cho", "Cho", "Cho", "Cho", "Lipids", "Lipids", "Lipids",
                   "Lipids", "Lipids", "AA%", "CHO%", "Fat%", "mOsm*", "mOsm/L"}},
        LayoutRow{SplitOsmolarity,
                  {"TtKcal", "TtVolume", "NPC", "NPC:N", "N", "Rate*", "Pro", "Pro", "Pro",
                   "Pro", "Cho", "Cho", "Cho", "Cho", "Cho", "Lipids", "Lipids", "Lipids",
                   "Lipids", "AA%", "CHO%", "Fat%", "mOsm*", "mOsm2*", "mOsm3*"}},
        LayoutRow{TotalRate | SplitOsmolarity | LipidRateRow,
                  {"TtKcal", "TtVolume", "NPC", "NPC:N", "N", "Rate", "Pro", "Pro", "Pro",
                   "Pro", "Cho", "Cho", "Cho", "Cho", "Cho", "Lipids", "Lipids", "Lipids",
                   "Lipids", "Lipids", "AA%", "CHO%", "Fat%", "mOsm*", "mOsm2*", "mOsm3*"}}));

struct RateRow {
  std::uint32_t layout;
  const char* text;
};

class RateRowTest : public ::testing::TestWithParam<RateRow> {};

TEST_P(RateRowTest, ShowsTheRatesOfItsLayout) {
  SolutionResults r;
  r.aaRate = 40;
  r.dexRate = 20;
  r.lipidRate = 10;
  r.fluidRate = 5;
  EXPECT_EQ(tableRows(r, GetParam().layout)[5].value, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, RateRowTest,
                         ::testing::Values(RateRow{0, "60 mL/hr  *AA+DEX only"},
                                           RateRow{TotalRate, "75 mL/hr"},
                                           RateRow{MixRateOnly, "40 mL/hr  *AA+DEX only"},
                                           RateRow{MixRateOnly | TotalRate,
                                                   "40 mL/hr  *AA+DEX only"}));

struct ColourRow {
  std::uint32_t layout;
  std::vector<std::uint32_t> colours;
};

class RowColourTest : public ::testing::TestWithParam<ColourRow> {};

constexpr std::uint32_t G = 0x00FF7F;
constexpr std::uint32_t C = 0x00FFFF;
constexpr std::uint32_t Y = 0xFFFF7F;

TEST_P(RowColourTest, ColoursEachRow) {
  std::vector<std::uint32_t> colours;
  const auto count = tableRows(SolutionResults{}, GetParam().layout).size();
  for (std::size_t row = 0; row < count; ++row) {
    colours.push_back(rowColour(GetParam().layout, static_cast<int>(row)));
  }
  EXPECT_EQ(colours, GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowColourTest,
    ::testing::Values(
        // rate and Vol*, Pro x4, Cho x5, Lipids x5 (the fifth is the lipid rate), the rest
        ColourRow{MixVolumeRow | LipidRateRow,
                  {Y, Y, Y, Y, Y, G, G, C, C, C, C, Y, Y, Y, Y, Y, C, C, C, C, C, Y, Y, Y, Y, Y}},
        // without the lipid rate row, the row after the four "Lipids" rows is yellow
        ColourRow{0, {Y, Y, Y, Y, Y, G, C, C, C, C, Y, Y, Y, Y, Y, C, C, C, C, Y, Y, Y, Y, Y}},
        ColourRow{SplitOsmolarity | TotalRate | LipidRateRow,
                  {Y, Y, Y, Y, Y, G, C, C, C, C, Y, Y, Y, Y, Y, C, C, C, C, C, Y, Y, Y, Y, Y, Y}}));

}  // namespace
}  // namespace quillion::parenteral
