// Number formatting and parsing shared by every page, the log and the script driver.
#include "framework/format.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace quillion::framework {
namespace {

// Where the single conversion of a printf format starts and ends ("%%" is literal).
struct Conversion {
  std::size_t begin = std::string_view::npos;
  std::size_t end = std::string_view::npos;
};

Conversion findConversion(std::string_view format) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (i + 1 < format.size() && format[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < format.size() && std::string_view("-+ #0123456789.lhLqjzt").find(format[j]) !=
                                    std::string_view::npos) {
      ++j;
    }
    if (j < format.size()) return {i, j + 1};
  }
  return {};
}

// Numbers are data, not prose: they are written with a point whatever the user's locale
// (the window system sets the C library's locale from the desktop, which may use a comma).
class CLocaleScope {
 public:
  CLocaleScope() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    previous_ = c ? uselocale(c) : locale_t{};
  }
  ~CLocaleScope() {
    if (previous_) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_{};
};

std::string printfToString(const std::string& format, auto... args) {
  CLocaleScope cLocale;
  char small[256];
  int size = std::snprintf(small, sizeof small, format.c_str(), args...);
  if (size < 0) return {};
  if (static_cast<std::size_t>(size) < sizeof small) {
    return std::string(small, static_cast<std::size_t>(size));
  }
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), format.c_str(), args...);
  return std::string(buffer.data(), static_cast<std::size_t>(size));
}

// One printf conversion taken apart: "%5.2lf" is width 5, precision 2, length "l" and
// type 'f'.
struct ConversionParts {
  std::string_view flags;
  int width = -1;
  int precision = -1;
  std::string_view length;
  char type = 0;
};

// Reads the decimal digits at text[i] on (none reads as 0); false past 9999.
bool readDigits(std::string_view text, std::size_t& i, int& value) {
  value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value > 999) return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// False when the conversion does not follow printf's order of parts.
bool splitConversion(std::string_view conversion, ConversionParts& parts) {
  if (conversion.size() < 2 || conversion.front() != '%') return false;
  auto isOneOf = [](char ch, std::string_view set) {
    return set.find(ch) != std::string_view::npos;
  };
  std::size_t i = 1;
  while (i < conversion.size() && isOneOf(conversion[i], "-+ #0")) ++i;
  parts.flags = conversion.substr(1, i - 1);
  if (i < conversion.size() && conversion[i] >= '1' && conversion[i] <= '9' &&
      !readDigits(conversion, i, parts.width)) {
    return false;
  }
  // "%.lf" has a precision of 0.
  if (i < conversion.size() && conversion[i] == '.' &&
      !readDigits(conversion, ++i, parts.precision)) {
    return false;
  }
  const std::size_t lengthBegin = i;
  while (i < conversion.size() && isOneOf(conversion[i], "lhLqjzt")) ++i;
  parts.length = conversion.substr(lengthBegin, i - lengthBegin);
  if (i + 1 != conversion.size()) return false;
  parts.type = conversion[i];
  return true;
}

// Appends text right-aligned in a field of width characters, as printf pads it.
void appendPadded(std::string& out, std::string_view text, int width) {
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    out.append(static_cast<std::size_t>(width) - text.size(), ' ');
  }
  out += text;
}

// The common conversions ("%.1lf", "%5.2f", "%.15g", "%d") are written with to_chars,
// which gives printf's digits in the C locale (the same exact rounding of the stored
// binary value, exact halves to even) at a fraction of printf's cost. Any other
// conversion (flags, long double) goes to printf itself.
void appendDouble(std::string& out, std::string_view conversion, double value) {
  ConversionParts parts;
  if (splitConversion(conversion, parts) &&
      (parts.flags.empty() || (parts.flags == "0" && parts.width < 0)) &&
      (parts.length.empty() || parts.length == "l") && parts.precision <= 100) {
    std::chars_format form{};
    bool quick = true;
    switch (parts.type) {
      case 'f':
      case 'F':
        form = std::chars_format::fixed;
        break;
      case 'e':
        form = std::chars_format::scientific;
        break;
      case 'g':
        form = std::chars_format::general;
        break;
      default:
        quick = false;
    }
    // The largest double in fixed notation with 100 decimals still fits.
    char buffer[512];
    const int precision = parts.precision < 0 ? 6 : parts.precision;
    if (quick) {
      auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, form, precision);
      if (error == std::errc()) {
        appendPadded(out, std::string_view(buffer, static_cast<std::size_t>(end - buffer)),
                     parts.width);
        return;
      }
    }
  }
  out += printfToString(std::string(conversion), value);
}

void appendInteger(std::string& out, std::string_view conversion, int value) {
  ConversionParts parts;
  if (splitConversion(conversion, parts) && parts.flags.empty() && parts.precision < 0 &&
      parts.length.empty() && (parts.type == 'd' || parts.type == 'i')) {
    char buffer[16];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error == std::errc()) {
      appendPadded(out, std::string_view(buffer, static_cast<std::size_t>(end - buffer)),
                   parts.width);
      return;
    }
  }
  out += printfToString(std::string(conversion), value);
}

