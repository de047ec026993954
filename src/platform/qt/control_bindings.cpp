#include "platform/qt/control_bindings.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "platform/qt/form_view.h"
#include "platform/qt/widgets.h"
#include "platform/qt/chart_painter.h"

namespace quillion::platform::qt {
namespace {

// Report-list column widths are given in the handheld's pixels; its screen was half
// as wide as the window here.
constexpr int kHandheldPixel = 2;

// Static texts may carry the handheld's CR LF line ends; Qt wants LF alone.
QString withLineFeeds(const std::string& text) {
  QString converted = toQt(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

bool hasFlag(const Control& control, unsigned flag) { return (control.def().flags & flag) != 0; }

// A tappable label's caption marks its access key with "&" ("&Milk") and writes a literal
// ampersand as "&&"; the handheld showed the key underlined and never the marker itself.
// Other labels may show texts such as file paths, which are shown as they are.
QString withoutAccessKeyMarks(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
        shown += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    shown += text[i];
  }
  return shown;
}

// Watches a widget losing the keyboard focus to another control of its window.
class FocusWatcher final : public QObject {
 public:
  FocusWatcher(QWidget* watched, std::function<void()> onLost)
      : QObject(watched), onLost_(std::move(onLost)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      // The whole window going inactive or a popup opening leaves the focus in place.
      const bool moved = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
      auto* widget = static_cast<QWidget*>(watched);
      if (moved && widget->window()->isVisible()) onLost_();
    }
    return false;
  }

 private:
  std::function<void()> onLost_;
};

class EditBinding final : public ControlBinding {
 public:
  EditBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), edit_(new QLineEdit(parent)) {
    edit_->setReadOnly(hasFlag(control, kReadOnly));
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
      control_.takeUserText(text.toStdString());
      notify({Event::Changed, id()});
    });
    if (hasFlag(control, kFocusNotice)) {
      new FocusWatcher(edit_, [this] { notify({Event::FocusLost, id()}); });
    }
  }
  QWidget* widget() const override { return edit_; }
  void focus() override {
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->selectAll();
  }
  bool userType(const std::string& text) override {
    const QString typed = toQt(text);
    edit_->setText(typed);
    emit edit_->textEdited(typed);
    return true;
  }

 protected:
  void refresh() override {
    const QString text = toQt(control_.text());
    if (edit_->text() == text) return;
    const QSignalBlocker blocker(edit_);
    const bool typing = edit_->hasFocus();
    const int cursor = edit_->cursorPosition();
    edit_->setText(text);
    if (typing) edit_->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
  }

 private:
  QLineEdit* edit_;
};

class ButtonBinding final : public ControlBinding {
 public:
  ButtonBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), button_(new QPushButton(parent)) {
    // Enter never presses a button by surprise.
    button_->setAutoDefault(false);
    button_->setDefault(false);
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [this] { notify({Event::Clicked, id()}); });
  }
  QWidget* widget() const override { return button_; }
  bool userClick() override {
    button_->click();
    return true;
  }

 protected:
  void refresh() override {
    // A caption's own line break (CR LF or a lone CR) starts a second line on the button,
    // so a long two-part caption does not widen the form past the window.
    QString caption = withLineFeeds(control_.text());
    caption.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    button_->setText(literalCaption(caption));
  }

 private:
  QPushButton* button_;
};

class CheckBinding final : public ControlBinding {
 public:
  CheckBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), box_(new QCheckBox(parent)) {
    QObject::connect(box_, &QCheckBox::clicked, box_, [this](bool checked) {
      control_.takeUserChecked(checked);
      notify({Event::Clicked, id()});
    });
  }
  QWidget* widget() const override { return box_; }
  bool userClick() override {
    box_->click();
    return true;
  }

 protected:
  void refresh() override {
    box_->setText(literalCaption(toQt(control_.text())));
    box_->setChecked(control_.checked());
  }

 private:
  QCheckBox* box_;
};

