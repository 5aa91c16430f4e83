#include "store/DbHelper.h"

#include "vocabulary/Text.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <set>
#include <unordered_map>

namespace {

// A prepared statement kept for reuse; `busy` while a caller steps it.
struct CachedStatement {
  sqlite3_stmt* stmt = nullptr;
  bool busy = false;
};

struct SharedConnection {
  std::string path = "projects.mdb";
  bool readOnly = false;
  sqlite3* db = nullptr;
  int transactionDepth = 0;
  // The stores use a few dozen fixed statement texts; preparing each once
  // spares parsing it again when it runs many times over, as the checks and
  // inserts of an import do for every class and member.
  std::unordered_map<std::string, CachedStatement> statements;
};

constexpr std::size_t kMaxCachedStatements = 128;

SharedConnection& Shared() {
  static SharedConnection shared;
  return shared;
}

const char* const kSchema =
    "create table if not exists t_project ("
    " projectId integer primary key autoincrement,"
    " projectName text not null default '');"
    "create table if not exists t_class ("
    " classId integer primary key autoincrement,"
    " projectId integer not null default 0,"
    " className text not null default '',"
    " friendName text not null default '',"
    " frontShowFlag integer not null default 1);"
    "create table if not exists t_member ("
    " memberId integer primary key autoincrement,"
    " projectId integer not null default 0,"
    " classId integer not null default 0,"
    " memberName text not null default '',"
    " memberType text not null default '',"
    " memberLength integer not null default 0,"
    " memberIsPri integer not null default 0,"
    " memberComment text not null default '',"
    " memberIsMust integer not null default 0,"
    " memberIsInteger integer not null default 0,"
    " memberIsFloat integer not null default 0,"
    " queryFlag integer not null default 0,"
    " memberIsDisplay integer not null default 0,"
    " memberQueryDisplay integer not null default 1);";

// Members are listed by classId, and classes by project and looked up by
// project and name, exactly or without case (a name taken); without these
// every such read scans its table.
const char* const kIndexes =
    "create index if not exists ix_member_class on t_member(classId);"
    "create index if not exists ix_class_project_name on t_class(projectId, className);"
    "create index if not exists ix_class_project_name_nocase"
    " on t_class(projectId, className collate nocase);";

const std::map<std::string, std::vector<std::string>>& RequiredColumns() {
  static const std::map<std::string, std::vector<std::string>> columns = {
      {"t_project", {"projectId", "projectName"}},
      {"t_class", {"classId", "projectId", "className", "friendName", "frontShowFlag"}},
      {"t_member",
       {"memberId", "projectId", "classId", "memberName", "memberType", "memberLength",
        "memberIsPri", "memberComment", "memberIsMust", "memberIsInteger", "memberIsFloat",
        "queryFlag", "memberIsDisplay", "memberQueryDisplay"}},
  };
  return columns;
}

// How long a statement waits for another process's write to finish.
int busyTimeoutMs = 30000;

// Another process held the design database for the whole busy timeout:
// the user is told so in their words, not the engine's.
bool IsBusy(sqlite3* db) {
  const int code = db ? sqlite3_errcode(db) & 0xff : SQLITE_OK;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  if (IsBusy(db)) throw TDbError(kDesignDatabaseBusy);
  throw TDbError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

void Exec(sqlite3* db, const char* sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
    std::string msg = err ? err : sqlite3_errmsg(db);
    sqlite3_free(err);
    if (IsBusy(db)) throw TDbError(kDesignDatabaseBusy);
    throw TDbError(msg);
  }
}

// Checks that an existing file holds the three tables with their columns.
// Reads only; the caller closes the handle on failure.
void CheckDesignFile(sqlite3* db, const std::string& path) {
  std::set<std::string> present;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, "select name from sqlite_master where type='table'", -1, &stmt,
                         nullptr) != SQLITE_OK) {
    throw TDbError("设计数据库 " + path + " 无法读取(不是 SQLite 数据库?): " + sqlite3_errmsg(db));
  }
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
    present.insert(AsciiLower(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
  sqlite3_finalize(stmt);
  if (rc != SQLITE_DONE)
    throw TDbError("设计数据库 " + path + " 无法读取(不是 SQLite 数据库?): " + sqlite3_errmsg(db));

  for (const auto& [table, columns] : RequiredColumns()) {
    if (!present.count(table)) throw TDbError("设计数据库 " + path + " 缺少表 " + table);
    std::set<std::string> have;
    std::string pragma = "pragma table_info(" + table + ")";
    if (sqlite3_prepare_v2(db, pragma.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Fail(db, path);
    while (sqlite3_step(stmt) == SQLITE_ROW)
      have.insert(AsciiLower(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
    sqlite3_finalize(stmt);
    for (const auto& column : columns)
      if (!have.count(AsciiLower(column)))
        throw TDbError("设计数据库 " + path + " 的表 " + table + " 缺少列 " + column);
  }
}

int TableCount(sqlite3* db, const std::string& path) {
  sqlite3_stmt* stmt = nullptr;
  int count = -1;
  if (sqlite3_prepare_v2(db, "select count(*) from sqlite_master where type='table'", -1, &stmt,
                         nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW)
    count = sqlite3_column_int(stmt, 0);
  const std::string error = sqlite3_errmsg(db);
  sqlite3_finalize(stmt);
  if (count < 0) throw TDbError("设计数据库 " + path + " 无法读取(不是 SQLite 数据库?): " + error);
  return count;
}

// A missing file is created, and a file without any table (one that is
// empty, or that another process has only just created) gets the three
// tables. Several processes may open a new base directory at once, so the
// tables are made inside one write-locked transaction that looks again
// whether another process made them first; and no file is ever removed,
// since one this process did not make may stand at the path by then. A
// file that holds tables is checked and never rewritten.
// An empty design held in memory: what a reader sees where no design file
// is (yet), without one being made.
sqlite3* OpenEmptyDesign() {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(db);
    throw TDbError("无法打开设计数据库: out of memory");
  }
  Exec(db, kSchema);
  return db;
}

sqlite3* OpenDesignFile(const std::string& path, bool readOnly) {
  std::error_code missing;
  if (readOnly && !std::filesystem::exists(path, missing)) return OpenEmptyDesign();
  sqlite3* db = nullptr;
  // Every use of the connection holds TDbHelper's lock, so SQLite's own
  // per-call mutex would only be taken a second time.
  const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
                    SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    std::string msg = "无法打开设计数据库 " + path + ": " + (db ? sqlite3_errmsg(db) : "");
    sqlite3_close(db);
    throw TDbError(msg);
  }
  sqlite3_busy_timeout(db, busyTimeoutMs);
  sqlite3_extended_result_codes(db, 1);
  try {
    if (readOnly) {
      // Nothing is made or added: a file without tables reads as empty.
      if (TableCount(db, path) == 0) {
        sqlite3_close(db);
        return OpenEmptyDesign();
      }
      CheckDesignFile(db, path);
      return db;
    }
    if (TableCount(db, path) == 0) {
      Exec(db, "begin immediate");
      try {
        if (TableCount(db, path) == 0) {
          Exec(db, kSchema);
          Exec(db, kIndexes);
        }
        Exec(db, "commit");
      } catch (...) {
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
        throw;
      }
    }
    CheckDesignFile(db, path);
    // A file made by hand may lack the lookup indexes; adding them is the
    // only change ever made to an existing file. A read-only file still
    // works without them.
    try {
      Exec(db, kIndexes);
    } catch (const TDbError&) {
    }
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  return db;
}

void Bind(sqlite3* db, sqlite3_stmt* stmt, const TDbParams& params) {
  for (std::size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i + 1);
    int rc;
    if (const auto* n = std::get_if<std::int64_t>(&params[i])) {
      rc = sqlite3_bind_int64(stmt, index, *n);
    } else {
      const auto& s = std::get<std::string>(params[i]);
      rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) Fail(db, "bind");
  }
}

// A prepared statement for one use: taken from the shared cache when the
// same text was prepared before, reset and returned to it afterwards.
class Statement {
public:
  Statement(sqlite3* db, const std::string& sql, const TDbParams& params) : db_(db) {
    auto& cache = Shared().statements;
    auto it = cache.find(sql);
    if (it != cache.end() && !it->second.busy) {
      cached_ = &it->second;
      stmt_ = cached_->stmt;
    } else {
      if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
          SQLITE_OK)
        Fail(db, sql);
      if (it == cache.end() && cache.size() < kMaxCachedStatements)
        cached_ = &(cache[sql] = CachedStatement{stmt_, false});
    }
    if (cached_) cached_->busy = true;
    try {
      Bind(db, stmt_, params);
    } catch (...) {
      Release();
      throw;
    }
  }
  ~Statement() { Release(); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail(db_, sqlite3_sql(stmt_));
  }
  sqlite3_stmt* get() const { return stmt_; }

private:
  void Release() {
    if (!stmt_) return;
    if (cached_) {
      sqlite3_reset(stmt_);
      sqlite3_clear_bindings(stmt_);
      cached_->busy = false;
    } else {
      sqlite3_finalize(stmt_);
    }
    stmt_ = nullptr;
  }

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  CachedStatement* cached_ = nullptr;
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

TRowSet::TValue ReadCell(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt, column);
    case SQLITE_NULL: return std::monostate{};
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    }
  }
}

// A stored value as a 32-bit whole number: an integer in range, or a real
// that is one. Text is not a number here, whatever it spells: the design
// database's own comparisons ("memberIsPri=1") do not take it for one
// either, so every reader of a value agrees with every statement.
std::optional<int> WholeNumber(const TRowSet::TValue& v) {
  if (const auto* n = std::get_if<std::int64_t>(&v)) {
    if (*n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
      return std::nullopt;
    return static_cast<int>(*n);
  }
  if (const auto* d = std::get_if<double>(&v)) {
    if (!(*d >= std::numeric_limits<int>::min() && *d <= std::numeric_limits<int>::max()) ||
        std::trunc(*d) != *d)
      return std::nullopt;
    return static_cast<int>(*d);
  }
  if (std::holds_alternative<std::monostate>(v)) return 0;
  return std::nullopt;
}

}  // namespace

TRowSet::TRowSet(std::vector<std::string> columns, std::vector<TValue> cells,
                 std::size_t rowCount)
    : columns_(std::move(columns)), cells_(std::move(cells)), rowCount_(rowCount) {}

const TRowSet::TValue& TRowSet::Cell(std::string_view column) const {
  if (Eof()) throw TDbError("no current row for column " + std::string(column));
  // Callers name columns as the schema spells them, mostly in the
  // schema's order: the column after the last one asked for is tried
  // first. The case-insensitive pass serves files whose columns were
  // created in another letter case.
  const std::size_t count = columns_.size();
  if (next_ < count && columns_[next_] == column) return cells_[pos_ * count + next_++];
  for (std::size_t i = 0; i < count; ++i)
    if (columns_[i] == column) {
      next_ = i + 1;
      return cells_[pos_ * count + i];
    }
  for (std::size_t i = 0; i < count; ++i)
    if (SameName(columns_[i], column)) return cells_[pos_ * count + i];
  throw TDbError("no column named " + std::string(column));
}

std::string TRowSet::AsString(std::string_view column) const {
  const TValue& v = Cell(column);
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  if (const auto* n = std::get_if<std::int64_t>(&v)) return std::to_string(*n);
  if (const auto* d = std::get_if<double>(&v)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", *d);
    return text;
  }
  return {};
}

std::optional<int> TRowSet::AsWholeNumber(std::string_view column) const {
  return WholeNumber(Cell(column));
}

int TRowSet::AsInteger(std::string_view column) const {
  return AsWholeNumber(column).value_or(0);
}

std::recursive_mutex& TDbHelper::Lock() {
  static std::recursive_mutex lock;
  return lock;
}

void TDbHelper::SetDatabaseFile(const std::string& path, bool readOnly) {
  std::lock_guard guard(Lock());
  Close();
  Shared().path = path;
  Shared().readOnly = readOnly;
}

std::string TDbHelper::DatabaseFile() {
  std::lock_guard guard(Lock());
  return Shared().path;
}

void TDbHelper::Close() {
  std::lock_guard guard(Lock());
  for (auto& [sql, cached] : Shared().statements) sqlite3_finalize(cached.stmt);
  Shared().statements.clear();
  if (Shared().db) {
    sqlite3_close_v2(Shared().db);
    Shared().db = nullptr;
  }
  Shared().transactionDepth = 0;
}

sqlite3* TDbHelper::GetConnection() {
  std::lock_guard guard(Lock());
  if (!Shared().db) Shared().db = OpenDesignFile(Shared().path, Shared().readOnly);
  return Shared().db;
}

void TDbHelper::Open() {
  std::lock_guard guard(Lock());
  GetConnection();
}

TRowSet TDbHelper::ExecuteQuery(const std::string& sql, const TDbParams& params) {
  std::lock_guard guard(Lock());
  sqlite3* db = GetConnection();
  Statement stmt(db, sql, params);
  std::vector<std::string> columns;
  const int n = sqlite3_column_count(stmt.get());
  for (int i = 0; i < n; ++i) columns.emplace_back(sqlite3_column_name(stmt.get(), i));
  std::vector<TRowSet::TValue> cells;
  std::size_t rowCount = 0;
  for (; stmt.Step(); ++rowCount)
    for (int i = 0; i < n; ++i) cells.push_back(ReadCell(stmt.get(), i));
  return TRowSet(std::move(columns), std::move(cells), rowCount);
}

void TDbHelper::ForEachRow(const std::string& sql, const TDbParams& params,
                           const std::function<void(const TRowSet&)>& row) {
  std::lock_guard guard(Lock());
  Statement stmt(GetConnection(), sql, params);
  const int n = sqlite3_column_count(stmt.get());
  std::vector<std::string> columns;
  for (int i = 0; i < n; ++i) columns.emplace_back(sqlite3_column_name(stmt.get(), i));
  TRowSet current(std::move(columns), std::vector<TRowSet::TValue>(static_cast<std::size_t>(n)), 1);
  while (stmt.Step()) {
    for (int i = 0; i < n; ++i) current.cells_[static_cast<std::size_t>(i)] = ReadCell(stmt.get(), i);
    row(current);
  }
}

void TDbHelper::ExecuteSql(const std::string& sql, const TDbParams& params) {
  std::lock_guard guard(Lock());
  Statement stmt(GetConnection(), sql, params);
  while (stmt.Step()) {
  }
}

void TDbHelper::ExecuteSqlList(const std::vector<TDbStatement>& statements) {
  Transaction([&] {
    for (const auto& s : statements) ExecuteSql(s.sql, s.params);
  });
}

int TDbHelper::GetIntValue(const std::string& sql, const TDbParams& params) {
  std::lock_guard guard(Lock());
  Statement stmt(GetConnection(), sql, params);
  if (!stmt.Step()) return -1;
  return WholeNumber(ReadCell(stmt.get(), 0)).value_or(0);
}

std::string TDbHelper::GetStringValue(const std::string& sql, const TDbParams& params) {
  std::lock_guard guard(Lock());
  Statement stmt(GetConnection(), sql, params);
  if (!stmt.Step()) return {};
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
  if (!text) return {};
  return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt.get(), 0)));
}

