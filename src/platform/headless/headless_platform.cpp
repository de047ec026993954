// The in-memory backend.
#include "platform/headless/headless_platform.h"

namespace quillion::platform::headless {

void HeadlessPlatform::setTimer(Window& window, int timerId, int milliseconds) {
  timers_[{&window, timerId}] = milliseconds;
}

void HeadlessPlatform::killTimer(Window& window, int timerId) { timers_.erase({&window, timerId}); }

void HeadlessPlatform::tick(Window& window) {
  std::vector<int> ids;
  for (const auto& [key, ms] : timers_) {
    if (key.first == &window) ids.push_back(key.second);
  }
  for (int id : ids) window.onTimer(id);
}

int HeadlessPlatform::runModalNative(Window& window) {
  if (automation()) {
    automation()->runModal(window);
  } else if (!window.ended()) {
    window.requestCancel();
  }
  for (auto it = timers_.begin(); it != timers_.end();) {
    it = it->first.first == &window ? timers_.erase(it) : std::next(it);
  }
  return window.result();
}

int HeadlessPlatform::messageBoxNative(std::string_view text, std::string_view /*title*/,
                                       MessageIcon /*icon*/, MessageButtons buttons) {
  messages_.emplace_back(text);
  return buttons == MessageButtons::YesNo ? kAnswerYes : kAnswerOk;
}

std::optional<std::string> HeadlessPlatform::askSaveFileNameNative(const SaveFileRequest&) {
  return std::nullopt;
}

}  // namespace quillion::platform::headless
