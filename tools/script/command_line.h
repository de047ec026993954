// The values quillion-script's command line takes: --now's local time and --home's folder.
#pragma once

#include <string>

#include "platform/platform.h"

namespace quillion::script {

// Reads --now's "YYYY-MM-DD HH:MM"; false when the text is not such a time, or names a
// day the calendar does not have (31 April, 29 February outside a leap year).
bool parseLocalTime(const std::string& text, platform::LocalTime& time);

// --home's folder as an absolute path without "." or ".." parts or a final separator,
// as the program's paths under it will be shown.
std::string absoluteFolder(const std::string& folder);

}  // namespace quillion::script
