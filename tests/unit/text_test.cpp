// Conversion between UTF-8, UTF-16 and windows-1252.
#include "platform/text.h"

#include <gtest/gtest.h>

namespace quillion::platform {
namespace {

TEST(Text, Utf8AndUtf16RoundTrip) {
  const char* cases[] = {"", "Anion Gap", "\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC 5",
                         "\xF0\x9F\x98\x80 surrogate pair"};
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text);
  }
  EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98\x80").size(), 2u);
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
  struct Case {
    const char* utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"a\xFF" "b", u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                // cut short
      {"\xC0\xAF", u"\uFFFD"},          // overlong: one replacement for the sequence
      {"\xED\xA0\x80" "z", u"\uFFFDz"},  // a surrogate written as UTF-8
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
  }
  EXPECT_EQ(utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // a lone surrogate
}

TEST(Text, WhereMalformedUtf8Starts) {
  struct Case {
    std::string_view text;
    std::size_t at;
  };
  constexpr std::size_t none = std::string_view::npos;
  const Case cases[] = {
      {"", none},
      {"Anion Gap", none},
      {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", none},
      {"\xEF\xBF\xBD", none},  // U+FFFD itself is well formed
      {"a\xFF" "b", 1},
      {"ab\xC3", 2},            // cut short
      {"\xE2\x82" "a", 0},
      {"x\xC0\xAF", 1},         // overlong
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xA9", 0},              // a continuation byte with no lead
  };
  for (const auto& c : cases) {
    EXPECT_EQ(malformedUtf8At(c.text), c.at) << c.text;
  }
}

TEST(Text, Windows1252UpperHalf) {
  EXPECT_EQ(windows1252ToUtf8("plain"), "plain");
  EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");     // euro sign
  EXPECT_EQ(windows1252ToUtf8("\x96"), "\xE2\x80\x93");     // en dash
  EXPECT_EQ(windows1252ToUtf8("\xB1"), "\xC2\xB1");         // plus-minus, as Latin-1
  EXPECT_EQ(windows1252ToUtf8("\xE9"), "\xC3\xA9");
}

TEST(Text, PrefixEndsOnACharacterBoundary) {
  const std::string text = "ab\xC3\xA9\xE2\x82\xAC";  // a b e-acute euro: 2 + 2 + 3 bytes
  const std::size_t limits[] = {0, 2, 3, 4, 5, 6, 7, 100};
  const char* expected[] = {"", "ab", "ab", "ab\xC3\xA9", "ab\xC3\xA9", "ab\xC3\xA9",
                            "ab\xC3\xA9\xE2\x82\xAC", "ab\xC3\xA9\xE2\x82\xAC"};
  for (std::size_t i = 0; i < std::size(limits); ++i) {
    EXPECT_EQ(utf8Prefix(text, limits[i]), expected[i]) << limits[i];
  }
}

}  // namespace
}  // namespace quillion::platform
