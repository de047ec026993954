// The platform services on Qt Widgets: modal runs of forms and sheets, message boxes,
// the save-as dialog, timers, the wait cursor, and a person's actions for the script
// driver done on the real widgets.
#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/platform.h"

class QTimer;
class QWidget;

namespace quillion::platform::qt {

class ControlBinding;
class WindowDialog;

class QtPlatform final : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void setTimer(Window& window, int timerId, int milliseconds) override;
  void killTimer(Window& window, int timerId) override;
  void setWaitCursor(bool on) override;
  void pumpEvents() override;

  void userType(Control& edit, std::string text) override;
  void userClick(Control& control) override;
  void userChoose(Control& list, int index) override;
  void userDoubleTap(Control& list, int index) override;
  void userSpin(Control& spin, int step) override;
  void userHeaderTap(Control& list, int column) override;
  void userCellTap(Control& list, int row, int column, bool twice) override;
  void userSelectTab(Sheet& sheet, int index) override;
  bool screenshot(Window& window, const std::string& pngPath) override;

 protected:
  int runModalNative(Window& window) override;
  int messageBoxNative(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons) override;
  std::optional<std::string> askSaveFileNameNative(const SaveFileRequest& request) override;

 private:
  QWidget* topWindow() const;
  // The control's binding when a person could act on its widget now: the form is
  // shown and the control is visible and enabled.
  ControlBinding* actionable(Control& control) const;
  void place(WindowDialog& dialog, QWidget* under) const;
  void dropTimers(const Window& window);

  std::vector<WindowDialog*> running_;  // innermost last
  std::map<std::pair<const Window*, int>, QTimer*> timers_;
  int waitCursors_ = 0;
};

}  // namespace quillion::platform::qt
