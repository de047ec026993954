// The renal and diabetes tools open their calculators, not the "not available yet" page.
#include <gtest/gtest.h>

#include "app/tool_catalogue.h"
#include "diabetes/diabetic_exchange_page.h"
#include "renal/creatinine_clearance_page.h"
#include "renal/fena_page.h"
#include "renal/potassium_content_page.h"
#include "renal/renal_exchanges_page.h"

namespace quillion::app {
namespace {

template <typename Page>
bool makes(int toolId, std::size_t tab) {
  const Tool* tool = findTool(toolId);
  if (!tool || tab >= tool->tabs.size()) return false;
  auto page = makePage(tool->tabs[tab]);
  return dynamic_cast<Page*>(page.get()) != nullptr;
}

TEST(RenalAndDiabetesTools, TabsMakeTheirPages) {
  EXPECT_TRUE(makes<renal::CRenalExchangesDataPage>(8, 0));
  EXPECT_TRUE(makes<renal::CPotassiumContentPP>(8, 1));
  EXPECT_TRUE(makes<diabetes::CDiabeticExchangeDataPage>(9, 0));
  EXPECT_TRUE(makes<renal::CCreatinineClearance>(19, 0));
  EXPECT_TRUE(makes<renal::CFractionalExcretionOfSodiumPage>(21, 0));
}

}  // namespace
}  // namespace quillion::app
