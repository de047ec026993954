// Shared pieces of the input harnesses: a scratch folder on a memory file system when
// there is one, whole-file reads and writes, and a check that stops the run loudly.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quillion::fuzz {

// Once per process: the headless platform installed and the program's home moved into
// the scratch folder, so that settings, formula and log files never touch the user's.
void setUp();

// A folder of this process's own, made once; under /dev/shm when it exists so that the
// harnesses' file calls stay in memory.
std::string scratchFolder();

bool writeWholeFile(const std::string& path, std::string_view bytes);
bool readWholeFile(const std::string& path, std::string& bytes);

// An invariant that failed: says which and aborts, so that the fuzzer keeps the input.
[[noreturn]] inline void failed(const char* what, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, what);
  std::abort();
}

}  // namespace quillion::fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::quillion::fuzz::failed(#condition, __FILE__, __LINE__))
