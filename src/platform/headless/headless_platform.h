// The in-memory backend: no widgets, deterministic, driven by the unit tests and the
// script driver. Without an automation, a modal run ends at once with Cancel and a
// message box is answered OK; the texts are kept for the caller to inspect.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace quillion::platform::headless {

class HeadlessPlatform : public Platform {
 public:
  void setTimer(Window& window, int timerId, int milliseconds) override;
  void killTimer(Window& window, int timerId) override;

  // Delivers one tick to every timer of the window.
  void tick(Window& window) override;

  const std::vector<std::string>& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }

 protected:
  int runModalNative(Window& window) override;
  int messageBoxNative(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons) override;
  std::optional<std::string> askSaveFileNameNative(const SaveFileRequest& request) override;

 private:
  std::map<std::pair<Window*, int>, int> timers_;
  std::vector<std::string> messages_;
};

}  // namespace quillion::platform::headless
