// The services pages use from the platform: modal runs, message boxes, the save-as
// file dialog, local time, timers. One backend is current for the whole program.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace quillion::platform {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };

// Message box answers, numbered as the dialog framework numbers them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

struct FileFilter {
  std::string name;     // "Text Files (*.txt)"
  std::string pattern;  // "*.txt"
};

struct SaveFileRequest {
  std::vector<FileFilter> filters;
  std::string initialFolder;
  std::string defaultExtension;
  std::string startName;
  bool pathMustExist = true;
  bool existingFile = false;  // choose a file to read rather than one to write
};

// Stands in for a person: the script driver answers modal runs and message boxes.
class Automation {
 public:
  virtual ~Automation() = default;
  // Returns once window.ended() is true (or when the script has nothing more to say).
  virtual void runModal(Window& window) = 0;
  virtual int answerMessage(std::string_view text, std::string_view title, MessageIcon icon,
                            MessageButtons buttons) = 0;
  virtual std::optional<std::string> answerSaveFile(const SaveFileRequest& request) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Runs the window modally; sheets are started (first page shown) first. The backend
  // shows it and hands the run to the automation when one is installed.
  int runModal(Window& window);
  int messageBox(std::string_view text, std::string_view title, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::Ok);
  std::optional<std::string> askSaveFileName(const SaveFileRequest& request);
  LocalTime localTime();

  virtual void setTimer(Window& window, int timerId, int milliseconds) = 0;
  virtual void killTimer(Window& window, int timerId) = 0;
  // Delivers one tick to every timer of the window now, for scripts and tests. The
  // in-memory backend fires timers only this way, and so does any backend while an
  // automation drives it.
  virtual void tick(Window& /*window*/) {}
  virtual void setWaitCursor(bool /*on*/) {}
  // Lets the backend's widgets catch up between two scripted actions.
  virtual void pumpEvents() {}
  // Draws a chart control into a PNG or PDF file (by the path's ending); false where
  // nothing is drawn or the file could not be written.
  virtual bool saveChart(const Control& /*chart*/, const std::string& /*path*/) { return false; }
  // Shows a file in the desktop's program for it; false when none could be started. Under
  // a script nothing is started, and the file counts as shown.
  virtual bool openWithDesktop(const std::string& /*path*/) { return true; }
  // Prints a report through the desktop's print dialog (which can also make a PDF), in a
  // fixed-width font. Nothing where there is no printing.
  virtual void printText(std::string_view /*title*/, std::string_view /*text*/) {}
  // Writes a report as a PDF without asking; false where nothing is drawn.
  virtual bool writeTextPdf(std::string_view /*text*/, const std::string& /*path*/) { return false; }

  void setAutomation(Automation* automation) { automation_ = automation; }
  Automation* automation() const { return automation_; }
  void setFixedTime(std::optional<LocalTime> time) { fixedTime_ = time; }

 protected:
  virtual int runModalNative(Window& window) = 0;
  virtual int messageBoxNative(std::string_view text, std::string_view title, MessageIcon icon,
                               MessageButtons buttons) = 0;
  virtual std::optional<std::string> askSaveFileNameNative(const SaveFileRequest& request) = 0;

 private:
  Automation* automation_ = nullptr;
  std::optional<LocalTime> fixedTime_;
};

Platform& currentPlatform();
void setCurrentPlatform(Platform* platform);

}  // namespace quillion::platform
