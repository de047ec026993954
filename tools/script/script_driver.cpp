#include "script/script_driver.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/main_window.h"
#include "framework/format.h"
#include "framework/save_options.h"
#include "framework/settings_store.h"
#include "platform/paths.h"
#include "platform/testing/user_simulation.h"
#include "platform/text.h"
#include "script/command_line.h"

namespace quillion::script {
namespace {

using platform::Control;
using platform::ControlKind;

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::Check: return "check";
    case ControlKind::Radio: return "radio";
    case ControlKind::Label: return "label";
    case ControlKind::ListBox: return "listbox";
    case ControlKind::DropDown: return "dropdown";
    case ControlKind::Spin: return "spin";
    case ControlKind::MultiLine: return "multiline";
    case ControlKind::ReportList: return "reportlist";
    case ControlKind::Html: return "html";
    case ControlKind::Chart: return "chart";
  }
  return "?";
}

// Text in double quotes, with line breaks and tabs made visible.
std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    switch (ch) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += ch;
    }
  }
  return out + "\"";
}

// The text between <tag> and </tag>, or empty.
std::string elementText(const std::string& html, const std::string& tag) {
  auto begin = html.find("<" + tag);
  if (begin == std::string::npos) return {};
  begin = html.find('>', begin);
  auto end = html.find("</" + tag, begin);
  if (begin == std::string::npos || end == std::string::npos) return {};
  return html.substr(begin + 1, end - begin - 1);
}

// Blanks separate a line's words. A carriage return is one: a script written with
// other line ends, or pasted, may carry one in the middle of a line.
bool isScriptBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

// The line as the transcript echoes it: each carriage return shown as the blank it is.
std::string echoed(std::string line) {
  std::replace(line.begin(), line.end(), '\r', ' ');
  return line;
}

bool parseInt(const std::string& text, int& value) {
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

}  // namespace

void ScriptDriver::setHomeFolder(const std::string& folder) {
  homeFolder_ = absoluteFolder(folder);
}

std::string ScriptDriver::quoted(std::string_view text) const {
  if (homeFolder_.empty()) return quote(text);
  // The home folder is replaced where it begins a path (at the start of the text, or after
  // a blank, a quote, a bracket or one of = : , ;) and is followed by "/" or the end.
  auto beginsPath = [&](std::size_t at) {
    return at == 0 || std::string_view(" \t\n\r\"'(<[=:,;").find(text[at - 1]) != std::string_view::npos;
  };
  auto endsFolder = [&](std::size_t end) { return end == text.size() || text[end] == '/'; };
  std::string shown;
  std::size_t copied = 0;
  for (std::size_t at = text.find(homeFolder_); at != std::string_view::npos;
       at = text.find(homeFolder_, at + 1)) {
    const std::size_t end = at + homeFolder_.size();
    if (at < copied || !beginsPath(at) || !endsFolder(end)) continue;
    shown.append(text.substr(copied, at - copied)).append("$HOME");
    copied = end;
  }
  shown.append(text.substr(copied));
  return quote(shown);
}

std::optional<std::string> unreadableScriptLine(std::string_view line) {
  const std::size_t malformed = platform::malformedUtf8At(line);
  for (std::size_t i = 0; i < line.size() && i < malformed; ++i) {
    char32_t code = static_cast<unsigned char>(line[i]);
    if ((code & 0xC0) == 0x80) continue;  // inside a character begun before
    // U+0080 to U+009F, the second set of control characters, are C2 80 to C2 9F.
    if (code == 0xC2 && i + 1 < line.size()) {
      const auto next = static_cast<unsigned char>(line[i + 1]);
      if (next < 0xA0) code = next;
    }
    const bool control = (code < 0x20 && !isScriptBlank(line[i])) || (code >= 0x7F && code < 0xA0);
    if (!control) continue;
    char name[8];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
    return "control character " + std::string(name) + " at byte " + std::to_string(i + 1);
  }
  if (malformed != std::string_view::npos) return "not UTF-8 at byte " + std::to_string(malformed + 1);
  return std::nullopt;
}

