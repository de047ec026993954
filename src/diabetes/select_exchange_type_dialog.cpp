#include "diabetes/select_exchange_type_dialog.h"

#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::diabetes {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    reportList("types", 0, 0).span(2).with(platform::kStretch).named("Exchange types"),
    edit("value", 1, 0).span(2).with(platform::kFocusNotice).named("Value"),
    button("ok", "OK", 2, 0),
    button("cancel", "Cancel", 2, 1),
};

constexpr const char* kValueFormat = "%.1lf";

// The four number columns, after the name.
constexpr int kFirstValueColumn = 1;
constexpr int kLastValueColumn = 4;

struct KindTexts {
  const char* title;
  const char* column;
  const char* pleaseSelect;
};

KindTexts textsFor(ExchangeTypeKind kind) {
  if (kind == ExchangeTypeKind::Milk) {
    return {"Select Milk Type", "Milk Type", "Please select a Milk Type, or Cancel"};
  }
  return {"Select Meat Type", "Meat Type", "Please select a Meat Type, or Cancel"};
}

double& valueAt(ExchangeType& type, int column) {
  switch (column) {
    case 1: return type.carbohydrate;
    case 2: return type.protein;
    case 3: return type.fat;
    default: return type.kcal;
  }
}

double valueOf(const ExchangeType& type, int column) {
  ExchangeType copy = type;
  return valueAt(copy, column);
}

}  // namespace

std::optional<int> chooseExchangeType(ExchangeTypeKind kind, int current) {
  SelectExchangeTypeDialog dialog(kind, current);
  if (dialog.runModal() != platform::kResultOk) return std::nullopt;
  return dialog.row();
}

SelectExchangeTypeDialog::SelectExchangeTypeDialog(ExchangeTypeKind kind, int row)
    : Dialog(textsFor(kind).title, kControls), kind_(kind), row_(row) {}

void SelectExchangeTypeDialog::onInit() {
  const KindTexts texts = textsFor(kind_);
  platform::Control& list = control("types");
  using platform::ColumnAlign;
  list.setColumns({{texts.column, 80, ColumnAlign::Left},
                   {"CHO", 35, ColumnAlign::Right},
                   {"PRO", 35, ColumnAlign::Right},
                   {"Fat", 35, ColumnAlign::Right},
                   {"Calories", 45, ColumnAlign::Right},
                   {texts.column, 180, ColumnAlign::Left}});
  for (int row = 0; row < kExchangeTypeCount; ++row) {
    list.insertRow(row, "");
    showRow(row);
  }
  control("value").setVisible(false);
  list.setSelected(row_);
  list.ensureVisible(row_);
}

void SelectExchangeTypeDialog::showRow(int row) {
  const ExchangeType& type = exchangeTypes(kind_)[static_cast<std::size_t>(row)];
  platform::Control& list = control("types");
  const std::string name(type.name);
  list.setCell(row, 0, name);
  const bool separator = row == kSeparatorRow;
  for (int column = kFirstValueColumn; column <= kLastValueColumn; ++column) {
    list.setCell(row, column, separator ? std::string()
                                        : framework::formatValue(kValueFormat, valueOf(type, column)));
  }
  list.setCell(row, 5, separator ? std::string() : name);
}

void SelectExchangeTypeDialog::openEditor(int column) {
  ExchangeType& user = exchangeTypes(kind_)[kUserDefinedRow];
  editedColumn_ = column;
  platform::Control& value = control("value");
  value.setText(framework::formatValue(kValueFormat, valueAt(user, column)));
  value.setVisible(true);
  focus("value");
}

void SelectExchangeTypeDialog::closeEditor() {
  if (editedColumn_ < 0) return;
  const int column = editedColumn_;
  editedColumn_ = -1;
  platform::Control& value = control("value");
  value.setVisible(false);
  // The shared table takes the value at once: it holds even if the dialog is cancelled.
  double typed = 0;
  if (framework::parseNumberBox(value.text(), typed)) {
    valueAt(exchangeTypes(kind_)[kUserDefinedRow], column) = typed;
  } else {
    platform::currentPlatform().messageBox(framework::kEnterNumber, framework::kAppName,
                                           platform::MessageIcon::Warning);
  }
  showRow(kUserDefinedRow);
}

void SelectExchangeTypeDialog::onDialogEvent(const platform::Notification& n) {
  using platform::Event;
  if (n.id == "value" && n.event == Event::FocusLost) {
    closeEditor();
  } else if (n.id == "types" && n.event == Event::HeaderTap) {
    closeEditor();
  } else if (n.id == "types" && n.event == Event::CellTap) {
    closeEditor();
    if (n.row == kUserDefinedRow && n.column >= kFirstValueColumn && n.column <= kLastValueColumn) {
      openEditor(n.column);
    }
  } else if (n.id == "types" && n.event == Event::CellDoubleTap) {
    closeEditor();
    requestOk();
  }
}

bool SelectExchangeTypeDialog::onOk() {
  closeEditor();
  const int selected = control("types").selected();
  if (!choosableRow(selected)) {
    platform::currentPlatform().messageBox(textsFor(kind_).pleaseSelect, framework::kAppName,
                                           platform::MessageIcon::Information);
    return false;
  }
  row_ = selected;
  return true;
}

void SelectExchangeTypeDialog::requestCancel() {
  closeEditor();
  Dialog::requestCancel();
}

}  // namespace quillion::diabetes
