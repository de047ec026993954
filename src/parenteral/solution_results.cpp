#include "parenteral/solution_results.h"

#include <cmath>
#include <functional>

#include "framework/format.h"

namespace quillion::parenteral {

double& lipidKcalPerGram() {
  static double value = kLipidKcalPerGramStart;
  return value;
}

namespace ParenteralUnits {

double weightKg(double weight, int weightUnit) {
  if (weightUnit == ParenteralWeightUnit::kLbs) return weight * kPoundsToKg;
  if (weightUnit == ParenteralWeightUnit::kGrams) return weight * 0.001;
  return weight;
}

NutrientAmount nutrientGrams(int amountUnit, double volumeMl, double weightKg, double amount) {
  NutrientAmount result;
  switch (amountUnit) {
    case AmountUnit::kGramsPerLitre: result.grams = amount * volumeMl * 0.001; break;
    case AmountUnit::kGrams: result.grams = amount; break;
    case AmountUnit::kGramsPerKg: result.grams = amount * weightKg; break;
    case AmountUnit::kGramsPerGram: result.grams = amount * weightKg * 1000; break;
    default:
      result.grams = amount * volumeMl * 0.01;
      result.percent = amount;
      return result;
  }
  result.percent = (100 / volumeMl) * result.grams;
  return result;
}

LipidAmounts lipidAmounts(int emulsion, double amount, int lipidUnit, double hours,
                          double weightKg) {
  LipidAmounts result;
  if (amount < 0.001 || hours < 0.01) return result;
  const double factor = kEmulsionKcalPerMl[emulsion >= 0 && emulsion < 3 ? emulsion : 0];
  const double kcalPerGram = lipidKcalPerGram();
  switch (lipidUnit) {
    case LipidUnit::kMlPerHour:
    case LipidUnit::kMl:
      if (lipidUnit == LipidUnit::kMlPerHour) amount = amount * hours;
      result.volume = amount;
      result.kcal = factor * result.volume;
      result.grams = result.kcal / kcalPerGram;
      break;
    case LipidUnit::kGramsPerKg:
    case LipidUnit::kGrams:
      if (lipidUnit == LipidUnit::kGramsPerKg) amount = amount * weightKg;
      result.grams = amount;
      result.kcal = kcalPerGram * result.grams;
      result.volume = result.kcal / factor;
      break;
    case LipidUnit::kGramsPerGram:
      result.grams = amount * weightKg * 1000;
      result.kcal = kcalPerGram * result.grams;
      result.volume = result.kcal / factor;
      break;
    default:
      break;
  }
  return result;
}

}  // namespace ParenteralUnits

void SolutionResults::derive(double weightKg, double mixVolumeMl, bool withTotalOsmolarity) {
  choKcal = choGrams * kDextroseKcalPerGram;
  proteinKcal = proteinGrams * kProteinKcalPerGram;
  npcKcal = choKcal + lipidKcal;
  totalKcal = npcKcal + proteinKcal;
  deriveFromEnergy(weightKg, mixVolumeMl, withTotalOsmolarity);
}

void SolutionResults::setLipidRates(double hours, double leastHours) {
  if (hours > leastHours) {
    lipidRate = lipidVolume / hours;
    lipidMgKgMin = lipidGramsPerKg * 1000 / (hours * 60);
  } else {
    lipidRate = 0;
    lipidMgKgMin = 0;
  }
}

void SolutionResults::deriveFromEnergy(double weightKg, double mixVolumeMl,
                                       bool withTotalOsmolarity) {
  const double p = proteinGrams;
  const double d = choGrams;
  npcToN = (kProteinPerGramNitrogen / p) * npcKcal;
  const double k = 1 / totalKcal;
  choPercentKcal = k * choKcal * 100;
  proteinPercentKcal = k * proteinKcal * 100;
  lipidPercentKcal = k * lipidKcal * 100;
  const double w = 1 / weightKg;
  proteinGramsPerKg = w * p;
  choGramsPerKg = w * d;
  lipidGramsPerKg = w * lipidGrams;
  proteinMgKgMin = proteinGramsPerKg * 1000 / (deliveryHours * 60);
  choMgKgMin = choGramsPerKg * 1000 / (deliveryHours * 60);
  const double v = 1 / totalVolume;
  aaPercentOfVolume = v * p * 100;
  choPercentOfVolume = v * d * 100;
  fatPercentOfVolume = v * lipidGrams * 100;
  osmolesTotal = p * kMosmPerGramAminoAcid + d * kMosmPerGramDextrose;
  osmolarityMix = osmolesTotal * 1000 / mixVolumeMl;
  if (withTotalOsmolarity) osmolarityTotal = osmolesTotal * 1000 * v;
}

namespace {

using Value = std::function<double(const SolutionResults&)>;

struct RowSpec {
  std::string_view label;
  Value value;
  std::string_view format;
};

template <double SolutionResults::*Field>
double field(const SolutionResults& r) {
  return r.*Field;
}

std::vector<RowSpec> rowSpecs(std::uint32_t layout) {
  using S = SolutionResults;
  std::vector<RowSpec> rows = {
      {"TtKcal", field<&S::totalKcal>, "%.0lf"},
      {"TtVolume", field<&S::totalVolume>, "%.0lf mL"},
      {"NPC", field<&S::npcKcal>, "%.0lf"},
      {"NPC:N", field<&S::npcToN>, "%.0lf:1"},
      {"N", [](const S& r) { return r.proteinGrams * kNitrogenPerGramProtein; }, "%.1lf g"},
  };
  const std::string_view rateLabel = (layout & TotalRate) ? "Rate" : "Rate*";
  if (layout & MixRateOnly) {
    rows.push_back({rateLabel, field<&S::aaRate>, "%.0lf mL/hr  *AA+DEX only"});
  } else if (layout & TotalRate) {
    rows.push_back({rateLabel,
                    [](const S& r) { return r.fluidRate + r.lipidRate + r.dexRate + r.aaRate; },
                    "%.0lf mL/hr"});
  } else {
    rows.push_back({rateLabel, [](const S& r) { return r.dexRate + r.aaRate; },
                    "%.0lf mL/hr  *AA+DEX only"});
  }
  if (layout & MixVolumeRow) {
    rows.push_back({"Vol*", [](const S& r) { return r.totalVolume - r.lipidVolume; },
                    "%.0lf mL *AA+DEX only"});
  }
  rows.insert(rows.end(), {
      {"Pro", field<&S::proteinGrams>, "%.1lf g"},
      {"Pro", field<&S::proteinGramsPerKg>, "%.1lf g/kg"},
      {"Pro", field<&S::proteinKcal>, "%.1lf kcal"},
      {"Pro", field<&S::proteinPercentKcal>, "%.0lf %% of total kcals"},
      {"Cho", field<&S::choGrams>, "%.1lf g"},
      {"Cho", field<&S::choGramsPerKg>, "%.1lf g/kg"},
      {"Cho", field<&S::choKcal>, "%.1lf kcal"},
      {"Cho", field<&S::choPercentKcal>, "%.0lf %% of total kcals"},
      {"Cho", field<&S::choMgKgMin>, "%.1lf mg/kg/min"},
      {"Lipids", field<&S::lipidGrams>, "%.1lf g"},
      {"Lipids", field<&S::lipidGramsPerKg>, "%.1lf g/kg"},
      {"Lipids", field<&S::lipidKcal>, "%.1lf kcal"},
      {"Lipids", field<&S::lipidPercentKcal>, "%.0lf %% of total kcals"},
  });
  if (layout & LipidRateRow) rows.push_back({"Lipids", field<&S::lipidRate>, "%.0lf mL/hr"});
  rows.insert(rows.end(), {
      {"AA%", field<&S::aaPercentOfVolume>, "%.2lf %% in total volume"},
      {"CHO%", field<&S::choPercentOfVolume>, "%.2lf %% in total volume"},
      {"Fat%", field<&S::fatPercentOfVolume>, "%.2lf %% in total volume"},
      {"mOsm*", field<&S::osmolesTotal>,
       "%.0lf mOsm Total (AA+Dex)  *not including lipids or electrolytes see Reviews for "
       "further info."},
  });
  if (layout & SplitOsmolarity) {
    rows.push_back({"mOsm2*", field<&S::osmolarityMix>,
                    "%.0lf mOsm/L (if 2-in-1) AA+Dex *not including lipids or electrolytes see "
                    "Reviews for further info."});
    rows.push_back({"mOsm3*", field<&S::osmolarityTotal>,
                    "%.0lf mOsm/L (if 3-in-1) AA+Dex+Lipids+Free Fluids"});
  } else {
    rows.push_back({"mOsm/L", field<&S::osmolarityMix>,
                    "%.0lf mOsm/L (AA+Dex)  *not including lipids or electrolytes see Reviews "
                    "for further info."});
  }
  return rows;
}

}  // namespace

std::vector<TableRow> tableRows(const SolutionResults& results, std::uint32_t layout) {
  std::vector<TableRow> shown;
  for (const RowSpec& row : rowSpecs(layout)) {
    const double value = row.value(results);
    // A value with no finite value shows "---" in place of its whole cell.
    shown.push_back({std::string(row.label),
                     std::isfinite(value) ? framework::formatValue(row.format, value) : "---"});
  }
  return shown;
}

std::uint32_t rowColour(std::uint32_t layout, int row) {
  const int v = (layout & MixVolumeRow) ? 1 : 0;
  if (row == 5 || (v == 1 && row == 6)) return kRateRowColour;
  if (row >= v + 6 && row <= v + 9) return kProteinLipidRowColour;
  if (row >= v + 15 && row <= v + 19 && !(row == v + 19 && !(layout & LipidRateRow))) {
    return kProteinLipidRowColour;
  }
  return kOtherRowColour;
}

void SolutionResults::setUpTable(platform::Control& list, std::uint32_t tableLayout,
                                 bool firstTime) {
  table = &list;
  layout = tableLayout;
  // Grid lines and full-row selection are the list's own look on every backend.
  if (firstTime || list.columns().size() != 2) {
    list.setColumns({{" ", 46, platform::ColumnAlign::Left}, {" ", 450, platform::ColumnAlign::Left}});
  }
  list.deleteAllRows();
  const std::vector<RowSpec> rows = rowSpecs(layout);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = list.insertRow(static_cast<int>(i), std::string(rows[i].label));
    list.setRowColors(row, {rowColour(row), 0x000000});
  }
}

void SolutionResults::showValues() {
  if (!table) return;
  const std::vector<TableRow> rows = tableRows(*this, layout);
  for (std::size_t i = 0; i < rows.size() && static_cast<int>(i) < table->rowCount(); ++i) {
    table->setCell(static_cast<int>(i), 1, rows[i].value);
  }
}

std::uint32_t SolutionResults::rowColour(int row) const {
  return parenteral::rowColour(layout, row);
}

}  // namespace quillion::parenteral
