// Quillion: clinical-nutrition calculators.
#include <cstdio>
#include <cstring>

#include "app/main_window.h"
#include "platform/qt/qt_backend.h"
#include "platform/resources.h"

int main(int argc, char** argv) {
  // Answered before any window system is touched, so it works on a machine without one.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("Quillion %s\n", quillion::platform::programFileVersion());
    return 0;
  }
  quillion::platform::qt::QtOptions options;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--palette") == 0 && std::strcmp(argv[i + 1], "dark") == 0) {
      options.dark = true;
    }
  }
  return quillion::platform::qt::runWithQt(argc, argv, options,
                                           [] { return quillion::app::runQuillion(); });
}
