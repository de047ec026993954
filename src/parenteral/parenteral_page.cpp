#include "parenteral/parenteral_page.h"

#include "framework/format.h"
#include "parenteral/parenteral_options_dialog.h"
#include "platform/platform.h"

namespace quillion::parenteral {

ParenteralPage::ParenteralPage(std::string title, std::span<const platform::ControlDef> controls,
                               std::uint32_t layout)
    : CalculatorPage(std::move(title), controls, kTpnSection, framework::MenuBar::SaveAndOptions),
      lipidKcalPerGram_(lipidKcalPerGram()),
      optionsText_(framework::formatValue(kOptionsLabelFormat, 9.0)),
      layout_(layout) {
  text("optionsLabel", optionsText_);
}

ParenteralPage::~ParenteralPage() { stopTimer(); }

void ParenteralPage::keepReviewSettings() {
  stored(reviews_.count).keep("Reviews");
  stored(reviews_.flashes).keep("RVF");
  stored(reviews_.enabled).keep("RVE");
}

void ParenteralPage::keepWeight() {
  number("weight", weight_).keep("WD");
  stored(weightUnit_).keep("WU", 3);
  unitButton("weightUnit", weightUnit_, ParenteralWeightUnit::kLabels);
}

void ParenteralPage::keepLipidKcalPerGram() { stored(lipidKcalPerGram_).keep("LKPG"); }

void ParenteralPage::loadInputs(framework::SettingsStore& store) {
  lipidKcalPerGram_ = lipidKcalPerGram();
  CalculatorPage::loadInputs(store);
  lipidKcalPerGram() = lipidKcalPerGram_;
}

void ParenteralPage::prepareControls() {
  results_.setUpTable(control("results"), layout_, !tableMade_);
  tableMade_ = true;
}

void ParenteralPage::onInit() {
  CalculatorPage::onInit();  // loads the inputs, makes the table, recalculates
  reviews_.table = &control("results");
  reviews_.enabled = 1;
  compute();
  platform::currentPlatform().setTimer(*this, kIndicatorTimer, kIndicatorMilliseconds);
  timerRunning_ = true;
}

void ParenteralPage::onShown() { tabsChanged(); }
void ParenteralPage::onHidden() { tabsChanged(); }

void ParenteralPage::tabsChanged() {
  // Making the review page's window switches tabs, which shows and hides this page again.
  if (switchingTabs_) return;
  if (sheet_ && sheet_->pageCount() > 1) {
    if (!reviews_.reviewPage) {
      switchingTabs_ = true;
      sheet_->setActivePage(1);
      sheet_->setActivePage(0);
      switchingTabs_ = false;
    }
    reviews_.reviewPage = dynamic_cast<ReviewPage*>(&sheet_->page(1));
    reviews_.sheet = sheet_;
  }
  compute();
}

void ParenteralPage::calculate() {
  for (const UnitButton& button : unitButtons_) {
    const int code = *button.code;
    const bool known = code >= 0 && static_cast<std::size_t>(code) < button.labels.size();
    control(button.id).setText(std::string(button.labels[known ? code : 0]));
  }
  setWordLabels();
  const double reviewVolume = solve();
  reviews_.build({results_.npcToN, results_.proteinGramsPerKg, results_.lipidPercentKcal,
                  results_.lipidGramsPerKg, reviewVolume, results_.osmolarityMix,
                  results_.choMgKgMin});
  results_.showValues();
  optionsText_ = framework::formatValue(kOptionsLabelFormat, lipidKcalPerGram());
}

void ParenteralPage::onPageEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (const platform::Control* box = find(n.id); box && box->kind() == platform::ControlKind::Check) {
    compute();
    return;
  }
  for (const UnitButton& button : unitButtons_) {
    if (button.id != n.id) continue;
    const int count = static_cast<int>(button.labels.size());
    *button.code = (*button.code + 1) % count;
    if (*button.code < 0) *button.code = 0;
    compute();
    return;
  }
}

std::string_view ParenteralPage::weightLabel() const {
  return unitLabel(ParenteralWeightUnit::kLabels, weightUnit_);
}

void ParenteralPage::writeReportLines(framework::ResultLog& log) {
  log.writeLine(framework::formatFields("Client : Weight = %.2lf %s", {weight_, weightLabel()}));
  writePageLines(log);
  log.writeRule('-');
  log.writeTable(results_.table, 2);
  log.writeBlank();
  log.writeLine(reviewText());
  log.writeBlank();
}

void ParenteralPage::onOptions() {
  ParenteralOptionsDialog dialog(reviews_.enabled, reviews_.flashes);
  dialog.runModal();
  reviews_.enabled = dialog.showReviews();
  reviews_.flashes = dialog.flashes();
  CalculatorPage::onOptions();  // the Save Options dialog
  compute();
}

void ParenteralPage::onTimer(int timerId) {
  if (timerId == kIndicatorTimer) reviews_.tick();
}

void ParenteralPage::stopTimer() {
  if (!timerRunning_) return;
  timerRunning_ = false;
  platform::currentPlatform().killTimer(*this, kIndicatorTimer);
}

void ParenteralPage::onBack() {
  goingBack_ = true;
  outcome_ = kOutcomeBack;
  // Closing the sheet reads the controls and writes the page's settings (onClose).
  if (sheet_) sheet_->requestClose();
}

void ParenteralPage::onClose(platform::CloseReason reason) {
  if (!goingBack_) outcome_ = kOutcomeClosed;
  lipidKcalPerGram_ = lipidKcalPerGram();
  CalculatorPage::onClose(reason);
  stopTimer();
}

}  // namespace quillion::parenteral
