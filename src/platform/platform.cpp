// The platform services every backend shares: the automation hooks and fixed time.
#include "platform/platform.h"

#include <chrono>
#include <ctime>
#include <stdexcept>

namespace quillion::platform {
namespace {
Platform* gCurrent = nullptr;
}

Platform& currentPlatform() {
  if (!gCurrent) throw std::logic_error("no platform installed");
  return *gCurrent;
}

void setCurrentPlatform(Platform* platform) { gCurrent = platform; }

int Platform::runModal(Window& window) {
  window.beginModal();
  if (auto* sheet = dynamic_cast<Sheet*>(&window)) sheet->start();
  if (auto* form = dynamic_cast<Form*>(&window)) form->show();
  runModalNative(window);
  if (!window.ended()) window.endModal(kResultCancel);
  return window.result();
}

int Platform::messageBox(std::string_view text, std::string_view title, MessageIcon icon,
                         MessageButtons buttons) {
  if (automation_) return automation_->answerMessage(text, title, icon, buttons);
  return messageBoxNative(text, title, icon, buttons);
}

std::optional<std::string> Platform::askSaveFileName(const SaveFileRequest& request) {
  if (automation_) return automation_->answerSaveFile(request);
  return askSaveFileNameNative(request);
}

LocalTime Platform::localTime() {
  if (fixedTime_) return *fixedTime_;
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

}  // namespace quillion::platform
