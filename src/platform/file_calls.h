// The few file-system calls of the results log (and of any writer that must never leave
// a half-written file), gathered in one table as SQLite gathers its system calls, so that
// a test can make any of them fail, or make another writer act between two of them.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>

namespace quillion::platform {

struct FileCalls {
  std::function<int(const char* path, int flags, mode_t mode)> open;
  std::function<ssize_t(int fd, void* buffer, size_t size)> read;
  std::function<ssize_t(int fd, const void* buffer, size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(int fd)> close;
  std::function<int(int fd, struct stat* status)> fstat;
  std::function<int(const char* path, struct stat* status)> stat;
  std::function<int(const char* path, struct stat* status)> lstat;
  std::function<ssize_t(const char* path, char* buffer, size_t size)> readlink;
  std::function<int(const char* from, const char* to)> rename;
  std::function<int(const char* path)> unlink;
  std::function<int(int fd, int operation)> flock;
  std::function<int(int fd, off_t length)> ftruncate;
  // Waits between two tries of a lock that another process holds.
  std::function<void(int milliseconds)> pause;
};

// The operating system's own calls.
FileCalls systemFileCalls();

// The table in use. Tests replace entries and put the system's back afterwards.
FileCalls& fileCalls();

}  // namespace quillion::platform
