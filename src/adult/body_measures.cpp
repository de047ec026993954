#include "adult/body_measures.h"

#include "framework/settings_store.h"

namespace quillion::adult::BodyMeasures {
namespace {

// Harris-Benedict intercepts are single-precision constants widened to double.
constexpr double kHarrisMaleIntercept = 66.4729995727539;
constexpr double kHarrisFemaleIntercept = 655.0955200195312;

}  // namespace

int ibwMethod() {
  framework::SettingsStore store;
  return store.readIndex("SaveOp", "IM", 0, kIbwMethodCount);
}

double toKilograms(double value, int weightUnit) {
  return weightUnit == kPounds ? value * kPoundsToKg : value;
}

double toCentimetres(double value, int heightUnit) {
  return heightUnit == kInches ? value * kInchesToCm : value;
}

double desirableWeight(int method, double heightCm, bool isMale, double amputationPercent) {
  if (method < 0 || method >= kIbwMethodCount) method = 0;
  const IbwConstants& c = kIbwMethods[method];
  double dbw;
  if (heightCm >= kFiveFeetCm) {
    dbw = isMale ? c.maleBaseKg + (heightCm - kFiveFeetCm) * c.maleKgPerCm
                 : c.femaleBaseKg + (heightCm - kFiveFeetCm) * c.femaleKgPerCm;
  } else {
    const IbwConstants& standard = kIbwMethods[0];
    dbw = (isMale ? standard.maleBaseKg : standard.femaleBaseKg) -
          (kFiveFeetCm - heightCm) * kShortStatureKgPerCm;
  }
  return dbw - dbw * amputationPercent * 0.01;
}

bool needsAdjustment(double weightKg, double dbwKg) { return weightKg > dbwKg * 1.25; }

double adjustedWeight(int method, double heightCm, double weightKg, bool isMale,
                      double amputationPercent, double maleFactor, double femaleFactor) {
  const double dbw = desirableWeight(method, heightCm, isMale, amputationPercent);
  if (!needsAdjustment(weightKg, dbw)) return weightKg;
  return (weightKg - dbw) * (isMale ? maleFactor : femaleFactor) + dbw;
}

double bodyMassIndex(double heightCm, double weightKg) {
  const double metres = heightCm * 0.01;
  if (metres < 0.2) return 0;
  return weightKg / (metres * metres);
}

std::string_view bmiClass(double bmi) {
  if (bmi < 18.5) return "(Underweight)";
  if (bmi < 25) return "(Normal)";
  if (bmi < 30) return "(Overweight)";
  if (bmi < 35) return "(Obesity Grade I)";
  if (bmi < 40) return "(Obesity Grade II)";
  return "(Obesity Grade III)";
}

FluidRange fluidRange(double ageYears, double weightKg, double activityFactor) {
  const double firstTenRate = ageYears <= 1 ? 150 : ageYears <= 3 ? 102 : 100;
  double byWeight;
  if (weightKg < 10) {
    byWeight = 0;
  } else if (weightKg < 20) {
    byWeight = firstTenRate * 10 + (weightKg - 10) * 50;
  } else {
    byWeight = firstTenRate * 10 + 500;
    // 30 kg is both the threshold and the subtrahend; nothing is added from 20 to 30 kg.
    if (weightKg > 30) byWeight += (weightKg - 30) * (ageYears > 50 ? 15 : 20);
  }
  double perKg = 35;
  if (ageYears > 65) {
    perKg = 25;
  } else if (ageYears > 55) {
    perKg = 30;
  } else if (ageYears >= 15 && ageYears <= 30 && activityFactor > 1.999) {
    perKg = 40;
  }
  const double byAge = weightKg * perKg;
  if (byAge > byWeight) return {byWeight, byAge};
  return {byAge, byWeight};
}

double harrisBenedict(double ageYears, double heightCm, double weightKg, bool isMale) {
  if (isMale) {
    return kHarrisMaleIntercept + 13.7516 * weightKg + 5.0033 * heightCm - 6.755 * ageYears;
  }
  return kHarrisFemaleIntercept + 9.5634 * weightKg + 1.8496 * heightCm - 4.6756 * ageYears;
}

double mifflinStJeor(double ageYears, double heightCm, double weightKg, bool isMale) {
  const double ree = 9.99 * weightKg + 6.25 * heightCm - 4.92 * ageYears;
  return isMale ? ree + 5 : ree - 161;
}

}  // namespace quillion::adult::BodyMeasures
