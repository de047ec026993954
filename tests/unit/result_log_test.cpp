// The results log: byte-exact reports, append and overwrite, header, comment, failures.
#include "framework/result_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/save_options.h"
#include "framework/strings.h"
#include "test_support.h"

namespace quillion::framework {
namespace {

using platform::ControlKind;
using platform::ControlDef;

// Answers the comment prompt with a fixed text, or cancels it.
class CommentAutomation : public platform::Automation {
 public:
  explicit CommentAutomation(std::optional<std::string> text) : text_(std::move(text)) {}
  void runModal(platform::Window& window) override {
    auto* form = dynamic_cast<platform::Form*>(&window);
    if (text_ && form && form->find("comment") &&
        form->control("comment").kind() == ControlKind::MultiLine) {
      form->control("comment").setText(*text_);
      window.requestOk();
    } else {
      window.requestCancel();
    }
  }
  int answerMessage(std::string_view text, std::string_view, platform::MessageIcon,
                    platform::MessageButtons) override {
    messages.emplace_back(text);
    return platform::kAnswerOk;
  }
  std::optional<std::string> answerSaveFile(const platform::SaveFileRequest&) override {
    return std::nullopt;
  }
  std::vector<std::string> messages;

 private:
  std::optional<std::string> text_;
};

class ResultLogTest : public testing::HeadlessTest {
 protected:
  std::filesystem::path logPath() const { return home_ / "Documents" / "QuillionLog.txt"; }

  static void writeAnionGapReport(double potassium) {
    ResultLog log;
    log.open();
    log.writeTitle("  Anion Gap Calculations ");
    log.writeValue("K    = %.0lf", potassium);
    log.writeBlank();
    log.close();
  }

  static std::string anionGapReport(const char* potassium) {
    return std::string(
               "======================\r\n"
               "  Anion Gap Calculations \r\n"
               " 2005-11-29 at 12:19\r\n"
               "======================\r\n"
               "K    = ") +
           potassium + "\r\n \r\n";
  }
};

TEST_F(ResultLogTest, FirstReportCreatesTheDefaultLogByteForByte) {
  writeAnionGapReport(4.0);
  EXPECT_EQ(readFile(logPath()), anionGapReport("4"));
  EXPECT_EQ(saveOptions().fileName, logPath().string());
}

TEST_F(ResultLogTest, ReportsAccumulateOrReplaceTheFile) {
  writeAnionGapReport(4.0);
  writeAnionGapReport(5.0);
  EXPECT_EQ(readFile(logPath()), anionGapReport("4") + anionGapReport("5"));

  saveOptions().overwrite = 1;
  writeAnionGapReport(6.0);
  EXPECT_EQ(readFile(logPath()), anionGapReport("6"));
  // Nothing is left beside the log.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(logPath().parent_path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ResultLogTest, RulesOfEveryKind) {
  ResultLog log;
  log.open();
  const int kinds[] = {0, '_', 1, '-', 2, '=', 3, '#', 7, 'x'};
  for (int kind : kinds) log.writeRule(kind);
  log.close();
  std::string expected;
  for (const char* rule : {"_", "_", "-", "-", "=", "=", "#", "#", "=", "="}) {
    expected += std::string(22, rule[0]) + "\r\n";
  }
  EXPECT_EQ(readFile(logPath()), expected);
}

TEST_F(ResultLogTest, HeaderFileAndCommentComeFirst) {
  std::filesystem::path header = home_ / "header.txt";
  std::ofstream(header, std::ios::binary) << "Clinic header\nno line end";
  saveOptions().includeHeader = 1;
  saveOptions().headerFile = header.string();
  saveOptions().promptComment = 1;
  CommentAutomation automation("Bed 4\nrecheck");
  platform_.setAutomation(&automation);
  writeAnionGapReport(4.0);
  platform_.setAutomation(nullptr);
  EXPECT_EQ(readFile(logPath()),
            "Clinic header\nno line end" + std::string("Bed 4\r\nrecheck\r\n") +
                anionGapReport("4"));
}

TEST_F(ResultLogTest, EmptyCommentWritesAnEmptyLineAndCancelWritesNothing) {
  saveOptions().promptComment = 1;
  CommentAutomation empty(std::string{});
  platform_.setAutomation(&empty);
  writeAnionGapReport(4.0);
  CommentAutomation cancel(std::nullopt);
  platform_.setAutomation(&cancel);
  writeAnionGapReport(5.0);
  platform_.setAutomation(nullptr);
  EXPECT_EQ(readFile(logPath()), "\r\n" + anionGapReport("4") + anionGapReport("5"));
}

TEST_F(ResultLogTest, MissingHeaderFileAddsNothing) {
  saveOptions().includeHeader = 1;
  saveOptions().headerFile = (home_ / "nowhere.txt").string();
  writeAnionGapReport(4.0);
  EXPECT_EQ(readFile(logPath()), anionGapReport("4"));
}

TEST_F(ResultLogTest, LongLinesAreWrittenWhole) {
  std::string longLine;
  for (int i = 0; i < 1500; ++i) longLine += "\xC3\xA9";  // 3000 bytes of two-byte characters
  ResultLog log;
  log.open();
  log.writeLine(longLine);
  log.close();
  EXPECT_EQ(readFile(logPath()), longLine + "\r\n");
}

TEST_F(ResultLogTest, UnopenableFileIsReportedAndNothingIsWritten) {
  saveOptions().fileName = (home_ / "no-such-folder" / "log.txt").string();
  writeAnionGapReport(4.0);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kCouldNotOpenFile);
  EXPECT_FALSE(std::filesystem::exists(saveOptions().fileName));
}

TEST_F(ResultLogTest, FailedWriteIsReportedNotSilent) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  saveOptions().fileName = "/dev/full";
  writeAnionGapReport(4.0);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kCouldNotWriteFile);
}

TEST_F(ResultLogTest, AlwaysShowCancelledStillWritesWithOldOptions) {
  saveOptions().alwaysShow = 1;
  writeAnionGapReport(4.0);  // the headless platform cancels the options dialog
  EXPECT_EQ(readFile(logPath()), anionGapReport("4"));
  EXPECT_EQ(saveOptions().alwaysShow, 1);
}

TEST_F(ResultLogTest, TableOfAListControl) {
  constexpr ControlDef kControls[] = {{"list", ControlKind::ReportList, ""}};
  platform::Form form("t", kControls);
  platform::Control& list = form.control("list");
  list.setColumns({{"Unit", 108}, {"Value", 100, true}});
  list.insertRow(0, "g    (gram)");
  list.setCell(0, 1, "0.035500");
  list.insertRow(1, "mg");
  ResultLog log;
  log.open();
  log.writeTable(&list, 5);
  log.writeTable(nullptr, 2);
  log.close();
  EXPECT_EQ(readFile(logPath()),
            " Unit \tValue \t\r\n"
            " g    (gram) \t0.035500 \t\r\n"
            " mg \t \t\r\n");
}

}  // namespace
}  // namespace quillion::framework
