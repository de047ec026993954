// The few widgets the standard set lacks: an HTML view whose links and pictures stay
// inert, a tappable label, the main window's drawn banner and the up-down buttons.
#pragma once

#include <functional>
#include <string_view>

#include <QIcon>
#include <QStyle>
#include <QLabel>
#include <QString>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace quillion::platform::qt {

// The program's UTF-8 text as Qt text.
inline QString toQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows reference documents: links do nothing and every picture is reported missing.
class HtmlView : public QTextBrowser {
 public:
  explicit HtmlView(QWidget* parent = nullptr);
  QVariant loadResource(int type, const QUrl& name) override;
};

// A label that reports a tap (press and release inside it).
class TapLabel : public QLabel {
 public:
  explicit TapLabel(QWidget* parent = nullptr);
  void setTappable(bool tappable);
  std::function<void()> onTap;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool tappable_ = false;
  bool pressed_ = false;
};

// The strip across the top of the main window: a gradient with the caption in large
// bold type, about 160 by 26 dialog units.
class BannerWidget : public QWidget {
 public:
  explicit BannerWidget(QWidget* parent = nullptr);
  void setCaption(const QString& caption);
  void setTappable(bool tappable);
  std::function<void()> onTap;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  bool tappable_ = false;
  bool pressed_ = false;
};

// Two small stacked arrow buttons; a press reports +1 (up) or -1 (down).
class SpinButtons : public QWidget {
 public:
  explicit SpinButtons(QWidget* parent = nullptr);
  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }
  std::function<void(int)> onStep;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// The program's window icon: the desktop icon at 16, 32, 48 and 64 pixels.
QIcon programIcon();

// The application's style: the platform's own (or the one named by key), with the few
// standard icons a window asks for when it is made but seldom shows (the menu bar's
// arrow for menus that do not fit) read from their image files when first drawn. The
// first image file read loads every image format plugin, which start-up need not wait
// for.
QStyle* applicationStyle(const QString& key = {});

// Captions shown by buttons and tabs: a lone '&' is text, not a mnemonic marker.
QString literalCaption(const QString& text);

}  // namespace quillion::platform::qt
