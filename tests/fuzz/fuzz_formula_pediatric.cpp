// The pediatric formula file layout; see fuzz_formula_file.h for what is checked.
#include <cstddef>
#include <cstdint>

#include "fuzz_formula_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return quillion::fuzz::fuzzFormulaFile(quillion::enteral::FormulaKind::Pediatric, data, size);
}
