// Diabetic exchange totals and results text against the worked example and tables, the
// type button captions and the program-wide "User Defined" rows.
#include "diabetes/diabetic_exchanges.h"

#include <gtest/gtest.h>

namespace quillion::diabetes {
namespace {

// Milk and meat rows used below.
constexpr int kNonFatMilk = 1;
constexpr int kSheepMilk = 12;
constexpr int kSoyMilk = 10;
constexpr int kLeanMeat = 2;
constexpr int kHighFatMeat = 4;
constexpr int kBeans = 7;

struct TotalsCase {
  const char* name;
  DiabeticCounts counts;  // fruit, vegetable, milk, starch, meat, fat
  int milkRow;
  int meatRow;
  const char* text;
};

TEST(DiabeticExchanges, ResultsText) {
  const TotalsCase cases[] = {
      {"worked example", {3, 3, 2, 6, 5, 4}, kNonFatMilk, kLeanMeat,
       "KCal = \t\t1362 kCal\r\nCarbohydrate =\t173.8 g\t50.7 %\r\nProtein =\t\t75.0 g\t21.9 %\r\n"
       "Fat =\t\t41.8 g\t27.4 %\r\nApproximate Grams of Fiber/day  21.0 - 27.0"},
      {"one sheep milk", {0, 0, 1, 0, 0, 0}, kSheepMilk, kLeanMeat,
       "KCal = \t\t264 kCal\r\nCarbohydrate =\t13.1 g\t19.7 %\r\nProtein =\t\t14.7 g\t22.1 %\r\n"
       "Fat =\t\t17.2 g\t58.2 %\r\nApproximate Grams of Fiber/day  0.0 - 0.0"},
      {"beans as meat", {0, 0, 0, 1, 2, 0}, kNonFatMilk, kBeans,
       "KCal = \t\t310 kCal\r\nCarbohydrate =\t45.0 g\t56.8 %\r\nProtein =\t\t23.0 g\t29.0 %\r\n"
       "Fat =\t\t5.0 g\t14.2 %\r\nApproximate Grams of Fiber/day  1.5 - 2.0"},
      {"soy milk, high-fat meat", {1, 1, 1, 2, 3, 2}, kSoyMilk, kHighFatMeat,
       "KCal = \t\t714 kCal\r\nCarbohydrate =\t54.3 g\t30.0 %\r\nProtein =\t\t35.6 g\t19.6 %\r\n"
       "Fat =\t\t40.6 g\t50.4 %\r\nApproximate Grams of Fiber/day  7.0 - 9.0"},
      {"half a fruit", {0.5, 1, 0, 1, 0, 0}, kNonFatMilk, kLeanMeat,
       "KCal = \t\t135 kCal\r\nCarbohydrate =\t27.5 g\t79.1 %\r\nProtein =\t\t5.0 g\t14.4 %\r\n"
       "Fat =\t\t1.0 g\t6.5 %\r\nApproximate Grams of Fiber/day  4.5 - 6.0"},
      {"first run: nothing counted", {}, 0, 0,
       "KCal = \t\t0 kCal\r\nCarbohydrate =\t0.0 g\t--- %\r\nProtein =\t\t0.0 g\t--- %\r\n"
       "Fat =\t\t0.0 g\t--- %\r\nApproximate Grams of Fiber/day  0.0 - 0.0"},
  };
  resetUserDefinedTypes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto milk = exchangeTypes(ExchangeTypeKind::Milk)[static_cast<std::size_t>(c.milkRow)];
    const auto meat = exchangeTypes(ExchangeTypeKind::Meat)[static_cast<std::size_t>(c.meatRow)];
    EXPECT_EQ(diabeticResultsText(diabeticTotals(c.counts, milk, meat)), c.text);
  }
}

// The shares are of 4 x (CHO + protein) + 9 x fat, not of the kcal of the exchanges.
TEST(DiabeticExchanges, SharesAreOfMacronutrientEnergy) {
  const DiabeticCounts counts{3, 3, 2, 6, 5, 4};
  const auto totals = diabeticTotals(counts, exchangeTypes(ExchangeTypeKind::Milk)[kNonFatMilk],
                                     exchangeTypes(ExchangeTypeKind::Meat)[kLeanMeat]);
  EXPECT_DOUBLE_EQ(totals.energy, 1371.4);
  EXPECT_EQ(totals.kcal, 1362);
}

TEST(DiabeticExchanges, TypeCaptions) {
  struct Case {
    ExchangeTypeKind kind;
    int row;
    const char* caption;
  };
  const Case cases[] = {
      {ExchangeTypeKind::Milk, 1, "Non-fat Milk, 8oz"},
      {ExchangeTypeKind::Milk, 3, "2% (reduced fat), 8oz"},
      {ExchangeTypeKind::Milk, 12, "Sheep Milk, 8oz"},
      {ExchangeTypeKind::Meat, 2, "Lean (1oz)"},
      {ExchangeTypeKind::Meat, 12, "Egg (1)"},
      {ExchangeTypeKind::Milk, 0, "User: 0.0, 0.0, 0.0, 0.0"},
      {ExchangeTypeKind::Meat, 0, "User: 0.0, 0.0, 0.0, 0.0"},
  };
  resetUserDefinedTypes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(typeCaption(exchangeTypes(c.kind)[static_cast<std::size_t>(c.row)], c.row), c.caption);
  }
}

TEST(DiabeticExchanges, UserDefinedRowsLiveForTheRunAndStartAtZero) {
  resetUserDefinedTypes();
  exchangeTypes(ExchangeTypeKind::Meat)[kUserDefinedRow].protein = 8.5;
  exchangeTypes(ExchangeTypeKind::Milk)[kUserDefinedRow].kcal = 90;
  EXPECT_EQ(typeCaption(exchangeTypes(ExchangeTypeKind::Meat)[kUserDefinedRow], 0),
            "User: 0.0, 8.5, 0.0, 0.0");
  EXPECT_EQ(typeCaption(exchangeTypes(ExchangeTypeKind::Milk)[kUserDefinedRow], 0),
            "User: 0.0, 0.0, 0.0, 90.0");
  resetUserDefinedTypes();
  EXPECT_EQ(typeCaption(exchangeTypes(ExchangeTypeKind::Meat)[kUserDefinedRow], 0),
            "User: 0.0, 0.0, 0.0, 0.0");
  // The other rows never change.
  EXPECT_EQ(exchangeTypes(ExchangeTypeKind::Milk)[kSheepMilk].kcal, 264);
}

TEST(DiabeticExchanges, TheSeparatorCannotBeChosen) {
  struct Case {
    int row;
    bool choosable;
  };
  const Case cases[] = {{0, true}, {4, true}, {5, false}, {6, true}, {12, true}, {13, false}, {-1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(choosableRow(c.row), c.choosable);
  }
  EXPECT_EQ(exchangeTypes(ExchangeTypeKind::Milk)[kSeparatorRow].name, "--------");
  EXPECT_EQ(exchangeTypes(ExchangeTypeKind::Meat)[kSeparatorRow].name, "--------");
}

}  // namespace
}  // namespace quillion::diabetes
