// The settings hive: typed values stored and returned byte for byte, keys and values kept
// apart, two users of one file, and damaged or locked files handled without harm.
#include "platform/settings_hive.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/paths.h"

namespace quillion::platform {
namespace {

// A name with a number after it ("V12"), built by appending: GCC 12 at -O2 reports a false
// -Wrestrict overlap in "V" + std::to_string(...).
std::string numbered(std::string_view prefix, long long number) {
  std::string name(prefix);
  name += std::to_string(number);
  return name;
}

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using KeyPath = std::vector<std::string>;

KeyPath section(const std::string& name) { return {"Software", "Corvantis Inc", "Quillion", name}; }

Bytes numberBytes(double value) {
  Bytes bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

Bytes integerBytes(std::int32_t value) {
  Bytes bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

// UTF-16LE with the terminating zero, as texts are stored.
Bytes textBytes(std::u16string_view text) {
  Bytes bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

Bytes readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> folderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

// Runs sql on its own connection to file; the first result column of the first row.
std::string rawQuery(const fs::path& file, const char* sql) {
  sqlite3* db = nullptr;
  std::string result = "(failed)";
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = sqlite3_column_text(statement, 0);
      result = text ? reinterpret_cast<const char*>(text) : "";
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return result;
}

bool rawExec(const fs::path& file, const char* sql) {
  sqlite3* db = nullptr;
  bool done = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
              sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return done;
}

class SettingsHiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ = fs::temp_directory_path() / (numbered("quillion-hive-", ::getpid()) + "-" +
                                           std::to_string(++serial) + "-" + name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    reports_.clear();
    SettingsHive::setDamageReporter([this](const std::string& text) { reports_.push_back(text); });
  }

  void TearDown() override {
    SettingsHive::setDamageReporter({});
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path file() const { return folder_ / "settings.db"; }

  std::string damageText(const std::string& path) const {
    return "The settings file " + path + " is damaged or unreadable (";
  }

  fs::path folder_;
  std::vector<std::string> reports_;
};

void expectValue(SettingsHive& hive, const KeyPath& path, const std::string& name,
                 std::uint32_t type, const Bytes& data) {
  const std::optional<HiveValue> value = hive.queryValue(path, name);
  ASSERT_TRUE(value.has_value()) << name;
  EXPECT_EQ(value->type, type) << name;
  EXPECT_EQ(value->data, data) << name;
}

// --- Payloads --------------------------------------------------------------------------

struct PayloadRow {
  const char* label;
  std::string name;
  std::uint32_t type;
  Bytes data;
  std::size_t size;
};

TEST_F(SettingsHiveTest, EveryKindOfPayloadComesBackWithItsTagAndSize) {
  const PayloadRow rows[] = {
      {"number", "Wt", kHiveDword, numberBytes(98.6), 8},
      {"number zero", "Zero", kHiveDword, numberBytes(0.0), 8},
      {"negative integer", "WtUnits", kHiveDword, integerBytes(-5), 4},
      {"flag", "Male", kHiveDword, integerBytes(1), 4},
      {"text", "Comment", kHiveString, textBytes(u"Na\u00EF\u20AC"), 10},
      {"empty text", "Empty", kHiveString, textBytes(u""), 2},
      {"empty blob", "Nothing", kHiveDword, Bytes{}, 0},
      {"other tag", "Odd", 0xFFFFFFFFu, Bytes{0x00, 0xFF, 0x00}, 3},
      {"unnamed value", "", kHiveString, textBytes(u"x"), 4},
  };
  {
    SettingsHive hive(file().string());
    for (const PayloadRow& row : rows) {
      SCOPED_TRACE(row.label);
      ASSERT_EQ(row.data.size(), row.size);
      EXPECT_TRUE(hive.setValue(section("AGap"), row.name, row.type, row.data));
      expectValue(hive, section("AGap"), row.name, row.type, row.data);
    }
  }
  SettingsHive reopened(file().string());
  for (const PayloadRow& row : rows) {
    SCOPED_TRACE(std::string(row.label) + " after reopening");
    expectValue(reopened, section("AGap"), row.name, row.type, row.data);
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(SettingsHiveTest, OverwritingReplacesTagAndSize) {
  struct Write {
    std::uint32_t type;
    Bytes data;
  };
  const Write writes[] = {
      {kHiveDword, numberBytes(1.5)},
      {kHiveDword, integerBytes(7)},
      {kHiveString, textBytes(u"longer than before")},
      {kHiveDword, Bytes{}},
      {kHiveDword, numberBytes(-2.25)},
  };
  SettingsHive writer(file().string());
  SettingsHive reader(file().string());
  for (std::size_t i = 0; i < std::size(writes); ++i) {
    SCOPED_TRACE(numbered("write ", i));
    ASSERT_TRUE(writer.setValue(section("BEE"), "Ht", writes[i].type, writes[i].data));
    expectValue(writer, section("BEE"), "Ht", writes[i].type, writes[i].data);
    expectValue(reader, section("BEE"), "Ht", writes[i].type, writes[i].data);
  }
}

// --- Keys and names --------------------------------------------------------------------

TEST_F(SettingsHiveTest, MissingKeysAndMissingValuesGiveNothingAndCreateNothing) {
  SettingsHive hive(file().string());
  ASSERT_TRUE(hive.setValue(section("AGap"), "NA", kHiveDword, numberBytes(140.0)));
  ASSERT_TRUE(hive.createKey(section("Empty")));

  struct Row {
    const char* label;
    KeyPath path;
    std::string name;
    bool keyExists;
    bool valueExists;
  };
  const Row rows[] = {
      {"stored value", section("AGap"), "NA", true, true},
      {"other value of the key", section("AGap"), "K", true, false},
      {"key with no values", section("Empty"), "NA", true, false},
      {"missing section", section("Nowhere"), "NA", false, false},
      {"value lives below, not here", {"Software", "Corvantis Inc", "Quillion"}, "NA", true, false},
      {"below the value's key", {"Software", "Corvantis Inc", "Quillion", "AGap", "More"}, "NA",
       false, false},
      {"missing maker", {"Software", "Other Inc", "Quillion", "AGap"}, "NA", false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(hive.queryValue(row.path, row.name).has_value(), row.valueExists);
    EXPECT_EQ(hive.keyExists(row.path), row.keyExists);
  }
  EXPECT_TRUE(hive.usable());
  EXPECT_TRUE(reports_.empty());
}

TEST_F(SettingsHiveTest, CreateKeyMakesEveryKeyAlongThePathAndNoValues) {
  SettingsHive hive(file().string());
  const KeyPath path = section("Peds0to36");
  ASSERT_TRUE(hive.createKey(path));
  EXPECT_TRUE(hive.createKey(path)) << "creating an existing key succeeds";
  for (std::size_t depth = 1; depth <= path.size(); ++depth) {
    const KeyPath prefix(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(depth));
    SCOPED_TRACE(prefix.back());
    EXPECT_TRUE(hive.keyExists(prefix));
    EXPECT_FALSE(hive.queryValue(prefix, "").has_value());
    EXPECT_FALSE(hive.queryValue(prefix, prefix.back()).has_value());
  }
}

TEST_F(SettingsHiveTest, NamesAreCaseSensitiveAndSectionsKeepTheirOwnValues) {
  struct Row {
    KeyPath path;
    std::string name;
  };
  const Row rows[] = {
      {section("AGap"), "K"},
      {section("CCS"), "K"},
      {section("AGap"), "k"},
      {section("agap"), "K"},
      {section("AGap"), "K "},
      {{"software", "Corvantis Inc", "Quillion", "AGap"}, "K"},
  };
  SettingsHive hive(file().string());
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ASSERT_TRUE(hive.setValue(rows[i].path, rows[i].name, kHiveDword,
                              integerBytes(static_cast<std::int32_t>(100 + i))));
  }
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].path[0] + "/" + rows[i].path[3] + "/'" + rows[i].name + "'");
    expectValue(hive, rows[i].path, rows[i].name, kHiveDword,
                integerBytes(static_cast<std::int32_t>(100 + i)));
  }
  EXPECT_FALSE(hive.keyExists(section("ccs")));
}

// --- Files and folders -----------------------------------------------------------------

TEST_F(SettingsHiveTest, EmptyFilesAndMissingFoldersBecomeNewHives) {
  struct Row {
    const char* label;
    fs::path file;
    bool createEmptyFile;
  };
  const Row rows[] = {
      {"0-byte file", folder_ / "empty.db", true},
      {"missing folders", folder_ / "config" / "deeper" / "settings.db", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    if (row.createEmptyFile) writeFile(row.file, {});
    SettingsHive hive(row.file.string());
    EXPECT_FALSE(hive.queryValue(section("SO"), "Glu").has_value());
    EXPECT_TRUE(hive.setValue(section("SO"), "Glu", kHiveDword, numberBytes(90.0)));
    expectValue(hive, section("SO"), "Glu", kHiveDword, numberBytes(90.0));
    EXPECT_TRUE(hive.usable());
    EXPECT_GT(fs::file_size(row.file), 0u);
  }
  EXPECT_TRUE(reports_.empty());
}

struct DamageRow {
  const char* label;
  std::function<void(const fs::path&)> damage;
  bool usedBeforeDamage;  // the hive had the file open and sound before it was damaged
};

void PrintTo(const DamageRow& row, std::ostream* out) { *out << row.label; }

// A sound hive file of several pages, so that cutting it leaves pages missing.
void writeLargeHive(const fs::path& file) {
  SettingsHive hive(file.string());
  for (int i = 0; i < 400; ++i) {
    hive.setValue(section(numbered("S", i % 20)), numbered("V", i), kHiveString,
                  textBytes(u"a text long enough to fill the pages of the database file"));
  }
}

class SettingsHiveDamageTest : public SettingsHiveTest,
                               public ::testing::WithParamInterface<DamageRow> {};

TEST_P(SettingsHiveDamageTest, DamagedFileGivesDefaultsOneReportAndStaysUntouched) {
  const DamageRow& row = GetParam();
  const std::string path = file().string();
  SettingsHive hive(path);
  if (row.usedBeforeDamage) {
    ASSERT_TRUE(hive.setValue(section("AGap"), "NA", kHiveDword, numberBytes(140.0)));
  }
  row.damage(file());
  const Bytes before = readFile(file());
  const std::vector<std::string> entriesBefore = folderEntries(folder_);

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(numbered("round ", round));
    EXPECT_FALSE(hive.queryValue(section("AGap"), "NA").has_value());
    EXPECT_FALSE(hive.keyExists(section("AGap")));
    EXPECT_FALSE(hive.setValue(section("AGap"), "NA", kHiveDword, numberBytes(1.0)));
    EXPECT_FALSE(hive.createKey(section("CCS")));
    EXPECT_FALSE(hive.usable());
  }
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0].rfind(damageText(path), 0), 0u) << reports_[0];
  const std::string ending =
      "). Quillion will use its built-in defaults and will not change that file.";
  ASSERT_GT(reports_[0].size(), ending.size());
  EXPECT_EQ(reports_[0].substr(reports_[0].size() - ending.size()), ending);
  EXPECT_GT(reports_[0].size(), damageText(path).size() + ending.size()) << "a reason is given";

  SettingsHive another(path);
  EXPECT_FALSE(another.queryValue(section("AGap"), "NA").has_value());
  EXPECT_EQ(reports_.size(), 2u) << "each hive object reports once";

  EXPECT_EQ(readFile(file()), before);
  EXPECT_EQ(folderEntries(folder_), entriesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsHiveDamageTest,
    ::testing::Values(
        DamageRow{"random_bytes",
                  [](const fs::path& file) {
                    std::mt19937 random(1234);
                    Bytes bytes(8192);
                    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() & 0xFF);
                    writeFile(file, bytes);
                  },
                  false},
        DamageRow{"plain_text",
                  [](const fs::path& file) {
                    const std::string text = "NA=140\r\nK=4.5\r\n";
                    writeFile(file, Bytes(text.begin(), text.end()));
                  },
                  false},
        DamageRow{"truncated_hive",
                  [](const fs::path& file) {
                    writeLargeHive(file);
                    Bytes bytes = readFile(file);
                    ASSERT_GT(bytes.size(), 4u * 4096u);
                    bytes.resize(bytes.size() / 2);
                    writeFile(file, bytes);
                  },
                  false},
        DamageRow{"page_zeroed",
                  [](const fs::path& file) {
                    writeLargeHive(file);
                    Bytes bytes = readFile(file);
                    ASSERT_GT(bytes.size(), 8u * 4096u);
                    const std::size_t page = bytes.size() / 4096 / 2;
                    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(page * 4096), 4096, 0);
                    writeFile(file, bytes);
                  },
                  false},
        DamageRow{"foreign_schema",
                  [](const fs::path& file) {
                    ASSERT_TRUE(rawExec(file,
                                        "CREATE TABLE patients (name TEXT, weight REAL);"
                                        "INSERT INTO patients VALUES ('A', 70.5);"));
                  },
                  false},
        DamageRow{"hive_tables_dropped",
                  [](const fs::path& file) {
                    { SettingsHive hive(file.string()); hive.createKey(section("AGap")); }
                    ASSERT_TRUE(rawExec(file, "DROP TABLE hive_values;"));
                  },
                  false},
        DamageRow{"overwritten_while_open",
                  [](const fs::path& file) {
                    writeFile(file, Bytes(4096, 0xA5));
                  },
                  true}),
    [](const ::testing::TestParamInfo<DamageRow>& param) {
      return std::string(param.param.label);
    });

TEST_F(SettingsHiveTest, PlacesThatCannotHoldAFileAreReportedOnce) {
  writeFile(folder_ / "plain", {});
  fs::create_directories(folder_ / "folder.db");
  const std::string rows[] = {
      "",
      (folder_ / "folder.db").string(),
      (folder_ / "plain" / "settings.db").string(),
  };
  for (const std::string& path : rows) {
    SCOPED_TRACE("'" + path + "'");
    reports_.clear();
    SettingsHive hive(path);
    EXPECT_FALSE(hive.setValue(section("CP"), "U", kHiveDword, integerBytes(1)));
    EXPECT_FALSE(hive.queryValue(section("CP"), "U").has_value());
    EXPECT_FALSE(hive.usable());
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].rfind(damageText(path), 0), 0u) << reports_[0];
  }
  EXPECT_EQ(readFile(folder_ / "plain").size(), 0u);
}

