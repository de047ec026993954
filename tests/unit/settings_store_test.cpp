// Settings store: value kinds and their stored form, defaults, and a damaged hive.
#include "framework/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>
#include <limits>
#include <sqlite3.h>
#include <vector>

#include "platform/paths.h"
#include "framework/strings.h"
#include "platform/settings_hive.h"
#include "test_support.h"

namespace quillion::framework {
namespace {

using platform::kHiveDword;
using platform::kHiveString;
using platform::programHive;

class SettingsStoreTest : public testing::HeadlessTest {
 protected:
  static std::array<std::string, 4> path(const char* section) {
    return {"Software", "Corvantis Inc", "Quillion", section};
  }
};

TEST_F(SettingsStoreTest, EachKindIsStoredWithItsTagAndSize) {
  SettingsStore store;
  ASSERT_TRUE(store.writeNumber("AGap", "NA", 140.25));
  ASSERT_TRUE(store.writeInteger("CP", "Cat", -7));
  ASSERT_TRUE(store.writeFlag("X", "F", true));
  ASSERT_TRUE(store.writeText("SaveOp", "FN", "/tmp/log\xC3\xA9.txt"));

  struct Case {
    const char* section;
    const char* name;
    std::uint32_t type;
    std::size_t size;
  };
  const Case cases[] = {
      {"AGap", "NA", kHiveDword, 8},
      {"CP", "Cat", kHiveDword, 4},
      {"X", "F", kHiveDword, 4},
      {"SaveOp", "FN", kHiveString, 2 * (13 + 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto value = programHive().queryValue(path(c.section), c.name);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data.size(), c.size);
  }
  auto text = programHive().queryValue(path("SaveOp"), "FN");
  EXPECT_EQ(text->data[text->data.size() - 1], 0);
  EXPECT_EQ(text->data[text->data.size() - 2], 0);
  EXPECT_EQ(text->data[2 * 8], 0xE9);  // U+00E9 in UTF-16LE

  EXPECT_EQ(store.readNumber("AGap", "NA", 0), 140.25);
  EXPECT_EQ(store.readInteger("CP", "Cat", 0), -7);
  EXPECT_TRUE(store.readFlag("X", "F", false));
  EXPECT_EQ(store.readText("SaveOp", "FN", ""), "/tmp/log\xC3\xA9.txt");
}

TEST_F(SettingsStoreTest, MissingValuesGiveTheDefaultButZeroIsAValue) {
  SettingsStore store;
  EXPECT_EQ(store.readNumber("AGap", "NA", 5.5), 5.5);
  EXPECT_EQ(store.readInteger("AGap", "I", 3), 3);
  EXPECT_TRUE(store.readFlag("AGap", "F", true));
  EXPECT_EQ(store.readText("AGap", "T", "dflt"), "dflt");
  // The reads left the section key behind, but no values.
  EXPECT_TRUE(programHive().keyExists(path("AGap")));
  EXPECT_FALSE(programHive().queryValue(path("AGap"), "NA").has_value());

  store.writeNumber("AGap", "NA", 0.0);
  EXPECT_EQ(store.readNumber("AGap", "NA", 5.5), 0.0);
  store.writeFlag("AGap", "F", false);
  EXPECT_FALSE(store.readFlag("AGap", "F", true));
}

TEST_F(SettingsStoreTest, SameNameInAnotherSectionIsAnotherValue) {
  SettingsStore store;
  store.writeNumber("AGap", "K", 4.0);
  store.writeNumber("SO", "K", 9.0);
  EXPECT_EQ(store.readNumber("AGap", "K", 0), 4.0);
  EXPECT_EQ(store.readNumber("SO", "K", 0), 9.0);
  EXPECT_EQ(store.readNumber("AGap", "k", -1), -1);  // names are case-sensitive
}

TEST_F(SettingsStoreTest, StoredValueOfTheWrongSizeCountsAsMissing) {
  // A number is 8 bytes, an integer or a flag 4; any other size is damage, never read
  // as a value (an integer 140 under a number's name once showed as 1.00000000000003).
  struct Row {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  const std::int32_t integer140 = 140;
  const auto* integerBytes = reinterpret_cast<const std::uint8_t*>(&integer140);
  const double number = 140.0;
  const auto* numberBytes = reinterpret_cast<const std::uint8_t*>(&number);
  const Row rows[] = {
      {"empty", {}},
      {"one byte", {1}},
      {"an integer", {integerBytes, integerBytes + 4}},
      {"twelve bytes", std::vector<std::uint8_t>(12, 0)},
      {"a number", {numberBytes, numberBytes + 8}},
  };
  SettingsStore store;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    programHive().setValue(path("AGap"), "V", 1 /* the tag is ignored */, row.bytes);
    const std::size_t size = row.bytes.size();
    EXPECT_EQ(store.readNumber("AGap", "V", 99.0), size == 8 ? 140.0 : 99.0);
    EXPECT_EQ(store.readInteger("AGap", "V", 42), size == 4 ? 140 : 42);
    EXPECT_EQ(store.readFlag("AGap", "V", false), size == 4);
    EXPECT_EQ(store.readIndex("AGap", "V", 1, 4), 1);
  }
}

TEST_F(SettingsStoreTest, StoredNumberThatIsNotFiniteCountsAsMissing) {
  SettingsStore store;
  // Bytes that are no finite number: the default, so no page starts from "---".
  for (double bad : {std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&bad);
    programHive().setValue(path("AGap"), "HCO3", kHiveDword, {raw, 8});
    EXPECT_EQ(store.readNumber("AGap", "HCO3", 24.0), 24.0);
  }
}

TEST_F(SettingsStoreTest, StoredCodesOutOfRangeTakeTheDefault) {
  SettingsStore store;
  const int stored[] = {-1, 0, 3, 4, 1000};
  const int expected[] = {0, 0, 3, 0, 0};
  for (std::size_t i = 0; i < std::size(stored); ++i) {
    store.writeInteger("SaveOp", "IM", stored[i]);
    EXPECT_EQ(store.readIndex("SaveOp", "IM", 0, 4), expected[i]) << stored[i];
  }
}

TEST_F(SettingsStoreTest, DamagedHiveGivesDefaultsAndIsReportedOnce) {
  std::string path = platform::settingsDatabasePath();
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string(4096, '\x5A') << "not a database";
  }
  std::string before = readFile(path);
  int reports = 0;
  platform::SettingsHive::setDamageReporter([&](const std::string& text) {
    ++reports;
    EXPECT_NE(text.find(path), std::string::npos);
  });
  SettingsStore store;
  EXPECT_EQ(store.readNumber("AGap", "NA", 7.0), 7.0);
  EXPECT_EQ(store.readText("SaveOp", "FN", "x"), "x");
  EXPECT_FALSE(store.writeNumber("AGap", "NA", 1.0));
  EXPECT_EQ(store.readNumber("AGap", "NA", 7.0), 7.0);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(readFile(path), before);  // the user's file is left as it was
  platform::SettingsHive::setDamageReporter(nullptr);
}

}  // namespace
}  // namespace quillion::framework

