#include "vocabulary/BaseDirectory.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

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

fs::path ResolveBaseDirectory(const std::optional<std::string>& override) {
  if (override) {
    fs::path dir = fs::absolute(*override);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir))
      throw std::runtime_error("无法使用目录 " + dir.string() + (ec ? ": " + ec.message() : ""));
    return dir;
  }
  // A build tree or a portable copy keeps its design beside the program; an
  // installed program (its skeleton under share/) never writes into bin/.
  fs::path programDir = ProgramDirectory();
  if (HoldsResources(programDir) && access(programDir.c_str(), W_OK) == 0) return programDir;
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  fs::path dir = data && *data ? fs::path(data) / "corvane"
                               : fs::path(home ? home : "/tmp") / ".local/share/corvane";
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir))
    throw std::runtime_error("无法创建目录 " + dir.string() + (ec ? ": " + ec.message() : ""));
  return dir;
}
