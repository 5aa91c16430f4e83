// Regeneration over an output tree the user has worked in: a file edited by
// hand is backed up before it is replaced and the run says so, a deleted
// file is written again, a file the user added is left alone, a run over
// untouched output writes no file and reports exactly what the first run
// did, a design change rewrites only the files whose bytes change, and the
// dry run sorts every file into new, changed, unchanged or edited by hand
// while writing nothing. Files made from unchanged inputs are not built
// again, and every input reaches the files made from it.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "TestSupport.h"
#include "generate/Digest.h"

namespace fs = std::filesystem;

namespace {

using TTree = std::map<std::string, std::string>;

class HandEditTest : public TempDesign {
protected:
  void SetUp() override {
    TempDesign::SetUp();
    ASSERT_EQ(CreateSampleDesign(projectId_), std::nullopt);
  }

  std::vector<std::string> Run(bool dryRun = false, const fs::path& base = {}) {
    test::TRecordingHost host;
    TAutoCode run(
        TGenerationRequest{projectId_, "Demo", base.empty() ? Dir() : base, resources_, dryRun},
        host);
    run.Execute();
    planned_ = run.Planned();
    return host.events;
  }

  // A design change: the comment reaches BookType's entity and forms.
  void ChangeBookTypeComment() {
    const int bookType = TClassDAO().GetClassId(projectId_, "BookType");
    TMember typeName = TMemberDAO().ListMembers(bookType).at(1);
    typeName.memberComment = "类别名称";
    TMemberDAO().UpdateMember(typeName);
  }

  // The paths whose bytes (or stamps) differ between two trees, or that
  // only one has.
  template <typename TPaths>
  static std::set<std::string> Differing(const TPaths& a, const TPaths& b) {
    std::set<std::string> paths;
    for (const auto& [path, bytes] : a)
      if (!b.contains(path) || b.at(path) != bytes) paths.insert(path);
    for (const auto& [path, bytes] : b)
      if (!a.contains(path)) paths.insert(path);
    return paths;
  }
  // What a run into an empty directory writes for the design as it is now.
  TTree FreshTree() {
    const fs::path base = Dir() / ("fresh" + std::to_string(++freshRuns_));
    EXPECT_EQ(Run(false, base).back(), "completed");
    return Tree(base / "projects/Demo/LoginFrame");
  }

  // How many of the events begin with prefix.
  static long Count(const std::vector<std::string>& events, const std::string& prefix) {
    return std::count_if(events.begin(), events.end(),
                         [&](const std::string& e) { return e.starts_with(prefix); });
  }
  fs::path Project() const { return Dir() / "projects/Demo"; }
  fs::path Out() const { return Project() / "LoginFrame"; }

  static TTree Tree(const fs::path& root) {
    TTree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root))
      if (entry.is_regular_file())
        tree[entry.path().lexically_relative(root).generic_string()] = test::ReadFile(entry.path());
    return tree;
  }
  // What shows that a file was written: a new file gets a new inode and
  // time; the permissions show that an old one was left as it was.
  using TStamps = std::map<std::string, std::tuple<ino_t, std::int64_t, mode_t>>;
  static TStamps Stamps(const fs::path& root) {
    TStamps stamps;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      struct stat st {};
      if (entry.is_regular_file() && ::stat(entry.path().c_str(), &st) == 0)
        stamps[entry.path().lexically_relative(root).generic_string()] = {
            st.st_ino, st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec, st.st_mode};
    }
    return stamps;
  }
  std::vector<fs::path> BackupFolders() const {
    std::vector<fs::path> folders;
    if (fs::exists(Project() / "backup"))
      for (const auto& entry : fs::directory_iterator(Project() / "backup"))
        folders.push_back(entry.path());
    return folders;
  }

  int projectId_ = 0;
  std::vector<TPlannedFile> planned_;
  fs::path resources_ = test::kResourceDir;
  int freshRuns_ = 0;
};

TEST_F(HandEditTest, RunOverUntouchedOutputWritesNothingAndReportsWhatTheFirstDid) {
  const std::vector<std::string> first = Run();
  ASSERT_EQ(first.back(), "completed");
  const std::string record = test::ReadFile(Project() / ".corvane/manifest.json");
  // The record lists every file the run wrote, the kept solution file too.
  for (const auto& [path, bytes] : Tree(Out()))
    EXPECT_NE(record.find("\"LoginFrame/" + path + "\": \""), std::string::npos) << path;
  // Permissions the user gave a file stay while the file is not rewritten.
  fs::permissions(Out() / "Model/Book.cs", fs::perms::owner_read | fs::perms::owner_write);
  const TStamps stamps = Stamps(Project());
  EXPECT_EQ(Run(), first);
  EXPECT_EQ(Stamps(Project()), stamps) << "no file rewritten, the record neither";
  EXPECT_TRUE(BackupFolders().empty());
}

