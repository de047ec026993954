// Data exchange between number boxes and members: formats, parse failures, ranges.
#include "framework/data_exchange.h"

#include <gtest/gtest.h>

#include "framework/strings.h"
#include "test_support.h"

namespace quillion::framework {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"a", ControlKind::Edit, ""},     {"b", ControlKind::Edit, ""},
    {"age", ControlKind::Edit, ""},   {"r0", ControlKind::Radio, "x", 0, 0, 1, 1, platform::kGroup},
    {"r1", ControlKind::Radio, "y"},  {"c", ControlKind::Check, "c"},
    {"out", ControlKind::Label, ""},
};

class DataExchangeTest : public testing::HeadlessTest {
 protected:
  DataExchangeTest() : form_("f", kControls), dx_(form_) {
    dx_.number("a", a_);
    dx_.number("b", b_);
    dx_.number("age", age_);
    dx_.range("age", 0, 130);
    dx_.radio("r0", radio_);
    dx_.check("c", check_);
    dx_.text("out", out_);
  }
  platform::Form form_;
  DataExchange dx_;
  double a_ = 1.5, b_ = 2, age_ = 40;
  int radio_ = 1, check_ = 1;
  std::string out_ = "result";
};

TEST_F(DataExchangeTest, MembersToControls) {
  dx_.toControls();
  EXPECT_EQ(form_.control("a").text(), "1.5");
  EXPECT_EQ(form_.control("b").text(), "2");
  EXPECT_FALSE(form_.control("r0").checked());
  EXPECT_TRUE(form_.control("r1").checked());
  EXPECT_TRUE(form_.control("c").checked());
  EXPECT_EQ(form_.control("out").text(), "result");
}

TEST_F(DataExchangeTest, FailureStopsAtTheBoxAndKeepsLaterMembers) {
  dx_.toControls();
  form_.control("a").setText(" 7 ");
  form_.control("b").setText("12x");
  form_.control("age").setText("50");
  EXPECT_FALSE(dx_.fromControls());
  EXPECT_EQ(a_, 7);    // read before the failing box
  EXPECT_EQ(b_, 2);    // the failing box keeps its member
  EXPECT_EQ(age_, 40); // after it: untouched
  EXPECT_EQ(form_.focused(), "b");
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kEnterNumber);
}

TEST_F(DataExchangeTest, OutOfRangeIsStoredThenReported) {
  dx_.toControls();
  const struct {
    const char* text;
    bool ok;
    double stored;
  } cases[] = {{"0", true, 0}, {"130", true, 130}, {"131", false, 131}, {"-0.5", false, -0.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    platform_.clearMessages();
    form_.control("age").setText(c.text);
    EXPECT_EQ(dx_.fromControls(), c.ok);
    EXPECT_EQ(age_, c.stored);
    if (!c.ok) {
      ASSERT_EQ(platform_.messages().size(), 1u);
      EXPECT_EQ(platform_.messages()[0], "Please enter a number between 0 and 130.");
      EXPECT_EQ(form_.focused(), "age");
    }
  }
}

TEST_F(DataExchangeTest, ChecksAndRadiosReadBack) {
  dx_.toControls();
  form_.control("r0").setChecked(true);
  form_.control("r1").setChecked(false);
  form_.control("c").setChecked(false);
  EXPECT_TRUE(dx_.fromControls());
  EXPECT_EQ(radio_, 0);
  EXPECT_EQ(check_, 0);
  EXPECT_EQ(out_, "result");  // labels are not read back
}

}  // namespace
}  // namespace quillion::framework
