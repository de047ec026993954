// The potassium content page: its columns, one list row per table row, and the text
// line that follows a tapped row.
#include "renal/potassium_content_page.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillion::renal {
namespace {

using PotassiumContentPage = testing::HeadlessTest;

TEST_F(PotassiumContentPage, Columns) {
  struct Case {
    const char* title;
    int width;
    platform::ColumnAlign align;
  };
  using platform::ColumnAlign;
  const Case cases[] = {{"Food", 78, ColumnAlign::Left},
                        {"WT(g)", 43, ColumnAlign::Center},
                        {"Amt.", 50, ColumnAlign::Center},
                        {"K(mg)", 42, ColumnAlign::Center}};
  CPotassiumContentPP page;
  page.show();
  const auto& columns = page.control("foods").columns();
  ASSERT_EQ(columns.size(), std::size(cases));
  for (std::size_t i = 0; i < columns.size(); ++i) {
    SCOPED_TRACE(cases[i].title);
    EXPECT_EQ(columns[i].title, cases[i].title);
    EXPECT_EQ(columns[i].width, cases[i].width);
    EXPECT_EQ(columns[i].align, cases[i].align);
  }
}

TEST_F(PotassiumContentPage, TextLineFollowsTheTappedRow) {
  struct Case {
    int row;
    const char* text;
  };
  const Case cases[] = {
      {322, "Carbonated beverage, low calorie, cola, with aspartame, contains caffeine (12 fl oz)"},
      {51, "Bananas, raw (1 cup)"},
      {323, "Bananas, raw (1 cup)"},  // beside the rows: nothing changes
      {-1, "Bananas, raw (1 cup)"},
      {0, "Tomato products, canned, paste, without salt added (1 cup)"},
  };
  CPotassiumContentPP page;
  page.show();
  EXPECT_EQ(page.control("foods").rowCount(), 323);
  EXPECT_EQ(page.control("selection").text(),
            "Tomato products, canned, paste, without salt added (1 cup)");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    page.notify({platform::Event::CellTap, "foods", c.row, 0});
    EXPECT_EQ(page.control("selection").text(), c.text);
  }
}

}  // namespace
}  // namespace quillion::renal
