// The results log: one "Save" makes one ResultLog, which opens the log file (after the
// save options and the comment prompt), collects the report's lines and, on close,
// puts them in the file whole or not at all. Lines end with CR LF; the text is UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/control.h"

namespace quillion::framework {

class ResultLog {
 public:
  ResultLog() = default;
  ~ResultLog();
  ResultLog(const ResultLog&) = delete;
  ResultLog& operator=(const ResultLog&) = delete;

  void open();
  bool isOpen() const { return fd_ >= 0; }

  void writeLine(std::string_view text);
  void writeValue(std::string_view format, double value);
  void writeValue(std::string_view format, int value);
  void writeBlank();
  // '_' or 0, '-' or 1, '=' or 2, '#' or 3; anything else gives '='.
  void writeRule(int kind);
  void writeTitle(std::string_view title);
  // The list's column titles, then its rows; each cell followed by " \t".
  void writeTable(const platform::Control* list, int columnCount);

  // Puts the report in the file and closes it; a failed write leaves the file as it was
  // and tells the user.
  void close();

 private:
  void copyHeaderFile();
  bool commit();

  int fd_ = -1;
  std::string path_;
  std::string report_;
};

// The date line of a report's title block: " 2005-11-29 at 12:19".
std::string reportDateLine();

}  // namespace quillion::framework
