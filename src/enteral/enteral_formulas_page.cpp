#include "enteral/enteral_formulas_page.h"

#include "enteral/formula_database.h"
#include "enteral/formula_editor_rows.h"
#include "enteral/formula_lists.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::enteral {
namespace {

using platform::ControlDef;
using platform::Event;
using namespace platform::controls;

constexpr int kParamWidth = 80;
constexpr int kValueWidth = 55;
constexpr int kUnitsWidth = 90;
constexpr int kValueColumn = 1;

constexpr ControlDef kControls[] = {
    dropDown("formula", 0, 0).named("Formula"),
    reportList("values", 1, 0).with(platform::kStretch).named("Formula values"),
    edit("valueEdit", 2, 0).with(platform::kFocusNotice).named("Value"),
    multiLine("details", 3, 0).with(platform::kReadOnly),
};

bool yes(std::string_view question) {
  return platform::currentPlatform().messageBox(question, framework::kAppName,
                                                platform::MessageIcon::Question,
                                                platform::MessageButtons::YesNo) ==
         platform::kAnswerYes;
}

}  // namespace

CEnteralFormulasPP::CEnteralFormulasPP(FormulaKind kind) : Form("Formulas", kControls), kind_(kind) {}

void CEnteralFormulasPP::onInit() {
  control("values").setColumns({{"Param", kParamWidth, platform::ColumnAlign::Left},
                                {"Value", kValueWidth, platform::ColumnAlign::Left},
                                {"Units", kUnitsWidth, platform::ColumnAlign::Left}});
  control("valueEdit").setVisible(false);
}

void CEnteralFormulasPP::onShown() {
  FormulaDatabase& db = formulaDatabase(kind_);
  platform::Control& list = control("formula");
  fillFormulaList(list, db);
  list.setSelected(positionOfRecord(list, db.currentIndex()));
  fillValues();
}

void CEnteralFormulasPP::onHidden() {
  closeEditor();
  askToSave();
}

void CEnteralFormulasPP::onClose(platform::CloseReason) {
  // Unsaved edits are offered for saving whichever way the sheet ends.
  closeEditor();
  askToSave();
}

void CEnteralFormulasPP::askToSave() {
  if (!userChanged_ && !stockChanged_) return;
  if (!yes("Save changes to formulas?")) return;
  FormulaDatabase& db = formulaDatabase(kind_);
  bool written = true;
  if (userChanged_) {
    if (db.saveUserPart() >= 0) {
      userChanged_ = false;
    } else {
      written = false;
    }
  }
  if (stockChanged_) {
    if (db.saveStockPart() >= 0) {
      stockChanged_ = false;
    } else {
      written = false;
    }
  }
  // What was not written stays changed, so the question comes back.
  if (!written) {
    platform::currentPlatform().messageBox(kNotWrittenMessage, framework::kAppName,
                                           platform::MessageIcon::Warning);
  }
}

void CEnteralFormulasPP::fillValues() {
  FormulaDatabase& db = formulaDatabase(kind_);
  platform::Control& values = control("values");
  values.deleteAllRows();
  const int index = db.currentIndex();
  const auto& rows = editorRows(kind_);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = values.insertRow(static_cast<int>(i), std::string(rows[i].param));
    if (db.valid(index)) values.setCell(row, kValueColumn, editorValueText(db.record(index), row));
    values.setCell(row, 2, std::string(rows[i].units));
  }
  control("details").setText(db.valid(index) ? editorDetails(db.record(index)) : std::string());
}

void CEnteralFormulasPP::openEditor(int row) {
  FormulaDatabase& db = formulaDatabase(kind_);
  const int index = db.currentIndex();
  if (!db.valid(index) || row < 0 || row >= control("values").rowCount()) return;
  if (db.isStock(index) && !allowStockEditing()) return;
  editedRow_ = row;
  platform::Control& edit = control("valueEdit");
  edit.setText(control("values").cell(row, kValueColumn));
  edit.setVisible(true);
  focus("valueEdit");
}

void CEnteralFormulasPP::closeEditor() {
  if (editedRow_ < 0) return;
  const int row = editedRow_;
  editedRow_ = -1;
  platform::Control& edit = control("valueEdit");
  edit.setVisible(false);
  FormulaDatabase& db = formulaDatabase(kind_);
  const int index = db.currentIndex();
  if (!db.valid(index)) return;
  FormulaRecord& formula = db.record(index);
  std::optional<UnitQuestion> question = storeEditorValue(formula, row, parseTypedValue(edit.text()));
  if (formula.isStock()) {
    stockChanged_ = true;
  } else {
    userChanged_ = true;
  }
  if (question && yes(question->text)) formula.setNumber(question->targetField, question->targetValue);
  fillValues();
}

void CEnteralFormulasPP::onNotify(const platform::Notification& n) {
  if (n.id == "formula" && n.event == Event::CloseUp) {
    closeEditor();
    formulaDatabase(kind_).setCurrentIndex(control("formula").selectedData());
    fillValues();
  } else if (n.id == "valueEdit" && n.event == Event::FocusLost) {
    closeEditor();
  } else if (n.id == "values" && n.event == Event::HeaderTap) {
    closeEditor();
  } else if (n.id == "values" && n.event == Event::CellTap) {
    closeEditor();
    if (n.column == kValueColumn) openEditor(n.row);
  }
}

}  // namespace quillion::enteral
