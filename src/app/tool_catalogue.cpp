#include "app/tool_catalogue.h"

#include "adult/adult_energy_page.h"
#include "adult/ireton_jones_page.h"
#include "adult/kcal_kg_page.h"
#include "app/unavailable_page.h"
#include "conversions/conversions_page.h"
#include "diabetes/diabetic_exchange_page.h"
#include "enteral/enteral_data_page.h"
#include "enteral/enteral_database_page.h"
#include "enteral/enteral_formulas_page.h"
#include "enteral/enteral_peds_data_page.h"
#include "framework/reference_pages.h"
#include "parenteral/review_page.h"
#include "pediatrics/child_page.h"
#include "pediatrics/growth_chart_page.h"
#include "pediatrics/infant_page.h"
#include "labs/anemia_page.h"
#include "labs/anion_gap_page.h"
#include "labs/corrected_ca_na_page.h"
#include "labs/lymphocyte_page.h"
#include "labs/nitrogen_balance_page.h"
#include "labs/serum_osmolality_page.h"
#include "labs/weight_change_page.h"
#include "renal/creatinine_clearance_page.h"
#include "renal/fena_page.h"
#include "renal/potassium_content_page.h"
#include "renal/renal_exchanges_page.h"

namespace quillion::app {
namespace {

template <typename Page>
std::unique_ptr<platform::Form> make() {
  return std::make_unique<Page>();
}

// The chart tab of a growth tool follows the tool's data page.
std::unique_ptr<platform::Form> growthChartOf(platform::Form& firstPage) {
  auto* page = dynamic_cast<pediatrics::GrowthPage*>(&firstPage);
  if (!page) return nullptr;
  return std::make_unique<pediatrics::CGrowthChartPage>(*page);
}

constexpr TabRecipe kMifflin[] = {{"Mifflin-St.Jeor", make<adult::CMifflinStJeorPage>},
                                  {"Notes", nullptr, 1020}};
constexpr TabRecipe kHarris[] = {{"Harris-Benedict", make<adult::CHarrisBenedictPage>},
                                 {"Notes", nullptr, 199}};
constexpr TabRecipe kIreton[] = {{"Ireton-Jones Equations", make<adult::CIretonJonesPage>},
                                 {"Notes", nullptr, 180}};
constexpr TabRecipe kKcalKg[] = {{"Data Entry", make<adult::CKcalKgAdultAssessmentDlg>}};
constexpr TabRecipe kEnteral[] = {{"Data Entry", make<enteral::CEnteralDataPP>},
                                   {"Formulas", make<enteral::CEnteralFormulasPP>},
                                   {"Notes", nullptr, 1002},
                                   {"Database", make<enteral::CEnteralDatabasePP>}};
constexpr TabRecipe kEnteralPeds[] = {{"Data Entry", make<enteral::CEnteralPedsDataPP>},
                                       {"Formulas", make<enteral::CEnteralPedsFormulasPP>},
                                       {"Notes", nullptr, 1002},
                                       {"Database", make<enteral::CEnteralPedsDatabasePP>}};
// The first tab is the calculator page the wizard chose.
constexpr TabRecipe kParenteral[] = {{"Parenteral"}, {"Reviews"}, {"TPN", nullptr, 145},
                                     {"PPN", nullptr, 168}, {"MEDS", nullptr, 169}};
constexpr TabRecipe kRenal[] = {{"Renal Meal Planning", make<renal::CRenalExchangesDataPage>},
                                {"K Content", make<renal::CPotassiumContentPP>},
                                {"Notes", nullptr, 3}};
constexpr TabRecipe kDiabetic[] = {{"Data Entry", make<diabetes::CDiabeticExchangeDataPage>},
                                   {"Plan", nullptr, 11},
                                   {"Insulin", nullptr, 167}, {"Labs", nullptr, 161},
                                   {"Oral", nullptr, 166},    {"Pumps", nullptr, 165}};
constexpr TabRecipe kInfant[] = {{"Pediatric - 0 to 36 Months", make<pediatrics::CPediatric0to36>},
                                 {"Notes", nullptr, 1015},
                                 {"Chart", nullptr, 0, growthChartOf}};
constexpr TabRecipe kChild[] = {{"Pediatric - 2 to 20 Years", make<pediatrics::CPediatric2to20>},
                                {"Notes", nullptr, 1015},
                                {"Chart", nullptr, 0, growthChartOf}};
constexpr TabRecipe kConversions[] = {{"Conversions", make<conversions::CConversionsPage>},
                                      {"Notes", nullptr, 1019}};
constexpr TabRecipe kNitrogen[] = {{"Nitrogen Balance", make<labs::CNitrogenBalancePage>},
                                   {"Notes", nullptr, 4}};
constexpr TabRecipe kCreatinine[] = {{"Creatinine Clearance", make<renal::CCreatinineClearance>},
                                     {"Notes", nullptr, 201}};
constexpr TabRecipe kAnionGap[] = {{"Anion Gap", make<labs::CAnionGapPage>},
                                   {"Notes", nullptr, 205}};
constexpr TabRecipe kFena[] = {
    {"Fractional Excretion of Sodium", make<renal::CFractionalExcretionOfSodiumPage>},
    {"Notes", nullptr, 2}};
constexpr TabRecipe kOsmolality[] = {{"Serum Osmolality", make<labs::CSerumOsmolalityPage>},
                                     {"Notes", nullptr, 207}};
constexpr TabRecipe kWeightChange[] = {
    {"Percentage Weight Change", make<labs::CPercentWeightChangePage>}, {"Notes", nullptr, 5}};
constexpr TabRecipe kAnemia[] = {{"Data Entry", make<labs::CAnemiaLabValuesPage>},
                                 {"Notes", nullptr, 202},
                                 {"Table", nullptr, 204},
                                 {"Normal", nullptr, 203}};
constexpr TabRecipe kLymphocytes[] = {
    {"Total Lymphocyte Count", make<labs::CTotalLymphocyteCountPage>}, {"Notes", nullptr, 210}};
constexpr TabRecipe kCorrectedCaNa[] = {{"Corrected Ca & Na", make<labs::CCorrectedCaNaPage>},
                                        {"Notes", nullptr, 206}};

// The main list, in its order; each row's id is its position.
constexpr Tool kTools[kToolCount] = {
    {0, "Mifflin-St.Jeor Adult Assessment", ToolKind::Sheet, "Mifflin-St.Jeor", 0, kMifflin},
    {1, "Harris-Benedict Adult Assessment", ToolKind::Sheet, "Adult Assessment", 0, kHarris},
    {2, "Ireton-Jones Adult Assessment", ToolKind::Sheet, "Ireton-Jones", 0, kIreton},
    {3, "Kcal per Kg Assessment", ToolKind::Sheet, "Kcal per Kg", 0, kKcalKg},
    {4, "Indirect Calorimetry", ToolKind::Reference, "", 181},
    {5, "Enteral", ToolKind::Sheet, "Enteral", 0, kEnteral},
    {6, "Enteral, Pediatric", ToolKind::Sheet, "Enteral, Peds", 0, kEnteralPeds},
    {7, "Parenteral", ToolKind::Wizard, "Parenteral", 0, kParenteral},
    {8, "Renal Meal Planning", ToolKind::Sheet, "Renal Exchanges", 0, kRenal},
    {9, "Diabetic Exchanges", ToolKind::Sheet, "Diabetic Exchange", 0, kDiabetic},
    {10, "Pediatric - 0 to 36 Months", ToolKind::Sheet, "Pediatric - 0 to 36", 0, kInfant},
    {11, "Pediatric - 2 to 20 Years", ToolKind::Sheet, "Pediatric - 2 to 20", 0, kChild},
    {12, "Conversions", ToolKind::Sheet, "Conversions", 0, kConversions},
    {13, "Nitrogen Balance", ToolKind::Sheet, "Nitrogen Balance", 0, kNitrogen},
    {14, "Lab Values", ToolKind::Reference, "", 200},
    {15, "Types of insulin", ToolKind::Reference, "", 167},
    {16, "Diabetes Laboratory Assessment", ToolKind::Reference, "", 161},
    {17, "Oral Hypoglycemic Agents", ToolKind::Reference, "", 166},
    {18, "Insulin Pumps", ToolKind::Reference, "", 165},
    {19, "Creatinine Clearance - GFR (Renal)", ToolKind::Sheet, "Creatinine/GFR", 0, kCreatinine},
    {20, "Anion Gap", ToolKind::Sheet, "Anion Gap", 0, kAnionGap},
    {21, "Fractional Excretion of Sodium", ToolKind::Sheet, "Fractional Excretion Of Sodium", 0,
     kFena},
    {22, "Serum Osmolality", ToolKind::Sheet, "Serum Osmolality", 0, kOsmolality},
    {23, "Percent Weight Change", ToolKind::Sheet, "Weight Change", 0, kWeightChange},
    {24, "Anemia Assessment", ToolKind::Sheet, "Anemia Assessment", 0, kAnemia},
    {25, "Total Lymphocyte Count", ToolKind::Sheet, "Total Lymphocyte Count", 0, kLymphocytes},
    {26, "Corrected Calcium and Sodium", ToolKind::Sheet, "Corrected Ca & Na", 0, kCorrectedCaNa},
};

constexpr bool idsArePositions() {
  for (int i = 0; i < kToolCount; ++i) {
    if (kTools[i].id != i) return false;
  }
  return true;
}
static_assert(idsArePositions(), "a tool's id is its row in the main list");

}  // namespace

std::span<const Tool> toolCatalogue() { return kTools; }

const Tool* findTool(int toolId) {
  return toolId >= 0 && toolId < kToolCount ? &kTools[toolId] : nullptr;
}

std::unique_ptr<platform::Form> makePage(const TabRecipe& tab, platform::Form* firstPage) {
  if (tab.make) return tab.make();
  if (tab.follow && firstPage) {
    if (auto page = tab.follow(*firstPage)) return page;
  }
  if (tab.documentId != 0) {
    return std::make_unique<framework::CSTHtmlPage>(tab.documentId, std::string(tab.caption));
  }
  if (tab.caption == "Reviews") return std::make_unique<parenteral::ReviewPage>();
  return std::make_unique<CUnavailablePage>(std::string(tab.caption));
}

}  // namespace quillion::app
