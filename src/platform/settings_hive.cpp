// The settings hive in one SQLite database file. Keys form a tree in hive_keys (each row
// names its parent; parent 0 is the top of the hive) and hive_values holds each key's
// values as a type tag and the raw bytes the caller gave, never interpreted.
//
// Every call is its own transaction against the file, so two running copies of the
// program see each other's writes and SQLite's locks keep the file whole. A file that is
// not a database, fails its integrity check or holds tables of another layout is damage:
// the hive reports it once, then leaves the file exactly as it found it.
#include "platform/settings_hive.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "platform/paths.h"

namespace quillion::platform {
namespace {

// Long enough for another copy of the program to finish a write, short enough that a lock
// held by some other program does not freeze the window; a lock held longer than this
// fails the call without being taken for damage.
// A write, which a lost value would follow, waits three times as long.
constexpr int kDefaultBusyTimeoutMs = 1000;
constexpr int kWriteWaitFactor = 3;
std::atomic<int> gBusyTimeoutMs{kDefaultBusyTimeoutMs};

// Marks a file as ours in the database header ("QLNS"), with the layout's version.
constexpr std::int64_t kApplicationId = 0x514C4E53;
constexpr std::int64_t kLayoutVersion = 1;

// The key every top-level key hangs from; SQLite never hands out row id 0 by itself.
constexpr std::int64_t kTopKey = 0;

// Names are compared byte for byte (SQLite's BINARY collation), so they are
// case-sensitive.
std::string schemaSql() {
  return "CREATE TABLE hive_keys ("
         " id INTEGER PRIMARY KEY,"
         " parent INTEGER NOT NULL,"
         " name TEXT NOT NULL,"
         " UNIQUE (parent, name));"
         "CREATE TABLE hive_values ("
         " key INTEGER NOT NULL,"
         " name TEXT NOT NULL,"
         " type INTEGER NOT NULL,"
         " data BLOB NOT NULL,"
         " PRIMARY KEY (key, name)) WITHOUT ROWID;"
         "PRAGMA application_id = " +
         std::to_string(kApplicationId) +
         ";"
         "PRAGMA user_version = " +
         std::to_string(kLayoutVersion) + ";";
}

bool isFailure(int code) { return code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE; }

// Failures that say only that this call cannot be done now (another copy holds the lock,
// the disk is full, the file is write-protected); the file itself may be sound.
bool isPassing(int code) {
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_NOMEM:
    case SQLITE_INTERRUPT:
    case SQLITE_PROTOCOL:
      return true;
    default:
      return false;
  }
}

struct Layout {
  std::int64_t objects = 0;
  std::int64_t applicationId = 0;
  std::int64_t version = 0;

  bool blank() const { return objects == 0 && applicationId == 0 && version == 0; }
};

std::mutex gReporterMutex;

std::function<void(const std::string&)>& reporterSlot() {
  static std::function<void(const std::string&)> reporter;
  return reporter;
}

}  // namespace

// The open connection and the first failure seen during the current call.
struct SettingsHive::Db {
  // A statement prepared once on this connection and used again by later calls; busy
  // while a Statement holds it.
  struct Prepared {
    sqlite3_stmt* stmt = nullptr;
    bool busy = false;
  };

  sqlite3* handle = nullptr;
  bool ready = false;  // integrity, layout and schema checked on this connection
  int failure = SQLITE_OK;
  std::string failureText;
  // Keyed by the statement's text, which is always a literal of this file.
  std::unordered_map<std::string_view, Prepared> prepared;

  Db() = default;
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;
  ~Db() {
    for (auto& entry : prepared) sqlite3_finalize(entry.second.stmt);
    sqlite3_close_v2(handle);
  }

  void beginCall() {
    failure = SQLITE_OK;
    failureText.clear();
  }

