// Keeps hand edits in the generated tree from being lost. Each run records
// in <project>/.corvane/manifest.json the SHA-256 of every file it wrote.
// The next run compares a file it is about to replace with that record: a
// file whose bytes differ from what the last run wrote (or that no run
// recorded) and from what this run writes was edited by hand, and is first
// copied to <project>/backup/<date-time>/<its path>. Files a run does not
// write are never touched. A dry run makes the same comparison and writes
// nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

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

  // Puts bytes at path (relative to the base directory) by calling write:
  // a file edited by hand is backed up and reported first. A dry run only
  // notes the file's status and never calls write.
  void Replace(const std::string& path, const std::string& bytes,
               const std::function<void()>& write);
  // The same for copying the tree below source to the directory dest
  // (relative to the base directory) by calling copy, which writes every
  // file of the tree except, with keepTopLevel, a file directly in source
  // that dest already holds. A missing source is an error.
  void ReplaceTree(const std::filesystem::path& source, const std::string& dest, bool keepTopLevel,
                   const std::function<void()>& copy);

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
  TFileStatus Classify(const std::string& path, const std::string& bytes, std::string& existing);
  // Backs up and notes the file before it is replaced, or notes its status
  // in a dry run. Answers false when nothing may be written (a dry run).
  bool BeforeWrite(const std::string& path, const std::string& bytes);
  void Backup(const std::string& path, const std::string& existing);
  // The record's key: the path below the project directory.
  std::string Key(const std::string& path) const;

  std::filesystem::path baseDir_;
  std::string projectName_;
  bool dryRun_;
  TProgressSink progress_;
  std::map<std::string, std::string> lastRun_;  // key -> SHA-256 (hex)
  std::map<std::string, std::string> written_;
  std::set<std::string> seen_;
  std::vector<TPlannedFile> planned_;
  std::string backupStamp_;
  int backups_ = 0;
};
