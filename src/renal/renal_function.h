// Kidney function arithmetic: Cockcroft-Gault creatinine clearance, the fractional
// excretion of sodium and the renal failure index, and the weight units the renal pages
// read a weight in.
#pragma once

#include <array>
#include <string_view>

namespace quillion::renal {

// Pounds to kilograms and back: single-precision constants (0.45359237 and 2.2046226)
// widened to double on purpose; the weights the pages show depend on these exact doubles.
inline constexpr double kPoundsToKilograms = 0.45359236001968384;
inline constexpr double kKilogramsToPounds = 2.204622507095337;

// Weight unit codes as stored ("WtUnits"): 0 kg, 1 lbs; the unit button's captions.
inline constexpr int kKilograms = 0;
inline constexpr int kPounds = 1;
inline constexpr std::array<std::string_view, 2> kWeightUnitCaptions = {"kg", "lbs"};

// Sex codes as stored ("Sex"): 0 male, 1 female; the sex button's captions.
inline constexpr int kMale = 0;
inline constexpr int kFemale = 1;
inline constexpr std::array<std::string_view, 2> kSexCaptions = {"Male", "Female"};

constexpr double toKilograms(double weight, int unit) {
  return unit == kPounds ? weight * kPoundsToKilograms : weight;
}

// Cockcroft-Gault: (140 - age) x kg / (72 x serum creatinine in mg/dL), times 0.85 for a
// woman; the product over the product, in that order.
constexpr double creatinineClearance(double age, double kilograms, double serumCreatinine,
                                     int sex) {
  double clearance = (140 - age) * kilograms / (72 * serumCreatinine);
  if (sex == kFemale) clearance *= 0.85;
  return clearance;
}

// FENa (%) = (UNa x PCr) / (PNa x UCr) x 100.
constexpr double fractionalExcretionOfSodium(double serumSodium, double urineSodium,
                                             double serumCreatinine, double urineCreatinine) {
  return (urineSodium * serumCreatinine) / (serumSodium * urineCreatinine) * 100;
}

// RFI = UNa x PCr / UCr (not multiplied by 100).
constexpr double renalFailureIndex(double urineSodium, double serumCreatinine,
                                   double urineCreatinine) {
  return urineSodium * serumCreatinine / urineCreatinine;
}

}  // namespace quillion::renal
