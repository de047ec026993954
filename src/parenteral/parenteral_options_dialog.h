// The parenteral "Options" dialog: the kcal per gram of lipid for the whole program, and
// whether the page's reviews are shown and their indicator flashes.
#pragma once

#include "framework/data_exchange.h"
#include "framework/dialog.h"

namespace quillion::parenteral {

inline constexpr const char* kLipidKcalOutOfRange =
    "Lipid KCals per gram must be a value between 8.5 and 10.5.\r\n\r\nPlease enter a new number.";

class ParenteralOptionsDialog : public framework::Dialog {
 public:
  ParenteralOptionsDialog(int showReviews, int flashes);

  int showReviews() const { return showReviews_; }
  int flashes() const { return flashes_; }

  // "OK" is the only way out.
  void requestCancel() override {}

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void enableFlashes();

  double kcalPerGram_;
  int showReviews_;
  int flashes_;
  framework::DataExchange exchange_;
};

}  // namespace quillion::parenteral
