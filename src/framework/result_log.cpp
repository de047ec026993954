// Writing reports to the results log file.
#include "framework/result_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "framework/add_comment_dialog.h"
#include "framework/format.h"
#include "framework/save_options.h"
#include "framework/save_options_dialog.h"
#include "framework/strings.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace quillion::framework {
namespace {

constexpr std::size_t kRuleLength = 22;
constexpr std::size_t kHeaderChunk = 4096;
constexpr std::size_t kColumnTitleLimit = 81;

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Typed line breaks become CR LF so the file keeps one kind of line end.
std::string withCrLf(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

std::string reportDateLine() {
  platform::LocalTime t = platform::currentPlatform().localTime();
  char line[64];
  std::snprintf(line, sizeof line, " %i-%02i-%02i at %02i:%02i", t.year, t.month, t.day, t.hour,
                t.minute);
  return line;
}

ResultLog::~ResultLog() {
  if (fd_ >= 0) ::close(fd_);
}

void ResultLog::open() {
  SaveOptions& options = saveOptions();
  if (options.alwaysShow) {
    SaveOptionsDialog dialog;
    dialog.runModal();  // the report goes ahead whatever the user did there
  }
  if (options.fileName.empty()) {
    options.fileName = platform::defaultLogPath();
    // The documents folder of a new account may not exist yet; the default needs it.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(options.fileName).parent_path(),
                                        ignored);
  }
  path_ = options.fileName;
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    platform::currentPlatform().messageBox(kCouldNotOpenFile, kAppName,
                                           platform::MessageIcon::Warning);
    return;
  }
  report_.clear();
  if (options.includeHeader) copyHeaderFile();
  if (options.promptComment) {
    AddCommentDialog comment;
    if (comment.runModal() == platform::kResultOk) writeLine(withCrLf(comment.comment()));
  }
}

void ResultLog::copyHeaderFile() {
  const std::string& header = saveOptions().headerFile;
  if (header.empty()) return;
  int fd = ::open(header.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  char chunk[kHeaderChunk];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    report_.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
}

void ResultLog::writeLine(std::string_view text) {
  if (!isOpen()) return;
  report_.append(text);
  report_.append("\r\n");
}

void ResultLog::writeValue(std::string_view format, double value) {
  writeLine(formatValue(format, value));
}

void ResultLog::writeValue(std::string_view format, int value) {
  writeLine(formatInteger(format, value));
}

void ResultLog::writeBlank() { writeLine(" "); }

void ResultLog::writeRule(int kind) {
  char ch = '=';
  switch (kind) {
    case 0: case '_': ch = '_'; break;
    case 1: case '-': ch = '-'; break;
    case 3: case '#': ch = '#'; break;
    default: ch = '='; break;
  }
  writeLine(std::string(kRuleLength, ch));
}

void ResultLog::writeTitle(std::string_view title) {
  writeRule('=');
  writeLine(title);
  writeLine(reportDateLine());
  writeRule('=');
}

void ResultLog::writeTable(const platform::Control* list, int columnCount) {
  if (!list) return;
  const auto& columns = list->columns();
  int count = columns.empty() ? columnCount : static_cast<int>(columns.size());
  std::string header = " ";
  for (int c = 0; c < count; ++c) {
    std::string_view title =
        c < static_cast<int>(columns.size()) ? std::string_view(columns[c].title) : "";
    header += platform::utf8Prefix(title, kColumnTitleLimit);
    header += " \t";
  }
  writeLine(header);
  for (int r = 0; r < list->rowCount(); ++r) {
    std::string line = " ";
    for (int c = 0; c < count; ++c) {
      line += list->cell(r, c);
      line += " \t";
    }
    writeLine(line);
  }
}

bool ResultLog::commit() {
  // Two copies of the program must not interleave their reports.
  while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
  if (saveOptions().overwrite) {
    // Replace the file only once the new one is complete on disk.
    std::string aside = path_ + ".writing-" + std::to_string(::getpid());
    int out = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) return false;
    bool ok = writeAll(out, report_) && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    if (ok) ok = ::rename(aside.c_str(), path_.c_str()) == 0;
    if (!ok) ::unlink(aside.c_str());
    return ok;
  }
  struct stat before {};
  if (::fstat(fd_, &before) != 0) return false;
  if (::lseek(fd_, 0, SEEK_END) < 0) return false;
  if (writeAll(fd_, report_) && ::fsync(fd_) == 0) return true;
  // Take back whatever part of the report reached the file.
  if (::ftruncate(fd_, before.st_size) == 0) ::fsync(fd_);
  return false;
}

void ResultLog::close() {
  if (!isOpen()) return;
  bool written = commit();
  ::close(fd_);
  fd_ = -1;
  report_.clear();
  if (!written) {
    platform::currentPlatform().messageBox(kCouldNotWriteFile, kAppName,
                                           platform::MessageIcon::Warning);
  }
}

}  // namespace quillion::framework