class RadioBinding final : public ControlBinding {
 public:
  RadioBinding(Control& control, FormView& view, QWidget* parent, QButtonGroup* group)
      : ControlBinding(control, view), button_(new QRadioButton(parent)), group_(group) {
    button_->setAutoExclusive(false);
    if (group_) group_->addButton(button_);
    QObject::connect(button_, &QRadioButton::clicked, button_, [this] { clicked(); });
  }
  QWidget* widget() const override { return button_; }
  QRadioButton* button() const { return button_; }
  bool userClick() override {
    button_->click();
    return true;
  }

 protected:
  void refresh() override {
    button_->setText(literalCaption(toQt(control_.text())));
    if (button_->isChecked() == control_.checked()) return;
    if (control_.checked() || !group_) {
      button_->setChecked(control_.checked());
      return;
    }
    // An exclusive group keeps one button checked; the model may have none.
    group_->setExclusive(false);
    button_->setChecked(false);
    group_->setExclusive(true);
  }

 private:
  void clicked() {
    for (Control* member : view_.radioGroupOf(control_)) {
      if (auto* radio = dynamic_cast<RadioBinding*>(view_.binding(*member))) {
        member->takeUserChecked(radio->button()->isChecked());
      }
    }
    notify({Event::Clicked, id()});
  }

  QRadioButton* button_;
  QButtonGroup* group_;
};

class LabelBinding final : public ControlBinding {
 public:
  LabelBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), label_(new TapLabel(parent)) {
    label_->setTappable(hasFlag(control, kTappable));
    label_->onTap = [this] { notify({Event::Clicked, id()}); };
    if (hasFlag(control, kHeading)) {
      QFont bold = label_->font();
      bold.setBold(true);
      label_->setFont(bold);
    }
    const bool wrap = hasFlag(control, kWrap);
    label_->setWordWrap(wrap);
    Qt::Alignment vertical = wrap ? Qt::AlignTop : Qt::AlignVCenter;
    label_->setAlignment((hasFlag(control, kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | vertical);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
  }
  QWidget* widget() const override { return label_; }
  QWidget* focusWidget() const override { return nullptr; }
  bool userClick() override {
    if (!hasFlag(control_, kTappable)) return false;
    label_->onTap();
    return true;
  }

 protected:
  void refresh() override {
    // A static text breaks its line at a carriage return alone too, as the handheld drew it.
    QString text = withLineFeeds(control_.text());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label_->setText(hasFlag(control_, kTappable) ? withoutAccessKeyMarks(text) : text);
  }

 private:
  TapLabel* label_;
};

class BannerBinding final : public ControlBinding {
 public:
  BannerBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), banner_(new BannerWidget(parent)) {
    banner_->setTappable(hasFlag(control, kTappable));
    banner_->onTap = [this] { notify({Event::Clicked, id()}); };
  }
  QWidget* widget() const override { return banner_; }
  QWidget* focusWidget() const override { return nullptr; }
  bool userClick() override {
    if (!hasFlag(control_, kTappable)) return false;
    banner_->onTap();
    return true;
  }

 protected:
  void refresh() override { banner_->setCaption(toQt(control_.text())); }

 private:
  BannerWidget* banner_;
};

// Rows of a list box or drop-down list, changed in place so that a list being
// refreshed from inside its own notification keeps its items alive.
template <typename SetText, typename Append, typename RemoveLast>
void syncRows(std::vector<std::string>& shown, const std::vector<ListItem>& items,
              SetText setText, Append append, RemoveLast removeLast) {
  for (std::size_t row = 0; row < items.size(); ++row) {
    if (row < shown.size()) {
      if (shown[row] != items[row].text) {
        setText(static_cast<int>(row), toQt(items[row].text));
        shown[row] = items[row].text;
      }
    } else {
      append(toQt(items[row].text));
      shown.push_back(items[row].text);
    }
  }
  while (shown.size() > items.size()) {
    removeLast(static_cast<int>(shown.size()) - 1);
    shown.pop_back();
  }
}

