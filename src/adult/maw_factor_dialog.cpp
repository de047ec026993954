#include "adult/maw_factor_dialog.h"

#include "adult/body_measures.h"
#include "framework/data_exchange.h"
#include "framework/format.h"
#include "framework/settings_store.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "MAWFactor";
constexpr int kChoiceCount = 4;
constexpr int kCustomChoice = 3;
// Below this a factor means no adjustment.
constexpr double kLeastFactor = 0.001;

constexpr ControlDef kControls[] = {
    label("prompt", "Select the factor to use when calculating the Metabolic Active Weight:", 0, 0)
        .span(4)
        .with(platform::kWrap),
    radio("none", "Do not adjust for MAW", 1, 0).span(4).with(platform::kGroup),
    radio("quarter", "25% Male, 25% Female", 2, 0).span(4),
    radio("standard", "38% Male, 32% Female", 3, 0).span(4),
    radio("custom", "Custom, M:", 4, 0),
    edit("customMale", 4, 1),
    label("customFemaleLabel", "F:", 4, 2),
    edit("customFemale", 4, 3),
    label("preview", "", 5, 0).span(4),
    button("ok", "OK", 6, 0),
    button("cancel", "Cancel", 6, 1),
};

constexpr MawFactors kFixedChoices[] = {{0, 0}, {0.25, 0.25}, {0.38, 0.32}};

constexpr std::string_view kPercentMessage =
    "You have entered a value greater than 1.0.  The program will assume you want to adjust "
    "by percent, and change your number accordingly.";

}  // namespace

MawFactorDialog::MawFactorDialog(double heightCm, double weightKg, bool isMale,
                                 double amputationPercent, int ibwMethod)
    : Dialog("Select MAW Factor", kControls),
      heightCm_(heightCm),
      weightKg_(weightKg),
      isMale_(isMale),
      amputationPercent_(amputationPercent),
      ibwMethod_(ibwMethod) {
  framework::SettingsStore store;
  choice_ = store.readIndex(kSection, "MAWF", choice_, kChoiceCount);
  customMale_ = store.readNumber(kSection, "MAWFM", customMale_);
  customFemale_ = store.readNumber(kSection, "MAWFF", customFemale_);
}

std::optional<MawFactors> MawFactorDialog::choose() {
  if (runModal() != platform::kResultOk) return std::nullopt;
  return chosenFactors();
}

MawFactors MawFactorDialog::chosenFactors() const {
  if (choice_ == kCustomChoice) return {customMale_, customFemale_};
  return kFixedChoices[choice_ >= 0 && choice_ < kCustomChoice ? choice_ : 0];
}

// Enables the custom boxes for the custom choice and shows the resulting weight.
void MawFactorDialog::showChoice() {
  const bool custom = choice_ == kCustomChoice;
  control("customMale").setEnabled(custom);
  control("customFemale").setEnabled(custom);
  const MawFactors factors = chosenFactors();
  double mawKg = BodyMeasures::adjustedWeight(ibwMethod_, heightCm_, weightKg_, isMale_,
                                              amputationPercent_, factors.male, factors.female);
  if (mawKg < 1.0) mawKg = 1.0;
  if (factors.male >= kLeastFactor && factors.female >= kLeastFactor) {
    preview_ = framework::formatValues("MAW = %.0lf lbs or %.0lf kgs",
                                       {mawKg * BodyMeasures::kKgToPounds, mawKg});
  } else {
    preview_ = "MAW not adjusted";
  }
  control("preview").setText(preview_);
}

void MawFactorDialog::onInit() {
  framework::DataExchange dx(*this);
  dx.radio("none", choice_);
  dx.number("customMale", customMale_);
  dx.number("customFemale", customFemale_);
  dx.toControls();
  showChoice();
}

void MawFactorDialog::onDialogEvent(const platform::Notification& n) {
  framework::DataExchange dx(*this);
  dx.radio("none", choice_);
  if (n.event == platform::Event::Clicked) {
    dx.fromControls();
    showChoice();
    return;
  }
  if (n.event != platform::Event::Changed) return;
  double* factor = n.id == "customMale"     ? &customMale_
                   : n.id == "customFemale" ? &customFemale_
                                            : nullptr;
  if (!factor) return;
  const double before = *factor;
  dx.number(n.id, *factor);
  if (!dx.fromControls() || *factor == before) return;
  if (*factor > 1.0) {
    platform::currentPlatform().messageBox(kPercentMessage, framework::kAppName,
                                           platform::MessageIcon::Information);
    *factor *= 0.01;
    dx.toControls();
  }
  showChoice();
}

bool MawFactorDialog::onOk() {
  framework::DataExchange dx(*this);
  dx.radio("none", choice_);
  dx.number("customMale", customMale_);
  dx.number("customFemale", customFemale_);
  if (!dx.fromControls()) return false;
  if (choice_ < 0 || choice_ >= kChoiceCount) choice_ = 0;
  showChoice();
  framework::SettingsStore store;
  store.writeInteger(kSection, "MAWF", choice_);
  store.writeNumber(kSection, "MAWFM", customMale_);
  store.writeNumber(kSection, "MAWFF", customFemale_);
  return true;
}

}  // namespace quillion::adult
