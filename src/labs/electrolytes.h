// Serum electrolyte arithmetic: anion gap, calcium corrected for albumin, sodium
// corrected for glucose, and calculated serum osmolality.
#pragma once

namespace quillion::labs {

// The doubles nearest 1/18 and 1/2.8, multiplied in rather than divided by.
inline constexpr double kOneEighteenth = 0.05555555555555555;
inline constexpr double kOneOverTwoPointEight = 0.35714285714285715;

// (Na + K) - Cl - HCO3, in that order.
constexpr double anionGap(double sodium, double potassium, double chloride, double bicarbonate) {
  return (sodium + potassium) - chloride - bicarbonate;
}

// (4.0 - albumin) x 0.8 + calcium.
constexpr double adjustedCalcium(double calcium, double albumin) {
  return (4.0 - albumin) * 0.8 + calcium;
}

// Glucose (mg/dL) above this draws water out of cells and dilutes serum sodium.
inline constexpr double kSodiumCorrectionGlucoseBaseline = 100.0;

// Sodium (mEq/L) corrected for high glucose (mg/dL): 1.6 mEq/L for each 100 mg/dL of
// glucose above 100 mg/dL, sodium + 0.016 x (glucose - 100); at or below 100 mg/dL the
// sodium needs no correction.
constexpr double correctedSodium(double glucose, double sodium) {
  if (glucose <= kSodiumCorrectionGlucoseBaseline) return sodium;
  return sodium + 0.016 * (glucose - kSodiumCorrectionGlucoseBaseline);
}

// (Na + K) x 2 + glucose x 1/18 + BUN x 1/2.8, left to right.
constexpr double serumOsmolality(double sodium, double potassium, double bun, double glucose) {
  return (sodium + potassium) * 2 + glucose * kOneEighteenth + bun * kOneOverTwoPointEight;
}

}  // namespace quillion::labs