// Files the last run made from the same design and skeleton are not even
// built again; whatever they are made from is noticed: a member, a member
// of a class that another class refers to, the project's settings, the
// skeleton. After each change the output is exactly that of a run into an
// empty directory, and only the files whose bytes changed were written.
TEST_F(HandEditTest, EveryInputOfAFileReachesItOnRegeneration) {
  resources_ = Dir() / "resources";
  test::CopySkeleton(resources_);
  ASSERT_EQ(Run().back(), "completed");
  auto regenerates = [&](const std::set<std::string>& expected, const std::string& change) {
    const TStamps before = Stamps(Out());
    const TTree old = Tree(Out());
    ASSERT_EQ(Run().back(), "completed") << change;
    const TTree now = Tree(Out());
    const std::set<std::string> differing = Differing(old, now);
    EXPECT_EQ(Differing(before, Stamps(Out())), differing) << change;
    for (const std::string& path : expected) EXPECT_TRUE(differing.contains(path)) << path;
    EXPECT_EQ(Differing(now, FreshTree()), std::set<std::string>{}) << change;
  };
  ChangeBookTypeComment();
  regenerates({"Model/BookType.cs", "LoginFrame/FrmAddBookType.cs"}, "a member's comment");
  // BookType's display member, which Book's data access and forms show;
  // Book itself is unchanged.
  const int bookType = TClassDAO().GetClassId(projectId_, "BookType");
  TMember typeName = TMemberDAO().ListMembers(bookType).at(1);
  typeName.memberName = "typeLabel";
  TMemberDAO().UpdateMember(typeName);
  regenerates({"DAL/dalBook.cs", "LoginFrame/FrmAddBook.cs", "Model/BookType.cs"},
              "a referenced class's display member");
  TDbHelper().ExecuteSql("update t_class set friendName=? where classId=?",
                         {std::string("书的类型"), std::int64_t{bookType}});
  regenerates({"LoginFrame/FrmAddBook.cs", "LoginFrame/Frm主面.designer.cs"},
              "a referenced class's friendly name");
  ASSERT_TRUE(commands::SetFullQueryForms(projectId_, true));
  regenerates({"LoginFrame/FrmQueryBook.cs"}, "a project setting");
  // Book's member that refers to BookType, by which BookType's complete
  // query form lists books.
  const int book = TClassDAO().GetClassId(projectId_, "Book");
  TMember reference = TMemberDAO().ListMembers(book).at(6);
  reference.memberName = "kind";
  TMemberDAO().UpdateMember(reference);
  regenerates({"LoginFrame/FrmQueryBookType.cs"}, "a class that refers to another");
  // A constraint, kept apart from the member's row.
  ASSERT_TRUE(commands::UpdateMemberFields(
      projectId_, book, TMemberDAO().ListMembers(book).at(3).memberId, {.minValue = "0"}));
  regenerates({"LoginFrame/FrmAddBook.cs", "LoginFrame/FrmEditBook.cs"}, "a member's constraint");
  test::WriteFile(resources_ / "template/LoginFrame/Model/Model.csproj",
                  test::ReadFile(resources_ / "template/LoginFrame/Model/Model.csproj") + "\r\n");
  test::WriteFile(resources_ / "template/LoginFrame/LoginFrame/FrmAdd.resx",
                  test::ReadFile(resources_ / "template/LoginFrame/LoginFrame/FrmAdd.resx") + " ");
  regenerates(
      {"Model/Model.csproj", "LoginFrame/FrmAddBook.resx", "LoginFrame/FrmAddBookType.resx"},
      "the skeleton");
  EXPECT_TRUE(BackupFolders().empty());
}

