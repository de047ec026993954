// The pediatric enteral calculator ("Data Entry"): a formula, its dilution, the weight and
// either the volume (a total or a rate) or the energy give the energy, volume, servings,
// macronutrients, osmolality, water, vitamins and minerals delivered.
#pragma once

#include <string>

#include "enteral/enteral_calculator_page.h"

namespace quillion::enteral {

class CEnteralPedsDataPP : public EnteralCalculatorPage {
 public:
  CEnteralPedsDataPP();

 protected:
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override { return " Enteral Pediatric"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;

 private:
  double kcal_ = 1000.0;
  double weight_ = 100.0;
  int weightUnit_ = 1;  // 0 kg, 1 lbs, 2 g
  double volumeInput_ = 2400.0;
  double hoursInput_ = 24.0;
  double hours_ = 24.0;
  double totalVolume_ = 1000.0;
  int dilutionChoice_ = 0;  // not kept: "Full strength" at every start
  std::string volumeText_;
  std::string kcalText_;
};

}  // namespace quillion::enteral
