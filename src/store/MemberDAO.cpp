#include "store/MemberDAO.h"

#include <map>

#include "store/ClassDAO.h"

namespace {

constexpr const char* kOrder = " order by memberId";

TDbParams Id(int id) {
  return {std::int64_t{id}};
}

constexpr const char* kConstraintTable = "t_memberconstraint";

// Choices are stored one a line (a choice holds no control character).
std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

bool TMemberDAO::HasConstraintTable() {
  return db_.GetIntValue("select count(*) from sqlite_master where type='table' and name=?",
                         {std::string(kConstraintTable)}) > 0;
}

void TMemberDAO::WriteConstraints(int memberId, const TMemberConstraints& c) {
  // A row left by a member whose identifier the file gives again goes too.
  const bool table = HasConstraintTable();
  if (table) db_.ExecuteSql("delete from t_memberconstraint where memberId=?", Id(memberId));
  if (c.Empty()) return;
  if (!table)
    db_.ExecuteSql(
        "create table t_memberconstraint ("
        " memberId integer primary key,"
        " isUnique integer not null default 0,"
        " defaultValue text not null default '',"
        " minValue text not null default '',"
        " maxValue text not null default '',"
        " choices text not null default '')");
  db_.ExecuteSql(
      "insert into t_memberconstraint(memberId,isUnique,defaultValue,minValue,maxValue,choices)"
      " values (?,?,?,?,?,?)",
      {std::int64_t{memberId}, std::int64_t{c.unique ? 1 : 0}, c.defaultValue, c.minValue,
       c.maxValue, JoinLines(c.choices)});
}

std::map<int, TMemberConstraints> TMemberDAO::ReadConstraints() {
  std::map<int, TMemberConstraints> constraints;
  if (!HasConstraintTable()) return constraints;
  TRowSet rows = db_.ExecuteQuery("select * from t_memberconstraint");
  for (rows.First(); !rows.Eof(); rows.Next()) {
    TMemberConstraints& c = constraints[rows.AsInteger("memberId")];
    c.unique = rows.AsInteger("isUnique") == 1;
    c.defaultValue = rows.AsString("defaultValue");
    c.minValue = rows.AsString("minValue");
    c.maxValue = rows.AsString("maxValue");
    c.choices = SplitLines(rows.AsString("choices"));
  }
  return constraints;
}

void TMemberDAO::AddConstraints(std::vector<TMember>& members) {
  if (members.empty()) return;
  const std::map<int, TMemberConstraints> constraints = ReadConstraints();
  if (constraints.empty()) return;
  for (TMember& m : members)
    if (const auto found = constraints.find(m.memberId); found != constraints.end())
      m.constraints = found->second;
}

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
    WriteConstraints(id, m.constraints);
  });
  return id;
}

void TMemberDAO::UpdateMember(const TMember& m) {
  db_.Transaction([&] {
  db_.ExecuteSql(
      "update t_member set memberName=?,memberType=?,memberLength=?,memberIsPri=?,"
      "memberComment=?,memberIsMust=?,memberIsInteger=?,memberIsFloat=?,queryFlag=?,"
      "memberIsDisplay=?,memberQueryDisplay=? where memberId=?",
      {m.memberName, m.memberType, std::int64_t{m.memberLength}, std::int64_t{m.memberIsPri},
       m.memberComment, std::int64_t{m.memberIsMust}, std::int64_t{m.memberIsInteger},
       std::int64_t{m.memberIsFloat}, std::int64_t{m.queryFlag}, std::int64_t{m.memberIsDisplay},
       std::int64_t{m.memberQueryDisplay}, std::int64_t{m.memberId}});
  WriteConstraints(m.memberId, m.constraints);
  });
}

void TMemberDAO::DeleteMember(int memberId) {
  db_.Transaction([&] {
    db_.ExecuteSql("delete from t_member where memberId=?", Id(memberId));
    WriteConstraints(memberId, {});
  });
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
  if (!m) return m;
  m->memberId = memberId;
  std::vector<TMember> one = {*m};
  AddConstraints(one);
  return one.front();
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
  std::vector<TMember> list = ReadAll(QueryMembers(classId));
  AddConstraints(list);
  return list;
}

void TMemberDAO::ForEachProjectMember(int projectId,
                                      const std::function<void(TMember&)>& take) {
  const std::map<int, TMemberConstraints> constraints = ReadConstraints();
  // By class, then member order: the order of the class index, so the rows
  // come without a sort of the whole project's members first.
  db_.ForEachRow("select * from t_member where classId in"
                 " (select classId from t_class where projectId=?) order by classId, memberId",
                 Id(projectId), [&](const TRowSet& row) {
                   TMember m = ReadMember(row);
                   if (const auto c = constraints.find(m.memberId); c != constraints.end())
                     m.constraints = c->second;
                   take(m);
                 });
}

std::map<int, std::size_t> TMemberDAO::CountProjectMembers(int projectId) {
  std::map<int, std::size_t> counts;
  db_.ForEachRow(
      "select classId, count(*) as members from t_member where classId in"
      " (select classId from t_class where projectId=?) group by classId",
      Id(projectId), [&](const TRowSet& row) {
        counts[row.AsInteger("classId")] = static_cast<std::size_t>(row.AsInteger("members"));
      });
  return counts;
}
