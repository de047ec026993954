#include "adult/custom_activity_dialog.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/data_exchange.h"
#include "platform/platform.h"

namespace quillion::adult {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("intro", "Enter values for Custom Activity Range. Cancel throws away changes.", 0, 0)
        .span(2)
        .with(platform::kWrap),
    label("minimumLabel", "Minimum Activity Factor:", 1, 0),
    edit("minimum", 1, 1),
    label("maximumLabel", "Maximum Activity Factor:", 2, 0),
    edit("maximum", 2, 1),
    button("ok", "OK", 3, 0),
    button("cancel", "Cancel", 3, 1),
    label("commonLabel", "Some common activities:", 4, 0).span(2),
    listBox("activities", 5, 0).span(2).with(platform::kStretch),
};

// Shown sorted, as the list sorts its items.
constexpr std::string_view kCommonActivities[] = {
    "Painting   \t1.3",   "Labroratory work\t1.3", "Hoeing     \t1.7",  "Driving        \t1.3",
    "Typing     \t1.3",   "Ironing     \t1.3",     "Plastering    \t1.7", "Dancing    \t1.7",
    "Sewing     \t1.3",   "Shopping   \t1.5",      "Childcare  \t1.5",  "Golf           \t1.6",
    "Weeding    \t1.6",   "Cleaning   \t1.6",      "Cycling        \t1.6", "Tennis        \t1.7",
    "Skiing         \t1.6", "Football   \t2.0",    "Climbing   \t2.0",  "Digging    \t2.0",
    "Basketball \t2.1",   "Swimming   \t2.1",
};

}  // namespace

CustomActivityDialog::CustomActivityDialog(ActivityRange range)
    : Dialog("Custom Activity Range", kControls), minimum_(range.minimum), maximum_(range.maximum) {}

std::optional<ActivityRange> CustomActivityDialog::choose() {
  if (runModal() != platform::kResultOk) return std::nullopt;
  return ActivityRange{minimum_, maximum_};
}

void CustomActivityDialog::onInit() {
  std::vector<std::string_view> items(std::begin(kCommonActivities), std::end(kCommonActivities));
  std::sort(items.begin(), items.end());
  platform::Control& list = control("activities");
  for (std::string_view item : items) list.addItem(std::string(item));
  // Information only: no row can be chosen.
  list.setEnabled(false);
  framework::DataExchange dx(*this);
  dx.number("minimum", minimum_);
  dx.number("maximum", maximum_);
  dx.toControls();
  focus("minimum");
}

bool CustomActivityDialog::onOk() {
  framework::DataExchange dx(*this);
  dx.number("minimum", minimum_);
  dx.number("maximum", maximum_);
  if (!dx.fromControls()) return false;
  if (minimum_ <= maximum_) return true;
  const int answer = platform::currentPlatform().messageBox(
      "Min value is greater then Max. Swap values?", "OOPS?", platform::MessageIcon::Question,
      platform::MessageButtons::YesNo);
  if (answer != platform::kAnswerYes) return false;
  std::swap(minimum_, maximum_);
  dx.toControls();
  return true;
}

}  // namespace quillion::adult
