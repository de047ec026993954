// The rows of the "Formulas" tab: what each row shows of a formula record and how a value
// typed into it is stored, for the adult (41 rows) and pediatric (40 rows) records.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "enteral/formula_record.h"

namespace quillion::enteral {

struct EditorRow {
  std::string_view param;
  std::string_view units;
};

const std::vector<EditorRow>& editorRows(FormulaKind kind);

// The value column's text of the row. A serving size below 1.0 is first set to the
// default in the record.
std::string editorValueText(FormulaRecord& formula, int row);

// After a mineral value was stored: the Yes / No question offering the other unit, and
// what Yes stores.
struct UnitQuestion {
  std::string text;
  std::size_t targetField;  // the other unit's per-serving field
  float targetValue;        // converted from the per-serving value just stored
};

// Stores a typed value by the row's rule; a mineral row of the adult record returns the
// question to ask.
std::optional<UnitQuestion> storeEditorValue(FormulaRecord& formula, int row, float value);

// The details text below the list.
std::string editorDetails(const FormulaRecord& formula);

// A typed value as the editor reads it: the number the whole text is, or 0.
float parseTypedValue(std::string_view text);

}  // namespace quillion::enteral
