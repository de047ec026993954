#include "pediatrics/growth_chart_page.h"

#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::pediatrics {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    label("chartLabel", "Chart:", 0, 0),
    dropDown("chart", 0, 1),
    button("saveChart", "Save Chart...", 0, 2),
    chart("plot", 1, 0).span(3).with(platform::kStretch),
};

constexpr std::string_view kCouldNotSaveChart = "Could not save the chart to that file.";
constexpr std::string_view kChartMissing = "This chart could not be loaded.";

}  // namespace

CGrowthChartPage::CGrowthChartPage(const GrowthPage& page)
    : Form("Chart", kControls), page_(page) {}

void CGrowthChartPage::onInit() {
  platform::Control& charts = control("chart");
  int index = 0;
  for (const ChartSubject& subject : page_.chartSubjects()) {
    charts.addItem(std::string(subject.name), index++);
  }
  charts.setSelected(chosen_);
}

void CGrowthChartPage::onShown() { redraw(); }

void CGrowthChartPage::redraw() {
  const std::vector<ChartSubject> subjects = page_.chartSubjects();
  if (chosen_ < 0 || chosen_ >= static_cast<int>(subjects.size())) chosen_ = 0;
  if (subjects.empty()) return;
  const ChartSubject& subject = subjects[static_cast<std::size_t>(chosen_)];
  const std::optional<GrowthTable>& table = page_.table(subject.chart);
  if (!table) {
    platform::ChartData empty;
    empty.title = std::string(subject.name);
    empty.note = std::string(kChartMissing);
    control("plot").setChart(std::move(empty));
    return;
  }
  control("plot").setChart(growthChart(*table, subject));
}

void CGrowthChartPage::saveChart() {
  platform::SaveFileRequest request;
  request.filters = {{"PNG Image (*.png)", "*.png"}, {"PDF Document (*.pdf)", "*.pdf"}};
  request.defaultExtension = "png";
  request.pathMustExist = true;
  auto path = platform::currentPlatform().askSaveFileName(request);
  if (!path) return;
  if (!platform::currentPlatform().saveChart(control("plot"), *path)) {
    platform::currentPlatform().messageBox(kCouldNotSaveChart, framework::kAppName,
                                           platform::MessageIcon::Warning);
  }
}

void CGrowthChartPage::onNotify(const platform::Notification& n) {
  if (n.event == platform::Event::CloseUp && n.id == "chart") {
    chosen_ = control("chart").selected();
    redraw();
  } else if (n.event == platform::Event::Clicked && n.id == "saveChart") {
    saveChart();
  }
}

}  // namespace quillion::pediatrics
