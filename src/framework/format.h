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

// A number box's text: general format with up to 15 significant digits ("%.15g").
std::string formatNumberBox(double value);

// Parses a number box's text: a complete decimal number, blanks around it allowed,
// always with a point as the decimal separator. nullopt-like: false on failure.
bool parseNumberBox(std::string_view text, double& value);

}  // namespace quillion::framework
