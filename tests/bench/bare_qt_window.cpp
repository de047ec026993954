// The yardstick of the whole-program figures: a bare Qt Widgets program that shows a
// window holding a list of 27 rows (as the main window's tool list) and exits once the
// window is on screen, that is once its list has been painted.
#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Ends the event loop just after the first paint of the watched widget has been done.
class QuitAfterPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* list = new QListWidget(&window);
  for (int row = 1; row <= 27; ++row) list->addItem(QStringLiteral("Tool %1").arg(row));
  layout->addWidget(list);
  QuitAfterPaint quit;
  list->viewport()->installEventFilter(&quit);
  window.show();
  // A window that is never painted is a failed run, not a fast one.
  QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
  return app.exec();
}
