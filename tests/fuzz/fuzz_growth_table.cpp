// A growth table resource: any bytes. A table is taken only whole (14 or 15 columns, an
// even non-zero row count, every cell present); a taken table answers every assessment
// with a rank from 0.5 to 99.5, a status code or no number, and its texts are those of
// the chart list.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "fuzz_support.h"
#include "pediatrics/growth_table.h"

namespace {

using quillion::pediatrics::GrowthAssessment;
using quillion::pediatrics::GrowthLoadError;
using quillion::pediatrics::GrowthTable;

std::uint16_t word(const std::uint8_t* data, std::size_t at) {
  return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

bool isStatus(double rank) {
  using namespace quillion::pediatrics;
  return rank == kBelowTable || rank == kBeyondTable || rank == kRankTooLow ||
         rank == kRankTooHigh;
}

void checkAssessment(const GrowthTable& table, int sex, double x, double y, int percentile) {
  const GrowthAssessment a = table.assess(sex, x, y, percentile);
  const double rank = a.rankOrStatus;
  FUZZ_CHECK(std::isnan(rank) || isStatus(rank) || (rank >= 0.5 && rank <= 99.5));
  for (bool ageAxis : {true, false}) {
    auto text = GrowthTable::statusText(rank, ageAxis);
    FUZZ_CHECK(text.has_value());
    FUZZ_CHECK(!text->empty());
  }
  table.ageAtMedian(sex, y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillion::fuzz::setUp();
  std::optional<GrowthTable> table;
  const GrowthLoadError error = GrowthTable::fromBytes({data, size}, table);
  FUZZ_CHECK(table.has_value() == (error == GrowthLoadError::None));
  if (!table) return 0;

  const int rows = word(data, 68);
  const int columns = word(data, 70);
  FUZZ_CHECK(table->rowCount() == rows && table->columnCount() == columns);
  FUZZ_CHECK(columns == 14 || columns == 15);
  FUZZ_CHECK(rows > 0 && rows % 2 == 0);
  const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
  FUZZ_CHECK(size >= 72 + cells * sizeof(float));
  // Every cell is the file's float at its place.
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      float expected;
      std::memcpy(&expected, data + 72 + (static_cast<std::size_t>(r) * columns + c) * 4, 4);
      const float got = table->cell(r, c);
      FUZZ_CHECK(std::memcmp(&expected, &got, 4) == 0);
    }
  }

  // Measurements at every row's x and at the edges, with values from the table itself.
  const double awkward[] = {0.0, -1.0, 1e300, -1e300, NAN, INFINITY, -INFINITY, 0.5};
  for (int sex : {0, 1, 7}) {
    for (int r = 0; r < rows && r < 64; ++r) {
      const double x = table->cell(r, 1);
      const double y = table->cell(r, 3);
      checkAssessment(*table, sex, x, y, 3 + r % 97);
      checkAssessment(*table, sex, x + 0.3, awkward[r % 8], 50);
      checkAssessment(*table, sex, awkward[r % 8], y, 97);
    }
    for (double x : awkward) checkAssessment(*table, sex, x, x, 25);
  }
  return 0;
}
