#include "generate/ClassInfo.h"

#include "generate/Naming.h"
#include "store/ClassDAO.h"

namespace {

std::vector<TMember> ReadAll(TRowSet rows) {
  std::vector<TMember> list;
  list.reserve(static_cast<std::size_t>(rows.RowCount()));
  for (rows.First(); !rows.Eof(); rows.Next()) list.push_back(TMemberDAO::ReadMember(rows));
  return list;
}

}  // namespace

TClassInfo TDesignReader::ReadClass(const TNamedId& entry) {
  TClassInfo info;
  info.classId = entry.id;
  info.className = entry.name;
  info.instanceName = InstanceName(entry.name);
  info.friendName = TClassDAO().GetFriendName(entry.id);
  return info;
}

TMember TDesignReader::KeyMember(const TClassInfo& cls) {
  std::optional<TMember> key = members_.GetKeyMember(cls.classId);
  if (!key) throw TGenerationError("类 " + cls.className + " 没有主键成员!");
  return std::move(*key);
}

std::vector<TMember> TDesignReader::Members(int classId) {
  return ReadAll(members_.QueryMembers(classId));
}

std::vector<TMember> TDesignReader::NonKeyMembers(int classId) {
  return ReadAll(members_.QueryNonKeyMembers(classId));
}

std::vector<TMember> TDesignReader::ShownMembers(int classId) {
  return ReadAll(members_.QueryShownMembers(classId));
}

std::vector<TMember> TDesignReader::ReferenceMembers(int classId) {
  return ReadAll(members_.QueryReferenceMembers(classId));
}

std::vector<TMember> TDesignReader::ImageMembers(int classId) {
  return ReadAll(members_.QueryImageMembers(classId));
}

TFieldKind TDesignReader::FieldKind(const TMember& member) {
  const TMemberKind kind = ClassifyMemberType(member.memberType);
  if (kind != TMemberKind::Reference) return FieldKindOf(kind);
  return FieldKindOf(kind, ReferencedKey(member).IsInteger());
}

TMember TDesignReader::ReferencedKey(const TMember& member) {
  std::optional<TMember> key = members_.GetKeyMemberByClassName(projectId_, member.memberType);
  if (!key) ReferenceFault(member, "主键成员");
  return std::move(*key);
}

TMember TDesignReader::ReferencedDisplay(const TMember& member) {
  std::optional<TMember> display =
      members_.GetDisplayMemberByClassName(projectId_, member.memberType);
  if (!display) ReferenceFault(member, "显示成员");
  return std::move(*display);
}

void TDesignReader::ReferenceFault(const TMember& member, const char* missing) {
  throw TGenerationError("类 " + TClassDAO().GetClassName(member.classId) + " 的成员 " +
                         member.memberName + " 引用的类 " + member.memberType + " 不存在或没有" +
                         missing + "!");
}
