// Controls as plain state. A form owns its controls; every change made by the program
// is passed on to the form's view (if a backend shows the form), and every change a
// user makes arrives through the backend as a notification to the form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::platform {

class Form;

enum class ControlKind {
  Edit,        // one-line text box
  Button,      // push button
  Check,       // check box
  Radio,       // radio button; kGroup marks the first of a group
  Label,       // static text (tappable with kTappable)
  ListBox,     // list of text rows, each carrying an integer
  DropDown,    // drop-down list
  Spin,        // up-down control stepping its buddy edit box
  MultiLine,   // multi-line text box
  ReportList,  // list control in report view: columns, cells, row colours
  Html,        // HTML document view
  Chart,       // a plot: titled axes with ranges, named curves, marked points
};

enum ControlFlag : unsigned {
  kReadOnly = 1u << 0,    // text boxes: not editable
  kTappable = 1u << 1,    // labels: a tap sends Clicked
  kGroup = 1u << 2,       // radio: first button of a group
  kStretch = 1u << 3,     // takes the spare height of the form
  kAlignRight = 1u << 4,  // labels: right-aligned text
  kBanner = 1u << 5,      // labels: drawn as the main window's banner
  kHeading = 1u << 6,     // labels: bold group heading
  kNoHeader = 1u << 7,    // report lists: no column headers
  kWrap = 1u << 8,        // labels: wrap long text
  kFocusNotice = 1u << 9, // edit boxes: losing the focus to another control sends FocusLost
};

// One row of a form's control table, as a dialog template would give it.
struct ControlDef {
  std::string_view id;
  ControlKind kind;
  std::string_view caption;
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
  unsigned flags = 0;
  std::string_view buddy = {};  // spin: the id of the edit box it steps
  std::string_view name = {};   // what a screen reader calls it, where no label says

  // The same row spanning more grid cells, or with more flags.
  constexpr ControlDef span(int columns, int rows = 1) const {
    ControlDef def = *this;
    def.columnSpan = columns;
    def.rowSpan = rows;
    return def;
  }
  constexpr ControlDef with(unsigned moreFlags) const {
    ControlDef def = *this;
    def.flags |= moreFlags;
    return def;
  }
  constexpr ControlDef named(std::string_view accessibleName) const {
    ControlDef def = *this;
    def.name = accessibleName;
    return def;
  }
};

// Control-table rows by kind, each at its grid row and column, so that a table reads
// like the form it draws: label("naUnit", "mEq/L", 0, 3), spin("naSpin", "na", 0, 2).
namespace controls {

constexpr ControlDef label(std::string_view id, std::string_view caption, int row, int column) {
  return {id, ControlKind::Label, caption, row, column};
}
constexpr ControlDef heading(std::string_view id, std::string_view caption, int row, int column) {
  return label(id, caption, row, column).with(kHeading);
}
constexpr ControlDef edit(std::string_view id, int row, int column) {
  return {id, ControlKind::Edit, "", row, column};
}
constexpr ControlDef multiLine(std::string_view id, int row, int column) {
  return {id, ControlKind::MultiLine, "", row, column};
}
constexpr ControlDef spin(std::string_view id, std::string_view buddy, int row, int column) {
  return {id, ControlKind::Spin, "", row, column, 1, 1, 0, buddy};
}
constexpr ControlDef button(std::string_view id, std::string_view caption, int row, int column) {
  return {id, ControlKind::Button, caption, row, column};
}
constexpr ControlDef check(std::string_view id, std::string_view caption, int row, int column) {
  return {id, ControlKind::Check, caption, row, column};
}
constexpr ControlDef radio(std::string_view id, std::string_view caption, int row, int column) {
  return {id, ControlKind::Radio, caption, row, column};
}
constexpr ControlDef dropDown(std::string_view id, int row, int column) {
  return {id, ControlKind::DropDown, "", row, column};
}
constexpr ControlDef listBox(std::string_view id, int row, int column) {
  return {id, ControlKind::ListBox, "", row, column};
}
constexpr ControlDef reportList(std::string_view id, int row, int column) {
  return {id, ControlKind::ReportList, "", row, column};
}
constexpr ControlDef html(std::string_view id, int row, int column) {
  return {id, ControlKind::Html, "", row, column};
}
constexpr ControlDef chart(std::string_view id, int row, int column) {
  return {id, ControlKind::Chart, "", row, column};
}

}  // namespace controls

