// The renal meal planning page's count boxes: whole numbers only, the 0 to 99 range of
// the fat and high-potassium fruit counts, and spins that never take a count below 0.
#include "renal/renal_exchanges_page.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillion::renal {
namespace {

class RenalExchangesPage : public testing::HeadlessTest {
 protected:
  // Types a count as a person would: the text, then its change notice.
  static void type(CRenalExchangesDataPage& page, const char* id, const char* text) {
    page.control(id).setText(text);
    page.notify({platform::Event::Changed, id});
  }
};

TEST_F(RenalExchangesPage, SpinsStopAtZero) {
  struct Case {
    const char* count;
    const char* spin;
    const char* before;
    int step;
    const char* after;
  };
  const Case cases[] = {
      {"mlk", "mlkSpin", "0", -1, "0"},   // never below 0
      {"mlk", "mlkSpin", "0", 0, "0"},    // a step of 0 is a step down
      {"mlk", "mlkSpin", "3", -1, "2"},
      {"mlk", "mlkSpin", "0", 1, "1"},
      {"fhk", "fhkSpin", "0", -1, "0"},
      {"vmk", "vmkSpin", "1", -1, "0"},
      {"fat", "fatSpin", "98", 1, "99"},
      {"s", "sSpin", "-2", -1, "-2"},     // a negative count is not taken further down
      {"s", "sSpin", "-2", 1, "-1"},      // but a step up counts from it
      {"flk", "flkSpin", "-1", 1, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " " << c.before << " step " << c.step);
    CRenalExchangesDataPage page;
    page.show();
    type(page, c.count, c.before);
    page.notify({platform::Event::Spin, c.spin, -1, -1, c.step});
    EXPECT_EQ(page.control(c.count).text(), c.after);
  }
}

TEST_F(RenalExchangesPage, CountsAreWholeNumbersAndFatAndFruitHighKStayBelow100) {
  struct Case {
    const char* count;
    const char* text;
    const char* message;  // "" when the text is taken
  };
  const Case cases[] = {
      {"mlk", "2", ""},
      {"mlk", "1.5", "Please enter an integer."},
      {"mlk", "", "Please enter an integer."},
      {"mlk", "1,5", "Please enter an integer."},
      {"mlk", "100", ""},
      {"fat", "99", ""},
      {"fat", "100", "Please enter an integer between 0 and 99."},
      {"fhk", "-1", "Please enter an integer between 0 and 99."},
      {"vhk", "-1", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " \"" << c.text << "\"");
    CRenalExchangesDataPage page;
    page.show();
    platform_.clearMessages();
    type(page, c.count, c.text);
    if (*c.message == '\0') {
      EXPECT_TRUE(platform_.messages().empty());
    } else {
      ASSERT_FALSE(platform_.messages().empty());
      EXPECT_EQ(platform_.messages().front(), c.message);
    }
  }
}

}  // namespace
}  // namespace quillion::renal