  // Keeps the first failure of the call, in SQLite's words.
  int note(int code) {
    if (isFailure(code) && failure == SQLITE_OK) {
      failure = code;
      failureText = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code);
    }
    return code;
  }

  int fail(int code, std::string text) {
    if (failure == SQLITE_OK) {
      failure = code;
      failureText = std::move(text);
    }
    return code;
  }

  int exec(const std::string& sql) {
    return note(sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr));
  }

  // Runs one statement that gives no rows ("BEGIN", "COMMIT").
  int run(const char* sql);

  // Runs body between begin and COMMIT; anything short of a clean commit rolls back.
  template <typename Body>
  int transaction(const char* begin, Body&& body) {
    int code = run(begin);
    if (code != SQLITE_OK) return code;
    code = body();
    if (code == SQLITE_OK) code = run("COMMIT");
    if (code != SQLITE_OK && sqlite3_get_autocommit(handle) == 0) {
      sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    return code;
  }

  class Statement;
  int findKey(std::span<const std::string> path, bool create, std::optional<std::int64_t>& key);
  int readLayout(Layout& layout);
  int checkLayout();

  // Ends a call: true when it went through. Damage is reported to the hive (which closes
  // this connection); a passing failure only fails the call.
  static bool settle(SettingsHive& hive, int code);
};

// One statement for the length of a scope. Parsing a statement costs more than running
// it, so each text is prepared once per connection and reset for the next use; a text
// already in use further up the stack gets a statement of its own. Failures to prepare,
// bind or step are noted on the connection.
class SettingsHive::Db::Statement {
 public:
  Statement(Db& db, const char* sql) : db_(db) {
    auto found = db_.prepared.find(sql);
    if (found != db_.prepared.end() && !found->second.busy) {
      held_ = &found->second;
      stmt_ = held_->stmt;
      held_->busy = true;
      return;
    }
    const bool keepIt = found == db_.prepared.end();
    code_ = db_.note(sqlite3_prepare_v3(db_.handle, sql, -1,
                                        keepIt ? SQLITE_PREPARE_PERSISTENT : 0, &stmt_, nullptr));
    if (code_ == SQLITE_OK && stmt_ && keepIt) {
      held_ = &db_.prepared.emplace(sql, Prepared{stmt_, true}).first->second;
    }
  }
  ~Statement() {
    if (held_) {
      sqlite3_reset(stmt_);
      sqlite3_clear_bindings(stmt_);
      held_->busy = false;
    } else {
      sqlite3_finalize(stmt_);
    }
  }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  int prepared() const { return code_; }

  void bind(int index, std::int64_t value) { keep(sqlite3_bind_int64(stmt_, index, value)); }
  void bind(int index, const std::string& text) {
    keep(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8));
  }
  void bind(int index, std::span<const std::uint8_t> bytes) {
    // A null pointer would bind NULL; an empty value is a blob of no bytes.
    if (bytes.empty()) {
      keep(sqlite3_bind_zeroblob(stmt_, index, 0));
    } else {
      keep(sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
    }
  }

  int step() {
    if (code_ != SQLITE_OK) return code_;
    return db_.note(sqlite3_step(stmt_));
  }

  std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::string text(int column) const {
    const auto* chars = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    if (!chars || size <= 0) return {};
    return std::string(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(size));
  }
  std::vector<std::uint8_t> blob(int column) const {
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    if (!bytes || size <= 0) return {};
    return std::vector<std::uint8_t>(bytes, bytes + size);
  }

 private:
  void keep(int code) {
    if (code_ == SQLITE_OK) code_ = db_.note(code);
  }

  Db& db_;
  Prepared* held_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
  int code_ = SQLITE_OK;
};

int SettingsHive::Db::run(const char* sql) {
  Statement statement(*this, sql);
  const int code = statement.step();
  return code == SQLITE_DONE ? SQLITE_OK : code;
}

int SettingsHive::Db::readLayout(Layout& layout) {
  struct Query {
    const char* sql;
    std::int64_t Layout::*field;
  };
  static constexpr Query kQueries[] = {
      {"SELECT count(*) FROM sqlite_master", &Layout::objects},
      {"PRAGMA application_id", &Layout::applicationId},
      {"PRAGMA user_version", &Layout::version},
  };
  for (const Query& query : kQueries) {
    Statement statement(*this, query.sql);
    const int code = statement.step();
    if (code != SQLITE_ROW) return code == SQLITE_DONE ? SQLITE_OK : code;
    layout.*query.field = statement.integer(0);
  }
  return SQLITE_OK;
}

