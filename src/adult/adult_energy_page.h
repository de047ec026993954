// The adult energy page: from age, sex, height and weight, the energy expenditure by one
// equation, fluids, the energy range after activity and stress, protein, BMI and the
// desirable weight. One page serves the Harris-Benedict and the Mifflin-St.Jeor tools.
#pragma once

#include <string>
#include <string_view>

#include "adult/adult_measures_page.h"

namespace quillion::adult {

// What differs between the two tools.
struct AdultEnergyMethod {
  std::string_view caption;
  std::string_view section;
  double (*equation)(double ageYears, double heightCm, double weightKg, bool isMale);
  std::string_view firstLineFormat;  // "BEE\t= %.0lf"
  std::string_view reportTitle;
};

class CAdultEnergyPage : public CAdultMeasuresPage {
 public:
  explicit CAdultEnergyPage(const AdultEnergyMethod& method);

 protected:
  void loadInputs(framework::SettingsStore& store) override;
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;
  void sexChanged() override;

 private:
  void fillActivities();
  // Cancel in the custom range dialog puts back the previous choice.
  void applyActivityChoice(int previous);
  void applyAmputationChoice();
  void chooseStress();
  void takeStressRow();
  std::string stressCaption() const;

  const AdultEnergyMethod& method_;
  int activityIndex_ = 1;
  double activityMin_ = 1.0;
  double activityMax_ = 1.0;
  int amputationIndex_ = 1;  // "None"
  int stressIndex_ = 1;
  double stressMin_ = 1.0;
  double stressMax_ = 1.0;
  double proteinMin_ = 0.8;
  double proteinMax_ = 1.0;
  int showAmputationHint_ = 1;
  std::string clientLine_;
  std::string resultsText_;
};

class CHarrisBenedictPage : public CAdultEnergyPage {
 public:
  CHarrisBenedictPage();
};

class CMifflinStJeorPage : public CAdultEnergyPage {
 public:
  CMifflinStJeorPage();
};

}  // namespace quillion::adult
