// Files the user names: the table script (sql -o, the script window's
// "另存为…") and an exported design.
#pragma once

#include <filesystem>
#include <string>

// Writes the bytes as every generated file is written (complete, or not at
// all with the old file left intact; see TFileOperate), but never onto the
// design database in use or its journal: that is refused with a TFileError
// before anything is written.
void WriteUserFile(const std::filesystem::path& path, const std::string& bytes);
