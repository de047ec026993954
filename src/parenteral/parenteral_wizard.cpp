#include "parenteral/parenteral_wizard.h"

#include "parenteral/custom_mix_page.h"
#include "parenteral/two_in_one_final_page.h"
#include "parenteral/two_in_one_initial_page.h"
#include "parenteral/two_in_one_kcal_page.h"
#include "parenteral/wizard_dialogs.h"

namespace quillion::parenteral {
namespace {

std::unique_ptr<ParenteralPage> makeTwoInOnePage(int choice) {
  if (choice == 1) return std::make_unique<CTwoInOneFinalPage>();
  if (choice == 2) return std::make_unique<CTwoInOneKcalPage>();
  return std::make_unique<CTwoInOneInitialPage>();
}

}  // namespace

void ParenteralWizard::run() {
  for (;;) {
    MixtureChoiceDialog mixture;
    if (mixture.runModal() != platform::kResultOk || mixture.choice() == kChoiceBack) return;
    if (mixture.choice() == 1) {
      CCustomMixPage page;
      if (runSheet_(page) == kOutcomeBack) continue;
      return;
    }
    for (;;) {
      TwoInOneEntryDialog entry;
      if (entry.runModal() != platform::kResultOk) return;
      if (entry.choice() == kChoiceBack) break;
      std::unique_ptr<ParenteralPage> page = makeTwoInOnePage(entry.choice());
      if (runSheet_(*page) != kOutcomeBack) return;
    }
  }
}

}  // namespace quillion::parenteral
