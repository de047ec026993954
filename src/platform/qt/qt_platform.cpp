#include "platform/qt/qt_platform.h"

#include <map>

#include <QDesktopServices>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "platform/qt/chart_painter.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "platform/qt/control_bindings.h"
#include "platform/qt/form_view.h"
#include "platform/qt/widgets.h"
#include "platform/qt/window_dialogs.h"

namespace quillion::platform::qt {
namespace {

// The main window's first size, in logical pixels: twice the handheld's screen.
constexpr int kMainWidth = 480;
constexpr int kMainHeight = 720;

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::Information;
}

// A filter as the file dialog shows it: "Text Files (*.txt)". A file without a dot
// still belongs to "all files" here, so "*.*" is offered as "*".
QString filterText(const FileFilter& filter) {
  QString name = QString::fromStdString(filter.name);
  const QString pattern = QString::fromStdString(filter.pattern);
  if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (") + pattern + QLatin1Char(')');
  name.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
  return name;
}

// Gives a window's view back, whatever way its run ends.
class RunGuard {
 public:
  RunGuard(std::vector<WindowDialog*>& running, WindowDialog& dialog) : running_(running), dialog_(dialog) {
    dialog_.attach();
    running_.push_back(&dialog_);
  }
  ~RunGuard() {
    dialog_.detach();
    dialog_.hide();
    running_.erase(std::remove(running_.begin(), running_.end(), &dialog_), running_.end());
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  std::vector<WindowDialog*>& running_;
  WindowDialog& dialog_;
};

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
  for (auto& [key, timer] : timers_) delete timer;
  while (waitCursors_ > 0) setWaitCursor(false);
}

QWidget* QtPlatform::topWindow() const { return running_.empty() ? nullptr : running_.back(); }

void QtPlatform::place(Window& window, WindowDialog& dialog, QWidget* under) const {
  // A window over another covers it exactly, as every window filled the handheld's screen.
  if (under) {
    dialog.setGeometry(under->geometry());
    return;
  }
  QRect area(0, 0, 1024, 768);
  if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  QRect frame(0, 0, std::min(kMainWidth, area.width()), std::min(kMainHeight, area.height() - 48));
  frame.moveCenter(area.center());
  // The main window comes back where it was, if that place is still wholly on a screen.
  if (auto stored = window.storedGeometry()) {
    const QRect wanted(stored->x, stored->y, stored->width, stored->height);
    for (QScreen* screen : QGuiApplication::screens()) {
      if (wanted.isValid() && screen->availableGeometry().contains(wanted)) {
        frame = wanted;
        break;
      }
    }
  }
  dialog.setGeometry(frame);
}

int QtPlatform::runModalNative(Window& window) {
  QWidget* under = topWindow();
  std::unique_ptr<WindowDialog> dialog;
  std::vector<const Window*> owned{&window};
  if (auto* sheet = dynamic_cast<Sheet*>(&window)) {
    dialog = std::make_unique<SheetDialog>(*sheet, under);
    for (int i = 0; i < sheet->pageCount(); ++i) owned.push_back(&sheet->page(i));
  } else if (auto* form = dynamic_cast<Form*>(&window)) {
    dialog = std::make_unique<FormDialog>(*form, under);
  } else {
    return kResultCancel;
  }
  // The first window is the program's main window, with the usual window buttons.
  if (!under) dialog->setWindowFlags(Qt::Window);
  place(window, *dialog, under);
  {
    RunGuard run(running_, *dialog);
    if (!window.ended()) {
      if (automation()) {
        dialog->show();
        dialog->activateWindow();
        pumpEvents();
        automation()->runModal(window);
      } else {
        dialog->exec();
      }
    }
  }
  for (const Window* ended : owned) dropTimers(*ended);
  if (!under) {
    const QRect shown = dialog->geometry();
    window.storeGeometry({shown.x(), shown.y(), shown.width(), shown.height()});
  }
  dialog.reset();
  return window.ended() ? window.result() : kResultCancel;
}

int QtPlatform::messageBoxNative(std::string_view text, std::string_view title, MessageIcon icon,
                                 MessageButtons buttons) {
  const bool yesNo = buttons == MessageButtons::YesNo;
  QMessageBox box(boxIcon(icon), toQt(title), toQt(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, topWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return kAnswerYes;
    case QMessageBox::No:
      return kAnswerNo;
    case QMessageBox::Ok:
      return kAnswerOk;
    default:
      return yesNo ? kAnswerNo : kAnswerOk;
  }
}

std::optional<std::string> QtPlatform::askSaveFileNameNative(const SaveFileRequest& request) {
  const QString title = request.existingFile ? QStringLiteral("Open") : QStringLiteral("Save As");
  QFileDialog dialog(topWindow(), title);
  dialog.setAcceptMode(request.existingFile ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(request.existingFile ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The chosen file is a log that reports are added to; choosing it replaces nothing.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << filterText(filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
  }
  if (!request.initialFolder.empty()) dialog.setDirectory(QString::fromStdString(request.initialFolder));
  QString suffix = QString::fromStdString(request.defaultExtension);
  while (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  if (!request.startName.empty()) dialog.selectFile(QString::fromStdString(request.startName));

  while (dialog.exec() == QDialog::Accepted) {
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) continue;
    const QFileInfo file(chosen.first());
    if (request.pathMustExist && !file.absoluteDir().exists()) {
      QMessageBox::warning(&dialog, title,
                           QStringLiteral("The folder %1 does not exist.")
                               .arg(QDir::toNativeSeparators(file.absolutePath())));
      continue;
    }
    return file.absoluteFilePath().toStdString();
  }
  return std::nullopt;
}

void QtPlatform::setTimer(Window& window, int timerId, int milliseconds) {
  QTimer*& timer = timers_[{&window, timerId}];
  if (!timer) {
    timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [&window, timerId] { window.onTimer(timerId); });
  }
  // A script drives the clock with tick, so that its transcript never depends on timing.
  if (!automation()) timer->start(std::max(0, milliseconds));
}

void QtPlatform::tick(Window& window) {
  std::vector<int> ids;
  for (const auto& [key, timer] : timers_) {
    if (key.first == &window) ids.push_back(key.second);
  }
  for (int id : ids) window.onTimer(id);
}

void QtPlatform::killTimer(Window& window, int timerId) {
  auto found = timers_.find({&window, timerId});
  if (found == timers_.end()) return;
  // The timer may be the one whose tick is running now: stop it, free it later.
  found->second->stop();
  found->second->deleteLater();
  timers_.erase(found);
}

void QtPlatform::dropTimers(const Window& window) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->first.first == &window) {
      it->second->stop();
      it->second->deleteLater();
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
}

void QtPlatform::setWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
  } else if (waitCursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitCursors_;
  }
}

bool QtPlatform::saveChart(const Control& chart, const std::string& path) {
  return chart.kind() == ControlKind::Chart && saveChartFile(chart.chart(), path);
}

namespace {

// A report laid out for paper: its lines as they are, in a fixed-width font.
void layOutReport(QTextDocument& document, std::string_view text) {
  QString plain = toQt(text);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSize(9);
  document.setDefaultFont(font);
  document.setPlainText(plain);
}

}  // namespace

bool QtPlatform::openWithDesktop(const std::string& path) {
  // A scripted run never starts another program on the desktop.
  if (automation()) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(toQt(path)));
}

