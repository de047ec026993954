// What the enteral pages share: loading a kind's formula files when its calculator page
// starts, and the formula drop-down lists sorted by name.
#pragma once

#include "enteral/formula_database.h"
#include "platform/control.h"

namespace quillion::enteral {

// Copies an absent stock file from the program, loads the stock file and then the user
// file, and tells the user of a file found damaged (once: it is moved aside).
void loadFormulaFiles(FormulaKind kind);

// Fills a drop-down with the names of the list's records (or its user records only),
// sorted by name, each item carrying its record index. Nothing is selected.
void fillFormulaList(platform::Control& list, const FormulaDatabase& db, bool userOnly = false);

// The position of the item carrying the record index, or -1.
int positionOfRecord(const platform::Control& list, int recordIndex);

}  // namespace quillion::enteral
