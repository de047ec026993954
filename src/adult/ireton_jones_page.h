// The Ireton-Jones page: the energy expenditure of a hospitalised adult, breathing
// spontaneously or ventilator dependent, with the fluid range and a protein range.
#pragma once

#include <string>

#include "framework/calculator_page.h"

namespace quillion::adult {

class CIretonJonesPage : public framework::CalculatorPage {
 public:
  CIretonJonesPage();

 protected:
  void loadInputs(framework::SettingsStore& store) override;
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }

 private:
  bool ventilated() const { return breathing_ == 1; }

  int breathing_ = 0;  // 0 spontaneous, 1 ventilator dependent
  double age_ = 50.0;
  int sex_ = 0;
  double weight_ = 200.0;
  int weightUnit_ = 1;  // lbs
  int trauma_ = 0;
  int burn_ = 0;
  int obesity_ = 0;
  int proteinChoice_ = 3;
  double proteinMin_ = 0.0;
  double proteinMax_ = 0.0;
  int showProteinHint_ = 1;
  std::string eeeText_;
  std::string weightText_;
  std::string fluidText_;
  std::string proteinText_;
};

}  // namespace quillion::adult
