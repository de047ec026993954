// "Pediatric - 2 to 20 Years": a child's or adolescent's resting energy with an activity
// factor and a fever adjustment, energy, protein and fluid needs and BMI, with
// weight-for-age, weight-for-stature, stature-for-age and BMI-for-age on the CDC 2000
// charts.
#pragma once

#include <string>

#include "pediatrics/growth_page.h"

namespace quillion::pediatrics {

class CPediatric2to20 : public GrowthPage {
 public:
  CPediatric2to20();

  std::vector<ChartSubject> chartSubjects() const override;

 protected:
  void prepareControls() override;
  void calculate() override;
  void onPageEvent(const platform::Notification& n) override;
  std::string reportTitle() const override { return " Pediatric 2 to 20 Years"; }
  void writeReportLines(framework::ResultLog& log) override;
  bool savesOn(platform::CloseReason reason) const override {
    return reason != platform::CloseReason::Cancel;
  }

 private:
  int sex_ = 0;
  double age_ = 10;
  int ageUnit_ = 1;
  double weight_ = 60;
  int weightUnit_ = 0;
  double stature_ = 0;
  int statureUnit_ = 1;
  double temperature_ = 98.6;
  int temperatureUnit_ = 1;
  int activity_ = 0;
  double factor_ = 1.0;

  // What the charts show, from the last computation.
  double chartMonths_ = 0;
  double chartKg_ = 0;
  double chartStatureCm_ = 0;
  double chartBmi_ = 0;

  std::string weightText_;
  std::string statureText_;
  std::string temperatureText_;
  std::string resultsText_;
};

}  // namespace quillion::pediatrics
