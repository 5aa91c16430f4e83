#include "cli/CliSupport.h"

#include <charconv>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace cli {

namespace {

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

}  // namespace

void TProjectRef::AddTo(CLI::App* command) {
  command->add_option("project", name, "工程名称")->required();
  command->add_option("--project-id", id, "工程编号(多个工程同名时用它区分)");
}

int TProjectRef::Resolve() const {
  std::vector<int> matches;
  for (const auto& p : TProjectDAO().GetAllProjects())
    if (p.name == name && (!id || *id == p.id)) matches.push_back(p.id);
  if (matches.empty()) {
    if (id) throw TRefused("没有编号为 " + std::to_string(*id) + " 的工程 \"" + name + "\"");
    throw TRefused("工程不存在: " + name);
  }
  if (matches.size() > 1)
    throw TRefused("有多个工程名为 \"" + name + "\"(编号 " + IdList(matches) +
                   ")，请用 --project-id 指定其一");
  return matches.front();
}

int ResolveClass(int projectId, const std::string& ref) {
  const TNameList classes = TClassDAO().GetClassList(projectId);
  if (auto id = HashId(ref)) {
    for (const auto& c : classes)
      if (c.id == *id) return c.id;
    throw TRefused("该工程没有编号为 " + ref.substr(1) + " 的类");
  }
  std::vector<int> matches;
  for (const auto& c : classes)
    if (c.name == ref) matches.push_back(c.id);
  if (matches.empty()) throw TRefused("类不存在: " + ref);
  if (matches.size() > 1)
    throw TRefused("有多个类名为 \"" + ref + "\"(编号 " + IdList(matches) +
                   ")，请用 #编号 指定其一");
  return matches.front();
}

TMember ResolveMember(int classId, const std::string& ref) {
  const std::optional<int> id = HashId(ref);
  std::vector<TMember> matches;
  for (TMember& m : TMemberDAO().ListMembers(classId)) {
    if (id ? m.memberId == *id : m.memberName == ref) matches.push_back(m);
  }
  if (matches.empty())
    throw TRefused(id ? "该类没有编号为 " + ref.substr(1) + " 的成员" : "成员不存在: " + ref);
  if (matches.size() > 1) {
    std::vector<int> ids;
    for (const auto& m : matches) ids.push_back(m.memberId);
    throw TRefused("有多个成员名为 \"" + ref + "\"(编号 " + IdList(ids) + ")，请用 #编号 指定其一");
  }
  return matches.front();
}

}  // namespace cli