TEST_F(HandEditTest, EditedFileIsBackedUpDeletedFileWrittenAgainAddedFileLeftAlone) {
  ASSERT_EQ(Run().back(), "completed");
  const TTree generated = Tree(Out());
  // An edit of the same size right after the run: only the bytes tell.
  std::string editedBook = generated.at("Model/Book.cs");
  editedBook.replace(editedBook.find("public class"), 12, "sealed class");
  test::WriteFile(Out() / "Model/Book.cs", editedBook);
  test::WriteFile(Out() / "DAL/DBHelp.cs", "my own helper");
  fs::remove(Out() / "BLL/bllBook.cs");
  test::WriteFile(Out() / "Model/Notes.txt", "mine");
  const TStamps stamps = Stamps(Out());

  const std::vector<std::string> events = Run();
  ASSERT_EQ(events.back(), "completed");
  // Only what the run had to put back is written; a skeleton file the user
  // changed is the user's.
  EXPECT_EQ(Differing(stamps, Stamps(Out())),
            (std::set<std::string>{"Model/Book.cs", "BLL/bllBook.cs"}));
  const std::vector<fs::path> folders = BackupFolders();
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(Tree(folders[0]), (TTree{{"LoginFrame/Model/Book.cs", editedBook}}));
  // The backup is the owner's alone.
  struct stat backup {};
  ASSERT_EQ(::stat((folders[0] / "LoginFrame/Model/Book.cs").c_str(), &backup), 0);
  EXPECT_EQ(backup.st_mode & 0077, 0u);

  // Each backup is reported just before its file is written, the count last.
  auto at = [&](const std::string& line) {
    return std::find(events.begin(), events.end(), line) - events.begin();
  };
  const auto book = at("已备份手工修改的文件: projects/Demo/LoginFrame/Model/Book.cs");
  EXPECT_EQ(events.at(book + 1), "projects/Demo/LoginFrame/Model/Book.cs生成完毕!");
  const auto helper = at("保留手工修改的文件: projects/Demo/LoginFrame/DAL/DBHelp.cs");
  EXPECT_GT(helper, at("正在移动资源文件。。。"));
  EXPECT_LT(helper, at("移动资源文件完毕!"));
  EXPECT_EQ(events[events.size() - 2],
            "已备份 1 个手工修改的文件到 projects/Demo/backup/" + folders[0].filename().string());

  TTree expected = generated;
  expected["Model/Notes.txt"] = "mine";
  expected["DAL/DBHelp.cs"] = "my own helper";
  EXPECT_EQ(Tree(Out()), expected);

  // What this run wrote is what the next run expects: nothing more to save.
  EXPECT_EQ(Count(Run(), "已备份"), 0);
  EXPECT_EQ(test::ReadFile(Out() / "DAL/DBHelp.cs"), "my own helper");
}

TEST_F(HandEditTest, WithoutAReadableRecordOnlyFilesThatWouldChangeAreBackedUp) {
  ASSERT_EQ(Run().back(), "completed");
  const fs::path recordFile = Project() / ".corvane/manifest.json";
  const std::string record = test::ReadFile(recordFile);
  const std::string generated = test::ReadFile(Out() / "Model/BookType.cs");
  fs::remove_all(Project() / ".corvane");
  test::WriteFile(Out() / "Model/BookType.cs", "edited before any record");
  EXPECT_EQ(Count(Run(), "已备份手工修改的文件: "), 1);

  // The file as the first run wrote it, which a design change now changes:
  // a record that cannot be read counts as none, so the file is backed up;
  // under the first run's own record it is not.
  ChangeBookTypeComment();
  // An earlier version's record, with SHA-256 hashes, is still a record.
  const std::string earlier = R"({"formatVersion": 1, "hash": "sha256", "files": {)"
                              R"("LoginFrame/Model/BookType.cs": ")" +
                              Hex(Sha256Head(generated)) + std::string(32, 'f') + "\"}}";
  for (const std::string& text :
       {std::string("not a record"), std::string(R"({"formatVersion": 2, "files": {}})"),
        std::string(R"({"formatVersion": 1, "files": {"LoginFrame/Model/BookType.cs": 7}})"),
        std::string(R"({"files": {}})"), std::string("[1]"), record, earlier}) {
    test::WriteFile(Out() / "Model/BookType.cs", generated);
    test::WriteFile(recordFile, text);
    EXPECT_EQ(Count(Run(), "已备份手工修改的文件: projects/Demo/LoginFrame/Model/BookType.cs"),
              text == record || text == earlier ? 0 : 1)
        << text;
  }
}

TEST_F(HandEditTest, FileThatCouldNotBeWrittenKeepsItsRecord) {
  ASSERT_EQ(Run().back(), "completed");
  const std::string generated = test::ReadFile(Out() / "Model/BookType.cs");
  ChangeBookTypeComment();
  // A directory where the file goes makes its write fail and ends the run.
  fs::remove(Out() / "Model/BookType.cs");
  fs::create_directory(Out() / "Model/BookType.cs");
  ASSERT_TRUE(Run().back().starts_with("failed: "));
  // Put back as the first run wrote it, the file is replaced, not backed up.
  fs::remove(Out() / "Model/BookType.cs");
  test::WriteFile(Out() / "Model/BookType.cs", generated);
  EXPECT_EQ(Run().back(), "completed");
  EXPECT_TRUE(BackupFolders().empty());
}