class ListBoxBinding final : public ControlBinding {
 public:
  ListBoxBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), list_(new QListWidget(parent)) {
    list_->setFrameShape(QFrame::StyledPanel);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
      control_.takeUserSelection(row);
      notify({Event::SelectionChanged, id(), row});
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this](QListWidgetItem* item) {
      notify({Event::DoubleClicked, id(), list_->row(item)});
    });
    // Enter on a row does what a double tap does (the main list opens the tool).
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
      auto* enter = new QShortcut(key, list_, nullptr, nullptr, Qt::WidgetShortcut);
      QObject::connect(enter, &QShortcut::activated, list_, [this] {
        if (list_->currentRow() >= 0) notify({Event::DoubleClicked, id(), list_->currentRow()});
      });
    }
  }
  QWidget* widget() const override { return list_; }
  bool userChoose(int index) override {
    list_->setCurrentRow(index);
    if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item);
    return true;
  }
  bool userDoubleTap(int index) override {
    QListWidgetItem* item = list_->item(index);
    if (!item) return false;
    // A double tap is one action that sends one notice, as in every backend: the row is
    // selected quietly. Sending the selection change as well would open a tool from the
    // main window's list twice, once for each notice.
    {
      const QSignalBlocker quiet(list_);
      list_->setCurrentRow(index);
    }
    control_.takeUserSelection(index);
    list_->scrollToItem(item);
    emit list_->itemDoubleClicked(item);
    return true;
  }

 protected:
  void refresh() override {
    syncRows(
        shown_, control_.items(), [this](int row, const QString& text) { list_->item(row)->setText(text); },
        [this](const QString& text) { list_->addItem(text); },
        [this](int row) { delete list_->takeItem(row); });
    const int selected = control_.selected();
    QListWidgetItem* item = list_->item(selected);
    if (list_->currentRow() == selected && (!item || item->isSelected())) return;
    list_->setCurrentRow(item ? selected : -1);
    if (item) {
      list_->scrollToItem(item);
    } else {
      list_->clearSelection();
    }
  }

 private:
  QListWidget* list_;
  std::vector<std::string> shown_;
};

class DropDownBinding final : public ControlBinding {
 public:
  DropDownBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), combo_(new QComboBox(parent)) {
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_->setMinimumContentsLength(6);
    combo_->setMaxVisibleItems(12);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) { chosen(index); });
  }
  QWidget* widget() const override { return combo_; }
  bool userChoose(int index) override {
    combo_->setCurrentIndex(index);
    emit combo_->activated(index);
    return true;
  }

 protected:
  void refresh() override {
    syncRows(
        shown_, control_.items(), [this](int row, const QString& text) { combo_->setItemText(row, text); },
        [this](const QString& text) { combo_->addItem(text); },
        [this](int row) { combo_->removeItem(row); });
    if (combo_->currentIndex() != control_.selected()) combo_->setCurrentIndex(control_.selected());
  }

 private:
  void chosen(int index) {
    const bool inList = index >= 0 && index < combo_->count();
    control_.takeUserSelection(inList ? index : -1);
    notify({Event::CloseUp, id(), index});
  }

  QComboBox* combo_;
  std::vector<std::string> shown_;
};

class SpinBinding final : public ControlBinding {
 public:
  SpinBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), buttons_(new SpinButtons(parent)) {
    buttons_->onStep = [this](int step) { notify({Event::Spin, id(), -1, -1, step}); };
  }
  QWidget* widget() const override { return buttons_; }
  QWidget* focusWidget() const override { return nullptr; }
  bool userSpin(int step) override {
    (step > 0 ? buttons_->up() : buttons_->down())->click();
    return true;
  }

 protected:
  void refresh() override {}

 private:
  SpinButtons* buttons_;
};

