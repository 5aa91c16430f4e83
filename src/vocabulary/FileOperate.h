// The one place where generation touches the file system: reading
// templates, writing generated files in their encodings, and copying the
// resource tree over the output tree.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

// A file or directory could not be read, written or copied; what() names
// the path and the reason.
class TFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// What tells, without reading it, that a file is the one seen before: its
// size, modification time and inode. A size of -1: no regular file.
struct TFileStamp {
  std::int64_t size = -1;
  std::int64_t seconds = 0;
  std::int64_t nanoseconds = 0;
  std::uint64_t inode = 0;
  bool operator==(const TFileStamp&) const = default;
  // Modified strictly before the other stamp's time.
  bool Before(const TFileStamp& other) const {
    return seconds < other.seconds || (seconds == other.seconds && nanoseconds < other.nanoseconds);
  }
};

// All operations are stateless. Text in memory is UTF-8; the parent
// directory of a written file is created with all missing parents; an
// existing file is replaced, never appended to. Every file is written to a
// new file in the same directory and renamed over the target only when
// complete: a write that fails (a full disk, say) leaves the old file
// intact, and its error names the file and the reason.
class TFileOperate {
public:
  // The file's bytes after the first three (the templates begin with the
  // UTF-8 byte-order mark, which is dropped whatever it holds).
  static std::string ReadUtf8File(const std::filesystem::path& path);
  // The file's bytes, all of them.
  static std::string ReadFile(const std::filesystem::path& path);
  // The bytes as given: no mark, no conversion. Answers the new file's
  // stamp. absent: the caller has just seen that nothing stands at path,
  // so there are no permissions to keep and no link to follow.
  static TFileStamp WriteFile(const std::filesystem::path& path, const std::string& bytes,
                              bool absent = false);
  // The same for the file name in the open folder (a descriptor), which
  // spares the system a walk down the whole path; path names the file in
  // messages.
  static TFileStamp WriteFileIn(int folder, const std::string& name,
                                const std::filesystem::path& path, const std::string& bytes,
                                bool absent = false);
  // The stamp of the file at path itself (a symbolic link is no regular
  // file).
  static TFileStamp LinkStamp(const std::filesystem::path& path);
  // EF BB BF, then the text.
  static void WriteUtf8File(const std::filesystem::path& path, const std::string& text);
  // The text in GBK without byte-order mark. A character GBK cannot hold is
  // a TEncodingError naming the file and the character, raised before the
  // file is touched, so an earlier version of it stays intact.
  static void WriteAnsiFile(const std::filesystem::path& path, const std::string& text);
  // Makes the directory with all missing parents; one that exists is
  // no error, a file in its place is.
  static void MakeDirectory(const std::filesystem::path& dir);
  // Copies one file, replacing the target (its bytes, not its
  // permissions).
  static void CopyFile(const std::filesystem::path& source, const std::filesystem::path& target);
  // Copies the tree below source into destination. With keepExistingTopFiles,
  // a file directly in source is skipped when destination already has it;
  // deeper levels always replace what is there. A missing source is an
  // error; an empty one copies nothing and answers false. A file that
  // cannot be copied is an error too: a partial copy must not look whole.
  static bool CopyDirectory(const std::filesystem::path& source,
                            const std::filesystem::path& destination, bool keepExistingTopFiles);
};
