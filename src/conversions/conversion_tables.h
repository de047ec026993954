// Unit conversion tables: the 18 categories, their units with factors and row formats,
// conversion by factor and by the two temperature formulas.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::conversions {

// How a category converts: by unit factors, or by the temperature formulas.
enum class ConversionKind { ByFactor, Temperature, TemperatureInterval };

// factor is the number of this unit in one base unit of the category (milligram for
// the minerals, joule, meter, gram, liter). Temperature units convert by formula and
// carry no factor (0.0, never divided by).
struct ConversionUnit {
  std::string_view name;
  double factor;
  std::string_view format;
};

struct ConversionCategory {
  std::string_view name;
  ConversionKind kind;
  std::span<const ConversionUnit> units;
};

inline constexpr int kCategoryCount = 18;

// The categories in list order; a category's position is its stored "Cat" value.
extern const std::array<ConversionCategory, kCategoryCount> kConversionCategories;

// Temperature constants, kept as the program has them (not 273.15 nor 459.67).
inline constexpr double kKelvinOffset = 273.16;
inline constexpr double kRankineOffset = 459.6;
// The double nearest to one ninth, multiplied in place of a division by 9.
inline constexpr double kOneNinth = 0.1111111111111111;

// A from-unit position outside the category's list counts as position 0.
int effectiveFromUnit(int category, int fromUnit);

// Row i's value when converting by factor: value / fromFactor * toFactor, divided first.
double convertByFactor(double value, double fromFactor, double toFactor);

// Temperature rows in unit order (Celsius, Fahrenheit, Kelvin, Rankine, Reaumur).
std::array<double, 5> convertTemperature(int fromUnit, double value);
std::array<double, 5> convertTemperatureInterval(int fromUnit, double value);

// The converted value of every unit of the category, in table order. A category
// outside 0..17 has no rows.
std::vector<double> convertedValues(int category, int fromUnit, double value);

struct ConversionRow {
  std::string_view name;
  std::string valueText;
};

// The result list: every unit of the category with its converted value as text.
std::vector<ConversionRow> conversionRows(int category, int fromUnit, double value);

// After a category change the page selects this fixed from-unit position of the new
// category (by category position).
inline constexpr std::array<int, kCategoryCount> kFromUnitAfterCategoryChange = {
    2, 2, 2, 2, 2, 2,  // Calcium .. Potassium
    1,                 // Salt
    2, 2, 2,           // Sodium, Sulfur, Zinc
    10,                // Energy
    8,                 // Length/Height
    5,                 // Mass
    0, 0,              // Temperature, Temperature Interval
    16,                // Volume - wet
    1,                 // Volume - dry
    5,                 // Weight
};

}  // namespace quillion::conversions
