// What the adult and pediatric enteral calculators share: their formula list (loaded when
// the page starts, released with it, filled again when the page comes back from the
// other tabs), the chosen formula's copy, and the volume, time and energy-mode controls.
#pragma once

#include <span>
#include <string>

#include "enteral/formula_record.h"
#include "framework/calculator_page.h"

namespace quillion::enteral {

class EnteralCalculatorPage : public framework::CalculatorPage {
 protected:
  EnteralCalculatorPage(std::span<const platform::ControlDef> controls, std::string section,
                        FormulaKind kind);
  ~EnteralCalculatorPage() override;

  // Loads the formula files and fills the list; a stored position outside it falls back
  // to its first formula.
  void prepareFormulaList();
  void onShown() override;
  void onHidden() override;
  // The formula choice and the volume, hours and energy-mode taps; false for the others.
  bool sharedEvent(const platform::Notification& n);
  bool savesOn(platform::CloseReason) const override { return true; }

  int formulaPosition_ = 1;
  int energyMode_ = 0;
  int volumeMode_ = 0;  // 0 total ("mL", "over"), 1 rate ("mL/hr", "for")
  int timeUnit_ = 0;    // 0 "hrs", 1 "days"
  FormulaRecord current_;

  // Copies the chosen formula; shows the energy box or the volume box by the mode.
  void takeSelectedFormula();
  void applyEnergyMode();

 private:
  FormulaKind kind_;
  bool started_ = false;
};

}  // namespace quillion::enteral
