// The chart list of the growth pages: one row per chart with its percentile rank or
// status, the measurement at the chosen percentile in the user's unit, and the z-score.
// Tapping the third column's header steps the chosen percentile up, the fourth's down.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "pediatrics/growth_table.h"
#include "platform/control.h"

namespace quillion::pediatrics {

class GrowthChartList {
 public:
  // Sets up the list's four columns and one row per chart name.
  void build(platform::Control& list, std::span<const std::string_view> chartNames);

  int percentile() const { return percentile_; }
  // A header tap: true when the chosen percentile moved, and the page then recomputes.
  bool headerTapped(platform::Control& list, int column);

  // Shows a chart's assessment. The value at the chosen percentile is multiplied by
  // unitFactor and shown with unitLabel ("%.2lf" alone when the label is empty, as for
  // BMI); a rank or status of 0 to -10 leaves the "%" cell as it was.
  static void show(platform::Control& list, int row, const GrowthAssessment& assessment,
                   bool ageAxis, double unitFactor, std::string_view unitLabel);

 private:
  int percentile_ = 50;
};

}  // namespace quillion::pediatrics
