#include "enteral/formula_editor_rows.h"

#include <cmath>
#include <cstdint>

#include "framework/format.h"

namespace quillion::enteral {
namespace {

namespace af = adult_field;
namespace pf = peds_field;

// The adult rows after the first thirteen: water, then four rows a mineral, then fibre.
struct Mineral {
  std::string_view name;     // in the questions
  std::string_view unitName; // "mEq", or "mmol" for phosphorus
  std::size_t mgField;
  std::size_t meqField;
  double mgToMeq;
  double meqToMg;
};

constexpr Mineral kMinerals[] = {
    {"Sodium", "mEq", af::kSodiumMg, af::kSodiumMeq, 0.043478260869565216, 23},
    {"Potassium", "mEq", af::kPotassiumMg, af::kPotassiumMeq, 0.02564102564102564, 39},
    {"Chloride", "mEq", af::kChlorideMg, af::kChlorideMeq, 0.14124293785310735, 7.08},
    {"Calcium", "mEq", af::kCalciumMg, af::kCalciumMeq, 0.05, 20},
    {"Phosphorus", "mmol", af::kPhosphorusMg, af::kPhosphorusMeq, 0.09375, 10.666666666666666},
    {"Magnesium", "mEq", af::kMagnesiumMg, af::kMagnesiumMeq, 0.08333333333333333, 12},
};

constexpr std::size_t kPlainAdultFields[] = {
    af::kProtein,      af::kCarbohydrate,        af::kFat,        af::kPercentProtein,
    af::kPercentCarbohydrate, af::kPercentFat,   af::kNpcToN,     af::kOsmolalityMin,
    af::kOsmolalityMax, af::kRdi};  // rows 3 to 12

// The field of each pediatric row.
constexpr std::size_t kPedsFields[13] = {
    pf::kServingSize, pf::kCalories, pf::kProtein,   pf::kPercentProtein,  pf::kCarbohydrate,
    pf::kPercentCarbohydrate, pf::kFat, pf::kPercentFat, pf::kOsmolality, pf::kOsmolarity,
    pf::kPowder,      pf::kWater,    pf::kLinoleicAcid};

std::size_t pedsField(int row) {
  if (row < 13) return kPedsFields[row];
  return pf::kVitaminA + 4 * static_cast<std::size_t>(row - 13);
}

// The per-serving field of a per-litre / per-serving row pair (rows 13 to 40), and
// whether the row is the per-litre one.
struct PairRow {
  std::size_t field;
  bool perLitre;
  const Mineral* mineral;
  bool mgRow;
};

PairRow pairRow(int row) {
  if (row <= 14) return {af::kWater, row == 13, nullptr, false};
  if (row >= 39) return {af::kFiber, row == 39, nullptr, false};
  const Mineral& m = kMinerals[(row - 15) / 4];
  const int k = (row - 15) % 4;  // mg/L, mg/Serving, mEq/L, mEq/Serving
  return {k < 2 ? m.mgField : m.meqField, k % 2 == 0, &m, k < 2};
}

double perServingOf(FormulaRecord& formula) {
  if (formula.servingSize() < 1.0f) {
    formula.setServingSize(layoutOf(formula.kind()).defaultServingSize);
    return 1.0;
  }
  return 1000.0 / static_cast<double>(formula.servingSize());
}

double widened(const FormulaRecord& formula, std::size_t field) {
  return static_cast<double>(formula.number(field));
}

std::vector<EditorRow> makeAdultRows() {
  std::vector<EditorRow> rows = {
      {"Serving Size", "mL"},
      {"Calories", "per mL"},
      {"Calories", "per Serving"},
      {"Protein", "g/L"},
      {"Carbohydrate", "g/L"},
      {"Fat", "g/L"},
      {"% Cal: Protein", "%"},
      {"% Cal: Carbohydrate", "%"},
      {"% Cal: Fat", "%"},
      {"NPC:N Ratio", "ratio"},
      {"Osmol Min", "mOsm/kg water"},
      {"Osmol Max", "mOsm/kg water"},
      {"RDI", "mL needed to meet RDA requirements"},
      {"Water Content", "mL/L"},
      {"Water Content", "mL/Serving"}};
  for (const Mineral& m : kMinerals) {
    rows.push_back({m.name, "mg/L"});
    rows.push_back({m.name, "mg/Serving"});
    rows.push_back({m.name, "mEq/L"});
    rows.push_back({m.name, "mEq/Serving"});
  }
  rows.push_back({"Fiber", "g/L"});
  rows.push_back({"Fiber", "g/Serving"});
  return rows;
}

std::vector<EditorRow> makePedsRows() {
  std::vector<EditorRow> rows = {
      {"Serving Size", "mL"},
      // The stock list holds energy per mL at full strength here, which is what the
      // calculator multiplies by millilitres.
      {"Calories", "per mL"},
      {"Protein", "g/serving"},
      {"% Cal: Protein", "%"},
      {"Carbohydrate", "g/serving"},
      {"% Cal: Carbohydrate", "%"},
      {"Fat", "g/serving"},
      {"% Cal: Fat", "%"},
      {"Osmolality", "mOsm/kg Water"},
      {"Osmolarity", "mOsm /liter"},
      {"Powder", "g"},
      {"Water", "g"},
      {"Linoleic Acid", "mg"}};
  constexpr EditorRow kMicros[] = {
      {"Vitamin A", "IU"},        {"Vitamin D", "IU"},          {"Vitamin E", "IU"},
      {"Vitamin K", "mcg"},       {"Thiamine (B1)", "mcg"},     {"Riboflavin (B2)", "mcg"},
      {"Vitamin B6", "mcg"},      {"Vitamin B12", "mcg"},       {"Niacin", "mcg"},
      {"Folic Acid (Folacin)", "mcg"}, {"Pantothenic Acid", "mcg"}, {"Biotin", "mcg"},
      {"Vitamin C (Ascorbic Acid)", "mcg"}, {"Choline", "mg"},  {"Inositol", "mg"},
      {"Calcium", "mg"},          {"Phosphorus", "mg"},         {"Magnesium", "mg"},
      {"Iron", "mg"},             {"Zinc", "mg"},               {"Manganese", "mcg"},
      {"Copper", "mcg"},          {"Iodine", "mcg"},            {"Selenium", "mcg"},
      {"Sodium", "mg"},           {"Potassium", "mg"},          {"Chloride", "mg"}};
  for (const EditorRow& row : kMicros) rows.push_back(row);
  return rows;
}

}  // namespace

const std::vector<EditorRow>& editorRows(FormulaKind kind) {
  static const std::vector<EditorRow> adult = makeAdultRows();
  static const std::vector<EditorRow> peds = makePedsRows();
  return kind == FormulaKind::Adult ? adult : peds;
}

std::string editorValueText(FormulaRecord& formula, int row) {
  const double perServing = perServingOf(formula);
  if (formula.kind() == FormulaKind::Pediatric) {
    return framework::formatValue("%.2f", widened(formula, pedsField(row)));
  }
  if (row == 0) return framework::formatValue("%.2f", widened(formula, af::kServingSize));
  if (row == 1) return framework::formatValue("%.2f", widened(formula, af::kKcalPerMl));
  if (row == 2) {
    return framework::formatValue(
        "%.2f", widened(formula, af::kKcalPerMl) * widened(formula, af::kServingSize));
  }
  if (row == 9) return framework::formatValue("%.0f:1", widened(formula, af::kNpcToN));
  if (row <= 12) return framework::formatValue("%.2f", widened(formula, kPlainAdultFields[row - 3]));
  const PairRow pair = pairRow(row);
  const double value = widened(formula, pair.field);
  return framework::formatValue("%.2f", pair.perLitre ? value * perServing : value);
}

std::optional<UnitQuestion> storeEditorValue(FormulaRecord& formula, int row, float value) {
  const double perServing = perServingOf(formula);
  if (formula.kind() == FormulaKind::Pediatric) {
    formula.setNumber(pedsField(row), value);
    return std::nullopt;
  }
  if (row == 0) {
    formula.setNumber(af::kServingSize, value);
    return std::nullopt;
  }
  if (row == 1) {
    formula.setNumber(af::kKcalPerMl, value);
    return std::nullopt;
  }
  if (row == 2) {
    formula.setNumber(af::kKcalPerMl,
                      static_cast<float>(static_cast<double>(value) * perServing * 0.001));
    return std::nullopt;
  }
  if (row <= 12) {
    formula.setNumber(kPlainAdultFields[row - 3], value);
    return std::nullopt;
  }
  const PairRow pair = pairRow(row);
  formula.setNumber(pair.field, pair.perLitre
                                    ? static_cast<float>(static_cast<double>(value) / perServing)
                                    : value);
  if (!pair.mineral) return std::nullopt;
  const Mineral& m = *pair.mineral;
  const double typed = static_cast<double>(value);
  const double stored = widened(formula, pair.field);
  UnitQuestion q;
  if (pair.mgRow) {
    q.text = framework::formatFields(
        "You've entered a value of %.2lf for %s mg.\r\nDo you want to put a value of %.2lf "
        "into %s %s?",
        {typed, m.name, typed * m.mgToMeq, m.name, m.unitName});
    q.targetField = m.meqField;
    q.targetValue = static_cast<float>(stored * m.mgToMeq);
  } else {
    q.text = framework::formatFields(
        "You've entered a value of %.2lf for %s %s.\r\nDo you want to put a value of %.2lf "
        "into %s mg?",
        {typed, m.name, m.unitName, typed * m.meqToMg, m.name});
    q.targetField = m.mgField;
    q.targetValue = static_cast<float>(stored * m.meqToMg);
  }
  return q;
}

std::string editorDetails(const FormulaRecord& formula) {
  if (formula.kind() == FormulaKind::Pediatric) {
    return framework::formatTexts(
        "Mfg:  %s\r\nForm: %s\r\nProtein Source: %s\r\nFat Source: %s\r\nCarbohydrate "
        "Source: %s\r\nUse: %s",
        {formula.text(pf::kManufacturer, pf::kManufacturerWidth),
         formula.text(pf::kForm, pf::kFormWidth),
         formula.text(pf::kProteinSource, pf::kSourceWidth),
         formula.text(pf::kFatSource, pf::kSourceWidth),
         formula.text(pf::kCarbohydrateSource, pf::kSourceWidth),
         formula.text(pf::kUse, pf::kUseWidth)});
  }
  const std::string manufacturer = formula.text(af::kManufacturer, af::kManufacturerWidth);
  const std::string form = formula.text(af::kForm, af::kFormWidth);
  const std::string protein = formula.text(af::kProteinSource, af::kSourceWidth);
  const std::string fat = formula.text(af::kFatSource, af::kSourceWidth);
  const std::string carbohydrate = formula.text(af::kCarbohydrateSource, af::kSourceWidth);
  const std::string closed = formula.text(af::kClosedSystem, af::kClosedSystemWidth);
  const std::string flavors = formula.text(af::kFlavors, af::kFlavorsWidth);
  // The number of flavors is a signed byte.
  const int flavorCount = static_cast<std::int8_t>(formula.byte(af::kFlavorCount));
  return framework::formatFields(
      "Mfg:  %s\r\nForm: %s\r\nProtein Source: %s\r\nFat Source: %s\r\nCarbohydrate Source: "
      "%s\r\nClosed System: %s\r\nNumber of Flavors: %i\r\nFlavors: %s",
      {manufacturer, form, protein, fat, carbohydrate, closed, flavorCount, flavors});
}

float parseTypedValue(std::string_view text) {
  // Only a whole number counts: "1,5" or "12abc" store 0 rather than a part of what was
  // typed, and a number a float cannot hold ("nan", "1e60") stores 0 too.
  double value = 0;
  if (!framework::parseNumberBox(text, value)) return 0.0f;
  const auto narrowed = static_cast<float>(value);
  return std::isfinite(value) && std::isfinite(narrowed) ? narrowed : 0.0f;
}

}  // namespace quillion::enteral
