// What each group of a run's files is made from, as one digest per group:
// a class's own files (entity, business logic, data access, its three
// forms) and the project-wide files (the four project files, the main
// form, the table script a SQLite solution carries). A file whose group
// digest is the one the last run recorded for it, and that is still as
// that run left it, need not be built again.
//
// A class's files read the class itself, with every member, and of each
// class one of its members refers to: the name, friendly name, key and
// display member; a complete query form also lists the records of the
// classes that refer to it. They also ask whether a class is named like a
// framework type their fixed text names (the aliases of Naming.h). So a
// class's digest holds the class, each class it refers to, each class
// that refers to it with the classes that one refers to (all whole), and
// the class names that name framework types; the project's digest holds
// every class.
// Both hold the program's build, the skeleton's templates, the project's
// name and settings. Whatever is unsure goes in: a digest that changes
// without need costs a rebuild of the file, one that misses a change loses
// the change.
#pragma once

#include <filesystem>
#include <vector>

#include "generate/Digest.h"
#include "vocabulary/Design.h"

class TRunInputs {
public:
  // design must outlive this object. The templates below templateDir are
  // read and hashed once here; when they (or the program's own build
  // identity) cannot be read, Known() is false and nothing is skipped.
  TRunInputs(const TDesign& design, const std::filesystem::path& templateDir);

  bool Known() const { return known_; }
  const TDigest& Project() const { return project_; }
  // cls must be one of the design's classes.
  const TDigest& Of(const TDesignClass& cls) const;

private:
  const TDesign& design_;
  bool known_ = false;
  TDigest project_{};
  std::vector<TDigest> classes_;
};

// The identity of the running program's build (the linker's build id of
// the binary holding the generators); empty when it has none.
std::string ProgramBuildId();