bool splitScriptLine(const std::string& line, std::vector<std::string>& words) {
  words.clear();
  if (unreadableScriptLine(line)) return false;
  std::size_t i = 0;
  while (i < line.size()) {
    if (isScriptBlank(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '"') {
      std::string word;
      ++i;
      bool closed = false;
      for (; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '"') {
          closed = true;
          ++i;
          break;
        }
        if (ch == '\\' && i + 1 < line.size()) {
          char next = line[++i];
          // An escaped carriage return is still a blank, as every other one is.
          word += next == 'n' ? '\n' : next == 't' ? '\t' : next == '\r' ? ' ' : next;
        } else {
          word += ch == '\r' ? ' ' : ch;
        }
      }
      if (!closed) return false;
      // A quoted argument is the last one.
      while (i < line.size() && isScriptBlank(line[i])) ++i;
      if (i != line.size()) return false;
      words.push_back(std::move(word));
      return true;
    }
    auto end = std::find_if(line.begin() + static_cast<std::ptrdiff_t>(i), line.end(), isScriptBlank);
    const auto next = static_cast<std::size_t>(end - line.begin());
    words.push_back(line.substr(i, next - i));
    i = next;
  }
  return true;
}

ScriptDriver::ScriptDriver(std::vector<std::string> lines, std::ostream& out)
    : lines_(std::move(lines)), out_(out) {
  // Each piece of the transcript is flushed as it is written: should the program under
  // test crash, the transcript still shows everything up to the command that did it.
  out_ << std::unitbuf;
}

void ScriptDriver::error(const std::string& text) {
  out_ << "error: " << text << "\n";
  failed_ = true;
}

std::optional<ScriptDriver::Command> ScriptDriver::nextCommand(bool echo) {
  while (next_ < lines_.size()) {
    commandLine_ = next_;
    const std::string& line = lines_[next_++];
    // A line that is not text is never echoed: it is named by its number instead. It is
    // reported as it is passed over, whether or not the command after it is echoed.
    if (auto fault = unreadableScriptLine(line)) {
      error("line " + std::to_string(commandLine_ + 1) + " cannot be read: " + *fault);
      continue;
    }
    auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    std::vector<std::string> words;
    if (!splitScriptLine(line, words)) {
      if (!echo) return Command{"(malformed)", {}};
      out_ << "> " << echoed(line) << "\n";
      error("a quoted argument must be closed and come last");
      continue;
    }
    if (words.empty() || words[0][0] == '#') continue;
    if (echo) out_ << "> " << echoed(line) << "\n";
    Command command{words[0], {words.begin() + 1, words.end()}};
    return command;
  }
  return std::nullopt;
}

bool ScriptDriver::needsProgram(const Command& c) const {
  return c.name != "set" && c.name != "get" && c.name != "log" && c.name != "answer" &&
         c.name != "filename";
}

int ScriptDriver::run() {
  platform::currentPlatform().setAutomation(this);
  for (;;) {
    auto command = nextCommand(false);
    if (!command) break;
    // The command is taken again, echoed this time; what lay before it stays passed.
    next_ = commandLine_;
    if (needsProgram(*command)) {
      // The program starts here; its main window takes this command and those after it.
      app::runQuillion();
      continue;
    }
    execute(*nextCommand(true));
  }
  platform::currentPlatform().setAutomation(nullptr);
  return failed_ ? 1 : 0;
}

void ScriptDriver::runModal(platform::Window& window) {
  stack_.push_back(&window);
  while (!window.ended()) {
    auto command = nextCommand(true);
    if (!command) {
      // The script has ended: the window goes without storing anything.
      window.endModal(platform::kResultCancel);
      break;
    }
    execute(*command);
    platform::currentPlatform().pumpEvents();
  }
  stack_.pop_back();
}

int ScriptDriver::answerMessage(std::string_view text, std::string_view /*title*/,
                                platform::MessageIcon /*icon*/, platform::MessageButtons buttons) {
  std::string answer = "ok";
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  } else if (buttons == platform::MessageButtons::YesNo) {
    answer = "yes";
  }
  out_ << "message: " << quoted(text) << " -> " << answer << "\n";
  if (answer == "yes") return platform::kAnswerYes;
  if (answer == "no") return platform::kAnswerNo;
  if (answer == "cancel") return platform::kAnswerCancel;
  return platform::kAnswerOk;
}

std::optional<std::string> ScriptDriver::answerSaveFile(const platform::SaveFileRequest&) {
  std::optional<std::string> answer;
  if (!fileAnswers_.empty()) {
    answer = fileAnswers_.front();
    fileAnswers_.pop_front();
  }
  out_ << "file dialog -> " << (answer ? quoted(*answer) : std::string("cancel")) << "\n";
  return answer;
}

