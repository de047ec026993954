// The "Formulas" tab of the enteral tools: every value of one formula, edited in place.
// Stock formulas are read-only unless "Allow editing of Manufacturer Formulas" is ticked.
// Edits change the shared list at once and are written when the tab is left or the sheet
// closes, after the question "Save changes to formulas?".
#pragma once

#include "enteral/formula_record.h"
#include "platform/window.h"

namespace quillion::enteral {

class CEnteralFormulasPP : public platform::Form {
 public:
  explicit CEnteralFormulasPP(FormulaKind kind = FormulaKind::Adult);

  void onClose(platform::CloseReason reason) override;

 protected:
  void onInit() override;
  void onShown() override;
  void onHidden() override;
  void onNotify(const platform::Notification& n) override;

 private:
  void fillValues();
  void openEditor(int row);
  void closeEditor();
  void askToSave();

  FormulaKind kind_;
  int editedRow_ = -1;
  bool userChanged_ = false;
  bool stockChanged_ = false;
};

class CEnteralPedsFormulasPP : public CEnteralFormulasPP {
 public:
  CEnteralPedsFormulasPP() : CEnteralFormulasPP(FormulaKind::Pediatric) {}
};

}  // namespace quillion::enteral