// The kinds of conversion, by their last character.
bool isIntegerConversion(char type) {
  return std::string_view("diouxXc").find(type) != std::string_view::npos;
}
bool isFloatingConversion(char type) {
  return std::string_view("fFeEgGaA").find(type) != std::string_view::npos;
}

void appendUnescaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
  }
}

std::string unescapePercents(std::string_view text) {
  std::string out;
  appendUnescaped(out, text);
  return out;
}

}  // namespace

std::string formatValue(std::string_view format, double value) {
  return formatValues(format, {value});
}

std::string formatValues(std::string_view format, std::initializer_list<double> values) {
  std::string out;
  auto next = values.begin();
  while (!format.empty()) {
    Conversion c = findConversion(format);
    if (c.begin == std::string_view::npos) break;
    std::string_view conversion = format.substr(c.begin, c.end - c.begin);
    const bool floating = isFloatingConversion(conversion.back());
    appendUnescaped(out, format.substr(0, c.begin));
    if (floating && next != values.end()) {
      double value = *next++;
      // Only the conversion itself reaches printf; the text around it is copied.
      if (std::isfinite(value)) {
        appendDouble(out, conversion, value);
      } else {
        out += kNoValue;
      }
    } else {
      out += conversion;
    }
    format.remove_prefix(c.end);
  }
  appendUnescaped(out, format);
  return out;
}

std::string formatInteger(std::string_view format, int value) {
  Conversion c = findConversion(format);
  if (c.begin == std::string_view::npos) return unescapePercents(format);
  const std::string_view conversion = format.substr(c.begin, c.end - c.begin);
  std::string out;
  appendUnescaped(out, format.substr(0, c.begin));
  // The value is written only as the conversion asks for it: an int to "%d", a double to
  // "%.1lf"; any other conversion stays as text.
  if (isIntegerConversion(conversion.back())) {
    appendInteger(out, conversion, value);
  } else if (isFloatingConversion(conversion.back())) {
    appendDouble(out, conversion, static_cast<double>(value));
  } else {
    out += conversion;
  }
  appendUnescaped(out, format.substr(c.end));
  return out;
}

std::string formatFields(std::string_view format, std::initializer_list<FormatField> fields) {
  std::string out;
  auto next = fields.begin();
  while (!format.empty()) {
    Conversion c = findConversion(format);
    if (c.begin == std::string_view::npos) break;
    std::string conversion(format.substr(c.begin, c.end - c.begin));
    appendUnescaped(out, format.substr(0, c.begin));
    format.remove_prefix(c.end);
    const char type = conversion.back();
    const bool integer = isIntegerConversion(type);
    const bool floating = isFloatingConversion(type);
    const FormatField* field = next != fields.end() ? next : nullptr;
    using Kind = FormatField::Kind;
    if (field && integer && field->kind() == Kind::Integer) {
      appendInteger(out, conversion, field->integer());
    } else if (field && floating && field->kind() != Kind::Text) {
      const double value = field->kind() == Kind::Integer ? static_cast<double>(field->integer())
                                                          : field->floating();
      if (std::isfinite(value)) {
        appendDouble(out, conversion, value);
      } else {
        out += kNoValue;
      }
    } else if (field && type == 's' && field->kind() == Kind::Text) {
      out += field->text();
    } else {
      out += conversion;
    }
    if (field) ++next;
  }
  appendUnescaped(out, format);
  return out;
}

std::string formatText(std::string_view format, std::string_view text) {
  return formatTexts(format, {text});
}

std::string formatTexts(std::string_view format, std::initializer_list<std::string_view> texts) {
  std::string out;
  auto next = texts.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (format[i + 1] == 's') {
        if (next != texts.end()) out += *next++;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

std::string formatNumberBox(double value) {
  if (!std::isfinite(value)) return std::string(kNoValue);
  std::string text;
  appendDouble(text, "%.15g", value);
  // Next to the largest doubles, 15 digits round up past them ("1.79769313486232e+308")
  // to a text that no longer reads back; such a box shows all 17 digits instead.
  double readBack = 0;
  if (!parseNumberBox(text, readBack)) {
    text.clear();
    appendDouble(text, "%.17g", value);
  }
  return text;
}

std::string formatIntegerBox(int value) { return std::to_string(value); }

bool parseIntegerBox(std::string_view text, int& value) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  // A sign, then digits only.
  std::size_t first = !text.empty() && (text.front() == '+' || text.front() == '-') ? 1 : 0;
  if (first == text.size()) return false;
  for (std::size_t i = first; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  if (text.front() == '+') text.remove_prefix(1);
  int parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool parseNumberBox(std::string_view text, double& value) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  // A decimal number only: sign, digits with at most one point, an optional exponent.
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
      ++j;
      ++expDigits;
    }
    if (expDigits == 0) return false;
    i = j;
  }
  if (i != text.size()) return false;
  std::string_view number = text;
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double parsed = 0.0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  if (error != std::errc() || end != number.data() + number.size()) return false;
  if (!std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace quillion::framework
