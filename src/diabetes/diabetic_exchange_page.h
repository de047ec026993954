// The diabetic exchanges data entry page.
#pragma once

#include <string>

#include "diabetes/diabetic_exchanges.h"
#include "framework/calculator_page.h"

namespace quillion::diabetes {

class CDiabeticExchangeDataPage : public framework::CalculatorPage {
 public:
  CDiabeticExchangeDataPage();

 protected:
  void loadInputs(framework::SettingsStore& store) override;
  void calculate() override;
  std::string reportTitle() const override { return " Diabetic Meal Exchanges"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  std::string milkCaption() const;
  std::string meatCaption() const;

  DiabeticCounts counts_;
  int milkRow_ = 0;
  int meatRow_ = 0;
  std::string resultsText_;
};

}  // namespace quillion::diabetes
