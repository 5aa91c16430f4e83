#include "commands/UserFiles.h"

#include <fstream>

#include "store/DbHelper.h"
#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;

namespace {

// The design database itself, under any name that reaches it (a link, a
// path through "..", a second hard link), or one of the files SQLite keeps
// beside it.
bool IsDesignDatabase(const fs::path& path) {
  const fs::path database = TDbHelper::DatabaseFile();
  std::error_code ec, targetError, realError;
  if (fs::equivalent(path, database, ec)) return true;
  // Absolute first: a relative name that does not exist yet would stay
  // relative, and never equal the database's resolved path.
  const fs::path target = fs::weakly_canonical(fs::absolute(path), targetError);
  const fs::path real = fs::weakly_canonical(fs::absolute(database), realError);
  if (targetError || realError) return false;
  for (const char* suffix : {"", "-journal", "-wal", "-shm"})
    if (target == fs::path(real.string() + suffix)) return true;
  return false;
}

// Up to limit bytes of a regular file; `what` names the file in refusals,
// tooLarge says why a larger one is refused.
std::string ReadLimited(const fs::path& path, std::size_t limit, const std::string& what,
                        const std::string& tooLarge) {
  const auto refuse = [&](const std::string& why) {
    throw TFileError("无法读取" + what + " " + path.string() + ": " + why);
  };
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec) refuse(ec.message());
  if (status.type() != fs::file_type::regular) refuse("不是普通文件");
  std::ifstream in(path, std::ios::binary);
  if (!in) refuse("无法打开");
  std::string bytes(limit + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) refuse("读取出错");
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > limit) refuse(tooLarge);
  return bytes;
}

}  // namespace

void WriteUserFile(const fs::path& path, const std::string& bytes) {
  if (IsDesignDatabase(path))
    throw TFileError("不能写入 " + path.string() + ": 它是正在使用的设计数据库");
  // What the name reaches, through any link: a terminal, /dev/null or a pipe
  // is written to where it is, never replaced by a file; a disk, a socket
  // or a folder is no place for a script.
  std::error_code ec;
  const fs::file_type type = fs::status(path, ec).type();
  if (type == fs::file_type::character || type == fs::file_type::fifo) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw TFileError("无法写入 " + path.string());
    return;
  }
  if (type != fs::file_type::regular && type != fs::file_type::not_found)
    throw TFileError("不能写入 " + path.string() + ": 不是普通文件");
  TFileOperate::WriteFile(path, bytes);
}

std::string ReadDesignFile(const fs::path& path) {
  return ReadLimited(path, kMaxDesignFileBytes, "设计文件", "超过 16 MB，不是设计文件");
}

std::string ReadScriptFile(const fs::path& path) {
  return ReadLimited(path, kMaxScriptFileBytes, "建表脚本",
                     "超过 16 MB。导入只读取表结构，请删去脚本中的数据(INSERT 等)后再导入");
}
