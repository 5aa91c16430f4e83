// Keeps hand edits in the generated tree from being lost, and leaves alone
// what a run would not change. Each run records in
// <project>/.corvane/manifest.json the hash of every file it put in the
// tree. A file that already holds what the run would write is not written
// again (same inode, owner, mode and modification time), so builds and
// editors see only what changed. Before a file is replaced, it is compared
// with that record: a file whose bytes differ from what the last run wrote
// (or that no run recorded) and from what this run writes was edited by
// hand, and is first copied to <project>/backup/<date-time>/<its path>.
// Files a run does not put are never touched. A dry run makes the same
// comparison and writes nothing.
//
// The record also holds each file's stamp (size, modification time,
// inode) as the run left it, and for generated files the digest of what
// they were made from (RunInputs.h). A file whose stamp is unchanged since
// is taken to hold the recorded bytes without being read, and one whose
// inputs are also unchanged need not even be built (Current). A stamp
// whose time is not older than the record's own is not trusted: a change
// within the same tick of the clock would not show in it.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct stat;

#include "generate/Digest.h"
#include "vocabulary/FileOperate.h"

enum class TFileStatus { New, Changed, Unchanged, EditedByHand };

// The word a listing shows for a status.
const char* FileStatusText(TFileStatus status);

// A file a run writes; path relative to the base directory, as in progress
// lines ("projects/Demo/LoginFrame/Model/Book.cs").
struct TPlannedFile {
  std::string path;
  TFileStatus status = TFileStatus::New;
  bool operator==(const TPlannedFile&) const = default;
};

class TOutputGuard {
public:
  using TProgressSink = std::function<void(const std::string& line)>;

  // Reads the last run's record of <base>/projects/<projectName>; a missing
  // or unreadable record reads as empty, so that every existing file a run
  // would change counts as edited by hand. Writes nothing.
  TOutputGuard(std::filesystem::path baseDir, std::string projectName, bool dryRun,
               TProgressSink progress);

  // Puts bytes at path (relative to the base directory). An existing file
  // is read only when its size is that of the bytes, and hashed only when
  // it differs from them; a file edited by hand is backed up and reported
  // first. A dry run only notes the file's status. inputs, when given, is
  // the digest of what the bytes were made from, which the record keeps.
  void Write(const std::string& path, const std::string& bytes, const TDigest* inputs = nullptr);
  // True when the file at path was made by the last run from these inputs
  // and is still as that run left it (same stamp, no link on its way): the
  // file counts as put, unchanged, and the caller need not build it. False
  // whenever anything is in doubt; the caller then builds and writes it.
  bool Current(const std::string& path, const TDigest& inputs);
  // The same with the bytes of the file source (a skeleton file): each
  // source is read and hashed once per run, however often it is copied.
  void Copy(const std::filesystem::path& source, const std::string& path);
  // Copies the tree below source into the directory dest (relative to the
  // base directory) as TFileOperate::CopyDirectory does, each file through
  // Copy: every file of the tree except, with keepTopLevel, a file directly
  // in source that dest already holds. A missing source is an error.
  void CopyTree(const std::filesystem::path& source, const std::string& dest, bool keepTopLevel);

  // Removes the temporary files that runs killed half way left in the
  // project's tree (their writers are gone); a run in progress keeps its
  // own. May run on a thread beside this run's writes, which it never
  // touches.
  void RemoveStaleTemporaries() const;

  // Saves the record and reports how many files were backed up, when any
  // were. Does nothing in a dry run.
  void Finish();
  // Saves the record: the last one updated with every file written since.
  // Also after a failed run, so that its files count as generated.
  void SaveRecord();

  // In a dry run, every file the run would write, in run order.
  const std::vector<TPlannedFile>& Planned() const { return planned_; }
  int BackupCount() const { return backups_; }

