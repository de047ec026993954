// The kcal-per-kg page: an adult's daily energy as a range per kilogram or per pound, in
// kcal or kilojoules, with fluids, protein, both energy equations for comparison, BMI and
// the desirable weight.
#pragma once

#include <string>

#include "adult/adult_measures_page.h"

namespace quillion::adult {

class CKcalKgAdultAssessmentDlg : public CAdultMeasuresPage {
 public:
  CKcalKgAdultAssessmentDlg();

 protected:
  void loadInputs(framework::SettingsStore& store) override;
  void prepareControls() override;
  void calculate() override;
  std::string reportTitle() const override;
  void writeReportLines(framework::ResultLog& log) override;
  void onPageEvent(const platform::Notification& n) override;

 private:
  double energyMin_ = 30.0;
  double energyMax_ = 35.0;
  int energyUnit_ = 0;  // 0 kcal, 1 kilojoules
  int perUnit_ = 0;     // 0 per kg, 1 per lb
  int proteinChoice_ = 3;
  double proteinMin_ = 0.8;
  double proteinMax_ = 1.0;
  int showProteinHint_ = 1;
  std::string clientLine_;
  std::string resultsText_;
};

}  // namespace quillion::adult
