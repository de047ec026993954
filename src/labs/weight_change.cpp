// Percentage weight change and its significance rating.
#include "labs/weight_change.h"

#include <cmath>

#include "framework/format.h"
#include "framework/strings.h"

namespace quillion::labs {

std::optional<double> percentWeightChange(double beginWeight, double endWeight) {
  if (!(beginWeight > kSmallestBeginWeight)) return std::nullopt;
  return (endWeight - beginWeight) * (100.0 / beginWeight);
}

WeightChangeIndication rateWeightChange(const WeightChangePeriod& period, double percentChange) {
  double size = std::fabs(percentChange);
  if (size <= period.noIndicationAtMost) return WeightChangeIndication::None;
  if (size < period.borderingBelow) return WeightChangeIndication::Bordering;
  if (size < period.significantBelow) return WeightChangeIndication::Significant;
  return WeightChangeIndication::Severe;
}

std::string_view indicationText(WeightChangeIndication indication) {
  switch (indication) {
    case WeightChangeIndication::Bordering:
      return framework::loadString(framework::kStringBordering);
    case WeightChangeIndication::Significant:
      return framework::loadString(framework::kStringSignificant);
    case WeightChangeIndication::Severe:
      return framework::loadString(framework::kStringSevere);
    case WeightChangeIndication::None:
      break;
  }
  return kNoIndicationText;
}

WeightChangeRowTexts weightChangeRowTexts(const WeightChangePeriod& period, double beginWeight,
                                          double endWeight) {
  std::optional<double> percent = percentWeightChange(beginWeight, endWeight);
  if (!percent) return {std::string(kUnknownPercentText), kNoIndicationText};
  return {framework::formatValue(kPercentChangeFormat, *percent),
          indicationText(rateWeightChange(period, *percent))};
}

}  // namespace quillion::labs
