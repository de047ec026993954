// The "Chart" tab of the growth tools: one chart at a time, chosen from a drop-down, drawn
// from the data page's last computation each time the tab is shown, and saved as a PNG or
// PDF with "Save Chart...".
#pragma once

#include "pediatrics/growth_page.h"
#include "platform/window.h"

namespace quillion::pediatrics {

class CGrowthChartPage : public platform::Form {
 public:
  explicit CGrowthChartPage(const GrowthPage& page);

 protected:
  void onInit() override;
  void onShown() override;
  void onNotify(const platform::Notification& n) override;

 private:
  void redraw();
  void saveChart();

  const GrowthPage& page_;
  int chosen_ = 0;
};

}  // namespace quillion::pediatrics
