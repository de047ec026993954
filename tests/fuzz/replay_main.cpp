// Runs a harness over saved inputs, for builds without libFuzzer: each argument is a
// file or a folder of files (options beginning with '-' are libFuzzer's and are skipped),
// so that `harness -runs=0 corpus/` means the same in every build. A failed invariant
// or a fault stops the run; otherwise it prints how many inputs it replayed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return 1;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // An empty input is passed with a pointer that may not be read, as libFuzzer does.
  static const std::uint8_t nothing = 0;
  const auto* data = bytes.empty() ? &nothing : reinterpret_cast<const std::uint8_t*>(bytes.data());
  LLVMFuzzerTestOneInput(data, bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.starts_with("-")) continue;
    std::filesystem::path path(arg);
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
    } else {
      files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      if (replay(file) != 0) return 1;
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "no inputs replayed\n");
    return 1;
  }
  std::printf("replayed %d inputs\n", replayed);
  return 0;
}
