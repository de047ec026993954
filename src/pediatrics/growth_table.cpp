// Growth tables: loading, the row for a measurement (by arithmetic on the half-unit
// grid, never by search), the LMS z-score, the percentile rank and the status codes.
#include "pediatrics/growth_table.h"

#include <cmath>
#include <cstring>

#include "framework/format.h"
#include "platform/resources.h"

namespace quillion::pediatrics {
namespace {

constexpr std::size_t kHeaderSize = 72;
constexpr std::size_t kRowCountAt = 68;
constexpr std::size_t kColumnCountAt = 70;
// A resource this short is no table at all.
constexpr std::size_t kShortest = 11;

constexpr int kXColumn = 1;
constexpr int kLColumn = 2;
constexpr int kMColumn = 3;
constexpr int kSColumn = 4;
constexpr int kFirstPercentileColumn = 5;
constexpr int kMedianColumn = 9;

constexpr int kPercentileCycle[] = {3, 5, 10, 25, 50, 75, 90, 95, 97};
constexpr int kCycleLength = static_cast<int>(std::size(kPercentileCycle));

std::uint16_t word(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

int cycleIndex(int percentile) {
  for (int i = 0; i < kCycleLength; ++i) {
    if (kPercentileCycle[i] == percentile) return i;
  }
  return -1;
}

}  // namespace

GrowthLoadError GrowthTable::fromBytes(std::span<const unsigned char> bytes,
                                       std::optional<GrowthTable>& table) {
  table.reset();
  if (bytes.size() <= kShortest || bytes.size() < kHeaderSize) return GrowthLoadError::Missing;
  const int rows = word(bytes, kRowCountAt);
  const int columns = word(bytes, kColumnCountAt);
  if (columns != 14 && columns != 15) return GrowthLoadError::Unsupported;
  const std::size_t cellCount = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
  if (bytes.size() - kHeaderSize < cellCount * sizeof(float)) return GrowthLoadError::Missing;
  // Both sexes share one grid: a table is two blocks of the same number of rows.
  if (rows == 0 || rows % 2 != 0) return GrowthLoadError::Unsupported;
  std::vector<float> cells(cellCount);
  std::memcpy(cells.data(), bytes.data() + kHeaderSize, cellCount * sizeof(float));
  table = GrowthTable(rows, columns, std::move(cells));
  return GrowthLoadError::None;
}

GrowthLoadError GrowthTable::load(int resourceNumber, std::optional<GrowthTable>& table) {
  return fromBytes(platform::findResource(platform::kResourceRawData, resourceNumber), table);
}

int GrowthTable::row(int sex, double x) const {
  const int n = rowsPerSex();
  const int block = sex == 0 ? 0 : n;
  const double first = cell(0, kXColumn);
  const double last = cell(n - 1, kXColumn);
  // The offset is bounded in doubles before it becomes an index, so no x (not a number,
  // or beyond any int) reaches the rows unchecked; x that is not a number reads the
  // first row.
  double offset = 0;
  if (!(x < first + 0.1)) {
    offset = x >= last ? n - 1 : std::trunc(x - first) + 1;  // 7.3 months: the row for 7.5
  }
  if (!(offset >= 0)) offset = 0;
  if (offset > n - 1) offset = n - 1;
  const int index = block + static_cast<int>(offset);
  return index > 2 * n - 1 ? 2 * n - 1 : index;
}

int GrowthTable::percentileColumn(int percentile) const {
  int index = cycleIndex(percentile);
  if (index < 0) return kMedianColumn;
  // Fifteen-column tables hold an 85th percentile after the 75th, never chosen.
  if (columns_ == 15 && percentile > 75) ++index;
  return kFirstPercentileColumn + index;
}

GrowthAssessment GrowthTable::assess(int sex, double x, double y, int percentile) const {
  const int r = row(sex, x);
  const double l = cell(r, kLColumn);
  const double m = cell(r, kMColumn);
  const double s = cell(r, kSColumn);
  // L·S is formed in single precision, as the tables' own arithmetic did.
  const double ls = cell(r, kLColumn) * cell(r, kSColumn);
  GrowthAssessment result;
  result.z = l == 0 ? std::log(y / m) / s : (std::pow(y / m, l) - 1) / ls;
  result.valueAtPercentile = cell(r, percentileColumn(percentile));
  result.rankOrStatus = percentileRank(result.z);
  if (result.rankOrStatus < 0.5) {
    result.rankOrStatus = kRankTooLow;
  } else if (result.rankOrStatus > 99.5) {
    result.rankOrStatus = kRankTooHigh;
  }
  // Outside the table's range the status says so whatever the measurement.
  const double first = cell(0, kXColumn);
  const double last = cell(rowsPerSex() - 1, kXColumn);
  if (x < first || std::isnan(x)) {
    result.rankOrStatus = kBelowTable;
  } else if (x >= last) {
    result.rankOrStatus = kBeyondTable;
  }
  return result;
}

double GrowthTable::ageAtMedian(int sex, double y) const {
  const int n = rowsPerSex();
  const int block = sex == 0 ? 0 : n;
  int lo = -1;
  int hi = -1;
  // The sex's last row is not scanned.
  for (int r = block; r < block + n - 1; ++r) {
    const double median = cell(r, kMedianColumn);
    if (median < y) lo = r;
    if (median > y && hi < 0) hi = r;
  }
  if (lo < 0 || hi < 0) return -1;
  // Both differences of cells are formed in single precision.
  const double medianStep = cell(hi, kMedianColumn) - cell(lo, kMedianColumn);
  const double xStep = cell(hi, kXColumn) - cell(lo, kXColumn);
  return cell(lo, kXColumn) + (y - cell(lo, kMedianColumn)) / medianStep * xStep;
}

std::optional<std::string> GrowthTable::statusText(double rankOrStatus, bool ageAxis) {
  // A measurement with no finite z (a weight of 0 on a curve whose L is 0) has no rank.
  if (std::isnan(rankOrStatus)) return std::string(framework::kNoValue);
  if (rankOrStatus > 0) {
    return framework::formatInteger("%i %%", static_cast<int>(std::trunc(rankOrStatus)) + 1);
  }
  if (rankOrStatus < -40) return "OFF (high)";
  if (rankOrStatus < -30) return "OFF (low)";
  if (rankOrStatus < -20) return ageAxis ? "age high" : "no data";
  if (rankOrStatus < -10) return ageAxis ? "age low" : "no data";
  return std::nullopt;
}

double percentileRank(double z) {
  const double a = std::fabs(z);
  const double t = 1 / (1 + 0.33267 * a);
  const double p =
      1 - std::exp(-(z * z) / 2) / std::sqrt(6.2831853) *
              (0.4361836 * t - 0.1201676 * t * t + 0.937298 * t * t * t);
  return z > 0 ? 100 * p : 100 - 100 * p;
}

int nextPercentile(int percentile, bool up) {
  const int index = cycleIndex(percentile);
  if (index < 0) return 50;
  return kPercentileCycle[(index + (up ? 1 : kCycleLength - 1)) % kCycleLength];
}

std::string percentileHeader(int percentile) {
  const char* suffix = percentile == 3 ? "rd" : "th";
  return std::to_string(percentile) + suffix + " %";
}

}  // namespace quillion::pediatrics
