// The enteral formula list of one kind (adult or pediatric): stock records first, then the
// user's own, read from and written to the formula files in the data folder.
//
// A file is written aside in the same folder, flushed to disk and renamed into place, so
// a crash or a full disk leaves the old file whole. A user file that cannot be read is
// renamed with a ".bad" suffix before anything can be written over it, and the stock
// records stay loaded.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "enteral/formula_record.h"

namespace quillion::enteral {

// The stock files shipped inside the program (raw-data resources).
inline constexpr int kAdultStockResource = 401;
inline constexpr int kPedsStockResource = 402;

// Largest record count a file may hold: the count is a signed 16-bit number.
inline constexpr int kMaxRecords = 32767;

enum class LoadStatus {
  Loaded,
  Missing,     // no such file; the list is as it was
  Unreadable,  // the file exists but cannot be opened; the list is as it was
  Invalid,     // short or damaged; the list keeps what it held before this file
};

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  int count = -1;           // records in the list after the load, or -1
  std::string keptAsPath;   // where a damaged file was moved to, or empty
};

enum class AppendResult {
  Appended = 0,
  OutOfMemory = 1,
  EmptyName = 2,
  NotSaved = 3,         // the user file could not be written; the list is as it was
  NotWindows1252 = 4,   // the name holds a character a formula file cannot store
};

inline constexpr const char* kNameNotStoredMessage =
    "The name holds a character that a formula file cannot store. Please use letters, "
    "digits and punctuation of Western European languages.";

class FormulaDatabase {
 public:
  explicit FormulaDatabase(FormulaKind kind) : kind_(kind) {}

  FormulaKind kind() const { return kind_; }
  const FormulaLayout& layout() const { return layoutOf(kind_); }

  // A stock file replaces the list and marks every record stock; a user file is appended
  // with the stock mark cleared, so each of its records is written back to it.
  LoadResult loadFile(std::string_view fileName, bool isUserFile);
  // Writes the user records (stock mark clear) or the stock records (mark set); the
  // list's count on success, -1 when nothing was written.
  [[nodiscard]] int saveFile(std::string_view fileName, bool userPart);
  [[nodiscard]] int saveUserPart() { return saveFile(layout().userFile, true); }
  [[nodiscard]] int saveStockPart() { return saveFile(layout().stockFile, false); }

  // A zeroed user record with the name (cut to 47 bytes) and the default serving size,
  // made current and saved to the user file. On NotSaved the list is as it was.
  [[nodiscard]] AppendResult appendRecord(std::string_view name);
  // A user copy of the record at index under a new name, made current and saved to the
  // user file. On NotSaved the list is as it was.
  [[nodiscard]] AppendResult copyRecord(int index, std::string_view name);
  // Applies a change to the list and writes the user file; when the file cannot be written
  // the change is undone and false returned.
  [[nodiscard]] bool changeAndSaveUser(const std::function<void(FormulaDatabase&)>& change);
  // Moves the last record into the slot; the current formula stays current (or -1 when
  // it was the one removed).
  void removeRecord(int index);
  bool isStock(int index) const { return valid(index) && records_[index].isStock(); }

  int count() const { return static_cast<int>(records_.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  FormulaRecord& record(int index) { return records_.at(static_cast<std::size_t>(index)); }
  const FormulaRecord& record(int index) const {
    return records_.at(static_cast<std::size_t>(index));
  }
  std::vector<FormulaRecord>& records() { return records_; }

  // The current formula, or -1; kept for the whole run, so an index past the list's end
  // (after a release or a shorter file) reads as -1.
  int currentIndex() const { return valid(currentIndex_) ? currentIndex_ : -1; }
  // Any index outside the list becomes -1.
  void setCurrentIndex(int index) { currentIndex_ = valid(index) ? index : -1; }

  // Empties the list (the calculator page's end).
  void release();

  // Whether a user file that could not be read still sits under its own name, so that
  // writing the user part would destroy it.
  bool userFileBlocked() const { return userFileBlocked_; }

  std::string pathOf(std::string_view fileName) const;

 private:
  FormulaKind kind_;
  std::vector<FormulaRecord> records_;
  int currentIndex_ = -1;
  bool userFileBlocked_ = false;
};

// The list of each kind, shared by the tool's pages.
FormulaDatabase& formulaDatabase(FormulaKind kind);

// "Allow editing of Manufacturer Formulas": one flag for the program, off at start.
bool& allowStockEditing();

// Copies the shipped stock file of the kind into the data folder when none is there; a
// file that is present is never replaced. False when the copy could not be written.
bool installStockFile(FormulaKind kind);

// Writes bytes to path through a file beside it, flushed and renamed into place.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view bytes);

// The message shown when a damaged formula file was found.
std::string damagedFileMessage(std::string_view fileName, const LoadResult& result);

inline constexpr const char* kNotWrittenMessage = "Could not open file. Data not written.";

}  // namespace quillion::enteral
