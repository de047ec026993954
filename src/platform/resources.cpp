// Lookup of the resources compiled into the program.
#include "platform/resources.h"

namespace quillion::platform {

std::span<const unsigned char> findResource(int type, int number) {
  for (const EmbeddedResource* r = embeddedResourceTable(); r->data != nullptr; ++r) {
    if (r->type == type && r->number == number) return {r->data, r->size};
  }
  return {};
}

}  // namespace quillion::platform
