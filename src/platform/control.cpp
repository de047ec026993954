// Control state and the notices it sends its form's view.
#include "platform/control.h"

#include <algorithm>
#include <cmath>

#include "platform/window.h"

namespace quillion::platform {
namespace {
const std::string kEmpty;
}

Control::Control(Form& form, const ControlDef& def) : form_(form), def_(def) {
  if (def.kind != ControlKind::Edit && def.kind != ControlKind::MultiLine &&
      def.kind != ControlKind::Html) {
    text_ = std::string(def.caption);
  }
}

void Control::changed() { form_.controlChanged(*this); }

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  changed();
}

void Control::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void Control::clearItems() {
  items_.clear();
  selected_ = -1;
  changed();
}

int Control::addItem(std::string text, int data) {
  items_.push_back({std::move(text), data});
  changed();
  return static_cast<int>(items_.size()) - 1;
}

void Control::setSelected(int index) {
  int count = kind() == ControlKind::ReportList ? rowCount() : static_cast<int>(items_.size());
  if (index < 0 || index >= count) index = -1;
  if (index == selected_) return;
  selected_ = index;
  changed();
}

int Control::selectedData() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(items_.size())) return -1;
  return items_[static_cast<std::size_t>(selected_)].data;
}

namespace {

double channelLuminance(std::uint32_t colour, int shift) {
  const double value = ((colour >> shift) & 0xFFu) / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(std::uint32_t colour) {
  return 0.2126 * channelLuminance(colour, 16) + 0.7152 * channelLuminance(colour, 8) +
         0.0722 * channelLuminance(colour, 0);
}

}  // namespace

double contrastRatio(std::uint32_t first, std::uint32_t second) {
  const double a = relativeLuminance(first);
  const double b = relativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t readableTextColour(std::uint32_t background, std::uint32_t text) {
  constexpr double kReadable = 4.5;
  if (contrastRatio(background, text) >= kReadable) return text;
  return contrastRatio(background, 0x000000) >= contrastRatio(background, 0xFFFFFF) ? 0x000000
                                                                                     : 0xFFFFFF;
}

void Control::setChart(ChartData chart) {
  chart_ = std::move(chart);
  changed();
}

void Control::setColumns(std::vector<ListColumn> columns) {
  columns_ = std::move(columns);
  for (auto& row : cells_) row.resize(columns_.size());
  changed();
}

int Control::insertRow(int at, std::string firstCell) {
  if (at < 0 || at > rowCount()) at = rowCount();
  std::vector<std::string> row(columns_.empty() ? 1 : columns_.size());
  row[0] = std::move(firstCell);
  cells_.insert(cells_.begin() + at, std::move(row));
  rowColors_.insert(rowColors_.begin() + at, RowColors{});
  hasRowColors_.insert(hasRowColors_.begin() + at, false);
  if (selected_ >= at) ++selected_;
  changed();
  return at;
}

void Control::deleteRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  cells_.erase(cells_.begin() + row);
  rowColors_.erase(rowColors_.begin() + row);
  hasRowColors_.erase(hasRowColors_.begin() + row);
  if (selected_ == row) {
    selected_ = -1;
  } else if (selected_ > row) {
    --selected_;
  }
  changed();
}

void Control::deleteAllRows() {
  cells_.clear();
  rowColors_.clear();
  hasRowColors_.clear();
  selected_ = -1;
  changed();
}

const std::string& Control::cell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0) return kEmpty;
  const auto& cells = cells_[static_cast<std::size_t>(row)];
  if (column >= static_cast<int>(cells.size())) return kEmpty;
  return cells[static_cast<std::size_t>(column)];
}

void Control::setCell(int row, int column, std::string text) {
  if (row < 0 || row >= rowCount() || column < 0) return;
  auto& cells = cells_[static_cast<std::size_t>(row)];
  if (column >= static_cast<int>(cells.size())) cells.resize(static_cast<std::size_t>(column) + 1);
  if (cells[static_cast<std::size_t>(column)] == text) return;
  cells[static_cast<std::size_t>(column)] = std::move(text);
  changed();
}

const RowColors* Control::rowColors(int row) const {
  if (row < 0 || row >= rowCount() || !hasRowColors_[static_cast<std::size_t>(row)]) return nullptr;
  return &rowColors_[static_cast<std::size_t>(row)];
}

void Control::setRowColors(int row, RowColors colors) {
  if (row < 0 || row >= rowCount()) return;
  rowColors_[static_cast<std::size_t>(row)] = colors;
  hasRowColors_[static_cast<std::size_t>(row)] = true;
  changed();
}

void Control::ensureVisible(int /*row*/) { changed(); }

}  // namespace quillion::platform
