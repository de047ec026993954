// Every reference document the tools show is compiled in, well-formed, headed by its
// title, declared English, readable (every table labelled, no text smaller than the body
// text), and told apart from any other document with the same title by its subtitle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "framework/reference_pages.h"

namespace quillion::framework {
namespace {

struct Document {
  int id;
  const char* title;
};

constexpr Document kDocuments[] = {
    {2, "FRACTIONAL EXCRETION OF SODIUM (FENA)"},
    {3, "Renal"},
    {4, "NITROGEN BALANCE"},
    {5, "PERCENTAGE WEIGHT CHANGE"},
    {11, "Diabetes Substrate Target Goals:"},
    {128, "Starch List"},
    {130, "Meat and Meat Substitutes List"},
    {132, "Milk List"},
    {135, "Vegetable List"},
    {138, "Fruit List"},
    {140, "Fat List"},
    {142, "Free Foods List"},
    {145, "TPN"},
    {161, "Diabetes Laboratory Assessment"},
    {165, "Insulin Pumps"},
    {166, "Oral Hypoglycemic Agents"},
    {167, "DM Insulins"},
    {168, "PERIPHERAL PARENTERAL NUTRITION (PPN)"},
    {169, "MEDS"},
    {180, "Ireton-Jones (IJEE)"},
    {181, "INDIRECT CALORIMETRY"},
    {199, "Adult Anthropometric Assessment"},
    {200, "Blood Pressure Assessment"},
    {201, "Creatinine Clearance/Glomerular Filtration Rate"},
    {202, "ANEMIA ASSESSMENT"},
    {203, "ANEMIA ASSESSMENT"},
    {204, "ANEMIA ASSESSMENT"},
    {205, "ANION GAP"},
    {206, "CORRECTING CALCIUM AND SODIUM"},
    {207, "OSMOLALITY"},
    {210, "TLC"},
    {1002, "ENTERAL"},
    {1015, "Pediatrics: 0-36 months"},
    {1019, "Conversions"},
    {1020, "Adult Anthropometric Assessment"},
};

// Checks that every element is closed in order (void elements written "<br />"), that
// attributes are quoted, and that every "&" starts an entity. Returns an error or "".
std::string wellFormednessError(const std::string& html) {
  std::vector<std::string> open;
  std::size_t i = 0;
  while (i < html.size()) {
    char ch = html[i];
    if (ch == '&') {
      std::size_t semi = html.find(';', i);
      if (semi == std::string::npos || semi - i > 10 || semi == i + 1) {
        return "bare & at " + std::to_string(i);
      }
      i = semi + 1;
      continue;
    }
    if (ch != '<') {
      ++i;
      continue;
    }
    std::size_t close = html.find('>', i);
    if (close == std::string::npos) return "unclosed tag at " + std::to_string(i);
    std::string tag = html.substr(i + 1, close - i - 1);
    i = close + 1;
    if (tag.starts_with("!--")) {
      if (!tag.ends_with("--")) return "bad comment";
      continue;
    }
    if (tag.starts_with("!")) continue;  // a document type line
    if (std::count(tag.begin(), tag.end(), '"') % 2 != 0) return "unbalanced quotes in <" + tag + ">";
    if (tag.starts_with("/")) {
      std::string name = tag.substr(1);
      if (open.empty() || open.back() != name) {
        return "</" + name + "> closes <" + (open.empty() ? "" : open.back()) + ">";
      }
      open.pop_back();
      continue;
    }
    if (tag.ends_with("/")) continue;  // self-closed
    std::string name = tag.substr(0, tag.find_first_of(" \t\n"));
    for (char c : name) {
      if (!(std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)))) {
        return "tag name <" + name + ">";
      }
    }
    open.push_back(name);
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  return "";
}

constexpr std::string_view kBlanks = " \t\r\n";

// The start tag of the html element, or "" when there is none.
std::string htmlStartTag(const std::string& html) {
  std::size_t begin = html.find("<html");
  if (begin == std::string::npos) return "";
  std::size_t end = html.find('>', begin);
  return end == std::string::npos ? "" : html.substr(begin, end - begin + 1);
}

// Every table starts with a caption or follows a heading with only blanks between.
// Returns an error or "".
std::string unlabelledTableError(const std::string& html) {
  for (std::size_t at = html.find("<table"); at != std::string::npos;
       at = html.find("<table", at + 1)) {
    std::size_t openEnd = html.find('>', at);
    if (openEnd == std::string::npos) return "unclosed <table> at " + std::to_string(at);
    std::size_t next = html.find_first_not_of(kBlanks, openEnd + 1);
    if (next != std::string::npos && html.compare(next, 9, "<caption>") == 0) continue;
    std::size_t last = at == 0 ? std::string::npos : html.find_last_not_of(kBlanks, at - 1);
    if (last != std::string::npos && last >= 4 && html.compare(last - 4, 3, "</h") == 0 &&
        html[last - 1] >= '1' && html[last - 1] <= '6' && html[last] == '>') {
      continue;
    }
    return "table at " + std::to_string(at) + " has no caption and no heading right above it";
  }
  return "";
}

// Every font size is relative (em or %) and no smaller than the body text: at least
// 1em or 100%. Returns an error or "".
std::string fontSizeError(const std::string& html) {
  const std::string key = "font-size:";
  for (std::size_t at = html.find(key); at != std::string::npos; at = html.find(key, at + 1)) {
    std::size_t begin = html.find_first_not_of(kBlanks, at + key.size());
    std::size_t end = html.find_first_of(";}\"", begin);
    if (begin == std::string::npos || end == std::string::npos) return "unfinished font-size";
    std::string value = html.substr(begin, end - begin);
    value.erase(value.find_last_not_of(kBlanks) + 1);
    double number = 0;
    auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    std::string_view unit(rest, static_cast<std::size_t>(value.data() + value.size() - rest));
    bool relative = error == std::errc() && ((unit == "em" && number >= 1.0) ||
                                             (unit == "%" && number >= 100.0));
    if (!relative) return "font-size: " + value;
  }
  return "";
}

// The text of a <p class="subtitle"> right after the <h1>, or "".
std::string subtitleOf(const std::string& html) {
  const std::string open = "<p class=\"subtitle\">";
  std::size_t h1End = html.find("</h1>");
  if (h1End == std::string::npos) return "";
  std::size_t next = html.find_first_not_of(kBlanks, h1End + 5);
  if (next == std::string::npos || html.compare(next, open.size(), open) != 0) return "";
  std::size_t end = html.find("</p>", next);
  return end == std::string::npos ? "" : html.substr(next + open.size(), end - next - open.size());
}

std::string between(const std::string& html, const std::string& open, const std::string& close) {
  auto begin = html.find(open);
  if (begin == std::string::npos) return "<missing>";
  begin += open.size();
  auto end = html.find(close, begin);
  return end == std::string::npos ? "<missing>" : html.substr(begin, end - begin);
}

TEST(ReferenceDocuments, EachIsPresentWellFormedAndTitled) {
  for (const Document& doc : kDocuments) {
    SCOPED_TRACE(doc.id);
    std::string html = loadReferenceDocument(doc.id);
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(wellFormednessError(html), "");
    EXPECT_EQ(between(html, "<title>", "</title>"), doc.title);
    EXPECT_EQ(between(html, "<h1>", "</h1>"), doc.title);
    for (unsigned char ch : html) {
      EXPECT_LT(ch, 0x80) << "documents are 8-bit ASCII text";
      if (ch >= 0x80) break;
    }
    EXPECT_EQ(html.find("<img"), std::string::npos) << "no picture is supplied";
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_NE(htmlStartTag(html).find(" lang=\"en\""), std::string::npos) << htmlStartTag(html);
    EXPECT_EQ(unlabelledTableError(html), "");
    EXPECT_EQ(fontSizeError(html), "");
  }
}

// Documents that share a title (the three anemia tabs, the notes of the two adult energy
// tools) each carry a subtitle of their own right below it.
TEST(ReferenceDocuments, SharedTitlesHaveDistinctSubtitles) {
  std::map<std::string, std::vector<int>> idsByTitle;
  for (const Document& doc : kDocuments) idsByTitle[doc.title].push_back(doc.id);
  int shared = 0;
  for (const auto& [title, ids] : idsByTitle) {
    if (ids.size() < 2) continue;
    std::set<std::string> subtitles;
    for (int id : ids) {
      SCOPED_TRACE(id);
      std::string subtitle = subtitleOf(loadReferenceDocument(id));
      EXPECT_NE(subtitle, "");
      EXPECT_TRUE(subtitles.insert(subtitle).second) << "subtitle repeated: " << subtitle;
      ++shared;
    }
  }
  EXPECT_EQ(shared, 5);  // 202, 203, 204; 199, 1020
}

// The readability checks themselves find what they are meant to find.
TEST(ReferenceDocuments, ReadabilityChecksFindFaults) {
  struct Case {
    const char* name;
    std::string html;
    std::string tableError;
    std::string fontError;
  };
  const Case cases[] = {
      {"heading right above", "<h2>A</h2>\n<table><tr><td>1</td></tr></table>", "", ""},
      {"h3 right above", "<h3>A</h3> <table></table>", "", ""},
      {"caption", "<p>x</p><table>\n<caption>A</caption><tr><td>1</td></tr></table>", "", ""},
      {"paragraph above", "<h2>A</h2><p>x</p>\n<table><tr><td>1</td></tr></table>",
       "table at 19 has no caption and no heading right above it", ""},
      {"caption after the first row", "<table><tr><td>1</td></tr><caption>A</caption></table>",
       "table at 0 has no caption and no heading right above it", ""},
      {"second table unlabelled", "<h2>A</h2><table></table><table></table>",
       "table at 25 has no caption and no heading right above it", ""},
      {"relative sizes", "<style>body { font-size: 100%; } h1 { font-size: 1.3em; }</style>", "",
       ""},
      {"absolute points", "<style>td { font-size: 9pt; }</style>", "", "font-size: 9pt"},
      {"smaller than the body", "<style>.sources { font-size: 0.8em; }</style>", "",
       "font-size: 0.8em"},
      {"smaller percentage", "<p style=\"font-size: 90%\">x</p>", "", "font-size: 90%"},
      {"keyword", "<style>p { font-size: small }</style>", "", "font-size: small"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(unlabelledTableError(c.html), c.tableError);
    EXPECT_EQ(fontSizeError(c.html), c.fontError);
  }
  EXPECT_EQ(subtitleOf("<h1>T</h1>\n<p class=\"subtitle\">S</p>"), "S");
  EXPECT_EQ(subtitleOf("<h1>T</h1>\n<p>S</p>"), "");
  EXPECT_EQ(htmlStartTag("<html lang=\"en\">\n<head>"), "<html lang=\"en\">");
}

TEST(ReferenceDocuments, AnAbsentDocumentIsEmpty) {
  EXPECT_EQ(loadReferenceDocument(9999), "");
  EXPECT_EQ(wellFormednessError("<p>a</b>"), "</b> closes <p>");
  EXPECT_EQ(wellFormednessError("<p>a & b</p>"), "bare & at 5");
}

}  // namespace
}  // namespace quillion::framework
