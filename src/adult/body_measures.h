// Anthropometric rules shared by the adult energy pages: unit codes and factors, desirable
// body weight by four methods with the amputation reduction, the 125 % rule and the
// metabolically active weight, BMI and its class, the daily fluid range, and the
// Harris-Benedict and Mifflin-St.Jeor equations. Weights in kg, heights in cm.
#pragma once

#include <string_view>

#include "framework/save_options.h"

namespace quillion::adult::BodyMeasures {

// Codes each adult page stores in its own section.
inline constexpr int kMale = 0;
inline constexpr int kFemale = 1;
inline constexpr int kKilograms = 0;
inline constexpr int kPounds = 1;
inline constexpr int kInches = 0;
inline constexpr int kCentimetres = 1;

inline constexpr std::string_view kSexCaptions[] = {"Male", "Female"};
inline constexpr std::string_view kWeightUnitCaptions[] = {"kg", "lbs"};
inline constexpr std::string_view kHeightUnitCaptions[] = {"in", "cm"};

// Single-precision constants widened to double: results depend on these exact values.
inline constexpr double kInchesToCm = 2.5399999618530273;
inline constexpr double kCmToInches = 0.3937007784843445;
inline constexpr double kPoundsToKg = 0.45359236001968384;
inline constexpr double kKgToPounds = 2.204622507095337;
// One tenth of a weight in kilograms, in pounds (the factor above divided by ten).
inline constexpr double kTenthKgToPounds = 0.2204622507095337;

// 0 Standard, 1 Devine, 2 Robinson, 3 Miller
inline constexpr int kIbwMethodCount = framework::kIbwMethodCount;

// Heights at or above 5 ft take each method's base and increment.
inline constexpr double kFiveFeetCm = 152.4;
// 2.5 lbs per inch below 5 ft, from the Standard base, whatever the method.
inline constexpr double kShortStatureKgPerCm = 0.4464491830708661;

struct IbwConstants {
  double maleBaseKg;
  double maleKgPerCm;
  double femaleBaseKg;
  double femaleKgPerCm;
};

// Increments are per inch over 5 ft applied per centimetre, (kg per inch) / 2.54.
inline constexpr IbwConstants kIbwMethods[kIbwMethodCount] = {
    {48.08079122, 1.0714780393700787, 45.359237, 0.8928983661417322},  // Standard
    {50.0, 2.3 / 2.54, 45.5, 2.3 / 2.54},                              // Devine
    {52.0, 1.9 / 2.54, 49.0, 1.7 / 2.54},                              // Robinson
    {56.2, 1.41 / 2.54, 53.1, 1.36 / 2.54},                            // Miller
};

// The method chosen in the save options (section "SaveOp", "IM"); 0 when absent or
// out of range.
int ibwMethod();

double toKilograms(double value, int weightUnit);
double toCentimetres(double value, int heightUnit);

double desirableWeight(int method, double heightCm, bool isMale, double amputationPercent);
bool needsAdjustment(double weightKg, double dbwKg);
// The metabolically active weight above 125 % of the desirable weight, else weightKg.
// Callers raise a result below 1.0 to 1.0.
double adjustedWeight(int method, double heightCm, double weightKg, bool isMale,
                      double amputationPercent, double maleFactor, double femaleFactor);

double bodyMassIndex(double heightCm, double weightKg);
std::string_view bmiClass(double bmi);

struct FluidRange {
  double minimum;
  double maximum;
};
FluidRange fluidRange(double ageYears, double weightKg, double activityFactor);

double harrisBenedict(double ageYears, double heightCm, double weightKg, bool isMale);
double mifflinStJeor(double ageYears, double heightCm, double weightKg, bool isMale);

}  // namespace quillion::adult::BodyMeasures
