#include "parenteral/review_page.h"

namespace quillion::parenteral {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    multiLine("reviews", 0, 0).with(platform::kStretch | platform::kReadOnly).named("Reviews"),
};

}  // namespace

std::string& reviewText() {
  static std::string text;
  return text;
}

ReviewPage::ReviewPage() : Form("Reviews", kControls) {}

void ReviewPage::onShown() { control("reviews").setText(reviewText()); }

void ReviewPage::showText(const std::string& text) {
  if (initialized()) control("reviews").setText(text);
}

}  // namespace quillion::parenteral
