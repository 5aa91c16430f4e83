#include "store/MemberDAO.h"

#include "store/ClassDAO.h"

namespace {

constexpr const char* kOrder = " order by memberId";

TDbParams Id(int id) {
  return {std::int64_t{id}};
}

}  // namespace

TMember TMemberDAO::ReadMember(const TRowSet& rows) {
  TMember m;
  m.memberId = rows.AsInteger("memberId");
  m.projectId = rows.AsInteger("projectId");
  m.classId = rows.AsInteger("classId");
  m.memberName = rows.AsString("memberName");
  m.memberType = rows.AsString("memberType");
  if (const std::optional<int> length = rows.AsWholeNumber("memberLength"))
    m.memberLength = *length;
  else
    m.storedLength = rows.AsString("memberLength");
  m.memberIsPri = rows.AsInteger("memberIsPri");
  m.memberComment = rows.AsString("memberComment");
  m.memberIsMust = rows.AsInteger("memberIsMust");
  m.memberIsInteger = rows.AsInteger("memberIsInteger");
  m.memberIsFloat = rows.AsInteger("memberIsFloat");
  m.queryFlag = rows.AsInteger("queryFlag");
  m.memberIsDisplay = rows.AsInteger("memberIsDisplay");
  m.memberQueryDisplay = rows.AsInteger("memberQueryDisplay");
  return m;
}

int TMemberDAO::AddMember(const TMember& m) {
  int id = 0;
  db_.Transaction([&] {
    db_.ExecuteSql(
        "insert into t_member(projectId,classId,memberName,memberType,memberLength,memberIsPri,"
        "memberComment,memberIsMust,memberIsInteger,memberIsFloat,queryFlag,memberIsDisplay,"
        "memberQueryDisplay) values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
        {std::int64_t{m.projectId}, std::int64_t{m.classId}, m.memberName, m.memberType,
         std::int64_t{m.memberLength}, std::int64_t{m.memberIsPri}, m.memberComment,
         std::int64_t{m.memberIsMust}, std::int64_t{m.memberIsInteger},
         std::int64_t{m.memberIsFloat}, std::int64_t{m.queryFlag}, std::int64_t{m.memberIsDisplay},
         std::int64_t{m.memberQueryDisplay}});
    id = static_cast<int>(db_.LastInsertId());
  });
  return id;
}

void TMemberDAO::UpdateMember(const TMember& m) {
  db_.ExecuteSql(
      "update t_member set memberName=?,memberType=?,memberLength=?,memberIsPri=?,"
      "memberComment=?,memberIsMust=?,memberIsInteger=?,memberIsFloat=?,queryFlag=?,"
      "memberIsDisplay=?,memberQueryDisplay=? where memberId=?",
      {m.memberName, m.memberType, std::int64_t{m.memberLength}, std::int64_t{m.memberIsPri},
       m.memberComment, std::int64_t{m.memberIsMust}, std::int64_t{m.memberIsInteger},
       std::int64_t{m.memberIsFloat}, std::int64_t{m.queryFlag}, std::int64_t{m.memberIsDisplay},
       std::int64_t{m.memberQueryDisplay}, std::int64_t{m.memberId}});
}

void TMemberDAO::DeleteMember(int memberId) {
  db_.ExecuteSql("delete from t_member where memberId=?", Id(memberId));
}

void TMemberDAO::ExchangeMembers(int first, int second) {
  db_.Transaction([&] {
    std::optional<TMember> a = GetMember(first);
    std::optional<TMember> b = GetMember(second);
    if (!a || !b) return;
    a->memberId = second;
    b->memberId = first;
    UpdateMember(*a);
    UpdateMember(*b);
  });
}

std::optional<TMember> TMemberDAO::FirstMember(const std::string& sql, const TDbParams& params) {
  TRowSet rows = db_.ExecuteQuery(sql, params);
  if (rows.Eof()) return std::nullopt;
  return ReadMember(rows);
}

std::optional<TMember> TMemberDAO::GetMember(int memberId) {
  std::optional<TMember> m = FirstMember("select * from t_member where memberId=?", Id(memberId));
  if (m) m->memberId = memberId;
  return m;
}

TRowSet TMemberDAO::QueryMembers(int classId) {
  return db_.ExecuteQuery(std::string("select * from t_member where classId=?") + kOrder,
                          Id(classId));
}

namespace {

std::vector<TMember> ReadAll(TRowSet rows) {
  std::vector<TMember> list;
  list.reserve(static_cast<std::size_t>(rows.RowCount()));
  for (rows.First(); !rows.Eof(); rows.Next()) list.push_back(TMemberDAO::ReadMember(rows));
  return list;
}

}  // namespace

std::vector<TMember> TMemberDAO::ListMembers(int classId) {
  return ReadAll(QueryMembers(classId));
}

std::vector<TMember> TMemberDAO::ListProjectMembers(int projectId) {
  std::vector<TMember> list;
  db_.ForEachRow(std::string("select * from t_member where classId in"
                             " (select classId from t_class where projectId=?)") +
                     kOrder,
                 Id(projectId), [&](const TRowSet& row) { list.push_back(ReadMember(row)); });
  return list;
}
