#include "parenteral/wizard_dialogs.h"

#include "framework/data_exchange.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kMixtureControls[] = {
    label("intro",
          "PPN/TPN Wizard will ask a few questions to customize the calculator for you. Select "
          "the best answer and click \"Next\".",
          0, 0)
        .span(3)
        .with(platform::kWrap),
    radio("choice",
          "This will  be a 2-in-1 Mixture of dextrose + protein in a single volume, and lipids "
          "in a seperate volume.",
          1, 0)
        .span(3)
        .with(platform::kGroup),
    radio("choice1",
          "I need to customize the volumes of dextrose, protein and lipids individually. \n"
          "Use for 3-in-1 or TNA mixtures as well.",
          2, 0)
        .span(3),
    button("back", "< Back", 3, 0),
    button("ok", "Next >", 3, 1),
    button("cancel", "Cancel", 3, 2),
};

constexpr ControlDef kTwoInOneControls[] = {
    heading("intro", "2-in-1 Mixture : What will you be entering?", 0, 0).span(3),
    radio("choice",
          "INITIAL concentrations from Stock Solutions such as 500 mL of 25% DEX (or 250g) + "
          "500 mL 5% AA (or 50g) , plus a seperate bottle of 250 mL 10% lipids.",
          1, 0)
        .span(3)
        .with(platform::kGroup),
    radio("choice1",
          "FINAL concentrations from Stock Solutions such as a mixture with 1.2L of 25% DEX (or "
          "state in grams) + 4% AA, plus a seperate bottle of 250mL 10% lipids.",
          2, 0)
        .span(3),
    radio("choice2",
          "Final values of KCALS and GRAMS protein such as: 1800 kcal and 85g protein; source "
          "of non-protein kcals are defineable.",
          3, 0)
        .span(3),
    button("back", "< Back", 4, 0),
    button("ok", "Next >", 4, 1),
    button("cancel", "Cancel", 4, 2),
};

}  // namespace

WizardChoiceDialog::WizardChoiceDialog(std::span<const platform::ControlDef> controls)
    : Dialog("Parenteral Wizard", controls) {}

void WizardChoiceDialog::readChoice() {
  framework::DataExchange dx(*this);
  dx.radio("choice", choice_);
  dx.fromControls();
}

void WizardChoiceDialog::onInit() {
  choice_ = 0;
  framework::DataExchange dx(*this);
  dx.radio("choice", choice_);
  dx.toControls();
}

bool WizardChoiceDialog::onOk() {
  readChoice();
  return true;
}

void WizardChoiceDialog::onBack() {
  readChoice();
  endModal(platform::kResultOk);
  choice_ = kChoiceBack;
}

void WizardChoiceDialog::onDialogEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "back") {
    onBack();
  } else if (const platform::Control* tapped = find(n.id);
             tapped && tapped->kind() == platform::ControlKind::Radio) {
    requestOk();
  }
}

MixtureChoiceDialog::MixtureChoiceDialog() : WizardChoiceDialog(kMixtureControls) {}

TwoInOneEntryDialog::TwoInOneEntryDialog() : WizardChoiceDialog(kTwoInOneControls) {}

}  // namespace quillion::parenteral
