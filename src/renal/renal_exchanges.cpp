#include "renal/renal_exchanges.h"

#include "framework/format.h"

namespace quillion::renal {
namespace {

// kcal, protein, CHO, fat, Na, K, P for one exchange.
constexpr ExchangeValues kVegLowKRow = {25, 1.0f, 5, 0, 15, 70, 20};
constexpr ExchangeValues kVegMediumKRow = {25, 1.0f, 5, 0, 15, 150, 20};
constexpr ExchangeValues kVegHighKRow = {25, 1.0f, 5, 0, 15, 270, 20};
constexpr ExchangeValues kSodiumRow = {0, 0.0f, 0, 0, 250, 0, 0};
constexpr ExchangeValues kNonDairyRow = {140, 0.5f, 12, 10, 40, 80, 30};
constexpr ExchangeValues kMeatRow = {65, 7.0f, 0, 4, 25, 100, 65};
constexpr ExchangeValues kFatRow = {45, 0.0f, 0, 5, 55, 10, 5};
constexpr ExchangeValues kHiCal60 = {60, 0.0f, 15, 0, 15, 20, 5};
constexpr ExchangeValues kHiCal100 = {100, 0.0f, 25, 0, 15, 20, 5};

// The pre-dialysis and dialysis tables differ only in their Hi Cal row, and the
// diabetic tables have theirs the other way round.
constexpr ExchangeTable plainTable(const ExchangeValues& hiCal) {
  return {{
      {120, 4.0f, 12, 6, 80, 185, 110},  // Milk
      kNonDairyRow,
      kMeatRow,
      {90, 2.0f, 18, 1, 80, 35, 35},  // Starch
      kFatRow,
      hiCal,
      kSodiumRow,
      kVegLowKRow,
      kVegMediumKRow,
      kVegHighKRow,
      {70, 0.5f, 17, 0, 0, 70, 15},   // Fruit Low K
      {70, 0.5f, 17, 0, 0, 150, 15},  // Fruit Medium K
      {70, 0.5f, 17, 0, 0, 270, 15},  // Fruit High K
  }};
}

constexpr ExchangeTable diabeticTable(const ExchangeValues& hiCal) {
  return {{
      {100, 4.0f, 8, 5, 80, 185, 110},  // Milk
      kNonDairyRow,
      kMeatRow,
      {80, 2.0f, 15, 1, 80, 35, 35},  // Starch
      kFatRow,
      hiCal,
      kSodiumRow,
      kVegLowKRow,
      kVegMediumKRow,
      kVegHighKRow,
      {60, 0.5f, 15, 0, 0, 70, 15},   // Fruit Low K
      {60, 0.5f, 15, 0, 0, 150, 15},  // Fruit Medium K
      {60, 0.5f, 15, 0, 0, 270, 15},  // Fruit High K
  }};
}

constexpr ExchangeTable kPreDialysis = plainTable(kHiCal60);
constexpr ExchangeTable kPreDialysisDiabetic = diabeticTable(kHiCal100);
constexpr ExchangeTable kDialysis = plainTable(kHiCal100);
constexpr ExchangeTable kDialysisDiabetic = diabeticTable(kHiCal60);

// By diet type: pre-dialysis, its diabetic table, then hemodialysis and peritoneal
// dialysis, each plain and diabetic.
constexpr const ExchangeTable* kTablesByDiet[kDietTypeCount] = {
    &kPreDialysis, &kPreDialysisDiabetic, &kDialysis,
    &kDialysisDiabetic, &kDialysis, &kDialysisDiabetic};

constexpr const char* kSingleExchangeFormat =
    "For each single %s exchange:\r\n\r\nKcal\t%d\r\nPro\t%.1lf g\r\nCho\t%d g\r\nFat\t%d g\r\n"
    "Na\t%d mg\r\nK\t%d mg\r\nP\t%d mg";
constexpr const char* kHbvFormat = "High Biological Value Protein= %.1lfg %.1f%%";
constexpr const char* kHbvTooLowFormat =
    "High Biological Value Protein= %.1lfg %.1f%%\r\n  NOTE: HBV PROTEIN IS TOO LOW";
constexpr const char* kResultsFormat =
    "Kcal =\t%d\t(%.2lf kcal/kg)\r\nProtein =\t%.1f g\t(%.2lf g/kg)\r\n"
    "Protein =\t%.1lf kcal \t%.1lf %% total\r\n%s\r\nCho = \t%d g\t(%.2lf g/kg)\r\n"
    "Cho =\t%d kcal \t%.1lf %% total\r\nFat = \t%d g \t(%.2lf g/kg)\r\n"
    "Fat =\t%d kcal \t%.1lf %% total\r\nK+ = \t%d mg \t(%.2lf mg/kg)\r\n"
    "P = \t%d mg \t(%.2lf mg/kg)\r\nNa = \t%d mg \t(%.2lf mg/kg)";

}  // namespace

const ExchangeTable& exchangeTableForDiet(int dietType) {
  return *kTablesByDiet[dietType >= 0 && dietType < kDietTypeCount ? dietType : 0];
}

int valuesGroupFor(int group, bool potassiumLevels) {
  if (potassiumLevels) return group;
  if (group == kVegLowK) return kVegMediumK;
  if (group == kFruitLowK) return kFruitMediumK;
  return group;
}

RenalTotals renalTotals(const ExchangeTable& table, const ExchangeCounts& counts,
                        bool potassiumLevels) {
  RenalTotals totals;
  for (int group = 0; group < kExchangeGroupCount; ++group) {
    const bool counted = potassiumLevels || group <= kSodium || group == kVegLowK ||
                         group == kFruitLowK;
    if (!counted) continue;
    const int count = counts[static_cast<std::size_t>(group)];
    const ExchangeValues& row = table[static_cast<std::size_t>(valuesGroupFor(group, potassiumLevels))];
    totals.kcal += count * row.kcal;
    totals.protein += static_cast<float>(count) * row.protein;
    totals.carbohydrate += count * row.carbohydrate;
    totals.fat += count * row.fat;
    totals.sodium += count * row.sodium;
    totals.potassium += count * row.potassium;
    totals.phosphorus += count * row.phosphorus;
  }
  totals.highBiologicalValueProtein =
      static_cast<float>(counts[kMilk]) * table[kMilk].protein +
      static_cast<float>(counts[kMeat]) * table[kMeat].protein;
  return totals;
}

std::string singleExchangeText(std::string_view name, const ExchangeValues& values) {
  return framework::formatFields(
      kSingleExchangeFormat,
      {name, values.kcal, static_cast<double>(values.protein), values.carbohydrate, values.fat,
       values.sodium, values.potassium, values.phosphorus});
}

std::string highBiologicalValueLine(const RenalTotals& totals) {
  // The share is worked out in single precision, like the sums it comes from.
  const float share = totals.highBiologicalValueProtein / totals.protein * 100;
  const double grams = totals.highBiologicalValueProtein;
  return framework::formatFields(share < 50 ? kHbvTooLowFormat : kHbvFormat,
                                 {grams, static_cast<double>(share)});
}

std::string renalResultsText(const RenalTotals& totals, double kilograms) {
  const double kcal = totals.kcal;
  const double proteinKcal = static_cast<double>(totals.protein) * 4;
  const int carbohydrateKcal = totals.carbohydrate * 4;
  const int fatKcal = totals.fat * 9;
  return framework::formatFields(
      kResultsFormat,
      {totals.kcal, kcal / kilograms,
       static_cast<double>(totals.protein), static_cast<double>(totals.protein) / kilograms,
       proteinKcal, proteinKcal / kcal * 100,
       highBiologicalValueLine(totals),
       totals.carbohydrate, totals.carbohydrate / kilograms,
       carbohydrateKcal, carbohydrateKcal / kcal * 100,
       totals.fat, totals.fat / kilograms,
       fatKcal, fatKcal / kcal * 100,
       totals.potassium, totals.potassium / kilograms,
       totals.phosphorus, totals.phosphorus / kilograms,
       totals.sodium, totals.sodium / kilograms});
}

}  // namespace quillion::renal
