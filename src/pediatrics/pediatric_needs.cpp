#include "pediatrics/pediatric_needs.h"

#include <algorithm>
#include <cmath>

#include "adult/body_measures.h"
#include "framework/format.h"

namespace quillion::pediatrics {
namespace {

namespace bm = adult::BodyMeasures;

constexpr double kGramsToKg = 0.001;
constexpr double kKgToGrams = 1000;

// Fluids by weight: 100 ml/kg to 10 kg, 50 ml/kg more to 20 kg, then perKgAbove20.
double fluidsByWeight(double kg, double perKgAbove20) {
  if (kg < 10) return 100 * kg;
  if (kg < 20) return 1000 + 50 * (kg - 10);
  return 1500 + perKgAbove20 * (kg - 20);
}

}  // namespace

double ageInYears(double age, int ageUnit) { return ageUnit == kMonths ? age / 12 : age; }

std::string clientLine(int sex, double age, int ageUnit) {
  return framework::formatTexts(framework::formatValue("Client: %s %.0lf %s", age),
                                {kSexCaptions[sex != 0 ? 1 : 0], ageUnit == kMonths ? "months" : "yrs"});
}

Converted weightInKilograms(double weight, int weightUnit) {
  switch (weightUnit) {
    case kPounds: {
      const double kg = weight * bm::kPoundsToKg;
      return {kg, framework::formatValues("(%.2lf lbs = %.2lf kgs)", {kg * bm::kKgToPounds, kg})};
    }
    case kGrams: {
      const double kg = weight * kGramsToKg;
      return {kg,
              framework::formatValues("(%.2lf g = %.2lf lbs)", {kg * kKgToGrams, kg * bm::kKgToPounds})};
    }
    default:
      return {weight,
              framework::formatValues("(%.2lf kgs = %.2lf lbs)", {weight, weight * bm::kKgToPounds})};
  }
}

Converted lengthInCentimetres(double length, int lengthUnit) {
  if (lengthUnit == kInches) {
    const double cm = length * bm::kInchesToCm;
    return {cm, framework::formatValues("(%.2lf ins = %.2lf cm)", {cm * bm::kCmToInches, cm})};
  }
  return {length, framework::formatValues("(%.2lf cm = %.2lf ins)", {length, length * bm::kCmToInches})};
}

Converted temperatureInCelsius(double temperature, int temperatureUnit) {
  if (temperatureUnit == kFahrenheit) {
    const double c = (temperature - 32) * 5 / 9;
    return {c, framework::formatValues("(%.1lf F = %.1lf C)", {temperature, c})};
  }
  const double f = temperature * 9 / 5 + 32;
  return {temperature, framework::formatValues("(%.1lf C = %.1lf F)", {temperature, f})};
}

double perKilogramInUnit(int weightUnit) {
  if (weightUnit == kPounds) return bm::kKgToPounds;
  return weightUnit == kGrams ? kKgToGrams : 1;
}

double perCentimetreInUnit(int lengthUnit) { return lengthUnit == kInches ? bm::kCmToInches : 1; }

double infantRestingEnergy(double weightKg, bool female) {
  return female ? 61.0 * weightKg - 51 : 60.9 * weightKg - 54;
}

Intake infantIntake(double ageYears) {
  if (ageYears <= 0.5) return {108, 2.2};
  if (ageYears <= 1.0) return {98, 1.6};
  return {102, 1.2};
}

Range infantFluids(double weightKg, double ageYears, double kcal) {
  const double byWeight = fluidsByWeight(weightKg, 25);
  const double byAge = ageYears < 2 ? 1.5 * kcal : 115 * weightKg;
  return {std::min(byWeight, byAge), std::max(byWeight, byAge)};
}

double childRestingEnergy(double weightKg, double ageYears, bool female) {
  if (ageYears < 10.01) return female ? 22.5 * weightKg + 499 : 22.7 * weightKg + 495;
  if (ageYears < 18.01) return female ? 12.2 * weightKg + 746 : 17.5 * weightKg + 651;
  // The published equation for men of 18 to 30 adds 679 kcal (once misprinted as 697).
  return female ? 14.7 * weightKg + 496 : 15.3 * weightKg + 679;
}

double feverFactor(double celsius) {
  if (celsius < 38) return 1;
  return std::pow(1.12, celsius - 37);
}

double childKcalPerKg(double ageYears, bool female) {
  if (ageYears < 4) return 102;
  if (ageYears < 7) return 90;
  if (ageYears < 11) return 70;
  if (ageYears < 15) return female ? 47 : 55;
  if (ageYears < 19) return female ? 40 : 45;
  return female ? 38 : 40;
}

double childProteinPerKg(double ageYears, bool female) {
  if (ageYears < 3.9) return 1.2;
  if (ageYears < 6.9) return 1.1;
  if (ageYears < 10.9) return 1.0;
  if (ageYears < 14.9) return 1.0;
  // Recommended allowances: 0.9 g/kg for boys of 15 to 18, 0.8 from 19, and for girls.
  if (ageYears < 18.9 && !female) return 0.9;
  return 0.8;
}

double childFluidsByWeight(double weightKg, double ageYears) {
  return fluidsByWeight(weightKg, ageYears < 12 ? 25 : 20);
}

double childFluidsPerKg(double ageYears) {
  if (ageYears < 5) return 100;
  if (ageYears < 6) return 95;
  if (ageYears < 7) return 90;
  if (ageYears < 9) return 60;
  if (ageYears < 12) return 50;
  return 40;
}

}  // namespace quillion::pediatrics
