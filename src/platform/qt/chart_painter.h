// Drawing a chart control with QPainter: the frame, gridlines with tick labels, the axis
// titles, the curves with their names at the right end, the marked points with their
// labels (joined by a line), and the note. The same drawing goes to the screen, to a PNG
// and to a PDF.
#pragma once

#include <string>

#include <QRectF>

#include "platform/control.h"

class QPainter;

namespace quillion::platform::qt {

void drawChart(QPainter& painter, const QRectF& area, const ChartData& chart);

// A PDF for a path ending in ".pdf" (any case), a PNG otherwise; false when it could not
// be written.
bool saveChartFile(const ChartData& chart, const std::string& path);

}  // namespace quillion::platform::qt
