// Values of the formula record are single-precision and are widened to double before
// any arithmetic, in the order each row gives its product.
#include "enteral/enteral_results.h"

#include "framework/format.h"

namespace quillion::enteral {
namespace {

using framework::formatValue;
using framework::formatValues;

double field(const FormulaRecord& formula, std::size_t offset) {
  return static_cast<double>(formula.number(offset));
}

}  // namespace

Delivery deliver(double energyPerMl, bool energyMode, int volumeMode, double kcal,
                 double volumeInput, double hours) {
  Delivery d;
  d.kcal = kcal;
  if (energyMode) {
    d.totalVolume = kcal / energyPerMl;
  } else {
    d.totalVolume = volumeMode == 1 ? volumeInput * hours : volumeInput;
    d.kcal = energyPerMl * d.totalVolume;
  }
  d.shownVolume = volumeMode == 1 ? d.totalVolume / hours : d.totalVolume;
  return d;
}

double perServing(FormulaRecord& formula, float defaultServing) {
  if (formula.servingSize() < 1.0f) {
    formula.setServingSize(defaultServing);
    return 1.0;
  }
  return 1000.0 / static_cast<double>(formula.servingSize());
}

std::vector<ResultRow> adultResultRows(FormulaRecord& formula, double kcal, double totalVolume,
                                       double hours, double weightKg) {
  namespace f = adult_field;
  const double servings = totalVolume * perServing(formula, 1000.0f) * 0.001;
  const double r = 1 / weightKg;
  const double protein = field(formula, f::kProtein);
  const double carbohydrate = field(formula, f::kCarbohydrate);
  const double fat = field(formula, f::kFat);
  const double water = field(formula, f::kWater);
  const double osmMin = field(formula, f::kOsmolalityMin);
  const double osmMax = field(formula, f::kOsmolalityMax);
  const double rdi = field(formula, f::kRdi);
  // The two percentages are added as the record holds them, in single precision.
  const double npcPercent =
      static_cast<double>(formula.number(f::kPercentCarbohydrate) + formula.number(f::kPercentFat));
  const std::uint32_t Y = kLightYellow;
  const std::uint32_t C = kCyan;
  return {
      {"Kcal", formatValue("%.0lf", kcal), Y},
      {"Kcal/kg", formatValue("%.2lf", kcal * r), Y},
      {"Vol/Hr", formatValue("%.2lf", totalVolume / hours), C},
      {"Hours", formatValue("%.2lf", hours), C},
      {"Total Vol", formatValue("%.0lf", totalVolume), C},
      {"Servings", formatValue("%.2lf", servings), C},
      {"Pro g", formatValue("%.2lf", totalVolume * protein * 0.001), Y},
      {"Pro/kg", formatValue("%.2lf", totalVolume * protein * r * 0.001), Y},
      {"Pro kcal", formatValue("%.2lf", totalVolume * protein * 0.004), Y},
      {"Cho g", formatValue("%.2lf", totalVolume * carbohydrate * 0.001), C},
      {"Cho g/kg", formatValue("%.2lf", totalVolume * carbohydrate * r * 0.001), C},
      {"Fat g", formatValue("%.2lf", totalVolume * fat * 0.001), Y},
      {"Fat g/kg", formatValue("%.2lf", totalVolume * fat * r * 0.001), Y},
      {"Free H2O", formatValue("%.2lf", water * servings), C},
      {"Free H2O/kg", formatValue("%.2lf", water * r * servings), C},
      {"Fiber", formatValue("%.2lf", field(formula, f::kFiber) * servings), Y},
      {"OSMLL", osmMin == osmMax ? formatValue("%.2lf", osmMin)
                                 : formatValues("%.2lf - %.2lf", {osmMin, osmMax}),
       Y},
      {"NPC", formatValue("%.2lf", npcPercent * kcal * 0.01), Y},
      {"NPC:N", formatValue("%.0lf:1", field(formula, f::kNpcToN)), Y},
      {"% of RDI", formatValue("%.0lf %%", ((totalVolume - rdi) / rdi) * 100 + 100), Y},
      {"Na", formatValue("%.2lf mg", field(formula, f::kSodiumMg) * servings), C},
      {"K", formatValue("%.2lf mg", field(formula, f::kPotassiumMg) * servings), C},
      {"Phos", formatValue("%.2lf mg", field(formula, f::kPhosphorusMg) * servings), C},
      {"Ca", formatValue("%.2lf mg", field(formula, f::kCalciumMg) * servings), C},
      {"Mg", formatValue("%.2lf mg", field(formula, f::kMagnesiumMg) * servings), C},
  };
}

std::vector<ResultRow> pedsResultRows(FormulaRecord& formula, double kcal, double totalVolume,
                                      double hours, double weightKg, double dilution) {
  namespace f = peds_field;
  const double servings = perServing(formula, 1000.0f) * dilution * totalVolume * 0.001;
  const double protein = field(formula, f::kProtein);
  const double carbohydrate = field(formula, f::kCarbohydrate);
  const double fat = field(formula, f::kFat);
  const std::uint32_t Y = kLightYellow;
  const std::uint32_t C = kCyan;
  std::vector<ResultRow> rows = {
      {"Kcal", formatValue("%.0lf kcal", kcal), Y},
      {"Kcal/kg", formatValue("%.2lf kcal/kg", kcal / weightKg), Y},
      {"Vol/Hr", formatValue("%.1lf mL/hr", totalVolume / hours), C},
      {"Hours", formatValues("%.2lf hr (%.0lf minutes)", {hours, hours * 60}), C},
      {"Total Vol", formatValue("%.0lf mL", totalVolume), C},
      {"Servings", formatValue("%.2lf servings", servings), C},
      {"Protein", formatValue("%.2lf g", protein * servings), Y},
      {"Protein", formatValue("%.1lf g/kg", (servings / weightKg) * protein), Y},
      {"Protein", formatValue("%.1lf kcal", protein * servings * 4.0), Y},
      {"Protein", formatValue("%.0lf %% of total calories", field(formula, f::kPercentProtein)), Y},
      {"Carbohydrate", formatValue("%.2lf g", carbohydrate * servings), C},
      {"Carbohydrate", formatValue("%.1lf g/kg", (servings / weightKg) * carbohydrate), C},
      {"Carbohydrate",
       formatValue("%.0lf %% of total calories", field(formula, f::kPercentCarbohydrate)), C},
      {"Fat", formatValue("%.2lf g", fat * servings), Y},
      {"Fat", formatValue("%.1lf g/kg", (servings / weightKg) * fat), Y},
      {"Fat", formatValue("%.0lf %% of total calories", field(formula, f::kPercentFat)), Y},
      {"Osmolality", formatValue("%.0lf mOsm/kg water", field(formula, f::kOsmolality) * dilution),
       C},
      {"Osmolarity", formatValue("%.0lf mOsm/L", field(formula, f::kOsmolarity) * dilution), C},
      {"Water", formatValue("%.2lf g", field(formula, f::kWater) * servings), C},
      {"Linoleic Acid", formatValue("%.2lf mg", field(formula, f::kLinoleicAcid) * servings), Y},
  };
  struct Micro {
    std::string_view label;
    const char* format;
  };
  static constexpr Micro kMicros[] = {
      {"Vitamin A", "%.2lf IU"},        {"Vitamin D", "%.2lf IU"},
      {"Vitamin E", "%.2lf IU"},        {"Vitamin K", "%.2lf mcg"},
      {"Thiamine (B1)", "%.2lf mcg"},   {"Riboflavin (B2)", "%.2lf mcg"},
      {"Vitamin B6", "%.2lf mcg"},      {"Vitamin B12", "%.2lf mcg"},
      {"Niacin", "%.2lf mcg"},          {"Folic Acid (Folacin)", "%.2lf mcg"},
      {"Pantothenic Acid", "%.2lf mcg"}, {"Biotin", "%.2lf mcg"},
      {"Vitamin C (Ascorbic Acid)", "%.2lf mcg"}, {"Choline", "%.2lf mg"},
      {"Inositol", "%.2lf mg"},         {"Calcium", "%.2lf mg"},
      {"Phosphorus", "%.2lf mg"},       {"Magnesium", "%.2lf mg"},
      {"Iron", "%.2lf mg"},             {"Zinc", "%.2lf mg"},
      {"Manganese", "%.2lf mcg"},       {"Copper", "%.2lf mcg"},
      {"Iodine", "%.2lf mcg"},          {"Selenium", "%.2lf mcg"},
      {"Sodium", "%.2lf mg"},           {"Potassium", "%.2lf mg"},
      {"Chloride", "%.2lf mg"}};
  for (std::size_t i = 0; i < f::kMicronutrientCount; ++i) {
    rows.push_back({kMicros[i].label,
                    formatValue(kMicros[i].format, field(formula, f::kVitaminA + 4 * i) * servings),
                    Y});
  }
  return rows;
}

}  // namespace quillion::enteral
