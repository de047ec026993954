#include "enteral/enteral_database_page.h"

#include "enteral/formula_database.h"
#include "enteral/formula_lists.h"
#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::enteral {
namespace {

using platform::ControlDef;
using platform::Event;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    heading("createGroup", "Create a New Formula", 0, 0).span(2),
    label("nameLabel", "Name:", 1, 0),
    edit("newName", 1, 1),
    button("create", "Create", 2, 1),
    heading("manageGroup", "Manage Existing Formula", 3, 0).span(2),
    check("userOnly", "Show only User formulas in this list", 4, 0).span(2),
    dropDown("formulas", 5, 0).span(2).named("Existing formula"),
    button("copy", "Copy Formula as:", 6, 0),
    edit("copyName", 6, 1).named("Name of the copy"),
    button("rename", "Rename Formula to:", 7, 0),
    edit("renameName", 7, 1).named("New name"),
    button("delete", "Delete Formula", 8, 0),
    check("allowStock", "Allow editing of Manufacturer Formulas", 9, 0).span(2),
};

constexpr const char* kEnterName = "Please enter a name in the Name edit box and try again.";
constexpr const char* kSelectFormula = "Please select a formula in the drop down list box";
constexpr const char* kCreated =
    "Formula created!\r\n\r\nHint: Select the 'Formulas' tab at the bottom of the screen to "
    "edit the parameters of the new formula.";
constexpr const char* kLowMemory =
    "Formula was not created; your PDA is running low on memory. Please close some running "
    "applications and try again.";

void tell(std::string_view text) {
  platform::currentPlatform().messageBox(text, framework::kAppName,
                                         platform::MessageIcon::Information);
}

void warn(std::string_view text) {
  platform::currentPlatform().messageBox(text, framework::kAppName,
                                         platform::MessageIcon::Warning);
}

bool yes(std::string_view question) {
  return platform::currentPlatform().messageBox(question, framework::kAppName,
                                                platform::MessageIcon::Question,
                                                platform::MessageButtons::YesNo) ==
         platform::kAnswerYes;
}

// The message for a create or copy that did not happen.
void tellNotAppended(AppendResult result) {
  switch (result) {
    case AppendResult::Appended: break;
    case AppendResult::OutOfMemory: tell(kLowMemory); break;
    case AppendResult::EmptyName: tell(kEnterName); break;
    case AppendResult::NotSaved: warn(kNotWrittenMessage); break;
    case AppendResult::NotWindows1252: warn(kNameNotStoredMessage); break;
  }
}

}  // namespace

CEnteralDatabasePP::CEnteralDatabasePP(FormulaKind kind) : Form("Database", kControls), kind_(kind) {}

void CEnteralDatabasePP::onShown() {
  control("allowStock").setChecked(allowStockEditing());
  fillList();
  updateButtons();
}

void CEnteralDatabasePP::fillList(int selectRecord) {
  platform::Control& list = control("formulas");
  fillFormulaList(list, formulaDatabase(kind_), control("userOnly").checked());
  const int position = positionOfRecord(list, selectRecord);
  list.setSelected(position >= 0 ? position : (list.items().empty() ? -1 : 0));
}

bool CEnteralDatabasePP::mayChange(int index) const {
  const FormulaDatabase& db = formulaDatabase(kind_);
  if (!db.valid(index)) return false;
  if (!db.isStock(index)) return true;
  // Stock formulas of the pediatric list are never renamed or deleted here.
  return kind_ == FormulaKind::Adult && allowStockEditing();
}

void CEnteralDatabasePP::updateButtons() {
  const int index = control("formulas").selectedData();
  const bool may = mayChange(index);
  control("delete").setEnabled(may);
  control("rename").setEnabled(may && !control("renameName").text().empty());
}

void CEnteralDatabasePP::onNotify(const platform::Notification& n) {
  if (n.event == Event::Changed) {
    updateButtons();
  } else if (n.event == Event::CloseUp && n.id == "formulas") {
    updateButtons();
  } else if (n.event == Event::Clicked) {
    if (n.id == "create") {
      onCreate();
    } else if (n.id == "copy") {
      onCopy();
    } else if (n.id == "rename") {
      onRename();
    } else if (n.id == "delete") {
      onDelete();
    } else if (n.id == "userOnly") {
      fillList();
    } else if (n.id == "allowStock") {
      allowStockEditing() = control("allowStock").checked();
    }
    updateButtons();
  }
}

void CEnteralDatabasePP::onCreate() {
  const std::string name = control("newName").text();
  if (name.empty()) {
    tell(kEnterName);
    return;
  }
  FormulaDatabase& db = formulaDatabase(kind_);
  const AppendResult result = db.appendRecord(name);
  if (result != AppendResult::Appended) {
    tellNotAppended(result);
    return;
  }
  fillList(db.count() - 1);
  tell(kCreated);
}

void CEnteralDatabasePP::onCopy() {
  const int index = control("formulas").selectedData();
  FormulaDatabase& db = formulaDatabase(kind_);
  if (!db.valid(index)) {
    tell(kSelectFormula);
    return;
  }
  const std::string name = control("copyName").text();
  if (name.empty()) {
    tell(kEnterName);
    return;
  }
  const AppendResult result = db.copyRecord(index, name);
  if (result != AppendResult::Appended) {
    tellNotAppended(result);
    return;
  }
  control("copyName").setText({});
  fillList(index);
  tell(kCreated);
}

void CEnteralDatabasePP::onRename() {
  const int index = control("formulas").selectedData();
  FormulaDatabase& db = formulaDatabase(kind_);
  if (!db.valid(index)) {
    tell(kSelectFormula);
    return;
  }
  const std::string name = control("renameName").text();
  if (name.empty()) {
    tell(kEnterName);
    return;
  }
  if (!mayChange(index)) return;
  if (!fitsWindows1252(name)) {
    warn(kNameNotStoredMessage);
    return;
  }
  if (!yes(framework::formatTexts("Rename formula '%s' to '%s'?", {db.record(index).name(), name}))) {
    return;
  }
  const bool saved = db.changeAndSaveUser([&](FormulaDatabase& list) {
    (void)list.record(index).setName(name);
  });
  if (!saved) {
    warn(kNotWrittenMessage);
    return;
  }
  control("renameName").setText({});
  fillList(index);
  tell("Formula renamed.");
}

void CEnteralDatabasePP::onDelete() {
  const int index = control("formulas").selectedData();
  FormulaDatabase& db = formulaDatabase(kind_);
  if (!db.valid(index)) {
    tell(kSelectFormula);
    return;
  }
  if (!mayChange(index)) return;
  if (!yes(framework::formatText("Are you sure you want to delete formula '%s'?",
                                 db.record(index).name()))) {
    return;
  }
  if (!db.changeAndSaveUser([&](FormulaDatabase& list) { list.removeRecord(index); })) {
    warn(kNotWrittenMessage);
    return;
  }
  fillList();
  tell("Formula deleted.");
}

}  // namespace quillion::enteral
