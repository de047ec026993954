// Common foods sorted by their potassium content: a list of servings with their weight,
// household measure and potassium, and below it the food and measure of the row tapped.
#include "renal/potassium_content_page.h"

#include "framework/format.h"
#include "renal/potassium_table.h"

namespace quillion::renal {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr ControlDef kControls[] = {
    heading("heading", "Common Foods sorted by Potassium Content", 0, 0),
    reportList("foods", 1, 0).with(platform::kStretch).named("Potassium content of foods"),
    label("selection", "", 2, 0).with(platform::kWrap),
};

constexpr const char* kSelectionFormat = "%s (%s)";

}  // namespace

CPotassiumContentPP::CPotassiumContentPP() : Form("K Content", kControls) {}

void CPotassiumContentPP::onInit() {
  platform::Control& foods = control("foods");
  using platform::ColumnAlign;
  foods.setColumns({{"Food", 78, ColumnAlign::Left},
                    {"WT(g)", 43, ColumnAlign::Center},
                    {"Amt.", 50, ColumnAlign::Center},
                    {"K(mg)", 42, ColumnAlign::Center}});
  const auto table = potassiumTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int row = foods.insertRow(static_cast<int>(i), table[i].food);
    foods.setCell(row, 1, table[i].weight);
    foods.setCell(row, 2, table[i].amount);
    foods.setCell(row, 3, table[i].potassium);
  }
  showRow(0);
}

void CPotassiumContentPP::onNotify(const platform::Notification& n) {
  if (n.id != "foods") return;
  if (n.event == platform::Event::CellTap || n.event == platform::Event::CellDoubleTap) {
    showRow(n.row);
  }
}

void CPotassiumContentPP::showRow(int row) {
  const auto table = potassiumTable();
  // A tap beside the rows changes nothing.
  if (row < 0 || row >= static_cast<int>(table.size())) return;
  const PotassiumRow& shown = table[static_cast<std::size_t>(row)];
  control("selection").setText(framework::formatTexts(kSelectionFormat, {shown.food, shown.amount}));
}

}  // namespace quillion::renal
