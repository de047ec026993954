// "Pediatric - 0 to 36 Months": an infant's or toddler's resting energy, energy, protein
// and fluid needs and BMI, with weight-for-age, length-for-age, weight-for-length and
// head circumference-for-age on the CDC 2000 charts, gestational age correction and
// catch-up growth.
#pragma once

#include <string>

#include "pediatrics/growth_page.h"

namespace quillion::pediatrics {

class CPediatric0to36 : public GrowthPage {
 public:
  CPediatric0to36();

  std::vector<ChartSubject> chartSubjects() const override;

 protected:
  void calculate() override;
  void onPageEvent(const platform::Notification& n) override;
  std::string reportTitle() const override { return " Pediatric 0 to 36 Months"; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Cancel;
  }

 private:
  void correctGestationalAge();

  int sex_ = 0;
  double age_ = 10;
  int ageUnit_ = 1;
  double weight_ = 60;
  int weightUnit_ = 0;
  double length_ = 0;
  int lengthUnit_ = 1;
  double head_ = 22;
  int headUnit_ = 1;
  int catchUp_ = 0;
  int useGestation_ = 0;
  double gestationOffset_ = 0;  // years: (gestation weeks - 40) / 52
  int useFactor_ = 0;
  double factor_ = 1.0;

  // What the charts show, from the last computation.
  double chartMonths_ = 0;
  std::optional<double> chronologicalMonths_;
  double chartKg_ = 0;
  double chartLengthCm_ = 0;
  double chartHeadCm_ = 0;

  std::string weightText_;
  std::string lengthText_;
  std::string gestationCaption_;
  std::string resultsText_;
};

}  // namespace quillion::pediatrics
