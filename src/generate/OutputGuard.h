// Keeps hand edits in the generated tree from being lost, and leaves alone
// what a run would not change. Each run records in
// <project>/.corvane/manifest.json the SHA-256 of every file it put in the
// tree. A file that already holds what the run would write is not written
// again (same inode, owner, mode and modification time), so builds and
// editors see only what changed. Before a file is replaced, it is compared
// with that record: a file whose bytes differ from what the last run wrote
// (or that no run recorded) and from what this run writes was edited by
// hand, and is first copied to <project>/backup/<date-time>/<its path>.
// Files a run does not put are never touched. A dry run makes the same
// comparison and writes nothing.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// A SHA-256 digest.
using TDigest = std::array<unsigned char, 32>;

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
  // would change counts as edited by hand.
  TOutputGuard(std::filesystem::path baseDir, std::string projectName, bool dryRun,
               TProgressSink progress);

  // Puts bytes at path (relative to the base directory). An existing file
  // is read only when its size is that of the bytes, and hashed only when
  // it differs from them; a file edited by hand is backed up and reported
  // first. A dry run only notes the file's status.
  void Write(const std::string& path, const std::string& bytes);
  // The same with the bytes of the file source (a skeleton file): each
  // source is read and hashed once per run, however often it is copied.
  void Copy(const std::filesystem::path& source, const std::string& path);
  // Copies the tree below source into the directory dest (relative to the
  // base directory) as TFileOperate::CopyDirectory does, each file through
  // Copy: every file of the tree except, with keepTopLevel, a file directly
  // in source that dest already holds. A missing source is an error.
  void CopyTree(const std::filesystem::path& source, const std::string& dest, bool keepTopLevel);

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

  // Puts the bytes, whose hash is given when known.
  // keepEdits: a skeleton file (the user's App.config, say) that the user
  // changed since the last run is kept as it is, and the run says so.
  void Put(const std::string& path, const std::string& bytes, const TDigest* hash,
           bool keepEdits = false);
  // The status of the file at path against the bytes; existing holds the
  // file's bytes when it was read. A file this run put already can only
  // be unchanged or changed.
  TFileStatus Classify(const std::string& path, const std::string& bytes, bool putBefore,
                       std::string& existing) const;
  void Backup(const std::string& path, const std::string& existing);
  // Removes every symbolic link from the project directory down to target:
  // a run writes regular files in real directories of its own tree, never
  // through a link planted there (to the design database, say).
  void ClearLinks(const std::filesystem::path& target) const;
  // Removes the temporary files that runs killed half way left in the
  // project's tree (their writers are gone); a run in progress keeps its own.
  void RemoveStaleTemporaries() const;
  // The record's key: the path below the project directory.
  std::string Key(const std::string& path) const;

  std::filesystem::path baseDir_;
  std::string projectName_;
  bool dryRun_;
  TProgressSink progress_;
  // Hashed, not ordered: a run looks up every file of large trees, whose
  // paths share long beginnings.
  std::unordered_map<std::string, TDigest> lastRun_;
  // This run's files, written or found as they should be; in a dry run
  // without their hashes.
  std::unordered_map<std::string, TDigest> put_;
  std::map<std::filesystem::path, TSkeletonFile> skeleton_;
  std::vector<TPlannedFile> planned_;
  std::string backupStamp_;
  int backups_ = 0;
};
