// The creatinine clearance (Cockcroft-Gault) page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::renal {

class CCreatinineClearance : public framework::CalculatorPage {
 public:
  CCreatinineClearance();

 protected:
  void calculate() override;
  std::string reportTitle() const override { return " Creatinine Clearance"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  double age_ = 40;
  int sex_ = 0;  // male
  double weight_ = 135;
  int weightUnit_ = 1;  // lbs
  double serumCreatinine_ = 0;
  std::string weightText_;
  std::string resultText_;
};

}  // namespace quillion::renal
