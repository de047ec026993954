// The compiled-in potassium table: its size, its first and last rows, its order, and the
// two servings older copies of the list carried with a lost digit.
#include "renal/potassium_table.h"

#include <gtest/gtest.h>

#include <string>

namespace quillion::renal {
namespace {

TEST(PotassiumTable, HoldsAllRows) { EXPECT_EQ(potassiumTable().size(), 323u); }

struct RowCase {
  std::size_t index;  // 0-based
  const char* food;
  const char* weight;
  const char* amount;
  const char* potassium;
};

TEST(PotassiumTable, ReferenceRows) {
  const RowCase cases[] = {
      {0, "Tomato products, canned, paste, without salt added", "262", "1 cup", "2455"},
      {1, "Fast foods, potato, french fried in vegetable oil", "169", "1 large", "1164"},
      {2, "Raisins, seedless", "145", "1 cup", "1089"},
      {3, "Potato, baked, flesh and skin, without salt", "202", "1 potato", "1081"},
      {321, "Alcoholic beverage, distilled, all (gin, rum, vodka, whiskey) 86 proof", "42",
       "1.5 fl oz", "1"},
      {322, "Carbonated beverage, low calorie, cola, with aspartame, contains caffeine", "355",
       "12 fl oz", "0"},
  };
  const auto table = potassiumTable();
  ASSERT_EQ(table.size(), 323u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.food);
    const PotassiumRow& row = table[c.index];
    EXPECT_EQ(row.food, c.food);
    EXPECT_EQ(row.weight, c.weight);
    EXPECT_EQ(row.amount, c.amount);
    EXPECT_EQ(row.potassium, c.potassium);
  }
}

// Highest potassium first; servings with equal potassium in alphabetical order, so no
// two rows are out of place or tied.
TEST(PotassiumTable, StrictlyOrderedByPotassiumThenFood) {
  const auto table = potassiumTable();
  ASSERT_FALSE(table.empty());
  for (std::size_t i = 1; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].food);
    const int before = std::stoi(table[i - 1].potassium);
    const int here = std::stoi(table[i].potassium);
    EXPECT_GE(before, here);
    if (before == here) {
      EXPECT_LT(table[i - 1].food, table[i].food);
    }
  }
}

// USDA's values; older copies of the list showed 94 and 11 mg, which put the two rows
// out of order and understated the potassium of a cup of banana six times over.
TEST(PotassiumTable, ServingsThatOnceLostADigit) {
  struct Case {
    const char* food;
    const char* amount;
    const char* potassium;
  };
  const Case cases[] = {
      {"Bananas, raw", "1 cup", "594"},
      {"Puddings, tapioca, ready-to-eat", "4 oz", "110"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.food);
    int found = 0;
    for (const PotassiumRow& row : potassiumTable()) {
      if (row.food != c.food) continue;
      ++found;
      EXPECT_EQ(row.amount, c.amount);
      EXPECT_EQ(row.potassium, c.potassium);
    }
    EXPECT_EQ(found, 1);
  }
}

struct CsvCase {
  const char* csv;
  std::size_t rows;
  const char* food;
  const char* amount;
};

TEST(PotassiumTable, ReadsQuotedFields) {
  const CsvCase cases[] = {
      {"food,weight_g,measure,potassium_mg\n\"Bagels, egg\",89,\"4\"\" bagel\",61\n", 1,
       "Bagels, egg", "4\" bagel"},
      {"food,weight_g,measure,potassium_mg\nJellies,19,1 tbsp,12\nHoney,21,1 tbsp,11\n", 2,
       "Jellies", "1 tbsp"},
      {"food,weight_g,measure,potassium_mg\nJellies,19,1 tbsp,12", 1, "Jellies", "1 tbsp"},
      // A row with a field missing ends the table.
      {"food,weight_g,measure,potassium_mg\nJellies,19,12\nHoney,21,1 tbsp,11\n", 0, "", ""},
      {"food,weight_g,measure,potassium_mg\n\"Jellies,19,1 tbsp,12\n", 0, "", ""},
      {"", 0, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.csv);
    auto rows = parsePotassiumCsv(c.csv);
    ASSERT_EQ(rows.size(), c.rows);
    if (rows.empty()) continue;
    EXPECT_EQ(rows[0].food, c.food);
    EXPECT_EQ(rows[0].amount, c.amount);
  }
}

}  // namespace
}  // namespace quillion::renal
