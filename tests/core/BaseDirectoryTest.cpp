// Where an installed copy keeps its design, and the directories it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "TestSupport.h"
#include "vocabulary/BaseDirectory.h"

namespace fs = std::filesystem;

namespace {

// Sets (or, with nullopt, unsets) an environment variable for one test.
class TEnv {
public:
  TEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~TEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(BaseDirectory, HomeComesFromThePasswordDatabaseWhenUnsetAndRelativeDataHomeIsIgnored) {
  TEnv data("XDG_DATA_HOME", "relative/data");
  TEnv home("HOME", std::nullopt);
  const fs::path dir = DataDirectory();
  EXPECT_TRUE(dir.is_absolute()) << dir;
  EXPECT_NE(dir.string().rfind("/tmp", 0), 0u) << dir;
  EXPECT_EQ(dir.filename(), "corvane");
  EXPECT_EQ(dir.parent_path().parent_path().filename(), ".local");
  {
    TEnv absolute("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(DataDirectory(), fs::path("/srv/data/corvane"));
  }
}

TEST(BaseDirectory, DirectoriesOthersCanPlantFilesInAreRefused) {
  const fs::path root = fs::temp_directory_path() / ("corvane-basedir-" + std::to_string(getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "own");
  fs::permissions(root / "own", fs::perms::owner_all);
  EXPECT_NO_THROW(CheckOwnDirectory(root / "own"));

  fs::create_directories(root / "shared");
  fs::permissions(root / "shared", fs::perms::all);
  EXPECT_NE(test::ErrorOf<std::runtime_error>([&] { CheckOwnDirectory(root / "shared"); })
                .find("其他用户可以写入"),
            std::string::npos);

  // A link another user owns, even to a directory of one's own (root can
  // give a link away; others skip this part).
  fs::create_directory_symlink(root / "own", root / "planted");
  if (geteuid() == 0 && lchown((root / "planted").c_str(), 65534, 65534) == 0) {
    EXPECT_NE(test::ErrorOf<std::runtime_error>([&] { CheckOwnDirectory(root / "planted"); })
                  .find("其他用户的符号链接"),
              std::string::npos);
  }
  fs::remove_all(root);
}
