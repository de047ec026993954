// A formula file of one layout: any bytes as the user's file, loaded after two stock
// records, and as a stock file into an empty list. A file that loads adds exactly its
// records (the stock mark cleared for a user file, set for a stock file) and saves back
// to bytes that load to the same records; a rejected user file leaves the list as it was
// and is kept aside whole under a ".bad" name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "enteral/formula_record.h"

namespace quillion::fuzz {

int fuzzFormulaFile(enteral::FormulaKind kind, const std::uint8_t* data, std::size_t size);

}  // namespace quillion::fuzz
