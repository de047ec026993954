// The corrected calcium and sodium page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CCorrectedCaNaPage : public framework::CalculatorPage {
 public:
  CCorrectedCaNaPage();

 protected:
  void calculate() override;
  std::string reportTitle() const override { return " Corrected Calcium & Sodium"; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  double calcium_ = 0;
  double albumin_ = 0;
  double glucose_ = 0;
  double sodium_ = 0;
  std::string calciumText_;
  std::string sodiumText_;
};

}  // namespace quillion::labs
