// Gestational age correction: the adjusted age in four units, and the dialog's lenient
// fields, spin and unit button.
#include "pediatrics/gestational_age.h"

#include <gtest/gtest.h>

#include "platform/testing/user_simulation.h"
#include "test_support.h"

namespace quillion::pediatrics {
namespace {

TEST(GestationalAge, AdjustedAgeInEveryUnit) {
  struct Row {
    double term;
    double age;
    int unit;
    const char* text;
  };
  const Row rows[] = {
      // At term the adjusted age is the postnatal age.
      {40, 100, kDays,
       "Gestation Adjusted Age is 100 days\r\n( = 0.27 years, = 3.29 months, = 14.2 weeks)"},
      {32, 3, kMonths,
       "Gestation Adjusted Age is 1.15 months\r\n( = 0.10 years, = 5.0 weeks, = 35 days)"},
      {28, 1, kMonths,
       "Gestation Adjusted Age is -1.77 months\r\n( = -0.15 years, = -7.7 weeks, = -54 days)"},
      {40, 2, kYears,
       "Gestation Adjusted Age is 2.00 years\r\n( = 24.00 months, = 104.0 weeks, = 730 days)"},
      {36, 10, kWeeks,
       "Gestation Adjusted Age is 6.0 weeks\r\n( = 0.12 years, = 1.38 months, = 42 days)"},
      // Beyond term the adjusted age is the larger.
      {42, 0, kDays,
       "Gestation Adjusted Age is 14 days\r\n( = 0.04 years, = 0.46 months, = 2.0 weeks)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(adjustedAgeText(row.term, row.age, row.unit), row.text);
  }
}

TEST(GestationalAge, FieldsReadLeniently) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {{"32", 32}, {" \t36.5 ", 36.5}, {"-3", -3}, {"", 0}, {"abc", 0},
                      {"3x", 0},  {"1,5", 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(readLeniently(row.text), row.value);
  }
}

class GestationalAgeDialogTest : public testing::HeadlessTest {};

TEST_F(GestationalAgeDialogTest, EditsSpinAndUnitRecompute) {
  auto& user = platform::testing::userSimulation();
  GestationalAgeDialog dialog(32, 3, kMonths, false);
  dialog.show();
  EXPECT_EQ(dialog.control("term").text(), "32");
  EXPECT_EQ(dialog.control("ageUnit").text(), "months");
  EXPECT_EQ(dialog.control("result").text(),
            "Gestation Adjusted Age is 1.15 months\r\n( = 0.10 years, = 5.0 weeks, = 35 days)");

  const std::string before = dialog.control("result").text();
  user.type(dialog.control("age"), "");  // a cleared field leaves the result
  EXPECT_EQ(dialog.control("result").text(), before);
  user.type(dialog.control("age"), "-6");  // made positive
  EXPECT_EQ(dialog.control("age").text(), "6");
  user.spin(dialog.control("termSpin"), 1);
  EXPECT_EQ(dialog.control("term").text(), "33");
  user.spin(dialog.control("termSpin"), 0);
  user.spin(dialog.control("termSpin"), -1);
  EXPECT_EQ(dialog.control("term").text(), "31");
  user.click(dialog.control("ageUnit"));  // months -> years, the number stays
  EXPECT_EQ(dialog.control("ageUnit").text(), "years");
  EXPECT_EQ(dialog.control("age").text(), "6");
  EXPECT_EQ(dialog.control("result").text(),
            "Gestation Adjusted Age is 5.83 years\r\n( = 69.92 months, = 303.0 weeks, = 2127 days)");
  user.type(dialog.control("age"), "x");  // a letter reads as 0
  EXPECT_EQ(dialog.control("result").text(),
            "Gestation Adjusted Age is -0.17 years\r\n( = -2.08 months, = -9.0 weeks, = -63 days)");
  for (const char* unit : {"days", "weeks", "months"}) {
    user.click(dialog.control("ageUnit"));
    EXPECT_EQ(dialog.control("ageUnit").text(), unit);
  }
  user.click(dialog.control("use"));
  dialog.requestOk();
  EXPECT_TRUE(dialog.useAdjusted());
  EXPECT_EQ(dialog.termWeeks(), 31);
}

}  // namespace
}  // namespace quillion::pediatrics
