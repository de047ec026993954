// The choice of the factors for the metabolically active weight, with a preview of the
// resulting weight. Its last choice and custom factors live in section "MAWFactor".
#pragma once

#include <optional>
#include <string>

#include "framework/dialog.h"

namespace quillion::adult {

struct MawFactors {
  double male = 0;
  double female = 0;
};

class MawFactorDialog : public framework::Dialog {
 public:
  MawFactorDialog(double heightCm, double weightKg, bool isMale, double amputationPercent,
                  int ibwMethod);

  // On OK the chosen pair; nothing on Cancel.
  std::optional<MawFactors> choose();

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  MawFactors chosenFactors() const;
  void showChoice();

  double heightCm_;
  double weightKg_;
  bool isMale_;
  double amputationPercent_;
  int ibwMethod_;
  int choice_ = 0;
  double customMale_ = 0.25;
  double customFemale_ = 0.25;
  std::string preview_;
};

}  // namespace quillion::adult
