#include "store/ProjectDAO.h"

#include "store/DbHelper.h"

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

bool HasOptionTable(TDbHelper& db) {
  return db.GetIntValue(
             "select count(*) from sqlite_master where type='table' and name='t_projectoption'") >
         0;
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
  TDbHelper().ExecuteSqlList({
      {"create table if not exists t_projectoption ("
       " projectId integer primary key,"
       " fullQueryForms integer not null default 0)",
       {}},
      {"insert or replace into t_projectoption(projectId,fullQueryForms) values (?,?)",
       {std::int64_t{projectId}, std::int64_t{on ? 1 : 0}}},
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
