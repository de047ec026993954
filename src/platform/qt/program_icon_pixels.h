// The program's window icon as pixels, made at build time from the desktop icon.
#pragma once

#include <cstdint>
#include <span>

namespace quillion::platform::qt {

// One square size of the icon: side × side premultiplied ARGB words, row by row.
struct IconPixels {
  int side;
  const std::uint32_t* argb;
};

// The icon at 16, 32, 48 and 64 pixels.
std::span<const IconPixels> programIconPixels();

}  // namespace quillion::platform::qt
