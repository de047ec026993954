// The widgets of one form: its controls in a grid by their table rows and columns,
// inside a scroll area so that tall forms scroll. It is the form's view while shown.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QWidget>

#include "platform/qt/control_bindings.h"
#include "platform/window.h"

class QButtonGroup;
class QGridLayout;
class QScrollArea;
class QVBoxLayout;

namespace quillion::platform::qt {

class FormView : public QWidget, public WindowView {
 public:
  explicit FormView(Form& form, QWidget* parent = nullptr);
  ~FormView() override;

  Form& form() const { return form_; }
  ControlBinding* binding(const Control& control);
  // The controls of the radio group the control belongs to: from the nearest control
  // at or before it that starts a group, up to the next one that starts a group.
  std::vector<Control*> radioGroupOf(const Control& control) const;

  // Gives the focus to the control the form asked for before it had a view.
  void applyPendingFocus();
  // With nothing focused by the page, the first text box or list takes the keyboard, as
  // the first tab stop of a dialog does.
  void focusFirstInput();

  void controlChanged(const Control& control) override;
  void focusRequested(const Control& control) override;
  void titleChanged() override;
  void modalEnded() override;

  // Set by the window that holds the view.
  std::function<void()> onTitleChanged;
  std::function<void()> onModalEnded;
  std::function<void()> onModelTouched;  // after every change and every user action

  // Called by the bindings after a user's action has reached the form.
  void userActionDone();
  // Whether the content fits the width it is shown in, nothing to scroll sideways.
  bool fitsWidth() const;

 private:
  void addNewControls();
  void layOut(std::size_t first);
  void updateStretch();
  void updateTabOrder();

  Form& form_;
  QScrollArea* scroll_;
  QWidget* content_;
  QVBoxLayout* column_;
  QGridLayout* grid_;
  std::vector<std::unique_ptr<ControlBinding>> bindings_;  // in the form's control order
  std::unordered_map<const Control*, ControlBinding*> byControl_;
  std::map<const Control*, QButtonGroup*> radioGroups_;  // by the group's first button
};

}  // namespace quillion::platform::qt
