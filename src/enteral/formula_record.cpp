// Field access on the bytes of one formula record, little-endian.
#include "enteral/formula_record.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "platform/text.h"

namespace quillion::enteral {
namespace {

static_assert(std::endian::native == std::endian::little, "formula files are little-endian");

constexpr FormulaLayout kAdult{adult_field::kRecordSize, adult_field::kFlags,
                               adult_field::kServingSize, 1000.0f, "Formulas.bin",
                               "FormulasUser.bin"};
constexpr FormulaLayout kPeds{peds_field::kRecordSize, peds_field::kFlags,
                              peds_field::kServingSize, 100.0f, "FormulasPeds.bin",
                              "FormulasPedsUser.bin"};

constexpr std::int16_t kVersionMajor = 1;
constexpr std::int16_t kVersionMinor = 5;
constexpr std::size_t kDescriptionSize = 64;

template <typename T>
void put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

}  // namespace

const FormulaLayout& layoutOf(FormulaKind kind) {
  return kind == FormulaKind::Adult ? kAdult : kPeds;
}

FormulaRecord::FormulaRecord(FormulaKind kind)
    : kind_(kind), bytes_(layoutOf(kind).recordSize, '\0') {}

FormulaRecord::FormulaRecord(FormulaKind kind, std::string_view bytes)
    : kind_(kind), bytes_(bytes.substr(0, layoutOf(kind).recordSize)) {
  bytes_.resize(layoutOf(kind).recordSize, '\0');
}

float FormulaRecord::number(std::size_t offset) const {
  float value = 0.0f;
  if (offset + sizeof value <= bytes_.size()) std::memcpy(&value, &bytes_[offset], sizeof value);
  return value;
}

void FormulaRecord::setNumber(std::size_t offset, float value) {
  if (offset + sizeof value <= bytes_.size()) std::memcpy(&bytes_[offset], &value, sizeof value);
}

std::uint8_t FormulaRecord::byte(std::size_t offset) const {
  return offset < bytes_.size() ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
}

void FormulaRecord::setByte(std::size_t offset, std::uint8_t value) {
  if (offset < bytes_.size()) bytes_[offset] = static_cast<char>(value);
}

std::string FormulaRecord::text(std::size_t offset, std::size_t width) const {
  if (offset >= bytes_.size()) return {};
  std::string_view field(bytes_.data() + offset, std::min(width, bytes_.size() - offset));
  field = field.substr(0, field.find('\0'));
  return platform::windows1252ToUtf8(field);
}

bool FormulaRecord::setText(std::size_t offset, std::size_t width, std::string_view utf8) {
  if (width == 0 || offset + width > bytes_.size()) return false;
  std::optional<std::string> bytes = platform::utf8ToWindows1252(utf8);
  if (!bytes) return false;
  if (bytes->size() > width - 1) bytes->resize(width - 1);
  std::memset(&bytes_[offset], 0, width);
  std::memcpy(&bytes_[offset], bytes->data(), bytes->size());
  return true;
}

std::uint16_t FormulaRecord::flags() const {
  std::uint16_t value = 0;
  std::memcpy(&value, &bytes_[layoutOf(kind_).flagsOffset], sizeof value);
  return value;
}

void FormulaRecord::setFlags(std::uint16_t value) {
  std::memcpy(&bytes_[layoutOf(kind_).flagsOffset], &value, sizeof value);
}

std::string formulaFileBytes(const std::vector<const FormulaRecord*>& records) {
  std::string out;
  put(out, kVersionMajor);
  put(out, kVersionMinor);
  out.append(kDescriptionSize, '\0');
  put(out, static_cast<std::int16_t>(records.size()));
  for (const FormulaRecord* record : records) out += record->bytes();
  return out;
}

bool fitsWindows1252(std::string_view utf8) {
  return platform::utf8ToWindows1252(utf8).has_value();
}

}  // namespace quillion::enteral
