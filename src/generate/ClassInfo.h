// What the generators read about the classes of the project they write:
// the names of one class, its key member and its member lists, with every
// reference member resolved against the class it names. Shared by every
// per-class generator so that each asks the design store the same way.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/Member.h"
#include "store/MemberDAO.h"
#include "store/NameList.h"

// A design that cannot be written (a class without key member, a reference
// to a class that is missing); the message names the class and member.
class TGenerationError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TClassInfo {
  int classId = 0;
  std::string className;     // case kept: the entity, table and file name
  std::string instanceName;  // locals and fields of the entity type
  std::string friendName;
};

// Reads the design store for one project. Member lists follow member order.
// A reader serves one generator pass: it remembers the member lists of the
// class in hand and the referenced classes' key and display members, which
// every method builder of a class asks for again.
// Errors of the store propagate; a missing key or display member where one
// is needed is a TGenerationError.
class TDesignReader {
public:
  explicit TDesignReader(int projectId) : projectId_(projectId) {}

  TClassInfo ReadClass(const TNamedId& entry);
  // The class's key member, the first in member order; a TGenerationError
  // when it has none.
  TMember KeyMember(const TClassInfo& cls);

  std::vector<TMember> Members(int classId);
  std::vector<TMember> NonKeyMembers(int classId);
  // Non-key members listed by the generated paged query.
  std::vector<TMember> ShownMembers(int classId);
  std::vector<TMember> ReferenceMembers(int classId);
  std::vector<TMember> ImageMembers(int classId);

  // The member's type, a reference resolved by the key of the class it names.
  TFieldKind FieldKind(const TMember& member);
  // Key and display member of the class a reference member names.
  TMember ReferencedKey(const TMember& member);
  TMember ReferencedDisplay(const TMember& member);

private:
  [[noreturn]] void ReferenceFault(const TMember& member, const char* missing);
  enum class List { All, NonKey, Shown, Reference, Image };
  const std::vector<TMember>& Cached(List list, int classId);
  using TReferenceCache = std::map<std::string, std::optional<TMember>>;
  using TReferenceLookup = std::optional<TMember> (TMemberDAO::*)(int, const std::string&);
  TMember Referenced(TReferenceCache& cache, const TMember& member, TReferenceLookup lookup,
                     const char* missing);

  int projectId_;
  TMemberDAO members_;
  int cachedClassId_ = 0;
  std::map<List, std::vector<TMember>> lists_;
  TReferenceCache referencedKeys_;
  TReferenceCache referencedDisplays_;
};
