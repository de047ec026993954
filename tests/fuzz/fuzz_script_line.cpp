// quillion-script's line reader: any bytes as one line. A line is split exactly when it
// is text; a line that splits is made again from its words (the last one quoted) and
// must split to the same words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "script/script_driver.h"

namespace {

bool blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

// The words written back as a line: every word but the last bare, the last quoted.
std::string lineOf(const std::vector<std::string>& words) {
  std::string line;
  for (std::size_t i = 0; i + 1 < words.size(); ++i) line += words[i] + " ";
  line += '"';
  for (char ch : words.back()) {
    if (ch == '"' || ch == '\\') line += '\\';
    if (ch == '\n') {
      line += "\\n";
    } else if (ch == '\t') {
      line += "\\t";
    } else {
      line += ch;
    }
  }
  line += '"';
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillion::script;
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> words;
  const bool split = splitScriptLine(line, words);
  const auto fault = unreadableScriptLine(line);
  if (fault) {
    FUZZ_CHECK(!split);
    FUZZ_CHECK(words.empty());
    FUZZ_CHECK(!fault->empty());
    return 0;
  }
  if (!split) {
    // Only a quote can make a line of text malformed.
    FUZZ_CHECK(line.find('"') != std::string::npos);
    return 0;
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    // Bare words hold no blanks; only the last word may have been quoted.
    if (i + 1 < words.size()) {
      FUZZ_CHECK(!words[i].empty());
      for (char ch : words[i]) FUZZ_CHECK(!blank(ch));
    }
    FUZZ_CHECK(words[i].size() <= line.size());
  }
  if (words.empty()) {
    for (char ch : line) FUZZ_CHECK(blank(ch));
    return 0;
  }
  // A bare first word that begins with a quote would be read as the quoted argument.
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i].front() == '"') return 0;
  }
  std::vector<std::string> again;
  FUZZ_CHECK(splitScriptLine(lineOf(words), again));
  FUZZ_CHECK(again == words);
  return 0;
}
