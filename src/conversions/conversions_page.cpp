// Converts one value into every unit of its category. After a change of category the
// from unit is the category's own starting unit (mg for the minerals, joule for energy).
#include "conversions/conversions_page.h"

#include "conversions/conversion_tables.h"

namespace quillion::conversions {
namespace {

using platform::ControlKind;
using platform::ControlDef;

constexpr const char* kSection = "CP";
constexpr int kNameColumnWidth = 108;
constexpr int kValueColumnWidth = 100;

constexpr ControlDef kControls[] = {
    {"categoryLabel", ControlKind::Label, "Category:", 0, 0},
    {"category", ControlKind::DropDown, "", 0, 1},
    {"value", ControlKind::Edit, "", 1, 0},
    {"unit", ControlKind::DropDown, "", 1, 1},
    {"results", ControlKind::ReportList, "", 2, 0, 1, 2, platform::kStretch | platform::kNoHeader},
};

}  // namespace

CConversionsPage::CConversionsPage() : CalculatorPage("Conversions", kControls, false, kSection) {
  keepInteger("Uni", fromUnit_);
  keepIndex("Cat", category_, kCategoryCount);
  keepNumber("Num", value_);
}

void CConversionsPage::bind(framework::DataExchange& dx) {
  dx.choice("category", category_);
  dx.number("value", value_);
  dx.choice("unit", fromUnit_);
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
  control("results").setColumns({{"", kNameColumnWidth, false}, {"", kValueColumnWidth, true}});
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
