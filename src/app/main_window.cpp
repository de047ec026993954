#include "app/main_window.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "adult/select_ibw_method_dialog.h"
#include "app/tool_catalogue.h"
#include "diabetes/diabetic_exchanges.h"
#include "framework/format.h"
#include "framework/reference_pages.h"
#include "framework/save_options.h"
#include "framework/save_options_dialog.h"
#include "framework/settings_store.h"
#include "framework/strings.h"
#include "parenteral/parenteral_wizard.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/settings_hive.h"

namespace quillion::app {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"banner", ControlKind::Label, "Quillion", 0, 0, 1, 1, platform::kBanner | platform::kTappable},
    {"tools", ControlKind::ListBox, "", 1, 0, 1, 1, platform::kStretch, {}, "Tools"},
};

constexpr platform::WindowCommand kCommands[] = {
    {"openLog", "&Open Results Log"},
    {"saveOptions", "&Save Options..."},
};

void runSheet(const Tool& recipe) {
  // Pages outlive the sheet that shows them: the sheet is destroyed first.
  std::vector<std::unique_ptr<platform::Form>> pages;
  for (const TabRecipe& tab : recipe.tabs) {
    pages.push_back(makePage(tab, pages.empty() ? nullptr : pages.front().get()));
  }
  platform::Sheet sheet{std::string(recipe.caption)};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    sheet.addPage(*pages[i], std::string(recipe.tabs[i].caption));
  }
  platform::currentPlatform().runModal(sheet);
}

// The wizard's sheet: the page it chose in place of the first tab, then the other tabs.
int runWizardSheet(const Tool& recipe, parenteral::ParenteralPage& page) {
  std::vector<std::unique_ptr<platform::Form>> pages;
  for (std::size_t i = 1; i < recipe.tabs.size(); ++i) pages.push_back(makePage(recipe.tabs[i]));
  {
    platform::Sheet sheet{std::string(recipe.caption)};
    sheet.addPage(page, page.title());
    for (std::size_t i = 0; i < pages.size(); ++i) {
      sheet.addPage(*pages[i], std::string(recipe.tabs[i + 1].caption));
    }
    page.attachSheet(&sheet);
    platform::currentPlatform().runModal(sheet);
    page.attachSheet(nullptr);
  }
  return page.outcome();
}

}  // namespace

CQuillionDlg::CQuillionDlg() : Form("Quillion", kControls) {}

void CQuillionDlg::onInit() {
  platform::Control& list = control("tools");
  for (const Tool& tool : toolCatalogue()) list.addItem(std::string(tool.title), tool.id);
  list.setSelected(0);  // selecting here opens nothing
}

void CQuillionDlg::onNotify(const platform::Notification& n) {
  if (n.id == "tools" &&
      (n.event == platform::Event::SelectionChanged || n.event == platform::Event::DoubleClicked)) {
    launchTool(control("tools").selectedData());
  } else if (n.id == "banner" && n.event == platform::Event::Clicked) {
    std::string text = "Version : " + std::string(platform::programFileVersion()).substr(0, 40);
    platform::currentPlatform().messageBox(text, framework::kAppName,
                                           platform::MessageIcon::Information);
  }
}

std::span<const platform::WindowCommand> CQuillionDlg::windowCommands() const { return kCommands; }

void CQuillionDlg::onWindowCommand(std::string_view id) {
  if (id == "saveOptions") {
    framework::SaveOptionsDialog dialog;
    dialog.runModal();
    return;
  }
  if (id != "openLog") return;
  std::string path = framework::saveOptions().fileName;
  if (path.empty()) path = platform::defaultLogPath();
  auto& platform = platform::currentPlatform();
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) {
    platform.messageBox(framework::formatText(framework::kLogNotMadeYet, path), framework::kAppName,
                        platform::MessageIcon::Information);
  } else if (!platform.openWithDesktop(path)) {
    platform.messageBox(framework::formatText(framework::kNoLogViewer, path), framework::kAppName,
                        platform::MessageIcon::Warning);
  }
}

namespace {
constexpr const char* kWindowSection = "Window";
// Smaller than this is no window to bring back.
constexpr int kSmallestSide = 200;
}  // namespace

std::optional<platform::WindowGeometry> CQuillionDlg::storedGeometry() {
  framework::SettingsStore store;
  platform::WindowGeometry geometry;
  geometry.width = store.readInteger(kWindowSection, "W", 0);
  geometry.height = store.readInteger(kWindowSection, "H", 0);
  geometry.x = store.readInteger(kWindowSection, "X", 0);
  geometry.y = store.readInteger(kWindowSection, "Y", 0);
  if (geometry.width < kSmallestSide || geometry.height < kSmallestSide) return std::nullopt;
  return geometry;
}

void CQuillionDlg::storeGeometry(const platform::WindowGeometry& geometry) {
  framework::SettingsStore store;
  store.writeInteger(kWindowSection, "X", geometry.x);
  store.writeInteger(kWindowSection, "Y", geometry.y);
  store.writeInteger(kWindowSection, "W", geometry.width);
  store.writeInteger(kWindowSection, "H", geometry.height);
}

void launchTool(int toolId) {
  const Tool* tool = findTool(toolId);
  if (!tool) return;
  if (tool->kind == ToolKind::Reference) {
    framework::ReferenceWindow window(tool->documentId);
    window.run();
    return;
  }
  if (tool->kind == ToolKind::Wizard) {
    parenteral::ParenteralWizard wizard(
        [tool](parenteral::ParenteralPage& page) { return runWizardSheet(*tool, page); });
    wizard.run();
    return;
  }
  runSheet(*tool);
}

int runQuillion() {
  auto warn = [](const std::string& text) {
    platform::currentPlatform().messageBox(text, framework::kAppName,
                                           platform::MessageIcon::Warning);
  };
  platform::SettingsHive::setDamageReporter(warn);
  framework::SettingsStore::setNoticeReporter(warn);
  framework::setIbwMethodChooser(adult::chooseIbwMethod);
  framework::loadSaveOptions();
  diabetes::resetUserDefinedTypes();
  CQuillionDlg dialog;
  platform::currentPlatform().runModal(dialog);
  return 0;
}

}  // namespace quillion::app
