// One binding per control: it makes the control's widget, keeps it in line with the
// model, turns what a person does into model updates and notifications, and performs
// the script driver's actions on the widget so that the same path runs.
#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "platform/control.h"
#include "platform/window.h"

class QButtonGroup;

namespace quillion::platform::qt {

class FormView;

class ControlBinding {
 public:
  ControlBinding(Control& control, FormView& view) : control_(control), view_(view) {}
  virtual ~ControlBinding() = default;
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  Control& control() const { return control_; }
  // What the form lays out.
  virtual QWidget* widget() const = 0;
  // What takes the keyboard focus (and its place in the tab order); null if nothing.
  virtual QWidget* focusWidget() const { return widget(); }

  // Brings the widget in line with the model; nothing is notified back.
  void update();
  virtual void focus();

  // A person's actions, done on the widget. False when the widget cannot take the
  // action as asked (it is disabled, say); the caller then acts on the model itself.
  virtual bool userType(const std::string& /*text*/) { return false; }
  virtual bool userClick() { return false; }
  virtual bool userChoose(int /*index*/) { return false; }
  virtual bool userDoubleTap(int /*index*/) { return false; }
  virtual bool userSpin(int /*step*/) { return false; }
  virtual bool userHeaderTap(int /*column*/) { return false; }
  virtual bool userCellTap(int /*row*/, int /*column*/, bool /*twice*/) { return false; }

 protected:
  virtual void refresh() = 0;
  // Passes a user's action to the form, as long as this view still shows it.
  void notify(const Notification& notification);
  std::string_view id() const { return control_.id(); }

  Control& control_;
  FormView& view_;
};

// The radio buttons of a group share one exclusive button group.
std::unique_ptr<ControlBinding> makeBinding(Control& control, FormView& view, QWidget* parent,
                                            QButtonGroup* radioGroup);

}  // namespace quillion::platform::qt
