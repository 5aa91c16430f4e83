// Where the program finds its skeleton, keeps its design database and
// writes generated output.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Directory of the running executable.
std::filesystem::path ProgramDirectory();

// The directory holding template/ and bak/: beside the program in a build
// tree or portable copy, else the installed share directory
// (<prefix>/share/corvane for a program in <prefix>/bin).
std::filesystem::path ResourceDirectory();

// The base directory: the override when given (created if missing);
// otherwise the program's directory when it is writable (a build tree or a
// portable copy), else ~/.local/share/corvane (an installed copy).
std::filesystem::path ResolveBaseDirectory(const std::optional<std::string>& override);

// The design database file inside a base directory.
inline std::filesystem::path DesignDatabasePath(const std::filesystem::path& baseDir) {
  return baseDir / "projects.mdb";
}
