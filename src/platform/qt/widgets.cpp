#include "platform/qt/widgets.h"

#include <algorithm>
#include <tuple>

#include <QFontMetrics>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include "platform/qt/program_icon_pixels.h"

namespace quillion::platform::qt {
namespace {

// Dialog units as the handheld's dialog templates measured them: a quarter of the
// average character width across, an eighth of the character height down.
QSize dialogUnits(const QFontMetrics& metrics, int across, int down) {
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  double averageWidth = metrics.horizontalAdvance(alphabet) / 52.0;
  return {static_cast<int>(across * averageWidth / 4.0 + 0.5),
          static_cast<int>(down * metrics.height() / 8.0 + 0.5)};
}

// A standard icon of the base style, fetched the first time it is drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
      : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  // Every standard icon the style is asked for exists; saying so reads nothing.
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
  QIconEngine* clone() const override { return new DeferredStandardIcon(style_, which_); }

 private:
  const QIcon& icon() {
    if (!loaded_) {
      loaded_ = true;
      if (style_) icon_ = style_->standardIcon(which_);
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  bool loaded_ = false;
  QIcon icon_;
};

class ApplicationStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
      return QIcon(new DeferredStandardIcon(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

}  // namespace

QStyle* applicationStyle(const QString& key) {
  return key.isEmpty() ? new ApplicationStyle() : new ApplicationStyle(key);
}

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A tapped link leaves the document as it is.
  connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl&) {});
}

QVariant HtmlView::loadResource(int /*type*/, const QUrl& /*name*/) {
  // No pictures, style sheets or documents come from outside the text itself.
  return {};
}

TapLabel::TapLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void TapLabel::setTappable(bool tappable) {
  tappable_ = tappable;
  setCursor(tappable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TapLabel::mousePressEvent(QMouseEvent* event) {
  if (tappable_ && event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void TapLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_ && event->button() == Qt::LeftButton) {
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint()) && onTap) onTap();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

BannerWidget::BannerWidget(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void BannerWidget::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BannerWidget::setTappable(bool tappable) {
  tappable_ = tappable;
  setCursor(tappable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QSize BannerWidget::sizeHint() const { return dialogUnits(fontMetrics(), 160, 26); }

QSize BannerWidget::minimumSizeHint() const {
  return {dialogUnits(fontMetrics(), 80, 26).width(), sizeHint().height()};
}

void BannerWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();

  QLinearGradient sky(area.topLeft(), area.bottomRight());
  sky.setColorAt(0.0, QColor(0x0B, 0x4F, 0x6C));
  sky.setColorAt(0.6, QColor(0x1B, 0x7F, 0x9E));
  sky.setColorAt(1.0, QColor(0x6C, 0xC3, 0xD5));
  painter.fillRect(area, sky);

  // Two soft arcs on the right give the strip some depth without any picture file.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 28));
  const double h = area.height();
  painter.drawEllipse(QPointF(area.right() - h * 0.9, area.center().y()), h * 1.1, h * 1.1);
  painter.setBrush(QColor(255, 255, 255, 22));
  painter.drawEllipse(QPointF(area.right() - h * 0.2, area.top()), h * 0.8, h * 0.8);

  painter.setPen(QColor(0xF2, 0xC1, 0x4E));
  painter.drawLine(QPointF(area.left(), area.bottom() - 0.5), QPointF(area.right(), area.bottom() - 0.5));

  QFont big = font();
  big.setBold(true);
  big.setPixelSize(std::max(10, static_cast<int>(h * 0.55)));
  painter.setFont(big);
  const QRectF textArea = area.adjusted(h * 0.35, 0, -h * 0.35, 0);
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(textArea.translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter, caption_);
  painter.setPen(Qt::white);
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void BannerWidget::mousePressEvent(QMouseEvent* event) {
  if (tappable_ && event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void BannerWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_ && event->button() == Qt::LeftButton) {
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint()) && onTap) onTap();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  const int width = std::max(16, fontMetrics().height());
  const int height = std::max(10, (fontMetrics().height() + 10) / 2);
  for (auto [button, arrow, step] : {std::tuple{up_, Qt::UpArrow, 1}, std::tuple{down_, Qt::DownArrow, -1}}) {
    button->setArrowType(arrow);
    button->setFixedSize(width, height);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    column->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, stepBy = step] {
      if (onStep) onStep(stepBy);
    });
  }
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QIcon programIcon() {
  QIcon icon;
  for (const IconPixels& size : programIconPixels()) {
    // The image only borrows the words; the pixmap made from it holds its own copy.
    const QImage image(reinterpret_cast<const uchar*>(size.argb), size.side, size.side,
                       size.side * 4, QImage::Format_ARGB32_Premultiplied);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QString literalCaption(const QString& text) {
  QString escaped = text;
  escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return escaped;
}

}  // namespace quillion::platform::qt
