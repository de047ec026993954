// The choice of ideal-body-weight method, opened from the save options.
#pragma once

#include "framework/dialog.h"

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

}  // namespace quillion::adult
