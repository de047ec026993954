// Windows that run modally: forms (dialogs, pages, the main window) and tabbed sheets.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace quillion::platform {

// Modal results, as the dialog framework numbers them.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

enum class Event {
  Changed,          // edit box text changed
  Clicked,          // button, check box, radio button, tappable label
  SelectionChanged, // list box selection moved
  DoubleClicked,    // list box row double-tapped
  CloseUp,          // drop-down closed after a choice
  Spin,             // up-down pressed; step > 0 up, step <= 0 down
  HeaderTap,        // report list header tapped (column)
  CellTap,          // report list cell tapped (row, column)
  CellDoubleTap,    // report list cell double-tapped (row, column)
  FocusLost,        // report list (or edit box with kFocusNotice) lost the focus
};

enum class CloseReason { Ok, Cancel, Close };

// A command of a window's own menu (the main window's): its id, and its caption with an
// access key after "&".
struct WindowCommand {
  std::string_view id;
  std::string_view caption;
};

struct Notification {
  Event event;
  std::string_view id;
  int row = -1;
  int column = -1;
  int step = 0;
};

// What a backend shows of a window; it hears of every change the program makes.
class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual void controlChanged(const Control& control) = 0;
  virtual void focusRequested(const Control& control) = 0;
  virtual void titleChanged() = 0;
  virtual void activePageChanged() {}
  virtual void modalEnded() {}
};

// A window's place and size on the desktop, in its pixels.
struct WindowGeometry {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class Window {
 public:
  explicit Window(std::string title) : title_(std::move(title)) {}
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& title() const { return title_; }
  void setTitle(std::string title);

  // The platform's OK control, Cancel (Escape) and the window's close control.
  virtual void requestOk() { endModal(kResultOk); }
  virtual void requestCancel() { endModal(kResultCancel); }
  virtual void requestClose() { requestCancel(); }

  void endModal(int result);
  bool ended() const { return ended_; }
  int result() const { return result_; }
  void beginModal() { ended_ = false; result_ = 0; }

  virtual void onTimer(int /*timerId*/) {}

  // Where the window was last time (the main window keeps it between runs), and where it
  // is as it closes.
  virtual std::optional<WindowGeometry> storedGeometry() { return std::nullopt; }
  virtual void storeGeometry(const WindowGeometry& /*geometry*/) {}

  WindowView* view() const { return view_; }
  void setView(WindowView* view) { view_ = view; }

 private:
  std::string title_;
  bool ended_ = false;
  int result_ = 0;
  WindowView* view_ = nullptr;
};

// A window drawn from a control table: a dialog, a sheet page or the main window.
class Form : public Window {
 public:
  Form(std::string title, std::span<const ControlDef> controls);

  Control& control(std::string_view id);  // the control must exist
  Control* find(std::string_view id);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  void addControls(std::span<const ControlDef> controls);

  // The radio buttons of the group a control belongs to: the group runs from the kGroup
  // control at or before it up to the next kGroup control.
  std::vector<Control*> radioGroup(const Control& member) const;

  // The name a screen reader gives a control: a box takes the text of the label before it
  // on its row (or the nearest label above), a spin "<its box's name> up/down", a button,
  // check box or radio button its caption. Empty for what takes no focus.
  std::string accessibleName(const Control& control) const;
  // The controls that take the keyboard focus (shown and enabled), in reading order: by
  // grid row, then column, then their order in the table. Tab follows this order.
  std::vector<Control*> tabOrder() const;

  void focus(std::string_view id);
  std::string_view focused() const { return focused_; }

  // Pages: the first showing creates the page (onInit); later ones only show it.
  void show();
  void hide();
  bool initialized() const { return initialized_; }

  // Everything a user does arrives here.
  void notify(const Notification& notification) { onNotify(notification); }

  // The page menu bar ("Save", "Options"); pages that have one say so.
  virtual bool hasMenuBar() const { return false; }
  virtual void onSave() {}
  virtual void onOptions() {}
  // The window's own menu, and what its commands do.
  virtual std::span<const WindowCommand> windowCommands() const { return {}; }
  virtual void onWindowCommand(std::string_view /*id*/) {}

  // The page's report as text for "Print..." (pages with the menu bar); nothing when a box
  // cannot be read (the page has said so).
  virtual std::optional<std::string> printableReport() { return std::nullopt; }
  virtual bool hasBack() const { return false; }
  virtual void onBack() {}

  // The sheet or dialog is ending by its OK, by Cancel, or by the window's close control.
  virtual void onClose(CloseReason /*reason*/) {}

  void controlChanged(const Control& control);

 protected:
  virtual void onInit() {}
  virtual void onShown() {}
  virtual void onHidden() {}
  virtual void onNotify(const Notification& /*notification*/) {}

 private:
  std::vector<std::unique_ptr<Control>> controls_;
  std::string focused_;
  bool initialized_ = false;
};

// A tabbed sheet of pages; the first page is active when it runs.
class Sheet : public Window {
 public:
  explicit Sheet(std::string caption) : Window(std::move(caption)) {}

  void addPage(Form& page, std::string tabCaption);
  int pageCount() const { return static_cast<int>(pages_.size()); }
  Form& page(int index) const { return *pages_.at(index).page; }
  const std::string& tabCaption(int index) const { return pages_.at(index).caption; }
  void setTabCaption(int index, std::string caption);

  int activeIndex() const { return active_; }
  Form* activePage() const;
  void setActivePage(int index);  // hides the old page, shows (and first creates) the new

  // Runs before the sheet is shown modally: shows the first page.
  void start();

  void requestOk() override;
  void requestCancel() override;
  void requestClose() override;

 private:
  void finish(CloseReason reason, int result);

  struct Entry {
    Form* page;
    std::string caption;
  };
  std::vector<Entry> pages_;
  int active_ = -1;
};

}  // namespace quillion::platform
