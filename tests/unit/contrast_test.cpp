// Row colours read at 4.5:1 at least (WCAG AA), whatever the palette around them.
#include <gtest/gtest.h>

#include "enteral/enteral_results.h"
#include "parenteral/solution_results.h"
#include "platform/control.h"

namespace quillion::platform {
namespace {

TEST(Contrast, RatiosOfKnownPairs) {
  struct Row {
    std::uint32_t a;
    std::uint32_t b;
    double ratio;
  };
  // Published WCAG examples: black on white 21:1, #777777 on white just under 4.5:1.
  const Row rows[] = {{0x000000, 0xFFFFFF, 21.0}, {0xFFFFFF, 0x000000, 21.0},
                      {0x777777, 0xFFFFFF, 4.478}, {0x123456, 0x123456, 1.0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << row.a << " on " << row.b);
    EXPECT_NEAR(contrastRatio(row.a, row.b), row.ratio, 0.005);
  }
}

TEST(Contrast, EveryRowColourOfTheProgramReads) {
  const std::uint32_t backgrounds[] = {
      enteral::kCyan, enteral::kLightYellow, parenteral::kRateRowColour,
      parenteral::kProteinLipidRowColour, parenteral::kOtherRowColour, 0xFFFFFF};
  for (std::uint32_t background : backgrounds) {
    SCOPED_TRACE(testing::Message() << std::hex << background);
    // The rows ask for black text, and keep it: it reads on every one of them.
    EXPECT_EQ(readableTextColour(background, 0x000000), 0x000000u);
    // Text a dark palette would give (near white) is replaced on these light rows.
    const std::uint32_t shown = readableTextColour(background, 0xF0F0F0);
    EXPECT_GE(contrastRatio(background, shown), 4.5);
  }
  // On a dark background black text gives way to white.
  EXPECT_EQ(readableTextColour(0x202020, 0x000000), 0xFFFFFFu);
  EXPECT_EQ(readableTextColour(0x777777, 0xFFFFFF), 0x000000u);
}

}  // namespace
}  // namespace quillion::platform