void TDbHelper::Transaction(const std::function<void()>& body) {
  RunTransaction("begin immediate", body);
}

void TDbHelper::ReadTransaction(const std::function<void()>& body) {
  RunTransaction("begin", body);
}

void TDbHelper::SetBusyTimeout(int milliseconds) {
  std::lock_guard guard(Lock());
  busyTimeoutMs = milliseconds;
  if (Shared().db) sqlite3_busy_timeout(Shared().db, milliseconds);
}

void TDbHelper::RunTransaction(const char* begin, const std::function<void()>& body) {
  std::lock_guard guard(Lock());
  sqlite3* db = GetConnection();
  SharedConnection& shared = Shared();
  if (shared.transactionDepth > 0) {
    ++shared.transactionDepth;
    try {
      body();
    } catch (...) {
      --shared.transactionDepth;
      throw;
    }
    --shared.transactionDepth;
    return;
  }
  Exec(db, begin);
  shared.transactionDepth = 1;
  try {
    body();
    Exec(db, "commit");
    shared.transactionDepth = 0;
  } catch (...) {
    shared.transactionDepth = 0;
    sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    throw;
  }
}

std::int64_t TDbHelper::LastInsertId() {
  std::lock_guard guard(Lock());
  return sqlite3_last_insert_rowid(GetConnection());
}
