// The fractional excretion of sodium page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::renal {

class CFractionalExcretionOfSodiumPage : public framework::CalculatorPage {
 public:
  CFractionalExcretionOfSodiumPage();

 protected:
  void calculate() override;
  std::string reportTitle() const override { return " Fractional Excretion of Sodium"; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Cancel;
  }

 private:
  double serumSodium_ = 0;
  double urineSodium_ = 0;
  double serumCreatinine_ = 0;
  double urineCreatinine_ = 0;
  std::string resultText_;
};

}  // namespace quillion::renal
