#include "platform/file_calls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace quillion::platform {

FileCalls systemFileCalls() {
  FileCalls calls;
  calls.open = [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); };
  calls.read = [](int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); };
  calls.write = [](int fd, const void* buffer, size_t size) { return ::write(fd, buffer, size); };
  calls.fsync = [](int fd) { return ::fsync(fd); };
  calls.close = [](int fd) { return ::close(fd); };
  calls.fstat = [](int fd, struct stat* status) { return ::fstat(fd, status); };
  calls.stat = [](const char* path, struct stat* status) { return ::stat(path, status); };
  calls.lstat = [](const char* path, struct stat* status) { return ::lstat(path, status); };
  calls.readlink = [](const char* path, char* buffer, size_t size) {
    return ::readlink(path, buffer, size);
  };
  calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
  calls.unlink = [](const char* path) { return ::unlink(path); };
  calls.flock = [](int fd, int operation) { return ::flock(fd, operation); };
  calls.ftruncate = [](int fd, off_t length) { return ::ftruncate(fd, length); };
  calls.pause = [](int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  };
  return calls;
}

FileCalls& fileCalls() {
  static FileCalls calls = systemFileCalls();
  return calls;
}

}  // namespace quillion::platform
