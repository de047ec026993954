// Converts one value into every unit of its category. After a change of category the
// from unit is the category's own starting unit (mg for the minerals, joule for energy).
#include "conversions/conversions_page.h"

#include "conversions/conversion_tables.h"

namespace quillion::conversions {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "CP";
constexpr int kNameColumnWidth = 108;
constexpr int kValueColumnWidth = 100;

constexpr ControlDef kControls[] = {
    label("categoryLabel", "Category:", 0, 0),
    dropDown("category", 0, 1),
    edit("value", 1, 0).named("Value"),
    dropDown("unit", 1, 1).named("From unit"),
    reportList("results", 2, 0).span(2).with(platform::kStretch | platform::kNoHeader).named("Converted values"),
};

}  // namespace

CConversionsPage::CConversionsPage()
    : CalculatorPage("Conversions", kControls, kSection, framework::MenuBar::None) {
  choice("category", category_).keep("Cat", kCategoryCount);
  number("value", value_).keep("Num");
  choice("unit", fromUnit_).keep("Uni");
}

void CConversionsPage::loadInputs(framework::SettingsStore& store) {
  CalculatorPage::loadInputs(store);
  // A from unit beyond the loaded category's list counts as its first unit.
  fromUnit_ = effectiveFromUnit(category_, fromUnit_);
}

void CConversionsPage::prepareControls() {
  platform::Control& categories = control("category");
  for (int i = 0; i < kCategoryCount; ++i) {
    categories.addItem(std::string(kConversionCategories[static_cast<std::size_t>(i)].name), i);
  }
  control("results").setColumns({{"", kNameColumnWidth, platform::ColumnAlign::Left},
                                 {"", kValueColumnWidth, platform::ColumnAlign::Right}});
  fillUnits();
}

void CConversionsPage::fillUnits() {
  platform::Control& units = control("unit");
  platform::Control& results = control("results");
  units.clearItems();
  results.deleteAllRows();
  const auto& category = kConversionCategories[static_cast<std::size_t>(category_)];
  int row = 0;
  for (const ConversionUnit& unit : category.units) {
    units.addItem(std::string(unit.name), row);
    results.insertRow(row, std::string(unit.name));
    ++row;
  }
}

void CConversionsPage::calculate() {
  auto rows = conversionRows(category_, effectiveFromUnit(category_, fromUnit_), value_);
  platform::Control& results = control("results");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    results.setCell(static_cast<int>(i), 1, rows[i].valueText);
  }
}

void CConversionsPage::onPageEvent(const platform::Notification& n) {
  if (n.event != platform::Event::CloseUp) return;
  if (n.id == "unit") {
    compute();
  } else if (n.id == "category") {
    updateData(true);
    if (category_ < 0 || category_ >= kCategoryCount) category_ = 0;
    fillUnits();
    fromUnit_ = kFromUnitAfterCategoryChange[static_cast<std::size_t>(category_)];
    updateData(false);
    compute();
  }
}

}  // namespace quillion::conversions