TEST_F(SettingsHiveTest, AFileRemovedOrReplacedUnderAnOpenHiveIsOpenedAnew) {
  struct Row {
    const char* label;
    std::function<void(const fs::path&)> change;
    std::optional<double> expected;  // what "NA" holds after the change
  };
  const Row rows[] = {
      {"file removed", [](const fs::path& file) { fs::remove(file); }, std::nullopt},
      {"folder removed", [](const fs::path& file) { fs::remove_all(file.parent_path()); },
       std::nullopt},
      {"file replaced",
       [](const fs::path& file) {
         const fs::path other = file.parent_path().parent_path() / "other.db";
         {
           SettingsHive hive(other.string());
           ASSERT_TRUE(hive.setValue(section("AGap"), "NA", kHiveDword, numberBytes(2.0)));
         }
         fs::rename(other, file);
       },
       2.0},
  };
  const fs::path path = folder_ / "config" / "settings.db";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    SettingsHive hive(path.string());
    ASSERT_TRUE(hive.setValue(section("AGap"), "NA", kHiveDword, numberBytes(1.0)));
    row.change(path);
    const std::optional<HiveValue> value = hive.queryValue(section("AGap"), "NA");
    ASSERT_EQ(value.has_value(), row.expected.has_value());
    if (row.expected) {
      EXPECT_EQ(value->data, numberBytes(*row.expected));
    }
    EXPECT_TRUE(hive.setValue(section("AGap"), "K", kHiveDword, numberBytes(4.0)));
    SettingsHive fresh(path.string());
    expectValue(fresh, section("AGap"), "K", kHiveDword, numberBytes(4.0));
    EXPECT_TRUE(hive.usable());
    fs::remove_all(path.parent_path());
  }
  EXPECT_TRUE(reports_.empty());
}

