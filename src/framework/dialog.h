// A modal dialog: a form whose "ok" and "cancel" buttons (and the platform's OK and
// Cancel) end it; onOk may keep it open.
#pragma once

#include "platform/window.h"

namespace quillion::framework {

class Dialog : public platform::Form {
 public:
  using Form::Form;

  // Runs the dialog modally; returns its result (platform::kResultOk, kResultCancel...).
  int runModal();

  void requestOk() override;

 protected:
  // Reads the controls and acts on OK; false keeps the dialog open.
  virtual bool onOk() { return true; }
  void onNotify(const platform::Notification& n) override;
  virtual void onDialogEvent(const platform::Notification& /*n*/) {}
};

}  // namespace quillion::framework
