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
// portable copy), else DataDirectory() (an installed copy), created if
// missing and refused unless it is the user's own (CheckOwnDirectory).
// create false: nothing is made; a directory that does not exist is
// answered as it is (its design reads as empty).
std::filesystem::path ResolveBaseDirectory(const std::optional<std::string>& override,
                                           bool create = true);

// Where an installed copy keeps its design: $XDG_DATA_HOME/corvane when
// that is an absolute path (a relative one is ignored, as the XDG rules
// say), else <home>/.local/share/corvane. The home directory is $HOME when
// that is an absolute path, else the user's entry in the password database,
// never a shared directory such as /tmp.
std::filesystem::path DataDirectory();

// Refuses (std::runtime_error naming the directory and why) a directory in
// which another user could plant files or links: one owned by another user,
// writable by its group or by others, or reached through a symbolic link
// owned by another user.
void CheckOwnDirectory(const std::filesystem::path& dir);

// The design database file inside a base directory.
inline std::filesystem::path DesignDatabasePath(const std::filesystem::path& baseDir) {
  return baseDir / "projects.mdb";
}
