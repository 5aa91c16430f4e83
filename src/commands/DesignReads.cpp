#include "commands/DesignReads.h"

#include <charconv>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/BaseDirectory.h"

namespace commands {

namespace {

// Reads of several statements see one state of the file, without taking
// the write lock (a long import elsewhere does not hold them up).
template <class TBody>
auto InReadTransaction(TBody body) {
  decltype(body()) result;
  TDbHelper().ReadTransaction([&] { result = body(); });
  return result;
}

std::optional<int> HashId(const std::string& ref) {
  if (ref.size() < 2 || ref[0] != '#') return std::nullopt;
  int id = 0;
  auto [ptr, ec] = std::from_chars(ref.data() + 1, ref.data() + ref.size(), id);
  if (ec != std::errc() || ptr != ref.data() + ref.size()) return std::nullopt;
  return id;
}

std::string IdList(const std::vector<int>& ids) {
  std::string s;
  for (int id : ids) s += (s.empty() ? "" : ", ") + std::to_string(id);
  return s;
}

// Each lookup answers the identifier found, or the refusal saying why none.
struct TFound {
  int id = -1;
  std::string refusal;
};

TFound Refusal(std::string message) {
  return {-1, std::move(message)};
}

TFound FindProject(const std::string& name, const std::optional<int>& id) {
  std::vector<int> matches;
  for (const auto& p : TProjectDAO().GetAllProjects())
    if (p.name == name && (!id || *id == p.id)) matches.push_back(p.id);
  if (matches.empty()) {
    if (id) return Refusal("没有编号为 " + std::to_string(*id) + " 的工程 \"" + name + "\"");
    return Refusal("工程不存在: " + name);
  }
  if (matches.size() > 1)
    return Refusal("有多个工程名为 \"" + name + "\"(编号 " + IdList(matches) +
                   ")，请用 --project-id 指定其一");
  return {matches.front(), {}};
}

TFound FindClass(int projectId, const std::string& ref) {
  const TNameList classes = TClassDAO().GetClassList(projectId);
  if (auto id = HashId(ref)) {
    for (const auto& c : classes)
      if (c.id == *id) return {c.id, {}};
    return Refusal("该工程没有编号为 " + ref.substr(1) + " 的类");
  }
  std::vector<int> matches;
  for (const auto& c : classes)
    if (c.name == ref) matches.push_back(c.id);
  if (matches.empty()) return Refusal("类不存在: " + ref);
  if (matches.size() > 1)
    return Refusal("有多个类名为 \"" + ref + "\"(编号 " + IdList(matches) +
                   ")，请用 #编号 指定其一");
  return {matches.front(), {}};
}

TFound FindMember(int classId, const std::string& ref) {
  const std::optional<int> id = HashId(ref);
  std::vector<int> matches;
  for (const TMember& m : TMemberDAO().ListMembers(classId))
    if (id ? m.memberId == *id : m.memberName == ref) matches.push_back(m.memberId);
  if (matches.empty())
    return Refusal(id ? "该类没有编号为 " + ref.substr(1) + " 的成员" : "成员不存在: " + ref);
  if (matches.size() > 1)
    return Refusal("有多个成员名为 \"" + ref + "\"(编号 " + IdList(matches) +
                   ")，请用 #编号 指定其一");
  return {matches.front(), {}};
}

// Project, class, members, in that order; the first that is not found ends
// the lookup.
TLookup FindNow(const TDesignRef& ref) {
  TLookup lookup;
  const auto found = [&](const TFound& f, int& id) {
    id = f.id;
    lookup.refusal = f.refusal;
    return lookup.refusal.empty();
  };
  if (!found(FindProject(ref.project, ref.projectId), lookup.target.projectId) || !ref.className)
    return lookup;
  if (!found(FindClass(lookup.target.projectId, *ref.className), lookup.target.classId))
    return lookup;
  for (const std::string& name : ref.memberNames) {
    int id = -1;
    if (!found(FindMember(lookup.target.classId, name), id)) return lookup;
    lookup.target.memberIds.push_back(id);
  }
  return lookup;
}

}  // namespace

void UseDesignDatabase(const std::filesystem::path& baseDir, bool readOnly) {
  TDbHelper::SetDatabaseFile(DesignDatabasePath(baseDir).string(), readOnly);
}

void OpenDesignDatabase(const std::filesystem::path& baseDir) {
  UseDesignDatabase(baseDir);
  TDbHelper().Open();
}

TNameList ListProjects() {
  return TProjectDAO().GetAllProjects();
}

std::string ProjectName(int projectId) {
  return TProjectDAO().GetProjectName(projectId);
}

bool FullQueryForms(int projectId) {
  return InReadTransaction([&] { return TProjectDAO().GetFullQueryForms(projectId); });
}

std::vector<TClassItem> ListClasses(int projectId) {
  std::vector<TClassItem> items;
  for (const TClassRecord& c : TClassDAO().ListClasses(projectId))
    items.push_back({c.classId, {c.className, c.friendName, c.frontShowFlag == 1}});
  return items;
}

std::vector<TMember> ListMembers(int classId) {
  return TMemberDAO().ListMembers(classId);
}

std::optional<TClassEntry> ReadClass(int classId) {
  return InReadTransaction([&]() -> std::optional<TClassEntry> {
    TClassDAO classes;
    if (classes.GetProjectId(classId) < 0) return std::nullopt;
    return TClassEntry{classes.GetClassName(classId), classes.GetFriendName(classId),
                       classes.GetFrontShowFlag(classId) == 1};
  });
}

std::optional<TMember> ReadMember(int memberId) {
  return TMemberDAO().GetMember(memberId);
}

TLookup Find(const TDesignRef& ref) {
  return InReadTransaction([&] { return FindNow(ref); });
}

TCommandResult OnTarget(const TDesignRef& ref,
                        const std::function<TCommandResult(const TTarget&)>& command) {
  TCommandResult result;
  TDbHelper().Transaction([&] {
    const TLookup lookup = FindNow(ref);
    if (lookup) {
      result = command(lookup.target);
    } else {
      result.message = lookup.refusal;
    }
  });
  return result;
}

}  // namespace commands
