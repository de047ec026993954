// Writing reports to the results log file. Every file call goes through the platform's
// file-call table, so the tests can fail or interleave any of them.
#include "framework/result_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "framework/format.h"
#include "framework/strings.h"
#include "platform/file_calls.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace quillion::framework {
namespace {

constexpr std::size_t kRuleLength = 22;
constexpr std::size_t kColumnTitleLimit = 81;
// Symbolic links followed before a path counts as a loop.
constexpr int kLinkLimit = 40;
// Times a log replaced under an appender is opened anew before giving up.
constexpr int kReopenLimit = 8;

platform::FileCalls& calls() { return platform::fileCalls(); }

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void reset(int fd = -1) {
    if (fd_ >= 0) calls().close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = calls().write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The path with every symbolic link at its end followed, so that a report updates the
// link's target rather than turning the link into a plain file.
std::string followLinks(std::string path) {
  for (int hop = 0; hop < kLinkLimit; ++hop) {
    struct stat status {};
    if (calls().lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char target[4096];
    ssize_t n = calls().readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target) return path;
    std::string next(target, static_cast<std::size_t>(n));
    path = next.front() == '/' ? next : folderOf(path) + "/" + next;
  }
  return path;
}

LogError openFailure() {
  return errno == EISDIR || errno == ENXIO || errno == ELOOP ? LogError::NotRegularFile
                                                             : LogError::CannotOpen;
}

// Opens the log for writing without blocking on a pipe or device; only a regular file
// is kept.
LogError openRegular(const std::string& path, int flags, Descriptor& fd) {
  fd.reset(calls().open(path.c_str(), flags | O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW,
                        0644));
  if (!fd.valid()) return openFailure();
  struct stat status {};
  if (calls().fstat(fd.get(), &status) != 0) return LogError::CannotOpen;
  if (!S_ISREG(status.st_mode)) {
    fd.reset();
    return LogError::NotRegularFile;
  }
  return LogError::None;
}

// Takes the file's lock, waiting a bounded time for another writer to finish.
LogError lockWithin(int fd, int milliseconds) {
  for (int waited = 0;; waited += kLogLockRetryMs) {
    if (calls().flock(fd, LOCK_EX | LOCK_NB) == 0) return LogError::None;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return LogError::CannotOpen;
    if (waited >= milliseconds) return LogError::InUse;
    calls().pause(kLogLockRetryMs);
  }
}

// Whether the open file is still the one at path (not renamed over or deleted).
bool stillAt(int fd, const std::string& path) {
  struct stat open {};
  struct stat named {};
  if (calls().fstat(fd, &open) != 0 || calls().stat(path.c_str(), &named) != 0) return false;
  return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Opens the log (creating it) and locks it; a file replaced before the lock was taken
// is let go and the new one at path opened instead.
LogError openLocked(const std::string& path, Descriptor& fd) {
  for (int attempt = 0; attempt < kReopenLimit; ++attempt) {
    LogError error = openRegular(path, O_CREAT | O_APPEND, fd);
    if (error != LogError::None) return error;
    error = lockWithin(fd.get(), kLogLockWaitMs);
    if (error != LogError::None) return error;
    if (stillAt(fd.get(), path)) return LogError::None;
  }
  return LogError::InUse;
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

std::string_view logErrorMessage(LogError error) {
  switch (error) {
    case LogError::None: return {};
    case LogError::CannotOpen: return kCouldNotOpenFile;
    case LogError::NotRegularFile: return kLogNotRegularFile;
    case LogError::InUse: return kLogInUse;
    case LogError::WriteFailed: return kCouldNotWriteFile;
  }
  return kCouldNotOpenFile;
}

std::string reportDateLine() {
  platform::LocalTime t = platform::currentPlatform().localTime();
  char line[64];
  std::snprintf(line, sizeof line, " %i-%02i-%02i at %02i:%02i", t.year, t.month, t.day, t.hour,
                t.minute);
  return line;
}

LogError ResultLog::open(std::string path, bool overwrite) {
  open_ = false;
  report_.clear();
  overwrite_ = overwrite;
  path_ = followLinks(std::move(path));
  // The file is made now, as a report opening it always has, but written only at close.
  Descriptor fd;
  LogError error = openRegular(path_, O_CREAT, fd);
  open_ = error == LogError::None;
  return error;
}

void ResultLog::collect() {
  open_ = true;
  overwrite_ = false;
  path_.clear();
  report_.clear();
}

void ResultLog::writeBytes(std::string_view bytes) {
  if (open_) report_.append(bytes);
}

void ResultLog::writeLine(std::string_view text) {
  if (!open_) return;
  report_.append(text);
  report_.append("\r\n");
}

void ResultLog::writeComment(std::string_view text) { writeLine(withCrLf(text)); }

void ResultLog::writeValue(std::string_view format, double value) {
  writeLine(formatValue(format, value));
}

void ResultLog::writeInteger(std::string_view format, int value) {
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

LogError ResultLog::append() {
  Descriptor fd;
  LogError error = openLocked(path_, fd);
  if (error != LogError::None) return error;
  struct stat before {};
  if (calls().fstat(fd.get(), &before) != 0) return LogError::CannotOpen;
  if (writeAll(fd.get(), report_) && calls().fsync(fd.get()) == 0) return LogError::None;
  // Take back whatever part of the report reached the file.
  if (calls().ftruncate(fd.get(), before.st_size) == 0) calls().fsync(fd.get());
  return LogError::WriteFailed;
}

LogError ResultLog::replace() {
  // The old file's lock keeps appenders out until the new file is in its place; an
  // appender that waited on it then finds the path holds another file and reopens.
  Descriptor old;
  LogError error = openLocked(path_, old);
  if (error != LogError::None) return error;
  std::string aside = path_ + ".writing-" + std::to_string(::getpid());
  Descriptor out(calls().open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!out.valid()) return LogError::CannotOpen;
  bool ok = writeAll(out.get(), report_) && calls().fsync(out.get()) == 0;
  ok = calls().close(out.release()) == 0 && ok;
  if (ok) ok = calls().rename(aside.c_str(), path_.c_str()) == 0;
  if (!ok) calls().unlink(aside.c_str());
  return ok ? LogError::None : LogError::WriteFailed;
}

LogError ResultLog::close() {
  if (!open_) return LogError::None;
  LogError error = overwrite_ ? replace() : append();
  open_ = false;
  report_.clear();
  return error;
}

HeaderError readHeaderFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return HeaderError::None;
  Descriptor fd(calls().open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0));
  if (!fd.valid()) return errno == ENOENT ? HeaderError::None : HeaderError::Unusable;
  struct stat status {};
  if (calls().fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > kHeaderFileLimit) {
    return HeaderError::Unusable;
  }
  char chunk[4096];
  for (;;) {
    ssize_t n = calls().read(fd.get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return HeaderError::Unusable;
    if (n == 0) return HeaderError::None;
    bytes.append(chunk, static_cast<std::size_t>(n));
    // A file that grows while it is read is cut off at the limit, not followed.
    if (bytes.size() > kHeaderFileLimit) return HeaderError::Unusable;
  }
}

}  // namespace quillion::framework
