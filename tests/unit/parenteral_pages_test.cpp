// The four parenteral pages' arithmetic: each page's worked examples, shown through the
// results table as the page shows them, with the reviews they raise.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "framework/format.h"
#include "parenteral/custom_mix_page.h"
#include "parenteral/review_list.h"
#include "parenteral/two_in_one_final_page.h"
#include "parenteral/two_in_one_initial_page.h"
#include "parenteral/two_in_one_kcal_page.h"

namespace quillion::parenteral {
namespace {

struct Solved {
  SolutionResults results;
  double reviewVolume = 0;
};

struct PageRow {
  const char* name;
  std::function<Solved()> solve;
  std::uint32_t layout;
  std::vector<std::string> table;  // "Label value", row by row
  std::vector<std::string> reviews;  // the first words of each review
};

std::vector<std::string> reviewStarts(const SolutionResults& r, double volume) {
  int count = 0;
  const std::string text = reviewsFor({r.npcToN, r.proteinGramsPerKg, r.lipidPercentKcal,
                                       r.lipidGramsPerKg, volume, r.osmolarityMix, r.choMgKgMin},
                                      count);
  std::vector<std::string> starts;
  const std::string header = "  =======\r\n";
  for (std::size_t at = text.find(header); at != std::string::npos; at = text.find(header, at + 1)) {
    starts.push_back(text.substr(at + header.size(), 24));
  }
  return starts;
}

class PageArithmeticTest : public ::testing::TestWithParam<PageRow> {};

TEST_P(PageArithmeticTest, ShowsTheWorkedExample) {
  lipidKcalPerGram() = 9.0;
  const PageRow& row = GetParam();
  const Solved solved = row.solve();
  std::vector<std::string> shown;
  for (const TableRow& t : tableRows(solved.results, row.layout)) shown.push_back(t.label + " " + t.value);
  EXPECT_EQ(shown, row.table);
  EXPECT_EQ(reviewStarts(solved.results, solved.reviewVolume), row.reviews);
}

const char* const kNote = "Osmolarity value display";
const char* const kRatioLow = "NPC:N Ratio may be too L";
const char* const kRatioHigh = "NPC:N Ratio may be too H";
const char* const kRatioMid = "NPC:N Ratio is between 1";
const char* const kProteinHigh = "Protein may be too HIGH.";
const char* const kLipidsLow = "Lipids may be too LOW. I";
const char* const kLipidsHigh = "Lipids may be too HIGH. ";
const char* const kFluidHigh = "Total Fluid Volume may b";
const char* const kChoHigh = "Total carbohydrates may ";
const char* const kOsmHigh = "Osmolarity may be too HI";

const std::string kOsmTotal =
    " mOsm Total (AA+Dex)  *not including lipids or electrolytes see Reviews for further info.";
const std::string kOsmMix =
    " mOsm/L (AA+Dex)  *not including lipids or electrolytes see Reviews for further info.";

Solved initialDefaults() {
  Solved s;
  s.reviewVolume = solveTwoInOneInitial(TwoInOneInitialInputs{}, s.results);
  return s;
}

Solved finalWorkedExample() {
  TwoInOneFinalInputs in;
  in.aaAmount = 4.25;
  in.dexAmount = 15;
  in.delivery = 2000;
  in.deliveryUnit = DeliveryUnit::kMl;
  in.time = 24;
  in.emulsion = 1;
  in.lipidAmount = 250;
  in.lipidUnit = LipidUnit::kMl;
  in.lipidHours = 12;
  in.weight = 70;
  in.weightUnit = ParenteralWeightUnit::kKg;
  Solved s;
  s.reviewVolume = solveTwoInOneFinal(in, s.results);
  return s;
}

Solved kcalDefaults() {
  Solved s;
  double target = 0;
  s.reviewVolume = solveTwoInOneKcal(TwoInOneKcalInputs{}, s.results, target);
  return s;
}

Solved customDefaults() {
  Solved s;
  s.reviewVolume = solveCustomMix(CustomMixInputs{}, s.results);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageArithmeticTest,
    ::testing::Values(
        PageRow{"InitialEmptyStore", initialDefaults, MixVolumeRow | LipidRateRow,
                {"TtKcal 9432", "TtVolume 8640 mL", "NPC 9144", "NPC:N 794:1", "N 11.5 g",
                 "Rate* 60 mL/hr  *AA+DEX only", "Vol* 1440 mL *AA+DEX only", "Pro 72.0 g",
                 "Pro 1.6 g/kg", "Pro 288.0 kcal", "Pro 3 % of total kcals", "Cho 360.0 g",
                 "Cho 7.9 g/kg", "Cho 1224.0 kcal", "Cho 13 % of total kcals",
                 "Cho 5.5 mg/kg/min", "Lipids 880.0 g", "Lipids 19.4 g/kg",
                 "Lipids 7920.0 kcal", "Lipids 84 % of total kcals", "Lipids 300 mL/hr",
                 "AA% 0.83 % in total volume", "CHO% 4.17 % in total volume",
                 "Fat% 10.19 % in total volume", "mOsm* 2520" + kOsmTotal,
                 "mOsm/L 1750" + kOsmMix},
                {kRatioHigh, kLipidsHigh, kFluidHigh, kChoHigh, kOsmHigh, kNote}},
        PageRow{"FinalWorkedExample", finalWorkedExample, MixVolumeRow | LipidRateRow,
                {"TtKcal 1860", "TtVolume 2250 mL", "NPC 1520", "NPC:N 112:1", "N 13.6 g",
                 "Rate* 83 mL/hr  *AA+DEX only", "Vol* 2000 mL *AA+DEX only", "Pro 85.0 g",
                 "Pro 1.2 g/kg", "Pro 340.0 kcal", "Pro 18 % of total kcals", "Cho 300.0 g",
                 "Cho 4.3 g/kg", "Cho 1020.0 kcal", "Cho 55 % of total kcals",
                 "Cho 3.0 mg/kg/min", "Lipids 55.6 g", "Lipids 0.8 g/kg", "Lipids 500.0 kcal",
                 "Lipids 27 % of total kcals", "Lipids 21 mL/hr", "AA% 3.78 % in total volume",
                 "CHO% 13.33 % in total volume", "Fat% 2.47 % in total volume",
                 "mOsm* 2350" + kOsmTotal, "mOsm/L 1175" + kOsmMix},
                {kRatioMid, kOsmHigh, kNote}},
        PageRow{"KcalEmptyStore", kcalDefaults, MixVolumeRow | LipidRateRow | MixRateOnly,
                {"TtKcal 2250", "TtVolume 1712 mL", "NPC 1770", "NPC:N 92:1", "N 19.2 g",
                 "Rate* 59 mL/hr  *AA+DEX only", "Vol* 1412 mL *AA+DEX only", "Pro 120.0 g",
                 "Pro 1.5 g/kg", "Pro 480.0 kcal", "Pro 21 % of total kcals", "Cho 423.5 g",
                 "Cho 5.3 g/kg", "Cho 1440.0 kcal", "Cho 64 % of total kcals",
                 "Cho 3.7 mg/kg/min", "Lipids 36.7 g", "Lipids 0.5 g/kg", "Lipids 330.0 kcal",
                 "Lipids 15 % of total kcals", "Lipids 12 mL/hr", "AA% 7.01 % in total volume",
                 "CHO% 24.74 % in total volume", "Fat% 2.14 % in total volume",
                 "mOsm* 3318" + kOsmTotal, "mOsm/L 1175" + kOsmMix},
                {kRatioLow, kLipidsLow, kOsmHigh, kNote}},
        PageRow{"CustomEmptyStore", customDefaults, SplitOsmolarity | TotalRate,
                {"TtKcal 1830", "TtVolume 1807 mL", "NPC 1350", "NPC:N 70:1", "N 19.2 g",
                 "Rate 75 mL/hr", "Pro 120.0 g", "Pro 2.6 g/kg", "Pro 480.0 kcal",
                 "Pro 26 % of total kcals", "Cho 249.9 g", "Cho 5.5 g/kg", "Cho 849.7 kcal",
                 "Cho 46 % of total kcals", "Cho 3.8 mg/kg/min", "Lipids 55.6 g",
                 "Lipids 1.2 g/kg", "Lipids 500.0 kcal", "Lipids 27 % of total kcals",
                 "AA% 6.64 % in total volume", "CHO% 13.83 % in total volume",
                 "Fat% 3.07 % in total volume", "mOsm* 2450" + kOsmTotal,
                 "mOsm2* 1573 mOsm/L (if 2-in-1) AA+Dex *not including lipids or electrolytes "
                 "see Reviews for further info.",
                 "mOsm3* 1356 mOsm/L (if 3-in-1) AA+Dex+Lipids+Free Fluids"},
                {kRatioLow, kProteinHigh, kLipidsHigh, kOsmHigh, kNote}}),
    [](const ::testing::TestParamInfo<PageRow>& row) { return std::string(row.param.name); });

// Single values of the pages' edge cases: one quantity of one solution each.
struct EdgeRow {
  const char* name;
  std::function<double()> value;
  const char* format;
  const char* expected;
};

class PageEdgeTest : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(PageEdgeTest, GivesTheValue) {
  lipidKcalPerGram() = 9.0;
  EXPECT_EQ(framework::formatValue(GetParam().format, GetParam().value()), GetParam().expected);
}

SolutionResults finalWith(const std::function<void(TwoInOneFinalInputs&)>& change) {
  TwoInOneFinalInputs in;
  change(in);
  SolutionResults r;
  solveTwoInOneFinal(in, r);
  return r;
}

SolutionResults initial(const std::function<void(TwoInOneInitialInputs&)>& change) {
  TwoInOneInitialInputs in;
  change(in);
  SolutionResults r;
  solveTwoInOneInitial(in, r);
  return r;
}

SolutionResults kcal(const std::function<void(TwoInOneKcalInputs&)>& change) {
  TwoInOneKcalInputs in;
  change(in);
  SolutionResults r;
  double target = 0;
  solveTwoInOneKcal(in, r, target);
  return r;
}

SolutionResults custom(const std::function<void(CustomMixInputs&)>& change) {
  CustomMixInputs in;
  change(in);
  SolutionResults r;
  solveCustomMix(in, r);
  return r;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageEdgeTest,
    ::testing::Values(
        // 2-in-1 from initial stock solutions
        EdgeRow{"InitialAllAminoAcid",
                [] {
                  return initial([](auto& in) {
                           in.aaVolume = 1;
                           in.aaVolumeUnit = VolumeUnit::kLitres;
                           in.dexVolume = 0;
                         }).aaVolume;
                },
                "%.1lf", "1440.0"},
        EdgeRow{"InitialVolumeOverTime",
                [] {
                  const auto r = initial([](auto& in) {
                    in.delivery = 1000;
                    in.deliveryUnit = DeliveryUnit::kMl;
                  });
                  return r.aaRate + r.dexRate;
                },
                "%.1lf", "41.7"},
        EdgeRow{"InitialGramsStay50",
                [] {
                  return initial([](auto& in) {
                           in.aaAmount = 50;
                           in.aaUnit = AmountUnit::kGrams;
                         }).proteinGrams;
                },
                "%.1lf", "50.0"},
        EdgeRow{"InitialGramsPercent",
                [] {
                  return initial([](auto& in) {
                           in.aaAmount = 50;
                           in.aaUnit = AmountUnit::kGrams;
                         }).aaPercent;
                },
                "%.2lf", "6.94"},
        EdgeRow{"InitialLipidHoursAtTheRule",
                [] { return initial([](auto& in) { in.lipidHours = 0.1; }).lipidRate; }, "%.1lf",
                "0.0"},
        EdgeRow{"InitialDays",
                [] {
                  return initial([](auto& in) {
                           in.timeUnit = TimeUnit::kDays;
                           in.time = 2;
                         }).deliveryHours;
                },
                "%.1lf", "48.0"},
        EdgeRow{"InitialNoStock",
                [] {
                  return initial([](auto& in) {
                           in.aaVolume = 0;
                           in.dexVolume = 0;
                         }).aaVolume;
                },
                "%.1lf", "---"},
        // 2-in-1 from final concentrations
        EdgeRow{"FinalEmptyStoreProtein", [] { return finalWith([](auto&) {}).proteinGrams; },
                "%.1lf", "154.1"},
        EdgeRow{"FinalEmptyStoreDextrose", [] { return finalWith([](auto&) {}).choGrams; },
                "%.1lf", "720.0"},
        EdgeRow{"FinalEmptyStoreVolume", [] { return finalWith([](auto&) {}).totalVolume; },
                "%.0lf", "8640"},
        EdgeRow{"FinalEmptyStoreRatio", [] { return finalWith([](auto&) {}).npcToN; }, "%.0lf",
                "421"},
        EdgeRow{"FinalEmptyStoreOsmolarity",
                [] { return finalWith([](auto&) {}).osmolarityMix; }, "%.0lf", "3570"},
        EdgeRow{"FinalLipidHoursAboveTheRule",
                [] { return finalWith([](auto& in) { in.lipidHours = 0.06; }).lipidRate; },
                "%.1lf", "300.0"},
        EdgeRow{"FinalLipidHoursAtTheRule",
                [] { return finalWith([](auto& in) { in.lipidHours = 0.05; }).lipidRate; },
                "%.1lf", "0.0"},
        EdgeRow{"FinalGramsPercent",
                [] {
                  return finalWith([](auto& in) {
                           in.aaAmount = 50;
                           in.aaUnit = AmountUnit::kGrams;
                           in.delivery = 1000;
                           in.deliveryUnit = DeliveryUnit::kMl;
                         }).aaPercent;
                },
                "%.1lf", "5.0"},
        EdgeRow{"FinalNoVolumeGrams",
                [] {
                  return finalWith([](auto& in) {
                           in.aaUnit = AmountUnit::kGrams;
                           in.delivery = 0;
                         }).osmolarityMix;
                },
                "%.0lf", "---"},
        // 2-in-1 from kcal and protein targets: rounding down and up
        EdgeRow{"KcalRoundDownVolume",
                [] {
                  return kcal([](auto& in) {
                           in.round = 1;
                           in.roundDirection = RoundDirection::kDown;
                         }).aaVolume;
                },
                "%.1lf", "1400.0"},
        EdgeRow{"KcalRoundDownProtein",
                [] {
                  return kcal([](auto& in) {
                           in.round = 1;
                           in.roundDirection = RoundDirection::kDown;
                         }).proteinGrams;
                },
                "%.1lf", "119.0"},
        EdgeRow{"KcalRoundDownDextrose",
                [] {
                  return kcal([](auto& in) {
                           in.round = 1;
                           in.roundDirection = RoundDirection::kDown;
                         }).choGrams;
                },
                "%.1lf", "420.0"},
        EdgeRow{"KcalRoundUpVolume",
                [] { return kcal([](auto& in) { in.round = 1; }).aaVolume; }, "%.1lf", "1500.0"},
        EdgeRow{"KcalRoundUpProtein",
                [] { return kcal([](auto& in) { in.round = 1; }).proteinGrams; }, "%.1lf",
                "127.5"},
        EdgeRow{"KcalRoundUpDextrose",
                [] { return kcal([](auto& in) { in.round = 1; }).choGrams; }, "%.1lf", "450.0"},
        EdgeRow{"KcalUnroundedVolume", [] { return kcal([](auto&) {}).aaVolume; }, "%.1lf",
                "1411.8"},
        EdgeRow{"KcalRoundUpFromAWholeHundred",
                [] { return roundedVolume(600, RoundDirection::kUp); }, "%.1lf", "700.0"},
        EdgeRow{"KcalRoundDownFromAWholeHundred",
                [] { return roundedVolume(600, RoundDirection::kDown); }, "%.1lf", "600.0"},
        EdgeRow{"KcalRoundNoAminoAcid",
                [] {
                  return kcal([](auto& in) {
                           in.round = 1;
                           in.aaPercent = 0;
                         }).aaVolume;
                },
                "%.0lf", "---"},
        EdgeRow{"KcalPerHourProtein",
                [] {
                  return kcal([](auto& in) {
                           in.protein = 0.05;
                           in.proteinUnit = ProteinUnit::kGramsPerKgPerHour;
                         }).proteinGrams;
                },
                "%.1lf", "96.0"},
        // custom mix
        EdgeRow{"CustomLipid15", [] { return emulsionKcalPerMl(15); }, "%.1lf", "1.1"},
        EdgeRow{"CustomLipid10_5", [] { return emulsionKcalPerMl(10.5); }, "%.1lf", "1.1"},
        EdgeRow{"CustomLipid20_5", [] { return emulsionKcalPerMl(20.5); }, "%.1lf", "2.0"},
        EdgeRow{"CustomLipid30_5", [] { return emulsionKcalPerMl(30.5); }, "%.1lf", "3.0"},
        EdgeRow{"CustomLipid11", [] { return emulsionKcalPerMl(11); }, "%.1lf", "1.1"},
        EdgeRow{"CustomLipid21", [] { return emulsionKcalPerMl(21); }, "%.1lf", "1.1"},
        EdgeRow{"CustomLipid31", [] { return emulsionKcalPerMl(31); }, "%.1lf", "1.1"},
        EdgeRow{"CustomFreeFluidVolume",
                [] { return custom([](auto& in) { in.fluidVolume = 500; }).totalVolume; },
                "%.0lf", "2307"},
        EdgeRow{"CustomFreeFluidMixOsmolarity",
                [] { return custom([](auto& in) { in.fluidVolume = 500; }).osmolarityMix; },
                "%.0lf", "1573"},
        EdgeRow{"CustomFreeFluidTotalOsmolarity",
                [] { return custom([](auto& in) { in.fluidVolume = 500; }).osmolarityTotal; },
                "%.0lf", "1062"},
        EdgeRow{"CustomOsmolesTotal", [] { return custom([](auto&) {}).osmolesTotal; }, "%.1lf",
                "2449.5"}),
    [](const ::testing::TestParamInfo<EdgeRow>& row) { return std::string(row.param.name); });

// Standard published parenteral arithmetic, applied by hand to 2000 mL of 4.25 % amino
// acids and 15 % dextrose over 24 hours at 70 kg: protein 2000 x 4.25 / 100 = 85 g,
// dextrose 2000 x 15 / 100 = 300 g, nitrogen 85 / 6.25 = 13.6 g, protein 85 x 4 = 340 kcal,
// dextrose monohydrate 300 x 3.4 = 1020 kcal, glucose infusion rate
// 300 x 1000 / 70 / 1440 = 2.98 mg/kg/min.
TEST(PublishedArithmetic, FinalWorkedExampleAgrees) {
  lipidKcalPerGram() = 9.0;
  const SolutionResults r = finalWorkedExample().results;
  EXPECT_EQ(framework::formatValue("%.1lf", r.proteinGrams), "85.0");
  EXPECT_EQ(framework::formatValue("%.1lf", r.choGrams), "300.0");
  EXPECT_EQ(framework::formatValue("%.1lf", r.proteinKcal), "340.0");
  EXPECT_EQ(framework::formatValue("%.1lf", r.choKcal), "1020.0");
  EXPECT_EQ(framework::formatValue("%.1lf", r.choMgKgMin), "3.0");
  EXPECT_EQ(framework::formatValue("%.2lf", r.choMgKgMin), "2.98");
  const std::vector<TableRow> rows = tableRows(r, MixVolumeRow | LipidRateRow);
  EXPECT_EQ(rows[4].value, "13.6 g");           // nitrogen
  EXPECT_EQ(rows[15].value, "3.0 mg/kg/min");   // glucose infusion rate
  EXPECT_EQ(rows[7].value, "85.0 g");           // protein
  EXPECT_EQ(rows[11].value, "300.0 g");         // dextrose
}

TEST(CustomMix, LipidUnitSkipsGramsPerLitre) {
  std::vector<int> codes{AmountUnit::kPercent};
  for (int i = 0; i < 4; ++i) codes.push_back(nextLipidUnit(codes.back()));
  EXPECT_EQ(codes, (std::vector<int>{0, 2, 3, 4, 0}));
}

}  // namespace
}  // namespace quillion::parenteral
