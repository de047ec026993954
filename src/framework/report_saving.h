// "Save" as every page with a report does it: the save options when they are always
// shown, the header file, the comment prompt, then the report itself. Every message the
// user sees about the log comes from here; the log itself only returns errors.
#pragma once

#include <functional>
#include <string_view>

#include "framework/result_log.h"

namespace quillion::framework {

// Writes title's block and the page's lines as one report. True when the report is in
// the file; otherwise the user has been told why and nothing was written.
bool saveReport(std::string_view title, const std::function<void(ResultLog&)>& writeLines);

}  // namespace quillion::framework
