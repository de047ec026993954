// Per-user folders: QUILLION_HOME (or the script driver's --home) puts everything under
// one folder; otherwise the XDG base directories and ~/Documents are used.
#include "platform/paths.h"

#include <cstdlib>
#include <optional>

namespace quillion::platform {
namespace {

std::optional<std::string> gHomeOverride;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string quillionHome() {
  if (gHomeOverride) return *gHomeOverride;
  return environment("QUILLION_HOME");
}

std::string userHome() {
  std::string home = environment("HOME");
  return home.empty() ? std::string(".") : home;
}

std::string xdgFolder(const char* variable, const char* fallback) {
  std::string folder = environment(variable);
  // XDG requires an absolute path; a relative one is ignored.
  if (folder.empty() || folder.front() != '/') folder = userHome() + "/" + fallback;
  return folder;
}

}  // namespace

void setHomeOverride(std::string folder) { gHomeOverride = std::move(folder); }

std::string settingsDatabasePath() {
  std::string home = quillionHome();
  if (!home.empty()) return home + "/config/settings.db";
  return xdgFolder("XDG_CONFIG_HOME", ".config") + "/quillion/settings.db";
}

std::string dataFolder() {
  std::string home = quillionHome();
  if (!home.empty()) return home + "/data";
  return xdgFolder("XDG_DATA_HOME", ".local/share") + "/quillion";
}

std::string documentsFolder() {
  std::string home = quillionHome();
  if (!home.empty()) return home + "/Documents";
  return userHome() + "/Documents";
}

std::string defaultLogPath() { return documentsFolder() + "/QuillionLog.txt"; }

}  // namespace quillion::platform
