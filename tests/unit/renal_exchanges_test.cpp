// Renal exchange totals, the high-biological-value protein line, the results text and the
// single-exchange message, against the worked examples and the exchange tables.
#include "renal/renal_exchanges.h"

#include <gtest/gtest.h>

#include "framework/format.h"

namespace quillion::renal {
namespace {

constexpr int kPreDialysisDiet = 0;
constexpr int kPreDialysisDiabeticDiet = 1;
constexpr int kHemodialysisDiet = 2;
constexpr int kHemodialysisDiabeticDiet = 3;
constexpr int kPeritonealDiet = 4;
constexpr int kPeritonealDiabeticDiet = 5;

// Counts in group order: MLK ND MT Str Fat HC S VLK VMK VHK FLK FMK FHK.
struct TotalsCase {
  const char* name;
  int diet;
  bool levels;
  ExchangeCounts counts;
  int kcal;
  const char* protein;
  const char* hbv;
  int carbohydrate, fat, potassium, phosphorus, sodium;
};

TEST(RenalExchanges, Totals) {
  const TotalsCase cases[] = {
      {"hemodialysis, K* clear", kHemodialysisDiet, false,
       {1, 0, 6, 6, 4, 1, 0, 2, 0, 0, 2, 0, 0}, 1520, "61.0", "46.0", 189, 56, 1655, 805, 975},
      // The same counts as low-potassium vegetables and fruits.
      {"hemodialysis, K* set", kHemodialysisDiet, true,
       {1, 0, 6, 6, 4, 1, 0, 2, 0, 0, 2, 0, 0}, 1520, "61.0", "46.0", 189, 56, 1335, 805, 975},
      {"medium and high K counts are not counted without K*", kHemodialysisDiet, false,
       {1, 0, 6, 6, 4, 1, 0, 2, 5, 5, 2, 5, 5}, 1520, "61.0", "46.0", 189, 56, 1655, 805, 975},
      {"meat 1, starch 6", kPreDialysisDiet, false,
       {0, 0, 1, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 605, "19.0", "7.0", 108, 10, 310, 275, 505},
      {"pre-dialysis hi cal", kPreDialysisDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 60, "0.0", "0.0", 15, 0, 20, 5, 15},
      {"hemodialysis hi cal", kHemodialysisDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 100, "0.0", "0.0", 25, 0, 20, 5, 15},
      {"peritoneal hi cal", kPeritonealDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 100, "0.0", "0.0", 25, 0, 20, 5, 15},
      {"pre-dialysis diabetic hi cal", kPreDialysisDiabeticDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 100, "0.0", "0.0", 25, 0, 20, 5, 15},
      {"hemodialysis diabetic hi cal", kHemodialysisDiabeticDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 60, "0.0", "0.0", 15, 0, 20, 5, 15},
      {"peritoneal diabetic hi cal", kPeritonealDiabeticDiet, false,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 60, "0.0", "0.0", 15, 0, 20, 5, 15},
      {"diabetic milk, starch and fruit", kHemodialysisDiabeticDiet, false,
       {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0}, 240, "6.5", "4.0", 38, 6, 370, 160, 160},
      {"plain milk, starch and fruit", kHemodialysisDiet, false,
       {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0}, 280, "6.5", "4.0", 47, 7, 370, 160, 160},
      {"every group once, K* set", kPreDialysisDiet, true,
       {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 805, "18.0", "11.0", 123, 26, 1410, 355, 590},
      {"non-dairy, fat and sodium", kPeritonealDiet, false,
       {0, 2, 0, 0, 3, 0, 2, 0, 0, 0, 0, 0, 0}, 415, "1.0", "0.0", 24, 35, 190, 75, 745},
      // A negative count (typed, or stored by an earlier version) takes exchanges away.
      {"FHK -1 with K* set", kHemodialysisDiet, true,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, -70, "-0.5", "0.0", -17, 0, -270, -15, 0},
      {"all counts 0", kHemodialysisDiet, false, {}, 0, "0.0", "0.0", 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RenalTotals t = renalTotals(exchangeTableForDiet(c.diet), c.counts, c.levels);
    EXPECT_EQ(t.kcal, c.kcal);
    EXPECT_EQ(framework::formatValue("%.1lf", t.protein), c.protein);
    EXPECT_EQ(framework::formatValue("%.1lf", t.highBiologicalValueProtein), c.hbv);
    EXPECT_EQ(t.carbohydrate, c.carbohydrate);
    EXPECT_EQ(t.fat, c.fat);
    EXPECT_EQ(t.potassium, c.potassium);
    EXPECT_EQ(t.phosphorus, c.phosphorus);
    EXPECT_EQ(t.sodium, c.sodium);
  }
}

TEST(RenalExchanges, ProteinIsSummedInSinglePrecision) {
  ExchangeCounts counts{};
  counts[kNonDairy] = 1;
  counts[kFruitLowK] = 3;
  const RenalTotals t = renalTotals(exchangeTableForDiet(kHemodialysisDiet), counts, true);
  EXPECT_EQ(t.protein, 2.0f);
}

struct HbvCase {
  int diet;
  ExchangeCounts counts;
  const char* line;
};

TEST(RenalExchanges, HighBiologicalValueLine) {
  const HbvCase cases[] = {
      {kHemodialysisDiet, {1, 0, 6, 6, 4, 1, 0, 2, 0, 0, 2, 0, 0},
       "High Biological Value Protein= 46.0g 75.4%"},
      {kPreDialysisDiet, {0, 0, 1, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "High Biological Value Protein= 7.0g 36.8%\r\n  NOTE: HBV PROTEIN IS TOO LOW"},
      // Exactly half is not too low.
      {kPreDialysisDiet, {0, 0, 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0},
       "High Biological Value Protein= 7.0g 50.0%"},
      {kPreDialysisDiet, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "High Biological Value Protein= 4.0g 100.0%"},
      // No protein at all: the share has no value, and no note.
      {kPreDialysisDiet, {}, "High Biological Value Protein= 0.0g ---%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(highBiologicalValueLine(
                  renalTotals(exchangeTableForDiet(c.diet), c.counts, /*potassiumLevels=*/true)),
              c.line);
  }
}

TEST(RenalExchanges, ResultsText) {
  struct Case {
    const char* name;
    ExchangeCounts counts;
    double kilograms;
    const char* text;
  };
  const Case cases[] = {
      {"hemodialysis, 70 kg", {1, 0, 6, 6, 4, 1, 0, 2, 0, 0, 2, 0, 0}, 70,
       "Kcal =\t1520\t(21.71 kcal/kg)\r\nProtein =\t61.0 g\t(0.87 g/kg)\r\n"
       "Protein =\t244.0 kcal \t16.1 % total\r\n"
       "High Biological Value Protein= 46.0g 75.4%\r\n"
       "Cho = \t189 g\t(2.70 g/kg)\r\nCho =\t756 kcal \t49.7 % total\r\n"
       "Fat = \t56 g \t(0.80 g/kg)\r\nFat =\t504 kcal \t33.2 % total\r\n"
       "K+ = \t1655 mg \t(23.64 mg/kg)\r\nP = \t805 mg \t(11.50 mg/kg)\r\n"
       "Na = \t975 mg \t(13.93 mg/kg)"},
      {"first run: nothing counted, 100 lbs", {}, 45.359236001968384,
       "Kcal =\t0\t(0.00 kcal/kg)\r\nProtein =\t0.0 g\t(0.00 g/kg)\r\n"
       "Protein =\t0.0 kcal \t--- % total\r\n"
       "High Biological Value Protein= 0.0g ---%\r\n"
       "Cho = \t0 g\t(0.00 g/kg)\r\nCho =\t0 kcal \t--- % total\r\n"
       "Fat = \t0 g \t(0.00 g/kg)\r\nFat =\t0 kcal \t--- % total\r\n"
       "K+ = \t0 mg \t(0.00 mg/kg)\r\nP = \t0 mg \t(0.00 mg/kg)\r\n"
       "Na = \t0 mg \t(0.00 mg/kg)"},
      {"one milk, no weight", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0,
       "Kcal =\t120\t(--- kcal/kg)\r\nProtein =\t4.0 g\t(--- g/kg)\r\n"
       "Protein =\t16.0 kcal \t13.3 % total\r\n"
       "High Biological Value Protein= 4.0g 100.0%\r\n"
       "Cho = \t12 g\t(--- g/kg)\r\nCho =\t48 kcal \t40.0 % total\r\n"
       "Fat = \t6 g \t(--- g/kg)\r\nFat =\t54 kcal \t45.0 % total\r\n"
       "K+ = \t185 mg \t(--- mg/kg)\r\nP = \t110 mg \t(--- mg/kg)\r\n"
       "Na = \t80 mg \t(--- mg/kg)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(renalResultsText(
                  renalTotals(exchangeTableForDiet(kHemodialysisDiet), c.counts, false),
                  c.kilograms),
              c.text);
  }
}

TEST(RenalExchanges, SingleExchangeText) {
  struct Case {
    int diet;
    int group;
    const char* text;
  };
  const Case cases[] = {
      {kHemodialysisDiet, kMilk,
       "For each single Milk exchange:\r\n\r\nKcal\t120\r\nPro\t4.0 g\r\nCho\t12 g\r\n"
       "Fat\t6 g\r\nNa\t80 mg\r\nK\t185 mg\r\nP\t110 mg"},
      {kPreDialysisDiabeticDiet, kMilk,
       "For each single Milk exchange:\r\n\r\nKcal\t100\r\nPro\t4.0 g\r\nCho\t8 g\r\n"
       "Fat\t5 g\r\nNa\t80 mg\r\nK\t185 mg\r\nP\t110 mg"},
      {kPreDialysisDiet, kHiCal,
       "For each single Hi Cal exchange:\r\n\r\nKcal\t60\r\nPro\t0.0 g\r\nCho\t15 g\r\n"
       "Fat\t0 g\r\nNa\t15 mg\r\nK\t20 mg\r\nP\t5 mg"},
      {kPeritonealDiabeticDiet, kFruitHighK,
       "For each single Fruit High K exchange:\r\n\r\nKcal\t60\r\nPro\t0.5 g\r\nCho\t15 g\r\n"
       "Fat\t0 g\r\nNa\t0 mg\r\nK\t270 mg\r\nP\t15 mg"},
      {kPeritonealDiet, kNonDairy,
       "For each single NonDairy exchange:\r\n\r\nKcal\t140\r\nPro\t0.5 g\r\nCho\t12 g\r\n"
       "Fat\t10 g\r\nNa\t40 mg\r\nK\t80 mg\r\nP\t30 mg"},
      {kHemodialysisDiabeticDiet, kStarch,
       "For each single Starch exchange:\r\n\r\nKcal\t80\r\nPro\t2.0 g\r\nCho\t15 g\r\n"
       "Fat\t1 g\r\nNa\t80 mg\r\nK\t35 mg\r\nP\t35 mg"},
      {kHemodialysisDiet, kVegHighK,
       "For each single Vegetable High K exchange:\r\n\r\nKcal\t25\r\nPro\t1.0 g\r\nCho\t5 g\r\n"
       "Fat\t0 g\r\nNa\t15 mg\r\nK\t270 mg\r\nP\t20 mg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto& group = kExchangeGroups[static_cast<std::size_t>(c.group)];
    EXPECT_EQ(singleExchangeText(group.name,
                                 exchangeTableForDiet(c.diet)[static_cast<std::size_t>(c.group)]),
              c.text);
  }
}

TEST(RenalExchanges, WithoutPotassiumLevelsVegetablesAndFruitsCountAsMediumK) {
  struct Case {
    int group;
    bool levels;
    int valuesGroup;
  };
  const Case cases[] = {
      {kVegLowK, false, kVegMediumK}, {kFruitLowK, false, kFruitMediumK},
      {kVegLowK, true, kVegLowK},     {kFruitLowK, true, kFruitLowK},
      {kMilk, false, kMilk},          {kFruitHighK, true, kFruitHighK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.group);
    EXPECT_EQ(valuesGroupFor(c.group, c.levels), c.valuesGroup);
  }
}

}  // namespace
}  // namespace quillion::renal
