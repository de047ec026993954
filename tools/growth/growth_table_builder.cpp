// growth-table-builder CSV OUT: turns one growth chart's CSV (Sex, X, L, M, S and the
// percentile columns; male rows, then female rows) into the program's binary growth
// table: two version words (1, 0), a 64-byte notice, the row and column counts, then
// each row as a 32-bit sex and 32-bit floats, all little-endian. Any row that does not
// read whole stops the build.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

static_assert(std::endian::native == std::endian::little, "tables are written little-endian");

constexpr char kNotice[] = "2000 CDC growth charts: LMS parameters and percentiles";

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
  return fields;
}

template <typename T>
bool parse(const std::string& text, T& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

template <typename T>
void put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: growth-table-builder CSV OUT\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  std::string line;
  if (!in || !std::getline(in, line)) {
    std::cerr << argv[1] << ": cannot read the header line\n";
    return 1;
  }
  const std::size_t columns = split(line).size();
  if (columns != 14 && columns != 15) {
    std::cerr << argv[1] << ": " << columns << " columns; a growth table has 14 or 15\n";
    return 1;
  }
  std::string cells;
  std::uint16_t rows = 0;
  for (int number = 2; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::vector<std::string> fields = split(line);
    std::int32_t sex = 0;
    bool whole = fields.size() == columns && parse(fields[0], sex) && (sex == 1 || sex == 2);
    std::vector<float> values;
    for (std::size_t c = 1; whole && c < fields.size(); ++c) {
      float value = 0;
      whole = parse(fields[c], value);  // the float nearest the published decimal
      values.push_back(value);
    }
    if (!whole) {
      std::cerr << argv[1] << ":" << number << ": not a whole row of numbers\n";
      return 1;
    }
    put(cells, sex);
    for (float value : values) put(cells, value);
    ++rows;
  }
  std::string table;
  put<std::uint16_t>(table, 1);
  put<std::uint16_t>(table, 0);
  char notice[64] = {};
  std::memcpy(notice, kNotice, sizeof kNotice);
  table.append(notice, sizeof notice);
  put<std::uint16_t>(table, rows);
  put<std::uint16_t>(table, static_cast<std::uint16_t>(columns));
  table += cells;
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(table.data(), static_cast<std::streamsize>(table.size()));
  if (!out.flush()) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  return 0;
}
