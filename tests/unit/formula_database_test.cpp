// The formula files: both record layouts byte for byte, the list operations, and the
// damaged, short and unwritable files that must never cost the user a formula.
//
// Fixture files are built here from the published layout (literal offsets), not by the
// code under test.
#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "enteral/formula_database.h"
#include "enteral/formula_record.h"
#include "platform/resources.h"
#include "test_support.h"

namespace quillion::enteral {
namespace {

constexpr std::size_t kAdultSize = 452;
constexpr std::size_t kPedsSize = 1120;

void putAt(std::string& bytes, std::size_t offset, const void* data, std::size_t size) {
  std::memcpy(&bytes[offset], data, size);
}
void putFloat(std::string& bytes, std::size_t offset, float value) {
  putAt(bytes, offset, &value, 4);
}
void putInt16(std::string& bytes, std::size_t offset, std::int16_t value) {
  putAt(bytes, offset, &value, 2);
}
void putText(std::string& bytes, std::size_t offset, std::string_view text) {
  putAt(bytes, offset, text.data(), text.size());
}

std::int16_t int16At(const std::string& bytes, std::size_t offset) {
  std::int16_t value = 0;
  std::memcpy(&value, &bytes[offset], 2);
  return value;
}

// Every byte set to something, so a byte dropped, moved or zeroed shows.
std::string patternRecord(std::size_t size, unsigned seed, std::uint16_t flags,
                          std::size_t flagsOffset) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>((i * 7 + seed * 31 + 1) % 251 + 1);
  }
  putAt(bytes, flagsOffset, &flags, 2);
  return bytes;
}

std::string fileBytes(std::int16_t major, std::int16_t minor, std::string_view description,
                      std::int16_t count, const std::vector<std::string>& records) {
  std::string bytes(70, '\0');
  putInt16(bytes, 0, major);
  putInt16(bytes, 2, minor);
  putText(bytes, 4, description);
  putInt16(bytes, 68, count);
  for (const std::string& record : records) bytes += record;
  return bytes;
}

std::string adultRecord(std::string_view name, float kcalPerMl, std::uint16_t flags) {
  std::string bytes(kAdultSize, '\0');
  putText(bytes, 0, name);
  putFloat(bytes, 48, kcalPerMl);
  putFloat(bytes, 116, 1000.0f);
  putAt(bytes, 156, &flags, 2);
  return bytes;
}

class FormulaDatabaseTest : public testing::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    std::filesystem::create_directories(folder());
    allowStockEditing() = false;
  }
  std::filesystem::path folder() const { return home_ / "data"; }
  void writeData(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder() / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string readData(const std::string& name) { return readFile(folder() / name); }
  std::vector<std::string> filesInFolder() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // Loads the adult files with three stock and two user records.
  void loadThreeAndTwo(FormulaDatabase& db) {
    writeData("Formulas.bin", fileBytes(1, 5, "", 3,
                                        {adultRecord("Stock A", 1.0f, 0x8000),
                                         adultRecord("Stock B", 1.5f, 0x8000),
                                         adultRecord("Stock C", 2.0f, 0x8000)}));
    writeData("FormulasUser.bin", fileBytes(1, 5, "", 2,
                                            {adultRecord("Mine 1", 1.2f, 0),
                                             adultRecord("Mine 2", 0.8f, 0)}));
    ASSERT_EQ(db.loadFile("Formulas.bin", false).count, 3);
    ASSERT_EQ(db.loadFile("FormulasUser.bin", true).count, 5);
  }
};

// ---- Round trips of both layouts ----

struct LayoutRow {
  const char* label;
  FormulaKind kind;
  std::size_t recordSize;
  std::size_t flagsOffset;
  const char* userFile;
};
void PrintTo(const LayoutRow& row, std::ostream* out) { *out << row.label; }

