// A day's diabetic food exchanges turned into energy, carbohydrate, protein and fat
// (grams and share of energy) and an approximate fibre range. Milk and meat exchanges
// take their values from the chosen milk and meat types.
#include "diabetes/diabetic_exchange_page.h"

#include "diabetes/select_exchange_type_dialog.h"
#include "framework/format.h"
#include "framework/reference_pages.h"

namespace quillion::diabetes {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "DMEx";

constexpr ControlDef kControls[] = {
    label("fruitLabel", "&Fruit:", 0, 0).with(platform::kTappable),
    edit("fruit", 0, 1),
    label("vegLabel", "&Vegetable:", 1, 0).with(platform::kTappable),
    edit("veg", 1, 1),
    label("milkLabel", "&Milk:", 2, 0).with(platform::kTappable),
    edit("milk", 2, 1),
    button("milkType", "", 2, 2),
    label("starchLabel", "&Starch:", 3, 0).with(platform::kTappable),
    edit("starch", 3, 1),
    label("meatLabel", "&Meat:", 4, 0).with(platform::kTappable),
    edit("meat", 4, 1),
    button("meatType", "", 4, 2),
    label("fatLabel", "&Fat:", 5, 0).with(platform::kTappable),
    edit("fat", 5, 1),
    multiLine("results", 6, 0).span(3).with(platform::kReadOnly | platform::kStretch),
    label("hint",
          "Hint: Click on the name of the exchange to see a list of common exchanges (such as "
          "&Fruit:) Click here to see \"FREE FOODS\"",
          7, 0)
        .span(3)
        .with(platform::kTappable | platform::kWrap),
};

// The reference document each tappable label opens: the group's common exchanges, and
// the free foods for the hint.
struct ExchangeList {
  std::string_view labelId;
  int documentId;
};
constexpr ExchangeList kExchangeLists[] = {
    {"starchLabel", 128}, {"meatLabel", 130}, {"milkLabel", 132}, {"vegLabel", 135},
    {"fruitLabel", 138},  {"fatLabel", 140},  {"hint", 142},
};

}  // namespace

CDiabeticExchangeDataPage::CDiabeticExchangeDataPage()
    : CalculatorPage("Data Entry", kControls, kSection, framework::MenuBar::SaveAndOptions) {
  number("fruit", counts_.fruit).keep("Fruits");
  number("veg", counts_.vegetable).keep("Veggies");
  number("milk", counts_.milk).keep("Milks");
  stored(milkRow_).keep("Milk", kExchangeTypeCount);
  number("starch", counts_.starch).keep("Starches");
  number("meat", counts_.meat).keep("Meats");
  stored(meatRow_).keep("Meat", kExchangeTypeCount);
  number("fat", counts_.fat).keep("Fats");
  // The milk table's "User Defined" row is kept with the page's inputs.
  ExchangeType& userMilk = exchangeTypes(ExchangeTypeKind::Milk)[kUserDefinedRow];
  stored(userMilk.carbohydrate).keep("UCho");
  stored(userMilk.protein).keep("UPro");
  stored(userMilk.fat).keep("UFat");
  stored(userMilk.kcal).keep("UCal");
  text("results", resultsText_);
}

void CDiabeticExchangeDataPage::loadInputs(framework::SettingsStore& store) {
  CalculatorPage::loadInputs(store);
  // The separator row is no type: a stored one counts as the default.
  if (!choosableRow(milkRow_)) milkRow_ = kUserDefinedRow;
  if (!choosableRow(meatRow_)) meatRow_ = kUserDefinedRow;
}

std::string CDiabeticExchangeDataPage::milkCaption() const {
  return typeCaption(exchangeTypes(ExchangeTypeKind::Milk)[static_cast<std::size_t>(milkRow_)],
                     milkRow_);
}

std::string CDiabeticExchangeDataPage::meatCaption() const {
  return typeCaption(exchangeTypes(ExchangeTypeKind::Meat)[static_cast<std::size_t>(meatRow_)],
                     meatRow_);
}

void CDiabeticExchangeDataPage::calculate() {
  control("milkType").setText(milkCaption());
  control("meatType").setText(meatCaption());
  const DiabeticTotals totals = diabeticTotals(
      counts_, exchangeTypes(ExchangeTypeKind::Milk)[static_cast<std::size_t>(milkRow_)],
      exchangeTypes(ExchangeTypeKind::Meat)[static_cast<std::size_t>(meatRow_)]);
  resultsText_ = diabeticResultsText(totals);
}

void CDiabeticExchangeDataPage::onPageEvent(const platform::Notification& n) {
  if (n.event != platform::Event::Clicked) return;
  if (n.id == "milkType" || n.id == "meatType") {
    const bool milk = n.id == "milkType";
    int& row = milk ? milkRow_ : meatRow_;
    auto chosen = chooseExchangeType(milk ? ExchangeTypeKind::Milk : ExchangeTypeKind::Meat, row);
    if (!chosen) return;
    row = *chosen;
    compute();
    return;
  }
  for (const ExchangeList& list : kExchangeLists) {
    if (n.id != list.labelId) continue;
    framework::ReferenceWindow window(list.documentId);
    window.run();
    return;
  }
}

void CDiabeticExchangeDataPage::writeReportLines(framework::ResultLog& log) {
  log.writeValue("%.lf Starch", counts_.starch);
  log.writeValue("%.lf Veg", counts_.vegetable);
  log.writeValue("%.lf Fruit", counts_.fruit);
  log.writeLine(framework::formatFields("%.lf Milk (%s)", {counts_.milk, milkCaption()}));
  log.writeLine(framework::formatFields("%.lf Meat (%s)", {counts_.meat, meatCaption()}));
  log.writeValue("%.lf Fat", counts_.fat);
  log.writeLine(resultsText_);
}

}  // namespace quillion::diabetes
