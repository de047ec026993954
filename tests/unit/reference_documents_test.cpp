// Every reference document the tools show is compiled in, well-formed, and headed by
// its title.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
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
  }
}

TEST(ReferenceDocuments, AnAbsentDocumentIsEmpty) {
  EXPECT_EQ(loadReferenceDocument(9999), "");
  EXPECT_EQ(wellFormednessError("<p>a</b>"), "</b> closes <p>");
  EXPECT_EQ(wellFormednessError("<p>a & b</p>"), "bare & at 5");
}

}  // namespace
}  // namespace quillion::framework
