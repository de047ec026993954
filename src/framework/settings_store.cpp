// The settings store over the settings hive.
#include "framework/settings_store.h"

#include <array>
#include <cmath>
#include <cstring>
#include <optional>

#include "framework/strings.h"
#include "platform/settings_hive.h"
#include "platform/text.h"

namespace quillion::framework {
namespace {

using platform::HiveValue;
using platform::programHive;

std::array<std::string, 4> sectionPath(const std::string& maker, std::string_view section) {
  return {"Software", maker, std::string(kAppName), std::string(section)};
}

struct Notices {
  std::function<void(const std::string&)> reporter;
  bool writeFailureTold = false;
  bool busyTold = false;
};

Notices& notices() {
  static Notices state;
  return state;
}

void tell(bool Notices::*told, const std::string& text) {
  Notices& state = notices();
  if (state.*told || !state.reporter) return;
  state.*told = true;
  state.reporter(text);
}

bool store(const std::string& maker, std::string_view section, std::string_view name,
           std::uint32_t type, const void* data, std::size_t size) {
  auto path = sectionPath(maker, section);
  auto bytes = static_cast<const std::uint8_t*>(data);
  auto& hive = programHive();
  if (hive.setValue(path, std::string(name), type, {bytes, size})) return true;
  // A value that was not kept is said once; a damaged hive has already said so.
  if (hive.usable()) {
    tell(&Notices::writeFailureTold,
         "Quillion could not save its settings to " + hive.path() +
             " (the file is locked by another program, or the disk is full). "
             "Values entered now may not be remembered next time.");
  }
  return false;
}

}  // namespace

SettingsStore::SettingsStore() : makerKey_(loadString(kStringMakerKey)) {}

// Opening a section creates its keys, as every read and write does. Once the file has
// been found busy, this store's later reads do not wait on it again.
std::optional<HiveValue> SettingsStore::query(std::string_view section, std::string_view name) {
  if (busy_) return std::nullopt;
  auto path = sectionPath(makerKey_, section);
  auto& hive = programHive();
  std::optional<HiveValue> value;
  if (hive.createKey(path)) value = hive.queryValue(path, std::string(name));
  if (!value && hive.lastCallBusy()) {
    busy_ = true;
    tell(&Notices::busyTold, std::string(kSettingsInUse));
  }
  return value;
}

// A stored number, integer or flag has exactly the size of its kind; a value of any other
// size (empty, an integer under a number's name) is damage and counts as missing.
template <typename T>
std::optional<T> SettingsStore::readFixed(std::string_view section, std::string_view name) {
  auto value = query(section, name);
  if (!value || value->data.size() != sizeof(T)) return std::nullopt;
  T read;
  std::memcpy(&read, value->data.data(), sizeof(T));
  return read;
}

double SettingsStore::readNumber(std::string_view section, std::string_view name,
                                 double fallback) {
  auto number = readFixed<double>(section, name);
  // No input is ever stored without a finite value; such bytes are damage.
  return number && std::isfinite(*number) ? *number : fallback;
}

std::int32_t SettingsStore::readInteger(std::string_view section, std::string_view name,
                                        std::int32_t fallback) {
  return readFixed<std::int32_t>(section, name).value_or(fallback);
}

bool SettingsStore::readFlag(std::string_view section, std::string_view name, bool fallback) {
  auto flag = readFixed<std::uint32_t>(section, name);
  return flag ? *flag != 0 : fallback;
}

std::string SettingsStore::readText(std::string_view section, std::string_view name,
                                    std::string_view fallback) {
  auto value = query(section, name);
  if (!value) return std::string(fallback);
  std::u16string wide;
  for (std::size_t i = 0; i + 1 < value->data.size(); i += 2) {
    auto unit = static_cast<char16_t>(value->data[i] | (value->data[i + 1] << 8));
    if (unit == 0) break;
    wide += unit;
  }
  return platform::utf16ToUtf8(wide);
}

std::int32_t SettingsStore::readIndex(std::string_view section, std::string_view name,
                                      std::int32_t fallback, std::int32_t count) {
  std::int32_t value = readInteger(section, name, fallback);
  return value >= 0 && value < count ? value : fallback;
}

bool SettingsStore::writeNumber(std::string_view section, std::string_view name, double value) {
  return store(makerKey_, section, name, platform::kHiveDword, &value, sizeof value);
}

bool SettingsStore::writeInteger(std::string_view section, std::string_view name,
                                 std::int32_t value) {
  return store(makerKey_, section, name, platform::kHiveDword, &value, sizeof value);
}

bool SettingsStore::writeFlag(std::string_view section, std::string_view name, bool value) {
  std::uint32_t widened = value ? 1u : 0u;
  return store(makerKey_, section, name, platform::kHiveDword, &widened, sizeof widened);
}

bool SettingsStore::writeText(std::string_view section, std::string_view name,
                              std::string_view value) {
  std::u16string wide = platform::utf8ToUtf16(value);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(2 * (wide.size() + 1));
  for (char16_t unit : wide) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return store(makerKey_, section, name, platform::kHiveString, bytes.data(), bytes.size());
}

void SettingsStore::setNoticeReporter(std::function<void(const std::string&)> reporter) {
  notices().reporter = std::move(reporter);
}

void SettingsStore::resetNotices() {
  notices().writeFailureTold = false;
  notices().busyTold = false;
}

bool SettingsStore::contains(std::string_view section, std::string_view name) {
  return query(section, name).has_value();
}

}  // namespace quillion::framework
