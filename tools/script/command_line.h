// The values quillion-script's command line takes: --now's local time and --home's folder.
#pragma once

#include <string>

#include "platform/platform.h"

namespace quillion::script {

// Reads --now's "YYYY-MM-DD HH:MM"; false when the text is not such a time.
bool parseLocalTime(const std::string& text, platform::LocalTime& time);

}  // namespace quillion::script