  std::filesystem::path ProjectDir() const;
  std::filesystem::path RecordPath() const;

private:
  struct TSkeletonFile {
    std::string bytes;
    TDigest hash;
  };
  // A file's stamp as a run left it, and what it was made from when known.
  struct TFileState {
    TFileStamp stamp;
    bool hasInputs = false;
    TDigest inputs{};
    bool operator==(const TFileState&) const = default;
  };
  // A file of a record: its hash and, when known, its stamp and inputs.
  struct TEntry {
    TDigest hash{};
    std::optional<TFileState> state;
  };
  // A file of the tree: what the last run's record holds of it, and what
  // this run put there (written or found as it should be; no hash in a
  // dry run).
  struct TFile {
    std::optional<TEntry> last;
    std::optional<TEntry> put;
  };
  // Looked up by views: a run looks up every file several times.
  struct TKeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
      return std::hash<std::string_view>{}(key);
    }
  };
  struct TKeyEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return a == b; }
  };
  // Entries and keys live in the guard's arena, never freed one by one: a
  // large project's table holds a hundred thousand of each.
  using TFiles = std::pmr::unordered_map<std::pmr::string, TFile, TKeyHash, TKeyEqual>;

  // Puts the bytes, whose hash is given when known.
  // keepEdits: a skeleton file (the user's App.config, say) that the user
  // changed since the last run is kept as it is, and the run says so.
  void Put(const std::string& path, const std::string& bytes, const TDigest* hash,
           bool keepEdits = false, const TDigest* inputs = nullptr);
  // The status of the file at path against the bytes; existing holds the
  // file's bytes when it was read, stamp the stamp of a file found
  // unchanged. A file this run put already can only be unchanged or
  // changed.
  // absent: nothing at all stands at path, in real folders.
  TFileStatus Classify(const std::string& path, const std::string& bytes, bool putBefore,
                       std::string& existing, TFileStamp& stamp, bool& absent) const;
  // The file at path, which the last record holds with state, is as the
  // last run recorded it, by its stamp alone.
  bool Unaltered(const std::string& path, const TFileState& state) const;
  // Notes whether what this run recorded for the file differs from the
  // last record, once anything does.
  void NoteChange(const TFile& file);
  // Counts a file found unaltered as put by this run, with the hash and
  // state the last record holds for it.
  void KeepAsIs(const std::string& path, TFile& file);
  // The file's entry, null when neither record nor run has it; or made.
  TFile* Find(std::string_view key);
  TFile& Entry(std::string_view key);
  // Notes what this run put at the file.
  void SetPut(TFile& file, TEntry put);
  // Every folder from the project directory down to dir is a real folder
  // (no link); folders found so are remembered for the run.
  bool RealDirectory(const std::filesystem::path& dir) const;
  // The folder of path (relative to the base directory), opened once per
  // run when it is a real folder, else -1; name is then the file's name
  // in it. Looks at a file through its folder spare the walk down the
  // whole path.
  int Folder(const std::string& path, std::string& name) const;
  // The file at path as lstat sees it: false when there is none.
  bool LookAt(const std::string& path, struct stat& st) const;
  void Backup(const std::string& path, const std::string& existing);
  // Removes every symbolic link from the project directory down to target:
  // a run writes regular files in real directories of its own tree, never
  // through a link planted there (to the design database, say).
  void ClearLinks(const std::filesystem::path& target) const;
  // The record's key: the path below the project directory.
  std::string_view Key(std::string_view path) const;

  std::filesystem::path baseDir_;
  std::string projectName_;
  bool dryRun_;
  TProgressSink progress_;
  // "projects/<name>/", which keys leave out.
  std::string keyPrefix_;
  // The files of the last record and of this run in one table, by key;
  // hashed, not ordered: a run looks up every file of large trees, whose
  // paths share long beginnings. The record's own stamp is recordStamp_.
  std::pmr::monotonic_buffer_resource arena_;
  TFiles files_{&arena_};
  std::size_t lastCount_ = 0, putCount_ = 0;
  TFileStamp recordStamp_;
  // The last record is an earlier version's, with SHA-256 hashes.
  bool lastSha256_ = false;
  // Something this run recorded differs from the last record (files the
  // run found as the last run left them do not).
  bool recordChanged_ = false;
  mutable std::unordered_set<std::string> realDirs_;
  // Open folders by their path relative to the base directory.
  struct TFolders {
    TFolders() = default;
    TFolders(const TFolders&) = delete;
    TFolders& operator=(const TFolders&) = delete;
    ~TFolders();
    std::unordered_map<std::string, int> open;
  };
  mutable TFolders folders_;
  // Folders this run made: a file not yet put in one is new without a look.
  std::unordered_set<std::string> madeFolders_;
  std::map<std::filesystem::path, TSkeletonFile> skeleton_;
  std::vector<TPlannedFile> planned_;
  std::string backupStamp_;
  int backups_ = 0;
};
