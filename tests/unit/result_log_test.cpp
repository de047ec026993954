// The results log: byte-exact reports, append and overwrite, header, comment, failures.
#include "framework/result_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "framework/report_saving.h"

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

  // "Save" of a page whose one report line is its potassium; true when it was written.
  static bool writeAnionGapReport(double potassium) {
    return saveReport("  Anion Gap Calculations ",
                      [&](ResultLog& log) { log.writeValue("K    = %.0lf", potassium); });
  }

  // A report of its own lines straight to the default log.
  template <typename Body>
  void writeLog(Body&& body) {
    std::filesystem::create_directories(logPath().parent_path());
    ResultLog log;
    ASSERT_EQ(log.open(logPath().string(), false), LogError::None);
    body(log);
    ASSERT_EQ(log.close(), LogError::None);
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
  writeLog([](ResultLog& log) {
    const int kinds[] = {0, '_', 1, '-', 2, '=', 3, '#', 7, 'x'};
    for (int kind : kinds) log.writeRule(kind);
  });
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
  writeLog([&](ResultLog& log) { log.writeLine(longLine); });
  EXPECT_EQ(readFile(logPath()), longLine + "\r\n");
}

TEST_F(ResultLogTest, UnopenableFileIsReportedAndNothingIsWritten) {
  saveOptions().fileName = (home_ / "no-such-folder" / "log.txt").string();
  EXPECT_FALSE(writeAnionGapReport(4.0));
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kCouldNotOpenFile);
  EXPECT_FALSE(std::filesystem::exists(saveOptions().fileName));
}

TEST_F(ResultLogTest, DeviceIsRefusedAsALog) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // A device is no log: it is refused before anything is written to it.
  saveOptions().fileName = "/dev/full";
  EXPECT_FALSE(writeAnionGapReport(4.0));
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0], kLogNotRegularFile);
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
  list.setColumns({{"Unit", 108}, {"Value", 100, platform::ColumnAlign::Right}});
  list.insertRow(0, "g    (gram)");
  list.setCell(0, 1, "0.035500");
  list.insertRow(1, "mg");
  writeLog([&](ResultLog& log) {
    log.writeTable(&list, 5);
    log.writeTable(nullptr, 2);
  });
  EXPECT_EQ(readFile(logPath()),
            " Unit \tValue \t\r\n"
            " g    (gram) \t0.035500 \t\r\n"
            " mg \t \t\r\n");
}

// The file-system cases: each drives the log's file calls through the test seam.

TEST_F(ResultLogTest, ShortWriteOnAFullDiskLeavesTheLogAsItWas) {
  ASSERT_TRUE(writeAnionGapReport(4.0));
  const std::string before = readFile(logPath());
  for (bool overwrite : {false, true}) {
    SCOPED_TRACE(overwrite ? "overwrite" : "append");
    saveOptions().overwrite = overwrite ? 1 : 0;
    int writes = 0;
    platform::fileCalls().write = [&](int fd, const void* data, size_t size) -> ssize_t {
      // The first write gets half its bytes in, then the disk is full.
      if (++writes == 1) return ::write(fd, data, size / 2);
      errno = ENOSPC;
      return -1;
    };
    EXPECT_FALSE(writeAnionGapReport(5.0));
    platform::fileCalls() = platform::systemFileCalls();
    EXPECT_EQ(readFile(logPath()), before);
    ASSERT_FALSE(platform_.messages().empty());
    EXPECT_EQ(platform_.messages().back(), kCouldNotWriteFile);
  }
  // Nothing is left beside the log.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(logPath().parent_path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ResultLogTest, LogReplacedWhileTheReportWasMadeGetsTheReport) {
  // An editor saves the log by renaming its copy over it after the save began (while the
  // comment prompt is up): the report goes to the file now at the path.
  std::filesystem::create_directories(logPath().parent_path());
  std::ofstream(logPath(), std::ios::binary) << "old\r\n";
  ResultLog log;
  ASSERT_EQ(log.open(logPath().string(), false), LogError::None);
  log.writeLine("report");
  const auto edited = home_ / "edited.txt";
  std::ofstream(edited, std::ios::binary) << "edited\r\n";
  std::filesystem::rename(edited, logPath());
  ASSERT_EQ(log.close(), LogError::None);
  EXPECT_EQ(readFile(logPath()), "edited\r\nreport\r\n");
}

TEST_F(ResultLogTest, AppenderReopensALogReplacedBeforeItsLockWasTaken) {
  // Another copy of the program, in overwrite mode, renames its new log over the path
  // between this report's open and its lock: the report must land in the new file.
  std::filesystem::create_directories(logPath().parent_path());
  std::ofstream(logPath(), std::ios::binary) << "old\r\n";
  int locks = 0;
  platform::fileCalls().flock = [&](int fd, int operation) {
    if (++locks == 1) {
      const auto other = home_ / "other-writer.txt";
      std::ofstream(other, std::ios::binary) << "other\r\n";
      std::filesystem::rename(other, logPath());
    }
    return ::flock(fd, operation);
  };
  ResultLog log;
  ASSERT_EQ(log.open(logPath().string(), false), LogError::None);
  log.writeLine("report");
  ASSERT_EQ(log.close(), LogError::None);
  EXPECT_EQ(locks, 2);
  EXPECT_EQ(readFile(logPath()), "other\r\nreport\r\n");
}