namespace quillion::framework {
namespace {

TEST_F(SettingsStoreTest, WriteThatCannotBeKeptIsReportedOnce) {
  SettingsStore store;
  ASSERT_TRUE(store.writeNumber("AGap", "NA", 1.0));
  std::vector<std::string> reports;
  SettingsStore::setNoticeReporter([&](const std::string& text) { reports.push_back(text); });
  // Another program holds the file's write lock for longer than a write waits.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(platform::settingsDatabasePath().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_FALSE(store.writeNumber("AGap", "NA", 2.0));
  EXPECT_FALSE(store.writeNumber("AGap", "K", 2.0));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(platform::settingsDatabasePath()), std::string::npos);
  EXPECT_EQ(store.readNumber("AGap", "NA", 0), 1.0);  // the old value is intact
  EXPECT_TRUE(store.writeNumber("AGap", "NA", 3.0));
}

TEST_F(SettingsStoreTest, BusyFileGivesDefaultsWaitsOnceAndIsToldOnce) {
  {
    SettingsStore store;
    ASSERT_TRUE(store.writeNumber("AGap", "NA", 140.0));
  }
  std::vector<std::string> reports;
  SettingsStore::setNoticeReporter([&](const std::string& text) { reports.push_back(text); });
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(platform::settingsDatabasePath().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  for (int page = 0; page < 2; ++page) {
    SettingsStore store;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(store.readNumber("AGap", "NA", 7.0), 7.0);
    EXPECT_EQ(store.readNumber("AGap", "K", 4.0), 4.0);
    EXPECT_EQ(store.readText("SaveOp", "FN", "x"), "x");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(store.readsFailed());
    // One busy timeout for the whole run of reads, not one per value.
    EXPECT_LT(waited, std::chrono::milliseconds(3 * platform::SettingsHive::busyTimeout()));
  }
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], kSettingsInUse);
  SettingsStore store;
  EXPECT_EQ(store.readNumber("AGap", "NA", 7.0), 140.0);  // nothing was lost
  EXPECT_FALSE(store.readsFailed());
}

}  // namespace
}  // namespace quillion::framework
