// The top-level windows of a modal run: a dialog holding one form, and a tabbed sheet
// holding one form view per page with the handheld's title-bar OK and soft keys.
#pragma once

#include <vector>

#include <QDialog>

#include "platform/window.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace quillion::platform::qt {

class FormView;

class WindowDialog : public QDialog {
 public:
  WindowDialog(Window& window, QWidget* parent);

  // Makes the widgets the window's view (and its pages'), and undoes it.
  virtual void attach() = 0;
  virtual void detach() = 0;

  // The window's close control (and anything else that rejects the dialog).
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void endRun();

  Window& window_;
};

class FormDialog final : public WindowDialog {
 public:
  FormDialog(Form& form, QWidget* parent);
  void attach() override;
  void detach() override;

 private:
  Form& form_;
  FormView* view_;
  QLabel* title_ = nullptr;
};

class SheetDialog final : public WindowDialog, public WindowView {
 public:
  SheetDialog(Sheet& sheet, QWidget* parent);
  ~SheetDialog() override;
  void attach() override;
  void detach() override;

  // The script driver's tab choice, made on the tab widget.
  void chooseTab(int index);

  void controlChanged(const Control& /*control*/) override {}
  void focusRequested(const Control& /*control*/) override {}
  void titleChanged() override;
  void activePageChanged() override;
  void modalEnded() override;

 private:
  void tabChosen(int index);
  void refreshKeys();
  void showActiveTab();

  Sheet& sheet_;
  QLabel* title_;
  QPushButton* ok_;
  QTabWidget* tabs_;
  QWidget* softKeys_;
  QPushButton* back_;
  QPushButton* save_;
  QPushButton* options_;
  QPushButton* print_;
  std::vector<FormView*> pages_;
};

}  // namespace quillion::platform::qt
