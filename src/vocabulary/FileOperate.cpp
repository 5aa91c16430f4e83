#include "vocabulary/FileOperate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

#include "vocabulary/Encoding.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error) {
  throw TFileError(what + " " + path.string() + ": " + std::strerror(error));
}

void CreateDirectory(const fs::path& dir) {
  std::error_code ec;
  // is_directory first: the common case, a directory made for an earlier
  // file, costs one stat.
  if (fs::is_directory(dir, ec)) return;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir))
    throw TFileError("无法创建目录 " + dir.string() + ": " +
                     (ec ? ec.message() : std::string("路径上有同名文件")));
}

// A name for a file beside the target, unique in this process and, with
// the process id, among processes; short, so that it fits wherever the
// target's own name fits.
std::string TemporaryName() {
  static std::atomic<unsigned> counter{0};
  return ".corvane-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

TFileStamp StampOf(const struct stat& st) {
  if (!S_ISREG(st.st_mode)) return {};
  return {static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
          static_cast<std::int64_t>(st.st_mtim.tv_nsec), static_cast<std::uint64_t>(st.st_ino)};
}

// Writes the bytes to a new file beside the target and renames it over the
// target once every byte is written: a failure at any point (a full disk,
// say) removes the new file and leaves what stood at the path as it was.
// The real file behind a symbolic link is the one replaced. Plain POSIX
// calls, and no look that one of them makes anyway: the generated tree
// holds thousands of small files, and a stream or an extra look at the
// path per file would cost more than the write itself.
// The target is name in the open folder dir, or the path itself when dir
// is AT_FDCWD (its folder then made when missing); path names it in
// messages.
TFileStamp WriteBytes(int dir, std::string name, const fs::path& path, const char* prefix,
                      std::size_t prefixSize, const std::string& body, bool absent = false) {
  // The permissions of the file replaced, which the new one keeps; none
  // when there is nothing to replace.
  std::optional<mode_t> mode;
  struct stat existing {};
  if (!absent && ::fstatat(dir, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISLNK(existing.st_mode)) {
      std::error_code ec;
      const fs::path real = fs::canonical(path, ec);
      if (!ec) {
        dir = AT_FDCWD;
        name = real.native();
      }
      if (::fstatat(dir, name.c_str(), &existing, 0) == 0) mode = existing.st_mode & 07777;
    } else {
      mode = existing.st_mode & 07777;
    }
    // A file the user made read-only stays refused, as a plain write would be.
    if (::faccessat(dir, name.c_str(), W_OK, 0) != 0 && errno != ENOENT)
      Fail("无法写入文件", path, errno);
  }
  const std::size_t slash = dir == AT_FDCWD ? name.rfind('/') : std::string::npos;
  const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
  std::string temporary;
  int fd = -1;
  bool parentMade = false;
  // Where nothing stands, the file is made in place: there is nothing a
  // half write could spoil, and a failed one removes the file again (a
  // run cut short leaves at most a file of its own half written, which
  // the next run finds in no record and backs up before replacing it).
  // Someone else's file that appeared meanwhile is replaced as any other.
  if (absent) {
    fd = ::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) temporary = name;
  }
  while (fd < 0) {
    temporary = folder + TemporaryName();
    fd = ::openat(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno == EEXIST) continue;
    // The directory is made when the first file goes into it, not looked
    // for before every file.
    if ((errno == ENOENT || errno == ENOTDIR) && !parentMade && dir == AT_FDCWD &&
        !folder.empty()) {
      CreateDirectory(fs::path(folder).parent_path());
      parentMade = true;
      continue;
    }
    Fail("无法创建文件", path, errno);
  }
  auto abandon = [&](const char* what, int error) {
    ::close(fd);
    ::unlinkat(dir, temporary.c_str(), 0);
    Fail(what, path, error);
  };
  if (mode && ::fchmod(fd, *mode) != 0) abandon("无法写入文件", errno);
  auto writeAll = [&](const char* data, std::size_t size) {
    while (size > 0) {
      const ssize_t n = ::write(fd, data, size);
      if (n < 0) {
        if (errno == EINTR) continue;
        abandon("无法写入文件", errno);
      }
      data += n;
      size -= static_cast<std::size_t>(n);
    }
  };
  writeAll(prefix, prefixSize);
  writeAll(body.data(), body.size());
  // The stamp after the last write, which the rename keeps; none when it
  // cannot be had (nothing is then taken for unchanged).
  struct stat written {};
  const TFileStamp stamp = ::fstat(fd, &written) == 0 ? StampOf(written) : TFileStamp{};
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlinkat(dir, temporary.c_str(), 0);
    Fail("无法写入文件", path, error);
  }
  if (temporary != name && ::renameat(dir, temporary.c_str(), dir, name.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(dir, temporary.c_str(), 0);
    Fail("无法写入文件", path, error);
  }
  return stamp;
}

