// The number formatter and the number-box parser.
#include "framework/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quillion::framework {
namespace {

TEST(Format, ValuesInPageFormats) {
  struct Case {
    const char* format;
    double value;
    const char* text;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"Anion Gap = %.0lf", 16.0, "Anion Gap = 16"},
      {"%.2lf", 3.2, "3.20"},
      {"MCHC= %.1lf %%", 33.333, "MCHC= 33.3 %"},
      {"%.1lf%%", -5.0, "-5.0%"},
      {"MCHC= %.1lf %%", inf, "MCHC= --- %"},
      {"Serum Osmolality = %.1lf mOsm/kg", std::nan(""), "Serum Osmolality = --- mOsm/kg"},
      {"%.1lf", -inf, "---"},
      {"Lymphocytes %.0lf%%", 20.0, "Lymphocytes 20%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(formatValue(c.format, c.value), c.text);
  }
  EXPECT_EQ(formatValues("1 Week  Begin = %.1lf --> End %.1lf", {150.0, 142.46}),
            "1 Week  Begin = 150.0 --> End 142.5");
  EXPECT_EQ(formatValues("%.1lf%% of %.0lf", {inf, 7.0}), "---% of 7");
  EXPECT_EQ(formatText("Corrected Calcium = %s", "9.60"), "Corrected Calcium = 9.60");
  EXPECT_EQ(formatText("100%% %s", "x"), "100% x");
  // A text holding a percent sign and a tab goes in as it is.
  EXPECT_EQ(formatTexts("Percent Change : %s \t Indication : %s", {"-5.0%", "Significant"}),
            "Percent Change : -5.0% \t Indication : Significant");
}

TEST(Format, IntegersFollowTheConversionTheyAreGiven) {
  // An int handed to a floating conversion once printed "Age = 0.0 years".
  struct Case {
    const char* format;
    int value;
    const char* text;
  };
  const Case cases[] = {
      {"%d Reviews", 3, "3 Reviews"},
      {"Age = %i years", -2, "Age = -2 years"},
      {"Age = %.1lf years", 42, "Age = 42.0 years"},
      {"%5.2f%%", 7, " 7.00%"},
      {"Units %s", 1, "Units %s"},
      {"no conversion 100%%", 1, "no conversion 100%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(formatInteger(c.format, c.value), c.text);
  }
}

TEST(Format, NumberBoxShowsFifteenSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {24.0, "24"},
      {140.5, "140.5"},
      {-1.0, "-1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345678.0, "1.23456789012346e+17"},
      {1e-7, "1e-07"},
      {std::numeric_limits<double>::infinity(), "---"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatNumberBox(c.value), c.text);
  }
}

TEST(Format, NumberBoxParsesCompleteDecimalNumbersOnly) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {"140", true, 140},        {" 140 ", true, 140},     {"24.0", true, 24},
      {"-3.5", true, -3.5},      {"+2", true, 2},          {".5", true, 0.5},
      {"5.", true, 5},           {"1e3", true, 1000},      {"1.5E-2", true, 0.015},
      {"", false, 0},            {"   ", false, 0},        {"-", false, 0},
      {".", false, 0},           {"+.", false, 0},         {"12abc", false, 0},
      {"1,5", false, 0},         {"1.2.3", false, 0},      {"inf", false, 0},
      {"nan", false, 0},         {"0x10", false, 0},       {"1e", false, 0},
      {"1e+", false, 0},         {"1e999", false, 0},      {"- 1", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    double value = -99;
    EXPECT_EQ(parseNumberBox(c.text, value), c.ok);
    EXPECT_EQ(value, c.ok ? c.value : -99);
  }
}

TEST(Format, EveryNumberABoxShowsReadsBack) {
  // Fifteen digits of the largest doubles round past them to a text that overflows; such
  // a box once refused its own text and with it every later edit of the page.
  struct Case {
    double value;
    const char* text;
  };
  const double max = std::numeric_limits<double>::max();
  const Case cases[] = {
      {max, "1.7976931348623157e+308"},
      {-max, "-1.7976931348623157e+308"},
      {1e308, "1e+308"},
      {std::numeric_limits<double>::min(), "2.2250738585072e-308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatNumberBox(c.value), c.text);
    double value = 0;
    EXPECT_TRUE(parseNumberBox(formatNumberBox(c.value), value));
    EXPECT_NE(value, 0.0);
  }
}

// What printf itself writes, in the C locale the tests run in.
template <typename T>
std::string printed(const char* format, T value) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

TEST(Format, TheQuickConversionsWriteExactlyWhatPrintfWrites) {
  // The common conversions are not handed to printf; every digit must still be printf's,
  // including the exact halves it rounds to even (0.125 to "0.12") and the values that
  // only look like halves (2.675 is stored as 2.67499999...).
  const double largest = std::numeric_limits<double>::max();
  const double smallest = std::numeric_limits<double>::min();
  std::vector<double> values = {0.0,   -0.0,   0.5,   1.5,    2.5,    -2.5,    0.125,  0.375,
                                2.675, 1.005,  0.045, -0.04,  1e-300, 5e-324,  1e22,   1e300,
                                -1e300, 9.995, 99.95, 999.5,  0.05,   0.15,    0.25,   0.35,
                                largest, smallest};
  for (int k = -4000; k <= 4000; ++k) values.push_back(k / 8.0);  // every half and eighth
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> clinical(-5000.0, 5000.0);
  for (int i = 0; i < 4000; ++i) values.push_back(clinical(random));
  for (int i = 0; i < 4000; ++i) {
    // Any bit pattern that is a finite double.
    const std::uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
  }
  const char* formats[] = {"%.0lf",  "%.1lf", "%.2lf", "%.3lf", "%.5lf",   "%.6lf", "%.lf",
                           "%0.1lf", "%.2f",  "%f",    "%5.2f", "%12.3lf", "%.15g", "%.17g",
                           "%g",     "%.3g",  "%e",    "%.2e",  "%F",      "%.0g",  "%+.1lf"};
  for (const char* format : formats) {
    int mismatches = 0;
    for (double value : values) {
      const std::string expected = printed(format, value);
      const std::string actual = formatValue(format, value);
      if (actual != expected && ++mismatches <= 5) {
        ADD_FAILURE() << format << " of " << printed("%.17g", value) << ": \"" << actual
                      << "\" where printf writes \"" << expected << "\"";
      }
    }
    EXPECT_EQ(mismatches, 0) << format;
  }
  // Whole numbers through their own conversions, padded as printf pads them, and widened
  // for a floating one.
  const int integers[] = {
      0, 7, -7, 12345, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
  for (int value : integers) {
    for (const char* format : {"%d", "%i", "%5d", "%02i", "%+d"}) {
      EXPECT_EQ(formatInteger(format, value), printed(format, value)) << format;
      EXPECT_EQ(formatFields(format, {value}), printed(format, value)) << format;
    }
    EXPECT_EQ(formatInteger("%.1lf", value), printed("%.1lf", static_cast<double>(value)));
  }
}

// The desktop's locale becomes the C library's when the window system starts; a German
// one writes "8,5" for printf's "%.1f".
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: scripts/install-deps.sh makes it";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, NumbersAreShownAndReadWithAPoint) {
  EXPECT_EQ(formatValue("Albumin = %.2lf", 8.5), "Albumin = 8.50");
  EXPECT_EQ(formatValues("%.1lf to %.1lf", {10.1, 11.7}), "10.1 to 11.7");
  EXPECT_EQ(formatNumberBox(8.5), "8.5");
  EXPECT_EQ(formatNumberBox(1234567.25), "1234567.25");
  double value = 0;
  EXPECT_TRUE(parseNumberBox(formatNumberBox(8.5), value));
  EXPECT_EQ(value, 8.5);
  EXPECT_FALSE(parseNumberBox("8,5", value));
}

}  // namespace
}  // namespace quillion::framework
