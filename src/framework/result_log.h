// The results log file: one "Save" makes one ResultLog, which collects a report (the
// header file's bytes, a comment, the title block and the page's lines) and puts it in
// the file whole or not at all. It never talks to the user: open and close return what
// went wrong, and the page's save handling shows it. Lines end with CR LF; UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/control.h"

namespace quillion::framework {

enum class [[nodiscard]] LogError {
  None,
  CannotOpen,      // a folder missing, no permission, the file system read-only
  NotRegularFile,  // the path names a folder, a device or a pipe
  InUse,           // another process held the file's lock for too long
  WriteFailed,     // the disk full or the write refused: the file is as it was
};

// The message the user is shown for an error ("Could not open file. Data not written.").
std::string_view logErrorMessage(LogError error);

// How long a report waits for another writer of the same log before giving up.
inline constexpr int kLogLockWaitMs = 3000;
inline constexpr int kLogLockRetryMs = 50;

class ResultLog {
 public:
  ResultLog() = default;

  // Starts a report for the log at path: a symbolic link is followed to its target; the
  // target must be a regular file or absent (it is created, as an empty file). Nothing of
  // the report is written before close. Until a successful open every write is dropped.
  LogError open(std::string path, bool overwrite);
  bool isOpen() const { return open_; }
  // Starts a report that is only collected, for printing; it has no file to close into.
  void collect();
  // The file the report goes to, links resolved.
  const std::string& path() const { return path_; }

  void writeBytes(std::string_view bytes);  // verbatim, no line end (the header file)
  void writeLine(std::string_view text);
  // A typed comment as one line; its own line breaks become CR LF.
  void writeComment(std::string_view text);
  void writeValue(std::string_view format, double value);
  void writeInteger(std::string_view format, int value);
  void writeBlank();
  // '_' or 0, '-' or 1, '=' or 2, '#' or 3; anything else gives '='.
  void writeRule(int kind);
  void writeTitle(std::string_view title);
  // The list's column titles, then its rows; each cell followed by " \t".
  void writeTable(const platform::Control* list, int columnCount);

  const std::string& report() const { return report_; }

  // Puts the report in the file: appended under the file's lock (taken back if the write
  // fails), or, in overwrite mode, written aside and renamed over the file. A log that
  // was replaced while this report waited is opened anew. Closed afterwards either way.
  LogError close();

 private:
  LogError append();
  LogError replace();

  bool open_ = false;
  bool overwrite_ = false;
  std::string path_;
  std::string report_;
};

// The largest header file a report copies.
inline constexpr std::size_t kHeaderFileLimit = 64 * 1024;

enum class [[nodiscard]] HeaderError {
  None,       // read, or not there (a header file that cannot be found adds nothing)
  Unusable,   // not a regular file, larger than the limit, or unreadable
};

// Reads the header file without blocking (a pipe or a device is refused, not waited on).
HeaderError readHeaderFile(const std::string& path, std::string& bytes);

// The date line of a report's title block: " 2005-11-29 at 12:19".
std::string reportDateLine();

}  // namespace quillion::framework
