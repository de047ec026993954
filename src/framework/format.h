// The one number formatter: printf-style formats as the pages quote them, and the
// general format of number boxes. A value with no finite value shows "---".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quillion::framework {

inline constexpr std::string_view kNoValue = "---";

// format holds exactly one floating conversion ("%.1lf", "%.0lf", "%.2lf mEq/L"...);
// a non-finite value puts "---" in place of that conversion.
std::string formatValue(std::string_view format, double value);
// The same with one value for each floating conversion, in order.
std::string formatValues(std::string_view format, std::initializer_list<double> values);
// format holds one conversion: an integer one ("%d", "%i") takes the value as it is, a
// floating one ("%.1lf") takes it as a double; any other is left as text.
std::string formatInteger(std::string_view format, int value);
// Each "%s" of format takes the next text, in order; "%%" is a percent sign.
std::string formatText(std::string_view format, std::string_view text);
std::string formatTexts(std::string_view format, std::initializer_list<std::string_view> texts);

// One argument of formatFields: a whole number, a floating value or a text.
class FormatField {
 public:
  enum class Kind { Integer, Floating, Text };
  FormatField(int value) : kind_(Kind::Integer), integer_(value) {}
  FormatField(double value) : kind_(Kind::Floating), floating_(value) {}
  FormatField(std::string_view text) : kind_(Kind::Text), text_(text) {}
  FormatField(const char* text) : kind_(Kind::Text), text_(text) {}
  FormatField(const std::string& text) : kind_(Kind::Text), text_(text) {}

  Kind kind() const { return kind_; }
  int integer() const { return integer_; }
  double floating() const { return floating_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_;
  int integer_ = 0;
  double floating_ = 0;
  std::string_view text_;
};

// A format with conversions of several kinds ("%d", "%.1lf", "%s"), each taking the next
// field in order: an integer conversion takes a whole number, a floating one a floating
// value or a whole number (widened), "%s" a text; "%%" is a percent sign. A floating value
// with no finite value puts "---" in place of its conversion. A conversion whose field is
// missing or of another kind is left as text.
std::string formatFields(std::string_view format, std::initializer_list<FormatField> fields);

// A number box's text: general format with up to 15 significant digits ("%.15g").
std::string formatNumberBox(double value);

// A whole-number box's text: the integer in decimal digits ("-3", "12").
std::string formatIntegerBox(int value);

// Parses a whole-number box's text: decimal digits with an optional sign, blanks around
// them allowed, within the range of an int. False on failure ("1.5", "", "12x").
bool parseIntegerBox(std::string_view text, int& value);

// Parses a number box's text: a complete decimal number, blanks around it allowed,
// always with a point as the decimal separator. nullopt-like: false on failure.
bool parseNumberBox(std::string_view text, double& value);

}  // namespace quillion::framework