void QtPlatform::printText(std::string_view title, std::string_view text) {
  QPrinter printer;
  printer.setDocName(toQt(title));
  QPrintDialog dialog(&printer, topWindow());
  dialog.setWindowTitle(QStringLiteral("Print"));
  if (dialog.exec() != QDialog::Accepted) return;
  QTextDocument document;
  layOutReport(document, text);
  document.print(&printer);
}

bool QtPlatform::writeTextPdf(std::string_view text, const std::string& path) {
  QPdfWriter pdf(toQt(path));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setCreator(QStringLiteral("Quillion"));
  QTextDocument document;
  layOutReport(document, text);
  document.print(&pdf);
  return QFile(toQt(path)).size() > 0;
}

void QtPlatform::pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

namespace {

// The control's binding when a person could act on its widget now: the form is shown
// and the control is visible and enabled.
ControlBinding* actionable(Control& control) {
  auto* view = dynamic_cast<FormView*>(control.form().view());
  if (!view || !control.visible() || !control.enabled()) return nullptr;
  return view->binding(control);
}

}  // namespace

void QtUserSimulation::type(Control& edit, std::string text) {
  ControlBinding* binding = actionable(edit);
  if (!binding || !binding->userType(text)) UserSimulation::type(edit, std::move(text));
  platform_.pumpEvents();
}

