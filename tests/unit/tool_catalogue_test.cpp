// The tool list: every id finds its own tool, and no other id finds one.
#include "app/tool_catalogue.h"

#include <gtest/gtest.h>

namespace quillion::app {
namespace {

TEST(ToolCatalogue, IdsFindTheirToolsAndNothingElse) {
  ASSERT_EQ(toolCatalogue().size(), static_cast<std::size_t>(kToolCount));
  for (const Tool& tool : toolCatalogue()) {
    SCOPED_TRACE(tool.title);
    ASSERT_NE(findTool(tool.id), nullptr);
    EXPECT_EQ(findTool(tool.id)->title, tool.title);
    EXPECT_EQ(tool.kind == ToolKind::Reference, tool.tabs.empty());
  }
  for (int id : {-1, kToolCount, 1000}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(findTool(id), nullptr);
  }
  EXPECT_EQ(findTool(7)->title, "Parenteral");
  EXPECT_EQ(findTool(26)->caption, "Corrected Ca & Na");
}

}  // namespace
}  // namespace quillion::app
