// The measurement inputs and derived values that the Harris-Benedict, Mifflin-St.Jeor and
// kcal-per-kg pages share: age, sex, height and weight in either unit, the desirable
// weight, the metabolically active weight with its check box, BMI, and the client line.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "framework/calculator_page.h"

namespace quillion::adult {

// What one recompute derives from the measurements.
struct AdultMeasures {
  double heightCm = 0;
  double weightKg = 0;
  double dbwKg = 0;
  bool adjusted = false;  // the weight is above 125 % of the desirable weight
  double adjustedKg = 0;
  double weightUsed = 0;
  double bmi = 0;
  std::string_view bmiClass;
  std::string heightText;
  std::string weightText;
  std::string mawCaption;
  // The desirable weight in pounds and kilograms, each with its range of +/- 10 %, and
  // the actual weight as a percentage of it.
  double dbwLbs = 0;
  double dbwLbsLow = 0;
  double dbwLbsHigh = 0;
  double dbwKgLow = 0;
  double dbwKgHigh = 0;
  double percentOfDbw = 0;
};

// The page's controls must include "age", "sex", "height", "heightUnit", "heightText",
// "weight", "weightUnit", "weightText" and the check box "maw".
class CAdultMeasuresPage : public framework::CalculatorPage {
 protected:
  CAdultMeasuresPage(std::string title, std::span<const platform::ControlDef> controls,
                     std::string section);

  // Declares the shared inputs, in the order of the form; pages call it first.
  void declareMeasures();

  void loadInputs(framework::SettingsStore& store) override;
  void afterOptions() override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Close;
  }
  void onPageEvent(const platform::Notification& n) override;
  // After the sex button flipped the sex, before the page recomputes.
  virtual void sexChanged() { compute(); }

  // Recomputes the shared values and shows the toggle captions, the height and weight
  // texts and the check box.
  void calculateMeasures();
  // "Client : ..." in one line, or three when the weight is adjusted.
  std::string clientLine() const;
  bool isMale() const { return sex_ == 0; }

  double age_ = 35.0;
  int sex_ = 0;
  double height_ = 72.0;
  int heightUnit_ = 1;  // cm
  double weight_ = 220.0;
  int weightUnit_ = 1;  // lbs
  double amputationPercent_ = 0.0;
  int mawInUse_ = 0;
  double mawMaleFactor_ = 0.0;
  double mawFemaleFactor_ = 0.0;
  int ibwMethod_ = 0;
  AdultMeasures measures_;

 private:
  void mawClicked();
};

// A results format with floating conversions and "%s" texts: each number takes the next
// value, then each "%s" the next text.
std::string formatResults(std::string_view format, std::initializer_list<double> values,
                          std::initializer_list<std::string_view> texts);

}  // namespace quillion::adult