// The statuses as the user reads them are the command line's test.
TEST_F(HandEditTest, DryRunListsEveryFileOnceAndWritesNothing) {
  ASSERT_EQ(Run().back(), "completed");
  EXPECT_TRUE(planned_.empty()) << "a real run lists nothing";
  test::WriteFile(Out() / "Model/Book.cs", "edited");
  fs::remove(Out() / "BLL/bllBookType.cs");
  ChangeBookTypeComment();
  const TTree before = Tree(Project());
  EXPECT_EQ(Run(true), std::vector<std::string>{"completed"});
  EXPECT_EQ(Tree(Project()), before);
  std::map<std::string, TFileStatus> status;
  for (const TPlannedFile& f : planned_) {
    ASSERT_EQ(f.path.rfind("projects/Demo/LoginFrame/", 0), 0u) << f.path;
    EXPECT_TRUE(status.emplace(f.path.substr(25), f.status).second) << "listed twice: " << f.path;
  }
  EXPECT_EQ(status.at("LoginFrame/FrmAddBookType.cs"), TFileStatus::Changed);
  EXPECT_EQ(status.at("DAL/DBHelp.cs"), TFileStatus::Unchanged);
  // Everything the run writes is listed, but the solution file, which stays
  // as it is.
  std::set<std::string> listed, written = {"BLL/bllBookType.cs"};
  for (const auto& [path, s] : status) listed.insert(path);
  for (const auto& [path, bytes] : before)
    if (path.starts_with("LoginFrame/") && path != "LoginFrame/LoginFrame.sln")
      written.insert(path.substr(11));
  EXPECT_EQ(listed, written);
}

}  // namespace

// Links planted in the output tree: at a generated file, at a skeleton file
// (pointing at the design database), at a folder, at the record and at the
// backup folder. A run replaces each by a regular file or folder of its
// own and writes nothing outside the project. A huge file at an output
// path (a disk image, say) is no output of a run: it is moved to the
// backup folder, never read, and the file is written.
TEST_F(HandEditTest, LinksAndHugeFilesPlantedInTheTreeAreReplacedAndNothingOutsideIsWritten) {
  ASSERT_EQ(Run().back(), "completed");
  const TTree generated = Tree(Out());
  const fs::path outside = Dir() / "outside";
  fs::create_directories(outside / "BLL");
  test::WriteFile(outside / "Book.cs", "outside");
  const std::string database = test::ReadFile(Dir() / "projects.mdb");
  const auto plant = [](const fs::path& target, const fs::path& link) {
    fs::remove_all(link);
    fs::create_symlink(target, link);
  };
  test::WriteFile(Out() / "Model/Book.cs", "edited, so that it is backed up");
  plant(Dir() / "projects.mdb", Out() / "LoginFrame/App.config");
  plant(outside / "Book.cs", Out() / "Model/BookType.cs");
  plant(outside / "BLL", Out() / "BLL");
  plant(outside / "manifest.json", Project() / ".corvane/manifest.json");
  plant(outside, Project() / "backup");
  { std::ofstream image(Out() / "DAL/dalBook.cs", std::ios::binary | std::ios::trunc); }
  fs::resize_file(Out() / "DAL/dalBook.cs", 3ull << 30);
  struct stat huge {};
  ASSERT_EQ(::stat((Out() / "DAL/dalBook.cs").c_str(), &huge), 0);

  ASSERT_EQ(Run().back(), "completed");
  EXPECT_EQ(test::ReadFile(Dir() / "projects.mdb"), database);
  EXPECT_EQ(test::ReadFile(outside / "Book.cs"), "outside");
  EXPECT_TRUE(fs::is_empty(outside / "BLL"));
  EXPECT_FALSE(fs::exists(outside / "manifest.json"));
  EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 2);
  for (const fs::path& replaced :
       {Out() / "LoginFrame/App.config", Out() / "Model/BookType.cs", Out() / "BLL",
        Project() / ".corvane/manifest.json", Project() / "backup"})
    EXPECT_FALSE(fs::is_symlink(replaced)) << replaced;
  EXPECT_EQ(Tree(Out()), generated);
  const std::vector<fs::path> folders = BackupFolders();
  ASSERT_EQ(folders.size(), 1u);
  struct stat moved {};
  ASSERT_EQ(::stat((folders[0] / "LoginFrame/DAL/dalBook.cs").c_str(), &moved), 0);
  EXPECT_EQ(moved.st_ino, huge.st_ino);
}

// What a run killed half way leaves: temporary files of a process that is
// gone are removed by the next run; one of a live process is its own.
TEST_F(HandEditTest, TemporaryFilesOfRunsThatAreGoneAreRemoved) {
  ASSERT_EQ(Run().back(), "completed");
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const fs::path stale = Out() / "Model" / (".corvane-" + std::to_string(gone) + "-3.tmp");
  const fs::path live = Out() / "Model" / (".corvane-" + std::to_string(::getpid()) + "-900.tmp");
  test::WriteFile(stale, "half");
  test::WriteFile(live, "in progress");
  ASSERT_EQ(Run(true).back(), "completed");
  EXPECT_TRUE(fs::exists(stale));  // a dry run removes nothing
  ASSERT_EQ(Run().back(), "completed");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(live));
}
