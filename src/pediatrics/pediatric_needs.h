// The arithmetic of the two growth pages: measurements in the units the user works in
// with their conversion texts, and the energy, protein and fluid needs of an infant
// (0 to 36 months) and of a child or adolescent (2 to 20 years).
#pragma once

#include <string>
#include <string_view>

namespace quillion::pediatrics {

// Unit codes as the pages store them.
// Age units: the pages use months and years; the gestational age dialog steps through
// all four in this order.
inline constexpr int kMonths = 0;
inline constexpr int kYears = 1;
inline constexpr int kDays = 2;
inline constexpr int kWeeks = 3;
inline constexpr int kAgeUnitCount = 4;
inline constexpr int kKilograms = 0;
inline constexpr int kPounds = 1;
inline constexpr int kGrams = 2;  // infants only
inline constexpr int kInches = 0;
inline constexpr int kCentimetres = 1;
inline constexpr int kCelsius = 0;
inline constexpr int kFahrenheit = 1;

inline constexpr std::string_view kSexCaptions[] = {"Male", "Female"};
inline constexpr std::string_view kAgeUnitCaptions[kAgeUnitCount] = {"months", "years", "days",
                                                                      "weeks"};
inline constexpr std::string_view kWeightUnitCaptions[] = {"kg", "lbs", "g"};
inline constexpr std::string_view kLengthUnitCaptions[] = {"in", "cm"};
inline constexpr std::string_view kTemperatureUnitCaptions[] = {"\u00B0C", "\u00B0F"};

// A measurement in the program's own unit, with the text that shows both units.
struct Converted {
  double value;
  std::string text;
};

double ageInYears(double age, int ageUnit);
// The report's client line, "Client: Male 8 yrs"; an age in months says "months", so a
// child of 12 months is not reported as 12 years old.
std::string clientLine(int sex, double age, int ageUnit);
// kg, lbs or g: "(%.2lf kgs = %.2lf lbs)", "(%.2lf lbs = %.2lf kgs)", "(%.2lf g = %.2lf lbs)".
Converted weightInKilograms(double weight, int weightUnit);
// in or cm: "(%.2lf cm = %.2lf ins)" or "(%.2lf ins = %.2lf cm)".
Converted lengthInCentimetres(double length, int lengthUnit);
// °C or °F: "(%.1lf C = %.1lf F)" or "(%.1lf F = %.1lf C)".
Converted temperatureInCelsius(double temperature, int temperatureUnit);
// The factor that takes a kg value to the weight unit the user works in, and back again
// for lengths.
double perKilogramInUnit(int weightUnit);
double perCentimetreInUnit(int lengthUnit);

struct Range {
  double low;
  double high;
};

// Infants.
double infantRestingEnergy(double weightKg, bool female);
struct Intake {
  double kcalPerKg;
  double proteinPerKg;
};
Intake infantIntake(double ageYears);
// By weight, and by age (1.5 ml per kcal below 2 years, else 115 ml/kg), low to high.
Range infantFluids(double weightKg, double ageYears, double kcal);

// Children and adolescents.
double childRestingEnergy(double weightKg, double ageYears, bool female);
// At 38 °C or more: 1.12 for each degree above 37, compounded; 1 below 38 °C.
double feverFactor(double celsius);
double childKcalPerKg(double ageYears, bool female);
double childProteinPerKg(double ageYears, bool female);
double childFluidsByWeight(double weightKg, double ageYears);
// The ml per kg of the age band from 4 years on (below 4 the page shows 110 and 130).
double childFluidsPerKg(double ageYears);

}  // namespace quillion::pediatrics
