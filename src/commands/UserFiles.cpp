#include "commands/UserFiles.h"

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

}  // namespace

void WriteUserFile(const fs::path& path, const std::string& bytes) {
  if (IsDesignDatabase(path))
    throw TFileError("不能写入 " + path.string() + ": 它是正在使用的设计数据库");
  TFileOperate::WriteFile(path, bytes);
}
