// The adult enteral calculator ("Data Entry"): a formula, the client's weight and either
// the volume (a total or a rate) or the energy to deliver give the day's energy, volume,
// servings, macronutrients, water, fibre, osmolality and minerals.
#pragma once

#include <string>

#include "enteral/enteral_calculator_page.h"

namespace quillion::enteral {

class CEnteralDataPP : public EnteralCalculatorPage {
 public:
  CEnteralDataPP();

 protected:
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override { return " Enteral"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;

 private:
  double kcal_ = 1000.0;
  double weight_ = 100.0;
  int weightUnit_ = 1;  // lbs
  double volumeInput_ = 2400.0;
  double hoursInput_ = 24.0;
  double hours_ = 24.0;
  double totalVolume_ = 1000.0;
  std::string volumeText_;
  std::string kcalText_;
};

}  // namespace quillion::enteral