// --- Two users of one file -------------------------------------------------------------

TEST_F(SettingsHiveTest, TwoHivesOnOneFileSeeEachOthersWritesAtOnce) {
  SettingsHive first(file().string());
  SettingsHive second(file().string());
  SettingsHive* hives[] = {&first, &second};
  for (int i = 0; i < 40; ++i) {
    SCOPED_TRACE(numbered("step ", i));
    SettingsHive& writer = *hives[i % 2];
    SettingsHive& reader = *hives[(i + 1) % 2];
    const Bytes own = integerBytes(i);
    const Bytes shared = numberBytes(i * 0.5);
    ASSERT_TRUE(writer.setValue(section("TPN"), numbered("V", i), kHiveDword, own));
    ASSERT_TRUE(writer.setValue(section("TPN"), "Shared", kHiveDword, shared));
    expectValue(reader, section("TPN"), numbered("V", i), kHiveDword, own);
    expectValue(reader, section("TPN"), "Shared", kHiveDword, shared);
  }
  EXPECT_TRUE(reports_.empty());
}

// Writes count values named prefix<i> and the shared value; the number of failures.
int writeMany(const fs::path& file, const std::string& prefix, int count) {
  SettingsHive hive(file.string());
  int failures = 0;
  for (int i = 0; i < count; ++i) {
    const std::string name = numbered(prefix, i);
    if (!hive.setValue(section("DMEx"), name, kHiveDword, integerBytes(i))) ++failures;
    if (!hive.setValue(section("DMEx"), "Shared", kHiveString, textBytes(u"either"))) ++failures;
    const std::optional<HiveValue> value = hive.queryValue(section("DMEx"), name);
    if (!value || value->data != integerBytes(i)) ++failures;
  }
  return failures;
}

