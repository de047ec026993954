// What the four parenteral calculator pages share: the energy, nitrogen and osmolarity
// constants, the unit codes and conversions, the solution results record with its common
// derivation, and the results table (its rows by layout, formats and row colours).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "adult/body_measures.h"
#include "platform/control.h"

namespace quillion::parenteral {

inline constexpr double kProteinKcalPerGram = 4.0;
inline constexpr double kDextroseKcalPerGram = 3.4;
inline constexpr double kNitrogenPerGramProtein = 0.16;
inline constexpr double kProteinPerGramNitrogen = 6.25;
inline constexpr double kMosmPerGramAminoAcid = 10.0;
inline constexpr double kMosmPerGramDextrose = 5.0;
// The single-precision pound factor, widened.
inline constexpr double kPoundsToKg = adult::BodyMeasures::kPoundsToKg;

// kcal per mL of a 10 %, 20 % and 30 % lipid emulsion.
inline constexpr double kEmulsionKcalPerMl[] = {1.1, 2.0, 3.0};

inline constexpr double kLipidKcalPerGramStart = 9.0;
inline constexpr double kLipidKcalPerGramMin = 8.5;
inline constexpr double kLipidKcalPerGramMax = 10.5;

// The kcal per gram of lipid, one value for the whole run of the program.
double& lipidKcalPerGram();

// Unit codes as stored; each unit button steps to the next code, wrapping to 0.
namespace ParenteralWeightUnit {
inline constexpr int kKg = 0, kLbs = 1, kGrams = 2;
inline constexpr std::string_view kLabels[] = {"kg", "lbs", "g"};
}  // namespace ParenteralWeightUnit
namespace VolumeUnit {
inline constexpr int kMl = 0, kLitres = 1;
inline constexpr std::string_view kLabels[] = {"mL", "L"};
}  // namespace VolumeUnit
namespace AmountUnit {
inline constexpr int kPercent = 0, kGramsPerLitre = 1, kGrams = 2, kGramsPerKg = 3, kGramsPerGram = 4;
inline constexpr std::string_view kLabels[] = {"%", "g/L", "g", "g/kg", "g/g"};
}  // namespace AmountUnit
namespace LipidUnit {
inline constexpr int kMl = 0, kMlPerHour = 1, kGrams = 2, kGramsPerKg = 3, kGramsPerGram = 4;
inline constexpr std::string_view kLabels[] = {"mL", "mL/hr", "g", "g/kg", "g/g"};
// The word after a lipid amount.
inline constexpr std::string_view kWords[] = {"over", "for", "over", "over", "over"};
}  // namespace LipidUnit
namespace LipidEmulsion {
inline constexpr std::string_view kLabels[] = {"10% emulsion", "20% emulsion", "30% emulsion"};
}  // namespace LipidEmulsion

// The label of a code in a list of labels; a code out of range shows the first.
template <std::size_t N>
std::string_view unitLabel(const std::string_view (&labels)[N], int code) {
  return code >= 0 && static_cast<std::size_t>(code) < N ? labels[code] : labels[0];
}

struct NutrientAmount {
  double percent = 0;
  double grams = 0;
};

struct LipidAmounts {
  double volume = 0;
  double grams = 0;
  double kcal = 0;
};

namespace ParenteralUnits {
double weightKg(double weight, int weightUnit);
NutrientAmount nutrientGrams(int amountUnit, double volumeMl, double weightKg, double amount);
// Reads lipidKcalPerGram().
LipidAmounts lipidAmounts(int emulsion, double amount, int lipidUnit, double hours, double weightKg);
}  // namespace ParenteralUnits

// Results table layout bits, chosen by each page once.
enum TableLayout : std::uint32_t {
  MixVolumeRow = 1,
  LipidRateRow = 2,
  SplitOsmolarity = 4,
  MixRateOnly = 8,
  TotalRate = 16,
};

// Background colours of the results table, as 0xRRGGBB.
inline constexpr std::uint32_t kRateRowColour = 0x00FF7F;
inline constexpr std::uint32_t kProteinLipidRowColour = 0x00FFFF;
inline constexpr std::uint32_t kOtherRowColour = 0xFFFF7F;

struct SolutionResults {
  double totalKcal = 0;
  double npcKcal = 0;
  double npcToN = 0;
  double aaVolume = 0;
  double aaPercent = 0;
  double deliveryHours = 0;
  double proteinKcal = 0;
  double proteinGrams = 0;
  double proteinPercentKcal = 0;
  double proteinMgKgMin = 0;
  double aaRate = 0;
  double proteinGramsPerKg = 0;
  double dexVolume = 0;
  double dexPercent = 0;
  double dexHours = 0;
  double choKcal = 0;
  double choGrams = 0;
  double choPercentKcal = 0;
  double choGramsPerKg = 0;
  double dexRate = 0;
  double choMgKgMin = 0;
  double lipidVolume = 0;
  double lipidPercent = 0;
  double lipidHours = 0;
  double lipidKcal = 0;
  double lipidGrams = 0;
  double lipidPercentKcal = 0;
  double lipidRate = 0;
  double lipidGramsPerKg = 0;
  double lipidMgKgMin = 0;
  double fluidRate = 0;
  double totalVolume = 0;
  double aaPercentOfVolume = 0;
  double choPercentOfVolume = 0;
  double fatPercentOfVolume = 0;
  double osmolarityMix = 0;
  double osmolesTotal = 0;
  double osmolarityTotal = 0;

  platform::Control* table = nullptr;
  std::uint32_t layout = 0;

  // Fills the derived fields from the page's weight in kg, proteinGrams, choGrams, the
  // lipid fields, deliveryHours, totalVolume and the AA + DEX volume. Nothing guards the
  // divisions: a zero divisor gives a value the table shows as "---".
  void derive(double weightKg, double mixVolumeMl, bool withTotalOsmolarity);
  // The same after the energies (choKcal, proteinKcal, npcKcal, totalKcal) are known.
  void deriveFromEnergy(double weightKg, double mixVolumeMl, bool withTotalOsmolarity);
  // The lipid rate (mL/hr) and dose (mg/kg/min) over the lipid emulsion's hours, from
  // lipidVolume and lipidGramsPerKg; both 0 when the hours are not above leastHours (each
  // page has its own).
  void setLipidRates(double hours, double leastHours);

  void setUpTable(platform::Control& list, std::uint32_t tableLayout, bool firstTime);
  void showValues();
  std::uint32_t rowColour(int row) const;
};

// One row of the results table as it is shown: its label and its value's text.
struct TableRow {
  std::string label;
  std::string value;
};
std::vector<TableRow> tableRows(const SolutionResults& results, std::uint32_t layout);
std::uint32_t rowColour(std::uint32_t layout, int row);

}  // namespace quillion::parenteral