platform::Window* ScriptDriver::top() const { return stack_.empty() ? nullptr : stack_.back(); }

platform::Form* ScriptDriver::topForm() const {
  platform::Window* window = top();
  if (auto* sheet = dynamic_cast<platform::Sheet*>(window)) return sheet->activePage();
  return dynamic_cast<platform::Form*>(window);
}

Control* ScriptDriver::findControl(const std::string& id) {
  platform::Form* form = topForm();
  if (!form) {
    error("no window is open");
    return nullptr;
  }
  Control* control = form->find(id);
  if (!control) error("no control " + quoted(id) + " on " + quoted(form->title()));
  return control;
}

void ScriptDriver::execute(const Command& c) {
  auto& user = platform::testing::userSimulation();
  auto wantArgs = [&](std::size_t count) {
    if (c.args.size() == count) return true;
    error(c.name + " takes " + std::to_string(count) + " argument(s)");
    return false;
  };
  if (c.name == "set") return doSet(c);
  if (c.name == "get") return doGet(c);
  if (c.name == "log") return doLog();
  if (c.name == "answer") {
    if (!wantArgs(1)) return;
    const std::string& a = c.args[0];
    if (a != "ok" && a != "cancel" && a != "yes" && a != "no") return error("answer " + a);
    answers_.push_back(a);
    return;
  }
  if (c.name == "filename") {
    if (!wantArgs(1)) return;
    fileAnswers_.push_back(c.args[0] == "cancel" ? std::nullopt
                                                 : std::optional<std::string>(c.args[0]));
    return;
  }
  if (!top()) return error("no window is open");
  if (c.name == "open" || c.name == "dopen") {
    if (!wantArgs(1)) return;
    return doOpen(c, c.name == "dopen");
  }
  if (c.name == "dump") return doDump();
  if (c.name == "ok" || c.name == "cancel" || c.name == "close") {
    if (!wantArgs(0)) return;
    if (c.name == "ok") top()->requestOk();
    if (c.name == "cancel") top()->requestCancel();
    if (c.name == "close") top()->requestClose();
    return;
  }
  if (c.name == "tab") {
    auto* sheet = dynamic_cast<platform::Sheet*>(top());
    int index = 0;
    if (!wantArgs(1)) return;
    if (!sheet) return error("the top window has no tabs");
    if (!parseInt(c.args[0], index) || index < 0 || index >= sheet->pageCount()) {
      return error("no tab " + c.args[0]);
    }
    return user.selectTab(*sheet, index);
  }
  if (c.name == "save" || c.name == "options" || c.name == "back") {
    platform::Form* form = topForm();
    if (!wantArgs(0)) return;
    if (c.name == "back") {
      if (!form || !form->hasBack()) return error("this page has no < Back");
      return form->onBack();
    }
    if (!form || !form->hasMenuBar()) return error("this page has no " + c.name + " command");
    return c.name == "save" ? form->onSave() : form->onOptions();
  }
  if (c.name == "fits") {
    if (!wantArgs(0)) return;
    platform::Form* form = topForm();
    if (!form) return error("no window is open");
    if (!platform::testing::userSimulation().fitsWidth(*form)) {
      error(quoted(form->title()) + " is wider than its window");
    }
    return;
  }
  if (c.name == "names") {
    if (!wantArgs(0)) return;
    platform::Form* form = topForm();
    if (!form) return error("no window is open");
    return doNames(*form);
  }
  if (c.name == "command") {
    if (!wantArgs(1)) return;
    platform::Form* form = topForm();
    if (form) {
      for (const platform::WindowCommand& command : form->windowCommands()) {
        if (command.id == c.args[0]) return form->onWindowCommand(command.id);
      }
    }
    return error("no command " + c.args[0] + " in this window");
  }
  if (c.name == "pdf") {
    if (!wantArgs(1)) return;
    platform::Form* form = topForm();
    if (!form || !form->hasMenuBar()) return error("this page has no report to print");
    const std::optional<std::string> report = form->printableReport();
    if (!report) return;  // a box that cannot be read: its message is in the transcript
    if (platform::currentPlatform().writeTextPdf(*report, c.args[0])) return;
    if (screenshotsRequired_) return error("could not write the PDF " + c.args[0]);
    // Without a backend that draws, the page's printed report goes into the transcript.
    printLines("pdf", *report);
    return;
  }
  if (c.name == "chart") {
    if (!wantArgs(1)) return;
    platform::Form* form = topForm();
    if (!form) return error("no window is open");
    const Control* chart = nullptr;
    for (const auto& control : form->controls()) {
      if (control->kind() == ControlKind::Chart && !chart) chart = control.get();
    }
    if (!chart) return error("this page has no chart");
    // The headless backend draws nothing; the transcript is the same either way.
    if (!platform::currentPlatform().saveChart(*chart, c.args[0]) && screenshotsRequired_) {
      error("could not save the chart to " + c.args[0]);
    }
    return;
  }
  if (c.name == "tick") {
    int count = 1;
    if (c.args.size() > 1) return error("tick takes at most 1 argument(s)");
    if (c.args.size() == 1 && (!parseInt(c.args[0], count) || count < 0)) {
      return error("tick: not a count: " + c.args[0]);
    }
    // A sheet's timers belong to its pages.
    std::vector<platform::Window*> windows{top()};
    if (auto* sheet = dynamic_cast<platform::Sheet*>(top())) {
      for (int i = 0; i < sheet->pageCount(); ++i) windows.push_back(&sheet->page(i));
    }
    for (int i = 0; i < count; ++i) {
      for (platform::Window* window : windows) platform::currentPlatform().tick(*window);
    }
    return;
  }
  if (c.name == "screenshot") {
    if (!wantArgs(1)) return;
    if (dynamic_cast<platform::Form*>(top()) || dynamic_cast<platform::Sheet*>(top())) {
      // The headless backend draws nothing; the transcript is the same either way.
      if (!user.screenshot(*top(), c.args[0]) && screenshotsRequired_) {
        error("could not save a screenshot to " + c.args[0]);
      }
    }
    return;
  }
  if (c.args.empty()) return error("unknown command " + c.name);
  Control* control = findControl(c.args[0]);
  if (!control) return;
  std::vector<int> numbers;
  for (std::size_t i = 1; i < c.args.size(); ++i) {
    int value = 0;
    if (c.name != "type" && c.name != "spin" && !parseInt(c.args[i], value)) {
      return error("not a number: " + c.args[i]);
    }
    numbers.push_back(value);
  }
  if (!control->enabled() || !control->visible()) {
    return error("control " + quoted(c.args[0]) + " is not available");
  }
  if (c.name == "type") {
    if (!wantArgs(2)) return;
    if (control->kind() != ControlKind::Edit && control->kind() != ControlKind::MultiLine) {
      return error(quoted(c.args[0]) + " is not a text box");
    }
    return user.type(*control, c.args[1]);
  }
  if (c.name == "click") {
    if (!wantArgs(1)) return;
    return user.click(*control);
  }
  if (c.name == "choose") {
    if (!wantArgs(2)) return;
    if (control->kind() == ControlKind::Radio) {
      // A radio group: the Nth button of the group, tapped.
      auto group = control->form().radioGroup(*control);
      if (numbers[0] < 0 || numbers[0] >= static_cast<int>(group.size())) {
        return error("no item " + c.args[1]);
      }
      if (!group[static_cast<std::size_t>(numbers[0])]->enabled()) {
        return error("control " + quoted(group[static_cast<std::size_t>(numbers[0])]->id()) +
                     " is not available");
      }
      return user.click(*group[static_cast<std::size_t>(numbers[0])]);
    }
    int count = static_cast<int>(control->items().size());
    if (numbers[0] < 0 || numbers[0] >= count) return error("no item " + c.args[1]);
    return user.choose(*control, numbers[0]);
  }
  if (c.name == "spin") {
    if (!wantArgs(2)) return;
    if (c.args[1] != "up" && c.args[1] != "down") return error("spin up or down");
    Control* spin = control;
    if (spin->kind() != ControlKind::Spin) {
      spin = nullptr;
      for (const auto& other : topForm()->controls()) {
        if (other->kind() == ControlKind::Spin && other->def().buddy == control->id()) {
          spin = other.get();
        }
      }
      if (!spin) return error(quoted(c.args[0]) + " has no spin button");
    }
    return user.spin(*spin, c.args[1] == "up" ? 1 : -1);
  }
  if (c.name == "header") {
    if (!wantArgs(2)) return;
    return user.headerTap(*control, numbers[0]);
  }
  if (c.name == "cell" || c.name == "dcell") {
    if (!wantArgs(3)) return;
    if (numbers[0] < 0 || numbers[0] >= control->rowCount()) return error("no row " + c.args[1]);
    return user.cellTap(*control, numbers[0], numbers[1], c.name == "dcell");
  }
  error("unknown command " + c.name);
}

