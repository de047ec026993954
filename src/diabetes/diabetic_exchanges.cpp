#include "diabetes/diabetic_exchanges.h"

#include "framework/format.h"

namespace quillion::diabetes {
namespace {

using TypeTable = std::array<ExchangeType, kExchangeTypeCount>;

// Name, CHO g, protein g, fat g, kcal.
constexpr TypeTable kMilkTypes = {{
    {"User Defined", 0, 0, 0, 0},
    {"Non-fat Milk, 8oz", 11.9, 8.0, 0.4, 86},
    {"1% Low fat, 8oz", 11.7, 8.0, 2.6, 102},
    {"2% (reduced fat), 8oz", 8.1, 8.1, 4.7, 121},
    {"Whole 3.3% Milk, 8oz", 11.4, 8.0, 8.1, 150},
    {"--------", 0, 0, 0, 0},
    {"Buttermilk, 8oz", 11.7, 8.1, 2.2, 99},
    {"Yogurt, plain, 8oz", 10.6, 7.9, 7.4, 139},
    {"Yogurt, Low-Fat, plain, 8oz", 15.0, 11.0, 3.0, 130},
    {"Dry Milk, 1/4c", 12.3, 8.4, 8.5, 159},
    {"Soy Milk, plain, 8oz", 4.3, 6.6, 4.6, 79},
    {"Goat Milk, 8oz", 10.9, 8.7, 10.1, 168},
    {"Sheep Milk, 8oz", 13.1, 14.7, 17.2, 264},
}};

constexpr TypeTable kMeatTypes = {{
    {"User Defined", 0, 0, 0, 0},
    {"Very Lean (1oz)", 0, 7, 1, 35},
    {"Lean (1oz)", 0, 7, 3, 55},
    {"Medium Fat (1oz)", 0, 7, 5, 75},
    {"High Fat (1oz)", 0, 7, 8, 100},
    {"--------", 0, 0, 0, 0},
    {"Peas (1/2c)", 15, 10, 2, 115},
    {"Beans (1/2c)", 15, 10, 2, 115},
    {"Lentils (1/2c)", 15, 10, 2, 115},
    {"Tofu (1/2c)", 0, 7, 5, 75},
    {"Soymilk (1c)", 0, 7, 5, 75},
    {"Tempeh (1/4c)", 0, 7, 5, 75},
    {"Egg (1)", 0, 7, 5, 75},
}};

TypeTable milkTypes = kMilkTypes;
TypeTable meatTypes = kMeatTypes;

constexpr const char* kUserCaptionFormat = "User: %.1lf, %.1lf, %.1lf, %.1lf";
constexpr const char* kResultsFormat =
    "KCal = \t\t%.0lf kCal\r\nCarbohydrate =\t%.1lf g\t%.1lf %%\r\n"
    "Protein =\t\t%.1lf g\t%.1lf %%\r\nFat =\t\t%.1lf g\t%.1lf %%\r\n"
    "Approximate Grams of Fiber/day  %.1lf - %.1lf";

}  // namespace

std::span<ExchangeType, kExchangeTypeCount> exchangeTypes(ExchangeTypeKind kind) {
  return kind == ExchangeTypeKind::Milk ? std::span<ExchangeType, kExchangeTypeCount>(milkTypes)
                                        : std::span<ExchangeType, kExchangeTypeCount>(meatTypes);
}

void resetUserDefinedTypes() {
  milkTypes[kUserDefinedRow] = kMilkTypes[kUserDefinedRow];
  meatTypes[kUserDefinedRow] = kMeatTypes[kUserDefinedRow];
}

bool choosableRow(int row) { return row >= 0 && row < kExchangeTypeCount && row != kSeparatorRow; }

std::string typeCaption(const ExchangeType& type, int row) {
  if (row != kUserDefinedRow) return std::string(type.name);
  return framework::formatValues(kUserCaptionFormat,
                                 {type.carbohydrate, type.protein, type.fat, type.kcal});
}

DiabeticTotals diabeticTotals(const DiabeticCounts& c, const ExchangeType& m,
                              const ExchangeType& t) {
  DiabeticTotals r{};
  r.carbohydrate =
      t.carbohydrate * c.meat + m.carbohydrate * c.milk + 5 * c.vegetable + 15 * (c.fruit + c.starch);
  r.protein = t.protein * c.meat + m.protein * c.milk + 2 * c.vegetable + 3 * c.starch;
  r.fat = t.fat * c.meat + m.fat * c.milk + 5 * c.fat + 1 * c.starch;
  r.kcal = t.kcal * c.meat + m.kcal * c.milk + 45 * c.fat + 25 * c.vegetable + 60 * c.fruit +
           80 * c.starch;
  // The shares are of the energy the three macronutrients give, not of the kcal above.
  r.energy = 4 * (r.carbohydrate + r.protein) + 9 * r.fat;
  r.carbohydrateShare = 4 * r.carbohydrate / r.energy * 100;
  r.proteinShare = 4 * r.protein / r.energy * 100;
  r.fatShare = 9 * r.fat / r.energy * 100;
  r.fibreLow = 2 * (c.vegetable + c.fruit) + 1.5 * c.starch;
  r.fibreHigh = 3 * c.vegetable + 2 * (c.fruit + c.starch);
  return r;
}

std::string diabeticResultsText(const DiabeticTotals& r) {
  return framework::formatValues(
      kResultsFormat, {r.kcal, r.carbohydrate, r.carbohydrateShare, r.protein, r.proteinShare,
                       r.fat, r.fatShare, r.fibreLow, r.fibreHigh});
}

}  // namespace quillion::diabetes