TFileStamp WriteBytes(const fs::path& path, const char* prefix, std::size_t prefixSize,
                      const std::string& body, bool absent = false) {
  return WriteBytes(AT_FDCWD, path.native(), path, prefix, prefixSize, body, absent);
}

}  // namespace

std::string TFileOperate::ReadFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail("无法读取文件", path, errno);
  auto fail = [&](int error) {
    ::close(fd);
    Fail("无法读取文件", path, error);
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) fail(errno);
  // Room for the size the file has and one byte more, so that the common
  // case is one read and one that finds the end; a file that grows
  // meanwhile is read to its end all the same.
  std::string bytes(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    used += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(used);
  return bytes;
}

std::string TFileOperate::ReadUtf8File(const fs::path& path) {
  const std::string bytes = ReadFile(path);
  return bytes.size() <= 3 ? std::string() : bytes.substr(3);
}

TFileStamp TFileOperate::WriteFile(const fs::path& path, const std::string& bytes,
                                   bool absent) {
  return WriteBytes(path, nullptr, 0, bytes, absent);
}

TFileStamp TFileOperate::WriteFileIn(int folder, const std::string& name, const fs::path& path,
                                     const std::string& bytes, bool absent) {
  return WriteBytes(folder, name, path, nullptr, 0, bytes, absent);
}

TFileStamp TFileOperate::LinkStamp(const fs::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? StampOf(st) : TFileStamp{};
}

void TFileOperate::WriteUtf8File(const fs::path& path, const std::string& text) {
  static constexpr char kMark[] = {'\xEF', '\xBB', '\xBF'};
  WriteBytes(path, kMark, sizeof kMark, text);
}

void TFileOperate::WriteAnsiFile(const fs::path& path, const std::string& text) {
  const std::string gbk = Utf8ToGbk(text, path.string());
  WriteBytes(path, nullptr, 0, gbk);
}

void TFileOperate::CopyFile(const fs::path& source, const fs::path& target) {
  // Read whole and written like every other file, so that a failed copy
  // leaves the old target in place.
  WriteBytes(target, nullptr, 0, ReadFile(source));
}

void TFileOperate::MakeDirectory(const fs::path& dir) {
  CreateDirectory(dir);
}

bool TFileOperate::CopyDirectory(const fs::path& source, const fs::path& destination,
                                 bool keepExistingTopFiles) {
  std::error_code ec;
  if (!fs::is_directory(source, ec)) throw TFileError("目录不存在: " + source.string());
  fs::directory_iterator it(source, ec);
  if (ec) throw TFileError("无法列出目录 " + source.string() + ": " + ec.message());
  if (it == fs::directory_iterator()) return false;

  CreateDirectory(destination);
  std::error_code listError;
  for (; it != fs::directory_iterator(); it.increment(listError)) {
    const fs::path target = destination / it->path().filename();
    std::error_code statError;
    if (it->is_directory(statError)) {
      // Only the top level keeps what is there: below it the resource tree
      // always wins, even over a generated file of the same name.
      CreateDirectory(target);
      CopyDirectory(it->path(), target, false);
      continue;
    }
    if (keepExistingTopFiles && fs::exists(fs::symlink_status(target, statError))) continue;
    CopyFile(it->path(), target);
  }
  if (listError) throw TFileError("无法列出目录 " + source.string() + ": " + listError.message());
  return true;
}
