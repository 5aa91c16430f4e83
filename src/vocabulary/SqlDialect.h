// The database the generated application speaks. Every SQL text the
// generators and the table script write, and the data-access names that go
// with it, come from one dialect object: a writer asks it for names, column
// types, keys, the script's statements, parameters and literals, and never
// spells a database's own forms itself. A second database is a second
// implementation of TSqlDialect, chosen in DialectOf.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/Design.h"
#include "vocabulary/MemberKinds.h"

// A column of a class's table as the table script hands it to the dialect.
struct TScriptColumn {
  std::string notes;  // comment lines (each ending CR LF) that go before it
  std::string name;
  TFieldKind kind = TFieldKind::String;
  int length = 0;  // characters of a string or string-reference column
  bool must = false;
  // Its constraints: values as SQL literals (a default, choices), bounds as
  // numbers; empty when not set.
  bool unique = false;
  std::string defaultValue;
  std::string minValue;
  std::string maxValue;
  std::vector<std::string> choices;
};

// A value of the form as a SQL literal: text between single quotes (its
// quotes doubled), yes/no as 1 or 0, a number as it is. Both databases read
// these alike.
std::string SqlValue(TValueForm form, const std::string& value);

// The words a script spells its column constraints with.
struct TConstraintWords {
  std::string_view unique, defaultValue, check;
};
// A column's constraints as they follow its type, each after a space: unique,
// its default, its range (between, or one bound) and its choices (in).
std::string ColumnConstraints(const std::string& column, const TScriptColumn& c,
                              const TConstraintWords& words);

// A reference member's constraint: column of table refers to the
// referenced table's key column.
struct TScriptForeignKey {
  std::string table;
  std::string name;  // the constraint's name, so that a later run can drop it
  std::string column;
  std::string referencedTable;
  std::string referencedColumn;
};

// One class's table. The key is an integer (numbered by the database) or a
// string key of its length.
struct TScriptTable {
  std::string name;
  TScriptColumn key;
  std::vector<TScriptColumn> columns;          // member order, key left out
  std::vector<TScriptForeignKey> foreignKeys;  // of these columns, in order
  std::string notes;                           // comment lines after the last column
};

// A type of the data provider that data-access code names bare.
struct TProviderType {
  std::string_view name;
  std::string_view fullName;
};

class TSqlDialect {
public:
  virtual ~TSqlDialect() = default;

  // Names. A table, column or alias name as statements write it: bare when
  // the database reads it bare as one name, otherwise quoted.
  virtual std::string Name(const std::string& name) const = 0;
  // Two names give the same key exactly when the database takes them for
  // one table or column name.
  virtual std::string NameKey(const std::string& name) const = 0;
  // A column named with its table.
  std::string Column(const std::string& table, const std::string& column) const {
    return Name(table) + "." + Name(column);
  }

  // The table script, in the order it is written: the head (the login
  // module's tables and seed rows), the drop block for the tables of
  // `tables` (class names, in class order), each class's table, the tail
  // given every foreign key of the script. A dialect writes each foreign
  // key in its table or in the tail, whichever its database takes.
  virtual std::string ScriptHead() const = 0;
  virtual std::string ScriptDrops(const std::vector<std::string>& tables) const = 0;
  virtual std::string ScriptTable(const TScriptTable& table) const = 0;
  virtual std::string ScriptTail(const std::vector<TScriptForeignKey>& foreignKeys) const = 0;

  // Data-access code. The namespace of the data provider's classes, the
  // class of a statement's parameter and of a data reader, and the C#
  // expression that makes the parameter named `parameter` (as the
  // statement writes it, "@name") for a value of the kind.
  virtual std::string ProviderNamespace() const = 0;
  virtual std::string ParameterClass() const = 0;
  virtual std::string ReaderClass() const = 0;
  // Every provider type the data-access code names bare, by name, so that a
  // class named like one of them gets a using alias.
  virtual std::vector<TProviderType> ProviderTypes() const = 0;
  std::string NewParameter(const std::string& parameter, TFieldKind kind) const {
    return NewParameterNamed("\"" + parameter + "\"", kind);
  }
  // The same for a parameter whose name the C# expression `name` gives
  // at run time (one parameter per value of a list).
  virtual std::string NewParameterNamed(const std::string& name, TFieldKind kind) const = 0;
  // An update of the row of `table` whose key column equals the parameter
  // that changes no column yet counts the row (for a class with no column
  // but its key).
  virtual std::string UpdateNoColumn(const std::string& table, const std::string& keyColumn,
                                     const std::string& parameter) const = 0;
  // A column of the paged query's show list, as the grid shows the kind.
  virtual std::string ShowColumn(const std::string& column, TFieldKind kind) const = 0;
  // The resource tree copied over every generated solution, relative to
  // the resource directory: the data-access helper DBHelp (connection,
  // statements and the paged query the DAL's Get methods call) and the
  // login module.
  virtual std::string ResourceTree() const = 0;
  // The table script as a file of the application's project (relative to
  // it), from which the application creates its database when the file
  // is missing; empty when the application does not create its database.
  virtual std::string SchemaFile() const { return ""; }
  // Items the application's project file lists besides its forms (each
  // line ending CR LF): the schema file, the data provider's package.
  virtual std::string ApplicationProjectItems() const { return ""; }

  // The edit form's line that selects the record's value in a reference
  // drop-down bound to the referenced class's table: $m$ the member, $inst$
  // and $mi$ the record's property, $r$Ds the data set of that table, $rk$
  // its key column.
  virtual std::string ReferenceSelection() const = 0;

  // The complete query form's literals: C# methods, indented as class
  // members, SqlText(string) giving a text literal, SqlContains(string)
  // giving what follows "like" for a column holding the text (escape clause
  // included), SqlDate(DateTime) giving a date literal.
  virtual std::string QueryLiteralMethods() const = 0;
};

// The login module's seed user: name and password "admin", stored as the
// upper-case hexadecimal MD5 digest of the password's UTF-8 bytes, as the
// login form computes it. The note is the script's comment line before the
// seed row.
inline constexpr std::string_view kSeedUserDigest = "21232F297A57A5A743894A0E4A801FC3";
inline constexpr std::string_view kSeedUserNote =
    "-- 初始用户：用户名 admin，密码 admin(U_PassWord 存密码 MD5 摘要的大写十六进制)，"
    "请登录后从“系统”菜单的“修改密码”立即修改。\r\n";

// SQL Server, the default; SQLite, a database in one file beside the
// application.
const TSqlDialect& SqlServerDialect();
const TSqlDialect& SqliteDialect();

// A database a project can choose, as design texts, the command line and
// the window name it.
struct TDatabaseChoice {
  TDatabase database;
  std::string_view key;      // design texts and the command line
  std::string_view caption;  // the window's menu and the project list
  const TSqlDialect& (*dialect)();
};

// Every choice, the default (SQL Server) first.
std::span<const TDatabaseChoice> DatabaseChoices();
const TDatabaseChoice& DatabaseChoiceOf(TDatabase database);
// The choice named key; nullptr when no database has that key.
const TDatabaseChoice* DatabaseByKey(std::string_view key);
// The keys, as a refusal lists them ("sqlserver, sqlite").
std::string DatabaseKeys();

// The one place a project's dialect is chosen: by its 数据库 setting.
const TSqlDialect& DialectOf(const TDesign& design);
