// quillion-script's reading of a script: splitting a line into words, and lines that
// cannot be read at all (a binary file, stray control bytes, text that is not UTF-8).
#include "script/script_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace quillion::script {
namespace {

using namespace std::string_literals;

TEST(SplitScriptLine, WordsAndAFinalQuotedArgument) {
  struct Case {
    std::string line;
    bool ok;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", true, {}},
      {"open 20", true, {"open", "20"}},
      {"  open\t 20  ", true, {"open", "20"}},
      {R"(type na "140")", true, {"type", "na", "140"}},
      {R"(type na "a \"b\" \\ c\n\td")", true, {"type", "na", "a \"b\" \\ c\n\td"}},
      {R"(type na "")", true, {"type", "na", ""}},
      {R"(type na "1" "2")", false, {}},
      {R"(type na "open)", false, {}},
      // A carriage return is a blank, wherever it stands.
      {"open\r20", true, {"open", "20"}},
      {"\ropen\r\r20\r", true, {"open", "20"}},
      {"\r", true, {}},
      {"open \r\t20", true, {"open", "20"}},
      {"type na \"140\"\r", true, {"type", "na", "140"}},
      {"type na\r\"1\r4\"", true, {"type", "na", "1 4"}},
      // Even after a backslash: a quoted argument never holds a carriage return.
      {"type na \"1\\\r4\"", true, {"type", "na", "1 4"}},
      // A line that is not text splits into nothing.
      {"open\0 20"s, false, {}},
      {"open \x01", false, {}},
      {"open \xFF", false, {}},
      {"type na \"\x1B[2J\"", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.line));
    std::vector<std::string> words{"left over"};
    EXPECT_EQ(splitScriptLine(c.line, words), c.ok);
    if (c.ok) {
      EXPECT_EQ(words, c.words);
    }
  }
}

TEST(SplitScriptLine, EveryByteValueEndsTheSplit) {
  // A binary script: each byte alone, then between two words, then before one. A line
  // is split when it is text and refused when it is not.
  for (int value = 0; value < 256; ++value) {
    // A lone double quote opens a quoted argument that is never closed (see above).
    if (value == '"') continue;
    const char byte = static_cast<char>(value);
    for (const std::string& line : {std::string(1, byte), "open" + std::string(1, byte) + "20",
                                    std::string(1, byte) + " open"}) {
      SCOPED_TRACE(::testing::PrintToString(line));
      std::vector<std::string> words;
      EXPECT_EQ(splitScriptLine(line, words), !unreadableScriptLine(line).has_value());
      EXPECT_LE(words.size(), 3u);
    }
  }
}

