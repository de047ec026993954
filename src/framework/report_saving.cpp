#include "framework/report_saving.h"

#include <filesystem>
#include <string>

#include "framework/add_comment_dialog.h"
#include "framework/save_options.h"
#include "framework/save_options_dialog.h"
#include "framework/strings.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace quillion::framework {
namespace {

void warn(std::string_view text) {
  platform::currentPlatform().messageBox(text, kAppName, platform::MessageIcon::Warning);
}

}  // namespace

bool saveReport(std::string_view title, const std::function<void(ResultLog&)>& writeLines) {
  SaveOptions& options = saveOptions();
  if (options.alwaysShow) {
    SaveOptionsDialog dialog;
    dialog.runModal();  // the report goes ahead whatever the user did there
  }
  if (options.fileName.empty()) {
    options.fileName = platform::defaultLogPath();
    // The documents folder of a new account may not exist yet; the default needs it.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(options.fileName).parent_path(),
                                        ignored);
  }
  ResultLog log;
  if (LogError error = log.open(options.fileName, options.overwrite != 0);
      error != LogError::None) {
    warn(logErrorMessage(error));
    return false;
  }
  if (options.includeHeader) {
    std::string header;
    if (readHeaderFile(options.headerFile, header) != HeaderError::None) {
      warn(kHeaderFileUnusable);
      return false;
    }
    log.writeBytes(header);
  }
  if (options.promptComment) {
    AddCommentDialog comment;
    if (comment.runModal() == platform::kResultOk) log.writeComment(comment.comment());
  }
  log.writeTitle(title);
  writeLines(log);
  log.writeBlank();
  if (LogError error = log.close(); error != LogError::None) {
    warn(logErrorMessage(error));
    return false;
  }
  return true;
}

}  // namespace quillion::framework
