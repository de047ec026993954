// The calculator page's life against its settings: what it restores and what it writes
// back when the settings file is busy or a box cannot be read.
#include "framework/calculator_page.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include "framework/strings.h"
#include "platform/paths.h"
#include "test_support.h"

namespace quillion::framework {
namespace {

using platform::ControlDef;
using platform::ControlKind;

constexpr ControlDef kControls[] = {
    {"na", ControlKind::Edit, "", 0, 0},
    {"k", ControlKind::Edit, "", 1, 0},
};

class SodiumPage : public CalculatorPage {
 public:
  SodiumPage() : CalculatorPage("Test", kControls, "TEST", MenuBar::SaveAndOptions) {
    number("na", sodium_).keep("NA");
    number("k", potassium_).keep("K");
  }
  double sodium_ = 135;
  double potassium_ = 4;

 protected:
  void calculate() override {}
};

class CalculatorPageTest : public testing::HeadlessTest {
 protected:
  static void store(double sodium, double potassium) {
    SettingsStore settings;
    ASSERT_TRUE(settings.writeNumber("TEST", "NA", sodium));
    ASSERT_TRUE(settings.writeNumber("TEST", "K", potassium));
  }
  static double stored(const char* name) {
    SettingsStore settings;
    return settings.readNumber("TEST", name, -1);
  }
};

TEST_F(CalculatorPageTest, DefaultsShownWhileTheSettingsWereBusyAreNotWrittenBack) {
  store(140, 5);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(platform::settingsDatabasePath().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::vector<std::string> notices;
  SettingsStore::setNoticeReporter([&](const std::string& text) { notices.push_back(text); });
  SodiumPage page;
  page.show();
  EXPECT_EQ(page.sodium_, 135);  // the built-in default, for now
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  page.onClose(platform::CloseReason::Ok);
  EXPECT_EQ(stored("NA"), 140);  // once overwritten with the default
  EXPECT_EQ(stored("K"), 5);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], kSettingsInUse);
}

TEST_F(CalculatorPageTest, BoxThatCannotBeReadKeepsTheStoredInputs) {
  store(140, 5);
  SodiumPage page;
  page.show();
  page.control("k").setText("6");
  page.control("na").setText("14O");
  page.onClose(platform::CloseReason::Ok);
  EXPECT_EQ(stored("NA"), 140);
  EXPECT_EQ(stored("K"), 5);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kEnterNumber);
  EXPECT_EQ(page.focused(), "na");

  page.control("na").setText("141");
  page.onClose(platform::CloseReason::Ok);
  EXPECT_EQ(stored("NA"), 141);
  EXPECT_EQ(stored("K"), 6);
}

}  // namespace
}  // namespace quillion::framework