void ScriptDriver::doOpen(const Command& c, bool twice) {
  auto* main = dynamic_cast<platform::Form*>(stack_.front());
  if (top() != stack_.front() || !main || !main->find("tools")) {
    return error("open: the main window is not on top");
  }
  Control& list = main->control("tools");
  int id = 0;
  if (!parseInt(c.args[0], id)) return error("open: not a tool id: " + c.args[0]);
  for (int row = 0; row < static_cast<int>(list.items().size()); ++row) {
    if (list.items()[static_cast<std::size_t>(row)].data != id) continue;
    auto& user = platform::testing::userSimulation();
    return twice ? user.doubleTap(list, row) : user.choose(list, row);
  }
  error("open: no tool " + c.args[0]);
}

void ScriptDriver::doSet(const Command& c) {
  if (c.args.size() != 4) return error("set SECTION NAME KIND VALUE");
  framework::SettingsStore store;
  const std::string& kind = c.args[2];
  const std::string& value = c.args[3];
  if (kind == "text") {
    store.writeText(c.args[0], c.args[1], value);
  } else if (kind == "number") {
    double number = 0;
    if (!framework::parseNumberBox(value, number)) return error("not a number: " + value);
    store.writeNumber(c.args[0], c.args[1], number);
  } else if (kind == "integer" || kind == "flag") {
    int number = 0;
    if (!parseInt(value, number)) return error("not an integer: " + value);
    if (kind == "flag") {
      store.writeFlag(c.args[0], c.args[1], number != 0);
    } else {
      store.writeInteger(c.args[0], c.args[1], number);
    }
  } else {
    error("unknown kind " + kind);
  }
}

