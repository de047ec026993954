// quillion-script's command-line values (--now's time) and how the transcript shows paths
// under --home's folder.
#include "script/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "framework/settings_store.h"
#include "script/script_driver.h"
#include "test_support.h"

namespace quillion::script {
namespace {

TEST(ParseLocalTime, TakesRealDaysAndMinutesOnly) {
  struct Case {
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {"2026-03-14 09:05", true},
      {"2026-12-31 23:59", true},
      {"2026-01-31 00:00", true},
      {"2026-04-30 12:00", true},
      {"2026-02-28 12:00", true},
      {"2026-02-29 12:00", false},  // not a leap year
      {"2024-02-29 12:00", true},   // divisible by 4
      {"1900-02-29 12:00", false},  // a century
      {"2000-02-29 12:00", true},   // a fourth century
      {"2026-02-30 12:00", false},
      {"2026-02-31 12:00", false},
      {"2026-04-31 12:00", false},
      {"2026-06-31 12:00", false},
      {"2026-09-31 12:00", false},
      {"2026-11-31 12:00", false},
      {"2026-01-32 12:00", false},
      {"2026-01-00 12:00", false},
      {"2026-13-01 12:00", false},
      {"2026-00-01 12:00", false},
      {"2026-03-14 24:00", false},
      {"2026-03-14 09:60", false},
      {"2026-03-14 -1:05", false},
      {"0001-01-01 00:00", true},
      {"9999-12-31 23:59", true},
      {"0000-01-01 00:00", false},
      {"10000-01-01 00:00", false},
      {"2026-03-14", false},
      {"2026-03-14 09:05 ", false},
      {"2026-03-14 09:05x", false},
      {"", false},
  };
  for (const auto& c : cases) {
    platform::LocalTime time;
    EXPECT_EQ(parseLocalTime(c.text, time), c.ok) << c.text;
  }
  platform::LocalTime time;
  ASSERT_TRUE(parseLocalTime("2024-02-29 23:07", time));
  EXPECT_EQ(time.year, 2024);
  EXPECT_EQ(time.month, 2);
  EXPECT_EQ(time.day, 29);
  EXPECT_EQ(time.hour, 23);
  EXPECT_EQ(time.minute, 7);
}

class HomeFolderTest : public quillion::testing::HeadlessTest {
 protected:
  // What `get` prints for a stored text, with the script's home folder given as home.
  std::string shown(const std::string& home, const std::string& text) {
    framework::SettingsStore().writeText("Test", "T", text);
    std::ostringstream out;
    ScriptDriver driver({"get Test T text"}, out);
    driver.setHomeFolder(home);
    EXPECT_EQ(driver.run(), 0);
    std::string transcript = out.str();
    const std::string echo = "> get Test T text\nTest T = ";
    EXPECT_EQ(transcript.rfind(echo, 0), 0u) << transcript;
    transcript.erase(0, echo.size());
    if (!transcript.empty()) transcript.pop_back();
    return transcript;
  }
};

TEST_F(HomeFolderTest, OnlyAPathUnderTheHomeFolderIsShownFromHome) {
  const std::string home = home_.string();
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {home + "/Documents/QuillionLog.txt", "\"$HOME/Documents/QuillionLog.txt\""},
      {home, "\"$HOME\""},
      {home + "/", "\"$HOME/\""},
      {"Cannot open " + home + "/a.txt.\nTry " + home + "/b.txt",
       "\"Cannot open $HOME/a.txt.\\nTry $HOME/b.txt\""},
      {"\"" + home + "/a.txt\"", "\"\\\"$HOME/a.txt\\\"\""},
      {"Albumin 3.5 g/dL. Done.", "\"Albumin 3.5 g/dL. Done.\""},
      {home + "-old/log.txt", "\"" + home + "-old/log.txt\""},
      {home + "2", "\"" + home + "2\""},
      {"/elsewhere" + home + "/log.txt", "\"/elsewhere" + home + "/log.txt\""},
      {"", "\"\""},
  };
  // The folder as given on the command line: plain, with a trailing separator, with
  // dots in it, and relative to the current folder.
  const std::string givenHomes[] = {home, home + "/", home + "/./x/..", "."};
  struct InFolder {
    std::filesystem::path before = std::filesystem::current_path();
    explicit InFolder(const std::filesystem::path& folder) { std::filesystem::current_path(folder); }
    ~InFolder() { std::filesystem::current_path(before); }
  } inHome(home_);
  for (const std::string& given : givenHomes) {
    for (const auto& c : cases) {
      SCOPED_TRACE("--home " + given + ": " + c.text);
      EXPECT_EQ(shown(given, c.text), c.shown);
    }
  }
}

}  // namespace
}  // namespace quillion::script
