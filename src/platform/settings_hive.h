// The settings hive: a tree of keys holding typed values, kept in one SQLite database
// file. It stands in for the handheld's machine-wide registry. Every call goes to the
// database at once; nothing is cached between calls, so two running copies of the
// program see each other's writes and SQLite's locking keeps the file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillion::platform {

// Stored type tags, as the registry numbers them.
inline constexpr std::uint32_t kHiveString = 1;
inline constexpr std::uint32_t kHiveDword = 4;

struct HiveValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

class SettingsHive {
 public:
  // Opens (creating when missing) the database at path. Nothing is read yet.
  explicit SettingsHive(std::string databasePath);
  ~SettingsHive();
  SettingsHive(const SettingsHive&) = delete;
  SettingsHive& operator=(const SettingsHive&) = delete;

  // Creates every missing key along the path (keys only, never values).
  bool createKey(std::span<const std::string> path);
  // Whether the key exists (creates nothing).
  bool keyExists(std::span<const std::string> path);
  // Creates the key path as needed and stores the value, replacing any old one.
  bool setValue(std::span<const std::string> path, const std::string& name, std::uint32_t type,
                std::span<const std::uint8_t> data);
  // The stored value; nullopt when the key or the value is missing or the hive unusable.
  std::optional<HiveValue> queryValue(std::span<const std::string> path, const std::string& name);

  // False once the database has shown itself damaged or unreadable.
  bool usable() const { return usable_; }
  // Whether the last call failed only because the file could not be used at that moment
  // (another program held its lock past the busy timeout, the disk was full).
  bool lastCallBusy() const { return lastCallBusy_; }
  const std::string& path() const { return path_; }

  // Called once per hive, the first time damage is found, with a text for the user.
  static void setDamageReporter(std::function<void(const std::string&)> reporter);
  // How long a read waits for another program's lock (a write waits three times as long).
  static void setBusyTimeout(int milliseconds);
  static int busyTimeout();

 private:
  struct Db;
  // Opens the file when needed; a write waits longer for another program's lock.
  bool ensureOpen(bool writing = false);
  void reportDamage(const std::string& detail);

  std::string path_;
  std::unique_ptr<Db> db_;
  bool usable_ = true;
  bool reported_ = false;
  bool lastCallBusy_ = false;
};

// The program's hive, at settingsDatabasePath(); reopened when that path changes.
SettingsHive& programHive();

}  // namespace quillion::platform
