// Parenteral 2-in-1 from initial stock solutions: the stock volumes and concentrations
// that went into the bag, how much of the mixture runs over how long, and the separate
// lipid delivery. The mixture is delivered in the proportions of the two stock volumes.
#pragma once

#include "parenteral/parenteral_page.h"

namespace quillion::parenteral {

struct TwoInOneInitialInputs {
  double aaVolume = 500;
  int aaVolumeUnit = VolumeUnit::kMl;
  double aaAmount = 10.0;
  int aaUnit = AmountUnit::kPercent;
  double dexVolume = 500;
  int dexVolumeUnit = VolumeUnit::kMl;
  double dexAmount = 50.0;
  int dexUnit = AmountUnit::kPercent;
  double delivery = 60.0;
  int deliveryUnit = DeliveryUnit::kMlPerHour;
  double time = 24.0;
  int timeUnit = TimeUnit::kHours;
  int emulsion = 0;
  int lipidUnit = LipidUnit::kMlPerHour;
  double lipidAmount = 300.0;
  double lipidHours = 24.0;
  double weight = 100.0;
  int weightUnit = ParenteralWeightUnit::kLbs;
};

// Fills the results; returns the total volume the reviews check.
double solveTwoInOneInitial(const TwoInOneInitialInputs& in, SolutionResults& r);

class CTwoInOneInitialPage : public ParenteralPage {
 public:
  CTwoInOneInitialPage();

 protected:
  double solve() override;
  void setWordLabels() override;
  void onPageEvent(const platform::Notification& n) override;
  std::string reportTitle() const override { return " TPN 2-in-1 Initial"; }
  void writePageLines(framework::ResultLog& log) override;

 private:
  TwoInOneInitialInputs in_;
};

}  // namespace quillion::parenteral
