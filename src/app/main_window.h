// The main window: the banner and the list of tools, and a menu that opens the results log
// and the save options. A change of the selected row or a double tap on a row opens that
// row's tool.
#pragma once

#include "platform/window.h"

namespace quillion::app {

class CQuillionDlg : public platform::Form {
 public:
  CQuillionDlg();

  std::span<const platform::WindowCommand> windowCommands() const override;
  void onWindowCommand(std::string_view id) override;
  // Kept in section "Window" between runs.
  std::optional<platform::WindowGeometry> storedGeometry() override;
  void storeGeometry(const platform::WindowGeometry& geometry) override;

 protected:
  void onInit() override;
  void onNotify(const platform::Notification& n) override;
};

// Opens the tool modally and returns when its window has closed.
void launchTool(int toolId);

// Program start: loads the save options and runs the main window until it closes.
int runQuillion();

}  // namespace quillion::app