TEST_F(SettingsHiveTest, TwoProcessesWritingAtOnceKeepTheFileWhole) {
  // Each writer waits as long as it takes for the other: this test is about the file
  // staying whole, not about the wait, and a loaded machine slows both.
  const int timeout = SettingsHive::busyTimeout();
  SettingsHive::setBusyTimeout(20000);
  constexpr int kCount = 150;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SettingsHive::setDamageReporter({});
    ::_exit(writeMany(file(), "C", kCount) == 0 ? 0 : 1);
  }
  const int parentFailures = writeMany(file(), "P", kCount);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the other process had failures";
  EXPECT_EQ(parentFailures, 0);

  EXPECT_EQ(rawQuery(file(), "PRAGMA integrity_check"), "ok");
  SettingsHive check(file().string());
  for (int i = 0; i < kCount; ++i) {
    for (const char* prefix : {"C", "P"}) {
      SCOPED_TRACE(numbered(prefix, i));
      expectValue(check, section("DMEx"), numbered(prefix, i), kHiveDword,
                  integerBytes(i));
    }
  }
  expectValue(check, section("DMEx"), "Shared", kHiveString, textBytes(u"either"));
  EXPECT_TRUE(reports_.empty());
  SettingsHive::setBusyTimeout(timeout);
}

