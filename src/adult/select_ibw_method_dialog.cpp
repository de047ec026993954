#include "adult/select_ibw_method_dialog.h"

#include "framework/data_exchange.h"
#include "framework/save_options.h"
#include "platform/platform.h"

namespace quillion::adult {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"standard", ControlKind::Radio, "Standard IBW (Broca's Index)", 0, 0, 1, 2, platform::kGroup},
    {"standardFormula", ControlKind::Label,
     "M = 106 lbs + 6 lbs per inch over 5 ft\nF = 100 lbs + 5 lbs per inch over 5 ft", 1, 0, 1, 2},
    {"devine", ControlKind::Radio, "Devine IBW", 2, 0, 1, 2},
    {"devineFormula", ControlKind::Label,
     "M = 50 kg + 2.3 kg per inch over 5 ft\nF = 45.5 kg + 2.3 kg per inch over 5 ft", 3, 0, 1, 2},
    {"robinson", ControlKind::Radio, "Robinson IBW", 4, 0, 1, 2},
    {"robinsonFormula", ControlKind::Label,
     "M = 52 kg + 1.9 kg per inch over 5 ft\nF = 49 kg + 1.7 kg per inch over 5 ft", 5, 0, 1, 2},
    {"miller", ControlKind::Radio, "Miller IBW", 6, 0, 1, 2},
    {"millerFormula", ControlKind::Label,
     "M = 56.2 kg + 1.41 kg per inch over 5 ft\nF = 53.1 kg + 1.36 kg per inch over 5 ft", 7, 0, 1, 2},
    {"ok", ControlKind::Button, "OK", 8, 0},
    {"cancel", ControlKind::Button, "Cancel", 8, 1},
};

constexpr const char* kIbwCaptions[framework::kIbwMethodCount] = {
    "IBW:Standard", "IBW:Devine", "IBW:Robinson", "IBW:Miller"};

bool knownMethod(int method) { return method >= 0 && method < framework::kIbwMethodCount; }

}  // namespace

const char* ibwButtonCaption(int method) { return kIbwCaptions[knownMethod(method) ? method : 0]; }

std::optional<framework::IbwChoice> chooseIbwMethod(int current) {
  SelectIbwMethodDialog dialog(current);
  if (dialog.runModal() != platform::kResultOk) return std::nullopt;
  const int method = knownMethod(dialog.method()) ? dialog.method() : 0;
  return framework::IbwChoice{method, ibwButtonCaption(method)};
}

SelectIbwMethodDialog::SelectIbwMethodDialog(int method)
    : Dialog("Select IBW Method", kControls), method_(method) {}

void SelectIbwMethodDialog::onInit() {
  framework::DataExchange dx(*this);
  dx.radio("standard", method_);
  dx.toControls();
}

bool SelectIbwMethodDialog::onOk() {
  framework::DataExchange dx(*this);
  dx.radio("standard", method_);
  dx.fromControls();
  return true;
}

}  // namespace quillion::adult
