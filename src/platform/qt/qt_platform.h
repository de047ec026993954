// The platform services on Qt Widgets: modal runs of forms and sheets, message boxes,
// the save-as dialog, timers and the wait cursor; and a person's actions for the script
// driver, done on the real widgets.
#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/testing/user_simulation.h"

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
  void tick(Window& window) override;
  void setWaitCursor(bool on) override;
  void pumpEvents() override;
  bool saveChart(const Control& chart, const std::string& path) override;
  bool openWithDesktop(const std::string& path) override;
  void printText(std::string_view title, std::string_view text) override;
  bool writeTextPdf(std::string_view text, const std::string& path) override;


 protected:
  int runModalNative(Window& window) override;
  int messageBoxNative(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons) override;
  std::optional<std::string> askSaveFileNameNative(const SaveFileRequest& request) override;

 private:
  QWidget* topWindow() const;
  void place(Window& window, WindowDialog& dialog, QWidget* under) const;
  void dropTimers(const Window& window);

  std::vector<WindowDialog*> running_;  // innermost last
  std::map<std::pair<const Window*, int>, QTimer*> timers_;
  int waitCursors_ = 0;
};

// A person's actions done on the real widgets, which then tell the forms, for the script
// driver; an action on a control with no widget to act on goes to the control itself.
class QtUserSimulation final : public testing::UserSimulation {
 public:
  explicit QtUserSimulation(QtPlatform& platform) : platform_(platform) {}

  void type(Control& edit, std::string text) override;
  void click(Control& control) override;
  void choose(Control& list, int index) override;
  void doubleTap(Control& list, int index) override;
  void spin(Control& spin, int step) override;
  void headerTap(Control& list, int column) override;
  void cellTap(Control& list, int row, int column, bool twice) override;
  void selectTab(Sheet& sheet, int index) override;
  bool screenshot(Window& window, const std::string& pngPath) override;
  // The widgets' own Tab chain and accessible names.
  std::vector<Stop> tabStops(Form& form) override;
  bool fitsWidth(Form& form) override;

 private:
  QtPlatform& platform_;
};

}  // namespace quillion::platform::qt
