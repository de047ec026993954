// The two choice dialogs of the parenteral wizard: the kind of mixture, then, for a
// 2-in-1 mixture, what the user will enter. Tapping a choice acts as "Next >"; "< Back"
// closes the dialog with the choice -1.
#pragma once

#include <span>

#include "framework/dialog.h"

namespace quillion::parenteral {

inline constexpr int kChoiceBack = -1;

class WizardChoiceDialog : public framework::Dialog {
 public:
  // The chosen index after "Next >" or a tap, kChoiceBack after "< Back".
  int choice() const { return choice_; }

  bool hasBack() const override { return true; }
  void onBack() override;

 protected:
  WizardChoiceDialog(std::span<const platform::ControlDef> controls);
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void readChoice();
  int choice_ = 0;
};

class MixtureChoiceDialog : public WizardChoiceDialog {
 public:
  MixtureChoiceDialog();
};

class TwoInOneEntryDialog : public WizardChoiceDialog {
 public:
  TwoInOneEntryDialog();
};

}  // namespace quillion::parenteral
