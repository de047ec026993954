// The yardstick of the whole-program figures: a bare Qt Widgets program that shows a
// window holding a list of 27 rows (as the main window's tool list) and exits once the
// window is on screen.
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* list = new QListWidget(&window);
  for (int row = 1; row <= 27; ++row) list->addItem(QStringLiteral("Tool %1").arg(row));
  layout->addWidget(list);
  window.show();
  // Quits from the event loop, once the window has been shown and painted.
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
