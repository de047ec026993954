#include "app/unavailable_page.h"

namespace quillion::app {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr ControlDef kControls[] = {
    {"notice", ControlKind::Label,
     "This calculator is not available yet in this version of Quillion. "
     "The reference tabs of this tool can be read.",
     0, 0, 1, 1, platform::kWrap},
};

}  // namespace

CUnavailablePage::CUnavailablePage(std::string title) : Form(std::move(title), kControls) {}

}  // namespace quillion::app
