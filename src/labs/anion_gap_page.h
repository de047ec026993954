// The anion gap page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CAnionGapPage : public framework::CalculatorPage {
 public:
  CAnionGapPage();

 protected:
  void calculate() override;
  std::string reportTitle() const override { return "  Anion Gap Calculations "; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Cancel;
  }

 private:
  double sodium_ = 0;
  double potassium_ = 0;
  double chloride_ = 0;
  double bicarbonate_ = 0;
  double gap_ = 0;
  std::string gapText_;
};

}  // namespace quillion::labs
