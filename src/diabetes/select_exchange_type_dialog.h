// "Select Milk Type" and "Select Meat Type": a list of exchange types whose "User
// Defined" row can be edited in place.
#pragma once

#include <optional>

#include "diabetes/diabetic_exchanges.h"
#include "framework/dialog.h"

namespace quillion::diabetes {

class SelectExchangeTypeDialog : public framework::Dialog {
 public:
  SelectExchangeTypeDialog(ExchangeTypeKind kind, int row);

  // The chosen row after OK.
  int row() const { return row_; }

  void requestCancel() override;

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void showRow(int row);
  void openEditor(int column);
  void closeEditor();

  ExchangeTypeKind kind_;
  int row_;
  int editedColumn_ = -1;  // the "User Defined" value being edited, or -1
};

// Runs the dialog from the current row; the chosen row after OK.
std::optional<int> chooseExchangeType(ExchangeTypeKind kind, int current);

}  // namespace quillion::diabetes
