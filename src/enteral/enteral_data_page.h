// The adult enteral calculator ("Data Entry"): a formula, the client's weight and either
// the volume (a total or a rate) or the energy to deliver give the day's energy, volume,
// servings, macronutrients, water, fibre, osmolality and minerals.
#pragma once

#include <string>

#include "enteral/formula_record.h"
#include "framework/calculator_page.h"

namespace quillion::enteral {

class CEnteralDataPP : public framework::CalculatorPage {
 public:
  CEnteralDataPP();
  ~CEnteralDataPP() override;

 protected:
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override { return " Enteral"; }
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  void onShown() override;
  void onHidden() override;
  bool savesOn(platform::CloseReason) const override { return true; }

 private:
  void takeSelectedFormula();
  void applyEnergyMode();

  double kcal_ = 1000.0;
  double weight_ = 100.0;
  int weightUnit_ = 1;  // lbs
  double volumeInput_ = 2400.0;
  double hoursInput_ = 24.0;
  int energyMode_ = 0;
  int volumeMode_ = 0;  // 0 total ("mL", "over"), 1 rate ("mL/hr", "for")
  int timeUnit_ = 0;    // 0 "hrs", 1 "days"
  double hours_ = 24.0;
  double totalVolume_ = 1000.0;
  int formulaPosition_ = 1;
  std::string volumeText_;
  std::string kcalText_;
  FormulaRecord current_{FormulaKind::Adult};
  bool started_ = false;
};

}  // namespace quillion::enteral
