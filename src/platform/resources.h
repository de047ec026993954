// Resources compiled into the program, found by type and number.
#pragma once

#include <cstddef>
#include <span>

namespace quillion::platform {

inline constexpr int kResourceRawData = 10;
inline constexpr int kResourceHtml = 23;

struct EmbeddedResource {
  int type;
  int number;
  const unsigned char* data;
  std::size_t size;
};

// The bytes of a resource; empty when it is absent.
std::span<const unsigned char> findResource(int type, int number);

// The program's file-version text.
const char* programFileVersion();

// Generated at build time; ends with a row whose data is null.
const EmbeddedResource* embeddedResourceTable();

}  // namespace quillion::platform
