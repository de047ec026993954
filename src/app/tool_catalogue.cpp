#include "app/tool_catalogue.h"

#include "app/unavailable_page.h"
#include "conversions/conversions_page.h"
#include "framework/reference_pages.h"
#include "parenteral/review_page.h"
#include "labs/anemia_page.h"
#include "labs/anion_gap_page.h"
#include "labs/corrected_ca_na_page.h"
#include "labs/lymphocyte_page.h"
#include "labs/nitrogen_balance_page.h"
#include "labs/serum_osmolality_page.h"
#include "labs/weight_change_page.h"

namespace quillion::app {
namespace {

template <typename Page>
std::unique_ptr<platform::Form> make() {
  return std::make_unique<Page>();
}

constexpr TabRecipe kMifflin[] = {{"Mifflin-St.Jeor"}, {"Notes", nullptr, 1020}};
constexpr TabRecipe kHarris[] = {{"Harris-Benedict"}, {"Notes", nullptr, 199}};
constexpr TabRecipe kIreton[] = {{"Ireton-Jones Equations"}, {"Notes", nullptr, 180}};
constexpr TabRecipe kKcalKg[] = {{"Data Entry"}};
constexpr TabRecipe kEnteral[] = {
    {"Data Entry"}, {"Formulas"}, {"Notes", nullptr, 1002}, {"Database"}};
constexpr TabRecipe kParenteral[] = {{"Parenteral"}, {"Reviews"}, {"TPN", nullptr, 145},
                                     {"PPN", nullptr, 168}, {"MEDS", nullptr, 169}};
constexpr TabRecipe kRenal[] = {{"Renal Meal Planning"}, {"K Content"}, {"Notes", nullptr, 3}};
constexpr TabRecipe kDiabetic[] = {{"Data Entry"},           {"Plan", nullptr, 11},
                                   {"Insulin", nullptr, 167}, {"Labs", nullptr, 161},
                                   {"Oral", nullptr, 166},    {"Pumps", nullptr, 165}};
constexpr TabRecipe kInfant[] = {{"Pediatric - 0 to 36 Months"}, {"Notes", nullptr, 1015}};
constexpr TabRecipe kChild[] = {{"Pediatric - 2 to 20 Years"}, {"Notes", nullptr, 1015}};
constexpr TabRecipe kConversions[] = {{"Conversions", make<conversions::CConversionsPage>},
                                      {"Notes", nullptr, 1019}};
constexpr TabRecipe kNitrogen[] = {{"Nitrogen Balance", make<labs::CNitrogenBalancePage>},
                                   {"Notes", nullptr, 4}};
constexpr TabRecipe kCreatinine[] = {{"Creatinine Clearance"}, {"Notes", nullptr, 201}};
constexpr TabRecipe kAnionGap[] = {{"Anion Gap", make<labs::CAnionGapPage>},
                                   {"Notes", nullptr, 205}};
constexpr TabRecipe kFena[] = {{"Fractional Excretion of Sodium"}, {"Notes", nullptr, 2}};
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

const ToolRecipe kRecipes[kToolCount] = {
    {ToolKind::Sheet, "Mifflin-St.Jeor", 0, kMifflin},
    {ToolKind::Sheet, "Adult Assessment", 0, kHarris},
    {ToolKind::Sheet, "Ireton-Jones", 0, kIreton},
    {ToolKind::Sheet, "Kcal per Kg", 0, kKcalKg},
    {ToolKind::Reference, "", 181, {}},
    {ToolKind::Sheet, "Enteral", 0, kEnteral},
    {ToolKind::Sheet, "Enteral, Peds", 0, kEnteral},
    {ToolKind::Parenteral, "Parenteral", 0, kParenteral},
    {ToolKind::Sheet, "Renal Exchanges", 0, kRenal},
    {ToolKind::Sheet, "Diabetic Exchange", 0, kDiabetic},
    {ToolKind::Sheet, "Pediatric - 0 to 36", 0, kInfant},
    {ToolKind::Sheet, "Pediatric - 2 to 20", 0, kChild},
    {ToolKind::Sheet, "Conversions", 0, kConversions},
    {ToolKind::Sheet, "Nitrogen Balance", 0, kNitrogen},
    {ToolKind::Reference, "", 200, {}},
    {ToolKind::Reference, "", 167, {}},
    {ToolKind::Reference, "", 161, {}},
    {ToolKind::Reference, "", 166, {}},
    {ToolKind::Reference, "", 165, {}},
    {ToolKind::Sheet, "Creatinine/GFR", 0, kCreatinine},
    {ToolKind::Sheet, "Anion Gap", 0, kAnionGap},
    {ToolKind::Sheet, "Fractional Excretion Of Sodium", 0, kFena},
    {ToolKind::Sheet, "Serum Osmolality", 0, kOsmolality},
    {ToolKind::Sheet, "Weight Change", 0, kWeightChange},
    {ToolKind::Sheet, "Anemia Assessment", 0, kAnemia},
    {ToolKind::Sheet, "Total Lymphocyte Count", 0, kLymphocytes},
    {ToolKind::Sheet, "Corrected Ca & Na", 0, kCorrectedCaNa},
};

}  // namespace

const std::array<ToolRow, kToolCount> kToolCatalogue = {{
    {0, "Mifflin-St.Jeor Adult Assessment"},
    {1, "Harris-Benedict Adult Assessment"},
    {2, "Ireton-Jones Adult Assessment"},
    {3, "Kcal per Kg Assessment"},
    {4, "Indirect Calorimetry"},
    {5, "Enteral"},
    {6, "Enteral, Pediatric"},
    {7, "Parenteral"},
    {8, "Renal Meal Planning"},
    {9, "Diabetic Exchanges"},
    {10, "Pediatric - 0 to 36 Months"},
    {11, "Pediatric - 2 to 20 Years"},
    {12, "Conversions"},
    {13, "Nitrogen Balance"},
    {14, "Lab Values"},
    {15, "Types of insulin"},
    {16, "Diabetes Laboratory Assessment"},
    {17, "Oral Hypoglycemic Agents"},
    {18, "Insulin Pumps"},
    {19, "Creatinine Clearance - GFR (Renal)"},
    {20, "Anion Gap"},
    {21, "Fractional Excretion of Sodium"},
    {22, "Serum Osmolality"},
    {23, "Percent Weight Change"},
    {24, "Anemia Assessment"},
    {25, "Total Lymphocyte Count"},
    {26, "Corrected Calcium and Sodium"},
}};

const ToolRecipe& toolRecipe(int toolId) { return kRecipes[toolId]; }

std::unique_ptr<platform::Form> makePage(const TabRecipe& tab) {
  if (tab.make) return tab.make();
  if (tab.documentId != 0) {
    return std::make_unique<framework::CSTHtmlPage>(tab.documentId, std::string(tab.caption));
  }
  if (tab.caption == "Reviews") return std::make_unique<parenteral::ReviewPage>();
  return std::make_unique<CUnavailablePage>(std::string(tab.caption));
}

}  // namespace quillion::app
