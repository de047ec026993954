// Typed reads and writes of a tool's inputs in the settings hive, below the key path
// "Software" / maker / "Quillion" / section. Reads return the default when a value is
// missing; writes report success, which callers may ignore.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_hive.h"

namespace quillion::framework {

class SettingsStore {
 public:
  SettingsStore();

  // A stored number that is not finite (infinite or not a number) counts as missing.
  double readNumber(std::string_view section, std::string_view name, double fallback);
  std::int32_t readInteger(std::string_view section, std::string_view name, std::int32_t fallback);
  bool readFlag(std::string_view section, std::string_view name, bool fallback);
  std::string readText(std::string_view section, std::string_view name, std::string_view fallback);

  // A stored position or code: anything outside 0 to count - 1 gives the fallback.
  std::int32_t readIndex(std::string_view section, std::string_view name, std::int32_t fallback,
                         std::int32_t count);

  bool writeNumber(std::string_view section, std::string_view name, double value);
  bool writeInteger(std::string_view section, std::string_view name, std::int32_t value);
  bool writeFlag(std::string_view section, std::string_view name, bool value);
  bool writeText(std::string_view section, std::string_view name, std::string_view value);

  // Whether a value is stored (creates the section's keys, as every read does).
  bool contains(std::string_view section, std::string_view name);

  // Whether a read through this store found the settings file busy (locked by another
  // program). The reads after it give their defaults at once, and what was read must not
  // be written back over the stored values.
  bool readsFailed() const { return busy_; }

  // Called with a text for the user, once per run for each kind of trouble: a write that
  // could not be kept on a hive that is not damaged (damage has its own report), and a
  // settings file found busy.
  static void setNoticeReporter(std::function<void(const std::string&)> reporter);
  // Lets the next trouble of each kind be told again (a test, a new run).
  static void resetNotices();

 private:
  std::optional<platform::HiveValue> query(std::string_view section, std::string_view name);
  template <typename T>
  std::optional<T> readFixed(std::string_view section, std::string_view name);

  std::string makerKey_;
  bool busy_ = false;
};

}  // namespace quillion::framework
