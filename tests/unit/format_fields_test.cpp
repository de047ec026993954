// Formats with conversions of several kinds, and whole-number boxes.
#include <gtest/gtest.h>

#include <limits>

#include "framework/format.h"

namespace quillion::framework {
namespace {

TEST(FormatFields, TakesEachFieldInOrder) {
  struct Case {
    const char* format;
    std::initializer_list<FormatField> fields;
    const char* text;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"%s %d %.1lf", {"Milk", 3, 4.25}, "Milk 3 4.2"},
      {"%d\t(%.2lf kcal/kg)", {1520, 21.714285714285715}, "1520\t(21.71 kcal/kg)"},
      {"%.1lf %% total", {16.05263157894737}, "16.1 % total"},
      {"%.1lf %% total", {nan}, "--- % total"},
      {"%.1f%%", {75.40983606557377}, "75.4%"},
      {"%.2lf", {7}, "7.00"},                 // a whole number widened
      {"%s", {"50%% off %d"}, "50%% off %d"},  // a text is copied as it is
      {"%i and %d", {-1}, "-1 and %d"},       // a missing field leaves its conversion
      {"%d", {2.5}, "%d"},                    // a field of another kind too
      {"plain %%", {}, "plain %"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(formatFields(c.format, c.fields), c.text);
  }
}

TEST(IntegerBox, Parse) {
  struct Case {
    const char* text;
    bool reads;
    int value;
  };
  const Case cases[] = {
      {"0", true, 0},        {"12", true, 12},    {" 7 ", true, 7},
      {"-3", true, -3},      {"+4", true, 4},     {"99", true, 99},
      {"2147483647", true, 2147483647},
      {"", false, 0},        {" ", false, 0},     {"-", false, 0},
      {"1.5", false, 0},     {"1.0", false, 0},   {"12x", false, 0},
      {"1,5", false, 0},     {"+-3", false, 0},   {"--3", false, 0},
      {"2147483648", false, 0}, {"1e2", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int value = -99;
    EXPECT_EQ(parseIntegerBox(c.text, value), c.reads);
    EXPECT_EQ(value, c.reads ? c.value : -99);
  }
  EXPECT_EQ(formatIntegerBox(-1), "-1");
  EXPECT_EQ(formatIntegerBox(0), "0");
}

}  // namespace
}  // namespace quillion::framework
