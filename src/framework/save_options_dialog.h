// The Save Options dialog: where the log goes, append or overwrite, header, comment
// prompt, reviews, the IBW method, and whether to show these options before each report.
#pragma once

#include <string>

#include "framework/dialog.h"

namespace quillion::framework {

class SaveOptionsDialog : public Dialog {
 public:
  SaveOptionsDialog();

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void exchange(bool fromControls);
  void browse();
  void browseHeader();
  void selectIbwMethod();

  std::string shownName_;
  std::string headerFile_;
  int overwrite_ = 0;
  int includeHeader_ = 0;
  int promptComment_ = 0;
  int includeReviews_ = 0;
  int alwaysShow_ = 0;
  int ibwMethod_ = 0;
};

}  // namespace quillion::framework
