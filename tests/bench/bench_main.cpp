// Quillion's benchmarks: the recompute of every calculator page through the headless
// backend, a growth assessment, the formula list's load and save of 500 records, one
// settings read and write, one report written to the log; and, as whole-program figures
// beside a bare Qt Widgets program run in the same benchmark, start-up to the main window
// shown (offscreen) and peak resident memory after opening every tool once, each given as
// a ratio to the bare program.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/tool_catalogue.h"
#include "enteral/formula_database.h"
#include "framework/calculator_page.h"
#include "framework/result_log.h"
#include "framework/settings_store.h"
#include "pediatrics/growth_table.h"
#include "platform/headless/headless_platform.h"
#include "platform/paths.h"
#include "platform/testing/user_simulation.h"

namespace {

using namespace quillion;

std::string& homeFolder() {
  static std::string home = [] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/quillion-bench-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    return std::string(name.data());
  }();
  return home;
}

platform::headless::HeadlessPlatform& headless() {
  static platform::headless::HeadlessPlatform platform;
  return platform;
}

void setUp() {
  platform::setHomeOverride(homeFolder());
  platform::setCurrentPlatform(&headless());
  headless().setFixedTime(platform::LocalTime{2005, 11, 29, 12, 19});
}

// A page of a tool and the number box typed into: the first box that shows a number.
struct PageUnderTest {
  std::unique_ptr<platform::Form> page;
  platform::Control* box = nullptr;
};

void recompute(benchmark::State& state, const app::TabRecipe* tab) {
  setUp();
  PageUnderTest p{app::makePage(*tab), nullptr};
  p.page->show();
  for (const auto& control : p.page->controls()) {
    if (control->kind() != platform::ControlKind::Edit || !control->enabled()) continue;
    const std::string& text = control->text();
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    if (!text.empty() && end && *end == '\0') {
      p.box = control.get();
      break;
    }
  }
  if (!p.box) {
    state.SkipWithError("no number box");
    return;
  }
  const std::string first = p.box->text();
  const std::string second = first + "1";
  auto& user = platform::testing::userSimulation();
  bool flip = false;
  for (auto _ : state) {
    // Each keystroke's change notice reads the inputs, calculates and shows the results.
    user.type(*p.box, flip ? first : second);
    flip = !flip;
  }
  headless().clearMessages();
}

void registerRecomputes() {
  for (const app::Tool& tool : app::toolCatalogue()) {
    for (const app::TabRecipe& tab : tool.tabs) {
      if (!tab.make) continue;
      setUp();
      auto probe = tab.make();
      if (!dynamic_cast<framework::CalculatorPage*>(probe.get())) continue;
      std::string name = "Recompute/" + std::string(tool.title) + "/" + std::string(tab.caption);
      benchmark::RegisterBenchmark(name.c_str(), recompute, &tab);
    }
  }
}

void BM_GrowthAssessment(benchmark::State& state) {
  setUp();
  std::optional<pediatrics::GrowthTable> table;
  if (pediatrics::GrowthTable::load(pediatrics::kWeightForAgeInfant, table) !=
      pediatrics::GrowthLoadError::None) {
    state.SkipWithError("no table");
    return;
  }
  double age = 0.5;
  for (auto _ : state) {
    auto a = table->assess(1, age, 7.5, 50);
    benchmark::DoNotOptimize(a);
    age = age > 35 ? 0.5 : age + 0.7;
  }
}
BENCHMARK(BM_GrowthAssessment);

void fillFormulas(enteral::FormulaDatabase& db, int count) {
  db.release();
  for (int i = 0; i < count; ++i) {
    enteral::FormulaRecord record(db.kind());
    if (!record.setName("Formula " + std::to_string(i))) std::abort();
    record.setServingSize(250);
    db.records().push_back(record);
  }
}

void BM_FormulaSave500(benchmark::State& state) {
  setUp();
  enteral::FormulaDatabase db(enteral::FormulaKind::Adult);
  fillFormulas(db, 500);
  for (auto _ : state) {
    if (db.saveUserPart() != 500) state.SkipWithError("not saved");
  }
}
BENCHMARK(BM_FormulaSave500);

void BM_FormulaLoad500(benchmark::State& state) {
  setUp();
  enteral::FormulaDatabase db(enteral::FormulaKind::Adult);
  fillFormulas(db, 500);
  if (db.saveUserPart() != 500) state.SkipWithError("not saved");
  for (auto _ : state) {
    db.release();
    if (db.loadFile(db.layout().userFile, true).count != 500) state.SkipWithError("not loaded");
  }
}
BENCHMARK(BM_FormulaLoad500);

