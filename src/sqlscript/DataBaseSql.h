// The table-creation script of a project, in the project's SQL dialect.
#pragma once

#include <string>
#include <vector>

struct TTableScript {
  // The whole script; every line ends with CR LF.
  std::string text;
  // What could not be rendered (a class without key, a reference to a
  // missing class or key), one short explanation each, in script order.
  std::vector<std::string> problems;
};

struct TDesign;

// Builds the script from a design read at once. Never fails on an
// incomplete design.
TTableScript BuildTableScript(const TDesign& design);
// The same for the project as the design store holds it now; database
// errors propagate as TDbError.
TTableScript BuildTableScript(int projectId);
