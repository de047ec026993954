// The unit conversions page: one value in one unit, shown in every unit of its kind.
#pragma once

#include "framework/calculator_page.h"

namespace quillion::conversions {

class CConversionsPage : public framework::CalculatorPage {
 public:
  CConversionsPage();

 protected:
  void loadInputs(framework::SettingsStore& store) override;
  void calculate() override;
  void prepareControls() override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  void fillUnits();

  int category_ = 1;  // "Chloride"
  int fromUnit_ = 1;
  double value_ = 1.0;
};

}  // namespace quillion::conversions
