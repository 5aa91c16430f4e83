// The table-creation script of a design, in its SQL dialect: shown by the
// script window and the command line, and carried by a solution whose
// application creates its own database.
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
