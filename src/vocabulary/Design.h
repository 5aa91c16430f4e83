// A whole project as plain values: what a generation run and the table
// script work from. The store reads it in one transaction (ReadDesign), so
// a run sees one design however the store changes meanwhile.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vocabulary/Member.h"

// A member with what it needs from the rest of the design. For a reference
// member the class it names is resolved as the store's lookups resolve it
// (exact class name within the project; that class's first key and first
// display member in member order).
struct TDesignMember : TMember {
  TFieldKind kind = TFieldKind::String;
  // Reference members only: index of the named class in TDesign::classes
  // (-1 when the project has no class of that name) and that class's key
  // and display member (empty when it has none).
  int target = -1;
  std::optional<TMember> targetKey;
  std::optional<TMember> targetDisplay;

  bool IsReference() const {
    return kind == TFieldKind::IntegerReference || kind == TFieldKind::StringReference;
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
};

// Resolves every member's kind, and for a reference member the class it
// names with that class's key and display member, as the store's lookups
// resolve them. Run once the classes and members are in place.
void ResolveReferences(TDesign& design);
