// Files the user names: the table script (sql -o, the script window's
// "另存为…"), an exported design, and a design file or table script to
// import.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Writes the bytes as every generated file is written (complete, or not at
// all with the old file left intact; see TFileOperate), but never onto the
// design database in use or its journal: that is refused with a TFileError
// before anything is written. A character device or a pipe (/dev/null, a
// terminal, a link to /proc/self/fd/1) is written to in place, never
// replaced; any other kind of file that is not a regular file is refused.
void WriteUserFile(const std::filesystem::path& path, const std::string& bytes);

// The largest design file read: 16 MB hold thousands of classes, and keep
// a wrong file (a disk image, /dev/zero) from filling memory.
inline constexpr std::size_t kMaxDesignFileBytes = 16u << 20;

// A design file's bytes: read up to the limit and refused (a TFileError
// naming the file) when it is larger, not a regular file (a directory, a
// device such as /dev/zero) or cannot be read.
std::string ReadDesignFile(const std::filesystem::path& path);

// The largest table script read: the same 16 MB hold thousands of tables
// with data rows between them; a larger script is mostly data, which the
// import skips anyway, and is refused before it fills memory.
inline constexpr std::size_t kMaxScriptFileBytes = 16u << 20;

// A table script's bytes, read and refused as a design file is.
std::string ReadScriptFile(const std::filesystem::path& path);
