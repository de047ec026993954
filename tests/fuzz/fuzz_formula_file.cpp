#include "fuzz_formula_file.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "enteral/formula_database.h"
#include "fuzz_support.h"
#include "platform/paths.h"

namespace quillion::fuzz {
namespace {

using enteral::FormulaDatabase;
using enteral::FormulaKind;
using enteral::FormulaRecord;
using enteral::LoadStatus;

constexpr std::size_t kHeader = 70;

std::vector<std::string> bytesOf(FormulaDatabase& db) {
  std::vector<std::string> out;
  for (const FormulaRecord& record : db.records()) out.push_back(record.bytes());
  return out;
}

// The record as the file holds it with the stock mark set or cleared.
std::string marked(FormulaKind kind, std::string_view bytes, bool stock) {
  FormulaRecord record(kind, bytes);
  const auto flags = record.flags();
  record.setFlags(static_cast<std::uint16_t>(stock ? flags | enteral::kStockFlag
                                                   : flags & ~enteral::kStockFlag));
  return record.bytes();
}

void removeFiles(const std::string& path) {
  std::error_code ignored;
  for (const char* suffix : {"", ".bad", ".bad2"}) std::filesystem::remove(path + suffix, ignored);
}

// The records a whole file holds (count and records present), or false.
bool recordsOf(FormulaKind kind, std::string_view input, std::vector<std::string>& records) {
  if (input.size() < kHeader) return false;
  std::int16_t n;
  std::memcpy(&n, input.data() + 68, sizeof n);
  const std::size_t size = enteral::layoutOf(kind).recordSize;
  if (n < 0 || input.size() - kHeader < static_cast<std::size_t>(n) * size) return false;
  for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
    records.emplace_back(input.substr(kHeader + i * size, size));
  }
  return true;
}

}  // namespace

int fuzzFormulaFile(FormulaKind kind, const std::uint8_t* data, std::size_t size) {
  setUp();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  FormulaDatabase db(kind);
  const std::string userPath = db.pathOf(db.layout().userFile);
  const std::string stockPath = db.pathOf(db.layout().stockFile);
  std::error_code ignored;
  std::filesystem::create_directories(platform::dataFolder(), ignored);
  removeFiles(userPath);
  removeFiles(stockPath);

  std::vector<std::string> inFile;
  const bool whole = recordsOf(kind, input, inFile);

  // The user's file after two stock records.
  for (const char* name : {"Stock One", "Stock Two"}) {
    FormulaRecord record(kind);
    FUZZ_CHECK(record.setName(name));
    record.setFlags(enteral::kStockFlag);
    db.records().push_back(record);
  }
  const std::vector<std::string> before = bytesOf(db);
  FUZZ_CHECK(writeWholeFile(userPath, input));
  const auto result = db.loadFile(db.layout().userFile, true);
  FUZZ_CHECK(result.status == LoadStatus::Loaded || result.status == LoadStatus::Invalid);
  if (result.status == LoadStatus::Invalid) {
    FUZZ_CHECK(bytesOf(db) == before);
    FUZZ_CHECK(result.count == -1);
    FUZZ_CHECK(result.keptAsPath == userPath + ".bad");
    std::string kept;
    FUZZ_CHECK(readWholeFile(result.keptAsPath, kept) && kept == input);
    FUZZ_CHECK(!std::filesystem::exists(userPath));
    // Nothing was lost, so the stock part may still be written; the user part now starts
    // a new file.
    FUZZ_CHECK(!db.userFileBlocked());
  } else {
    FUZZ_CHECK(whole);
    FUZZ_CHECK(result.count == db.count());
    FUZZ_CHECK(db.count() == static_cast<int>(before.size() + inFile.size()));
    const std::vector<std::string> now = bytesOf(db);
    for (std::size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(now[i] == before[i]);
    for (std::size_t i = 0; i < inFile.size(); ++i) {
      FUZZ_CHECK(now[before.size() + i] == marked(kind, inFile[i], false));
    }
    // Saved and loaded again: the same user records.
    FUZZ_CHECK(db.saveUserPart() == db.count());
    FormulaDatabase again(kind);
    FUZZ_CHECK(again.loadFile(again.layout().userFile, true).status == LoadStatus::Loaded);
    const std::vector<std::string> reread = bytesOf(again);
    FUZZ_CHECK(reread == std::vector<std::string>(now.begin() + 2, now.end()));
  }

  // The same bytes as the stock file, into an empty list.
  FormulaDatabase stock(kind);
  FUZZ_CHECK(writeWholeFile(stockPath, input));
  const auto stockResult = stock.loadFile(stock.layout().stockFile, false);
  FUZZ_CHECK((stockResult.status == LoadStatus::Loaded) == whole);
  if (whole) {
    FUZZ_CHECK(stock.count() == static_cast<int>(inFile.size()));
    for (std::size_t i = 0; i < inFile.size(); ++i) {
      FUZZ_CHECK(stock.record(static_cast<int>(i)).bytes() == marked(kind, inFile[i], true));
    }
    FUZZ_CHECK(stock.saveStockPart() == stock.count());
    FormulaDatabase again(kind);
    FUZZ_CHECK(again.loadFile(again.layout().stockFile, false).status == LoadStatus::Loaded);
    FUZZ_CHECK(bytesOf(again) == bytesOf(stock));
  } else {
    FUZZ_CHECK(stock.count() == 0);
  }
  return 0;
}

}  // namespace quillion::fuzz
