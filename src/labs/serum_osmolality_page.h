// The serum osmolality page.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CSerumOsmolalityPage : public framework::CalculatorPage {
 public:
  CSerumOsmolalityPage();

 protected:
  void calculate() override;
  std::string reportTitle() const override { return " Serum Osmolarity"; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Cancel;
  }

 private:
  double sodium_ = 0;
  double potassium_ = 0;
  double bun_ = 0;
  double glucose_ = 0;
  std::string resultText_;
};

}  // namespace quillion::labs
