#include "platform/qt/window_dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "platform/qt/form_view.h"
#include "platform/qt/widgets.h"

namespace quillion::platform::qt {
namespace {

QPushButton* plainButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// The handheld's title bar: the window's caption and its OK.
QWidget* makeTitleBar(QWidget* parent, QLabel* caption, QPushButton* ok) {
  auto* titleBar = new QWidget(parent);
  titleBar->setAutoFillBackground(true);
  QPalette barColour = titleBar->palette();
  barColour.setColor(QPalette::Window, QColor(0x0B, 0x4F, 0x6C));
  titleBar->setPalette(barColour);
  QPalette captionColour = caption->palette();
  captionColour.setColor(QPalette::WindowText, Qt::white);
  caption->setPalette(captionColour);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setTextFormat(Qt::PlainText);
  auto* titleRow = new QHBoxLayout(titleBar);
  titleRow->setContentsMargins(8, 3, 4, 3);
  titleRow->addWidget(caption, 1);
  titleRow->addWidget(ok);
  return titleBar;
}

}  // namespace

WindowDialog::WindowDialog(Window& window, QWidget* parent) : QDialog(parent), window_(window) {
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(toQt(window.title()));
  setSizeGripEnabled(false);
}

void WindowDialog::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    if (!window_.ended()) window_.requestCancel();
    return;
  }
  // Enter closes nothing: a dialog ends only by its own buttons, the OK, Escape or close.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void WindowDialog::closeEvent(QCloseEvent* event) {
  if (!window_.ended()) window_.requestClose();
  if (window_.ended()) {
    event->accept();
  } else {
    event->ignore();  // the window chose to stay open
  }
}

void WindowDialog::reject() {
  if (!window_.ended()) window_.requestClose();
  if (window_.ended()) endRun();
}

void WindowDialog::endRun() { done(window_.result()); }