struct ListItem {
  std::string text;
  int data = 0;
};

enum class ColumnAlign { Left, Center, Right };

struct ListColumn {
  std::string title;
  int width = 80;
  ColumnAlign align = ColumnAlign::Left;
};

// A plot as the program describes it; the backend draws it.
struct ChartPoint {
  double x = 0;
  double y = 0;
};

struct ChartSeries {
  std::string name;  // drawn at the curve's right end
  std::vector<ChartPoint> points;
};

struct ChartMark {
  ChartPoint at;
  std::string label;
};

struct ChartData {
  std::string title;
  std::string xTitle;
  std::string yTitle;
  double xMin = 0;
  double xMax = 1;
  double yMin = 0;
  double yMax = 1;
  std::vector<ChartSeries> series;
  std::vector<ChartMark> marks;  // more than one are joined by a line, in order
  std::string note;              // shown where a mark would be, e.g. why there is none
};

// Colours as 0xRRGGBB. A row without colours of its own is drawn in the defaults.
struct RowColors {
  std::uint32_t background = 0xFFFFFF;
  std::uint32_t text = 0x000000;
};

// The contrast ratio of two colours by their relative luminance (WCAG 2), 1 to 21.
double contrastRatio(std::uint32_t first, std::uint32_t second);
// The text colour a row is drawn in: its own where it reads on its background at 4.5:1
// at least, otherwise black or white, whichever reads better.
std::uint32_t readableTextColour(std::uint32_t background, std::uint32_t text);

class Control {
 public:
  Control(Form& form, const ControlDef& def);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDef& def() const { return def_; }
  std::string_view id() const { return def_.id; }
  ControlKind kind() const { return def_.kind; }
  Form& form() const { return form_; }

  // Edit and multi-line text, label and button captions, HTML source.
  const std::string& text() const { return text_; }
  void setText(std::string text);

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // List box and drop-down list.
  const std::vector<ListItem>& items() const { return items_; }
  void clearItems();
  int addItem(std::string text, int data = 0);
  int selected() const { return selected_; }  // -1 when nothing is selected
  void setSelected(int index);
  int selectedData() const;  // the selected row's integer, -1 when none

  // Report-view list control.
  const std::vector<ListColumn>& columns() const { return columns_; }
  void setColumns(std::vector<ListColumn> columns);
  int rowCount() const { return static_cast<int>(cells_.size()); }
  int insertRow(int at, std::string firstCell);
  void deleteRow(int row);
  void deleteAllRows();
  const std::string& cell(int row, int column) const;
  void setCell(int row, int column, std::string text);
  const RowColors* rowColors(int row) const;
  void setRowColors(int row, RowColors colors);
  void ensureVisible(int row);

  // Chart controls.
  const ChartData& chart() const { return chart_; }
  void setChart(ChartData chart);

  // Backends record a user's edit here without echoing it back to the view.
  void takeUserText(std::string text) { text_ = std::move(text); }
  void takeUserChecked(bool checked) { checked_ = checked; }
  void takeUserSelection(int index) { selected_ = index; }

 private:
  void changed();

  Form& form_;
  ControlDef def_;
  std::string text_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<ListItem> items_;
  int selected_ = -1;
  std::vector<ListColumn> columns_;
  std::vector<std::vector<std::string>> cells_;
  std::vector<RowColors> rowColors_;
  std::vector<bool> hasRowColors_;
  ChartData chart_;
};

}  // namespace quillion::platform