void BM_SettingsWrite(benchmark::State& state) {
  setUp();
  framework::SettingsStore store;
  double value = 140;
  for (auto _ : state) {
    if (!store.writeNumber("AGap", "NA", value)) state.SkipWithError("not written");
    value += 1;
  }
}
BENCHMARK(BM_SettingsWrite);

void BM_SettingsRead(benchmark::State& state) {
  setUp();
  framework::SettingsStore store;
  if (!store.writeNumber("AGap", "NA", 140)) state.SkipWithError("not written");
  for (auto _ : state) benchmark::DoNotOptimize(store.readNumber("AGap", "NA", 0));
}
BENCHMARK(BM_SettingsRead);

void BM_ReportWrite(benchmark::State& state) {
  setUp();
  const std::string log = homeFolder() + "/QuillionLog.txt";
  for (auto _ : state) {
    framework::ResultLog report;
    if (report.open(log, false) != framework::LogError::None) state.SkipWithError("no log");
    report.writeTitle("Anion Gap Calculations");
    report.writeValue("K    = %.0lf", 4);
    report.writeValue("NA   = %.0lf", 140);
    report.writeValue("CL   = %.0lf", 104);
    report.writeValue("HCO3 = %.0lf", 24);
    report.writeValue("Anion Gap = %.0lf", 16);
    report.writeBlank();
    if (report.close() != framework::LogError::None) state.SkipWithError("not written");
    state.PauseTiming();
    std::filesystem::remove(log);  // each report goes to a log of the same size
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReportWrite);

// A child program's wall time and peak resident memory (KiB).
struct Run {
  double seconds = 0;
  long peakKiB = 0;
};

Run runProgram(const std::vector<std::string>& args) {
  const auto start = std::chrono::steady_clock::now();
  pid_t child = ::fork();
  if (child == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int devnull = ::open("/dev/null", O_WRONLY);
    ::dup2(devnull, 1);
    ::dup2(devnull, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  Run run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakKiB = usage.ru_maxrss;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) run.seconds = -1;
  return run;
}

std::string writeScript(const std::string& name, const std::string& text) {
  const std::string path = homeFolder() + "/" + name;
  std::ofstream(path) << text;
  return path;
}

std::vector<std::string> programArgs(const std::string& script) {
  return {QUILLION_SCRIPT_PROGRAM, "--qt", "--home", homeFolder() + "/program", script};
}

// Start-up to the main window shown: a script whose one command needs the main window.
void BM_StartupRatio(benchmark::State& state) {
  const auto script = writeScript("startup.qs", "dump\n");
  double program = 0, bare = 0;
  for (auto _ : state) {
    Run p = runProgram(programArgs(script));
    Run b = runProgram({BARE_QT_PROGRAM});
    if (p.seconds < 0 || b.seconds < 0) state.SkipWithError("a program failed");
    program += p.seconds;
    bare += b.seconds;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["quillion_ms"] = 1000 * program / n;
  state.counters["bare_qt_ms"] = 1000 * bare / n;
  state.counters["ratio"] = program / bare;
}
BENCHMARK(BM_StartupRatio)->Iterations(10)->Unit(benchmark::kMillisecond);

// Peak resident memory after opening every tool of the list once.
void BM_PeakMemoryRatio(benchmark::State& state) {
  std::string text;
  for (const app::Tool& tool : app::toolCatalogue()) {
    text += "dopen " + std::to_string(tool.id) + "\nok\n";
    // The wizard asks two questions before its sheet opens.
    if (tool.kind == app::ToolKind::Wizard) text += "ok\nok\n";
  }
  const auto script = writeScript("every-tool.qs", text);
  long program = 0, bare = 0;
  for (auto _ : state) {
    Run p = runProgram(programArgs(script));
    Run b = runProgram({BARE_QT_PROGRAM});
    if (p.seconds < 0 || b.seconds < 0) state.SkipWithError("a program failed");
    program = std::max(program, p.peakKiB);
    bare = std::max(bare, b.peakKiB);
  }
  state.counters["quillion_MiB"] = static_cast<double>(program) / 1024;
  state.counters["bare_qt_MiB"] = static_cast<double>(bare) / 1024;
  state.counters["ratio"] = static_cast<double>(program) / static_cast<double>(bare);
}
BENCHMARK(BM_PeakMemoryRatio)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  registerRecomputes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(homeFolder());
  return 0;
}
