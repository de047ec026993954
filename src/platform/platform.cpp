// The platform services every backend shares: the automation hooks, fixed time, and
// what a person's actions do to the controls when a backend has no widgets of its own.
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

void Platform::userType(Control& edit, std::string text) {
  edit.setText(std::move(text));
  edit.form().notify({Event::Changed, edit.id()});
}

void Platform::userClick(Control& control) {
  if (control.kind() == ControlKind::Check) control.setChecked(!control.checked());
  if (control.kind() == ControlKind::Radio) {
    for (Control* other : control.form().radioGroup(control)) other->setChecked(other == &control);
  }
  control.form().notify({Event::Clicked, control.id()});
}

void Platform::userChoose(Control& list, int index) {
  // A tap on the row that is already selected changes nothing, so nothing is sent.
  if (list.kind() == ControlKind::ListBox && list.selected() == index) return;
  list.setSelected(index);
  Event event = list.kind() == ControlKind::DropDown ? Event::CloseUp : Event::SelectionChanged;
  list.form().notify({event, list.id(), index});
}

void Platform::userDoubleTap(Control& list, int index) {
  list.setSelected(index);
  list.form().notify({Event::DoubleClicked, list.id(), index});
}

void Platform::userSpin(Control& spin, int step) {
  spin.form().notify({Event::Spin, spin.id(), -1, -1, step});
}

void Platform::userHeaderTap(Control& list, int column) {
  list.form().notify({Event::HeaderTap, list.id(), -1, column});
}

void Platform::userCellTap(Control& list, int row, int column, bool twice) {
  list.setSelected(row);
  list.form().notify({twice ? Event::CellDoubleTap : Event::CellTap, list.id(), row, column});
}

void Platform::userSelectTab(Sheet& sheet, int index) { sheet.setActivePage(index); }

bool Platform::screenshot(Window& /*window*/, const std::string& /*pngPath*/) { return false; }

}  // namespace quillion::platform
