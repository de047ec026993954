#include "enteral/formula_lists.h"

#include <algorithm>
#include <vector>

#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::enteral {
namespace {

void tellDamaged(std::string_view fileName, const LoadResult& result) {
  if (result.status != LoadStatus::Invalid && result.status != LoadStatus::Unreadable) return;
  std::string text = result.status == LoadStatus::Invalid
                         ? damagedFileMessage(fileName, result)
                         : "The formula file \"" + std::string(fileName) +
                               "\" cannot be opened for reading; it will not be written over.";
  platform::currentPlatform().messageBox(text, framework::kAppName,
                                         platform::MessageIcon::Warning);
}

}  // namespace

void loadFormulaFiles(FormulaKind kind) {
  FormulaDatabase& db = formulaDatabase(kind);
  const FormulaLayout& layout = layoutOf(kind);
  db.release();
  (void)installStockFile(kind);
  LoadResult stock = db.loadFile(layout.stockFile, false);
  tellDamaged(layout.stockFile, stock);
  if (stock.status == LoadStatus::Invalid && !stock.keptAsPath.empty() &&
      installStockFile(kind)) {
    // The damaged stock file is aside; the program's own copy takes its place.
    (void)db.loadFile(layout.stockFile, false);
  }
  tellDamaged(layout.userFile, db.loadFile(layout.userFile, true));
}

void fillFormulaList(platform::Control& list, const FormulaDatabase& db, bool userOnly) {
  struct Item {
    std::string name;
    int index;
  };
  std::vector<Item> items;
  for (int i = 0; i < db.count(); ++i) {
    if (userOnly && db.isStock(i)) continue;
    items.push_back({db.record(i).name(), i});
  }
  // Sorted as a sorted drop-down sorts: letters without regard to case.
  auto folded = [](const std::string& text) {
    std::string out = text;
    for (char& c : out) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
  };
  std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    return folded(a.name) < folded(b.name);
  });
  list.clearItems();
  for (Item& item : items) list.addItem(std::move(item.name), item.index);
}

int positionOfRecord(const platform::Control& list, int recordIndex) {
  if (recordIndex < 0) return -1;
  const auto& items = list.items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].data == recordIndex) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quillion::enteral
