// The "Database" tab of the enteral tools: create, copy, rename and delete user formulas.
// Each operation writes the user file at once; when it cannot be written the list is left
// as it was and the user is told so.
#pragma once

#include "enteral/formula_record.h"
#include "platform/window.h"

namespace quillion::enteral {

class CEnteralDatabasePP : public platform::Form {
 public:
  explicit CEnteralDatabasePP(FormulaKind kind = FormulaKind::Adult);

 protected:
  void onShown() override;
  void onNotify(const platform::Notification& n) override;

 private:
  void fillList(int selectRecord = -1);
  void updateButtons();
  bool mayChange(int index) const;
  void onCreate();
  void onCopy();
  void onRename();
  void onDelete();

  FormulaKind kind_;
};

class CEnteralPedsDatabasePP : public CEnteralDatabasePP {
 public:
  CEnteralPedsDatabasePP() : CEnteralDatabasePP(FormulaKind::Pediatric) {}
};

}  // namespace quillion::enteral
