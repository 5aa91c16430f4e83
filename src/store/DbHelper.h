// Access to the design database: one shared SQLite connection per process,
// statements with bound parameters, fully read row sets and transactions.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

// An error of the design database; what() carries the engine's text, or
// kDesignDatabaseBusy when another process kept it locked too long.
class TDbError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kDesignDatabaseBusy =
    "设计数据库正被另一个程序修改，等待超时，请稍后再试!";

// A value bound to a '?' placeholder.
using TDbParam = std::variant<std::int64_t, std::string>;
using TDbParams = std::vector<TDbParam>;

// One statement with its values, as given to ExecuteSqlList.
struct TDbStatement {
  std::string sql;
  TDbParams params;
};

// The complete result of one select, read before it is handed out, so the
// row count is known before the rows are walked. Columns are read by name.
class TRowSet {
public:
  using TValue = std::variant<std::monostate, std::int64_t, double, std::string>;

  // cells: the rows one after the other, each a value per column.
  TRowSet(std::vector<std::string> columns, std::vector<TValue> cells, std::size_t rowCount);

  int RowCount() const { return static_cast<int>(rowCount_); }
  bool Eof() const { return pos_ >= rowCount_; }
  void First() { pos_ = 0; }
  void Next() { ++pos_; }

  // Text of the named column of the current row; a null reads as "".
  std::string AsString(std::string_view column) const;
  // The named column as a 32-bit whole number: an integer, or a real that
  // is a whole number, within range; a null reads as 0. Text, blobs and
  // numbers out of range have no such reading (nothing), never a wrapped
  // one.
  std::optional<int> AsWholeNumber(std::string_view column) const;
  // The same, with 0 for a value that has no such reading: a flag holding
  // anything but the number 1 is clear.
  int AsInteger(std::string_view column) const;

private:
  friend class TDbHelper;
  const TValue& Cell(std::string_view column) const;

  std::vector<std::string> columns_;
  // One block for all rows: a large design's members are tens of
  // thousands of rows.
  std::vector<TValue> cells_;
  std::size_t rowCount_ = 0;
  std::size_t pos_ = 0;
  // The column after the one last found.
  mutable std::size_t next_ = 0;
};

// Statement operations over the shared connection. Objects are cheap; the
// connection belongs to the process and outlives every TDbHelper. Every
// statement holds a process-wide lock, so the window thread and a
// generation thread may use the store at the same time.
class TDbHelper {
public:
  // Chooses the design database file. Closes an open connection; the next
  // statement opens the new file. A missing file, or one without any table,
  // gets the three empty tables (race-free when several processes open it
  // at once); a file that holds tables is checked and never rewritten, and
  // no file is ever removed. readOnly: the file is only read, never made,
  // changed or given indexes; a missing file or one without tables reads as
  // an empty design, and any write fails.
  static void SetDatabaseFile(const std::string& path, bool readOnly = false);
  static std::string DatabaseFile();
  // Closes the shared connection (the next statement opens it again).
  static void Close();

  // Opens the shared connection now, so a file that cannot be opened or is
  // not a design database is reported at start-up. Throws TDbError.
  void Open();

  TRowSet ExecuteQuery(const std::string& sql, const TDbParams& params = {});
  // The rows one at a time, each as a one-row set, without holding them
  // all: for the large reads (a project's members). The callback must not
  // use the store.
  void ForEachRow(const std::string& sql, const TDbParams& params,
                  const std::function<void(const TRowSet&)>& row);
  void ExecuteSql(const std::string& sql, const TDbParams& params = {});
  // Runs the statements in one transaction: all take effect or none.
  // A failure is rolled back and raised to the caller.
  void ExecuteSqlList(const std::vector<TDbStatement>& statements);
  // First column of the first row; -1 when there is no row, 0 for a null
  // or a value that is no 32-bit whole number (see AsWholeNumber).
  int GetIntValue(const std::string& sql, const TDbParams& params = {});
  // First column of the first row; "" when there is no row or a null.
  std::string GetStringValue(const std::string& sql, const TDbParams& params = {});

  // Runs body inside one write-locked transaction on the shared connection,
  // holding the lock throughout: no other process writes between its
  // statements. Any exception rolls back and is rethrown. Nested calls join
  // the outer transaction.
  void Transaction(const std::function<void()>& body);
  // The same for a body that only reads: it sees one state of the file and
  // never waits for, or holds up, another process's write lock.
  void ReadTransaction(const std::function<void()>& body);

  // How long a statement waits for another process's write (30 s unless
  // set); past it, the statement fails with kDesignDatabaseBusy.
  static void SetBusyTimeout(int milliseconds);

  // Identifier assigned by the last insert on the shared connection.
  std::int64_t LastInsertId();

private:
  // The shared connection, open. The raw handle stays in here: every use
  // must hold Lock(), since the connection has no mutex of its own.
  sqlite3* GetConnection();
  static std::recursive_mutex& Lock();
  void RunTransaction(const char* begin, const std::function<void()>& body);
};
