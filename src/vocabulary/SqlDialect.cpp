// The databases a project can choose, and the choice of a project's dialect.
#include "vocabulary/SqlDialect.h"

#include <array>

namespace {

constexpr std::array<TDatabaseChoice, 2> kChoices = {{
    {TDatabase::SqlServer, "sqlserver", "SQL Server", &SqlServerDialect},
    {TDatabase::Sqlite, "sqlite", "SQLite 嵌入式数据库", &SqliteDialect},
}};

}  // namespace

std::span<const TDatabaseChoice> DatabaseChoices() {
  return kChoices;
}

const TDatabaseChoice& DatabaseChoiceOf(TDatabase database) {
  for (const TDatabaseChoice& c : kChoices)
    if (c.database == database) return c;
  return kChoices.front();
}

const TDatabaseChoice* DatabaseByKey(std::string_view key) {
  for (const TDatabaseChoice& c : kChoices)
    if (c.key == key) return &c;
  return nullptr;
}

std::string DatabaseKeys() {
  std::string keys;
  for (const TDatabaseChoice& c : kChoices) keys += (keys.empty() ? "" : ", ") + std::string(c.key);
  return keys;
}

const TSqlDialect& DialectOf(const TDesign& design) {
  return DatabaseChoiceOf(design.database).dialect();
}
