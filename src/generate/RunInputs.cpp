#include "generate/RunInputs.h"

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstring>

#include "vocabulary/FileOperate.h"
#include "vocabulary/Naming.h"

namespace fs = std::filesystem;

namespace {

// Every field of the member record. A field added to it must be added
// here too, or a change of it would not rebuild the files: the size check
// is the reminder.
void AddRecord(TDigester& d, const TMember& m) {
  d.Add(m.memberId).Add(m.projectId).Add(m.classId).Add(m.memberName).Add(m.memberType);
  d.Add(m.memberLength).Add(m.memberIsPri).Add(m.memberComment).Add(m.memberIsMust);
  d.Add(m.memberIsInteger).Add(m.memberIsFloat).Add(m.queryFlag).Add(m.memberIsDisplay);
  d.Add(m.memberQueryDisplay).Add(m.storedLength);
  const TMemberConstraints& c = m.constraints;
  d.Add(c.unique ? 1 : 0).Add(c.defaultValue).Add(c.minValue).Add(c.maxValue);
  d.Add(static_cast<std::int64_t>(c.choices.size()));
  for (const std::string& choice : c.choices) d.Add(choice);
}
#if defined(__GLIBCXX__) && __SIZEOF_POINTER__ == 8
static_assert(sizeof(TMember) == 304, "a field of TMember is missing from AddRecord");
#endif

// The member with what was resolved for it.
void AddMember(TDigester& d, const TDesignMember& m) {
  AddRecord(d, m);
  d.Add(static_cast<std::int64_t>(m.kind)).Add(m.target);
  for (const TMember* resolved : {m.targetKey.get(), m.targetDisplay.get()}) {
    d.Add(resolved ? 1 : 0);
    if (resolved) AddRecord(d, *resolved);
  }
}

TDigest OwnDigest(const TDesignClass& cls) {
  TDigester d;
  d.Add(cls.classId).Add(cls.className).Add(cls.friendName).Add(cls.frontShowFlag);
  d.Add(static_cast<std::int64_t>(cls.members.size()));
  for (const TDesignMember& m : cls.members) AddMember(d, m);
  return d.Finish();
}

int FindNote(dl_phdr_info* info, std::size_t, void* data) {
  auto* found = static_cast<std::pair<const void*, std::string>*>(data);
  const auto address = reinterpret_cast<ElfW(Addr)>(found->first);
  bool holds = false;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& ph = info->dlpi_phdr[i];
    const ElfW(Addr) start = info->dlpi_addr + ph.p_vaddr;
    if (ph.p_type == PT_LOAD && address >= start && address < start + ph.p_memsz) holds = true;
  }
  if (!holds) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& ph = info->dlpi_phdr[i];
    if (ph.p_type != PT_NOTE) continue;
    const char* at = reinterpret_cast<const char*>(info->dlpi_addr + ph.p_vaddr);
    const char* end = at + ph.p_memsz;
    while (at + sizeof(ElfW(Nhdr)) <= end) {
      ElfW(Nhdr) note;
      std::memcpy(&note, at, sizeof note);
      const char* name = at + sizeof note;
      const char* desc = name + ((note.n_namesz + 3) & ~3u);
      if (desc + note.n_descsz > end) break;
      if (note.n_type == NT_GNU_BUILD_ID && note.n_namesz == 4 && std::memcmp(name, "GNU", 4) == 0) {
        found->second.assign(desc, note.n_descsz);
        return 1;
      }
      at = desc + ((note.n_descsz + 3) & ~3u);
    }
  }
  return 1;
}

// The templates, by path below dir, in path order.
TDigest TemplatesDigest(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  TDigester d;
  for (const fs::path& file : files)
    d.Add(file.lexically_relative(dir).generic_string()).Add(TFileOperate::ReadFile(file));
  return d.Finish();
}

}  // namespace

std::string ProgramBuildId() {
  std::pair<const void*, std::string> found{reinterpret_cast<const void*>(&ProgramBuildId), {}};
  dl_iterate_phdr(FindNote, &found);
  return found.second;
}

TRunInputs::TRunInputs(const TDesign& design, const fs::path& templateDir) : design_(design) {
  const std::string build = ProgramBuildId();
  if (build.empty()) return;
  TDigest templates{};
  try {
    templates = TemplatesDigest(templateDir);
  } catch (const std::exception&) {
    return;  // the run reports what it cannot read
  }
  TDigester common;
  common.Add(build).Add(templates).Add(design.projectName);
  common.Add(design.fullQueryForms ? 1 : 0).Add(static_cast<std::int64_t>(design.database));
  // The class names a class's files look up (framework type names), in
  // class order.
  for (const TDesignClass& cls : design.classes)
    if (IsFrameworkTypeName(cls.className)) common.Add(cls.className);
  const TDigest shared = common.Finish();

  std::vector<TDigest> own;
  own.reserve(design.classes.size());
  for (const TDesignClass& cls : design.classes) own.push_back(OwnDigest(cls));

  TDigester project;
  project.Add(shared);
  for (const TDigest& d : own) project.Add(d);
  project_ = project.Finish();

  // The classes each class refers to, and those that refer to it (whose
  // records a complete query form lists below the selected one).
  const std::size_t count = design.classes.size();
  std::vector<std::vector<std::size_t>> referencing(count);
  for (std::size_t i = 0; i < count; ++i)
    for (const TDesignMember& m : design.classes[i].members)
      if (m.IsReference() && m.target >= 0)
        referencing[static_cast<std::size_t>(m.target)].push_back(i);
  // A class with the classes it refers to.
  auto addNeighbourhood = [&](TDigester& d, std::size_t i) {
    d.Add(own[i]);
    for (const TDesignMember& m : design.classes[i].members) {
      if (!m.IsReference()) continue;
      d.Add(m.target);
      if (m.target >= 0) d.Add(own[static_cast<std::size_t>(m.target)]);
    }
  };
  classes_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    TDigester d;
    d.Add(shared);
    addNeighbourhood(d, i);
    d.Add(static_cast<std::int64_t>(referencing[i].size()));
    for (const std::size_t other : referencing[i]) addNeighbourhood(d, other);
    classes_.push_back(d.Finish());
  }
  known_ = true;
}

const TDigest& TRunInputs::Of(const TDesignClass& cls) const {
  return classes_.at(static_cast<std::size_t>(&cls - design_.classes.data()));
}
