// The anemia lab values page: MCV, MCHC and transferrin saturation.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::labs {

class CAnemiaLabValuesPage : public framework::CalculatorPage {
 public:
  CAnemiaLabValuesPage();

 protected:
  void calculate() override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  double redCells_ = 1.0;
  double hematocritForMcv_ = 0;
  double hematocrit_ = 0;
  double hemoglobin_ = 1.0;
  double ironBindingCapacity_ = 1.0;
  double serumIron_ = 0;
  std::string mcvText_;
  std::string mchcText_;
  std::string transferrinText_;
};

}  // namespace quillion::labs
