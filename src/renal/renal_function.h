// Kidney function arithmetic: Cockcroft-Gault creatinine clearance, the fractional
// excretion of sodium and the renal failure index, and the weight units the renal pages
// read a weight in.
#pragma once

#include <array>
#include <string_view>

#include "adult/body_measures.h"

namespace quillion::renal {

// The weight units, unit codes and sex codes of the adult body measures.
inline constexpr double kPoundsToKilograms = adult::BodyMeasures::kPoundsToKg;
inline constexpr double kKilogramsToPounds = adult::BodyMeasures::kKgToPounds;
inline constexpr int kKilograms = adult::BodyMeasures::kKilograms;
inline constexpr int kPounds = adult::BodyMeasures::kPounds;
inline constexpr std::array<std::string_view, 2> kWeightUnitCaptions = {
    adult::BodyMeasures::kWeightUnitCaptions[0], adult::BodyMeasures::kWeightUnitCaptions[1]};
inline constexpr int kMale = adult::BodyMeasures::kMale;
inline constexpr int kFemale = adult::BodyMeasures::kFemale;
inline constexpr std::array<std::string_view, 2> kSexCaptions = {
    adult::BodyMeasures::kSexCaptions[0], adult::BodyMeasures::kSexCaptions[1]};

inline double toKilograms(double weight, int unit) {
  return adult::BodyMeasures::toKilograms(weight, unit);
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
