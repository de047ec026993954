// The total lymphocyte count page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CTotalLymphocyteCountPage : public framework::CalculatorPage {
 public:
  CTotalLymphocyteCountPage();

 protected:
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  double whiteCells_ = 0;
  double lymphocytes_ = 0;
  std::string resultText_;
};

}  // namespace quillion::labs
