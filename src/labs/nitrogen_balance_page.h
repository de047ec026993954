// The nitrogen balance page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CNitrogenBalancePage : public framework::CalculatorPage {
 public:
  CNitrogenBalancePage();

 protected:
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  double protein_ = 0;
  double proteinSpan_ = 24;
  double ureaNitrogen_ = 0;
  double ureaNitrogenSpan_ = 24;
  double intake_ = 0;
  double balance_ = 0;
  std::string balanceText_;
  std::string intakeText_;
};

}  // namespace quillion::labs
