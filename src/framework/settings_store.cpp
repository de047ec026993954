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

// Opening a section creates its keys, as every read and write does.
std::optional<HiveValue> query(const std::string& maker, std::string_view section,
                               std::string_view name) {
  auto path = sectionPath(maker, section);
  auto& hive = programHive();
  if (!hive.createKey(path)) return std::nullopt;
  return hive.queryValue(path, std::string(name));
}

std::function<void(const std::string&)>& writeFailureReporter() {
  static std::function<void(const std::string&)> reporter;
  return reporter;
}

bool store(const std::string& maker, std::string_view section, std::string_view name,
           std::uint32_t type, const void* data, std::size_t size) {
  auto path = sectionPath(maker, section);
  auto bytes = static_cast<const std::uint8_t*>(data);
  auto& hive = programHive();
  if (hive.setValue(path, std::string(name), type, {bytes, size})) return true;
  // A value that was not kept is said once; a damaged hive has already said so.
  static bool reported = false;
  if (hive.usable() && !reported && writeFailureReporter()) {
    reported = true;
    writeFailureReporter()("Quillion could not save its settings to " + hive.path() +
                           " (the file is locked by another program, or the disk is full). "
                           "Values entered now may not be remembered next time.");
  }
  return false;
}

// Reads a stored value into a buffer of T that starts out holding initial; a value
// missing or longer than the buffer gives nullopt, a shorter one fills its low bytes.
template <typename T>
std::optional<T> readFixed(const std::string& maker, std::string_view section,
                           std::string_view name, T initial) {
  auto value = query(maker, section, name);
  if (!value || value->data.size() > sizeof(T)) return std::nullopt;
  std::memcpy(&initial, value->data.data(), value->data.size());
  return initial;
}

}  // namespace

SettingsStore::SettingsStore() : makerKey_(loadString(kStringMakerKey)) {}

double SettingsStore::readNumber(std::string_view section, std::string_view name,
                                 double fallback) {
  // The buffer starts out holding 1.0; a shorter stored value fills only its low bytes.
  auto number = readFixed(makerKey_, section, name, 1.0);
  // No input is ever stored without a finite value; such bytes are damage.
  return number && std::isfinite(*number) ? *number : fallback;
}

std::int32_t SettingsStore::readInteger(std::string_view section, std::string_view name,
                                        std::int32_t fallback) {
  return readFixed<std::int32_t>(makerKey_, section, name, 0).value_or(fallback);
}

bool SettingsStore::readFlag(std::string_view section, std::string_view name, bool fallback) {
  auto flag = readFixed<std::uint32_t>(makerKey_, section, name, 0);
  return flag ? *flag != 0 : fallback;
}

std::string SettingsStore::readText(std::string_view section, std::string_view name,
                                    std::string_view fallback) {
  auto value = query(makerKey_, section, name);
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

void SettingsStore::setWriteFailureReporter(std::function<void(const std::string&)> reporter) {
  writeFailureReporter() = std::move(reporter);
}

bool SettingsStore::contains(std::string_view section, std::string_view name) {
  return query(makerKey_, section, name).has_value();
}

}  // namespace quillion::framework
