#include "store/ClassDAO.h"

#include "store/DbHelper.h"

namespace {

TNameList ReadClassList(TRowSet rows) {
  TNameList list;
  for (rows.First(); !rows.Eof(); rows.Next())
    list.push_back({rows.AsString("className"), rows.AsInteger("classId")});
  return list;
}

}  // namespace

std::string TClassDAO::GetClassName(int classId) {
  return TDbHelper().GetStringValue("select className from t_class where classId=?",
                                    {std::int64_t{classId}});
}

std::string TClassDAO::GetFriendName(int classId) {
  return TDbHelper().GetStringValue("select friendName from t_class where classId=?",
                                    {std::int64_t{classId}});
}

int TClassDAO::GetFrontShowFlag(int classId) {
  return TDbHelper().GetIntValue("select frontShowFlag from t_class where classId=?",
                                 {std::int64_t{classId}});
}

int TClassDAO::GetProjectId(int classId) {
  return TDbHelper().GetIntValue("select projectId from t_class where classId=?",
                                 {std::int64_t{classId}});
}

int TClassDAO::GetClassId(int projectId, const std::string& className) {
  return TDbHelper().GetIntValue(
      "select classId from t_class where projectId=? and className=? order by classId",
      {std::int64_t{projectId}, className});
}

int TClassDAO::GetClassCount(int projectId, const std::string& className) {
  return TDbHelper().GetIntValue(
      "select count(*) from t_class where projectId=? and className=? collate nocase",
      {std::int64_t{projectId}, className});
}

int TClassDAO::GetClassCountExcept(int projectId, const std::string& className, int exceptClassId) {
  return TDbHelper().GetIntValue(
      "select count(*) from t_class where projectId=? and className=? collate nocase"
      " and classId<>?",
      {std::int64_t{projectId}, className, std::int64_t{exceptClassId}});
}

int TClassDAO::AddClass(int projectId, const std::string& className, const std::string& friendName,
                        int frontShowFlag) {
  TDbHelper db;
  int id = 0;
  db.Transaction([&] {
    db.ExecuteSql(
        "insert into t_class(projectId,className,friendName,frontShowFlag) values (?,?,?,?)",
        {std::int64_t{projectId}, className, friendName, std::int64_t{frontShowFlag}});
    id = static_cast<int>(db.LastInsertId());
  });
  return id;
}

void TClassDAO::DeleteClass(int classId) {
  TDbHelper().ExecuteSqlList({
      {"delete from t_class where classId=?", {std::int64_t{classId}}},
      {"delete from t_member where classId=?", {std::int64_t{classId}}},
  });
}

void TClassDAO::UpdateClass(int projectId, int classId, const std::string& className,
                            const std::string& friendName, int frontShowFlag) {
  TDbHelper db;
  db.Transaction([&] {
    const std::string oldName = GetClassName(classId);
    db.ExecuteSql("update t_class set friendName=?,className=?,frontShowFlag=? where classId=?",
                  {friendName, className, std::int64_t{frontShowFlag}, std::int64_t{classId}});
    db.ExecuteSql("update t_member set memberType=? where projectId=? and memberType=?",
                  {className, std::int64_t{projectId}, oldName});
  });
}

TNameList TClassDAO::GetClassList(int projectId) {
  return ReadClassList(TDbHelper().ExecuteQuery(
      "select classId,className from t_class where projectId=? order by classId",
      {std::int64_t{projectId}}));
}

std::vector<TClassRecord> TClassDAO::ListClasses(int projectId) {
  TRowSet rows = TDbHelper().ExecuteQuery(
      "select classId,projectId,className,friendName,frontShowFlag from t_class"
      " where projectId=? order by classId",
      {std::int64_t{projectId}});
  std::vector<TClassRecord> list;
  for (rows.First(); !rows.Eof(); rows.Next())
    list.push_back({rows.AsInteger("classId"), rows.AsInteger("projectId"),
                    rows.AsString("className"), rows.AsString("friendName"),
                    rows.AsInteger("frontShowFlag")});
  return list;
}

TNameList TClassDAO::GetOtherClassList(int projectId, int classId) {
  return ReadClassList(TDbHelper().ExecuteQuery(
      "select classId,className from t_class where classId<>? and projectId=? order by classId",
      {std::int64_t{classId}, std::int64_t{projectId}}));
}