// A multi-line box that does not take the form's spare height asks for a few lines only.
class TextBox final : public QPlainTextEdit {
 public:
  // A compact box shows four lines, and one more for each further grid row it spans.
  TextBox(bool compact, int rowSpan, QWidget* parent)
      : QPlainTextEdit(parent), compact_(compact), lines_(4 + std::max(0, rowSpan - 1)) {}
  QSize sizeHint() const override {
    QSize hint = QPlainTextEdit::sizeHint();
    if (compact_) hint.setHeight(fontMetrics().lineSpacing() * lines_ + 2 * frameWidth() + 8);
    return hint;
  }

 private:
  bool compact_;
  int lines_;
};

class MultiLineBinding final : public ControlBinding {
 public:
  MultiLineBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), edit_(new TextBox(!hasFlag(control, kStretch), control.def().rowSpan, parent)) {
    const bool readOnly = hasFlag(control, kReadOnly);
    edit_->setReadOnly(readOnly);
    edit_->setVerticalScrollBarPolicy(readOnly ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setTabChangesFocus(true);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
      // The handheld's multi-line boxes hold their line breaks as CR LF.
      QString text = edit_->toPlainText();
      text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
      taken(text.toStdString());
    });
  }
  QWidget* widget() const override { return edit_; }
  bool userType(const std::string& text) override {
    {
      const QSignalBlocker blocker(edit_);
      edit_->setPlainText(withLineFeeds(text));
    }
    taken(text);
    return true;
  }

 protected:
  void refresh() override {
    const QString text = withLineFeeds(control_.text());
    if (edit_->toPlainText() != text) edit_->setPlainText(text);
  }

 private:
  void taken(std::string text) {
    control_.takeUserText(std::move(text));
    notify({Event::Changed, id()});
  }

  QPlainTextEdit* edit_;
};