void QtUserSimulation::click(Control& control) {
  ControlBinding* binding = actionable(control);
  if (!binding || !binding->userClick()) UserSimulation::click(control);
  platform_.pumpEvents();
}

void QtUserSimulation::choose(Control& list, int index) {
  ControlBinding* binding = actionable(list);
  if (!binding || !binding->userChoose(index)) UserSimulation::choose(list, index);
  platform_.pumpEvents();
}

void QtUserSimulation::doubleTap(Control& list, int index) {
  ControlBinding* binding = actionable(list);
  if (!binding || !binding->userDoubleTap(index)) UserSimulation::doubleTap(list, index);
  platform_.pumpEvents();
}

void QtUserSimulation::spin(Control& spin, int step) {
  ControlBinding* binding = actionable(spin);
  if (!binding || !binding->userSpin(step)) UserSimulation::spin(spin, step);
  platform_.pumpEvents();
}

void QtUserSimulation::headerTap(Control& list, int column) {
  ControlBinding* binding = actionable(list);
  if (!binding || !binding->userHeaderTap(column)) UserSimulation::headerTap(list, column);
  platform_.pumpEvents();
}

void QtUserSimulation::cellTap(Control& list, int row, int column, bool twice) {
  ControlBinding* binding = actionable(list);
  if (!binding || !binding->userCellTap(row, column, twice)) {
    UserSimulation::cellTap(list, row, column, twice);
  }
  platform_.pumpEvents();
}

void QtUserSimulation::selectTab(Sheet& sheet, int index) {
  if (auto* dialog = dynamic_cast<SheetDialog*>(sheet.view())) {
    dialog->chooseTab(index);
  } else {
    UserSimulation::selectTab(sheet, index);
  }
  platform_.pumpEvents();
}

std::vector<testing::UserSimulation::Stop> QtUserSimulation::tabStops(Form& form) {
  auto* view = dynamic_cast<FormView*>(form.view());
  if (!view) return UserSimulation::tabStops(form);
  platform_.pumpEvents();
  // The widget each control takes the focus with, and where the chain starts.
  std::map<QWidget*, Control*> owners;
  QWidget* start = nullptr;
  for (const auto& control : form.controls()) {
    ControlBinding* binding = view->binding(*control);
    QWidget* widget = binding ? binding->focusWidget() : nullptr;
    if (!widget) continue;
    owners[widget] = control.get();
  }
  const std::vector<Control*> reading = form.tabOrder();
  if (!reading.empty()) {
    if (ControlBinding* first = view->binding(*reading.front())) start = first->focusWidget();
  }
  std::vector<Stop> stops;
  if (!start) return stops;
  QWidget* widget = start;
  for (std::size_t steps = 0; steps < 100000; ++steps) {
    auto owner = owners.find(widget);
    const bool stop = owner != owners.end() && widget->isVisibleTo(view) && widget->isEnabled() &&
                      (widget->focusPolicy() & Qt::TabFocus);
    if (stop) stops.push_back({owner->second, widget->accessibleName().toStdString()});
    widget = widget->nextInFocusChain();
    if (!widget || widget == start) break;
  }
  return stops;
}

bool QtUserSimulation::fitsWidth(Form& form) {
  auto* view = dynamic_cast<FormView*>(form.view());
  platform_.pumpEvents();
  return !view || view->fitsWidth();
}

bool QtUserSimulation::screenshot(Window& window, const std::string& pngPath) {
  auto* shown = dynamic_cast<QWidget*>(window.view());
  if (!shown) return false;
  platform_.pumpEvents();
  const QPixmap shot = shown->window()->grab();
  return !shot.isNull() && shot.save(QString::fromStdString(pngPath), "PNG");
}

}  // namespace quillion::platform::qt
