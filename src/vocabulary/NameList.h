// Ordered lists of names that carry their identifiers (projects, classes).
#pragma once

#include <string>
#include <vector>

struct TNamedId {
  std::string name;
  int id = 0;
  bool operator==(const TNamedId&) const = default;
};

// In ascending identifier order, as the stores read them.
using TNameList = std::vector<TNamedId>;
