#include "store/ProjectDAO.h"

#include "store/DbHelper.h"
#include "vocabulary/Text.h"

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

// Whether the file has the option table. One made by other tools without
// the columns read here is the file's fault, reported naming the table,
// never as the engine's complaint about a missing column.
bool HasOptionTable(TDbHelper& db) {
  if (db.GetIntValue("select count(*) from sqlite_master where type='table' and name=?",
                     {std::string(kOptionTable)}) <= 0)
    return false;
  TRowSet columns =
      db.ExecuteQuery("select name from pragma_table_info(?)", {std::string(kOptionTable)});
  bool project = false, fullQuery = false;
  for (columns.First(); !columns.Eof(); columns.Next()) {
    const std::string name = AsciiLower(columns.AsString("name"));
    project = project || name == "projectid";
    fullQuery = fullQuery || name == "fullqueryforms";
  }
  if (!project || !fullQuery)
    throw TDbError(std::string("设计数据库中的表 ") + kOptionTable + " 不是本程序所建: 缺少列 " +
                   (project ? "fullQueryForms" : "projectId"));
  return true;
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
  TDbHelper db;
  const std::int64_t id = projectId;
  db.Transaction([&] {
    if (!HasOptionTable(db))
      db.ExecuteSql(
          "create table t_projectoption ("
          " projectId integer primary key,"
          " fullQueryForms integer not null default 0)");
    // Delete, then insert: a table made by other tools may lack the key that
    // "insert or replace" relies on, and an older row must not outlive this.
    db.ExecuteSql("delete from t_projectoption where projectId=?", {id});
    db.ExecuteSql("insert into t_projectoption(projectId,fullQueryForms) values (?,?)",
                  {id, std::int64_t{on ? 1 : 0}});
  });
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
