// Parenteral custom mix: the volume and concentration (or amount) of each of amino acid,
// dextrose and lipid, free fluid, and the hours over which the whole mix runs; the
// osmolarity over the AA + DEX volume and over the total volume.
#pragma once

#include "parenteral/parenteral_page.h"

namespace quillion::parenteral {

struct CustomMixInputs {
  double aaVolume = 1200;
  int aaVolumeUnit = VolumeUnit::kMl;
  double aaAmount = 10.0;
  int aaUnit = AmountUnit::kPercent;
  double dexVolume = 357;
  int dexVolumeUnit = VolumeUnit::kMl;
  double dexAmount = 70.0;
  int dexUnit = AmountUnit::kPercent;
  double lipidVolume = 250;
  int lipidVolumeUnit = VolumeUnit::kMl;
  double lipidAmount = 20.0;
  int lipidUnit = AmountUnit::kPercent;  // "%", "g", "g/kg" or "g/g"
  double fluidVolume = 0;
  int fluidVolumeUnit = VolumeUnit::kMl;
  double hours = 24.0;
  double weight = 100.0;
  int weightUnit = ParenteralWeightUnit::kLbs;
};

// kcal per mL of a lipid emulsion of this percentage: 10, 20 or 30 % within one point
// either side (bounds excluded), otherwise that of a 10 % emulsion.
double emulsionKcalPerMl(double percent);

// The lipid unit button's next code: "%", "g", "g/kg", "g/g", then "%" again.
int nextLipidUnit(int code);

// Fills the results; returns the total volume the reviews check.
double solveCustomMix(const CustomMixInputs& in, SolutionResults& r);

class CCustomMixPage : public ParenteralPage {
 public:
  CCustomMixPage();

 protected:
  double solve() override;
  void setWordLabels() override;
  void onPageEvent(const platform::Notification& n) override;
  void loadInputs(framework::SettingsStore& store) override;
  std::string reportTitle() const override { return " TPN Custom Mix"; }
  void writePageLines(framework::ResultLog& log) override;

 private:
  CustomMixInputs in_;
  double mixtureVolume_ = 0;
};

}  // namespace quillion::parenteral
