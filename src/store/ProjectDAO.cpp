#include "store/ProjectDAO.h"

#include "store/DbHelper.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/Text.h"

#include <optional>
#include <vector>

int TProjectDAO::GetProjectCount(const std::string& name) {
  return TDbHelper().GetIntValue(
      "select count(*) from t_project where projectName=? collate nocase", {name});
}

int TProjectDAO::GetProjectCountExcept(const std::string& name, int exceptProjectId) {
  return TDbHelper().GetIntValue(
      "select count(*) from t_project where projectName=? collate nocase and projectId<>?",
      {name, std::int64_t{exceptProjectId}});
}

int TProjectDAO::AddProject(const std::string& name) {
  TDbHelper db;
  int id = 0;
  db.Transaction([&] {
    db.ExecuteSql("insert into t_project(projectName) values (?)", {name});
    id = static_cast<int>(db.LastInsertId());
  });
  return id;
}

void TProjectDAO::UpdateProjectName(int projectId, const std::string& name) {
  TDbHelper().ExecuteSql("update t_project set projectName=? where projectId=?",
                         {name, std::int64_t{projectId}});
}

namespace {

constexpr const char* kOptionTable = "t_projectoption";

// The option table's columns this program reads.
struct TOptionColumns {
  bool table = false;     // the file has the table
  bool database = false;  // it has the 数据库 column (added when first set)
};

// Which of them the file has. A table made by other tools without the
// columns every such table has is the file's fault, reported naming the
// table, never as the engine's complaint about a missing column.
TOptionColumns OptionColumns(TDbHelper& db) {
  TOptionColumns found;
  if (db.GetIntValue("select count(*) from sqlite_master where type='table' and name=?",
                     {std::string(kOptionTable)}) <= 0)
    return found;
  TRowSet columns =
      db.ExecuteQuery("select name from pragma_table_info(?)", {std::string(kOptionTable)});
  bool project = false, fullQuery = false;
  for (columns.First(); !columns.Eof(); columns.Next()) {
    const std::string name = AsciiLower(columns.AsString("name"));
    project = project || name == "projectid";
    fullQuery = fullQuery || name == "fullqueryforms";
    found.database = found.database || name == "databasekind";
  }
  if (!project || !fullQuery)
    throw TDbError(std::string("设计数据库中的表 ") + kOptionTable + " 不是本程序所建: 缺少列 " +
                   (project ? "fullQueryForms" : "projectId"));
  found.table = true;
  return found;
}

bool HasOptionTable(TDbHelper& db) {
  return OptionColumns(db).table;
}

// Writes the project's options, one of them changed and the other kept.
// Delete, then insert: a table made by other tools may lack the key that
// "insert or replace" relies on, and an older row must not outlive this.
void WriteOptions(int projectId, std::optional<bool> fullQuery, std::optional<TDatabase> database) {
  TDbHelper db;
  const std::int64_t id = projectId;
  db.Transaction([&] {
    TOptionColumns columns = OptionColumns(db);
    if (!columns.table)
      db.ExecuteSql(
          "create table t_projectoption ("
          " projectId integer primary key,"
          " fullQueryForms integer not null default 0,"
          " databaseKind text)");
    else if (database && !columns.database)
      db.ExecuteSql("alter table t_projectoption add column databaseKind text");
    columns.database = columns.database || !columns.table || database.has_value();
    if (!fullQuery) fullQuery = TProjectDAO().GetFullQueryForms(projectId);
    if (!database) database = TProjectDAO().GetDatabase(projectId);
    db.ExecuteSql("delete from t_projectoption where projectId=?", {id});
    const std::int64_t on = *fullQuery ? 1 : 0;
    if (columns.database)
      db.ExecuteSql(
          "insert into t_projectoption(projectId,fullQueryForms,databaseKind) values (?,?,?)",
          {id, on, std::string(DatabaseChoiceOf(*database).key)});
    else
      db.ExecuteSql("insert into t_projectoption(projectId,fullQueryForms) values (?,?)", {id, on});
  });
}

}  // namespace

void TProjectDAO::DeleteProject(int projectId) {
  const std::int64_t id = projectId;
  TDbHelper db;
  std::vector<TDbStatement> statements = {
      {"delete from t_project where projectId=?", {id}},
      {"delete from t_class where projectId=?", {id}},
      {"delete from t_member where projectId=?", {id}},
  };
  if (HasOptionTable(db))
    statements.push_back({"delete from t_projectoption where projectId=?", {id}});
  db.ExecuteSqlList(statements);
}

bool TProjectDAO::GetFullQueryForms(int projectId) {
  TDbHelper db;
  return HasOptionTable(db) &&
         db.GetIntValue("select fullQueryForms from t_projectoption where projectId=?",
                        {std::int64_t{projectId}}) == 1;
}

void TProjectDAO::SetFullQueryForms(int projectId, bool on) {
  WriteOptions(projectId, on, std::nullopt);
}

TDatabase TProjectDAO::GetDatabase(int projectId) {
  TDbHelper db;
  if (!OptionColumns(db).database) return TDatabase::SqlServer;
  const TDatabaseChoice* choice = DatabaseByKey(db.GetStringValue(
      "select databaseKind from t_projectoption where projectId=?", {std::int64_t{projectId}}));
  return choice ? choice->database : TDatabase::SqlServer;
}

void TProjectDAO::SetDatabase(int projectId, TDatabase database) {
  WriteOptions(projectId, std::nullopt, database);
}

TNameList TProjectDAO::GetAllProjects() {
  TRowSet rows =
      TDbHelper().ExecuteQuery("select projectId,projectName from t_project order by projectId");
  TNameList list;
  for (rows.First(); !rows.Eof(); rows.Next())
    list.push_back({rows.AsString("projectName"), rows.AsInteger("projectId")});
  return list;
}

std::string TProjectDAO::GetProjectName(int projectId) {
  return TDbHelper().GetStringValue("select projectName from t_project where projectId=?",
                                    {std::int64_t{projectId}});
}

bool TProjectDAO::ProjectExists(int projectId) {
  return TDbHelper().GetIntValue("select count(*) from t_project where projectId=?",
                                 {std::int64_t{projectId}}) > 0;
}
