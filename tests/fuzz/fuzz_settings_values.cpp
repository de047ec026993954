// A settings value as read back from the hive: the input is the stored type tag (four
// bytes, little-endian) and the value's bytes (the rest, their count its size). Every
// typed read gives the stored value when it has its kind's exact size and a usable
// value, and the fallback otherwise; text read back is UTF-8 and survives a write and a
// second read unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "framework/settings_store.h"
#include "framework/strings.h"
#include "fuzz_support.h"
#include "platform/settings_hive.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillion;
  fuzz::setUp();
  if (size < 4) return 0;
  std::uint32_t type;
  std::memcpy(&type, data, 4);
  const std::vector<std::uint8_t> value(data + 4, data + size);

  const std::string path[] = {"Software", std::string(framework::loadString(framework::kStringMakerKey)),
                              std::string(framework::kAppName), "Fuzz"};
  auto& hive = platform::programHive();
  FUZZ_CHECK(hive.setValue(path, "V", type, value));
  auto stored = hive.queryValue(path, "V");
  FUZZ_CHECK(stored.has_value());
  FUZZ_CHECK(stored->type == type);
  FUZZ_CHECK(stored->data == value);

  framework::SettingsStore store;
  const double number = store.readNumber("Fuzz", "V", 1.5);
  if (value.size() == sizeof(double)) {
    double held;
    std::memcpy(&held, value.data(), sizeof held);
    FUZZ_CHECK(std::isfinite(held) ? number == held : number == 1.5);
  } else {
    FUZZ_CHECK(number == 1.5);
  }
  FUZZ_CHECK(std::isfinite(number));

  const std::int32_t integer = store.readInteger("Fuzz", "V", -7);
  const bool flag = store.readFlag("Fuzz", "V", true);
  const std::int32_t index = store.readIndex("Fuzz", "V", 2, 5);
  if (value.size() == 4) {
    std::int32_t held;
    std::memcpy(&held, value.data(), sizeof held);
    FUZZ_CHECK(integer == held);
    FUZZ_CHECK(flag == (held != 0));
    FUZZ_CHECK(index == (held >= 0 && held < 5 ? held : 2));
  } else {
    FUZZ_CHECK(integer == -7 && flag && index == 2);
  }
  FUZZ_CHECK(store.contains("Fuzz", "V"));

  const std::string text = store.readText("Fuzz", "V", "fallback");
  FUZZ_CHECK(platform::malformedUtf8At(text) == std::string::npos);
  FUZZ_CHECK(text.find('\0') == std::string::npos);
  FUZZ_CHECK(store.writeText("Fuzz", "V", text));
  FUZZ_CHECK(store.readText("Fuzz", "V", "fallback") == text);
  FUZZ_CHECK(!store.readsFailed());
  return 0;
}
