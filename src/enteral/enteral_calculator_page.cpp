#include "enteral/enteral_calculator_page.h"

#include "enteral/formula_database.h"
#include "enteral/formula_lists.h"

namespace quillion::enteral {

EnteralCalculatorPage::EnteralCalculatorPage(std::span<const platform::ControlDef> controls,
                                             std::string section, FormulaKind kind)
    : CalculatorPage("Data Entry", controls, std::move(section),
                     framework::MenuBar::SaveAndOptions),
      current_(kind),
      kind_(kind) {}

EnteralCalculatorPage::~EnteralCalculatorPage() { formulaDatabase(kind_).release(); }

void EnteralCalculatorPage::prepareFormulaList() {
  loadFormulaFiles(kind_);
  platform::Control& list = control("formula");
  fillFormulaList(list, formulaDatabase(kind_));
  const int count = static_cast<int>(list.items().size());
  if (formulaPosition_ < 0 || formulaPosition_ >= count) formulaPosition_ = count > 0 ? 0 : -1;
  list.setSelected(formulaPosition_);
}

void EnteralCalculatorPage::takeSelectedFormula() {
  FormulaDatabase& db = formulaDatabase(kind_);
  const int index = control("formula").selectedData();
  db.setCurrentIndex(index);
  current_ = db.valid(index) ? db.record(index) : FormulaRecord(kind_);
}

void EnteralCalculatorPage::applyEnergyMode() {
  const bool on = energyMode_ != 0;
  control("kcal").setVisible(on);
  control("kcalText").setVisible(!on);
  control("volume").setVisible(!on);
  control("volumeText").setVisible(on);
}

void EnteralCalculatorPage::onShown() {
  if (!started_) {
    started_ = true;
    return;
  }
  // Back from the other tabs: the list may have changed.
  FormulaDatabase& db = formulaDatabase(kind_);
  platform::Control& list = control("formula");
  fillFormulaList(list, db);
  list.setSelected(positionOfRecord(list, db.currentIndex()));
  formulaPosition_ = list.selected();
  takeSelectedFormula();
  compute();
}

void EnteralCalculatorPage::onHidden() {
  formulaDatabase(kind_).setCurrentIndex(control("formula").selectedData());
}

bool EnteralCalculatorPage::sharedEvent(const platform::Notification& n) {
  using platform::Event;
  if (n.event == Event::CloseUp && n.id == "formula") {
    takeSelectedFormula();
  } else if (n.event == Event::Clicked && n.id == "volumeUnit") {
    volumeMode_ = volumeMode_ == 0 ? 1 : 0;
  } else if (n.event == Event::Clicked && n.id == "hoursUnit") {
    timeUnit_ = 0;
  } else if (n.event == Event::Clicked && n.id == "energyMode") {
    updateData(true);
    applyEnergyMode();
  } else {
    return false;
  }
  compute();
  return true;
}

}  // namespace quillion::enteral
