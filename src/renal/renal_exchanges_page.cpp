// A day's renal meal pattern from numbers of food exchanges: energy, protein with its
// high-biological-value share, carbohydrate, fat, potassium, phosphorus and sodium, in
// total and per kg of body weight. The diet type chooses the values of one exchange;
// "K*" counts vegetables and fruits by their potassium level.
#include "renal/renal_exchanges_page.h"

#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"
#include "renal/renal_function.h"

namespace quillion::renal {
namespace {

using platform::ControlDef;
using namespace platform::controls;

constexpr const char* kSection = "RNLEX";

constexpr ControlDef kControls[] = {
    dropDown("type", 0, 0).span(6).named("Diet type"),
    check("kr", "K*", 1, 0).span(3),
    label("mlkLabel", "&Milk", 2, 0).with(platform::kTappable),
    edit("mlk", 2, 1),
    spin("mlkSpin", "mlk", 2, 2),
    label("ndLabel", "&nonDairy", 3, 0).with(platform::kTappable),
    edit("nd", 3, 1),
    spin("ndSpin", "nd", 3, 2),
    label("mtLabel", "&Meat", 4, 0).with(platform::kTappable),
    edit("mt", 4, 1),
    spin("mtSpin", "mt", 4, 2),
    label("strLabel", "&Starch", 5, 0).with(platform::kTappable),
    edit("str", 5, 1),
    spin("strSpin", "str", 5, 2),
    label("fatLabel", "&Fat", 6, 0).with(platform::kTappable),
    edit("fat", 6, 1),
    spin("fatSpin", "fat", 6, 2),
    label("hcLabel", "&Hi Cal", 7, 0).with(platform::kTappable),
    edit("hc", 7, 1),
    spin("hcSpin", "hc", 7, 2),
    label("sLabel", "&Sodium", 8, 0).with(platform::kTappable),
    edit("s", 8, 1),
    spin("sSpin", "s", 8, 2),
    label("vlkLabel", "&Veg lo K", 2, 3).with(platform::kTappable),
    edit("vlk", 2, 4),
    spin("vlkSpin", "vlk", 2, 5),
    label("vmkLabel", "&Veg m K", 3, 3).with(platform::kTappable),
    edit("vmk", 3, 4),
    spin("vmkSpin", "vmk", 3, 5),
    label("vhkLabel", "&Veg hi K", 4, 3).with(platform::kTappable),
    edit("vhk", 4, 4),
    spin("vhkSpin", "vhk", 4, 5),
    label("flkLabel", "&Fruit lo K", 5, 3).with(platform::kTappable),
    edit("flk", 5, 4),
    spin("flkSpin", "flk", 5, 5),
    label("fmkLabel", "&Fruit m K", 6, 3).with(platform::kTappable),
    edit("fmk", 6, 4),
    spin("fmkSpin", "fmk", 6, 5),
    label("fhkLabel", "&Fruit hi K", 7, 3).with(platform::kTappable),
    edit("fhk", 7, 4),
    spin("fhkSpin", "fhk", 7, 5),
    label("weightLabel", "&Weight", 8, 3).with(platform::kTappable),
    edit("weight", 8, 4),
    button("unit", "lbs", 8, 5),
    multiLine("results", 9, 0).span(6).with(platform::kReadOnly | platform::kStretch),
};

// The count boxes, their spins and labels, in group order.
constexpr const char* kCountIds[kExchangeGroupCount] = {
    "mlk", "nd", "mt", "str", "fat", "hc", "s", "vlk", "vmk", "vhk", "flk", "fmk", "fhk"};
constexpr const char* kSpinIds[kExchangeGroupCount] = {
    "mlkSpin", "ndSpin", "mtSpin", "strSpin", "fatSpin", "hcSpin", "sSpin",
    "vlkSpin", "vmkSpin", "vhkSpin", "flkSpin", "fmkSpin", "fhkSpin"};
constexpr const char* kLabelIds[kExchangeGroupCount] = {
    "mlkLabel", "ndLabel", "mtLabel", "strLabel", "fatLabel", "hcLabel", "sLabel",
    "vlkLabel", "vmkLabel", "vhkLabel", "flkLabel", "fmkLabel", "fhkLabel"};

// The counts shown only with "K*" set.
constexpr int kPotassiumLevelGroups[] = {kVegMediumK, kVegHighK, kFruitMediumK, kFruitHighK};

constexpr const char* kPoundsTextFormat = "%.3lf lbs = %.3lf kgs";
constexpr const char* kKilogramsTextFormat = "%.3lf kgs = %.3lf lbs";
constexpr int kUnitCount = static_cast<int>(kWeightUnitCaptions.size());

// The report's count lines: the groups in report order, each with its format.
struct ReportCount {
  int group;
  const char* format;
};
constexpr ReportCount kReportCounts[] = {
    {kFat, "Fat        %i"},    {kHiCal, "High Cal   %i"}, {kMeat, "Meat       %i"},
    {kMilk, "Milk       %i"},   {kNonDairy, "NonDiary   %i"}, {kSodium, "Sodium     %i"},
    {kStarch, "Starch     %i"},
};
constexpr ReportCount kReportPotassiumLevels[] = {
    {kVegLowK, "Veg Low K  %i"},      {kVegMediumK, "Veg Med K  %i"},
    {kVegHighK, "Veg High K %i"},     {kFruitLowK, "Fruit Low K  %i"},
    {kFruitMediumK, "Fruit Med K  %i"}, {kFruitHighK, "Fruit High K %i"},
};
constexpr ReportCount kReportVegAndFruit[] = {
    {kVegLowK, "Veg        %i"},
    {kFruitLowK, "Fruit      %i"},
};

int groupOfId(std::string_view id, const char* const (&ids)[kExchangeGroupCount]) {
  for (int group = 0; group < kExchangeGroupCount; ++group) {
    if (id == ids[group]) return group;
  }
  return -1;
}

}  // namespace

CRenalExchangesDataPage::CRenalExchangesDataPage()
    : CalculatorPage("Renal Meal Planning", kControls, kSection,
                     framework::MenuBar::SaveAndOptions) {
  choice("type", dietType_).keep("Type", kDietTypeCount);
  check("kr", potassiumRestriction_).keep("KR");
  for (int group = 0; group < kExchangeGroupCount; ++group) {
    auto count = integer(kCountIds[group], counts_[static_cast<std::size_t>(group)]);
    count.keep(kExchangeGroups[static_cast<std::size_t>(group)].key);
    if (group == kFat || group == kFruitHighK) count.range(0, 99);
  }
  number("weight", weight_).keep("Weight");
  stored(weightUnit_).keep("WtUnits", kUnitCount);
  text("results", resultsText_);
}

void CRenalExchangesDataPage::prepareControls() {
  platform::Control& types = control("type");
  for (int i = 0; i < kDietTypeCount; ++i) {
    types.addItem(std::string(kDietTypes[static_cast<std::size_t>(i)]), i);
  }
}

void CRenalExchangesDataPage::showPotassiumLevels() {
  const bool levels = potassiumLevels();
  control("vlkLabel").setText(std::string(levels ? kExchangeGroups[kVegLowK].label : kVegLabel));
  control("flkLabel").setText(
      std::string(levels ? kExchangeGroups[kFruitLowK].label : kFruitLabel));
  for (int group : kPotassiumLevelGroups) {
    control(kCountIds[group]).setVisible(levels);
    control(kSpinIds[group]).setVisible(levels);
    control(kLabelIds[group]).setVisible(levels);
  }
}

void CRenalExchangesDataPage::calculate() {
  if (dietType_ < 0 || dietType_ >= kDietTypeCount) return;  // no diet type: results stay
  const double kilograms = toKilograms(weight_, weightUnit_);
  weightText_ = weightUnit_ == kPounds
                    ? framework::formatValues(kPoundsTextFormat, {weight_, kilograms})
                    : framework::formatValues(kKilogramsTextFormat,
                                              {kilograms, kilograms * kKilogramsToPounds});
  control("unit").setText(std::string(kWeightUnitCaptions[static_cast<std::size_t>(weightUnit_)]));
  showPotassiumLevels();
  const RenalTotals totals =
      renalTotals(exchangeTableForDiet(dietType_), counts_, potassiumLevels());
  resultsText_ = renalResultsText(totals, kilograms);
}

void CRenalExchangesDataPage::onNotify(const platform::Notification& n) {
  const int group = n.event == platform::Event::Spin ? groupOfId(n.id, kSpinIds) : -1;
  if (group < 0) {
    CalculatorPage::onNotify(n);
    return;
  }
  // A spin never takes a count below zero; a negative count typed or stored stays as
  // it is and counts as that many exchanges taken away.
  int& count = counts_[static_cast<std::size_t>(group)];
  if (n.step > 0) {
    ++count;
  } else if (count > 0) {
    --count;
  }
  updateData(false);
  compute();
}

void CRenalExchangesDataPage::onPageEvent(const platform::Notification& n) {
  using platform::Event;
  if (n.event == Event::CloseUp && n.id == "type") {
    compute();
  } else if (n.event == Event::Clicked && n.id == "kr") {
    compute();
  } else if (n.event == Event::Clicked && n.id == "unit") {
    // The unit is a label only: the weight in the box is not converted.
    weightUnit_ = (weightUnit_ + 1) % kUnitCount;
    compute();
  } else if (n.event == Event::Clicked && n.id == "weightLabel") {
    platform::currentPlatform().messageBox(weightText_, framework::kAppName,
                                           platform::MessageIcon::Information);
  } else if (n.event == Event::Clicked) {
    const int group = groupOfId(n.id, kLabelIds);
    if (group >= 0) showSingleExchange(group);
  }
}

void CRenalExchangesDataPage::showSingleExchange(int group) {
  const bool levels = potassiumLevels();
  std::string_view name = kExchangeGroups[static_cast<std::size_t>(group)].name;
  if (!levels && group == kVegLowK) name = kVegName;
  if (!levels && group == kFruitLowK) name = kFruitName;
  const ExchangeTable& table = exchangeTableForDiet(dietType_);
  const ExchangeValues& values = table[static_cast<std::size_t>(valuesGroupFor(group, levels))];
  platform::currentPlatform().messageBox(singleExchangeText(name, values), framework::kAppName,
                                         platform::MessageIcon::Information);
}

void CRenalExchangesDataPage::writeReportLines(framework::ResultLog& log) {
  log.writeLine(framework::formatText("Weight %s", weightText_));
  log.writeLine(framework::formatText("Potassium Restriction : %s", potassiumLevels() ? "Yes" : "No"));
  for (const ReportCount& line : kReportCounts) {
    log.writeInteger(line.format, counts_[static_cast<std::size_t>(line.group)]);
  }
  if (potassiumLevels()) {
    for (const ReportCount& line : kReportPotassiumLevels) {
      log.writeInteger(line.format, counts_[static_cast<std::size_t>(line.group)]);
    }
  } else {
    for (const ReportCount& line : kReportVegAndFruit) {
      log.writeInteger(line.format, counts_[static_cast<std::size_t>(line.group)]);
    }
  }
  log.writeBlank();
  log.writeLine(resultsText_);
}

}  // namespace quillion::renal
