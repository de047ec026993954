#include "adult/adult_measures_page.h"

#include "adult/body_measures.h"
#include "adult/maw_factor_dialog.h"
#include "framework/format.h"

namespace quillion::adult {
namespace {

namespace bm = BodyMeasures;

constexpr std::string_view kMawCaptionFormat = "Use Metabolic Active Wt (%.0lf lbs, %.0lf kgs)";
constexpr double kLeastMawFactor = 0.001;

std::string_view captionOf(std::span<const std::string_view> captions, int code) {
  return captions[code >= 0 && code < static_cast<int>(captions.size()) ? code : 0];
}

}  // namespace

std::string formatResults(std::string_view format, std::initializer_list<double> values,
                          std::initializer_list<std::string_view> texts) {
  return framework::formatTexts(framework::formatValues(format, values), texts);
}

CAdultMeasuresPage::CAdultMeasuresPage(std::string title,
                                       std::span<const platform::ControlDef> controls,
                                       std::string section)
    : CalculatorPage(std::move(title), controls, std::move(section),
                     framework::MenuBar::SaveAndOptions) {}

void CAdultMeasuresPage::declareMeasures() {
  number("age", age_).keep("Age").range(0, 130);
  stored(sex_).keep("Sex", 2);
  number("height", height_).keep("Height");
  stored(heightUnit_).keep("HtUnits", 2);
  number("weight", weight_).keep("Weight");
  stored(weightUnit_).keep("WtUnits", 2);
  check("maw", mawInUse_).keep("MAW");
  stored(mawMaleFactor_).keep("MAWFM");
  stored(mawFemaleFactor_).keep("MAWFF");
}

void CAdultMeasuresPage::loadInputs(framework::SettingsStore& store) {
  CalculatorPage::loadInputs(store);
  ibwMethod_ = bm::ibwMethod();
}

void CAdultMeasuresPage::afterOptions() { ibwMethod_ = bm::ibwMethod(); }

void CAdultMeasuresPage::calculateMeasures() {
  control("sex").setText(std::string(captionOf(bm::kSexCaptions, sex_)));
  control("weightUnit").setText(std::string(captionOf(bm::kWeightUnitCaptions, weightUnit_)));
  control("heightUnit").setText(std::string(captionOf(bm::kHeightUnitCaptions, heightUnit_)));

  AdultMeasures& m = measures_;
  m.heightCm = bm::toCentimetres(height_, heightUnit_);
  m.heightText = heightUnit_ == bm::kCentimetres
                     ? framework::formatValues("(%.2lf cm = %.2lf ins)",
                                               {height_, height_ * bm::kCmToInches})
                     : framework::formatValues("(%.2lf ins = %.2lf cm)",
                                               {m.heightCm * bm::kCmToInches, m.heightCm});
  m.weightKg = bm::toKilograms(weight_, weightUnit_);
  m.weightText = weightUnit_ == bm::kPounds
                     ? framework::formatValues("(%.2lf lbs = %.2lf kgs)",
                                               {m.weightKg * bm::kKgToPounds, m.weightKg})
                     : framework::formatValues("(%.2lf kgs = %.2lf lbs)",
                                               {weight_, weight_ * bm::kKgToPounds});
  control("heightText").setText(m.heightText);
  control("weightText").setText(m.weightText);
  m.dbwKg = bm::desirableWeight(ibwMethod_, m.heightCm, isMale(), amputationPercent_);

  platform::Control& maw = control("maw");
  m.adjusted = bm::needsAdjustment(m.weightKg, m.dbwKg);
  if (m.adjusted) {
    m.adjustedKg = bm::adjustedWeight(ibwMethod_, m.heightCm, m.weightKg, isMale(),
                                      amputationPercent_, mawMaleFactor_, mawFemaleFactor_);
    if (m.adjustedKg < 1.0) m.adjustedKg = 1.0;
    m.mawCaption =
        framework::formatValues(kMawCaptionFormat, {m.adjustedKg * bm::kKgToPounds, m.adjustedKg});
    maw.setText(m.mawCaption);
    maw.setVisible(true);
    m.weightUsed = mawInUse_ ? m.adjustedKg : m.weightKg;
  } else {
    // The ticked state stays as it was while the box is hidden.
    maw.setVisible(false);
    m.weightUsed = m.weightKg;
  }
  m.bmi = bm::bodyMassIndex(m.heightCm, m.weightKg);
  m.bmiClass = bm::bmiClass(m.bmi);
  m.dbwLbs = m.dbwKg * bm::kKgToPounds;
  m.dbwLbsLow = m.dbwLbs - m.dbwKg * bm::kTenthKgToPounds;
  m.dbwLbsHigh = m.dbwLbs + m.dbwKg * bm::kTenthKgToPounds;
  m.dbwKgLow = m.dbwKg - m.dbwKg * 0.1;
  m.dbwKgHigh = m.dbwKg + m.dbwKg * 0.1;
  m.percentOfDbw = (100 / m.dbwKg) * m.weightKg;
}

std::string CAdultMeasuresPage::clientLine() const {
  const std::string_view sexWord = captionOf(bm::kSexCaptions, sex_);
  if (measures_.adjusted) {
    return formatResults("Client : %s %.0lf yrs.\r\nHeight %s\r\nWeight %s (ADJ: %s)", {age_},
                         {sexWord, measures_.heightText, measures_.weightText,
                          measures_.mawCaption});
  }
  return formatResults("Client : %s %.0lf yrs., Height %s, Weight %s", {age_},
                       {sexWord, measures_.heightText, measures_.weightText});
}

void CAdultMeasuresPage::onPageEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "sex") {
    sex_ = sex_ == 0 ? 1 : 0;
    sexChanged();
  } else if (n.id == "heightUnit") {
    heightUnit_ = heightUnit_ == 0 ? 1 : 0;
    compute();
  } else if (n.id == "weightUnit") {
    weightUnit_ = weightUnit_ == 0 ? 1 : 0;
    compute();
  } else if (n.id == "maw") {
    mawClicked();
  }
}

void CAdultMeasuresPage::mawClicked() {
  MawFactorDialog dialog(measures_.heightCm, measures_.weightKg, isMale(), amputationPercent_,
                         ibwMethod_);
  if (auto factors = dialog.choose()) {
    mawMaleFactor_ = factors->male;
    mawFemaleFactor_ = factors->female;
  }
  mawInUse_ = mawFemaleFactor_ >= kLeastMawFactor && mawMaleFactor_ >= kLeastMawFactor ? 1 : 0;
  updateData(false);
  compute();
}

}  // namespace quillion::adult