class ReportListBinding final : public ControlBinding {
 public:
  ReportListBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), table_(new QTableWidget(parent)) {
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setShowGrid(true);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (hasFlag(control, kNoHeader)) header->hide();

    QObject::connect(header, &QHeaderView::sectionClicked, table_,
                     [this](int column) { notify({Event::HeaderTap, id(), -1, column}); });
    QObject::connect(table_, &QTableWidget::cellClicked, table_,
                     [this](int row, int column) { tapped(row, column, Event::CellTap); });
    QObject::connect(table_, &QTableWidget::cellDoubleClicked, table_,
                     [this](int row, int column) { tapped(row, column, Event::CellDoubleTap); });
    new FocusWatcher(table_, [this] { notify({Event::FocusLost, id()}); });
    // Rows chosen with the keyboard send nothing, but the model knows the selected row.
    QObject::connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, table_,
                     [this](const QModelIndex& current) {
                       if (refreshing_) return;
                       control_.takeUserSelection(current.isValid() ? current.row() : -1);
                     });
  }
  QWidget* widget() const override { return table_; }
  bool userHeaderTap(int column) override {
    emit table_->horizontalHeader()->sectionClicked(column);
    return true;
  }
  bool userCellTap(int row, int column, bool twice) override {
    // A tap beside the rows reaches no cell of the widget; the model hears of it directly.
    if (row < 0 || row >= table_->rowCount() || column < 0 || column >= table_->columnCount()) {
      return false;
    }
    table_->setCurrentCell(row, column);
    if (twice) {
      emit table_->cellDoubleClicked(row, column);
    } else {
      emit table_->cellClicked(row, column);
    }
    return true;
  }

 protected:
  void refresh() override {
    refreshing_ = true;
    refreshColumns();
    refreshCells();
    refreshSelection();
    refreshing_ = false;
  }

 private:
  struct ShownRow {
    bool valid = false;
    std::vector<std::string> cells;
    std::optional<RowColors> colors;
  };

  Qt::Alignment alignment(int column) const {
    const auto& columns = control_.columns();
    const ColumnAlign align = column < static_cast<int>(columns.size())
                                  ? columns[static_cast<std::size_t>(column)].align
                                  : ColumnAlign::Left;
    const Qt::Alignment across = align == ColumnAlign::Right    ? Qt::AlignRight
                                 : align == ColumnAlign::Center ? Qt::AlignHCenter
                                                                : Qt::AlignLeft;
    return across | Qt::AlignVCenter;
  }

  void refreshColumns() {
    const auto& columns = control_.columns();
    bool same = columns.size() == shownColumns_.size();
    for (std::size_t c = 0; same && c < columns.size(); ++c) {
      same = columns[c].title == shownColumns_[c].title && columns[c].width == shownColumns_[c].width &&
             columns[c].align == shownColumns_[c].align;
    }
    if (same) return;
    const int count = static_cast<int>(columns.size());
    table_->setColumnCount(count);
    for (int c = 0; c < count; ++c) {
      const ListColumn& column = columns[static_cast<std::size_t>(c)];
      auto* item = new QTableWidgetItem(toQt(column.title));
      item->setTextAlignment(alignment(c));
      table_->setHorizontalHeaderItem(c, item);
      if (column.width > 0) {
        table_->setColumnWidth(c, column.width * kHandheldPixel);
      } else {
        table_->resizeColumnToContents(c);
      }
    }
    shownColumns_ = columns;
    for (auto& row : shownRows_) row.valid = false;  // alignments may have changed
  }

  void refreshCells() {
    const int rows = control_.rowCount();
    const int columns = table_->columnCount();
    if (table_->rowCount() != rows) table_->setRowCount(rows);
    shownRows_.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
      ShownRow& shown = shownRows_[static_cast<std::size_t>(r)];
      bool repaint = !shown.valid;
      if (shown.cells.size() != static_cast<std::size_t>(columns)) {
        shown.cells.assign(static_cast<std::size_t>(columns), std::string());
        repaint = true;
      }
      for (int c = 0; c < columns; ++c) {
        const std::string& text = control_.cell(r, c);
        std::string& was = shown.cells[static_cast<std::size_t>(c)];
        if (!repaint && was == text) continue;
        QTableWidgetItem* item = table_->item(r, c);
        if (!item) {
          item = new QTableWidgetItem;
          item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
          table_->setItem(r, c, item);
        }
        item->setText(toQt(text));
        item->setTextAlignment(alignment(c));
        was = text;
      }
      const RowColors* colors = control_.rowColors(r);
      const bool colorsChanged =
          (colors == nullptr) != !shown.colors.has_value() ||
          (colors && (colors->background != shown.colors->background || colors->text != shown.colors->text));
      if (repaint || colorsChanged) paintRow(r, colors);
      shown.colors = colors ? std::optional<RowColors>(*colors) : std::nullopt;
      shown.valid = true;
    }
  }

  void paintRow(int row, const RowColors* colors) {
    for (int c = 0; c < table_->columnCount(); ++c) {
      QTableWidgetItem* item = table_->item(row, c);
      if (!item) continue;
      if (colors) {
        item->setBackground(QColor::fromRgb(colors->background & 0xFFFFFFu));
        // A coloured row keeps black or white text that reads on it, whatever the palette.
        item->setForeground(
            QColor::fromRgb(readableTextColour(colors->background, colors->text) & 0xFFFFFFu));
      } else {
        item->setBackground(QBrush());
        item->setForeground(QBrush());
      }
    }
  }

  int shownSelection() const {
    const auto rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
  }

  void refreshSelection() {
    const int selected = control_.selected();
    if (selected == shownSelection()) return;
    if (selected >= 0 && selected < table_->rowCount()) {
      table_->selectRow(selected);
      table_->scrollTo(table_->model()->index(selected, 0));
    } else {
      table_->clearSelection();
    }
  }

  void tapped(int row, int column, Event event) {
    control_.takeUserSelection(row >= 0 && row < control_.rowCount() ? row : -1);
    notify({event, id(), row, column});
  }

  QTableWidget* table_;
  bool refreshing_ = false;
  std::vector<ListColumn> shownColumns_;
  std::vector<ShownRow> shownRows_;
};