class RoundTripTest : public FormulaDatabaseTest,
                      public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(RoundTripTest, UserFileIsWrittenBackByteForByte) {
  const LayoutRow& row = GetParam();
  // Reserved bytes and unused flag bits are set; the program keeps them as read.
  std::vector<std::string> records = {
      patternRecord(row.recordSize, 1, 0x0001, row.flagsOffset),
      patternRecord(row.recordSize, 2, 0x4002, row.flagsOffset),
      patternRecord(row.recordSize, 3, 0x0000, row.flagsOffset)};
  const std::string file = fileBytes(1, 5, "", 3, records);
  writeData(row.userFile, file);
  FormulaDatabase db(row.kind);
  LoadResult loaded = db.loadFile(row.userFile, true);
  ASSERT_EQ(loaded.status, LoadStatus::Loaded);
  ASSERT_EQ(loaded.count, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(db.record(i).bytes(), records[i]) << i;
  std::filesystem::remove(folder() / row.userFile);
  ASSERT_EQ(db.saveFile(row.userFile, true), 3);
  EXPECT_EQ(readData(row.userFile), file);
}

TEST_P(RoundTripTest, StockFileKeepsItsRecordsWithTheStockMarkAndLosesItsDescription) {
  const LayoutRow& row = GetParam();
  std::vector<std::string> stored = {patternRecord(row.recordSize, 4, 0x0000, row.flagsOffset),
                                     patternRecord(row.recordSize, 5, 0x0010, row.flagsOffset)};
  writeData("stock.bin", fileBytes(2, 7, "Shipped list, December", 2, stored));
  FormulaDatabase db(row.kind);
  ASSERT_EQ(db.loadFile("stock.bin", false).count, 2);
  EXPECT_TRUE(db.isStock(0));
  EXPECT_TRUE(db.isStock(1));
  ASSERT_EQ(db.saveFile("stock.bin", false), 2);
  std::vector<std::string> expected = stored;
  putAt(expected[0], row.flagsOffset, "\x00\x80", 2);
  putAt(expected[1], row.flagsOffset, "\x10\x80", 2);
  EXPECT_EQ(readData("stock.bin"), fileBytes(1, 5, "", 2, expected));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RoundTripTest,
    ::testing::Values(LayoutRow{"adult", FormulaKind::Adult, kAdultSize, 156, "FormulasUser.bin"},
                      LayoutRow{"pediatric", FormulaKind::Pediatric, kPedsSize, 212,
                                "FormulasPedsUser.bin"}),
    [](const auto& row) { return std::string(row.param.label); });

// ---- Field offsets ----

struct FieldRow {
  const char* label;
  FormulaKind kind;
  std::size_t literalOffset;  // from the published layout
  std::size_t fieldOffset;    // the program's name for it
};
void PrintTo(const FieldRow& row, std::ostream* out) { *out << row.label; }

class FieldOffsetTest : public ::testing::TestWithParam<FieldRow> {};

TEST_P(FieldOffsetTest, NamedFieldReadsTheBytesAtItsOffset) {
  const FieldRow& row = GetParam();
  const std::size_t size = row.kind == FormulaKind::Adult ? kAdultSize : kPedsSize;
  std::string bytes(size, '\0');
  putFloat(bytes, row.literalOffset, 123.25f);
  FormulaRecord record(row.kind, bytes);
  EXPECT_EQ(record.number(row.fieldOffset), 123.25f);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldOffsetTest,
    ::testing::Values(
        FieldRow{"adultKcal", FormulaKind::Adult, 48, adult_field::kKcalPerMl},
        FieldRow{"adultSodiumMeq", FormulaKind::Adult, 68, adult_field::kSodiumMeq},
        FieldRow{"adultPhosphorusMeq", FormulaKind::Adult, 100, adult_field::kPhosphorusMeq},
        FieldRow{"adultMagnesiumMeq", FormulaKind::Adult, 108, adult_field::kMagnesiumMeq},
        FieldRow{"adultFiber", FormulaKind::Adult, 112, adult_field::kFiber},
        FieldRow{"adultServing", FormulaKind::Adult, 116, adult_field::kServingSize},
        FieldRow{"adultPercentProtein", FormulaKind::Adult, 124, adult_field::kPercentProtein},
        FieldRow{"adultNpcToN", FormulaKind::Adult, 136, adult_field::kNpcToN},
        FieldRow{"adultRdi", FormulaKind::Adult, 148, adult_field::kRdi},
        FieldRow{"adultWater", FormulaKind::Adult, 152, adult_field::kWater},
        FieldRow{"pedsCalories", FormulaKind::Pediatric, 48, peds_field::kCalories},
        FieldRow{"pedsServing", FormulaKind::Pediatric, 68, peds_field::kServingSize},
        FieldRow{"pedsPercentProtein", FormulaKind::Pediatric, 76, peds_field::kPercentProtein},
        FieldRow{"pedsLinoleic", FormulaKind::Pediatric, 100, peds_field::kLinoleicAcid},
        FieldRow{"pedsVitaminA", FormulaKind::Pediatric, 104, peds_field::kVitaminA},
        FieldRow{"pedsChloride", FormulaKind::Pediatric, 208, peds_field::kVitaminA + 4 * 26}),
    [](const auto& row) { return std::string(row.param.label); });

struct TextRow {
  const char* label;
  FormulaKind kind;
  std::size_t offset;
  std::size_t width;
};
void PrintTo(const TextRow& row, std::ostream* out) { *out << row.label; }

class TextFieldTest : public ::testing::TestWithParam<TextRow> {};

// A field filled to its width without a NUL reads as exactly its width.
TEST_P(TextFieldTest, ReadStopsAtTheFieldWidthWithoutANul) {
  const TextRow& row = GetParam();
  const std::size_t size = row.kind == FormulaKind::Adult ? kAdultSize : kPedsSize;
  std::string bytes(size, 'Z');
  putText(bytes, row.offset, std::string(row.width, 'a'));
  FormulaRecord record(row.kind, bytes);
  EXPECT_EQ(record.text(row.offset, row.width), std::string(row.width, 'a'));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TextFieldTest,
    ::testing::Values(TextRow{"adultName", FormulaKind::Adult, 0, 48},
                      TextRow{"adultManufacturer", FormulaKind::Adult, 158, 32},
                      TextRow{"adultClosedSystem", FormulaKind::Adult, 398, 5},
                      TextRow{"adultFlavors", FormulaKind::Adult, 404, 48},
                      TextRow{"pedsForm", FormulaKind::Pediatric, 270, 16},
                      TextRow{"pedsUse", FormulaKind::Pediatric, 478, 642}),
    [](const auto& row) { return std::string(row.param.label); });

struct EncodingRow {
  const char* label;
  const char* utf8;
  const char* stored;  // windows-1252 bytes
};
void PrintTo(const EncodingRow& row, std::ostream* out) { *out << row.label; }

class NameEncodingTest : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(NameEncodingTest, NamesAreStoredAsWindows1252) {
  const EncodingRow& row = GetParam();
  FormulaRecord record(FormulaKind::Adult);
  ASSERT_TRUE(record.setName(row.utf8));
  EXPECT_EQ(record.bytes().substr(0, std::strlen(row.stored) + 1),
            std::string(row.stored) + '\0');
  EXPECT_EQ(record.name(), row.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameEncodingTest,
    ::testing::Values(EncodingRow{"ascii", "Standard 1.0", "Standard 1.0"},
                      EncodingRow{"latin", "Cr\xC3\xA8me Br\xC3\xBBl\xC3\xA9", "Cr\xE8me Br\xFBl\xE9"},
                      EncodingRow{"euro", "\xE2\x82\xAC 2", "\x80 2"},
                      EncodingRow{"quotes", "\xE2\x80\x9CMy\xE2\x80\x9D", "\x93My\x94"}),
    [](const auto& row) { return std::string(row.param.label); });

TEST_F(FormulaDatabaseTest, NameOutsideWindows1252IsRefusedAndNothingIsWritten) {
  FormulaDatabase db(FormulaKind::Adult);
  EXPECT_EQ(db.appendRecord("Arrow \xE2\x86\x92 feed"), AppendResult::NotWindows1252);
  EXPECT_EQ(db.appendRecord("Bad \xFF byte"), AppendResult::NotWindows1252);
  EXPECT_EQ(db.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(folder() / "FormulasUser.bin"));
}

// ---- Edge cases of the list ----

TEST_F(FormulaDatabaseTest, EmptyStockFileAndTwoUserRecords) {
  writeData("Formulas.bin", fileBytes(1, 5, "", 0, {}));
  writeData("FormulasUser.bin", fileBytes(1, 5, "", 2,
                                          {adultRecord("Mine 1", 1.2f, 0),
                                           adultRecord("Mine 2", 0.8f, 0)}));
  FormulaDatabase db(FormulaKind::Adult);
  EXPECT_EQ(db.loadFile("Formulas.bin", false).count, 0);
  EXPECT_EQ(db.loadFile("FormulasUser.bin", true).count, 2);
  EXPECT_FALSE(db.isStock(0));
  EXPECT_EQ(db.saveFile("FormulasUser.bin", true), 2);
  EXPECT_EQ(int16At(readData("FormulasUser.bin"), 68), 2);
  EXPECT_EQ(readData("FormulasUser.bin").size(), 70 + 2 * kAdultSize);
  EXPECT_EQ(db.saveFile("Formulas.bin", false), 2);
  EXPECT_EQ(readData("Formulas.bin"), fileBytes(1, 5, "", 0, {}));
}

TEST_F(FormulaDatabaseTest, LongNameIsCutTo47Bytes) {
  FormulaDatabase db(FormulaKind::Adult);
  const std::string name52 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  ASSERT_EQ(name52.size(), 52u);
  ASSERT_EQ(db.appendRecord(name52), AppendResult::Appended);
  EXPECT_EQ(db.record(0).name(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstu");
  const std::string file = readData("FormulasUser.bin");
  ASSERT_EQ(file.size(), 70 + kAdultSize);
  EXPECT_EQ(file.substr(70, 48), name52.substr(0, 47) + '\0');
  float serving = 0;
  std::memcpy(&serving, &file[70 + 116], 4);
  EXPECT_EQ(serving, 1000.0f);
  EXPECT_EQ(int16At(file, 70 + 156), 0);
  EXPECT_EQ(db.currentIndex(), 0);
}

TEST_F(FormulaDatabaseTest, NewPediatricRecordServes100Millilitres) {
  FormulaDatabase db(FormulaKind::Pediatric);
  ASSERT_EQ(db.appendRecord("Mine"), AppendResult::Appended);
  const std::string file = readData("FormulasPedsUser.bin");
  ASSERT_EQ(file.size(), 70 + kPedsSize);
  float serving = 0;
  std::memcpy(&serving, &file[70 + 68], 4);
  EXPECT_EQ(serving, 100.0f);
}

TEST_F(FormulaDatabaseTest, EmptyNameIsRefused) {
  FormulaDatabase db(FormulaKind::Adult);
  EXPECT_EQ(db.appendRecord(""), AppendResult::EmptyName);
  EXPECT_EQ(db.count(), 0);
}

TEST_F(FormulaDatabaseTest, RemovingRecordTwoOfFiveMovesRecordFiveIntoItsSlot) {
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  allowStockEditing() = true;
  db.removeRecord(1);
  ASSERT_EQ(db.count(), 4);
  EXPECT_EQ(db.record(0).name(), "Stock A");
  EXPECT_EQ(db.record(1).name(), "Mine 2");
  EXPECT_EQ(db.record(2).name(), "Stock C");
  EXPECT_EQ(db.record(3).name(), "Mine 1");
}

// ---- Mended faults ----

// Removing a record keeps the current formula current, wherever it moved.
struct RemoveRow {
  int current;
  int removed;
  int expectedCurrent;
  const char* expectedName;
};
void PrintTo(const RemoveRow& row, std::ostream* out) {
  *out << "current " << row.current << ", removed " << row.removed;
}

class RemoveKeepsCurrentTest : public FormulaDatabaseTest,
                               public ::testing::WithParamInterface<RemoveRow> {};

TEST_P(RemoveKeepsCurrentTest, CurrentStaysOnTheSameFormula) {
  const RemoveRow& row = GetParam();
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  db.setCurrentIndex(row.current);
  db.removeRecord(row.removed);
  EXPECT_EQ(db.currentIndex(), row.expectedCurrent);
  if (row.expectedCurrent >= 0) {
    EXPECT_EQ(db.record(db.currentIndex()).name(), row.expectedName);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, RemoveKeepsCurrentTest,
                         ::testing::Values(RemoveRow{2, 2, -1, ""},
                                           RemoveRow{4, 4, -1, ""},
                                           RemoveRow{4, 1, 1, "Mine 2"},
                                           RemoveRow{0, 1, 0, "Stock A"},
                                           RemoveRow{3, 0, 3, "Mine 1"}));

struct IndexRow {
  int index;
  int expected;
};
void PrintTo(const IndexRow& row, std::ostream* out) { *out << "index " << row.index; }

class CurrentIndexRangeTest : public FormulaDatabaseTest,
                              public ::testing::WithParamInterface<IndexRow> {};

TEST_P(CurrentIndexRangeTest, IndexOutsideTheListIsNoFormula) {
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  db.setCurrentIndex(GetParam().index);
  EXPECT_EQ(db.currentIndex(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CurrentIndexRangeTest,
                         ::testing::Values(IndexRow{-5, -1}, IndexRow{-1, -1}, IndexRow{0, 0},
                                           IndexRow{4, 4}, IndexRow{5, -1}, IndexRow{32767, -1}));

TEST_F(FormulaDatabaseTest, CurrentIndexPastAShorterListReadsAsNone) {
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  db.setCurrentIndex(4);
  db.release();
  EXPECT_EQ(db.currentIndex(), -1);
  writeData("FormulasUser.bin", fileBytes(1, 5, "", 0, {}));
  ASSERT_EQ(db.loadFile("Formulas.bin", false).count, 3);
  ASSERT_EQ(db.loadFile("FormulasUser.bin", true).count, 3);
  EXPECT_EQ(db.currentIndex(), -1);
}

// Saving picks records by their stock mark, not their place in the list.
TEST_F(FormulaDatabaseTest, DeletingAStockRecordNeverWritesStockRecordsToTheUserFile) {
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  allowStockEditing() = true;
  db.removeRecord(0);  // "Mine 2" moves to the front, ahead of two stock records
  ASSERT_EQ(db.saveUserPart(), 4);
  const std::string user = readData("FormulasUser.bin");
  ASSERT_EQ(user.size(), 70 + 2 * kAdultSize);
  EXPECT_EQ(user.substr(70, 7), std::string("Mine 2") + '\0');
  EXPECT_EQ(user.substr(70 + kAdultSize, 7), std::string("Mine 1") + '\0');
  ASSERT_EQ(db.saveStockPart(), 4);
  const std::string stock = readData("Formulas.bin");
  ASSERT_EQ(stock.size(), 70 + 2 * kAdultSize);
  EXPECT_EQ(stock.substr(70, 8), std::string("Stock B") + '\0');
  EXPECT_EQ(stock.substr(70 + kAdultSize, 8), std::string("Stock C") + '\0');
}

// A stock mark found in the user file would hide the record from every later save of
// the user file; it is cleared so the record is written back where it came from.
TEST_F(FormulaDatabaseTest, UserFileRecordsAreUserRecordsWhateverTheirMark) {
  writeData("FormulasUser.bin", fileBytes(1, 5, "", 1, {adultRecord("Marked", 1.0f, 0x8004)}));
  FormulaDatabase db(FormulaKind::Adult);
  ASSERT_EQ(db.loadFile("FormulasUser.bin", true).count, 1);
  EXPECT_FALSE(db.isStock(0));
  EXPECT_EQ(db.record(0).flags(), 0x0004);
  ASSERT_EQ(db.saveUserPart(), 1);
  EXPECT_EQ(int16At(readData("FormulasUser.bin"), 68), 1);
}

// Damaged files: each is kept aside as NAME.bad, never written over, and the stock
// records stay loaded.
struct DamagedRow {
  const char* label;
  std::string bytes;
};
void PrintTo(const DamagedRow& row, std::ostream* out) { *out << row.label; }

std::vector<DamagedRow> damagedFiles() {
  const std::string one = adultRecord("Mine 1", 1.2f, 0);
  const std::string full = fileBytes(1, 5, "", 2, {one, adultRecord("Mine 2", 0.8f, 0)});
  return {
      {"empty", ""},
      {"shortVersion", full.substr(0, 3)},
      {"shortDescription", full.substr(0, 40)},
      {"noCount", full.substr(0, 69)},
      {"negativeCount", fileBytes(1, 5, "", -1, {one})},
      {"mostNegativeCount", fileBytes(1, 5, "", -32768, {one})},
      {"countPastTheLimit", fileBytes(1, 5, "", 32767, {one})},
      {"fewerRecordsThanCount", fileBytes(1, 5, "", 3, {one, one})},
      {"recordCutShort", full.substr(0, full.size() - 1)},
  };
}

class DamagedUserFileTest : public FormulaDatabaseTest,
                            public ::testing::WithParamInterface<DamagedRow> {};

TEST_P(DamagedUserFileTest, StockStaysAndTheFileIsKeptAside) {
  const DamagedRow& row = GetParam();
  writeData("Formulas.bin", fileBytes(1, 5, "", 2,
                                      {adultRecord("Stock A", 1.0f, 0x8000),
                                       adultRecord("Stock B", 1.5f, 0x8000)}));
  writeData("FormulasUser.bin", row.bytes);
  FormulaDatabase db(FormulaKind::Adult);
  ASSERT_EQ(db.loadFile("Formulas.bin", false).count, 2);
  LoadResult result = db.loadFile("FormulasUser.bin", true);
  EXPECT_EQ(result.status, LoadStatus::Invalid);
  EXPECT_EQ(result.count, -1);
  EXPECT_EQ(db.count(), 2);
  EXPECT_EQ(db.record(1).name(), "Stock B");
  EXPECT_EQ(result.keptAsPath, (folder() / "FormulasUser.bin.bad").string());
  EXPECT_EQ(readData("FormulasUser.bin.bad"), row.bytes);
  EXPECT_FALSE(std::filesystem::exists(folder() / "FormulasUser.bin"));
  // A new formula starts a new user file; the damaged one is untouched.
  ASSERT_EQ(db.appendRecord("Fresh"), AppendResult::Appended);
  EXPECT_EQ(readData("FormulasUser.bin.bad"), row.bytes);
  EXPECT_EQ(int16At(readData("FormulasUser.bin"), 68), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedUserFileTest, ::testing::ValuesIn(damagedFiles()),
                         [](const auto& row) { return std::string(row.param.label); });

TEST_F(FormulaDatabaseTest, ASecondDamagedFileDoesNotReplaceTheFirstKeptAside) {
  writeData("FormulasUser.bin.bad", "first");
  writeData("FormulasUser.bin", "second");
  FormulaDatabase db(FormulaKind::Adult);
  LoadResult result = db.loadFile("FormulasUser.bin", true);
  EXPECT_EQ(result.keptAsPath, (folder() / "FormulasUser.bin.bad2").string());
  EXPECT_EQ(readData("FormulasUser.bin.bad"), "first");
  EXPECT_EQ(readData("FormulasUser.bin.bad2"), "second");
}

TEST_F(FormulaDatabaseTest, DamagedFileThatCannotBeMovedIsNeverWrittenOver) {
  writeData("FormulasUser.bin", "damaged");
  platform::fileCalls().rename = [](const char*, const char*) {
    errno = EACCES;
    return -1;
  };
  FormulaDatabase db(FormulaKind::Adult);
  LoadResult result = db.loadFile("FormulasUser.bin", true);
  EXPECT_EQ(result.status, LoadStatus::Invalid);
  EXPECT_TRUE(result.keptAsPath.empty());
  EXPECT_TRUE(db.userFileBlocked());
  platform::fileCalls() = platform::systemFileCalls();
  EXPECT_EQ(db.appendRecord("Fresh"), AppendResult::NotSaved);
  EXPECT_EQ(db.saveUserPart(), -1);
  EXPECT_EQ(readData("FormulasUser.bin"), "damaged");
  EXPECT_NE(damagedFileMessage("FormulasUser.bin", result).find("will not be written over"),
            std::string::npos);
}

TEST_F(FormulaDatabaseTest, DamagedStockFileLeavesAnEmptyListAndIsKeptAside) {
  writeData("Formulas.bin", fileBytes(1, 5, "", 4, {adultRecord("Stock A", 1.0f, 0x8000)}));
  FormulaDatabase db(FormulaKind::Adult);
  LoadResult result = db.loadFile("Formulas.bin", false);
  EXPECT_EQ(result.status, LoadStatus::Invalid);
  EXPECT_EQ(db.count(), 0);
  EXPECT_TRUE(std::filesystem::exists(folder() / "Formulas.bin.bad"));
}

TEST_F(FormulaDatabaseTest, MissingFilesLeaveTheListAsItWas) {
  FormulaDatabase db(FormulaKind::Adult);
  EXPECT_EQ(db.loadFile("Formulas.bin", false).status, LoadStatus::Missing);
  EXPECT_EQ(db.loadFile("FormulasUser.bin", true).status, LoadStatus::Missing);
  EXPECT_EQ(db.count(), 0);
  EXPECT_FALSE(db.userFileBlocked());
  EXPECT_EQ(filesInFolder(), std::vector<std::string>{});
}

// A failed write, flush, close or rename leaves the old file whole and no stray file.
enum class Failing { Open, Write, ShortWrite, Fsync, Close, Rename };

struct WriteFailureRow {
  const char* label;
  Failing failing;
};
void PrintTo(const WriteFailureRow& row, std::ostream* out) { *out << row.label; }

class FailedWriteTest : public FormulaDatabaseTest,
                        public ::testing::WithParamInterface<WriteFailureRow> {
 protected:
  void failAsideFile(Failing failing) {
    auto& calls = platform::fileCalls();
    auto system = platform::systemFileCalls();
    auto aside = std::make_shared<int>(-1);
    calls.open = [=](const char* path, int flags, mode_t mode) {
      bool isAside = std::string(path).find(".writing-") != std::string::npos;
      if (isAside && failing == Failing::Open) {
        errno = EACCES;
        return -1;
      }
      int fd = system.open(path, flags, mode);
      if (isAside) *aside = fd;
      return fd;
    };
    calls.write = [=](int fd, const void* data, size_t size) -> ssize_t {
      if (fd == *aside && failing == Failing::Write) {
        errno = ENOSPC;
        return -1;
      }
      if (fd == *aside && failing == Failing::ShortWrite && size > 100) {
        ssize_t n = system.write(fd, data, 100);
        return n;  // then the next call fails
      }
      if (fd == *aside && failing == Failing::ShortWrite) {
        errno = ENOSPC;
        return -1;
      }
      return system.write(fd, data, size);
    };
    calls.fsync = [=](int fd) {
      if (fd == *aside && failing == Failing::Fsync) {
        errno = EIO;
        return -1;
      }
      return system.fsync(fd);
    };
    calls.close = [=](int fd) {
      int result = system.close(fd);
      if (fd == *aside && failing == Failing::Close) {
        errno = EIO;
        return -1;
      }
      return result;
    };
    calls.rename = [=](const char* from, const char* to) {
      if (std::string(from).find(".writing-") != std::string::npos &&
          failing == Failing::Rename) {
        errno = EXDEV;
        return -1;
      }
      return system.rename(from, to);
    };
  }
};

TEST_P(FailedWriteTest, OldUserFileStaysWholeAndTheListIsUnchanged) {
  FormulaDatabase db(FormulaKind::Adult);
  loadThreeAndTwo(db);
  const std::string before = readData("FormulasUser.bin");
  failAsideFile(GetParam().failing);
  EXPECT_EQ(db.appendRecord("New one"), AppendResult::NotSaved);
  EXPECT_EQ(db.count(), 5);
  EXPECT_EQ(db.saveUserPart(), -1);
  EXPECT_EQ(db.saveStockPart(), -1);
  platform::fileCalls() = platform::systemFileCalls();
  EXPECT_EQ(readData("FormulasUser.bin"), before);
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Formulas.bin", "FormulasUser.bin"}));
}

INSTANTIATE_TEST_SUITE_P(Calls, FailedWriteTest,
                         ::testing::Values(WriteFailureRow{"open", Failing::Open},
                                           WriteFailureRow{"write", Failing::Write},
                                           WriteFailureRow{"diskFull", Failing::ShortWrite},
                                           WriteFailureRow{"fsync", Failing::Fsync},
                                           WriteFailureRow{"close", Failing::Close},
                                           WriteFailureRow{"rename", Failing::Rename}),
                         [](const auto& row) { return std::string(row.param.label); });

// ---- The shipped stock files ----

struct StockRow {
  const char* label;
  FormulaKind kind;
  int resource;
  const char* file;
  std::size_t recordSize;
  int minimumCount;
};
void PrintTo(const StockRow& row, std::ostream* out) { *out << row.label; }

class StockFileTest : public FormulaDatabaseTest,
                      public ::testing::WithParamInterface<StockRow> {};

TEST_P(StockFileTest, AbsentStockFileIsCopiedFromTheProgram) {
  const StockRow& row = GetParam();
  ASSERT_TRUE(installStockFile(row.kind));
  auto resource = platform::findResource(platform::kResourceRawData, row.resource);
  ASSERT_FALSE(resource.empty());
  EXPECT_EQ(readData(row.file), std::string(reinterpret_cast<const char*>(resource.data()),
                                            resource.size()));
  FormulaDatabase db(row.kind);
  LoadResult result = db.loadFile(row.file, false);
  ASSERT_EQ(result.status, LoadStatus::Loaded);
  EXPECT_GE(result.count, row.minimumCount);
  EXPECT_EQ(resource.size(), 70 + static_cast<std::size_t>(result.count) * row.recordSize);
  for (int i = 0; i < db.count(); ++i) {
    EXPECT_FALSE(db.record(i).name().empty()) << i;
    EXPECT_GT(db.record(i).servingSize(), 0.0f) << i;
  }
}

TEST_P(StockFileTest, PresentStockFileIsNeverReplaced) {
  const StockRow& row = GetParam();
  writeData(row.file, "the user's own list");
  ASSERT_TRUE(installStockFile(row.kind));
  EXPECT_EQ(readData(row.file), "the user's own list");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, StockFileTest,
    ::testing::Values(StockRow{"adult", FormulaKind::Adult, 401, "Formulas.bin", kAdultSize, 20},
                      StockRow{"pediatric", FormulaKind::Pediatric, 402, "FormulasPeds.bin",
                               kPedsSize, 12}),
    [](const auto& row) { return std::string(row.param.label); });

// A stock record of the shipped adult list, checked field by field against its source
// row ("Concentrated 1.5 kcal/mL" in resources/enteral/adult-formulas.csv).
TEST_F(FormulaDatabaseTest, ShippedAdultRecordHoldsItsSourceFigures) {
  ASSERT_TRUE(installStockFile(FormulaKind::Adult));
  FormulaDatabase db(FormulaKind::Adult);
  ASSERT_GT(db.loadFile("Formulas.bin", false).count, 0);
  int found = -1;
  for (int i = 0; i < db.count(); ++i) {
    if (db.record(i).name() == "Concentrated 1.5 kcal/mL") found = i;
  }
  ASSERT_GE(found, 0);
  const FormulaRecord& r = db.record(found);
  EXPECT_EQ(r.number(48), 1.5f);
  EXPECT_EQ(r.number(52), 63.0f);
  EXPECT_EQ(r.number(64), 1400.0f);
  EXPECT_FLOAT_EQ(r.number(68), 60.869565f);  // 1400 / 23
  EXPECT_EQ(r.number(116), 1000.0f);
  EXPECT_EQ(r.number(140), 650.0f);
  EXPECT_TRUE(r.isStock());
}

// ---- Damaged input never crashes the reader or reads past the end ----

TEST_F(FormulaDatabaseTest, EveryTruncationOfAValidFileIsReadOrRefused) {
  for (FormulaKind kind : {FormulaKind::Adult, FormulaKind::Pediatric}) {
    const std::size_t size = kind == FormulaKind::Adult ? kAdultSize : kPedsSize;
    const std::size_t flags = kind == FormulaKind::Adult ? 156 : 212;
    const std::string full = fileBytes(1, 5, "", 2, {patternRecord(size, 7, 0, flags),
                                                     patternRecord(size, 8, 0, flags)});
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
      writeData("cut.bin", full.substr(0, cut));
      FormulaDatabase db(kind);
      LoadResult result = db.loadFile("cut.bin", true);
      if (cut == full.size()) {
        EXPECT_EQ(result.count, 2);
      } else {
        ASSERT_EQ(result.status, LoadStatus::Invalid) << cut;
        EXPECT_EQ(db.count(), 0) << cut;
      }
      std::filesystem::remove(folder() / "cut.bin");
      std::filesystem::remove(folder() / "cut.bin.bad");
    }
  }
}

TEST_F(FormulaDatabaseTest, RandomFilesAreReadOrRefused) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 3000, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    // Keep some counts small so that whole files are among the random ones.
    if (bytes.size() >= 70 && round % 3 == 0) putInt16(bytes, 68, static_cast<std::int16_t>(round % 5));
    writeData("random.bin", bytes);
    FormulaDatabase db(round % 2 ? FormulaKind::Adult : FormulaKind::Pediatric);
    LoadResult result = db.loadFile("random.bin", round % 4 < 2);
    const std::size_t size = round % 2 ? kAdultSize : kPedsSize;
    if (result.status == LoadStatus::Loaded) {
      ASSERT_GE(bytes.size(), 70u);
      const std::int16_t n = int16At(bytes, 68);
      EXPECT_EQ(result.count, n);
      EXPECT_GE(bytes.size(), 70 + static_cast<std::size_t>(n) * size);
      for (int i = 0; i < db.count(); ++i) (void)db.record(i).name();
    } else {
      EXPECT_EQ(result.status, LoadStatus::Invalid);
    }
    std::filesystem::remove(folder() / "random.bin");
    std::filesystem::remove(folder() / "random.bin.bad");
  }
}

}  // namespace
}  // namespace quillion::enteral
