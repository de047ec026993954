// quillion-script [--qt [--palette dark]] [--home DIR] [--now "YYYY-MM-DD HH:MM"] SCRIPT|-
#include <clocale>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/paths.h"
#include "script/command_line.h"
#include "script/script_driver.h"
#ifdef QUILLION_WITH_QT
#include "platform/qt/qt_backend.h"
#endif

namespace {

int usage() {
  std::cerr << "usage: quillion-script [--qt [--palette dark]] [--home DIR] [--now \"YYYY-MM-DD "
               "HH:MM\"] SCRIPT|-\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Like the application under a desktop, the driver takes the user's locale: the pages
  // must show and read their numbers the same way whatever it is.
  std::setlocale(LC_ALL, "");
  bool useQt = false;
  bool dark = false;
  std::string home;
  std::optional<quillion::platform::LocalTime> now;
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--qt") {
      useQt = true;
    } else if (arg == "--palette" && i + 1 < argc && std::string(argv[i + 1]) == "dark") {
      dark = true;
      ++i;
    } else if (arg == "--home" && i + 1 < argc) {
      // The program's paths then begin with the folder as the transcript shows it.
      home = quillion::script::absoluteFolder(argv[++i]);
      quillion::platform::setHomeOverride(home);
    } else if (arg == "--now" && i + 1 < argc) {
      quillion::platform::LocalTime time;
      if (!quillion::script::parseLocalTime(argv[++i], time)) return usage();
      now = time;
    } else if (scriptPath.empty() && (arg == "-" || arg.rfind("--", 0) != 0)) {
      scriptPath = arg;
    } else {
      return usage();
    }
  }
  if (scriptPath.empty()) return usage();

  std::vector<std::string> lines;
  std::ifstream file;
  std::istream* in = &std::cin;
  if (scriptPath != "-") {
    file.open(scriptPath);
    if (!file) {
      std::cerr << "quillion-script: cannot read " << scriptPath << "\n";
      return 2;
    }
    in = &file;
  }
  for (std::string line; std::getline(*in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }

  quillion::script::ScriptDriver driver(std::move(lines), std::cout);
  if (!home.empty()) driver.setHomeFolder(home);
  auto body = [&] {
    quillion::platform::currentPlatform().setFixedTime(now);
    int status = driver.run();
    std::cout.flush();
    return status;
  };
  if (useQt) {
#ifdef QUILLION_WITH_QT
    driver.requireScreenshots(true);
    return quillion::platform::qt::runWithQt(argc, argv, {.offscreen = true, .dark = dark}, body);
#else
    std::cerr << "quillion-script: this build has no Qt backend\n";
    return 2;
#endif
  }
  quillion::platform::headless::HeadlessPlatform platform;
  quillion::platform::setCurrentPlatform(&platform);
  int status = body();
  quillion::platform::setCurrentPlatform(nullptr);
  return status;
}
