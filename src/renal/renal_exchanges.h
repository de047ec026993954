// Renal food exchanges: the 13 groups, the per-exchange values of the four tables the
// six diet types choose from, and the day's totals and results text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillion::renal {

// The groups, in the order of every table and loop.
enum ExchangeGroupIndex {
  kMilk, kNonDairy, kMeat, kStarch, kFat, kHiCal, kSodium,
  kVegLowK, kVegMediumK, kVegHighK, kFruitLowK, kFruitMediumK, kFruitHighK,
  kExchangeGroupCount
};

struct ExchangeGroup {
  std::string_view key;    // settings store key of the group's count
  std::string_view name;   // in the single-exchange message
  std::string_view label;  // the form's label
};

inline constexpr std::array<ExchangeGroup, kExchangeGroupCount> kExchangeGroups = {{
    {"MLK", "Milk", "&Milk"},
    {"ND", "NonDairy", "&nonDairy"},
    {"MT", "Meat", "&Meat"},
    {"Str", "Starch", "&Starch"},
    {"Fat", "Fat", "&Fat"},
    {"HC", "Hi Cal", "&Hi Cal"},
    {"S", "Sodium", "&Sodium"},
    {"VLK", "Vegetable Low K", "&Veg lo K"},
    {"VMK", "Vegetable Medium K", "&Veg m K"},
    {"VHK", "Vegetable High K", "&Veg hi K"},
    {"FLK", "Fruit Low K", "&Fruit lo K"},
    {"FMK", "Fruit Medium K", "&Fruit m K"},
    {"FHK", "Fruit High K", "&Fruit hi K"},
}};

// Without the potassium restriction the low-potassium counts stand for all vegetables
// and all fruits, shown and counted as the medium-potassium exchanges.
inline constexpr std::string_view kVegLabel = "&Veg";
inline constexpr std::string_view kFruitLabel = "&Fruit";
inline constexpr std::string_view kVegName = "Vegetable";
inline constexpr std::string_view kFruitName = "Fruit";

// One exchange of a group. Protein is a single-precision value; the others are whole.
struct ExchangeValues {
  int kcal;
  float protein;  // g
  int carbohydrate;  // g
  int fat;  // g
  int sodium;  // mg
  int potassium;  // mg
  int phosphorus;  // mg
};

using ExchangeTable = std::array<ExchangeValues, kExchangeGroupCount>;

inline constexpr int kDietTypeCount = 6;
inline constexpr std::array<std::string_view, kDietTypeCount> kDietTypes = {
    "CRF Pre-Dialysis",
    "CRF Pre-Dialysis w/Diabetes Mellitus",
    "Hemodialysis",
    "Hemodialysis w/Diabetes Mellitus",
    "Peritoneal Dialysis",
    "Peritoneal Dialysis w/Diabetes Mellitus",
};

// The table a diet type (0 to 5) uses.
const ExchangeTable& exchangeTableForDiet(int dietType);

// The day's counts, one per group in group order.
using ExchangeCounts = std::array<int, kExchangeGroupCount>;

struct RenalTotals {
  int kcal = 0;
  float protein = 0;  // summed in single precision
  int carbohydrate = 0;
  int fat = 0;
  int sodium = 0;
  int potassium = 0;
  int phosphorus = 0;
  float highBiologicalValueProtein = 0;  // milk and meat protein
};

// The group whose values one count is multiplied by: with the potassium restriction
// every group's own; without it the low-potassium vegetable and fruit counts take the
// medium-potassium rows.
int valuesGroupFor(int group, bool potassiumLevels);

// Every count times its group's values: all 13 groups with potassium levels, otherwise
// groups 0 to 6 and the vegetable and fruit counts.
RenalTotals renalTotals(const ExchangeTable& table, const ExchangeCounts& counts,
                        bool potassiumLevels);

// "For each single Milk exchange: ..." for the message shown when a label is tapped.
std::string singleExchangeText(std::string_view name, const ExchangeValues& values);

// The high-biological-value protein line, with its note when the share is below 50 %.
std::string highBiologicalValueLine(const RenalTotals& totals);

// The results text for a weight in kilograms.
std::string renalResultsText(const RenalTotals& totals, double kilograms);

}  // namespace quillion::renal
