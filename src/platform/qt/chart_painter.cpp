#include "platform/qt/chart_painter.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include "platform/qt/widgets.h"

namespace quillion::platform::qt {
namespace {

constexpr int kTargetTicks = 10;
constexpr int kPngWidth = 1200;
constexpr int kPngHeight = 900;

// A step of 1, 2 or 5 times a power of ten giving about kTargetTicks ticks.
double tickStep(double span) {
  if (!(span > 0) || !std::isfinite(span)) return 1;
  const double rough = span / kTargetTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

// Tick labels are written the same way whatever the desktop's locale.
QString tickLabel(double value) {
  if (std::fabs(value) < 1e-9) value = 0;
  return QString::number(value, 'g', 6);
}

const QColor kCurveColours[] = {QColor(0xB0, 0x30, 0x30), QColor(0xC0, 0x70, 0x20),
                                QColor(0x80, 0x80, 0x20), QColor(0x30, 0x80, 0x30),
                                QColor(0x10, 0x10, 0x10), QColor(0x30, 0x80, 0x30),
                                QColor(0x80, 0x80, 0x20), QColor(0xC0, 0x70, 0x20),
                                QColor(0xB0, 0x30, 0x30)};

}  // namespace

void drawChart(QPainter& painter, const QRectF& area, const ChartData& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, Qt::white);
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  const QRectF plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("00000")) + line * 1.5,
                                    line * 2, -metrics.horizontalAdvance(QStringLiteral("50th ")) - 8,
                                    -line * 3);
  if (plot.width() <= 10 || plot.height() <= 10) {
    painter.restore();
    return;
  }
  const double xSpan = chart.xMax - chart.xMin;
  const double ySpan = chart.yMax - chart.yMin;
  auto toPoint = [&](double x, double y) {
    const double px = xSpan > 0 ? plot.left() + (x - chart.xMin) / xSpan * plot.width() : plot.left();
    const double py =
        ySpan > 0 ? plot.bottom() - (y - chart.yMin) / ySpan * plot.height() : plot.bottom();
    return QPointF(px, py);
  };

  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.5), Qt::AlignCenter,
                   toQt(chart.title));

  // Gridlines with their tick labels.
  const QPen grid(QColor(0xD8, 0xD8, 0xD8), 1);
  const double xStep = tickStep(xSpan);
  for (double x = std::ceil(chart.xMin / xStep) * xStep; x <= chart.xMax + xStep * 1e-9; x += xStep) {
    const QPointF at = toPoint(x, chart.yMin);
    painter.setPen(grid);
    painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at.x() - 40, plot.bottom() + 2, 80, line), Qt::AlignHCenter | Qt::AlignTop,
                     tickLabel(x));
  }
  const double yStep = tickStep(ySpan);
  for (double y = std::ceil(chart.yMin / yStep) * yStep; y <= chart.yMax + yStep * 1e-9; y += yStep) {
    const QPointF at = toPoint(chart.xMin, y);
    painter.setPen(grid);
    painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), at.y() - line / 2, plot.left() - area.left() - 4, line),
                     Qt::AlignRight | Qt::AlignVCenter, tickLabel(y));
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(plot);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.2, plot.width(), line * 1.5),
                   Qt::AlignCenter, toQt(chart.xTitle));
  painter.save();
  painter.translate(area.left() + line * 0.6, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignCenter,
                   toQt(chart.yTitle));
  painter.restore();

  // The curves, clipped to the plot, named at their right end.
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    const ChartSeries& series = chart.series[i];
    if (series.points.empty()) continue;
    const QColor colour = kCurveColours[i % std::size(kCurveColours)];
    QPainterPath path;
    path.moveTo(toPoint(series.points.front().x, series.points.front().y));
    for (const ChartPoint& p : series.points) path.lineTo(toPoint(p.x, p.y));
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(colour, series.name == "50th" ? 2.0 : 1.2));
    painter.drawPath(path);
    painter.restore();
    const QPointF end = toPoint(series.points.back().x, series.points.back().y);
    if (plot.adjusted(0, -line, 0, line).contains(QPointF(plot.right(), end.y()))) {
      painter.setPen(colour);
      painter.drawText(QPointF(plot.right() + 4, end.y() + line / 3), toQt(series.name));
    }
  }

  // The child's points, joined in order, each labelled.
  painter.setPen(QPen(QColor(0x10, 0x30, 0xA0), 1.5));
  for (std::size_t i = 1; i < chart.marks.size(); ++i) {
    painter.drawLine(toPoint(chart.marks[i - 1].at.x, chart.marks[i - 1].at.y),
                     toPoint(chart.marks[i].at.x, chart.marks[i].at.y));
  }
  for (const ChartMark& mark : chart.marks) {
    const QPointF at = toPoint(mark.at.x, mark.at.y);
    painter.setBrush(QColor(0x10, 0x30, 0xA0));
    painter.drawEllipse(at, 4, 4);
    painter.setBrush(Qt::NoBrush);
    const double width = metrics.horizontalAdvance(toQt(mark.label)) + 4;
    const double left = std::min(at.x() + 6, plot.right() - width);
    painter.drawText(QPointF(left, at.y() - 6), toQt(mark.label));
  }
  if (!chart.note.empty()) {
    painter.setPen(QColor(0xA0, 0x10, 0x10));
    painter.drawText(plot.adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignLeft, toQt(chart.note));
  }
  painter.restore();
}

bool saveChartFile(const ChartData& chart, const std::string& path) {
  const QString name = toQt(path);
  if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    QPdfWriter pdf(name);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setResolution(150);
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    painter.setFont(font);
    drawChart(painter, QRectF(0, 0, pdf.width(), pdf.height()), chart);
    return painter.end() && QFile::exists(name);
  }
  QImage image(kPngWidth, kPngHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(18);
  painter.setFont(font);
  drawChart(painter, QRectF(0, 0, kPngWidth, kPngHeight), chart);
  painter.end();
  return image.save(name, "PNG");
}

}  // namespace quillion::platform::qt