class HtmlBinding final : public ControlBinding {
 public:
  HtmlBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), html_(new HtmlView(parent)) {}
  QWidget* widget() const override { return html_; }

 protected:
  void refresh() override {
    if (shown_ && *shown_ == control_.text()) return;
    html_->setHtml(toQt(control_.text()));
    shown_ = control_.text();
  }

 private:
  HtmlView* html_;
  std::optional<std::string> shown_;
};

// A chart drawn from the control's description, at whatever size the form gives it.
class ChartView final : public QWidget {
 public:
  ChartView(const Control& control, QWidget* parent) : QWidget(parent), control_(control) {
    setMinimumSize(320, 260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    drawChart(painter, QRectF(rect()), control_.chart());
  }

 private:
  const Control& control_;
};

class ChartBinding final : public ControlBinding {
 public:
  ChartBinding(Control& control, FormView& view, QWidget* parent)
      : ControlBinding(control, view), chart_(new ChartView(control, parent)) {}
  QWidget* widget() const override { return chart_; }
  QWidget* focusWidget() const override { return nullptr; }

 protected:
  void refresh() override { chart_->update(); }

 private:
  ChartView* chart_;
};

}  // namespace

void ControlBinding::update() {
  QWidget* shown = widget();
  const QSignalBlocker blocker(shown);
  // What a screen reader says of the control follows its label and caption.
  // (A control that takes no focus, an up-down pair, is named on its widget.)
  if (QWidget* named = focusWidget() ? focusWidget() : widget()) {
    const QString name = toQt(control_.form().accessibleName(control_));
    if (named->accessibleName() != name) named->setAccessibleName(name);
  }
  if (shown->isHidden() == control_.visible()) shown->setVisible(control_.visible());
  shown->setEnabled(control_.enabled());
  refresh();
}

void ControlBinding::focus() {
  if (QWidget* target = focusWidget()) target->setFocus(Qt::OtherFocusReason);
}

void ControlBinding::notify(const Notification& notification) {
  Form& form = control_.form();
  if (form.view() != static_cast<WindowView*>(&view_)) return;
  form.notify(notification);
  view_.userActionDone();
}

std::unique_ptr<ControlBinding> makeBinding(Control& control, FormView& view, QWidget* parent,
                                            QButtonGroup* radioGroup) {
  switch (control.kind()) {
    case ControlKind::Edit:
      return std::make_unique<EditBinding>(control, view, parent);
    case ControlKind::Button:
      return std::make_unique<ButtonBinding>(control, view, parent);
    case ControlKind::Check:
      return std::make_unique<CheckBinding>(control, view, parent);
    case ControlKind::Radio:
      return std::make_unique<RadioBinding>(control, view, parent, radioGroup);
    case ControlKind::Label:
      if (hasFlag(control, kBanner)) return std::make_unique<BannerBinding>(control, view, parent);
      return std::make_unique<LabelBinding>(control, view, parent);
    case ControlKind::ListBox:
      return std::make_unique<ListBoxBinding>(control, view, parent);
    case ControlKind::DropDown:
      return std::make_unique<DropDownBinding>(control, view, parent);
    case ControlKind::Spin:
      return std::make_unique<SpinBinding>(control, view, parent);
    case ControlKind::MultiLine:
      return std::make_unique<MultiLineBinding>(control, view, parent);
    case ControlKind::ReportList:
      return std::make_unique<ReportListBinding>(control, view, parent);
    case ControlKind::Chart:
      return std::make_unique<ChartBinding>(control, view, parent);
    case ControlKind::Html:
      return std::make_unique<HtmlBinding>(control, view, parent);
  }
  return std::make_unique<LabelBinding>(control, view, parent);
}

}  // namespace quillion::platform::qt
