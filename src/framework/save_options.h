// The program-wide save options of the results log, kept in section "SaveOp".
#pragma once

#include <string>

namespace quillion::framework {

inline constexpr int kIbwMethodCount = 4;

struct SaveOptions {
  int alwaysShow = 0;      // "AA": show the options before every report
  int overwrite = 0;       // "OW": 0 append, 1 replace the file with each report
  int includeHeader = 0;   // "IH": copy the header file at the top of each report
  int includeReviews = 0;  // "IR": offered and stored
  int promptComment = 0;   // "PC": ask for a comment before each report
  std::string fileName;    // "FN": the log's path; empty means the default path
  int ibwMethod = 0;       // "IM": 0 Standard, 1 Devine, 2 Robinson, 3 Miller
  std::string headerFile;  // "HF": the header file's path; empty means none
  std::string lastChosenName;
};

SaveOptions& saveOptions();

// Reads the options from the store, each with its current value as the default.
void loadSaveOptions();
// Writes them, in the order "AA", "OW", "IH", "IR", "PC", "FN", "IM", then "HF".
void storeSaveOptions();

}  // namespace quillion::framework
