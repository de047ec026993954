// formula-file-builder adult|pediatric CSV OUT: turns a stock formula list (a header row
// naming the fields, then one formula a row) into the program's formula file, with the
// stock mark set on every record. Any row that does not read whole stops the build.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "enteral/formula_record.h"

namespace {

using quillion::enteral::FormulaKind;
using quillion::enteral::FormulaRecord;
namespace af = quillion::enteral::adult_field;
namespace pf = quillion::enteral::peds_field;

enum class Type { Number, Text, Count };

struct Column {
  std::size_t offset;
  Type type;
  std::size_t width = 0;
};

std::map<std::string, Column> adultColumns() {
  return {{"name", {af::kName, Type::Text, af::kNameWidth}},
          {"kcal_per_ml", {af::kKcalPerMl, Type::Number}},
          {"protein_g_l", {af::kProtein, Type::Number}},
          {"carbohydrate_g_l", {af::kCarbohydrate, Type::Number}},
          {"fat_g_l", {af::kFat, Type::Number}},
          {"sodium_mg", {af::kSodiumMg, Type::Number}},
          {"potassium_mg", {af::kPotassiumMg, Type::Number}},
          {"chloride_mg", {af::kChlorideMg, Type::Number}},
          {"calcium_mg", {af::kCalciumMg, Type::Number}},
          {"phosphorus_mg", {af::kPhosphorusMg, Type::Number}},
          {"magnesium_mg", {af::kMagnesiumMg, Type::Number}},
          {"fiber_g", {af::kFiber, Type::Number}},
          {"serving_ml", {af::kServingSize, Type::Number}},
          {"percent_protein", {af::kPercentProtein, Type::Number}},
          {"percent_carbohydrate", {af::kPercentCarbohydrate, Type::Number}},
          {"percent_fat", {af::kPercentFat, Type::Number}},
          {"npc_to_n", {af::kNpcToN, Type::Number}},
          {"osmolality_min", {af::kOsmolalityMin, Type::Number}},
          {"osmolality_max", {af::kOsmolalityMax, Type::Number}},
          {"rdi_ml", {af::kRdi, Type::Number}},
          {"water_ml", {af::kWater, Type::Number}},
          {"manufacturer", {af::kManufacturer, Type::Text, af::kManufacturerWidth}},
          {"form", {af::kForm, Type::Text, af::kFormWidth}},
          {"protein_source", {af::kProteinSource, Type::Text, af::kSourceWidth}},
          {"fat_source", {af::kFatSource, Type::Text, af::kSourceWidth}},
          {"carbohydrate_source", {af::kCarbohydrateSource, Type::Text, af::kSourceWidth}},
          {"closed_system", {af::kClosedSystem, Type::Text, af::kClosedSystemWidth}},
          {"flavor_count", {af::kFlavorCount, Type::Count}},
          {"flavors", {af::kFlavors, Type::Text, af::kFlavorsWidth}}};
}

std::map<std::string, Column> pedsColumns() {
  std::map<std::string, Column> columns = {
      {"name", {pf::kName, Type::Text, pf::kNameWidth}},
      {"calories", {pf::kCalories, Type::Number}},
      {"protein_g", {pf::kProtein, Type::Number}},
      {"carbohydrate_g", {pf::kCarbohydrate, Type::Number}},
      {"fat_g", {pf::kFat, Type::Number}},
      {"powder_g", {pf::kPowder, Type::Number}},
      {"serving_ml", {pf::kServingSize, Type::Number}},
      {"percent_protein", {pf::kPercentProtein, Type::Number}},
      {"percent_carbohydrate", {pf::kPercentCarbohydrate, Type::Number}},
      {"percent_fat", {pf::kPercentFat, Type::Number}},
      {"osmolality", {pf::kOsmolality, Type::Number}},
      {"osmolarity", {pf::kOsmolarity, Type::Number}},
      {"water_g", {pf::kWater, Type::Number}},
      {"linoleic_acid_mg", {pf::kLinoleicAcid, Type::Number}},
      {"manufacturer", {pf::kManufacturer, Type::Text, pf::kManufacturerWidth}},
      {"form", {pf::kForm, Type::Text, pf::kFormWidth}},
      {"protein_source", {pf::kProteinSource, Type::Text, pf::kSourceWidth}},
      {"fat_source", {pf::kFatSource, Type::Text, pf::kSourceWidth}},
      {"carbohydrate_source", {pf::kCarbohydrateSource, Type::Text, pf::kSourceWidth}},
      {"use", {pf::kUse, Type::Text, pf::kUseWidth}}};
  const char* micro[] = {"vitamin_a_iu",   "vitamin_d_iu",   "vitamin_e_iu",
                         "vitamin_k_mcg",  "thiamine_mcg",   "riboflavin_mcg",
                         "vitamin_b6_mcg", "vitamin_b12_mcg", "niacin_mcg",
                         "folic_acid_mcg", "pantothenic_acid_mcg", "biotin_mcg",
                         "vitamin_c_mcg",  "choline_mg",     "inositol_mg",
                         "calcium_mg",     "phosphorus_mg",  "magnesium_mg",
                         "iron_mg",        "zinc_mg",        "manganese_mcg",
                         "copper_mcg",     "iodine_mcg",     "selenium_mcg",
                         "sodium_mg",      "potassium_mg",   "chloride_mg"};
  for (std::size_t i = 0; i < pf::kMicronutrientCount; ++i) {
    columns[micro[i]] = {pf::kVitaminA + 4 * i, Type::Number};
  }
  return columns;
}

// The mEq (mmol) field of each mineral, worked out from its mg field.
struct Equivalent {
  std::size_t mg;
  std::size_t meq;
  double factor;
};
constexpr Equivalent kEquivalents[] = {
    {af::kSodiumMg, af::kSodiumMeq, 0.043478260869565216},
    {af::kPotassiumMg, af::kPotassiumMeq, 0.02564102564102564},
    {af::kChlorideMg, af::kChlorideMeq, 0.14124293785310735},
    {af::kCalciumMg, af::kCalciumMeq, 0.05},
    {af::kPhosphorusMg, af::kPhosphorusMeq, 0.09375},
    {af::kMagnesiumMg, af::kMagnesiumMeq, 0.08333333333333333}};

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

template <typename T>
bool parse(const std::string& text, T& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::string(argv[1]) != "adult" && std::string(argv[1]) != "pediatric")) {
    std::cerr << "usage: formula-file-builder adult|pediatric CSV OUT\n";
    return 2;
  }
  const FormulaKind kind =
      std::string(argv[1]) == "adult" ? FormulaKind::Adult : FormulaKind::Pediatric;
  const std::map<std::string, Column> known =
      kind == FormulaKind::Adult ? adultColumns() : pedsColumns();
  std::ifstream in(argv[2]);
  std::string line;
  if (!in || !std::getline(in, line)) {
    std::cerr << argv[2] << ": cannot read the header line\n";
    return 1;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<Column> columns;
  for (const std::string& name : split(line)) {
    auto found = known.find(name);
    if (found == known.end()) {
      std::cerr << argv[2] << ": unknown column \"" << name << "\"\n";
      return 1;
    }
    columns.push_back(found->second);
  }
  if (columns.size() != known.size()) {
    std::cerr << argv[2] << ": " << columns.size() << " columns; expected " << known.size()
              << "\n";
    return 1;
  }
  std::vector<FormulaRecord> records;
  for (int number = 2; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::vector<std::string> fields = split(line);
    bool whole = fields.size() == columns.size();
    FormulaRecord record(kind);
    for (std::size_t c = 0; whole && c < columns.size(); ++c) {
      const Column& column = columns[c];
      if (column.type == Type::Text) {
        whole = fields[c].size() < column.width && record.setText(column.offset, column.width,
                                                                  fields[c]);
      } else if (column.type == Type::Count) {
        int count = 0;
        whole = parse(fields[c], count) && count >= 0 && count <= 127;
        record.setByte(column.offset, static_cast<std::uint8_t>(count));
      } else {
        float value = 0;
        whole = parse(fields[c], value);  // the float nearest the decimal written
        record.setNumber(column.offset, value);
      }
    }
    if (!whole) {
      std::cerr << argv[2] << ":" << number << ": not a whole row (or a text too long)\n";
      return 1;
    }
    if (kind == FormulaKind::Adult) {
      for (const Equivalent& e : kEquivalents) {
        record.setNumber(e.meq, static_cast<float>(record.number(e.mg) * e.factor));
      }
    }
    record.setFlags(quillion::enteral::kStockFlag);
    records.push_back(std::move(record));
  }
  std::vector<const FormulaRecord*> pointers;
  for (const FormulaRecord& record : records) pointers.push_back(&record);
  const std::string file = quillion::enteral::formulaFileBytes(pointers);
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  if (!out.flush()) {
    std::cerr << argv[3] << ": cannot write\n";
    return 1;
  }
  return 0;
}
