// Gestational age correction: a term of gestation below 40 weeks takes the missing weeks
// off the postnatal age (a year of 52 weeks), shown in four units. The dialog is opened
// from the infant page's gestational age button.
#pragma once

#include <string>
#include <string_view>

#include "framework/dialog.h"
#include "pediatrics/pediatric_needs.h"

namespace quillion::pediatrics {

inline constexpr double kTermWeeks = 40;

// The adjusted age in years: the postnatal age in years less (40 - term) / 52.
double adjustedAgeYears(double termWeeks, double postnatalAge, int ageUnit);
// "Gestation Adjusted Age is ..." in the age unit first, then in the other three.
std::string adjustedAgeText(double termWeeks, double postnatalAge, int ageUnit);

// A number field of this dialog reads leniently: blanks around a decimal number, and any
// other text reads as 0, with no message.
double readLeniently(std::string_view text);

class GestationalAgeDialog : public framework::Dialog {
 public:
  GestationalAgeDialog(double termWeeks, double postnatalAge, int ageUnit, bool useAdjusted);

  double termWeeks() const { return term_; }
  bool useAdjusted() const { return useAdjusted_; }

 protected:
  void onInit() override;
  bool onOk() override;
  void onDialogEvent(const platform::Notification& n) override;

 private:
  void showNumber(std::string_view id, double value);
  void numberEdited(std::string_view id, double& member);
  void recompute();

  double term_;
  double age_;
  int unit_;
  bool useAdjusted_;
};

}  // namespace quillion::pediatrics
