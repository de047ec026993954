// The renal exchange meal planning page.
#pragma once

#include <string>

#include "framework/calculator_page.h"
#include "renal/renal_exchanges.h"

namespace quillion::renal {

class CRenalExchangesDataPage : public framework::CalculatorPage {
 public:
  CRenalExchangesDataPage();

 protected:
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override { return " Renal Exchanges"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onNotify(const platform::Notification& n) override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  bool potassiumLevels() const { return potassiumRestriction_ != 0; }
  void showPotassiumLevels();
  void showSingleExchange(int group);

  int dietType_ = 1;
  int potassiumRestriction_ = 0;
  ExchangeCounts counts_{};
  double weight_ = 100;
  int weightUnit_ = 1;  // lbs
  std::string weightText_;
  std::string resultsText_;
};

}  // namespace quillion::renal
