// Quillion: clinical-nutrition calculators.
#include "app/main_window.h"
#include "platform/qt/qt_backend.h"

int main(int argc, char** argv) {
  return quillion::platform::qt::runWithQt(argc, argv, {}, [] { return quillion::app::runQuillion(); });
}
