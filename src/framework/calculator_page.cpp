#include "framework/calculator_page.h"

#include "framework/report_saving.h"
#include "framework/save_options_dialog.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::framework {

using platform::Event;

CalculatorPage::CalculatorPage(std::string title, std::span<const platform::ControlDef> controls,
                               std::string section, MenuBar menuBar)
    : Form(std::move(title), controls),
      exchange_(*this),
      section_(std::move(section)),
      menuBar_(menuBar) {}

CalculatorPage::Input& CalculatorPage::Input::keep(std::string_view name) {
  page_.kept_.push_back({std::string(name), number_, integer_, 0});
  return *this;
}

CalculatorPage::Input& CalculatorPage::Input::keep(std::string_view name, int count) {
  page_.kept_.push_back({std::string(name), nullptr, integer_, count});
  return *this;
}

CalculatorPage::Input& CalculatorPage::Input::range(double minimum, double maximum) {
  page_.exchange_.range(id_, minimum, maximum);
  return *this;
}

CalculatorPage::Input& CalculatorPage::Input::positive() {
  page_.exchange_.positive(id_);
  return *this;
}

CalculatorPage::Input CalculatorPage::number(std::string_view id, double& member) {
  exchange_.number(id, member);
  return Input(*this, id, &member, nullptr);
}

CalculatorPage::Input CalculatorPage::integer(std::string_view id, int& member) {
  exchange_.integer(id, member);
  return Input(*this, id, nullptr, &member);
}

CalculatorPage::Input CalculatorPage::choice(std::string_view id, int& member) {
  exchange_.choice(id, member);
  return Input(*this, id, nullptr, &member);
}

CalculatorPage::Input CalculatorPage::radio(std::string_view firstId, int& member) {
  exchange_.radio(firstId, member);
  return Input(*this, firstId, nullptr, &member);
}

CalculatorPage::Input CalculatorPage::check(std::string_view id, int& member) {
  exchange_.check(id, member);
  return Input(*this, id, nullptr, &member);
}

CalculatorPage::Input CalculatorPage::stored(int& member) {
  return Input(*this, {}, nullptr, &member);
}

CalculatorPage::Input CalculatorPage::stored(double& member) {
  return Input(*this, {}, &member, nullptr);
}

void CalculatorPage::text(std::string_view id, std::string& member) { exchange_.text(id, member); }

void CalculatorPage::loadInputs(SettingsStore& store) {
  for (const KeptInput& input : kept_) {
    if (input.number) {
      *input.number = store.readNumber(section_, input.name, *input.number);
    } else if (input.count > 0) {
      *input.integer = store.readIndex(section_, input.name, *input.integer, input.count);
    } else {
      *input.integer = store.readInteger(section_, input.name, *input.integer);
    }
  }
}

void CalculatorPage::saveInputs(SettingsStore& store) {
  for (const KeptInput& input : kept_) {
    if (input.number) {
      store.writeNumber(section_, input.name, *input.number);
    } else {
      store.writeInteger(section_, input.name, *input.integer);
    }
  }
}

void CalculatorPage::onInit() {
  SettingsStore store;
  loadInputs(store);
  // Defaults shown in place of values that could not be read must not replace them.
  inputsUnread_ = store.readsFailed();
  prepareControls();
  dirty_ = false;
  ready_ = true;
  updateData(false);
  compute();
}

bool CalculatorPage::updateData(bool fromControls) {
  if (fromControls) return exchange_.fromControls();
  exchange_.toControls();
  return true;
}

void CalculatorPage::compute() {
  if (!ready_) return;
  updateData(true);
  calculate();
  updateData(false);
  dirty_ = true;
}

void CalculatorPage::onNotify(const platform::Notification& n) {
  if (n.event == Event::Changed && (exchange_.numberFor(n.id) || exchange_.integerFor(n.id))) {
    numberEdited();
  } else if (n.event == Event::Spin) {
    spinPressed(n.id, n.step);
  } else {
    onPageEvent(n);
  }
}

void CalculatorPage::numberEdited() {
  // Exact comparisons: retyping 24 as 24.0 does not recompute. Another box whose number
  // could not be read before (a typing error further up) counts once it reads.
  bool changed = false;
  exchange_.fromControls(&changed);
  if (changed) compute();
}

void CalculatorPage::spinPressed(std::string_view spinId, int step) {
  const platform::Control* spin = find(spinId);
  if (!spin) return;
  if (int* whole = exchange_.integerFor(spin->def().buddy)) {
    *whole += step > 0 ? 1 : -1;
  } else if (double* member = exchange_.numberFor(spin->def().buddy)) {
    *member += step > 0 ? 1.0 : -1.0;
  } else {
    return;
  }
  updateData(false);
  compute();
}

void CalculatorPage::onSave() {
  if (!dirty_) {
    platform::currentPlatform().messageBox(kNothingChanged, kAppName,
                                           platform::MessageIcon::Information);
    return;
  }
  // A report holds what the boxes show: a box that cannot be read stops it, and numbers
  // read now for the first time are computed with before they are reported.
  bool changed = false;
  if (!exchange_.fromControls(&changed)) return;
  if (changed) compute();
  // A report that did not reach the file leaves the page unsaved, so it can be retried.
  if (saveReport(reportTitle(), [this](ResultLog& log) { writeReportLines(log); })) {
    dirty_ = false;
  }
}

std::optional<std::string> CalculatorPage::printableReport() {
  // What "Save" would write, from what the boxes show, without the header file or comment.
  bool changed = false;
  if (!exchange_.fromControls(&changed)) return std::nullopt;
  if (changed) compute();
  ResultLog report;
  report.collect();
  report.writeTitle(reportTitle());
  writeReportLines(report);
  report.writeBlank();
  return report.report();
}

void CalculatorPage::onOptions() {
  SaveOptionsDialog dialog;
  dialog.runModal();
  afterOptions();
}

void CalculatorPage::onClose(platform::CloseReason reason) {
  if (!savesOn(reason) || inputsUnread_) return;
  // A box that cannot be read (its message is shown) keeps the stored inputs as they were.
  if (!updateData(true)) return;
  SettingsStore store;
  saveInputs(store);
}

}  // namespace quillion::framework