// The key at path, or nullopt when some key along it is missing and create is false.
int SettingsHive::Db::findKey(std::span<const std::string> path, bool create,
                              std::optional<std::int64_t>& key) {
  std::int64_t current = kTopKey;
  for (const std::string& name : path) {
    Statement find(*this, "SELECT id FROM hive_keys WHERE parent = ?1 AND name = ?2");
    find.bind(1, current);
    find.bind(2, name);
    int code = find.step();
    if (code == SQLITE_ROW) {
      current = find.integer(0);
      continue;
    }
    if (code != SQLITE_DONE) return code;
    if (!create) {
      key.reset();
      return SQLITE_OK;
    }
    Statement add(*this, "INSERT INTO hive_keys (parent, name) VALUES (?1, ?2)");
    add.bind(1, current);
    add.bind(2, name);
    code = add.step();
    if (code != SQLITE_DONE) return code;
    current = sqlite3_last_insert_rowid(handle);
  }
  key = current;
  return SQLITE_OK;
}

// Done once per connection: the file must be a sound database that is either blank (a
// new or 0-byte file, given the schema here) or laid out as this hive lays it out.
int SettingsHive::Db::checkLayout() {
  std::string integrity;
  Layout layout;
  int code = transaction("BEGIN", [&] {
    Statement check(*this, "PRAGMA quick_check(1)");
    const int step = check.step();
    if (step != SQLITE_ROW) return step == SQLITE_DONE ? SQLITE_OK : step;
    integrity = check.text(0);
    return readLayout(layout);
  });
  if (code != SQLITE_OK) return code;
  if (integrity != "ok") return fail(SQLITE_CORRUPT, "the database fails its integrity check");

  if (layout.blank()) {
    // Another copy may be creating the schema at this moment: look again under the lock.
    code = transaction("BEGIN IMMEDIATE", [&] {
      int step = readLayout(layout);
      if (step != SQLITE_OK || !layout.blank()) return step;
      step = exec(schemaSql());
      if (step != SQLITE_OK) return step;
      return readLayout(layout);
    });
    if (code != SQLITE_OK) return code;
  }

  const char* foreign = "the file holds data that are not Quillion settings";
  if (layout.applicationId != kApplicationId || layout.version != kLayoutVersion) {
    return fail(SQLITE_FORMAT, foreign);
  }
  for (const char* probe : {"SELECT id, parent, name FROM hive_keys WHERE 0",
                            "SELECT key, name, type, data FROM hive_values WHERE 0"}) {
    sqlite3_stmt* statement = nullptr;
    code = sqlite3_prepare_v2(handle, probe, -1, &statement, nullptr);
    sqlite3_finalize(statement);
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED) return note(code);
    if (code != SQLITE_OK) return fail(SQLITE_FORMAT, foreign);
  }
  return SQLITE_OK;
}

bool SettingsHive::Db::settle(SettingsHive& hive, int code) {
  if (code == SQLITE_OK) return true;
  Db& db = *hive.db_;
  const int failure = db.failure != SQLITE_OK ? db.failure : code;
  std::string text = db.failure != SQLITE_OK ? db.failureText : sqlite3_errstr(code);
  if (isPassing(failure)) {
    hive.lastCallBusy_ = true;
    // The file was deleted or moved away under the open connection: open it anew next
    // time instead of failing every write from now on.
    if (failure == SQLITE_READONLY_DBMOVED) {
      hive.db_.reset();
    }
    return false;
  }
  hive.reportDamage(text);
  return false;
}

SettingsHive::SettingsHive(std::string databasePath) : path_(std::move(databasePath)) {}

SettingsHive::~SettingsHive() = default;

