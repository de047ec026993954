#include "parenteral/parenteral_options_dialog.h"

#include "framework/strings.h"
#include "parenteral/solution_results.h"
#include "platform/platform.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("intro", "Configure options related to Parenteral.", 0, 0).span(3),
    heading("lipidType", "Lipid Type", 1, 0).span(3),
    label("lipidsHave", "Lipids have ", 2, 0),
    edit("kcal", 2, 1),
    label("kcalUnit", "kcals per gram", 2, 2),
    label("usually", "(usually between 9.0 and 10.0)", 3, 0).span(3),
    heading("reviewSystem", "Review System", 4, 0).span(3),
    check("showReviews", "Show Reviews (adult standards)", 5, 0).span(3),
    check("flashes", "Review indicator flashes", 6, 0).span(3),
    button("ok", "OK", 7, 0),
};

}  // namespace

ParenteralOptionsDialog::ParenteralOptionsDialog(int showReviews, int flashes)
    : Dialog("Options", kControls),
      kcalPerGram_(lipidKcalPerGram()),
      showReviews_(showReviews),
      flashes_(flashes),
      exchange_(*this) {
  exchange_.number("kcal", kcalPerGram_);
  exchange_.check("showReviews", showReviews_);
  exchange_.check("flashes", flashes_);
}

void ParenteralOptionsDialog::onInit() {
  exchange_.toControls();
  exchange_.fromControls();
  enableFlashes();
}

void ParenteralOptionsDialog::enableFlashes() {
  control("flashes").setEnabled(showReviews_ != 0);
}

void ParenteralOptionsDialog::onDialogEvent(const platform::Notification& n) {
  if (n.event == platform::Event::Clicked && n.id == "showReviews") {
    exchange_.fromControls();
    enableFlashes();
  } else if (n.event == platform::Event::Changed && n.id == "kcal") {
    const double before = kcalPerGram_;
    if (exchange_.fromControls() && kcalPerGram_ != before) lipidKcalPerGram() = kcalPerGram_;
  }
}

bool ParenteralOptionsDialog::onOk() {
  if (!exchange_.fromControls()) return false;
  if (kcalPerGram_ >= kLipidKcalPerGramMin && kcalPerGram_ <= kLipidKcalPerGramMax) return true;
  platform::currentPlatform().messageBox(kLipidKcalOutOfRange, framework::kAppName,
                                         platform::MessageIcon::Warning);
  focus("kcal");
  return false;
}

}  // namespace quillion::parenteral