TEST_F(SettingsHiveTest, ALockHeldTooLongFailsTheCallWithoutDamage) {
  struct Row {
    const char* label;
    const char* lock;
    bool readable;
    bool writable;
  };
  constexpr Row rows[] = {
      {"writer committing", "BEGIN EXCLUSIVE", false, false},
      {"writer in progress", "BEGIN IMMEDIATE", true, false},
  };
  {
    SettingsHive seed(file().string());
    ASSERT_TRUE(seed.setValue(section("GFR"), "Cr", kHiveDword, numberBytes(1.2)));
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, row.lock, nullptr, nullptr, nullptr), SQLITE_OK);

    SettingsHive hive(file().string());  // first used while the lock is held
    EXPECT_EQ(hive.queryValue(section("GFR"), "Cr").has_value(), row.readable);
    EXPECT_EQ(hive.setValue(section("GFR"), "Cr", kHiveDword, numberBytes(2.0)), row.writable);
    EXPECT_TRUE(hive.usable());

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    expectValue(hive, section("GFR"), "Cr", kHiveDword, numberBytes(1.2));
    EXPECT_TRUE(hive.setValue(section("GFR"), "Wt", kHiveDword, numberBytes(70.0)));
  }
  EXPECT_TRUE(reports_.empty());
}

TEST_F(SettingsHiveTest, AShortLockIsWaitedFor) {
  SettingsHive hive(file().string());
  ASSERT_TRUE(hive.createKey(section("FES")));
  std::promise<void> locked;
  std::thread holder([&, path = file()] {
    sqlite3* other = nullptr;
    sqlite3_open(path.c_str(), &other);
    sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    locked.set_value();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
  });
  locked.get_future().wait();
  const auto start = std::chrono::steady_clock::now();
  const bool stored = hive.setValue(section("FES"), "UNa", kHiveDword, numberBytes(20.0));
  const auto waited = std::chrono::steady_clock::now() - start;
  holder.join();
  EXPECT_TRUE(stored);
  EXPECT_GE(waited, std::chrono::milliseconds(200));
  expectValue(hive, section("FES"), "UNa", kHiveDword, numberBytes(20.0));
  EXPECT_TRUE(reports_.empty());
}

// --- The program's hive ----------------------------------------------------------------

TEST_F(SettingsHiveTest, ProgramHiveFollowsTheSettingsPath) {
  const char* environmentHome = std::getenv("QUILLION_HOME");
  struct Row {
    const char* home;
    std::optional<std::int32_t> expected;  // what "Units" holds before this row writes
    std::int32_t written;
  };
  const Row rows[] = {
      {"a", std::nullopt, 1},
      {"b", std::nullopt, 2},
      {"a", 1, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.home);
    setHomeOverride((folder_ / row.home).string());
    SettingsHive& hive = programHive();
    EXPECT_EQ(hive.path(), settingsDatabasePath());
    EXPECT_EQ(hive.path().rfind((folder_ / row.home).string(), 0), 0u);
    const std::optional<HiveValue> value = hive.queryValue(section("CP"), "Units");
    EXPECT_EQ(value.has_value(), row.expected.has_value());
    if (value && row.expected) {
      EXPECT_EQ(value->data, integerBytes(*row.expected));
    }
    EXPECT_TRUE(hive.setValue(section("CP"), "Units", kHiveDword, integerBytes(row.written)));
    EXPECT_EQ(&programHive(), &hive) << "the same path keeps the same hive";
  }
  setHomeOverride(environmentHome ? environmentHome : "");
  EXPECT_TRUE(reports_.empty());
}

}  // namespace
}  // namespace quillion::platform
