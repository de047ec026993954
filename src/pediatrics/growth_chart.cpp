#include "pediatrics/growth_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/format.h"

namespace quillion::pediatrics {
namespace {

struct Curve {
  std::string_view name;
  double z;  // the standard normal quantile of the percentile
};

constexpr Curve kCurves[] = {{"3rd", -1.880794}, {"5th", -1.644854}, {"10th", -1.281552},
                             {"25th", -0.674490}, {"50th", 0.0},      {"75th", 0.674490},
                             {"90th", 1.281552},  {"95th", 1.644854}, {"97th", 1.880794}};

// Room above and below the curves, as a share of their span.
constexpr double kMargin = 0.05;

std::string axisTitle(std::string_view title, std::string_view unit) {
  return std::string(title) + " (" + std::string(unit) + ")";
}

std::string pointLabel(std::string_view what, const ChartSubject& s, double x) {
  return framework::formatTexts(
      framework::formatValues("%s%.2lf %s at %.2lf %s", {s.y * s.yFactor, x * s.xFactor}),
      {what, s.yUnit, s.xUnit});
}

}  // namespace

double lmsValue(double l, double m, double s, double z) {
  return l == 0 ? m * std::exp(s * z) : m * std::pow(1 + l * s * z, 1 / l);
}

platform::ChartData growthChart(const GrowthTable& table, const ChartSubject& subject) {
  platform::ChartData chart;
  chart.title = std::string(subject.name) + (subject.sex == 0 ? ", boys" : ", girls");
  chart.xTitle = axisTitle(subject.xTitle, subject.xUnit);
  chart.yTitle = axisTitle(subject.yTitle, subject.yUnit);
  const int n = table.rowsPerSex();
  const int block = subject.sex == 0 ? 0 : n;
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const Curve& curve : kCurves) {
    platform::ChartSeries series{std::string(curve.name), {}};
    for (int r = block; r < block + n; ++r) {
      const double value = lmsValue(table.cell(r, 2), table.cell(r, 3), table.cell(r, 4), curve.z);
      const double y = value * subject.yFactor;
      series.points.push_back({table.cell(r, 1) * subject.xFactor, y});
      if (std::isfinite(y)) {
        low = std::min(low, y);
        high = std::max(high, y);
      }
    }
    chart.series.push_back(std::move(series));
  }
  const double firstX = table.cell(block, 1);
  const double lastX = table.cell(block + n - 1, 1);
  chart.xMin = firstX * subject.xFactor;
  chart.xMax = lastX * subject.xFactor;
  const double margin = (high - low) * kMargin;
  chart.yMin = std::max(0.0, low - margin);
  chart.yMax = high + margin;

  // A point is drawn only inside the chart: on its x range and between its outer curves'
  // extremes (with their margin).
  auto inside = [&](double x) {
    const double y = subject.y * subject.yFactor;
    return x >= firstX && x <= lastX && y >= chart.yMin && y <= chart.yMax;
  };
  const bool corrected = subject.chronologicalX.has_value();
  if (corrected && !inside(*subject.chronologicalX)) {
    chart.note = kOutsideTheChart;
  } else if (!inside(subject.x)) {
    chart.note = kOutsideTheChart;
  }
  if (!chart.note.empty()) return chart;
  if (corrected) {
    chart.marks.push_back({{*subject.chronologicalX * subject.xFactor, subject.y * subject.yFactor},
                           pointLabel("Chronological age: ", subject, *subject.chronologicalX)});
    chart.marks.push_back({{subject.x * subject.xFactor, subject.y * subject.yFactor},
                           pointLabel("Corrected age: ", subject, subject.x)});
  } else {
    chart.marks.push_back(
        {{subject.x * subject.xFactor, subject.y * subject.yFactor}, pointLabel("", subject, subject.x)});
  }
  return chart;
}

}  // namespace quillion::pediatrics