bool SettingsHive::ensureOpen(bool writing) {
  lastCallBusy_ = false;
  if (!usable_) return false;
  if (db_ && db_->handle) {
    // A file deleted, moved away or replaced since it was opened: the connection would
    // still read the old one, so open whatever is at the path now.
    int moved = 0;
    if (sqlite3_file_control(db_->handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
        moved != 0) {
      db_.reset();
    }
  }
  if (!db_) db_ = std::make_unique<Db>();
  Db& db = *db_;
  db.beginCall();
  if (!db.handle) {
    if (path_.empty()) {
      reportDamage("no file name was given");
      return false;
    }
    // A missing folder shows up as a failure to open, reported below.
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    const int code = db.note(sqlite3_open_v2(path_.c_str(), &db.handle,
                                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr));
    if (code != SQLITE_OK) return Db::settle(*this, code);
    sqlite3_extended_result_codes(db.handle, 1);
  }
  sqlite3_busy_timeout(db.handle, writing ? kWriteWaitFactor * busyTimeout() : busyTimeout());
  if (!db.ready) {
    const int code = db.checkLayout();
    if (code != SQLITE_OK) return Db::settle(*this, code);
    db.ready = true;
  }
  return true;
}

void SettingsHive::reportDamage(const std::string& detail) {
  usable_ = false;
  db_.reset();
  if (reported_) return;
  reported_ = true;
  const std::string text = "The settings file " + path_ + " is damaged or unreadable (" + detail +
                           "). Quillion will use its built-in defaults and will not change that "
                           "file.";
  std::function<void(const std::string&)> reporter;
  {
    std::lock_guard lock(gReporterMutex);
    reporter = reporterSlot();
  }
  if (reporter) {
    reporter(text);
  } else {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

void SettingsHive::setBusyTimeout(int milliseconds) { gBusyTimeoutMs = milliseconds; }

int SettingsHive::busyTimeout() { return gBusyTimeoutMs; }

void SettingsHive::setDamageReporter(std::function<void(const std::string&)> reporter) {
  std::lock_guard lock(gReporterMutex);
  reporterSlot() = std::move(reporter);
}

bool SettingsHive::createKey(std::span<const std::string> path) {
  if (!ensureOpen()) return false;
  const int code = db_->transaction("BEGIN IMMEDIATE", [&] {
    std::optional<std::int64_t> key;
    return db_->findKey(path, true, key);
  });
  return Db::settle(*this, code);
}

bool SettingsHive::keyExists(std::span<const std::string> path) {
  if (!ensureOpen()) return false;
  std::optional<std::int64_t> key;
  const int code = db_->transaction("BEGIN", [&] { return db_->findKey(path, false, key); });
  return Db::settle(*this, code) && key.has_value();
}

bool SettingsHive::setValue(std::span<const std::string> path, const std::string& name,
                            std::uint32_t type, std::span<const std::uint8_t> data) {
  if (!ensureOpen(true)) return false;
  const int code = db_->transaction("BEGIN IMMEDIATE", [&] {
    std::optional<std::int64_t> key;
    const int found = db_->findKey(path, true, key);
    if (found != SQLITE_OK) return found;
    Db::Statement store(*db_,
                    "INSERT INTO hive_values (key, name, type, data) VALUES (?1, ?2, ?3, ?4)"
                    " ON CONFLICT (key, name) DO UPDATE SET type = excluded.type,"
                    " data = excluded.data");
    store.bind(1, *key);
    store.bind(2, name);
    store.bind(3, static_cast<std::int64_t>(type));
    store.bind(4, data);
    const int step = store.step();
    return step == SQLITE_DONE ? SQLITE_OK : step;
  });
  return Db::settle(*this, code);
}

std::optional<HiveValue> SettingsHive::queryValue(std::span<const std::string> path,
                                                  const std::string& name) {
  if (!ensureOpen()) return std::nullopt;
  std::optional<HiveValue> value;
  const int code = db_->transaction("BEGIN", [&] {
    std::optional<std::int64_t> key;
    const int found = db_->findKey(path, false, key);
    if (found != SQLITE_OK || !key) return found;
    Db::Statement read(*db_, "SELECT type, data FROM hive_values WHERE key = ?1 AND name = ?2");
    read.bind(1, *key);
    read.bind(2, name);
    const int step = read.step();
    if (step != SQLITE_ROW) return step == SQLITE_DONE ? SQLITE_OK : step;
    value = HiveValue{static_cast<std::uint32_t>(read.integer(0)), read.blob(1)};
    return SQLITE_OK;
  });
  if (!Db::settle(*this, code)) return std::nullopt;
  return value;
}

// Used from the interface thread only; a new path (another QUILLION_HOME) gets a new hive.
SettingsHive& programHive() {
  static std::unique_ptr<SettingsHive> hive;
  std::string path = settingsDatabasePath();
  if (!hive || hive->path() != path) hive = std::make_unique<SettingsHive>(std::move(path));
  return *hive;
}

}  // namespace quillion::platform