void ScriptDriver::doGet(const Command& c) {
  if (c.args.size() != 3) return error("get SECTION NAME KIND");
  framework::SettingsStore store;
  const std::string& section = c.args[0];
  const std::string& name = c.args[1];
  const std::string& kind = c.args[2];
  out_ << section << " " << name;
  if (!store.contains(section, name)) {
    out_ << " missing\n";
    return;
  }
  out_ << " = ";
  if (kind == "number") {
    out_ << framework::formatNumberBox(store.readNumber(section, name, 0)) << "\n";
  } else if (kind == "integer") {
    out_ << store.readInteger(section, name, 0) << "\n";
  } else if (kind == "flag") {
    out_ << (store.readFlag(section, name, false) ? 1 : 0) << "\n";
  } else if (kind == "text") {
    out_ << quoted(store.readText(section, name, "")) << "\n";
  } else {
    out_ << "?\n";
    error("unknown kind " + kind);
  }
}

void ScriptDriver::doDump() {
  platform::Window* window = top();
  out_ << "window " << quoted(window->title());
  if (auto* sheet = dynamic_cast<platform::Sheet*>(window)) {
    out_ << " (sheet)\n  tabs:";
    for (int i = 0; i < sheet->pageCount(); ++i) {
      out_ << " " << i << "=" << quoted(sheet->tabCaption(i));
      if (i == sheet->activeIndex()) out_ << "*";
    }
    out_ << "\n";
  } else {
    out_ << "\n";
  }
  platform::Form* form = topForm();
  if (!form) return;
  if (form->hasMenuBar()) out_ << "  menu: Save, Options\n";
  if (form->hasBack()) out_ << "  back: < Back\n";
  for (const auto& control : form->controls()) {
    out_ << "  " << control->id() << " " << kindName(control->kind());
    switch (control->kind()) {
      case ControlKind::Html: {
        const std::string& html = control->text();
        if (html.empty()) {
          out_ << " empty";
        } else {
          out_ << " title " << quoted(elementText(html, "title")) << " heading "
               << quoted(elementText(html, "h1"));
        }
        break;
      }
      case ControlKind::Spin:
        out_ << " for " << control->def().buddy;
        break;
      case ControlKind::Chart:
        out_ << " " << quoted(control->chart().title);
        break;
      case ControlKind::ListBox:
      case ControlKind::DropDown:
      case ControlKind::ReportList:
        break;
      default:
        out_ << " " << quoted(control->text());
    }
    if ((control->kind() == ControlKind::Check || control->kind() == ControlKind::Radio) &&
        control->checked()) {
      out_ << " checked";
    }
    if (!control->enabled()) out_ << " disabled";
    if (!control->visible()) out_ << " hidden";
    if (control->kind() == ControlKind::ListBox || control->kind() == ControlKind::DropDown ||
        control->kind() == ControlKind::ReportList) {
      out_ << " selected=" << control->selected();
    }
    out_ << "\n";
    if (control->kind() == ControlKind::ListBox || control->kind() == ControlKind::DropDown) {
      const auto& items = control->items();
      for (std::size_t i = 0; i < items.size(); ++i) {
        out_ << "    " << i << ": " << quoted(items[i].text) << "\n";
      }
    }
    if (control->kind() == ControlKind::Chart) dumpChart(control->chart());
    if (control->kind() == ControlKind::ReportList) {
      if (!(control->def().flags & platform::kNoHeader)) {
        out_ << "    header:";
        for (const auto& column : control->columns()) out_ << " " << quoted(column.title);
        out_ << "\n";
      }
      for (int r = 0; r < control->rowCount(); ++r) {
        out_ << "    " << r << ":";
        std::size_t columns = std::max<std::size_t>(control->columns().size(), 1);
        for (std::size_t col = 0; col < columns; ++col) {
          out_ << " " << quoted(control->cell(r, static_cast<int>(col)));
        }
        out_ << "\n";
      }
    }
  }
}

