#include "adult/stress_factor_dialog.h"

#include <string>

#include "adult/factor_tables.h"
#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using platform::Event;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("note", "SF = Stress Factor\rPF = Protein Factor", 0, 0),
    button("cancel", "Cancel", 0, 1),
    button("ok", "OK", 0, 2),
    reportList("stress", 1, 0).span(3).with(platform::kStretch).named("Stress factors"),
    edit("cellEdit", 2, 0).span(3),
};

constexpr const char* kValueFormat = "%.2lf";
constexpr int kNameWidth = 90;
constexpr int kValueWidth = 35;

double& userRowValue(int column) {
  StressRow& row = stressTable()[kUserDefinedStressRow];
  switch (column) {
    case 1: return row.stressMin;
    case 2: return row.stressMax;
    case 3: return row.proteinMin;
    default: return row.proteinMax;
  }
}

}  // namespace

StressFactorDialog::StressFactorDialog(int row) : Dialog("Enter Stress Factor", kControls), row_(row) {}

std::optional<int> StressFactorDialog::choose() {
  if (runModal() != platform::kResultOk) return std::nullopt;
  return row_;
}

void StressFactorDialog::onInit() {
  platform::Control& list = control("stress");
  list.setColumns({{"Stress", kNameWidth, platform::ColumnAlign::Left},
                   {"SFmin", kValueWidth, platform::ColumnAlign::Left},
                   {"SFmax", kValueWidth, platform::ColumnAlign::Left},
                   {"PFmin", kValueWidth, platform::ColumnAlign::Left},
                   {"PFmax", kValueWidth, platform::ColumnAlign::Left}});
  for (int r = 0; r < kStressRowCount; ++r) {
    const StressRow& row = stressTable()[static_cast<std::size_t>(r)];
    list.insertRow(r, std::string(row.name));
    list.setCell(r, 1, framework::formatValue(kValueFormat, row.stressMin));
    list.setCell(r, 2, framework::formatValue(kValueFormat, row.stressMax));
    list.setCell(r, 3, framework::formatValue(kValueFormat, row.proteinMin));
    list.setCell(r, 4, framework::formatValue(kValueFormat, row.proteinMax));
  }
  control("cellEdit").setVisible(false);
  if (row_ >= 0 && row_ < kStressRowCount) {
    list.setSelected(row_);
    list.ensureVisible(row_);
  }
}

void StressFactorDialog::fillUserRow() {
  platform::Control& list = control("stress");
  for (int column = 1; column <= 4; ++column) {
    list.setCell(kUserDefinedStressRow, column,
                 framework::formatValue(kValueFormat, userRowValue(column)));
  }
}

void StressFactorDialog::beginEdit(int column) {
  editColumn_ = column;
  platform::Control& edit = control("cellEdit");
  edit.setText(framework::formatValue(kValueFormat, userRowValue(column)));
  edit.setVisible(true);
  focus("cellEdit");
}

// The cell edit ends: its number (0 when it is not one) goes into row 0 of the table.
void StressFactorDialog::endEdit() {
  if (editColumn_ < 0) return;
  platform::Control& edit = control("cellEdit");
  double value = 0;
  if (!framework::parseNumberBox(edit.text(), value)) value = 0;
  userRowValue(editColumn_) = value;
  editColumn_ = -1;
  edit.setVisible(false);
  fillUserRow();
}

void StressFactorDialog::onDialogEvent(const platform::Notification& n) {
  if (n.id != "stress") return;
  switch (n.event) {
    case Event::CellTap:
      endEdit();
      if (n.row == kUserDefinedStressRow && n.column >= 1 && n.column <= 4) {
        control("stress").setSelected(kUserDefinedStressRow);
        beginEdit(n.column);
      }
      break;
    case Event::CellDoubleTap:
      requestOk();
      break;
    case Event::HeaderTap:
      endEdit();
      break;
    case Event::FocusLost:
      // The list gives the focus to the cell edit when an edit begins.
      if (focused() != "cellEdit") endEdit();
      break;
    default:
      break;
  }
}

bool StressFactorDialog::onOk() {
  endEdit();
  const int selected = control("stress").selected();
  if (selected < 0 || selected >= kStressRowCount) {
    platform::currentPlatform().messageBox("Please select a Stress, or Cancel",
                                           framework::kAppName,
                                           platform::MessageIcon::Information);
    return false;
  }
  row_ = selected;
  return true;
}

void StressFactorDialog::requestCancel() {
  endEdit();
  Dialog::requestCancel();
}

}  // namespace quillion::adult
