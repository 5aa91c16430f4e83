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

const std::vector<TMember>& TDesignReader::Cached(List list, int classId) {
  if (classId != cachedClassId_) {
    lists_.clear();
    cachedClassId_ = classId;
  }
  auto it = lists_.find(list);
  if (it != lists_.end()) return it->second;
  TRowSet rows = [&] {
    switch (list) {
      case List::NonKey: return members_.QueryNonKeyMembers(classId);
      case List::Shown: return members_.QueryShownMembers(classId);
      case List::Reference: return members_.QueryReferenceMembers(classId);
      case List::Image: return members_.QueryImageMembers(classId);
      case List::All: break;
    }
    return members_.QueryMembers(classId);
  }();
  return lists_[list] = ReadAll(std::move(rows));
}

std::vector<TMember> TDesignReader::Members(int classId) { return Cached(List::All, classId); }

std::vector<TMember> TDesignReader::NonKeyMembers(int classId) {
  return Cached(List::NonKey, classId);
}

std::vector<TMember> TDesignReader::ShownMembers(int classId) {
  return Cached(List::Shown, classId);
}

std::vector<TMember> TDesignReader::ReferenceMembers(int classId) {
  return Cached(List::Reference, classId);
}

std::vector<TMember> TDesignReader::ImageMembers(int classId) {
  return Cached(List::Image, classId);
}

TFieldKind TDesignReader::FieldKind(const TMember& member) {
  const TMemberKind kind = ClassifyMemberType(member.memberType);
  if (kind != TMemberKind::Reference) return FieldKindOf(kind);
  return FieldKindOf(kind, ReferencedKey(member).IsInteger());
}

TMember TDesignReader::ReferencedKey(const TMember& member) {
  return Referenced(referencedKeys_, member, &TMemberDAO::GetKeyMemberByClassName, "主键成员");
}

TMember TDesignReader::ReferencedDisplay(const TMember& member) {
  return Referenced(referencedDisplays_, member, &TMemberDAO::GetDisplayMemberByClassName,
                    "显示成员");
}

TMember TDesignReader::Referenced(TReferenceCache& cache, const TMember& member,
                                  TReferenceLookup lookup, const char* missing) {
  auto it = cache.find(member.memberType);
  if (it == cache.end())
    it = cache.emplace(member.memberType, (members_.*lookup)(projectId_, member.memberType)).first;
  if (!it->second) ReferenceFault(member, missing);
  return *it->second;
}

void TDesignReader::ReferenceFault(const TMember& member, const char* missing) {
  throw TGenerationError("类 " + TClassDAO().GetClassName(member.classId) + " 的成员 " +
                         member.memberName + " 引用的类 " + member.memberType + " 不存在或没有" +
                         missing + "!");
}
