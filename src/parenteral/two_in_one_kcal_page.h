// Parenteral 2-in-1 from kcal and protein targets: the amino acid volume that carries the
// protein target ("ProVol"), optionally cut to whole hundreds of mL, the same volume of
// dextrose solution, and the separate lipid delivery. The kcal target is reported only.
#pragma once

#include "parenteral/parenteral_page.h"

namespace quillion::parenteral {

namespace KcalUnit {
inline constexpr std::string_view kLabels[] = {"kcal", "kcal/kg"};
}  // namespace KcalUnit
namespace ProteinUnit {
inline constexpr int kGrams = 0, kGramsPerKg = 1, kGramsPerKgPerHour = 2;
inline constexpr std::string_view kLabels[] = {"g", "g/kg", "g/kg/hr"};
}  // namespace ProteinUnit
namespace RoundDirection {
inline constexpr int kDown = 0, kUp = 1;
inline constexpr std::string_view kLabels[] = {"dn", "up"};
}  // namespace RoundDirection

struct TwoInOneKcalInputs {
  double kcal = 30.0;
  int kcalUnit = 1;
  double protein = 1.5;
  int proteinUnit = ProteinUnit::kGramsPerKg;
  double aaPercent = 8.5;
  double dexPercent = 30.0;
  int emulsion = 0;
  int lipidUnit = LipidUnit::kMl;
  double lipidAmount = 300.0;
  double lipidHours = 24.0;
  double weight = 80.0;
  int weightUnit = ParenteralWeightUnit::kKg;
  int round = 0;
  int roundDirection = RoundDirection::kUp;
};

// The amino acid volume cut to whole hundreds of mL (toward zero), plus 100 when rounding
// up. Worked in doubles: a volume with no finite value stays so.
double roundedVolume(double volumeMl, int direction);

// Fills the results and the kcal target; returns the total volume the reviews check.
double solveTwoInOneKcal(const TwoInOneKcalInputs& in, SolutionResults& r, double& kcalTarget);

class CTwoInOneKcalPage : public ParenteralPage {
 public:
  CTwoInOneKcalPage();

 protected:
  double solve() override;
  std::string reportTitle() const override { return " TPN 2-in-1 Final / Kcals"; }
  void writePageLines(framework::ResultLog& log) override;
  void setWordLabels() override;

 private:
  TwoInOneKcalInputs in_;
  double kcalTarget_ = 0;
};

}  // namespace quillion::parenteral
