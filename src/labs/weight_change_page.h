// The percentage weight change page.
#pragma once

#include <array>
#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CPercentWeightChangePage : public framework::CalculatorPage {
 public:
  CPercentWeightChangePage();

 protected:
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  static constexpr int kPeriods = 4;
  int unit_ = 1;  // "lbs"
  // Weights are never stored: every opening starts from zero.
  std::array<double, kPeriods> begin_{};
  std::array<double, kPeriods> end_{};
  std::array<std::string, kPeriods> percentText_;
  std::array<std::string, kPeriods> indicationText_;
};

}  // namespace quillion::labs