TEST(UnreadableScriptLine, SaysWhatKeepsALineFromBeingText) {
  struct Case {
    std::string line;
    const char* fault;  // null: the line is text
  };
  const Case cases[] = {
      {"open 20", nullptr},
      {"\topen\r20\r", nullptr},
      {"type na \"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\"", nullptr},
      {"type na \"\xEF\xBF\xBD\"", nullptr},  // U+FFFD written out is text
      {"open\0 20"s, "control character U+0000 at byte 5"},
      {"\x01", "control character U+0001 at byte 1"},
      {"open\n20", "control character U+000A at byte 5"},
      {"type na \"\x1B[2J\"", "control character U+001B at byte 10"},
      {"open 20\x7F", "control character U+007F at byte 8"},
      {"open \xC2\x85", "control character U+0085 at byte 6"},
      {"open \xFF", "not UTF-8 at byte 6"},
      {"open \xC3", "not UTF-8 at byte 6"},
      {"\xC0\xAF", "not UTF-8 at byte 1"},
      {"ab\xED\xA0\x80", "not UTF-8 at byte 3"},
      {"\xFF\x01", "not UTF-8 at byte 1"},  // the first fault is the one named
      {"\x01\xFF", "control character U+0001 at byte 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.line));
    const std::optional<std::string> fault = unreadableScriptLine(c.line);
    if (c.fault) {
      EXPECT_EQ(fault, std::optional<std::string>(c.fault));
    } else {
      EXPECT_EQ(fault, std::nullopt);
    }
  }
}

class ScriptDriverTest : public quillion::testing::HeadlessTest {
 protected:
  // Runs the lines as a script; the transcript, and the exit status in status_.
  std::string run(std::vector<std::string> lines) {
    std::ostringstream out;
    ScriptDriver driver(std::move(lines), out);
    status_ = driver.run();
    return out.str();
  }
  int status_ = -1;
};

TEST_F(ScriptDriverTest, CarriageReturnsSeparateWords) {
  EXPECT_EQ(run({"set AGap NA number\r140", "\r# a comment", "get\rAGap\r\rNA number\r"}),
            "> set AGap NA number 140\n"
            "> get AGap  NA number \n"
            "AGap NA = 140\n");
  EXPECT_EQ(status_, 0);
}

TEST_F(ScriptDriverTest, LinesThatAreNotTextAreErrorsAndTheScriptGoesOn) {
  std::string everyByte;
  for (int value = 1; value < 256; ++value) {
    if (value != '\n') everyByte += static_cast<char>(value);
  }
  EXPECT_EQ(run({"set AGap NA number 140\x01", everyByte, "\xFF\xFE\r\r\0\0"s,
                 "get AGap NA number", "open\0 20"s, "get AGap K number"}),
            "error: line 1 cannot be read: control character U+0001 at byte 23\n"
            "error: line 2 cannot be read: control character U+0001 at byte 1\n"
            "error: line 3 cannot be read: not UTF-8 at byte 1\n"
            "> get AGap NA number\n"
            "AGap NA missing\n"
            "error: line 5 cannot be read: control character U+0000 at byte 5\n"
            "> get AGap K number\n"
            "AGap K missing\n");
  EXPECT_EQ(status_, 1);
}

TEST_F(ScriptDriverTest, AnUnreadableLineInsideAWindowIsAnError) {
  const std::string transcript = run({"open 20", "type na \"14\x00\""s, "ok"});
  EXPECT_NE(transcript.find("> open 20\n"
                            "error: line 2 cannot be read: control character U+0000 at byte 12\n"
                            "> ok\n"),
            std::string::npos)
      << transcript;
  EXPECT_EQ(status_, 1);
}

TEST_F(ScriptDriverTest, ALogThatCannotBeReadIsAnError) {
  struct Case {
    std::string path;
    std::string transcript;
  };
  const Case cases[] = {
      {home_.string(), "error: log: \"" + home_.string() + "\" is a folder, not a file\n"},
      // Opens, but every read fails (nothing is mapped at address 0).
      {"/proc/self/mem", "error: log: cannot read \"/proc/self/mem\"\n"},
      {(home_ / "none.txt").string(), "log: no file\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    framework::saveOptions().fileName = c.path;
    EXPECT_EQ(run({"log", "get AGap NA number"}),
              "> log\n" + c.transcript + "> get AGap NA number\nAGap NA missing\n");
    EXPECT_EQ(status_, c.transcript.starts_with("error:") ? 1 : 0);
  }
}

// Remembers what had been written each time the stream was flushed.
class FlushRecorder : public std::stringbuf {
 public:
  std::vector<std::string> flushed;

 protected:
  int sync() override {
    flushed.push_back(str());
    return 0;
  }
};

TEST_F(ScriptDriverTest, TheTranscriptIsOutBeforeEachCommandRuns) {
  FlushRecorder recorder;
  std::ostream out(&recorder);
  ScriptDriver driver({"set AGap NA number 140", "get AGap NA number", "bogus", "open 20",
                       "dump", "click banner", "ok", "click banner", "log"},
                      out);
  EXPECT_EQ(driver.run(), 1);
  const std::string transcript = recorder.str();
  ASSERT_NE(transcript.find("error: unknown command bogus\n"), std::string::npos) << transcript;
  ASSERT_NE(transcript.find("message: "), std::string::npos) << transcript;
  // Should the next command crash the program, all that came before it has been written.
  std::vector<std::size_t> ends{transcript.size()};
  for (const char* start : {"\n> ", "\nerror: ", "\nmessage: "}) {
    for (auto at = transcript.find(start); at != std::string::npos; at = transcript.find(start, at + 1)) {
      ends.push_back(at + 1);
    }
  }
  for (std::size_t end : ends) {
    const std::string upToHere = transcript.substr(0, end);
    EXPECT_NE(std::find(recorder.flushed.begin(), recorder.flushed.end(), upToHere),
              recorder.flushed.end())
        << "not flushed before: " << transcript.substr(end, transcript.find('\n', end) - end);
  }
}

}  // namespace
}  // namespace quillion::script
