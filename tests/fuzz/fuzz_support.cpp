#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace quillion::fuzz {

std::string scratchFolder() {
  // Kept in a plain array: the removal at exit runs after static strings are destroyed.
  static char folder[64] = {};
  if (folder[0] == '\0') {
    struct stat status {};
    const bool shm = ::stat("/dev/shm", &status) == 0 && S_ISDIR(status.st_mode) &&
                     ::access("/dev/shm", W_OK) == 0;
    std::snprintf(folder, sizeof folder, "%s/quillion-fuzz-XXXXXX", shm ? "/dev/shm" : "/tmp");
    if (::mkdtemp(folder) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    });
  }
  return folder;
}

void setUp() {
  static const bool done = [] {
    static platform::headless::HeadlessPlatform headless;
    platform::setCurrentPlatform(&headless);
    platform::setHomeOverride(scratchFolder());
    return true;
  }();
  (void)done;
}

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace quillion::fuzz
