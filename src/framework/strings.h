// The program's string table: messages and fixed texts quoted by number or by name.
#pragma once

#include <string_view>

namespace quillion::framework {

inline constexpr std::string_view kAppName = "Quillion";

inline constexpr std::string_view kNothingChanged =
    "Nothing has changed since the last time you saved to the file.";
inline constexpr std::string_view kCouldNotOpenFile = "Could not open file. Data not written.";
inline constexpr std::string_view kCouldNotWriteFile =
    "Could not write the whole report to the file (the disk may be full). "
    "Data not written; the file is as it was before.";
inline constexpr std::string_view kLogNotRegularFile =
    "The log file named in Save Options is not a regular file (it is a folder, a device or "
    "a pipe). Choose another file with Options. Data not written.";
inline constexpr std::string_view kLogInUse =
    "The log file is in use by another program. Data not written; try again in a moment.";
inline constexpr std::string_view kHeaderFileUnusable =
    "The header file named in Save Options cannot be used (it must be a readable regular "
    "file of at most 64 KB). Data not written.";
inline constexpr std::string_view kSettingsInUse =
    "The settings file is in use by another program. Quillion shows built-in values for "
    "now and will not store the inputs of tools opened while it is busy.";
// Followed by the log's path.
inline constexpr std::string_view kLogNotMadeYet =
    "The results log %s does not exist yet: the first report saved makes it.";
inline constexpr std::string_view kNoLogViewer =
    "No program could be started to show the results log. It is the text file %s.";
inline constexpr std::string_view kOutOfMemory = "ERROR! Out of Memory!";
inline constexpr std::string_view kEnterNumber = "Please enter a number.";
inline constexpr std::string_view kEnterInteger = "Please enter an integer.";
// Followed by the two bounds: "Please enter an integer between 0 and 99."
inline constexpr std::string_view kEnterIntegerBetween = "Please enter an integer between ";
// Followed by the two bounds: "Please enter a number between 0 and 130."
inline constexpr std::string_view kEnterNumberBetween = "Please enter a number between ";

// String resources the program loads by number.
inline constexpr int kStringMakerKey = 1041;
inline constexpr int kStringBordering = 1045;
inline constexpr int kStringSignificant = 1047;
inline constexpr int kStringSevere = 1049;

// The text of a numbered string resource; empty when there is none.
constexpr std::string_view loadString(int id) {
  switch (id) {
    case kStringMakerKey: return "Corvantis Inc";
    case kStringBordering: return "Bordering";
    case kStringSignificant: return "Significant";
    case kStringSevere: return "Severe";
    default: return {};
  }
}

}  // namespace quillion::framework
