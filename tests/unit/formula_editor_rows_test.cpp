// The "Formulas" tab's row rules: what a typed value stores, and the mg / mEq question
// offered for the minerals, against values worked by hand.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "enteral/formula_editor_rows.h"
#include "enteral/formula_record.h"

namespace quillion::enteral {
namespace {

struct StoreRow {
  const char* label;
  int row;
  float typed;
  std::size_t storedField;  // literal offset in the adult record
  float storedValue;
  const char* question;  // empty: no question
  std::size_t targetField;
  float targetValue;
};
void PrintTo(const StoreRow& row, std::ostream* out) { *out << row.label; }

class StoreRuleTest : public ::testing::TestWithParam<StoreRow> {};

// A formula with 250 mL servings, so per-litre values are four servings.
TEST_P(StoreRuleTest, TypedValueIsStoredByTheRowRule) {
  const StoreRow& p = GetParam();
  FormulaRecord formula(FormulaKind::Adult);
  formula.setNumber(116, 250.0f);
  auto question = storeEditorValue(formula, p.row, p.typed);
  EXPECT_FLOAT_EQ(formula.number(p.storedField), p.storedValue);
  if (std::string(p.question).empty()) {
    EXPECT_FALSE(question.has_value());
    return;
  }
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text, p.question);
  EXPECT_EQ(question->targetField, p.targetField);
  EXPECT_FLOAT_EQ(question->targetValue, p.targetValue);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoreRuleTest,
    ::testing::Values(
        StoreRow{"servingSize", 0, 500, 116, 500, "", 0, 0},
        StoreRow{"kcalPerServing", 2, 375, 48, 1.5f, "", 0, 0},
        StoreRow{"npcToN", 9, 131, 136, 131, "", 0, 0},
        StoreRow{"waterPerLitre", 13, 800, 152, 200, "", 0, 0},
        StoreRow{"sodiumMgPerLitre", 15, 800, 64, 200,
                 "You've entered a value of 800.00 for Sodium mg.\r\nDo you want to put a value "
                 "of 34.78 into Sodium mEq?",
                 68, 8.6956522f},
        StoreRow{"potassiumMeqPerServing", 22, 10, 76, 10,
                 "You've entered a value of 10.00 for Potassium mEq.\r\nDo you want to put a "
                 "value of 390.00 into Potassium mg?",
                 72, 390},
        StoreRow{"chlorideMeqPerLitre", 25, 40, 84, 10,
                 "You've entered a value of 40.00 for Chloride mEq.\r\nDo you want to put a "
                 "value of 283.20 into Chloride mg?",
                 80, 70.8f},
        StoreRow{"phosphorusMgPerLitre", 31, 1000, 96, 250,
                 "You've entered a value of 1000.00 for Phosphorus mg.\r\nDo you want to put a "
                 "value of 93.75 into Phosphorus mmol?",
                 100, 23.4375f},
        StoreRow{"phosphorusMmolPerServing", 34, 10, 100, 10,
                 "You've entered a value of 10.00 for Phosphorus mmol.\r\nDo you want to put a "
                 "value of 106.67 into Phosphorus mg?",
                 96, 106.66667f},
        StoreRow{"magnesiumMgPerServing", 36, 120, 104, 120,
                 "You've entered a value of 120.00 for Magnesium mg.\r\nDo you want to put a "
                 "value of 10.00 into Magnesium mEq?",
                 108, 10},
        StoreRow{"fiberPerLitre", 39, 12, 112, 3, "", 0, 0}),
    [](const auto& row) { return std::string(row.param.label); });

struct ShownRow {
  const char* label;
  int row;
  const char* expected;
};
void PrintTo(const ShownRow& row, std::ostream* out) { *out << row.label; }

class ShownValueTest : public ::testing::TestWithParam<ShownRow> {};

TEST_P(ShownValueTest, ValueColumnText) {
  FormulaRecord formula(FormulaKind::Adult);
  formula.setNumber(116, 250.0f);
  formula.setNumber(48, 1.5f);
  formula.setNumber(64, 200.0f);
  formula.setNumber(136, 130.6f);
  EXPECT_EQ(editorValueText(formula, GetParam().row), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ShownValueTest,
                         ::testing::Values(ShownRow{"serving", 0, "250.00"},
                                           ShownRow{"kcalPerServing", 2, "375.00"},
                                           ShownRow{"npcToN", 9, "131:1"},
                                           ShownRow{"sodiumPerLitre", 15, "800.00"},
                                           ShownRow{"sodiumPerServing", 16, "200.00"}),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(ShownValueTest, NewFormulaShowsTheSameNumberPerLitreAndPerServing) {
  FormulaRecord formula(FormulaKind::Adult);
  formula.setNumber(116, 1000.0f);
  formula.setNumber(72, 1560.0f);
  EXPECT_EQ(editorValueText(formula, 19), "1560.00");
  EXPECT_EQ(editorValueText(formula, 20), "1560.00");
}

TEST(ShownValueTest, ServingSizeBelowOneBecomesTheDefault) {
  FormulaRecord adult(FormulaKind::Adult);
  EXPECT_EQ(editorValueText(adult, 0), "1000.00");
  FormulaRecord peds(FormulaKind::Pediatric);
  EXPECT_EQ(editorValueText(peds, 0), "100.00");
}

struct TypedRow {
  const char* text;
  float expected;
};
void PrintTo(const TypedRow& row, std::ostream* out) { *out << row.text; }

class TypedValueTest : public ::testing::TestWithParam<TypedRow> {};

TEST_P(TypedValueTest, TextThatIsNotANumberGivesZero) {
  EXPECT_EQ(parseTypedValue(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedValueTest,
                         ::testing::Values(TypedRow{"250", 250}, TypedRow{" 1.5", 1.5f},
                                           TypedRow{"+3", 3}, TypedRow{"-2.25", -2.25f},
                                           TypedRow{"12abc", 0}, TypedRow{"abc", 0},
                                           TypedRow{"", 0}, TypedRow{"1,5", 0},
                                           TypedRow{"nan", 0}, TypedRow{"inf", 0},
                                           TypedRow{"1e60", 0}));

}  // namespace
}  // namespace quillion::enteral
