#include "parenteral/review_list.h"

#include "framework/format.h"

namespace quillion::parenteral {
namespace {

constexpr const char* kHeaderFormat = "=======  REVIEW %i  =======\r\n";
constexpr const char* kTitleFormat = "%d Reviews";
constexpr const char* kEnd = "\r\n\r\n";

constexpr const char* kNpcNAnabolic =
    "NPC:N Ratio is between 100 & 150 - range promotes anabolism - appropriate for the majority "
    "of critically ill patients. If non-critical, range should be between 150 & 300.";
constexpr const char* kNpcNHigh =
    "NPC:N Ratio may be too HIGH. Generally, it should be between 150 & 300 for non-stressed "
    "patients and between 100 & 150 in most stressed patients.";
constexpr const char* kNpcNLow =
    "NPC:N Ratio may be too LOW. Generally, it should be between 150 & 300 for non-stressed "
    "patients and between 100 & 150 in most stressed patients. NPC:N ratios that are too low "
    "may cause azotemia.";
constexpr const char* kProteinHigh =
    "Protein may be too HIGH. General guideline is between 1.0 g/kg/day and 1.5 g/kg/day (2.5 "
    "g/kg/day for severe burn patients). High protein provision may lead to azotemia and can "
    "also contribute to hepatic encephalopathy and hyperammonemia.";
constexpr const char* kLipidsLow =
    "Lipids may be too LOW. It should be between 20 to 30% of total calories (~1g/kg/day). A "
    "minimum of 500ml of 10% lipid emulsion 2 to 3 times a week is generally required to "
    "prevent Essential Fatty Acid deficiency.";
constexpr const char* kLipidsHigh =
    "Lipids may be too HIGH. It should be between 20 to 30% of total calories (~1g/kg/day). "
    "Lipids exceeding 30% of non-protein calories may lead to: hepatic, renal, cardiac, "
    "pulmonary, and/or immunological (RES) dysfunctions.";
constexpr const char* kFluidHigh =
    "Total Fluid Volume may be too HIGH. Generally, it is between 1 and 3.5 Liters per day - "
    "review other sources of fluids - to prevent volume overload.";
constexpr const char* kChoHigh =
    "Total carbohydrates may be too HIGH.  Generally, 5 to 7 mg/kg/min  (4-5mg/kg/min with "
    "critically illness) is the maximum glucose utilization rate. Excessive dextrose can "
    "increases CO2 production & respiratory difficulty, lead to liver dysfunction and/or "
    "contribute to a rise in blood glucose and/or triglycerides and immune compromise.";
constexpr const char* kChoLow =
    "Total carbohydrates may be too LOW. Generally, minimum of 1mg/kg/min of CHO per day is "
    "required to prevent gluconeogenesis.";
constexpr const char* kOsmolarityHigh =
    "Osmolarity may be too HIGH.  Can cause thrombophlebitis If > 900 mOsm/L for PPN. "
    "Electrolytes, not accounted for in this calculation, also add to osmolarity.";
constexpr const char* kOsmolarityNote =
    "Osmolarity value displayed is contributions from protein and dextrose only; contributions "
    "from lipids and electrolytes are NOT included. A rule-of-thumb for calculating the "
    "contributions from electrolytes is for every 1 mEq of electrolytes add 2 to the "
    "osmolarity value.";

}  // namespace

std::string reviewsFor(const ReviewInputs& x, int& count) {
  const bool checks[] = {
      x.npcToN >= 100 && x.npcToN < 150,
      x.npcToN > 300,
      x.npcToN < 100,
      x.proteinGramsPerKg >= 2.0,
      x.lipidPercentKcal < 20,
      x.lipidPercentKcal > 30 || (x.lipidPercentKcal <= 30 && x.lipidGramsPerKg > 1.0),
      x.totalVolume > 3000,
      x.choMgKgMin > 5.0,
      x.choMgKgMin < 1.0,
      x.osmolarityMix > 900,
      true,
  };
  const char* messages[] = {kNpcNAnabolic, kNpcNHigh,  kNpcNLow, kProteinHigh,
                            kLipidsLow,    kLipidsHigh, kFluidHigh, kChoHigh,
                            kChoLow,       kOsmolarityHigh, kOsmolarityNote};
  std::string text;
  count = 0;
  for (std::size_t i = 0; i < std::size(checks); ++i) {
    if (!checks[i]) continue;
    ++count;
    text += framework::formatInteger(kHeaderFormat, count);
    text += messages[i];
    text += kEnd;
  }
  return text;
}

void ReviewList::build(const ReviewInputs& values) {
  reviewText() = reviewsFor(values, count);
  title = framework::formatInteger(kTitleFormat, count);
  if (!reviewPage || !reviewPage->initialized()) return;
  if (enabled == 0) reviewText() = kReviewsNotEnabled;
  reviewPage->showText(reviewText());
  if (sheet && sheet->pageCount() > 1) {
    sheet->setTabCaption(1, title);
    reviewPage->setCaption(title);
  }
}

void ReviewList::tick() {
  if (count == 0 || enabled == 0 || !table || table->columns().size() < 2) return;
  const std::string indicator =
      count == 1 ? std::string("1 REVIEW") : framework::formatInteger("%i REVIEWS", count);
  std::vector<platform::ListColumn> columns = table->columns();
  // Whole strings on both sides: GCC 12 at -O2 takes a literal turned into a string here
  // for an overlapping copy (-Wrestrict).
  const std::string blank(" ");
  // Flashing, the indicator moves to the first column on odd ticks.
  const bool onFirst = flashes && ++tickCount % 2 != 0;
  columns[0].title.assign(onFirst ? indicator : blank);
  columns[1].title.assign(onFirst ? blank : indicator);
  table->setColumns(std::move(columns));
}

}  // namespace quillion::parenteral