TEST_F(ResultLogTest, LockHeldByAnotherWriterFailsAfterABoundedWait) {
  ASSERT_TRUE(writeAnionGapReport(4.0));
  const std::string before = readFile(logPath());
  // Another process holds the log's lock and never lets go.
  const int holder = ::open(logPath().c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  int waited = 0;
  platform::fileCalls().pause = [&](int milliseconds) { waited += milliseconds; };
  for (bool overwrite : {false, true}) {
    SCOPED_TRACE(overwrite ? "overwrite" : "append");
    saveOptions().overwrite = overwrite ? 1 : 0;
    waited = 0;
    EXPECT_FALSE(writeAnionGapReport(5.0));
    EXPECT_GE(waited, kLogLockWaitMs);
    EXPECT_LE(waited, kLogLockWaitMs + kLogLockRetryMs);
    ASSERT_FALSE(platform_.messages().empty());
    EXPECT_EQ(platform_.messages().back(), kLogInUse);
    EXPECT_EQ(readFile(logPath()), before);
  }
  ::close(holder);
}

TEST_F(ResultLogTest, SymbolicLinkKeepsPointingAtTheUpdatedTarget) {
  const auto target = home_ / "real-log.txt";
  const auto link = home_ / "log-link.txt";
  std::ofstream(target, std::ios::binary) << "old\r\n";
  std::filesystem::create_symlink("real-log.txt", link);  // relative, as users make them
  saveOptions().fileName = link.string();
  ASSERT_TRUE(writeAnionGapReport(4.0));
  EXPECT_EQ(readFile(target), "old\r\n" + anionGapReport("4"));
  saveOptions().overwrite = 1;
  ASSERT_TRUE(writeAnionGapReport(5.0));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFile(target), anionGapReport("5"));
}

TEST_F(ResultLogTest, PathThatIsNoRegularFileIsRefusedAndLeftAlone) {
  const auto folder = home_ / "a-folder";
  std::filesystem::create_directories(folder);
  const auto pipe = home_ / "a-pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (bool overwrite : {false, true}) {
    for (const auto& path : {folder, pipe, std::filesystem::path("/dev/null")}) {
      SCOPED_TRACE(path.string() + (overwrite ? " overwrite" : " append"));
      saveOptions().fileName = path.string();
      saveOptions().overwrite = overwrite ? 1 : 0;
      EXPECT_FALSE(writeAnionGapReport(4.0));
      ASSERT_FALSE(platform_.messages().empty());
      EXPECT_EQ(platform_.messages().back(), kLogNotRegularFile);
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(ResultLogTest, HeaderFileMustBeASmallRegularFile) {
  const auto pipe = home_ / "header-pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const auto large = home_ / "large-header.txt";
  std::ofstream(large, std::ios::binary) << std::string(kHeaderFileLimit + 1, 'h');
  const auto limit = home_ / "limit-header.txt";
  std::ofstream(limit, std::ios::binary) << std::string(kHeaderFileLimit, 'h');
  saveOptions().includeHeader = 1;
  struct Row {
    std::filesystem::path header;
    bool used;
  };
  const Row rows[] = {
      {"/dev/zero", false},  // endless: once read without end and never returned
      {pipe, false},         // a pipe with no writer: once blocked for ever
      {large, false},
      {home_, false},
      {limit, true},
      {home_ / "missing.txt", true},  // not there: nothing to copy
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.header.string());
    std::filesystem::remove(logPath());
    saveOptions().headerFile = row.header.string();
    const std::size_t messages = platform_.messages().size();
    EXPECT_EQ(writeAnionGapReport(4.0), row.used);
    if (row.used) {
      EXPECT_EQ(platform_.messages().size(), messages);
    } else {
      ASSERT_EQ(platform_.messages().size(), messages + 1);
      EXPECT_EQ(platform_.messages().back(), kHeaderFileUnusable);
      EXPECT_EQ(readFile(logPath()), "");  // no report, not even a partial one
    }
  }
  EXPECT_EQ(readFile(logPath()), anionGapReport("4"));
  std::filesystem::remove(logPath());
  saveOptions().headerFile = limit.string();
  ASSERT_TRUE(writeAnionGapReport(4.0));
  EXPECT_EQ(readFile(logPath()), std::string(kHeaderFileLimit, 'h') + anionGapReport("4"));
}

}  // namespace
}  // namespace quillion::framework
