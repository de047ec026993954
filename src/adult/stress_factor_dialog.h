// The choice of a row of the stress table, with in-place editing of the four values of
// its user-defined row 0. Edits go into the shared table at once, and survive Cancel.
#pragma once

#include <optional>

#include "framework/dialog.h"

namespace quillion::adult {

class StressFactorDialog : public framework::Dialog {
 public:
  explicit StressFactorDialog(int row);

  // On OK the chosen row; nothing on Cancel.
  std::optional<int> choose();

  void requestCancel() override;

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void fillUserRow();
  void beginEdit(int column);
  void endEdit();

  int row_;
  int editColumn_ = -1;  // the value column of row 0 being edited, -1 when none
};

}  // namespace quillion::adult