FormDialog::FormDialog(Form& form, QWidget* parent)
    : WindowDialog(form, parent), form_(form), view_(new FormView(form, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // A window over another fills the screen with the title-bar OK, as on the handheld;
  // the main window has the desktop's own frame.
  if (parent) {
    title_ = new QLabel(toQt(form.title()), this);
    auto* ok = plainButton(QStringLiteral("OK"), this);
    layout->addWidget(makeTitleBar(this, title_, ok));
    connect(ok, &QPushButton::clicked, this, [this] {
      if (!form_.ended()) form_.requestOk();
    });
  }
  // A window with commands of its own (the main window) shows them in a menu.
  if (const auto commands = form.windowCommands(); !commands.empty()) {
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    for (const WindowCommand& command : commands) {
      QAction* action = menu->addAction(toQt(command.caption));
      const std::string id(command.id);
      connect(action, &QAction::triggered, this, [this, id] {
        if (!form_.ended()) form_.onWindowCommand(id);
      });
    }
    layout->setMenuBar(bar);
  }
  layout->addWidget(view_, 1);
}

void FormDialog::attach() {
  view_->onTitleChanged = [this] {
    setWindowTitle(toQt(form_.title()));
    if (title_) title_->setText(toQt(form_.title()));
  };
  view_->onModalEnded = [this] { endRun(); };
  form_.setView(view_);
  view_->applyPendingFocus();
  view_->focusFirstInput();
}

void FormDialog::detach() {
  if (form_.view() == view_) form_.setView(nullptr);
  view_->onTitleChanged = nullptr;
  view_->onModalEnded = nullptr;
}

SheetDialog::SheetDialog(Sheet& sheet, QWidget* parent)
    : WindowDialog(sheet, parent),
      sheet_(sheet),
      title_(new QLabel(this)),
      ok_(plainButton(QStringLiteral("OK"), this)),
      tabs_(new QTabWidget(this)),
      softKeys_(new QWidget(this)),
      back_(plainButton(QStringLiteral("< Back"), softKeys_)),
      save_(plainButton(QStringLiteral("Save"), softKeys_)),
      options_(plainButton(QStringLiteral("Options"), softKeys_)),
      print_(plainButton(QStringLiteral("Print..."), softKeys_)) {
  QWidget* titleBar = makeTitleBar(this, title_, ok_);

  tabs_->setDocumentMode(false);
  tabs_->setUsesScrollButtons(true);
  for (int i = 0; i < sheet.pageCount(); ++i) {
    auto* page = new FormView(sheet.page(i), tabs_);
    page->onModelTouched = [this] { refreshKeys(); };
    pages_.push_back(page);
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(page, literalCaption(toQt(sheet.tabCaption(i))));
  }

  // The page menu bar: two soft keys, and "< Back" for pages that go back.
  save_->setToolTip(QStringLiteral("Save tool data to file..."));
  options_->setToolTip(QStringLiteral("Set options..."));
  print_->setToolTip(QStringLiteral("Print the report, or save it as a PDF..."));
  auto* bar = new QVBoxLayout(softKeys_);
  bar->setContentsMargins(0, 0, 0, 0);
  bar->setSpacing(0);
  auto* rule = new QFrame(softKeys_);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  bar->addWidget(rule);
  auto* keys = new QHBoxLayout;
  bar->addLayout(keys);
  keys->setContentsMargins(4, 3, 4, 4);
  keys->addWidget(back_);
  keys->addWidget(save_);
  keys->addStretch(1);
  keys->addWidget(options_);
  keys->addWidget(print_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(titleBar);
  layout->addWidget(tabs_, 1);
  layout->addWidget(softKeys_);

  connect(ok_, &QPushButton::clicked, this, [this] {
    if (!sheet_.ended()) sheet_.requestOk();
  });
  connect(back_, &QPushButton::clicked, this, [this] {
    if (Form* page = sheet_.activePage(); page && page->hasBack()) page->onBack();
    refreshKeys();
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    if (Form* page = sheet_.activePage(); page && page->hasMenuBar()) page->onSave();
    refreshKeys();
  });
  connect(options_, &QPushButton::clicked, this, [this] {
    if (Form* page = sheet_.activePage(); page && page->hasMenuBar()) page->onOptions();
    refreshKeys();
  });
  connect(print_, &QPushButton::clicked, this, [this] {
    Form* page = sheet_.activePage();
    if (!page || !page->hasMenuBar()) return;
    if (auto report = page->printableReport()) {
      currentPlatform().printText(sheet_.title(), *report);
    }
    refreshKeys();
  });
  auto* printKey = new QShortcut(QKeySequence::Print, this);
  connect(printKey, &QShortcut::activated, print_, [this] {
    if (print_->isVisible()) print_->click();
  });
  auto* saveKey = new QShortcut(QKeySequence::Save, this);
  connect(saveKey, &QShortcut::activated, save_, [this] {
    if (save_->isVisible()) save_->click();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { tabChosen(index); });

  titleChanged();
  showActiveTab();
  refreshKeys();
}

SheetDialog::~SheetDialog() {
  // Taking the tabs down must not look like a person choosing another page.
  tabs_->blockSignals(true);
}

void SheetDialog::attach() {
  sheet_.setView(this);
  for (int i = 0; i < sheet_.pageCount(); ++i) sheet_.page(i).setView(pages_[static_cast<std::size_t>(i)]);
  for (FormView* page : pages_) page->applyPendingFocus();
  showActiveTab();
  refreshKeys();
  if (const int active = sheet_.activeIndex(); active >= 0 && active < static_cast<int>(pages_.size())) {
    pages_[static_cast<std::size_t>(active)]->focusFirstInput();
  }
}

void SheetDialog::detach() {
  for (int i = 0; i < sheet_.pageCount(); ++i) {
    Form& page = sheet_.page(i);
    if (page.view() == pages_[static_cast<std::size_t>(i)]) page.setView(nullptr);
  }
  if (sheet_.view() == this) sheet_.setView(nullptr);
}

void SheetDialog::chooseTab(int index) { tabs_->setCurrentIndex(index); }

void SheetDialog::titleChanged() {
  setWindowTitle(toQt(sheet_.title()));
  title_->setText(toQt(sheet_.title()));
  for (int i = 0; i < sheet_.pageCount() && i < tabs_->count(); ++i) {
    tabs_->setTabText(i, literalCaption(toQt(sheet_.tabCaption(i))));
  }
}

void SheetDialog::activePageChanged() {
  showActiveTab();
  refreshKeys();
  // The page opens (and may make its menu bar) after this notice; look again then.
  QTimer::singleShot(0, this, [this] { refreshKeys(); });
}

void SheetDialog::modalEnded() { endRun(); }

void SheetDialog::tabChosen(int index) {
  if (index != sheet_.activeIndex()) sheet_.setActivePage(index);
  if (tabs_->currentIndex() != sheet_.activeIndex()) showActiveTab();
  refreshKeys();
}

void SheetDialog::showActiveTab() {
  const int active = sheet_.activeIndex();
  if (active < 0 || active >= tabs_->count() || tabs_->currentIndex() == active) return;
  const QSignalBlocker blocker(tabs_);
  tabs_->setCurrentIndex(active);
}

void SheetDialog::refreshKeys() {
  Form* page = sheet_.activePage();
  const bool menu = page && page->hasMenuBar();
  const bool back = page && page->hasBack();
  save_->setVisible(menu);
  options_->setVisible(menu);
  print_->setVisible(menu);
  back_->setVisible(back);
  softKeys_->setVisible(menu || back);
}

}  // namespace quillion::platform::qt
