// Anemia indices and total lymphocyte count: values and their result labels.
#include "labs/blood_counts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "framework/format.h"

namespace quillion::labs {
namespace {

enum class Index { Mchc, Mcv, Transferrin, Tlc };

struct LabelCase {
  std::string_view name;
  Index index;
  double first;   // HCT, RBC, TIBC or WBC
  double second;  // HGB, HCT2, serum iron or lymphocyte percent
  std::string_view expectedLabel;
};

double compute(Index index, double first, double second) {
  switch (index) {
    case Index::Mchc:
      return meanCorpuscularHemoglobinConcentration(first, second);
    case Index::Mcv:
      return meanCorpuscularVolume(first, second);
    case Index::Transferrin:
      return transferrinSaturation(first, second);
    case Index::Tlc:
      return totalLymphocyteCount(first, second);
  }
  return 0.0;
}

std::string_view formatOf(Index index) {
  switch (index) {
    case Index::Mchc:
      return kMchcFormat;
    case Index::Mcv:
      return kMcvFormat;
    case Index::Transferrin:
      return kTransferrinFormat;
    case Index::Tlc:
      return kTlcFormat;
  }
  return {};
}

constexpr LabelCase kLabelCases[] = {
    {"typical MCHC", Index::Mchc, 36, 12, "MCHC= 33.3 %"},
    {"typical MCV", Index::Mcv, 4.5, 40, "MCV= 88.9 fL"},
    {"typical transferrin", Index::Transferrin, 300, 90, "Transferrin saturation= 30.0 %"},
    {"typical TLC", Index::Tlc, 8000, 20, "TLC= 1600.0 mm3"},
    // Microcytosis and iron deficiency: RBC 5.0 million/uL with HCT 35 (70 fL); iron
    // 40 ug/dL with TIBC 450 ug/dL (8.9 %).
    {"microcytic MCV", Index::Mcv, 5.0, 35, "MCV= 70.0 fL"},
    {"low transferrin saturation", Index::Transferrin, 450, 40, "Transferrin saturation= 8.9 %"},
    // First run of the anemia page: HCT 0, HGB 1, RBC 1, HCT2 0, TIBC 1, SIL 0.
    {"first-run MCHC has no value", Index::Mchc, 0, 1.0, "MCHC= --- %"},
    {"first-run MCV", Index::Mcv, 1.0, 0, "MCV= 0.0 fL"},
    {"first-run transferrin", Index::Transferrin, 1.0, 0, "Transferrin saturation= 0.0 %"},
    {"first-run TLC", Index::Tlc, 0, 0, "TLC= 0.0 mm3"},
    // A zero divisor leaves the index without a finite value, whatever the other input.
    {"MCHC zero over zero", Index::Mchc, 0, 0, "MCHC= --- %"},
    {"MCV with no red cells", Index::Mcv, 0, 40, "MCV= --- fL"},
    {"transferrin with no binding capacity", Index::Transferrin, 0, 90,
     "Transferrin saturation= --- %"},
    {"TLC with a fractional count", Index::Tlc, 7777, 33, "TLC= 2566.4 mm3"},
};

TEST(BloodCountsTest, ResultLabels) {
  for (const LabelCase& c : kLabelCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(framework::formatValue(formatOf(c.index), compute(c.index, c.first, c.second)),
              c.expectedLabel);
  }
}

TEST(BloodCountsTest, ZeroDivisorIsNotFinite) {
  EXPECT_FALSE(std::isfinite(meanCorpuscularHemoglobinConcentration(0, 1.0)));
  EXPECT_FALSE(std::isfinite(meanCorpuscularVolume(0, 40)));
  EXPECT_FALSE(std::isfinite(transferrinSaturation(0, 90)));
}

// The quotient is formed first and then multiplied; the other order differs in the last
// digit for these inputs. Expected doubles worked out apart from this code.
struct OrderCase {
  std::string_view name;
  Index index;
  double first;
  double second;
  double expected;
};

constexpr OrderCase kOrderCases[] = {
    // (100 / 36) * 12; 100 * 12 / 36 would give 33.333333333333336.
    {"MCHC 36 and 12", Index::Mchc, 36, 12, 33.33333333333333},
    // (100 / 7) * 3; 100 * 3 / 7 would give 42.857142857142854.
    {"MCHC 7 and 3", Index::Mchc, 7, 3, 42.85714285714286},
    {"MCV 4.5 and 40", Index::Mcv, 4.5, 40, 88.88888888888889},
    {"transferrin 7 and 3", Index::Transferrin, 7, 3, 42.85714285714286},
    {"TLC 8000 and 20", Index::Tlc, 8000, 20, 1600.0},
    // (23 * 7777) * 0.01; 23 * (7777 * 0.01) would give 1788.7099999999998.
    {"TLC 7777 and 23", Index::Tlc, 7777, 23, 1788.71},
};

TEST(BloodCountsTest, EvaluationOrder) {
  for (const OrderCase& c : kOrderCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(compute(c.index, c.first, c.second), c.expected);
  }
}

}  // namespace
}  // namespace quillion::labs
