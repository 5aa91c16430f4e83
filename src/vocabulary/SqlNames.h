// Names as they go into the SQL Server text of generated code.
#pragma once

#include <string>

// A reserved keyword of SQL Server's Transact-SQL (any letter case), which
// cannot stand unquoted as a name.
bool IsSqlReservedWord(const std::string& name);

// A column alias as written after "as": the text itself when SQL Server
// reads it unquoted as one name (ASCII letters, digits, '_' and Chinese
// characters, not starting with a digit, not a reserved word); otherwise
// between brackets, so that a heading with a space or punctuation still
// gives a statement that runs.
std::string SqlAlias(const std::string& text);

// A table or column name as written in SQL text: bare when SQL Server reads
// it bare as one name, else between brackets (a reserved word such as
// Order or key, or a name with other characters).
inline std::string SqlName(const std::string& name) {
  return SqlAlias(name);
}

// ASCII letters lowered, for comparing names as SQL Server does under a
// case-insensitive collation.
std::string SqlNameKey(const std::string& name);
