// Parenteral 2-in-1 from final concentrations: the amino acid and dextrose concentrations
// of the mixed bag, how much of it runs over how long, and the separate lipid delivery.
#pragma once

#include "parenteral/parenteral_page.h"

namespace quillion::parenteral {

struct TwoInOneFinalInputs {
  double aaAmount = 10.7;
  int aaUnit = AmountUnit::kPercent;
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
double solveTwoInOneFinal(const TwoInOneFinalInputs& in, SolutionResults& r);

class CTwoInOneFinalPage : public ParenteralPage {
 public:
  CTwoInOneFinalPage();

 protected:
  double solve() override;
  void setWordLabels() override;
  std::string reportTitle() const override { return " TPN 2-in-1 Final from Stock Solutions"; }
  void writePageLines(framework::ResultLog& log) override;

 private:
  TwoInOneFinalInputs in_;
};

}  // namespace quillion::parenteral
