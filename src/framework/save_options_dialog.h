// The Save Options dialog: where the log goes, append or overwrite, header, comment
// prompt, reviews, the IBW method, and whether to show these options before each report.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/dialog.h"

namespace quillion::framework {

// The ideal-body-weight method chosen from the dialog, with the caption its button takes.
struct IbwChoice {
  int method = 0;
  std::string caption;
};

// Asks the user for the method, starting from the current one; nothing on Cancel. The
// method dialog belongs to the adult tools, which hand it over when the program starts.
using IbwMethodChooser = std::function<std::optional<IbwChoice>(int current)>;
void setIbwMethodChooser(IbwMethodChooser chooser);

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
