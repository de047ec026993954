// Percentage weight change over the four standard periods, with the clinical
// significance of each change.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillion::labs {

// Weight units by position; the unit is a label only, no weight is converted.
inline constexpr std::array<std::string_view, 3> kWeightUnits = {"kg", "lbs", "g"};

// One period row. A change |p| at most noIndicationAtMost has no indication; below
// borderingBelow it is "Bordering"; below significantBelow "Significant"; else "Severe".
struct WeightChangePeriod {
  std::string_view name;
  std::string_view reportFormat;
  double noIndicationAtMost;
  double borderingBelow;
  double significantBelow;
};

// The report formats keep the two blanks after "Week" and the singular "Month".
inline constexpr std::array<WeightChangePeriod, 4> kWeightChangePeriods = {{
    {"1 Week", "1 Week  Begin = %.1lf --> End %.1lf", 1.5, 1.9, 2.05},
    {"1 Month", "1 Month Begin = %.1lf --> End %.1lf", 4.7, 5.0, 5.05},
    {"3 Months", "3 Month Begin = %.1lf --> End %.1lf", 7.3, 7.5, 7.55},
    {"6 Months", "6 Month Begin = %.1lf --> End %.1lf", 9.8, 10.0, 10.05},
}};

enum class WeightChangeIndication { None, Bordering, Significant, Severe };

// The indications are string resources 1045, 1047 and 1049; no indication is a blank.
inline constexpr std::string_view kNoIndicationText = " ";

// A begin weight at most this is too small to give a percentage.
inline constexpr double kSmallestBeginWeight = 0.01;

inline constexpr std::string_view kPercentChangeFormat = "%.1lf%%";
inline constexpr std::string_view kUnknownPercentText = "?";

// Report of the percentage weight change page. The row line holds two "%s".
inline constexpr std::string_view kWeightChangeReportTitle = " Percentage Weight Change";
inline constexpr std::string_view kWeightChangeReportUnitsFormat = "Units %s";
inline constexpr std::string_view kWeightChangeReportRowFormat =
    "Percent Change : %s \t Indication : %s";

// p = (end - begin) * (100 / begin) when begin is greater than 0.01, else no value.
std::optional<double> percentWeightChange(double beginWeight, double endWeight);

// Rates |percentChange| by the period's thresholds, tested in the order of the columns:
// the first test inclusive, the other two strict. Gains and losses rate alike.
WeightChangeIndication rateWeightChange(const WeightChangePeriod& period, double percentChange);

std::string_view indicationText(WeightChangeIndication indication);

// The row's two result texts: the percentage ("%.1lf%%", or "?" when the begin weight is
// too small) and its indication text (a single blank for none).
struct WeightChangeRowTexts {
  std::string percentText;
  std::string_view indicationText;
};

WeightChangeRowTexts weightChangeRowTexts(const WeightChangePeriod& period, double beginWeight,
                                          double endWeight);

}  // namespace quillion::labs
