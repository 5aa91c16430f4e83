#include "commands/BaseDirectory.h"

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
  std::error_code probe;
  const bool portable = fs::is_directory(programDir / "template", probe) &&
                        fs::is_directory(programDir / "bak", probe);
  if (portable && access(programDir.c_str(), W_OK) == 0) return programDir;
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
