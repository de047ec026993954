// Nitrogen intake and balance, with the short-span replacement.
#include "labs/nitrogen_balance.h"

#include <gtest/gtest.h>

#include <string_view>

#include "framework/format.h"

namespace quillion::labs {
namespace {

TEST(NitrogenBalanceTest, CollectionSpanReplacement) {
  struct Case {
    double span;
    double expected;
  };
  constexpr Case kCases[] = {
      {0.4, 1.0},  {0.49999, 1.0}, {0.0, 1.0}, {-6.0, 1.0},
      {0.5, 0.5},  {0.75, 0.75},   {24, 24},   {1.0, 1.0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.span);
    EXPECT_EQ(effectiveCollectionSpan(c.span), c.expected);
  }
}

struct PageCase {
  std::string_view name;
  double protein;
  double proteinSpan;
  double ureaNitrogen;
  double ureaNitrogenSpan;
  double shownProteinSpan;
  double shownUreaNitrogenSpan;
  std::string_view intakeText;
  std::string_view balanceText;
};

constexpr PageCase kPageCases[] = {
    {"first run", 0, 24, 0, 24, 24, 24, "0.0", "-4.0"},
    {"balanced day", 100, 24, 12, 24, 24, 24, "16.0", "0.0"},
    {"half-day collections", 50, 12, 6, 12, 12, 12, "16.0", "0.0"},
    // 24 * 10 * 0.16 = 38.4; the urea span is replaced too: 38.4 - (24 * 0 + 4).
    {"both spans too short", 10, 0.4, 0, 0.4, 1, 1, "38.4", "34.4"},
    // 48 * 10 * 0.16 = 76.8; 76.8 - (48 * 1 + 4) = 24.8.
    {"half-hour spans stay", 10, 0.5, 1, 0.5, 0.5, 0.5, "76.8", "24.8"},
    // (24 / 7) * 13 * 0.16 = 7.1314...; 7.1314 - (1 * 20 + 4) = -16.87.
    {"negative balance", 13, 7, 20, 24, 7, 24, "7.1", "-16.9"},
    {"zero span typed", 80, 0, 10, 0, 1, 1, "307.2", "63.2"},
};

TEST(NitrogenBalanceTest, PageComputation) {
  for (const PageCase& c : kPageCases) {
    SCOPED_TRACE(c.name);
    NitrogenBalanceResult r =
        computeNitrogenBalance(c.protein, c.proteinSpan, c.ureaNitrogen, c.ureaNitrogenSpan);
    EXPECT_EQ(r.proteinSpanHours, c.shownProteinSpan);
    EXPECT_EQ(r.ureaNitrogenSpanHours, c.shownUreaNitrogenSpan);
    EXPECT_EQ(framework::formatValue(kNitrogenResultFormat, r.intake), c.intakeText);
    EXPECT_EQ(framework::formatValue(kNitrogenResultFormat, r.balance), c.balanceText);
  }
}

// Left-to-right order kept; expected doubles worked out apart from this code.
TEST(NitrogenBalanceTest, EvaluationOrder) {
  struct Case {
    std::string_view name;
    double protein;
    double span;
    double expectedIntake;
  };
  constexpr Case kCases[] = {
      {"100 g over 24 h", 100, 24, 16.0},
      {"13 g over 7 h", 13, 7, 7.131428571428572},
      {"0 g", 0, 24, 0.0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(nitrogenIntake(c.protein, c.span), c.expectedIntake);
  }
  EXPECT_EQ(nitrogenBalance(16.0, 12, 24), 0.0);
  EXPECT_EQ(nitrogenBalance(0.0, 0, 24), -4.0);
}

}  // namespace
}  // namespace quillion::labs
