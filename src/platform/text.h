// Conversion between UTF-16 and the 8-bit character set (UTF-8), and windows-1252
// for documents that declare it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillion::platform {

// Malformed input becomes U+FFFD; nothing is dropped silently.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// Bytes of windows-1252 text as UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 text as windows-1252 bytes, one byte a character; empty when the text is not
// UTF-8 or holds a character windows-1252 lacks.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

// Where the first malformed sequence starts (cut short, overlong, a surrogate, past
// U+10FFFF, or a byte that starts nothing), or npos when all of the text is UTF-8.
std::size_t malformedUtf8At(std::string_view text);

// The longest prefix of at most maxBytes bytes that ends on a character boundary.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace quillion::platform
