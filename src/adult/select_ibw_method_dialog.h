// The choice of ideal-body-weight method, opened from the save options.
#pragma once

#include <optional>

#include "framework/dialog.h"
#include "framework/save_options_dialog.h"

namespace quillion::adult {

class SelectIbwMethodDialog : public framework::Dialog {
 public:
  explicit SelectIbwMethodDialog(int method);

  // The chosen method after OK (0 Standard, 1 Devine, 2 Robinson, 3 Miller).
  int method() const { return method_; }

 protected:
  void onInit() override;
  bool onOk() override;

 private:
  int method_;
};

// "IBW:Standard", "IBW:Devine", "IBW:Robinson" or "IBW:Miller"; any other method counts
// as the standard one.
const char* ibwButtonCaption(int method);

// Runs the dialog from the current method; on OK the chosen method (anything outside 0 to
// 3 counts as 0) with its button caption.
std::optional<framework::IbwChoice> chooseIbwMethod(int current);

}  // namespace quillion::adult
