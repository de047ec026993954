// A custom activity-factor range, with a list of common activities and their factors.
#pragma once

#include <optional>

#include "adult/factor_tables.h"
#include "framework/dialog.h"

namespace quillion::adult {

class CustomActivityDialog : public framework::Dialog {
 public:
  explicit CustomActivityDialog(ActivityRange range);

  // On OK the range, minimum first; nothing on Cancel.
  std::optional<ActivityRange> choose();

 protected:
  void onInit() override;
  bool onOk() override;

 private:
  double minimum_;
  double maximum_;
};

}  // namespace quillion::adult
