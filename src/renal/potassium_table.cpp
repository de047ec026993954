#include "renal/potassium_table.h"

#include "platform/resources.h"

namespace quillion::renal {
namespace {

// Splits one CSV record from the front of text; false when text holds no full record.
bool takeRecord(std::string_view& text, std::vector<std::string>& fields) {
  fields.clear();
  if (text.empty()) return false;
  std::string field;
  std::size_t i = 0;
  bool quoted = false;
  bool fieldStarted = false;
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (quoted) {
      if (ch != '"') {
        field += ch;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    if (ch == '"' && !fieldStarted) {
      quoted = true;
      fieldStarted = true;
    } else if (ch == ',') {
      fields.push_back(std::move(field));
      field.clear();
      fieldStarted = false;
    } else if (ch == '\n') {
      break;
    } else if (ch != '\r') {
      field += ch;
      fieldStarted = true;
    }
  }
  if (quoted) return false;  // a quote left open: the text is cut short
  fields.push_back(std::move(field));
  text.remove_prefix(i < text.size() ? i + 1 : text.size());
  return true;
}

}  // namespace

std::vector<PotassiumRow> parsePotassiumCsv(std::string_view csv) {
  std::vector<PotassiumRow> rows;
  std::vector<std::string> fields;
  if (!takeRecord(csv, fields)) return rows;  // the header
  while (takeRecord(csv, fields)) {
    if (fields.size() != 4) break;
    rows.push_back({std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                    std::move(fields[3])});
  }
  return rows;
}

std::span<const PotassiumRow> potassiumTable() {
  static const std::vector<PotassiumRow> table = [] {
    auto bytes = platform::findResource(platform::kResourceRawData, kPotassiumTableResource);
    return parsePotassiumCsv(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }();
  return table;
}

}  // namespace quillion::renal
