// The databases a project can choose, and the choice of a project's dialect.
#include "vocabulary/SqlDialect.h"

#include "vocabulary/EntryRules.h"

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

std::string SqlValue(TValueForm form, const std::string& value) {
  if (form == TValueForm::YesNo) return value == kYes ? "1" : "0";
  if (form != TValueForm::Text) return value;
  std::string out = "'";
  for (char c : value) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

std::string ColumnConstraints(const std::string& column, const TScriptColumn& c,
                              const TConstraintWords& words) {
  const std::string check = " " + std::string(words.check) + " (" + column;
  std::string s;
  if (c.unique) s += " " + std::string(words.unique);
  if (!c.defaultValue.empty()) s += " " + std::string(words.defaultValue) + " " + c.defaultValue;
  if (!c.minValue.empty() && !c.maxValue.empty())
    s += check + " between " + c.minValue + " and " + c.maxValue + ")";
  else if (!c.minValue.empty())
    s += check + ">=" + c.minValue + ")";
  else if (!c.maxValue.empty())
    s += check + "<=" + c.maxValue + ")";
  if (!c.choices.empty()) {
    std::string list;
    for (const std::string& choice : c.choices) list += (list.empty() ? "" : ",") + choice;
    s += check + " in (" + list + "))";
  }
  return s;
}
