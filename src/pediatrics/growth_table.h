// One growth-reference chart of the 2000 CDC growth charts: LMS parameters and smoothed
// percentiles by age (months) or by length or stature (cm), male rows then female rows
// on one half-unit grid. It gives the z-score, the percentile rank or a status code of a
// measurement, the measurement at a chosen percentile, and the age at which the median
// reaches a measurement (catch-up growth).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillion::pediatrics {

// The growth tables among the program's raw-data resources.
inline constexpr int kBmiForAge = 171;
inline constexpr int kHeadForAgeInfant = 172;
inline constexpr int kLengthForAgeInfant = 173;
inline constexpr int kStatureForAge = 174;
inline constexpr int kWeightForAge = 175;
inline constexpr int kWeightForAgeInfant = 176;
inline constexpr int kWeightForLength = 177;
inline constexpr int kWeightForStature = 178;

// Status codes in place of a percentile rank.
inline constexpr double kBelowTable = -11;    // x below the table's first x
inline constexpr double kBeyondTable = -21;   // x at or beyond the table's last x
inline constexpr double kRankTooLow = -31;    // rank below 0.5
inline constexpr double kRankTooHigh = -41;   // rank above 99.5

struct GrowthAssessment {
  double rankOrStatus = 0;  // a rank from 0.5 to 99.5, or a status code
  double valueAtPercentile = 0;
  double z = 0;
};

enum class GrowthLoadError {
  None,
  Missing,      // no such resource, too short, or cut off: the table stays absent
  Unsupported,  // a column count other than 14 or 15, or rows that are no two sex blocks
};

class GrowthTable {
 public:
  // Reads a table from its bytes; only a whole table of 14 or 15 columns and an even,
  // non-zero row count is taken.
  static GrowthLoadError fromBytes(std::span<const unsigned char> bytes,
                                   std::optional<GrowthTable>& table);
  // The table compiled in as raw-data resource number (171 to 178).
  static GrowthLoadError load(int resourceNumber, std::optional<GrowthTable>& table);

  int rowCount() const { return rows_; }
  int rowsPerSex() const { return rows_ / 2; }
  int columnCount() const { return columns_; }
  float cell(int row, int column) const {
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column)];
  }

  // Sex 0 reads the male block, any other value the female block; x is the age in
  // months or the length or stature in cm; percentile is one of 3, 5, 10, 25, 50, 75,
  // 90, 95, 97 (any other reads the 50th).
  GrowthAssessment assess(int sex, double x, double y, int percentile) const;
  // The x at which the sex's median equals y, or -1 when no two rows bracket y.
  double ageAtMedian(int sex, double y) const;

  // The chart list's "%" text of a rank or status; nothing for 0 down to -10 (an absent
  // table), "---" for a rank that is not a number. ageAxis is false for weight-for-length
  // and weight-for-stature.
  static std::optional<std::string> statusText(double rankOrStatus, bool ageAxis);

 private:
  GrowthTable(int rows, int columns, std::vector<float> cells)
      : rows_(rows), columns_(columns), cells_(std::move(cells)) {}
  int row(int sex, double x) const;
  int percentileColumn(int percentile) const;

  int rows_ = 0;
  int columns_ = 0;
  std::vector<float> cells_;  // rows × columns; the sex cells hold their bits unread
};

// The percentile rank of a z-score by the normal distribution function of Abramowitz and
// Stegun, formula 26.2.16.
double percentileRank(double z);

// The chart list's chosen percentile: its next step up (3, 5, ... 97, then 3) or down
// (97, 95, ... 3, then 97); a value outside the cycle becomes 50.
int nextPercentile(int percentile, bool up);
// "3rd %", "5th %", ... "97th %", the header of the chosen percentile's column.
std::string percentileHeader(int percentile);

}  // namespace quillion::pediatrics
