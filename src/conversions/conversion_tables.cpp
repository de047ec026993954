// Unit conversion tables and conversion arithmetic.
#include "conversions/conversion_tables.h"

#include <cstddef>

#include "framework/format.h"

namespace quillion::conversions {
namespace {

constexpr std::string_view kSixDecimals = "%.6lf";
constexpr std::string_view kTemperatureFormat = "%.2lf";

// The mineral unit names carry blanks that align them in the list.
constexpr std::string_view kGram = "g    (gram)";
constexpr std::string_view kMilliEquivalents = "mEq  (milliEquivalents)";
constexpr std::string_view kMilligram = "mg   (milligram)";
constexpr std::string_view kMillimoles = "mmol (millimoles)";

// Factors per milligram; mEq and mmol are the double nearest to valence / atomic weight
// and 1 / atomic weight, written as literals.
constexpr std::array<ConversionUnit, 4> mineralUnits(double milliEquivalents,
                                                     double millimoles) {
  return {{
      {kGram, 0.001, kSixDecimals},
      {kMilliEquivalents, milliEquivalents, kSixDecimals},
      {kMilligram, 1.0, kSixDecimals},
      {kMillimoles, millimoles, kSixDecimals},
  }};
}

constexpr auto kCalciumUnits = mineralUnits(0.04987531172069825, 0.024937655860349125);
constexpr auto kChlorideUnits = mineralUnits(0.028169014084507043, 0.028169014084507043);
constexpr auto kChlorineUnits = mineralUnits(0.028169014084507043, 0.028169014084507043);
constexpr auto kMagnesiumUnits = mineralUnits(0.0823045267489712, 0.0411522633744856);
constexpr auto kPhosphorusUnits = mineralUnits(0.06451612903225806, 0.03225806451612903);
constexpr auto kPotassiumUnits = mineralUnits(0.02564102564102564, 0.02564102564102564);
constexpr auto kSulfurUnits = mineralUnits(0.06230529595015576, 0.03115264797507788);
constexpr auto kZincUnits = mineralUnits(0.030581039755351678, 0.015290519877675839);

constexpr std::array<ConversionUnit, 6> kSaltUnits = {{
    {kGram, 0.001, kSixDecimals},
    {kMilligram, 1.0, kSixDecimals},
    {"Sodium g (gram)", 0.0004, kSixDecimals},
    {"Sodium mg (milligram)", 0.4, kSixDecimals},
    {"tablespoon (US)", 5.555555555555556e-05, kSixDecimals},  // 1/18000
    {"teaspoon (US)", 0.00016666666666666666, kSixDecimals},   // 1/6000
}};

constexpr std::array<ConversionUnit, 8> kSodiumUnits = {{
    {kGram, 0.001, kSixDecimals},
    {kMilliEquivalents, 0.043478260869565216, kSixDecimals},  // 1/23
    {kMilligram, 1.0, kSixDecimals},
    {kMillimoles, 0.043478260869565216, kSixDecimals},  // 1/23
    {"Salt g (gram)", 0.0025, kSixDecimals},
    {"Salt mg (milligram)", 2.5, kSixDecimals},
    {"Salt tablespoon (US)", 0.0001388888888888889, kSixDecimals},  // 2.5/18000
    {"Salt teaspoon (US)", 0.0004166666666666667, kSixDecimals},    // 2.5/6000
}};

// Per joule.
constexpr std::array<ConversionUnit, 22> kEnergyUnits = {{
    {"BTU (int. nat. table)", 0.0009478171203, kSixDecimals},
    {"BTU (thermochemical)", 0.0009484516527, kSixDecimals},
    {"calorie (int. nat. table)", 0.2388458966, kSixDecimals},
    {"calorie (nutritional)", 0.0002388458966, kSixDecimals},
    {"calorie (thermochemical)", 0.2390057361, kSixDecimals},
    {"erg", 10000000, "%.1lf"},
    {"foot-pound", 0.7375621493, kSixDecimals},
    {"gram force-meter", 101.9716213, kSixDecimals},
    {"inch-ounch", 141.6119327, kSixDecimals},
    {"inch-pound", 8.850745792, kSixDecimals},
    {"joule", 1, kSixDecimals},
    {"kilocalorie (int. nat. table)", 0.0002388458966, kSixDecimals},
    {"kilocalorie (thermochemical)", 0.0002390057361, kSixDecimals},
    {"kilojoule", 0.001, kSixDecimals},
    {"kilowatt-hour", 2.777777778e-07, kSixDecimals},
    {"MBTU", 9.478171203e-07, kSixDecimals},
    {"megajoule", 1e-06, kSixDecimals},
    {"microjoule", 1000000, "%.1lf"},
    {"millijoule", 1000, kSixDecimals},
    {"newton-meter", 1, kSixDecimals},
    {"watt-hour", 0.0002777777778, kSixDecimals},
    {"watt-second", 1, kSixDecimals},
}};

// Per meter.
constexpr std::array<ConversionUnit, 13> kLengthUnits = {{
    {"centimeter", 100, kSixDecimals},
    {"decimeter", 10, kSixDecimals},
    {"foot", 3.280839895, kSixDecimals},
    {"inch", 39.37007874, kSixDecimals},
    {"kilometer", 0.001, kSixDecimals},
    {"meter", 1, kSixDecimals},
    {"micrometer", 1000000, kSixDecimals},
    {"mil", 39370.07874, kSixDecimals},
    {"mile", 0.0006213711922, kSixDecimals},
    {"millimeter", 1000, "%.2lf"},
    {"nanometer", 1000000000, kSixDecimals},
    {"nautical mile", 0.0005399568035, kSixDecimals},
    {"yard", 1.093613298, kSixDecimals},
}};

// Per gram; shared by "Mass" and "Weight".
constexpr std::array<ConversionUnit, 9> kMassUnits = {{
    {"centigram", 100, kSixDecimals},
    {"decigram", 10, kSixDecimals},
    {"dekagram", 0.1, kSixDecimals},
    {"gram", 1, kSixDecimals},
    {"kilogram", 0.001, kSixDecimals},
    {"microgram", 1000000, kSixDecimals},
    {"milligram", 1000, kSixDecimals},
    {"ounce", 0.03527396195, kSixDecimals},
    {"pound", 0.002204622622, "%.3lf"},
}};

// Per liter. Kitchen utensils hold their nominal capacities: a scoop numbered N holds
// 1/N US quart (N x 1.056688209 per liter), a ladle of N oz holds N US fluid ounces
// (33.8140227 / N per liter). The products are written out as exact decimals. Unit names
// stay as the list has always shown them ("ladel" among them).
constexpr std::array<ConversionUnit, 43> kWetVolumeUnits = {{
    {"cc", 1000, kSixDecimals},
    {"ccf", 0.0003531466672, kSixDecimals},
    {"centiliter", 100, kSixDecimals},
    {"centimeter-cubic", 1000, kSixDecimals},
    {"cup (UK)", 3.519507754, kSixDecimals},
    {"cup (US)", 4.226752838, kSixDecimals},
    {"deciliter", 10, kSixDecimals},
    {"decistere", 0.01, kSixDecimals},
    {"dekaliter", 0.1, kSixDecimals},
    {"dekastere", 0.0001, kSixDecimals},
    {"drop", 20000, kSixDecimals},
    {"foot-cubed", 0.03531466672, kSixDecimals},
    {"gallon (UK)", 0.2199692347, kSixDecimals},
    {"gallon (US)", 0.2641720524, kSixDecimals},
    {"hectoliter", 0.01, kSixDecimals},
    {"inch-cubed", 61.02374409, kSixDecimals},
    {"ladel 1 oz", 33.8140227, kSixDecimals},
    {"ladel 2 oz", 16.90701135, kSixDecimals},
    {"ladel 4 oz", 8.453505675, kSixDecimals},
    {"ladel 6 oz", 5.63567045, kSixDecimals},
    {"ladel 8 oz", 4.2267528375, kSixDecimals},
    {"liter", 1, kSixDecimals},
    {"meter-cubed", 0.001, kSixDecimals},
    {"milliliter", 1000, kSixDecimals},
    {"ounce (UK)", 35.19507754, kSixDecimals},
    {"ounce (US)", 33.8140227, kSixDecimals},
    {"pint (UK)", 1.759753877, kSixDecimals},
    {"pint (US)", 2.113376419, kSixDecimals},
    {"quart (UK)", 0.8798769386, kSixDecimals},
    {"quart (US)", 1.056688209, kSixDecimals},
    {"scoop #6", 6.340129254, kSixDecimals},
    {"scoop #8", 8.453505672, kSixDecimals},
    {"scoop #10", 10.56688209, kSixDecimals},
    {"scoop #12", 12.680258508, kSixDecimals},
    {"scoop #16", 16.907011344, kSixDecimals},
    {"scoop #20", 21.13376418, kSixDecimals},
    {"scoop #30", 31.70064627, kSixDecimals},
    {"stere", 0.001, kSixDecimals},
    {"tablespoon (UK)", 56.31212407, kSixDecimals},
    {"tablespoon (US)", 67.6280454, kSixDecimals},
    {"teaspoon (UK)", 168.9363722, kSixDecimals},
    {"teaspoon (US)", 202.8841362, kSixDecimals},
    {"yard-cubed", 0.001307950619, kSixDecimals},
}};

// Per liter; the ladles and scoops have the same factors as the wet volumes.
constexpr std::array<ConversionUnit, 18> kDryVolumeUnits = {{
    {"bushel", 0.02837759326, kSixDecimals},
    {"cup (US)", 4.226752838, kSixDecimals},
    {"ladel 1 oz", 33.8140227, kSixDecimals},
    {"ladel 2 oz", 16.90701135, kSixDecimals},
    {"ladel 4 oz", 8.453505675, kSixDecimals},
    {"ladel 6 oz", 5.63567045, kSixDecimals},
    {"ladel 8 oz", 4.2267528375, kSixDecimals},
    {"liter", 1, kSixDecimals},
    {"peck", 0.113510373, kSixDecimals},
    {"pint", 1.816165968, kSixDecimals},
    {"quart", 0.9080829842, kSixDecimals},
    {"scoop #6", 6.340129254, kSixDecimals},
    {"scoop #8", 8.453505672, kSixDecimals},
    {"scoop #10", 10.56688209, kSixDecimals},
    {"scoop #12", 12.680258508, kSixDecimals},
    {"scoop #16", 16.907011344, kSixDecimals},
    {"scoop #20", 21.13376418, kSixDecimals},
    {"scoop #30", 31.70064627, kSixDecimals},
}};

constexpr std::array<ConversionUnit, 5> kTemperatureUnits = {{
    {"Celsius", 0.0, kTemperatureFormat},
    {"Fahrenheit", 0.0, kTemperatureFormat},
    {"Kelvin", 0.0, kTemperatureFormat},
    {"Rankine", 0.0, kTemperatureFormat},
    {"Reaumur", 0.0, kTemperatureFormat},
}};

enum TemperatureUnit { kCelsius, kFahrenheit, kKelvin, kRankine, kReaumur };

const ConversionCategory* categoryAt(int category) {
  if (category < 0 || category >= kCategoryCount) return nullptr;
  return &kConversionCategories[static_cast<std::size_t>(category)];
}

}  // namespace

const std::array<ConversionCategory, kCategoryCount> kConversionCategories = {{
    {"Calcium", ConversionKind::ByFactor, kCalciumUnits},
    {"Chloride", ConversionKind::ByFactor, kChlorideUnits},
    {"Chlorine", ConversionKind::ByFactor, kChlorineUnits},
    {"Magnesium", ConversionKind::ByFactor, kMagnesiumUnits},
    {"Phosphorus", ConversionKind::ByFactor, kPhosphorusUnits},
    {"Potassium", ConversionKind::ByFactor, kPotassiumUnits},
    {"Salt", ConversionKind::ByFactor, kSaltUnits},
    {"Sodium", ConversionKind::ByFactor, kSodiumUnits},
    {"Sulfur", ConversionKind::ByFactor, kSulfurUnits},
    {"Zinc", ConversionKind::ByFactor, kZincUnits},
    {"Energy", ConversionKind::ByFactor, kEnergyUnits},
    {"Length/Height", ConversionKind::ByFactor, kLengthUnits},
    {"Mass", ConversionKind::ByFactor, kMassUnits},
    {"Temperature", ConversionKind::Temperature, kTemperatureUnits},
    {"Temperature Interval", ConversionKind::TemperatureInterval, kTemperatureUnits},
    {"Volume - wet", ConversionKind::ByFactor, kWetVolumeUnits},
    {"Volume - dry", ConversionKind::ByFactor, kDryVolumeUnits},
    {"Weight", ConversionKind::ByFactor, kMassUnits},
}};

int effectiveFromUnit(int category, int fromUnit) {
  const ConversionCategory* entry = categoryAt(category);
  if (entry == nullptr || fromUnit < 0 || static_cast<std::size_t>(fromUnit) >= entry->units.size())
    return 0;
  return fromUnit;
}

double convertByFactor(double value, double fromFactor, double toFactor) {
  return value / fromFactor * toFactor;
}

// The evaluation orders below are the program's own; results depend on them in the
// last digits.
std::array<double, 5> convertTemperature(int fromUnit, double value) {
  double c = value;
  switch (fromUnit) {
    case kFahrenheit:
      c = (value - 32) * 5 * kOneNinth;
      break;
    case kKelvin:
      c = value - kKelvinOffset;
      break;
    case kRankine:
      c = (value - 32 - kRankineOffset) * 5 * kOneNinth;
      break;
    case kReaumur:
      c = value * 5 * 0.25;
      break;
    default:
      break;
  }
  double fahrenheit = c * 9 * 0.2 + 32;
  return {c, fahrenheit, c + kKelvinOffset, fahrenheit + kRankineOffset, c * 4 * 0.2};
}

std::array<double, 5> convertTemperatureInterval(int fromUnit, double value) {
  double c = value;
  switch (fromUnit) {
    case kFahrenheit:
    case kRankine:
      c = value * 5 * kOneNinth;
      break;
    case kReaumur:
      c = value * 5 * 0.25;
      break;
    default:
      break;
  }
  return {c, c * 9 * 0.2, c, c * 9 * 0.2, c * 4 * 0.2};
}

std::vector<double> convertedValues(int category, int fromUnit, double value) {
  const ConversionCategory* entry = categoryAt(category);
  if (entry == nullptr) return {};
  int from = effectiveFromUnit(category, fromUnit);
  switch (entry->kind) {
    case ConversionKind::Temperature: {
      std::array<double, 5> rows = convertTemperature(from, value);
      return {rows.begin(), rows.end()};
    }
    case ConversionKind::TemperatureInterval: {
      std::array<double, 5> rows = convertTemperatureInterval(from, value);
      return {rows.begin(), rows.end()};
    }
    case ConversionKind::ByFactor:
      break;
  }
  double fromFactor = entry->units[static_cast<std::size_t>(from)].factor;
  std::vector<double> values;
  values.reserve(entry->units.size());
  for (const ConversionUnit& unit : entry->units) {
    values.push_back(convertByFactor(value, fromFactor, unit.factor));
  }
  return values;
}

std::vector<ConversionRow> conversionRows(int category, int fromUnit, double value) {
  std::vector<double> values = convertedValues(category, fromUnit, value);
  std::vector<ConversionRow> rows;
  if (values.empty()) return rows;
  const ConversionCategory& entry = kConversionCategories[static_cast<std::size_t>(category)];
  rows.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    rows.push_back({entry.units[i].name, framework::formatValue(entry.units[i].format, values[i])});
  }
  return rows;
}

}  // namespace quillion::conversions
