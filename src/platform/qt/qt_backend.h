// Entry to the Qt backend. This header is free of Qt so that the application's and
// the script driver's mains can use it; everything that includes Qt lives beside it.
#pragma once

#include <functional>

namespace quillion::platform::qt {

struct QtOptions {
  bool offscreen = false;  // the script driver and tests: no window on any screen
  bool dark = false;       // a dark palette (Fusion), whatever the desktop's
};

// Creates the Qt application object, installs the Qt platform as the current platform
// for the duration of body, runs body and returns its result. Without a display (no
// DISPLAY or WAYLAND_DISPLAY) and no platform named by QT_QPA_PLATFORM, the window is
// served through Qt's VNC platform plugin on 127.0.0.1, said in one line on stderr.
int runWithQt(int& argc, char** argv, const QtOptions& options, const std::function<int()>& body);

}  // namespace quillion::platform::qt
