// One enteral formula as it sits in a formula file: the adult record (452 bytes) or the
// pediatric record (1120 bytes), kept as its bytes so that reserved bytes and unused flag
// bits survive a read and a write unchanged. Fields are read and written by offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillion::enteral {

enum class FormulaKind { Adult, Pediatric };

// Field offsets of the adult record.
namespace adult_field {
inline constexpr std::size_t kName = 0, kNameWidth = 48;
inline constexpr std::size_t kKcalPerMl = 48, kProtein = 52, kCarbohydrate = 56, kFat = 60;
inline constexpr std::size_t kSodiumMg = 64, kSodiumMeq = 68, kPotassiumMg = 72,
                             kPotassiumMeq = 76, kChlorideMg = 80, kChlorideMeq = 84,
                             kCalciumMg = 88, kCalciumMeq = 92, kPhosphorusMg = 96,
                             kPhosphorusMeq = 100, kMagnesiumMg = 104, kMagnesiumMeq = 108;
inline constexpr std::size_t kFiber = 112, kServingSize = 116;
inline constexpr std::size_t kPercentProtein = 124, kPercentCarbohydrate = 128,
                             kPercentFat = 132, kNpcToN = 136, kOsmolalityMin = 140,
                             kOsmolalityMax = 144, kRdi = 148, kWater = 152;
inline constexpr std::size_t kFlags = 156;
inline constexpr std::size_t kManufacturer = 158, kManufacturerWidth = 32;
inline constexpr std::size_t kForm = 190, kFormWidth = 16;
inline constexpr std::size_t kProteinSource = 206, kFatSource = 270,
                             kCarbohydrateSource = 334, kSourceWidth = 64;
inline constexpr std::size_t kClosedSystem = 398, kClosedSystemWidth = 5;
inline constexpr std::size_t kFlavorCount = 403;
inline constexpr std::size_t kFlavors = 404, kFlavorsWidth = 48;
inline constexpr std::size_t kRecordSize = 452;
}  // namespace adult_field

// Field offsets of the pediatric record.
namespace peds_field {
inline constexpr std::size_t kName = 0, kNameWidth = 48;
inline constexpr std::size_t kCalories = 48, kProtein = 52, kCarbohydrate = 56, kFat = 60,
                             kPowder = 64, kServingSize = 68;
inline constexpr std::size_t kPercentProtein = 76, kPercentCarbohydrate = 80, kPercentFat = 84,
                             kOsmolality = 88, kOsmolarity = 92, kWater = 96,
                             kLinoleicAcid = 100;
// The 27 vitamins and minerals, four bytes apart, vitamin A first and chloride last.
inline constexpr std::size_t kVitaminA = 104, kMicronutrientCount = 27;
inline constexpr std::size_t kFlags = 212;
inline constexpr std::size_t kManufacturer = 238, kManufacturerWidth = 32;
inline constexpr std::size_t kForm = 270, kFormWidth = 16;
inline constexpr std::size_t kProteinSource = 286, kFatSource = 350,
                             kCarbohydrateSource = 414, kSourceWidth = 64;
inline constexpr std::size_t kUse = 478, kUseWidth = 642;
inline constexpr std::size_t kRecordSize = 1120;
}  // namespace peds_field

inline constexpr std::uint16_t kStockFlag = 0x8000;
// A name holds at most 47 bytes before its NUL.
inline constexpr std::size_t kNameLimit = 47;

struct FormulaLayout {
  std::size_t recordSize;
  std::size_t flagsOffset;
  std::size_t servingSizeOffset;
  float defaultServingSize;
  const char* stockFile;
  const char* userFile;
};

const FormulaLayout& layoutOf(FormulaKind kind);

class FormulaRecord {
 public:
  // A zeroed record of the kind.
  explicit FormulaRecord(FormulaKind kind);
  // A record from exactly recordSize bytes.
  FormulaRecord(FormulaKind kind, std::string_view bytes);

  FormulaKind kind() const { return kind_; }
  const std::string& bytes() const { return bytes_; }

  float number(std::size_t offset) const;
  void setNumber(std::size_t offset, float value);
  std::uint8_t byte(std::size_t offset) const;
  void setByte(std::size_t offset, std::uint8_t value);

  // The text of a field as UTF-8, read up to its first NUL or its width.
  std::string text(std::size_t offset, std::size_t width) const;
  // Stores UTF-8 text cut to width - 1 bytes of windows-1252 and NUL-padded; false (and
  // nothing stored) when the text holds a character windows-1252 lacks.
  [[nodiscard]] bool setText(std::size_t offset, std::size_t width, std::string_view utf8);

  std::string name() const { return text(0, kNameLimit + 1); }
  [[nodiscard]] bool setName(std::string_view utf8) { return setText(0, kNameLimit + 1, utf8); }

  std::uint16_t flags() const;
  void setFlags(std::uint16_t flags);
  bool isStock() const { return (flags() & kStockFlag) != 0; }

  float servingSize() const { return number(layoutOf(kind_).servingSizeOffset); }
  void setServingSize(float value) { setNumber(layoutOf(kind_).servingSizeOffset, value); }

 private:
  FormulaKind kind_;
  std::string bytes_;
};

// The whole formula file for the records: version 1.05, a zeroed description, the count,
// then the records as they are in memory.
std::string formulaFileBytes(const std::vector<const FormulaRecord*>& records);

// Whether UTF-8 text can be stored in a record's text field.
bool fitsWindows1252(std::string_view utf8);

}  // namespace quillion::enteral
