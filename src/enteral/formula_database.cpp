// Reading and writing the formula files. Every file call goes through the platform's
// file-call table, so the tests can fail any write, flush or rename.
#include "enteral/formula_database.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <new>

#include "framework/strings.h"
#include "platform/file_calls.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/resources.h"

namespace quillion::enteral {
namespace {

constexpr std::size_t kHeaderSize = 70;  // two version words, 64-byte description, count
constexpr std::size_t kCountOffset = 68;
// Names tried for a damaged file kept aside: NAME.bad, NAME.bad2, ... NAME.bad99.
constexpr int kBadNameLimit = 99;

platform::FileCalls& calls() { return platform::fileCalls(); }

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) calls().close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now; false when the close reports an error (data may not have reached disk).
  bool close() {
    int fd = fd_;
    fd_ = -1;
    return fd < 0 || calls().close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads up to size bytes; fewer only at the end of the file or on an error.
std::size_t readUpTo(int fd, char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = calls().read(fd, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = calls().write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool exists(const std::string& path) {
  struct stat status {};
  return calls().stat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// Moves a damaged file to the first free NAME.bad name; empty when it could not be moved.
std::string keepAside(const std::string& path) {
  for (int n = 1; n <= kBadNameLimit; ++n) {
    std::string aside = path + ".bad" + (n == 1 ? std::string() : std::to_string(n));
    if (exists(aside)) continue;
    return calls().rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
  }
  return {};
}

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string FormulaDatabase::pathOf(std::string_view fileName) const {
  return platform::dataFolder() + "/" + std::string(fileName);
}

LoadResult FormulaDatabase::loadFile(std::string_view fileName, bool isUserFile) {
  LoadResult result;
  const std::string path = pathOf(fileName);
  if (isUserFile) userFileBlocked_ = false;
  Descriptor fd(calls().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0));
  if (!fd.valid()) {
    if (errno == ENOENT) {
      result.status = LoadStatus::Missing;
    } else {
      // A file that is there but cannot be read must not be replaced by a save.
      result.status = LoadStatus::Unreadable;
      if (isUserFile) userFileBlocked_ = true;
    }
    return result;
  }

  const std::size_t recordSize = layout().recordSize;
  std::vector<FormulaRecord> loaded;
  bool whole = false;
  char header[kHeaderSize];
  if (readUpTo(fd.get(), header, kHeaderSize) == kHeaderSize) {
    std::int16_t n = 0;
    std::memcpy(&n, header + kCountOffset, sizeof n);
    const int already = isUserFile ? count() : 0;
    // A negative count, or one that would take the list past what a file can hold, is a
    // damaged file.
    if (n >= 0 && already + n <= kMaxRecords) {
      std::string block;
      try {
        block.resize(static_cast<std::size_t>(n) * recordSize);
        loaded.reserve(static_cast<std::size_t>(n));
      } catch (const std::bad_alloc&) {
        platform::currentPlatform().messageBox("ERROR! Out of Memory!", framework::kAppName,
                                           platform::MessageIcon::Error);
        block.clear();
        n = -1;
      }
      if (n >= 0 && readUpTo(fd.get(), block.data(), block.size()) == block.size()) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
          loaded.emplace_back(kind_, std::string_view(block).substr(i * recordSize, recordSize));
        }
        whole = true;
      }
    }
  }
  fd.close();

  if (!whole) {
    // The list keeps what it held before this file: the stock records stay when a user
    // file is damaged. The damaged file goes aside before anything can replace it.
    result.status = LoadStatus::Invalid;
    if (!isUserFile) records_.clear();
    result.keptAsPath = keepAside(path);
    if (isUserFile && result.keptAsPath.empty()) userFileBlocked_ = true;
    return result;
  }

  if (isUserFile) {
    for (FormulaRecord& record : loaded) {
      record.setFlags(static_cast<std::uint16_t>(record.flags() & ~kStockFlag));
      records_.push_back(std::move(record));
    }
  } else {
    records_ = std::move(loaded);
    for (FormulaRecord& record : records_) {
      record.setFlags(static_cast<std::uint16_t>(record.flags() | kStockFlag));
    }
  }
  result.status = LoadStatus::Loaded;
  result.count = count();
  return result;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  std::error_code ignored;
  std::filesystem::create_directories(folderOf(path), ignored);
  const std::string aside = path + ".writing-" + std::to_string(::getpid());
  Descriptor out(calls().open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!out.valid()) return false;
  bool ok = writeAll(out.get(), bytes) && calls().fsync(out.get()) == 0;
  ok = out.close() && ok;
  if (ok) ok = calls().rename(aside.c_str(), path.c_str()) == 0;
  if (!ok) {
    calls().unlink(aside.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  Descriptor folder(calls().open(folderOf(path).c_str(), O_RDONLY | O_CLOEXEC, 0));
  if (folder.valid()) calls().fsync(folder.get());
  return true;
}

int FormulaDatabase::saveFile(std::string_view fileName, bool userPart) {
  if (userPart && userFileBlocked_) return -1;
  if (records_.size() > static_cast<std::size_t>(kMaxRecords)) return -1;
  std::vector<const FormulaRecord*> part;
  for (const FormulaRecord& record : records_) {
    if (record.isStock() != userPart) part.push_back(&record);
  }
  return writeFileAtomically(pathOf(fileName), formulaFileBytes(part)) ? count() : -1;
}

AppendResult FormulaDatabase::appendRecord(std::string_view name) {
  if (name.empty()) return AppendResult::EmptyName;
  FormulaRecord record(kind_);
  if (!record.setName(name)) return AppendResult::NotWindows1252;
  record.setFlags(0);
  record.setServingSize(layout().defaultServingSize);
  const int previousCurrent = currentIndex();
  try {
    records_.push_back(std::move(record));
  } catch (const std::bad_alloc&) {
    platform::currentPlatform().messageBox("ERROR! Out of Memory!", framework::kAppName,
                                           platform::MessageIcon::Error);
    return AppendResult::OutOfMemory;
  }
  currentIndex_ = count() - 1;
  if (saveUserPart() < 0) {
    records_.pop_back();
    currentIndex_ = previousCurrent;
    return AppendResult::NotSaved;
  }
  return AppendResult::Appended;
}

AppendResult FormulaDatabase::copyRecord(int index, std::string_view name) {
  if (name.empty()) return AppendResult::EmptyName;
  if (!valid(index)) return AppendResult::EmptyName;
  FormulaRecord copy = record(index);
  if (!copy.setName(name)) return AppendResult::NotWindows1252;
  copy.setFlags(0);
  const int previousCurrent = currentIndex();
  try {
    records_.push_back(std::move(copy));
  } catch (const std::bad_alloc&) {
    platform::currentPlatform().messageBox("ERROR! Out of Memory!", framework::kAppName,
                                           platform::MessageIcon::Error);
    return AppendResult::OutOfMemory;
  }
  currentIndex_ = count() - 1;
  if (saveUserPart() < 0) {
    records_.pop_back();
    currentIndex_ = previousCurrent;
    return AppendResult::NotSaved;
  }
  return AppendResult::Appended;
}

bool FormulaDatabase::changeAndSaveUser(const std::function<void(FormulaDatabase&)>& change) {
  const std::vector<FormulaRecord> before = records_;
  const int previousCurrent = currentIndex_;
  change(*this);
  if (saveUserPart() >= 0) return true;
  records_ = before;
  currentIndex_ = previousCurrent;
  return false;
}

void FormulaDatabase::removeRecord(int index) {
  if (!valid(index)) return;
  const int last = count() - 1;
  if (currentIndex_ == index) {
    currentIndex_ = -1;
  } else if (currentIndex_ == last) {
    currentIndex_ = index;
  }
  if (index != last) records_[static_cast<std::size_t>(index)] = std::move(records_.back());
  records_.pop_back();
}

void FormulaDatabase::release() {
  records_.clear();
  userFileBlocked_ = false;
}

FormulaDatabase& formulaDatabase(FormulaKind kind) {
  static FormulaDatabase adult(FormulaKind::Adult);
  static FormulaDatabase peds(FormulaKind::Pediatric);
  return kind == FormulaKind::Adult ? adult : peds;
}

bool& allowStockEditing() {
  static bool allowed = false;
  return allowed;
}

bool installStockFile(FormulaKind kind) {
  const std::string path = platform::dataFolder() + "/" + layoutOf(kind).stockFile;
  if (exists(path)) return true;
  auto bytes = platform::findResource(
      platform::kResourceRawData,
      kind == FormulaKind::Adult ? kAdultStockResource : kPedsStockResource);
  if (bytes.empty()) return false;
  return writeFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string damagedFileMessage(std::string_view fileName, const LoadResult& result) {
  std::string text = "The formula file \"" + std::string(fileName) + "\" is damaged and was not read.";
  if (!result.keptAsPath.empty()) {
    text += "\r\nIt was kept as \"" + result.keptAsPath + "\".";
  } else {
    text += "\r\nIt could not be moved aside, so it will not be written over.";
  }
  return text;
}

}  // namespace quillion::enteral
