// What the four parenteral calculator pages share: the "TPN" settings section, the
// results record and table, the reviews with their 500 ms indicator, unit buttons that
// step through their codes, "< Back", "Options", and the frame of the report.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/calculator_page.h"
#include "parenteral/review_list.h"
#include "parenteral/solution_results.h"

namespace quillion::parenteral {

// The word between a volume and its amount on the custom mix, by AmountUnit code.
inline constexpr std::string_view kAmountWords[] = {"of", "with", "with", "of", "of"};

// Codes of the mixture delivery: a volume over the time, or a rate for the time.
namespace DeliveryUnit {
inline constexpr int kMl = 0, kMlPerHour = 1;
inline constexpr std::string_view kLabels[] = {"mL", "mL/hr"};
inline constexpr std::string_view kWords[] = {"over", "for"};
}  // namespace DeliveryUnit
namespace TimeUnit {
inline constexpr int kHours = 0, kDays = 1;
inline constexpr std::string_view kLabels[] = {"hrs", "days"};
}  // namespace TimeUnit

inline constexpr const char* kTpnSection = "TPN";
inline constexpr const char* kOptionsLabelFormat = "Options: Lipids have %.1lf kcals per gram";
inline constexpr int kOutcomeClosed = 0;
inline constexpr int kOutcomeBack = -1;
inline constexpr int kIndicatorTimer = 1;
inline constexpr int kIndicatorMilliseconds = 500;

class ParenteralPage : public framework::CalculatorPage {
 public:
  ~ParenteralPage() override;

  // 0 when the sheet was closed normally, -1 after "< Back".
  int outcome() const { return outcome_; }
  // The sheet that shows this page as its first tab and the reviews as its second.
  void attachSheet(platform::Sheet* sheet) { sheet_ = sheet; }

  const SolutionResults& results() const { return results_; }

  bool hasBack() const override { return true; }
  void onBack() override;
  void onOptions() override;
  void onClose(platform::CloseReason reason) override;
  void onTimer(int timerId) override;

 protected:
  ParenteralPage(std::string title, std::span<const platform::ControlDef> controls,
                 std::uint32_t layout);

  // Declarations shared by every page, each placed where the page's key order puts it.
  void keepReviewSettings();  // "Reviews", "RVF", "RVE"
  void keepWeight();          // "WD", "WU"
  void keepLipidKcalPerGram();  // "LKPG"
  // A button showing the label of its code; a tap steps to the next code.
  template <std::size_t N>
  void unitButton(std::string_view id, int& code, const std::string_view (&labels)[N]) {
    unitButtons_.push_back({id, &code, std::vector<std::string_view>(labels, labels + N)});
  }

  // The page's own arithmetic into results_; returns the total volume the reviews check.
  virtual double solve() = 0;
  virtual void writePageLines(framework::ResultLog& log) = 0;
  // After the captions of the unit buttons: the page's own word labels.
  virtual void setWordLabels() {}

  void calculate() override;
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason /*reason*/) const override { return true; }
  void prepareControls() override;
  void onInit() override;
  void onShown() override;
  void onHidden() override;
  void onPageEvent(const platform::Notification& n) override;
  void loadInputs(framework::SettingsStore& store) override;

  std::string_view weightLabel() const;

  SolutionResults results_;
  ReviewList reviews_;
  double weight_ = 100.0;
  int weightUnit_ = ParenteralWeightUnit::kLbs;
  double lipidKcalPerGram_ = 0;
  std::string optionsText_;

 private:
  struct UnitButton {
    std::string_view id;
    int* code;
    std::vector<std::string_view> labels;
  };

  void tabsChanged();
  void stopTimer();

  std::uint32_t layout_;
  std::vector<UnitButton> unitButtons_;
  platform::Sheet* sheet_ = nullptr;
  int outcome_ = kOutcomeClosed;
  bool goingBack_ = false;
  bool switchingTabs_ = false;
  bool timerRunning_ = false;
  bool tableMade_ = false;
};

}  // namespace quillion::parenteral
