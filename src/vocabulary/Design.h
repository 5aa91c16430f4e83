// A whole project as plain values: what a generation run and the table
// script work from. The store reads it in one transaction (ReadDesign), so
// a run sees one design however the store changes meanwhile.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "vocabulary/MemberKinds.h"

// A member with what it needs from the rest of the design. For a reference
// member, the class it names (exact class name within the project) with
// that class's first key and first display member in member order.
struct TDesignMember : TMember {
  TFieldKind kind = TFieldKind::String;
  // Reference members only: index of the named class in TDesign::classes
  // (-1 when the project has no class of that name) and that class's key
  // and display member (empty when it has none).
  int target = -1;
  // Shared by every member that refers to the same class: a large design
  // holds hundreds of thousands of members.
  std::shared_ptr<const TMember> targetKey;
  std::shared_ptr<const TMember> targetDisplay;

  const TKindInfo& Kind() const { return KindInfo(kind); }
  bool IsReference() const { return Kind().refersToClass; }
  // Flagged as required (where the kind may be), or of a kind that may not
  // be left optional.
  bool IsRequired() const {
    return (IsMust() && Kind().mayBeRequired) || !Kind().mayBeOptional;
  }
};

struct TDesignClass {
  int classId = 0;
  std::string className;
  std::string friendName;
  int frontShowFlag = 0;
  std::vector<TDesignMember> members;  // member order

  // The first key member in member order, null when there is none.
  const TDesignMember* Key() const;
  int KeyCount() const;
  int DisplayCount() const;
};

// The database the generated application runs on (the project's 数据库
// setting); what each means is its dialect's (vocabulary/SqlDialect.h).
enum class TDatabase { SqlServer, Sqlite };

struct TDesign {
  int projectId = 0;
  std::string projectName;
  std::vector<TDesignClass> classes;  // class order
  bool fullQueryForms = false;        // query forms that list, search, page, edit and delete
  TDatabase database = TDatabase::SqlServer;

  // Index of the first class with exactly this name, -1 when there is none.
  int FindClass(const std::string& className) const;

  // Each class name with the index of its first class, as ResolveReferences
  // found them, and how many classes there were: the generators look names
  // up for every file, and a pass over every class each time made large
  // designs slow. FindClass passes over the classes when they were changed
  // in number since.
  std::unordered_map<std::string, int> classIndex;
  std::size_t indexedClasses = 0;
};

// Resolves every member's kind, and for a reference member the class it
// names with that class's key and display member. Run once the classes and
// members are in place.
void ResolveReferences(TDesign& design);
