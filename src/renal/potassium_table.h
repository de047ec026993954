// The potassium content of common foods: 323 servings, highest potassium first, from the
// USDA National Nutrient Database for Standard Reference (resources/raw/190-potassium.csv,
// compiled in; its source note is resources/raw/potassium-README.md).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::renal {

// The raw-data resource that holds the table as CSV.
inline constexpr int kPotassiumTableResource = 190;

// One serving, each field as text as the list shows it.
struct PotassiumRow {
  std::string food;       // USDA's description
  std::string weight;     // grams
  std::string amount;     // household measure
  std::string potassium;  // mg in the serving
};

// The compiled-in table, read once for the whole run.
std::span<const PotassiumRow> potassiumTable();

// Reads the table's CSV (a header line, then one row of four fields per line; fields
// with a comma or a quote are quoted, and a quote inside is doubled). A line that does
// not hold four fields ends the table.
std::vector<PotassiumRow> parsePotassiumCsv(std::string_view csv);

}  // namespace quillion::renal
