// Diabetic food exchanges: the fixed values of starch, vegetable, fruit and fat
// exchanges, the milk and meat type tables with their "User Defined" rows, and the day's
// energy, macronutrients and fibre.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quillion::diabetes {

// One row of the milk or meat type table: grams of carbohydrate, protein and fat, and
// kcal, for one exchange.
struct ExchangeType {
  std::string_view name;
  double carbohydrate;
  double protein;
  double fat;
  double kcal;
};

inline constexpr int kExchangeTypeCount = 13;
inline constexpr int kUserDefinedRow = 0;
// A row that only separates the common types from the others; it cannot be chosen.
inline constexpr int kSeparatorRow = 5;

enum class ExchangeTypeKind { Milk, Meat };

// The two tables live for the whole run: what is typed into a "User Defined" row holds
// until the program ends (the milk row is also kept in the settings store).
std::span<ExchangeType, kExchangeTypeCount> exchangeTypes(ExchangeTypeKind kind);
// At program start: both "User Defined" rows back to 0.
void resetUserDefinedTypes();

// A row that can be chosen: in the table and not the separator.
bool choosableRow(int row);

// The type button's caption: the row's name, or the "User Defined" row's values.
std::string typeCaption(const ExchangeType& type, int row);

// A day's counts of each exchange group; fractions allowed.
struct DiabeticCounts {
  double fruit = 0;
  double vegetable = 0;
  double milk = 0;
  double starch = 0;
  double meat = 0;
  double fat = 0;
};

struct DiabeticTotals {
  double carbohydrate;
  double protein;
  double fat;
  double kcal;
  double energy;  // 4 x (CHO + protein) + 9 x fat, which the shares are of
  double carbohydrateShare;
  double proteinShare;
  double fatShare;
  double fibreLow;
  double fibreHigh;
};

DiabeticTotals diabeticTotals(const DiabeticCounts& counts, const ExchangeType& milk,
                              const ExchangeType& meat);

std::string diabeticResultsText(const DiabeticTotals& totals);

}  // namespace quillion::diabetes
