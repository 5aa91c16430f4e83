#include "vocabulary/BaseDirectory.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

fs::path ProgramDirectory() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path();
  return exe.parent_path();
}

namespace {

bool HoldsResources(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "template", ec) && fs::is_directory(dir / "bak", ec);
}

}  // namespace

fs::path ResourceDirectory() {
  const fs::path programDir = ProgramDirectory();
  if (HoldsResources(programDir)) return programDir;
  return programDir.parent_path() / "share" / "corvane";
}

fs::path ResolveBaseDirectory(const std::optional<std::string>& override, bool create) {
  if (override) {
    fs::path dir = fs::absolute(*override);
    std::error_code ec;
    if (create) fs::create_directories(dir, ec);
    else if (!fs::exists(dir, ec)) return dir;
    if (!fs::is_directory(dir))
      throw std::runtime_error("无法使用目录 " + dir.string() + (ec ? ": " + ec.message() : ""));
    return dir;
  }
  // A build tree or a portable copy keeps its design beside the program; an
  // installed program (its skeleton under share/) never writes into bin/.
  fs::path programDir = ProgramDirectory();
  if (HoldsResources(programDir) && access(programDir.c_str(), W_OK) == 0) return programDir;
  const fs::path dir = DataDirectory();
  std::error_code ec;
  if (!create && !fs::exists(dir, ec)) return dir;
  // Made private, whatever the umask: the design is the user's alone.
  if (fs::create_directories(dir, ec)) fs::permissions(dir, fs::perms::owner_all, ec);
  if (!fs::is_directory(dir))
    throw std::runtime_error("无法创建目录 " + dir.string() + (ec ? ": " + ec.message() : ""));
  CheckOwnDirectory(dir);
  return dir;
}

namespace {

fs::path HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home && fs::path(home).is_absolute()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir && fs::path(found->pw_dir).is_absolute())
    return found->pw_dir;
  throw std::runtime_error("无法确定用户的主目录: 未设置 HOME，密码数据库中也没有");
}

}  // namespace

fs::path DataDirectory() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && fs::path(data).is_absolute()) return fs::path(data) / "corvane";
  return HomeDirectory() / ".local/share/corvane";
}

void CheckOwnDirectory(const fs::path& dir) {
  const auto refuse = [&](const std::string& why) {
    throw std::runtime_error("无法使用目录 " + dir.string() + ": " + why);
  };
  struct stat st {};
  if (lstat(dir.c_str(), &st) != 0) refuse("无法读取其属性");
  if (S_ISLNK(st.st_mode) && st.st_uid != getuid()) refuse("它是其他用户的符号链接");
  if (stat(dir.c_str(), &st) != 0) refuse("无法读取其属性");
  if (st.st_uid != getuid()) refuse("它属于其他用户");
  if (st.st_mode & (S_IWGRP | S_IWOTH)) refuse("其他用户可以写入");
}
