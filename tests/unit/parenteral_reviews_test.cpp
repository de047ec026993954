// Parenteral reviews: every threshold at and beside its boundary, the order of the
// reviews, the exact text of a build, the tab label and the indicator.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "parenteral/review_list.h"
#include "platform/window.h"

namespace quillion::parenteral {
namespace {

// A solution that raises only the osmolarity note.
ReviewInputs quiet() {
  ReviewInputs x;
  x.npcToN = 200;
  x.proteinGramsPerKg = 1.2;
  x.lipidPercentKcal = 25;
  x.lipidGramsPerKg = 0.8;
  x.totalVolume = 2000;
  x.osmolarityMix = 700;
  x.choMgKgMin = 3.0;
  return x;
}

// Each review by the words it starts with.
std::vector<std::string> startsOf(const std::string& text) {
  std::vector<std::string> starts;
  const std::string header = "  =======\r\n";
  for (std::size_t at = text.find(header); at != std::string::npos; at = text.find(header, at + 1)) {
    starts.push_back(text.substr(at + header.size(), 24));
  }
  return starts;
}

constexpr const char* kNote = "Osmolarity value display";
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReviewRow {
  const char* name;
  void (*change)(ReviewInputs&);
  std::vector<std::string> starts;
};

class ReviewChecksTest : public ::testing::TestWithParam<ReviewRow> {};

TEST_P(ReviewChecksTest, RaiseTheirReviewsInOrder) {
  ReviewInputs x = quiet();
  GetParam().change(x);
  int count = 0;
  const std::string text = reviewsFor(x, count);
  EXPECT_EQ(startsOf(text), GetParam().starts);
  EXPECT_EQ(count, static_cast<int>(GetParam().starts.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReviewChecksTest,
    ::testing::Values(
        ReviewRow{"Quiet", [](ReviewInputs&) {}, {kNote}},
        ReviewRow{"Ratio120", [](ReviewInputs& x) { x.npcToN = 120; },
                  {"NPC:N Ratio is between 1", kNote}},
        ReviewRow{"Ratio100", [](ReviewInputs& x) { x.npcToN = 100; },
                  {"NPC:N Ratio is between 1", kNote}},
        ReviewRow{"Ratio99_9", [](ReviewInputs& x) { x.npcToN = 99.9; },
                  {"NPC:N Ratio may be too L", kNote}},
        ReviewRow{"Ratio150", [](ReviewInputs& x) { x.npcToN = 150; }, {kNote}},
        ReviewRow{"Ratio149_9", [](ReviewInputs& x) { x.npcToN = 149.9; },
                  {"NPC:N Ratio is between 1", kNote}},
        ReviewRow{"Ratio300", [](ReviewInputs& x) { x.npcToN = 300; }, {kNote}},
        ReviewRow{"Ratio300_5", [](ReviewInputs& x) { x.npcToN = 300.5; },
                  {"NPC:N Ratio may be too H", kNote}},
        ReviewRow{"NoProtein", [](ReviewInputs& x) { x.npcToN = kInf; },
                  {"NPC:N Ratio may be too H", kNote}},
        ReviewRow{"RatioUndefined",
                  [](ReviewInputs& x) { x.npcToN = std::numeric_limits<double>::quiet_NaN(); },
                  {kNote}},
        ReviewRow{"Protein2_0", [](ReviewInputs& x) { x.proteinGramsPerKg = 2.0; },
                  {"Protein may be too HIGH.", kNote}},
        ReviewRow{"Protein1_99", [](ReviewInputs& x) { x.proteinGramsPerKg = 1.99; }, {kNote}},
        ReviewRow{"Lipid19_9", [](ReviewInputs& x) { x.lipidPercentKcal = 19.9; },
                  {"Lipids may be too LOW. I", kNote}},
        ReviewRow{"Lipid20", [](ReviewInputs& x) { x.lipidPercentKcal = 20; }, {kNote}},
        ReviewRow{"NoLipid",
                  [](ReviewInputs& x) {
                    x.lipidPercentKcal = 0;
                    x.lipidGramsPerKg = 0;
                  },
                  {"Lipids may be too LOW. I", kNote}},
        ReviewRow{"Lipid30At1_0",
                  [](ReviewInputs& x) {
                    x.lipidPercentKcal = 30;
                    x.lipidGramsPerKg = 1.0;
                  },
                  {kNote}},
        ReviewRow{"Lipid30At1_01",
                  [](ReviewInputs& x) {
                    x.lipidPercentKcal = 30;
                    x.lipidGramsPerKg = 1.01;
                  },
                  {"Lipids may be too HIGH. ", kNote}},
        ReviewRow{"Lipid30_1", [](ReviewInputs& x) { x.lipidPercentKcal = 30.1; },
                  {"Lipids may be too HIGH. ", kNote}},
        ReviewRow{"Volume3000", [](ReviewInputs& x) { x.totalVolume = 3000; }, {kNote}},
        ReviewRow{"Volume3000_1", [](ReviewInputs& x) { x.totalVolume = 3000.1; },
                  {"Total Fluid Volume may b", kNote}},
        ReviewRow{"Gir5_0", [](ReviewInputs& x) { x.choMgKgMin = 5.0; }, {kNote}},
        ReviewRow{"Gir5_01", [](ReviewInputs& x) { x.choMgKgMin = 5.01; },
                  {"Total carbohydrates may ", kNote}},
        ReviewRow{"Gir1_0", [](ReviewInputs& x) { x.choMgKgMin = 1.0; }, {kNote}},
        ReviewRow{"Gir0_99", [](ReviewInputs& x) { x.choMgKgMin = 0.99; },
                  {"Total carbohydrates may ", kNote}},
        ReviewRow{"Osmolarity900", [](ReviewInputs& x) { x.osmolarityMix = 900; }, {kNote}},
        ReviewRow{"Osmolarity901", [](ReviewInputs& x) { x.osmolarityMix = 901; },
                  {"Osmolarity may be too HI", kNote}},
        ReviewRow{"AllAtOnce",
                  [](ReviewInputs& x) {
                    x.npcToN = 794;
                    x.proteinGramsPerKg = 2.5;
                    x.lipidPercentKcal = 84;
                    x.totalVolume = 8640;
                    x.choMgKgMin = 5.5;
                    x.osmolarityMix = 1750;
                  },
                  {"NPC:N Ratio may be too H", "Protein may be too HIGH.",
                   "Lipids may be too HIGH. ", "Total Fluid Volume may b",
                   "Total carbohydrates may ", "Osmolarity may be too HI", kNote}}),
    [](const ::testing::TestParamInfo<ReviewRow>& row) { return std::string(row.param.name); });

TEST(ReviewText, IsExactWithNumberedHeadersAndDoubleLineEnds) {
  ReviewInputs x = quiet();
  x.npcToN = 120;
  x.choMgKgMin = 5.5;
  int count = 0;
  const std::string text = reviewsFor(x, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(text,
            "=======  REVIEW 1  =======\r\n"
            "NPC:N Ratio is between 100 & 150 - range promotes anabolism - appropriate for the "
            "majority of critically ill patients. If non-critical, range should be between 150 "
            "& 300.\r\n\r\n"
            "=======  REVIEW 2  =======\r\n"
            "Total carbohydrates may be too HIGH.  Generally, 5 to 7 mg/kg/min  (4-5mg/kg/min "
            "with critically illness) is the maximum glucose utilization rate. Excessive "
            "dextrose can increases CO2 production & respiratory difficulty, lead to liver "
            "dysfunction and/or contribute to a rise in blood glucose and/or triglycerides and "
            "immune compromise.\r\n\r\n"
            "=======  REVIEW 3  =======\r\n"
            "Osmolarity value displayed is contributions from protein and dextrose only; "
            "contributions from lipids and electrolytes are NOT included. A rule-of-thumb for "
            "calculating the contributions from electrolytes is for every 1 mEq of electrolytes "
            "add 2 to the osmolarity value.\r\n\r\n");
}

TEST(ReviewText, OsmolarityHighKeepsItsDoubleBlank) {
  ReviewInputs x = quiet();
  x.osmolarityMix = 1000;
  int count = 0;
  const std::string text = reviewsFor(x, count);
  EXPECT_NE(text.find("Osmolarity may be too HIGH.  Can cause thrombophlebitis If > 900 mOsm/L "
                      "for PPN. Electrolytes, not accounted for in this calculation, also add "
                      "to osmolarity.\r\n\r\n"),
            std::string::npos);
}

TEST(ReviewList, BuildSetsTextCountAndTitle) {
  ReviewList list;
  ReviewInputs x = quiet();
  x.npcToN = 120;
  list.build(x);
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(list.title, "2 Reviews");
  EXPECT_EQ(startsOf(reviewText()),
            (std::vector<std::string>{"NPC:N Ratio is between 1", kNote}));
  list.build(quiet());
  EXPECT_EQ(list.title, "1 Reviews");
}

std::vector<std::string> headers(const platform::Control& table) {
  return {table.columns()[0].title, table.columns()[1].title};
}

constexpr platform::ControlDef kTable[] = {
    {"results", platform::ControlKind::ReportList, "", 0, 0},
};

TEST(ReviewList, IndicatorFlashesBetweenTheColumns) {
  platform::Form form("page", kTable);
  platform::Control& table = form.control("results");
  table.setColumns({{" ", 46}, {" ", 450}});
  ReviewList list;
  list.table = &table;
  ReviewInputs x = quiet();
  x.npcToN = 120;
  list.build(x);
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{"2 REVIEWS", " "}));
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{" ", "2 REVIEWS"}));
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{"2 REVIEWS", " "}));
  list.flashes = 0;
  list.build(quiet());
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{" ", "1 REVIEW"}));
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{" ", "1 REVIEW"}));
  list.flashes = 1;
  list.enabled = 0;
  list.build(x);
  list.tick();
  EXPECT_EQ(headers(table), (std::vector<std::string>{" ", "1 REVIEW"}));
}

TEST(ReviewList, IndicatorWaitsForATableAndAReview) {
  ReviewList list;
  list.tick();  // no table: nothing happens
  platform::Form form("page", kTable);
  platform::Control& table = form.control("results");
  table.setColumns({{" ", 46}, {" ", 450}});
  list.table = &table;
  list.tick();  // no review yet
  EXPECT_EQ(headers(table), (std::vector<std::string>{" ", " "}));
  EXPECT_EQ(list.tickCount, 0);
}

}  // namespace
}  // namespace quillion::parenteral
