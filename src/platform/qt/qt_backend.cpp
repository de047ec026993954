// Start-up of the Qt backend: the window system plugin, the application object, the
// default font, and the Qt platform installed for the program's run.
#include "platform/qt/qt_backend.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QtGlobal>

#include "platform/qt/qt_platform.h"
#include "platform/qt/widgets.h"

namespace quillion::platform::qt {
namespace {

constexpr std::uint16_t kVncPort = 5900;

bool environmentEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr || *value == '\0';
}

std::uint16_t portOf(const sockaddr_storage& address) {
  if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
  if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
  return 0;
}

// The descriptor of a socket of this process listening on the given TCP port, or -1.
int findListener(std::uint16_t port) {
  DIR* folder = opendir("/proc/self/fd");
  if (!folder) return -1;
  int found = -1;
  while (dirent* entry = readdir(folder)) {
    char* end = nullptr;
    long number = std::strtol(entry->d_name, &end, 10);
    if (end == entry->d_name || *end != '\0' || number == dirfd(folder)) continue;
    const int fd = static_cast<int>(number);
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    int listening = 0;
    socklen_t flagLength = sizeof listening;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) continue;
    if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &flagLength) != 0 || !listening) continue;
    if (portOf(address) == port) {
      found = fd;
      break;
    }
  }
  closedir(folder);
  return found;
}

// Qt's VNC plugin (6.4) has no option for the address it listens on and takes every
// interface, which would let anyone on the network drive the program without a
// password. Its listening socket is swapped, under the same descriptor, for one bound
// to the loopback address only; the plugin's socket notifier goes on watching it.
bool keepVncOnLoopback(std::uint16_t port) {
  int listener = -1;
  // The plugin opens its socket from a queued call once events run.
  for (int round = 0; round < 20 && listener < 0; ++round) {
    QCoreApplication::processEvents();
    listener = findListener(port);
  }
  if (listener < 0) return false;

  const int fresh = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fresh < 0) return false;
  // dup3 closes the wide listener and puts the fresh socket in its place at once.
  if (dup3(fresh, listener, O_CLOEXEC) < 0) {
    close(fresh);
    return false;
  }
  close(fresh);
  int reuse = 1;
  setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  sockaddr_in loopback{};
  loopback.sin_family = AF_INET;
  loopback.sin_port = htons(port);
  loopback.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(listener, reinterpret_cast<const sockaddr*>(&loopback), sizeof loopback) != 0) return false;
  return listen(listener, SOMAXCONN) == 0;
}

// Two notices of Qt's window system plugins say nothing about the program: the
// offscreen plugin's, on every resize, that it keeps no size hints (the script driver's
// output stays clean of it), and the VNC plugin's port notice, which the program's own
// line replaces once the server listens on the loopback address only.
QtMessageHandler gNextHandler = nullptr;

void quietPluginHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
  if (message.startsWith(QLatin1String("QVncServer created on port"))) return;
  if (gNextHandler) gNextHandler(type, context, message);
}

// A dark palette (on Fusion): light text on dark ground, the coloured result rows keeping
// text that reads on their own backgrounds.
void useDarkPalette() {
  QPalette dark;
  const QColor window(0x2B, 0x2B, 0x2B);
  const QColor base(0x1E, 0x1E, 0x1E);
  const QColor text(0xEE, 0xEE, 0xEE);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::ToolTipBase, window);
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::Highlight, QColor(0x2F, 0x6F, 0xAF));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::Link, QColor(0x8F, 0xC8, 0xFF));
  dark.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
  dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
  dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
  QApplication::setPalette(dark);
}

class CurrentPlatform {
 public:
  explicit CurrentPlatform(Platform& platform) { setCurrentPlatform(&platform); }
  ~CurrentPlatform() { setCurrentPlatform(nullptr); }
  CurrentPlatform(const CurrentPlatform&) = delete;
  CurrentPlatform& operator=(const CurrentPlatform&) = delete;
};

}  // namespace

int runWithQt(int& argc, char** argv, const QtOptions& options, const std::function<int()>& body) {
  bool platformArgument = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    platformArgument = platformArgument || argument == "-platform" || argument == "--platform";
  }
  // With no platform named, the VNC server is the last resort: when there is no display
  // at all, or when the display named cannot be reached (a remote shell without X
  // forwarding), the program is served by VNC rather than ending with a plugin abort.
  bool vncFallback = false;
  if (options.offscreen) {
    // An offscreen platform named with options (a screen of another size) is kept.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  } else if (!platformArgument && environmentEmpty("QT_QPA_PLATFORM")) {
    QByteArray platforms;
    if (!environmentEmpty("WAYLAND_DISPLAY")) platforms += "wayland;";
    if (!environmentEmpty("DISPLAY")) platforms += "xcb;";
    qputenv("QT_QPA_PLATFORM", platforms + "vnc:port=" + QByteArray::number(kVncPort));
    vncFallback = true;
  }
  if (options.offscreen || vncFallback) gNextHandler = qInstallMessageHandler(quietPluginHandler);

  QApplication application(argc, argv);
  // Making the application set the C library's locale from the desktop; numbers shown,
  // read and written stay in the C locale's form (a point, never a comma) all the same.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  // Modal runs come and go; the last window closing must not end the ones to come.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Quillion"));
  QApplication::setWindowIcon(programIcon());

  const bool servedByVnc = vncFallback && QGuiApplication::platformName() == QLatin1String("vnc");
  if (servedByVnc) {
    if (!keepVncOnLoopback(kVncPort)) {
      std::fprintf(stderr,
                   "Quillion: no display could be used, and no VNC server could listen on 127.0.0.1:%u "
                   "alone (is the port in use?); set DISPLAY or QT_QPA_PLATFORM\n",
                   static_cast<unsigned>(kVncPort));
      return EXIT_FAILURE;
    }
    std::fprintf(stderr,
                 "Quillion: no display could be used; serving the window by VNC on 127.0.0.1:%u "
                 "(connect with any VNC viewer)\n",
                 static_cast<unsigned>(kVncPort));
  }

  // The bare framebuffer has no desktop theme, and the dark palette is made for Fusion;
  // otherwise the style is the one the platform or the user (-style) chose.
  QApplication::setStyle(applicationStyle(servedByVnc || options.dark
                                              ? QStringLiteral("Fusion")
                                              : QApplication::style()->name()));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(10);
  QApplication::setFont(font);
  if (options.dark) useDarkPalette();

  QtPlatform platform;
  CurrentPlatform current(platform);
  QtUserSimulation simulation(platform);
  testing::setUserSimulation(&simulation);
  const int status = body();
  testing::setUserSimulation(nullptr);
  return status;
}

}  // namespace quillion::platform::qt
