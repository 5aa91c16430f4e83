// Reads the tables out of a SQL Server table script: the scripts the script
// generator of the server's management tool writes, the ones our own `sql`
// command writes, and hand-written ones. A small tokenizer and parser of
// its own for the subset that says what tables hold:
//
//   CREATE TABLE with its columns (types with lengths or max, NULL and NOT
//   NULL, IDENTITY, DEFAULT, COLLATE; computed columns are skipped), PRIMARY
//   KEY and FOREIGN KEY ... REFERENCES on a column, as a table constraint and
//   by ALTER TABLE ... ADD; alias types made by CREATE TYPE ... FROM (read as
//   their base type); sp_addextendedproperty MS_Description on a table or a
//   column; GO batches, comments, SET, USE and IF ... (the guarded statement
//   is read as if unguarded).
//
// Every other statement is skipped and reported once per kind with its line
// numbers; data statements (INSERT, UPDATE, DELETE, ...) in one warning.
// The reader never recurses on the input and bounds what it keeps: nesting
// of parentheses, comments and the columns of a table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vocabulary/Member.h"

// Where something stands in the script: 1-based line and column, the column
// counted in characters.
struct TSqlPlace {
  int line = 0;
  int column = 0;
  // "第 3 行第 7 列"
  std::string Text() const;
};

// A table or type as the script names it; the schema is "dbo" when not given.
struct TSqlObjectName {
  std::string schema = "dbo";
  std::string name;
  TSqlPlace place;
  // "dbo.Orders", for messages
  std::string Text() const { return schema + "." + name; }
};

struct TSqlColumn {
  std::string name;
  TSqlPlace place;
  // The system type, lower case ("nvarchar", "int"), an alias type already
  // replaced by its base type; "" when the column's type is neither.
  std::string type;
  std::string writtenType;    // its name as the script wrote it, for messages
  std::optional<int> length;  // the first number in parentheses, when given
  bool max = false;           // (max)
  // NULL or NOT NULL as the script (or the alias type) states it; a column
  // of a primary key is NOT NULL.
  std::optional<bool> notNull;
  std::string description;  // MS_Description
  // Constraints on the column itself: UNIQUE, a DEFAULT literal, and a
  // CHECK of a range (between, >=, <=) or a list (in) of literals; values as
  // written ('' doubled quotes undone).
  TMemberConstraints constraints;
};

struct TSqlForeignKey {
  std::vector<std::string> columns;
  TSqlObjectName referenced;
  // Empty: the referenced table's primary key.
  std::vector<std::string> referencedColumns;
  TSqlPlace place;
};

struct TSqlTable {
  TSqlObjectName name;
  std::vector<TSqlColumn> columns;  // computed columns left out
  std::vector<std::string> primaryKey;
  TSqlPlace primaryKeyPlace;
  std::vector<TSqlForeignKey> foreignKeys;
  std::string description;  // MS_Description
  bool hasDescription = false;

  // Index of the column named so (as SQL Server compares names), -1 when none.
  int FindColumn(std::string_view column) const;
};

struct TSqlSchema {
  std::vector<TSqlTable> tables;  // in the order they are created
  // What was read but is not in the tables, for the user: skipped
  // statements (one line per kind, with its line numbers), skipped columns.
  std::vector<std::string> warnings;

  // Index of the table, -1 when the script creates none of that name.
  int FindTable(const TSqlObjectName& table) const;
  // Adds a table after the others, for FindTable to find by its name.
  void AddTable(TSqlTable table);

private:
  // The tables' indexes by their names as SQL Server compares them: a
  // script may create thousands.
  static std::string NameKey(const TSqlObjectName& table);
  std::unordered_map<std::string, int> byName_;
};

// The most columns a table may have (SQL Server's own limit), and the
// deepest nesting of parentheses read.
inline constexpr std::size_t kMaxSqlColumns = 1024;
inline constexpr int kMaxSqlNesting = 64;

// Reads a script already decoded to UTF-8. A script that cannot be read is
// a TDesignTextError whose place is the line and column of the fault.
TSqlSchema ReadSqlScript(std::string_view text);

// Two names SQL Server takes for one (its default collations ignore case).
bool SameSqlName(std::string_view a, std::string_view b);
