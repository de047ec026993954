// A growth chart to look at: the 3rd to 97th percentile curves of one CDC 2000 chart for
// one sex, drawn from the same LMS rows the assessment reads, in the units the user works
// in, with the child's measurement marked (and, with gestational correction, the point at
// the chronological age joined to the corrected one).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pediatrics/growth_table.h"
#include "platform/control.h"

namespace quillion::pediatrics {

// One chart of a growth page as the chart tab draws it.
struct ChartSubject {
  std::string_view name;   // "Weight-for-age"
  int chart = 0;           // the page's chart (and table) index
  int sex = 0;             // 0 male, any other female
  double x = 0;            // the table's x: months, or length or stature in cm
  std::optional<double> chronologicalX;  // months, when the age is gestation-corrected
  double y = 0;            // the measurement in the table's unit
  std::string_view xTitle;  // "Age", "Length", "Stature"
  double xFactor = 1;      // the table's x into the user's unit
  std::string_view xUnit;   // "months", "years", "cm", "in"
  std::string_view yTitle;  // "Weight", "Length", "Stature", "Head circumference", "BMI"
  double yFactor = 1;
  std::string_view yUnit;   // "kg", "lbs", "g", "cm", "in", "kg/m^2"
};

inline constexpr std::string_view kOutsideTheChart = "Outside the chart's range";

// The measurement at a percentile's z on one LMS row: M(1 + L·S·z)^(1/L), or M·exp(S·z)
// when L is 0.
double lmsValue(double l, double m, double s, double z);

platform::ChartData growthChart(const GrowthTable& table, const ChartSubject& subject);

}  // namespace quillion::pediatrics
