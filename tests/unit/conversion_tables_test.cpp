// Unit conversion tables and conversions: the vocabulary as listed, conversion by factor,
// the two temperature categories and the from-unit rules.
#include "conversions/conversion_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::conversions {
namespace {

// Category positions used below.
constexpr int kCalcium = 0;
constexpr int kChloride = 1;
constexpr int kSalt = 6;
constexpr int kEnergy = 10;
constexpr int kLength = 11;
constexpr int kTemperature = 13;
constexpr int kTemperatureInterval = 14;
constexpr int kVolumeWet = 15;
constexpr int kVolumeDry = 16;
constexpr int kWeight = 17;

struct ExpectedUnit {
  std::string_view name;
  double factor;
};

struct ExpectedCategory {
  std::string_view name;
  std::vector<ExpectedUnit> units;
};

std::vector<ExpectedUnit> minerals(double mEq, double mmol) {
  return {{"g    (gram)", 0.001},
          {"mEq  (milliEquivalents)", mEq},
          {"mg   (milligram)", 1.0},
          {"mmol (millimoles)", mmol}};
}

const std::vector<ExpectedUnit>& massUnits() {
  static const std::vector<ExpectedUnit> units = {
      {"centigram", 100}, {"decigram", 10},        {"dekagram", 0.1},
      {"gram", 1},        {"kilogram", 0.001},     {"microgram", 1000000},
      {"milligram", 1000}, {"ounce", 0.03527396195}, {"pound", 0.002204622622},
  };
  return units;
}

const std::vector<ExpectedUnit>& temperatureUnits() {
  static const std::vector<ExpectedUnit> units = {
      {"Celsius", 0}, {"Fahrenheit", 0}, {"Kelvin", 0}, {"Rankine", 0}, {"Reaumur", 0}};
  return units;
}

// Transcribed from the program's unit lists; the kitchen scoops and ladles hold their nominal
// capacities (checked against milliliters below). Temperature units have no factor (0 here,
// not compared).
const std::vector<ExpectedCategory>& expectedCategories() {
  static const std::vector<ExpectedCategory> categories = {
      {"Calcium", minerals(0.04987531172069825, 0.024937655860349125)},
      {"Chloride", minerals(0.028169014084507043, 0.028169014084507043)},
      {"Chlorine", minerals(0.028169014084507043, 0.028169014084507043)},
      {"Magnesium", minerals(0.0823045267489712, 0.0411522633744856)},
      {"Phosphorus", minerals(0.06451612903225806, 0.03225806451612903)},
      {"Potassium", minerals(0.02564102564102564, 0.02564102564102564)},
      {"Salt",
       {{"g    (gram)", 0.001},
        {"mg   (milligram)", 1.0},
        {"Sodium g (gram)", 0.0004},
        {"Sodium mg (milligram)", 0.4},
        {"tablespoon (US)", 5.555555555555556e-05},
        {"teaspoon (US)", 0.00016666666666666666}}},
      {"Sodium",
       {{"g    (gram)", 0.001},
        {"mEq  (milliEquivalents)", 1.0 / 23.0},
        {"mg   (milligram)", 1.0},
        {"mmol (millimoles)", 1.0 / 23.0},
        {"Salt g (gram)", 0.0025},
        {"Salt mg (milligram)", 2.5},
        {"Salt tablespoon (US)", 0.0001388888888888889},
        {"Salt teaspoon (US)", 0.0004166666666666667}}},
      {"Sulfur", minerals(0.06230529595015576, 0.03115264797507788)},
      {"Zinc", minerals(0.030581039755351678, 0.015290519877675839)},
      {"Energy",
       {{"BTU (int. nat. table)", 0.0009478171203},
        {"BTU (thermochemical)", 0.0009484516527},
        {"calorie (int. nat. table)", 0.2388458966},
        {"calorie (nutritional)", 0.0002388458966},
        {"calorie (thermochemical)", 0.2390057361},
        {"erg", 10000000},
        {"foot-pound", 0.7375621493},
        {"gram force-meter", 101.9716213},
        {"inch-ounch", 141.6119327},
        {"inch-pound", 8.850745792},
        {"joule", 1},
        {"kilocalorie (int. nat. table)", 0.0002388458966},
        {"kilocalorie (thermochemical)", 0.0002390057361},
        {"kilojoule", 0.001},
        {"kilowatt-hour", 2.777777778e-07},
        {"MBTU", 9.478171203e-07},
        {"megajoule", 1e-06},
        {"microjoule", 1000000},
        {"millijoule", 1000},
        {"newton-meter", 1},
        {"watt-hour", 0.0002777777778},
        {"watt-second", 1}}},
      {"Length/Height",
       {{"centimeter", 100},
        {"decimeter", 10},
        {"foot", 3.280839895},
        {"inch", 39.37007874},
        {"kilometer", 0.001},
        {"meter", 1},
        {"micrometer", 1000000},
        {"mil", 39370.07874},
        {"mile", 0.0006213711922},
        {"millimeter", 1000},
        {"nanometer", 1000000000},
        {"nautical mile", 0.0005399568035},
        {"yard", 1.093613298}}},
      {"Mass", massUnits()},
      {"Temperature", temperatureUnits()},
      {"Temperature Interval", temperatureUnits()},
      {"Volume - wet",
       {{"cc", 1000},
        {"ccf", 0.0003531466672},
        {"centiliter", 100},
        {"centimeter-cubic", 1000},
        {"cup (UK)", 3.519507754},
        {"cup (US)", 4.226752838},
        {"deciliter", 10},
        {"decistere", 0.01},
        {"dekaliter", 0.1},
        {"dekastere", 0.0001},
        {"drop", 20000},
        {"foot-cubed", 0.03531466672},
        {"gallon (UK)", 0.2199692347},
        {"gallon (US)", 0.2641720524},
        {"hectoliter", 0.01},
        {"inch-cubed", 61.02374409},
        {"ladel 1 oz", 33.8140227},
        {"ladel 2 oz", 16.90701135},
        {"ladel 4 oz", 8.453505675},
        {"ladel 6 oz", 5.63567045},
        {"ladel 8 oz", 4.2267528375},
        {"liter", 1},
        {"meter-cubed", 0.001},
        {"milliliter", 1000},
        {"ounce (UK)", 35.19507754},
        {"ounce (US)", 33.8140227},
        {"pint (UK)", 1.759753877},
        {"pint (US)", 2.113376419},
        {"quart (UK)", 0.8798769386},
        {"quart (US)", 1.056688209},
        {"scoop #6", 6.340129254},
        {"scoop #8", 8.453505672},
        {"scoop #10", 10.56688209},
        {"scoop #12", 12.680258508},
        {"scoop #16", 16.907011344},
        {"scoop #20", 21.13376418},
        {"scoop #30", 31.70064627},
        {"stere", 0.001},
        {"tablespoon (UK)", 56.31212407},
        {"tablespoon (US)", 67.6280454},
        {"teaspoon (UK)", 168.9363722},
        {"teaspoon (US)", 202.8841362},
        {"yard-cubed", 0.001307950619}}},
      {"Volume - dry",
       {{"bushel", 0.02837759326},
        {"cup (US)", 4.226752838},
        {"ladel 1 oz", 33.8140227},
        {"ladel 2 oz", 16.90701135},
        {"ladel 4 oz", 8.453505675},
        {"ladel 6 oz", 5.63567045},
        {"ladel 8 oz", 4.2267528375},
        {"liter", 1},
        {"peck", 0.113510373},
        {"pint", 1.816165968},
        {"quart", 0.9080829842},
        {"scoop #6", 6.340129254},
        {"scoop #8", 8.453505672},
        {"scoop #10", 10.56688209},
        {"scoop #12", 12.680258508},
        {"scoop #16", 16.907011344},
        {"scoop #20", 21.13376418},
        {"scoop #30", 31.70064627}}},
      {"Weight", massUnits()},
  };
  return categories;
}

// "%.6lf" for every factor row but these; "%.2lf" for every temperature row.
std::string_view expectedFormat(std::string_view category, std::string_view unit) {
  if (category == "Temperature" || category == "Temperature Interval") return "%.2lf";
  if (category == "Energy" && (unit == "erg" || unit == "microjoule")) return "%.1lf";
  if (category == "Length/Height" && unit == "millimeter") return "%.2lf";
  if ((category == "Mass" || category == "Weight") && unit == "pound") return "%.3lf";
  return "%.6lf";
}

TEST(ConversionTablesTest, CategoriesAndUnitsAsListed) {
  const auto& expected = expectedCategories();
  ASSERT_EQ(expected.size(), 18u);
  ASSERT_EQ(kConversionCategories.size(), expected.size());
  for (std::size_t c = 0; c < expected.size(); ++c) {
    const ConversionCategory& category = kConversionCategories[c];
    SCOPED_TRACE(expected[c].name);
    EXPECT_EQ(category.name, expected[c].name);
    ASSERT_EQ(category.units.size(), expected[c].units.size());
    bool temperature = category.kind != ConversionKind::ByFactor;
    EXPECT_EQ(temperature, expected[c].name == "Temperature" ||
                               expected[c].name == "Temperature Interval");
    for (std::size_t u = 0; u < category.units.size(); ++u) {
      SCOPED_TRACE(expected[c].units[u].name);
      EXPECT_EQ(category.units[u].name, expected[c].units[u].name);
      if (!temperature) {
        EXPECT_EQ(category.units[u].factor, expected[c].units[u].factor);
      }
      EXPECT_EQ(category.units[u].format,
                expectedFormat(expected[c].name, expected[c].units[u].name));
    }
  }
  EXPECT_EQ(kConversionCategories[kTemperature].kind, ConversionKind::Temperature);
  EXPECT_EQ(kConversionCategories[kTemperatureInterval].kind,
            ConversionKind::TemperatureInterval);
}

TEST(ConversionTablesTest, TemperatureConstants) {
  EXPECT_EQ(kKelvinOffset, 273.16);
  EXPECT_EQ(kRankineOffset, 459.6);
  EXPECT_EQ(kOneNinth, 1.0 / 9.0);  // the double nearest one ninth
}

struct RowsCase {
  std::string_view name;
  int category;
  int fromUnit;
  double value;
  std::vector<std::string_view> texts;  // every row's value text, in unit order
};

// Expected texts worked out by hand or apart from this code.
const std::vector<RowsCase>& rowsCases() {
  static const std::vector<RowsCase> cases = {
      {"first run: Chloride from mEq", kChloride, 1, 1.0,
       {"0.035500", "1.000000", "35.500000", "1.000000"}},
      {"Chloride from gram", kChloride, 0, 1.0,
       {"1.000000", "28.169014", "1000.000000", "28.169014"}},
      {"from unit past the list counts as the first", kChloride, 4, 1.0,
       {"1.000000", "28.169014", "1000.000000", "28.169014"}},
      {"negative from unit counts as the first", kChloride, -1, 1.0,
       {"1.000000", "28.169014", "1000.000000", "28.169014"}},
      {"Salt from teaspoon", kSalt, 5, 1.0,
       {"6.000000", "6000.000000", "2.400000", "2400.000000", "0.333333", "1.000000"}},
      {"Energy from kilocalorie (int. nat. table)", kEnergy, 11, 1.0,
       {"3.968321", "3.970977", "1000.000000", "1.000000", "1000.669216", "41868000004.8",
        "3088.025207", "426934.784108", "592900.839897", "37056.302486", "4186.800000",
        "1.000000", "1.000669", "4.186800", "0.001163", "0.003968", "0.004187",
        "4186800000.5", "4186800.000482", "4186.800000", "1.163000", "4186.800000"}},
      {"Length from 12 inches", kLength, 3, 12.0,
       {"30.480000", "3.048000", "1.000000", "12.000000", "0.000305", "0.304800",
        "304800.000001", "12000.000000", "0.000189", "304.80", "304800000.001219", "0.000165",
        "0.333333"}},
      {"Weight from kilogram", kWeight, 4, 1.0,
       {"100000.000000", "10000.000000", "100.000000", "1000.000000", "1.000000",
        "1000000000.000000", "1000000.000000", "35.273962", "2.205"}},
      {"Temperature from 100 Celsius", kTemperature, 0, 100,
       {"100.00", "212.00", "373.16", "671.60", "80.00"}},
      {"Temperature from 212 Fahrenheit", kTemperature, 1, 212,
       {"100.00", "212.00", "373.16", "671.60", "80.00"}},
      {"Temperature from 0 Kelvin", kTemperature, 2, 0,
       {"-273.16", "-459.69", "0.00", "-0.09", "-218.53"}},
      {"Temperature from 491.6 Rankine", kTemperature, 3, 491.6,
       {"0.00", "32.00", "273.16", "491.60", "0.00"}},
      {"Temperature from 80 Reaumur", kTemperature, 4, 80,
       {"100.00", "212.00", "373.16", "671.60", "80.00"}},
      {"Temperature from -40 Celsius", kTemperature, 0, -40,
       {"-40.00", "-40.00", "233.16", "419.60", "-32.00"}},
      {"Temperature from 98.6 Fahrenheit", kTemperature, 1, 98.6,
       {"37.00", "98.60", "310.16", "558.20", "29.60"}},
      {"Temperature from unit past the list", kTemperature, 9, 100,
       {"100.00", "212.00", "373.16", "671.60", "80.00"}},
      {"Interval of 9 Fahrenheit", kTemperatureInterval, 1, 9,
       {"5.00", "9.00", "5.00", "9.00", "4.00"}},
      {"Interval of 100 Celsius", kTemperatureInterval, 0, 100,
       {"100.00", "180.00", "100.00", "180.00", "80.00"}},
      {"Interval of -5 Kelvin", kTemperatureInterval, 2, -5,
       {"-5.00", "-9.00", "-5.00", "-9.00", "-4.00"}},
      {"Interval of 18 Rankine", kTemperatureInterval, 3, 18,
       {"10.00", "18.00", "10.00", "18.00", "8.00"}},
      {"Interval of 10 Reaumur", kTemperatureInterval, 4, 10,
       {"12.50", "22.50", "12.50", "22.50", "10.00"}},
  };
  return cases;
}

TEST(ConversionTablesTest, Rows) {
  for (const RowsCase& c : rowsCases()) {
    SCOPED_TRACE(c.name);
    std::vector<ConversionRow> rows = conversionRows(c.category, c.fromUnit, c.value);
    const ExpectedCategory& expected = expectedCategories()[static_cast<std::size_t>(c.category)];
    ASSERT_EQ(rows.size(), c.texts.size());
    ASSERT_EQ(rows.size(), expected.units.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE(expected.units[i].name);
      EXPECT_EQ(rows[i].name, expected.units[i].name);
      EXPECT_EQ(rows[i].valueText, c.texts[i]);
    }
  }
}

// Spot rows in the larger tables, and one that shows the division comes first.
TEST(ConversionTablesTest, SingleRows) {
  struct Case {
    std::string_view name;
    int category;
    int fromUnit;
    double value;
    std::size_t row;
    std::string_view text;
  };
  constexpr Case kCases[] = {
      {"liter per US cup, dry", kVolumeDry, 1, 1.0, 7, "0.236588"},
      // 3 / 2.777777778e-07 * 1000; 3 * 1000 / 2.777777778e-07 would end in ...136000.
      {"millijoule from kilowatt-hour", kEnergy, 14, 3.0, 18, "10799999999.136002"},
      {"Calcium mEq from mg", kCalcium, 2, 40.1, 1, "2.000000"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<ConversionRow> rows = conversionRows(c.category, c.fromUnit, c.value);
    ASSERT_LT(c.row, rows.size());
    EXPECT_EQ(rows[c.row].valueText, c.text);
  }
}

// Kitchen scoops and ladles at their nominal capacities: a scoop numbered N holds 1/N US
// quart (946.352946 mL), a ladle of N oz holds N US fluid ounces (29.5735295625 mL each).
// Expected texts are those capacities, rounded to six decimals.
TEST(ConversionTablesTest, ScoopsAndLadles) {
  struct Case {
    int category;
    std::string_view from;  // one of this unit
    std::string_view row;
    std::string_view text;
  };
  constexpr Case kCases[] = {
      // One liter is 1.056688209 US quarts, and one quart fills N of scoop #N.
      {kVolumeWet, "liter", "scoop #6", "6.340129"},
      {kVolumeWet, "liter", "scoop #8", "8.453506"},
      {kVolumeWet, "liter", "scoop #10", "10.566882"},
      {kVolumeWet, "liter", "scoop #12", "12.680259"},
      {kVolumeWet, "liter", "scoop #16", "16.907011"},
      {kVolumeWet, "liter", "scoop #20", "21.133764"},
      {kVolumeWet, "liter", "scoop #30", "31.700646"},
      // One liter is 33.8140227 US fluid ounces.
      {kVolumeWet, "liter", "ladel 1 oz", "33.814023"},
      {kVolumeWet, "liter", "ladel 2 oz", "16.907011"},
      {kVolumeWet, "liter", "ladel 4 oz", "8.453506"},
      {kVolumeWet, "liter", "ladel 6 oz", "5.635670"},
      {kVolumeWet, "liter", "ladel 8 oz", "4.226753"},
      // One utensil in milliliters.
      {kVolumeWet, "scoop #6", "milliliter", "157.725491"},
      {kVolumeWet, "scoop #8", "milliliter", "118.294118"},
      {kVolumeWet, "scoop #10", "milliliter", "94.635295"},
      {kVolumeWet, "scoop #12", "milliliter", "78.862746"},
      {kVolumeWet, "scoop #16", "milliliter", "59.147059"},
      {kVolumeWet, "scoop #20", "milliliter", "47.317647"},
      {kVolumeWet, "scoop #30", "milliliter", "31.545098"},
      {kVolumeWet, "ladel 1 oz", "milliliter", "29.573530"},
      {kVolumeWet, "ladel 2 oz", "milliliter", "59.147059"},
      {kVolumeWet, "ladel 4 oz", "milliliter", "118.294118"},
      {kVolumeWet, "ladel 6 oz", "milliliter", "177.441177"},
      {kVolumeWet, "ladel 8 oz", "milliliter", "236.588237"},
      // A #16 scoop is a quarter cup, a #8 scoop half a cup; an 8 oz ladle is a cup.
      {kVolumeWet, "scoop #16", "cup (US)", "0.250000"},
      {kVolumeWet, "scoop #8", "cup (US)", "0.500000"},
      {kVolumeWet, "ladel 8 oz", "cup (US)", "1.000000"},
      {kVolumeWet, "scoop #8", "ladel 4 oz", "1.000000"},
      {kVolumeWet, "ladel 2 oz", "tablespoon (US)", "4.000000"},
      // The dry list holds the same utensils.
      {kVolumeDry, "liter", "scoop #16", "16.907011"},
      {kVolumeDry, "liter", "ladel 1 oz", "33.814023"},
      {kVolumeDry, "scoop #16", "cup (US)", "0.250000"},
      {kVolumeDry, "scoop #20", "liter", "0.047318"},
      {kVolumeDry, "ladel 6 oz", "liter", "0.177441"},
  };
  for (const Case& c : kCases) {
    const ConversionCategory& category =
        kConversionCategories[static_cast<std::size_t>(c.category)];
    SCOPED_TRACE(testing::Message() << category.name << ": 1 " << c.from << " in " << c.row);
    auto position = [&](std::string_view name) {
      for (std::size_t i = 0; i < category.units.size(); ++i) {
        if (category.units[i].name == name) return i;
      }
      return category.units.size();
    };
    std::size_t from = position(c.from);
    std::size_t row = position(c.row);
    ASSERT_LT(from, category.units.size());
    ASSERT_LT(row, category.units.size());
    std::vector<ConversionRow> rows = conversionRows(c.category, static_cast<int>(from), 1.0);
    ASSERT_EQ(rows.size(), category.units.size());
    EXPECT_EQ(rows[row].valueText, c.text);
  }
}

// Multiplying by the double nearest one ninth, not dividing by 9, shows in the last
// digit; expected doubles worked out apart from this code.
TEST(ConversionTablesTest, TemperatureEvaluationOrder) {
  struct Case {
    std::string_view name;
    int category;
    int fromUnit;
    double value;
    std::size_t row;
    double expected;
  };
  constexpr Case kCases[] = {
      // (132 - 32) * 5 / 9 would give 55.55555555555556.
      {"132 Fahrenheit in Celsius", kTemperature, 1, 132, 0, 55.55555555555555},
      {"1000 Fahrenheit back to Fahrenheit", kTemperature, 1, 1000, 1, 999.9999999999999},
      // (800 - 32 - 459.6) * 5 / 9 would give 171.33333333333334.
      {"800 Rankine in Celsius", kTemperature, 3, 800, 0, 171.33333333333331},
      // 100 * 5 / 9 would give 55.55555555555556.
      {"interval of 100 Fahrenheit in Celsius", kTemperatureInterval, 1, 100, 0,
       55.55555555555555},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<double> values = convertedValues(c.category, c.fromUnit, c.value);
    ASSERT_LT(c.row, values.size());
    EXPECT_EQ(values[c.row], c.expected);
  }
}

TEST(ConversionTablesTest, ZeroValueGivesZeroInEveryFactorRow) {
  for (int category = 0; category < kCategoryCount; ++category) {
    const ConversionCategory& entry = kConversionCategories[static_cast<std::size_t>(category)];
    if (entry.kind != ConversionKind::ByFactor) continue;
    for (int from = 0; from < static_cast<int>(entry.units.size()); ++from) {
      SCOPED_TRACE(testing::Message()
                   << entry.name << " from " << entry.units[static_cast<std::size_t>(from)].name);
      std::vector<ConversionRow> rows = conversionRows(category, from, 0.0);
      ASSERT_EQ(rows.size(), entry.units.size());
      for (const ConversionRow& row : rows) {
        std::string_view format = expectedFormat(entry.name, row.name);
        // "%.Nlf" shows "0." and N zeros.
        std::string zero = "0." + std::string(static_cast<std::size_t>(format[2] - '0'), '0');
        EXPECT_EQ(row.valueText, zero) << row.name;
      }
    }
  }
}

TEST(ConversionTablesTest, CategoryOutsideTheListHasNoRows) {
  EXPECT_TRUE(conversionRows(-1, 0, 1.0).empty());
  EXPECT_TRUE(conversionRows(18, 0, 1.0).empty());
  EXPECT_EQ(effectiveFromUnit(18, 3), 0);
}

TEST(ConversionTablesTest, FromUnitAfterCategoryChange) {
  // Fixed positions, by category position.
  constexpr int kFixed[] = {2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 10, 8, 5, 0, 0, 16, 1, 5};
  ASSERT_EQ(kFromUnitAfterCategoryChange.size(), std::size(kFixed));
  for (std::size_t c = 0; c < std::size(kFixed); ++c) {
    SCOPED_TRACE(expectedCategories()[c].name);
    EXPECT_EQ(kFromUnitAfterCategoryChange[c], kFixed[c]);
    EXPECT_LT(static_cast<std::size_t>(kFixed[c]), kConversionCategories[c].units.size());
  }
  EXPECT_EQ(kConversionCategories[kEnergy].units[10].name, "joule");

  // A stored from-unit position beyond its category's list counts as the first unit.
  struct Case {
    int newCategory;
    int previous;
    int expected;
  };
  constexpr Case kCases[] = {
      {kEnergy, 20, 20}, {kWeight, 20, 0}, {kWeight, 8, 8},       {kSalt, 3, 3},
      {kSalt, 6, 0},     {kChloride, 3, 3}, {kTemperature, 5, 0}, {kVolumeWet, 42, 42},
      {kVolumeDry, 42, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.newCategory << " after " << c.previous);
    EXPECT_EQ(effectiveFromUnit(c.newCategory, c.previous), c.expected);
  }
}

}  // namespace
}  // namespace quillion::conversions