// A chart as its axes, each curve's size and ends, the marked points and the note; the
// numbers to six significant digits.
void ScriptDriver::dumpChart(const platform::ChartData& chart) {
  auto number = [](double value) { return framework::formatValue("%.6g", value); };
  auto point = [&](const platform::ChartPoint& p) {
    // Built by appending: GCC 12 at -O2 takes "(" + std::string for an overlapping copy.
    std::string text = "(";
    text += number(p.x);
    text += ", ";
    text += number(p.y);
    text += ")";
    return text;
  };
  out_ << "    x " << quoted(chart.xTitle) << " " << number(chart.xMin) << " to "
       << number(chart.xMax) << "\n";
  out_ << "    y " << quoted(chart.yTitle) << " " << number(chart.yMin) << " to "
       << number(chart.yMax) << "\n";
  for (const platform::ChartSeries& series : chart.series) {
    out_ << "    series " << quoted(series.name) << " " << series.points.size() << " points";
    if (!series.points.empty()) {
      out_ << " " << point(series.points.front()) << " to " << point(series.points.back());
    }
    out_ << "\n";
  }
  for (const platform::ChartMark& mark : chart.marks) {
    out_ << "    mark " << quoted(mark.label) << " " << point(mark.at) << "\n";
  }
  if (!chart.note.empty()) out_ << "    note " << quoted(chart.note) << "\n";
}

// What Tab visits on the page, in order, with what a screen reader calls each stop. A stop
// without a name, or Tab going back up the page, is an error.
void ScriptDriver::doNames(platform::Form& form) {
  const auto stops = platform::testing::userSimulation().tabStops(form);
  out_ << "names: " << stops.size() << "\n";
  int lastRow = -1;
  for (const auto& stop : stops) {
    out_ << "  " << stop.control->id() << " " << kindName(stop.control->kind()) << " "
         << quoted(stop.name) << "\n";
    if (stop.name.empty()) error(std::string(stop.control->id()) + " has no name");
    if (stop.control->def().row < lastRow) {
      error("Tab goes back up the page at " + std::string(stop.control->id()));
    }
    lastRow = stop.control->def().row;
  }
}

void ScriptDriver::doLog() {
  std::string path = framework::saveOptions().fileName;
  if (path.empty()) path = platform::defaultLogPath();
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    return error("log: " + quoted(path) + " is a folder, not a file");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    out_ << "log: no file\n";
    return;
  }
  // istream::read turns a failing read into badbit; a stream buffer iterator would let
  // the exception through.
  std::string bytes;
  char block[4096];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    bytes.append(block, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return error("log: cannot read " + quoted(path));
  printLines("log", bytes);
}

void ScriptDriver::printLines(std::string_view what, std::string_view bytes) {
  out_ << what << ": " << bytes.size() << " bytes\n";
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      out_ << "| " << bytes.substr(start) << " (no line end)\n";
      break;
    }
    out_ << "| " << bytes.substr(start, end - start) << "\n";
    start = end + 2;
  }
}

}  // namespace quillion::script
