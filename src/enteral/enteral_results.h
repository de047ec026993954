// The enteral calculators' arithmetic: volume and energy from the delivery inputs, and
// the result rows of the adult and pediatric lists.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "enteral/formula_record.h"

namespace quillion::enteral {

struct Delivery {
  double kcal = 0;
  double totalVolume = 0;  // mL over the delivery period
  double shownVolume = 0;  // the total (volumeMode 0) or the rate per hour (volumeMode 1)
};

// energyPerMl is the formula's kcal per mL (times the dilution for the pediatric tool).
Delivery deliver(double energyPerMl, bool energyMode, int volumeMode, double kcal,
                 double volumeInput, double hours);

// Per-mL multiplier of a serving: 1000 / serving size, or 1.0 when the serving size is
// below 1.0, which is then set to the default in the record.
double perServing(FormulaRecord& formula, float defaultServing);

inline constexpr std::uint32_t kCyan = 0x00FFFF;
inline constexpr std::uint32_t kLightYellow = 0xFFFF7F;

struct ResultRow {
  std::string_view label;
  std::string value;
  std::uint32_t background;
};

inline constexpr int kAdultRowCount = 25;

// The 25 rows of the adult list, in order.
std::vector<ResultRow> adultResultRows(FormulaRecord& formula, double kcal, double totalVolume,
                                       double hours, double weightKg);

inline constexpr int kPedsRowCount = 47;

// The 47 rows of the pediatric list; dilution is the factor d of the chosen dilution.
std::vector<ResultRow> pedsResultRows(FormulaRecord& formula, double kcal, double totalVolume,
                                      double hours, double weightKg, double dilution);

}  // namespace quillion::enteral
