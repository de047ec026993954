// The number formatter and the number-box parser.
#include "framework/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
  EXPECT_EQ(formatInteger("%d Reviews", 3), "3 Reviews");
  EXPECT_EQ(formatText("Corrected Calcium = %s", "9.60"), "Corrected Calcium = 9.60");
  EXPECT_EQ(formatText("100%% %s", "x"), "100% x");
  // A text holding a percent sign and a tab goes in as it is.
  EXPECT_EQ(formatTexts("Percent Change : %s \t Indication : %s", {"-5.0%", "Significant"}),
            "Percent Change : -5.0% \t Indication : Significant");
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

}  // namespace
}  // namespace quillion::framework
