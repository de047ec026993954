// quillion-script: runs the program's real pages from a script of commands and prints
// a transcript. It stands in for the person at the device: it types, taps, chooses,
// answers message boxes and ends modal windows, through whichever backend is current.
#pragma once

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace quillion::script {

class ScriptDriver : public platform::Automation {
 public:
  ScriptDriver(std::vector<std::string> lines, std::ostream& out);

  // Runs the whole script; returns the exit status (non-zero after any error).
  int run();
  // Paths under the script's home folder are printed as "$HOME/..." so that a transcript
  // does not depend on where the script ran. The folder may be given relative.
  void setHomeFolder(const std::string& folder);
  // With a backend that draws, a screenshot that cannot be saved is an error.
  void requireScreenshots(bool required) { screenshotsRequired_ = required; }

  void runModal(platform::Window& window) override;
  int answerMessage(std::string_view text, std::string_view title, platform::MessageIcon icon,
                    platform::MessageButtons buttons) override;
  std::optional<std::string> answerSaveFile(const platform::SaveFileRequest& request) override;

 private:
  struct Command {
    std::string name;
    std::vector<std::string> args;
  };

  // The next command; echo prints it to the transcript as it is taken.
  std::optional<Command> nextCommand(bool echo);
  bool needsProgram(const Command& command) const;
  void execute(const Command& command);
  void error(const std::string& text);

  platform::Window* top() const;
  platform::Form* topForm() const;
  platform::Control* findControl(const std::string& id);

  void doSet(const Command& c);
  void doGet(const Command& c);
  void doOpen(const Command& c, bool twice);
  void doDump();
  void dumpChart(const platform::ChartData& chart);
  void doLog();
  // Text of CR LF lines as "WHAT: N bytes" and a "| " line each.
  void printLines(std::string_view what, std::string_view bytes);

  bool screenshotsRequired_ = false;
  std::string homeFolder_;
  std::string quoted(std::string_view text) const;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::size_t commandLine_ = 0;  // the line the last command taken came from
  std::ostream& out_;
  bool failed_ = false;
  std::vector<platform::Window*> stack_;
  std::deque<std::string> answers_;
  std::deque<std::optional<std::string>> fileAnswers_;
};

// Splits a script line into words at blanks (space, tab, carriage return); a final
// argument may be quoted ("..." with \n, \t, \" and \\ escapes, a carriage return in it
// read as a space). Returns false for a malformed line, and for one that is not text.
bool splitScriptLine(const std::string& line, std::vector<std::string>& words);

// What keeps a script line from being text, as "control character U+0000 at byte 5" or
// "not UTF-8 at byte 7"; empty for a line of text. Tab and carriage return are blanks.
std::optional<std::string> unreadableScriptLine(std::string_view line);

}  // namespace quillion::script
