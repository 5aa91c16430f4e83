#include "generate/OutputGuard.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRecordVersion = 1;
constexpr const char* kHashName = "xxh3-128";

// Reads the record as the parser meets it, without building a document
// first: a large project's record holds a hundred thousand files.
// TFiles: a map from a file's key to its TFile, whose last entry (a hash,
// and a state when known) the reader fills.
template <typename TFiles>
class TRecordReader {
public:
  using json = nlohmann::json;
  using TEntry = typename decltype(TFiles::mapped_type::last)::value_type;
  using TState = typename decltype(TEntry::state)::value_type;

  // The files' hashes and states once the whole text was read and was a
  // record; sha256: the hashes are SHA-256 (a record of an earlier
  // version), of which the first half is kept.
  bool Take(TFiles& files, bool& sha256) {
    if (!valid_ || !versionSeen_ || !filesSeen_) return false;
    // States apart from the hashes, as early records kept them: only
    // those of files with a hash count.
    for (auto& [key, state] : states_)
      if (const auto file = files_.find(key); file != files_.end()) file->second.last->state = state;
    files = std::move(files_);
    sha256 = sha256_;
    return true;
  }

  // The record exactly as this version lays it out (SaveRecord), read
  // without the general parser: a large project's record holds a hundred
  // thousand files. False for any other text (written by hand, by an
  // earlier version, or damaged), which the general parser then reads;
  // files and states may then hold part of it.
  static bool ReadOwnLayout(std::string_view text, TFiles& files) {
    const std::string head = "{\n  \"formatVersion\": " + std::to_string(kRecordVersion) +
                             ",\n  \"hash\": \"" + kHashName + "\",\n  \"files\": {";
    if (!text.starts_with(head)) return false;
    text.remove_prefix(head.size());
    if (text == "}\n}\n") return true;
    // Names and values with an escape or a control character are the
    // general parser's.
    auto plain = [](std::string_view part) {
      return std::none_of(part.begin(), part.end(), [](char c) {
        return c == '\\' || static_cast<unsigned char>(c) < 0x20;
      });
    };
    // Each file: "<name>": "<hash>[ <state>]".
    auto quoted = [&](std::string_view& part) {
      const std::size_t end = text.find('"');
      if (end == std::string_view::npos) return false;
      part = text.substr(0, end);
      text.remove_prefix(end + 1);
      return plain(part);
    };
    for (bool first = true;; first = false) {
      const std::string_view lead = first ? "\n    \"" : ",\n    \"";
      if (!text.starts_with(lead)) return !first && text == "\n  }\n}\n";
      text.remove_prefix(lead.size());
      std::string_view name, value;
      if (!quoted(name) || !text.starts_with(": \"")) return false;
      text.remove_prefix(3);
      if (!quoted(value)) return false;
      const std::size_t space = value.find(' ');
      TDigest digest;
      if (!FromHex(value.substr(0, space), digest)) return false;
      TEntry& entry =
          files.try_emplace(typename TFiles::key_type(name, files.get_allocator()))
              .first->second.last.emplace();
      entry.hash = digest;
      if (TState state; space != std::string_view::npos && ParseState(value.substr(space + 1), state))
        entry.state = state;
    }
  }

  bool null() { return Value(); }
  bool boolean(bool) { return Value(); }
  bool number_integer(json::number_integer_t n) { return Number(static_cast<double>(n)); }
  bool number_unsigned(json::number_unsigned_t n) { return Number(static_cast<double>(n)); }
  bool number_float(json::number_float_t n, const json::string_t&) { return Number(n); }
  bool string(json::string_t& text) {
    if (depth_ == 2 && inFiles_) {
      // "<hash>", or "<hash> <state>" as this version writes it.
      const std::size_t space = text.find(' ');
      const std::string_view entry(text);
      if (TDigest digest; Hash(entry.substr(0, space), digest)) {
        std::optional<TEntry>& file =
            files_.try_emplace(typename TFiles::key_type(key_)).first->second.last;
        if (!file) file.emplace();
        file->hash = digest;
        if (TState state; space != std::string::npos && ParseState(entry.substr(space + 1), state))
          file->state = state;
      }
      return true;
    }
    if (depth_ == 1 && key_ == "hash") {
      // Named before the files, as every record writes it.
      const bool sha256 = text == "sha256";
      if (filesSeen_ || (!sha256 && text != kHashName)) valid_ = false;
      sha256_ = sha256;
      return valid_;
    }
    if (depth_ == 2 && inState_) {
      if (TState state; ParseState(text, state)) states_[key_] = state;
      return true;
    }
    return Value();
  }
  bool binary(json::binary_t&) { return Value(); }
  bool start_object(std::size_t) {
    if (depth_ == 1 && key_ == "files")
      inFiles_ = filesSeen_ = true;
    else if (depth_ == 1 && key_ == "state")
      inState_ = true;
    else if (depth_ > 0 && !Value())
      return false;
    ++depth_;
    return true;
  }
  bool end_object() {
    if (--depth_ == 1) inFiles_ = inState_ = false;
    return true;
  }
  bool start_array(std::size_t) {
    if (!Value()) return false;
    ++depth_;
    return true;
  }
  bool end_array() {
    --depth_;
    return true;
  }
  bool key(json::string_t& name) {
    key_ = name;
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
    valid_ = false;
    return false;
  }

private:
  // A file's hash as the record's kind writes it.
  bool Hash(std::string_view text, TDigest& digest) const {
    if (!sha256_) return FromHex(text, digest);
    TDigest tail;
    return text.size() == 4 * digest.size() && FromHex(text.substr(0, 2 * digest.size()), digest) &&
           FromHex(text.substr(2 * digest.size()), tail);
  }
  // A value other than a file's hash: the record is not one when it stands
  // where a hash or the record itself should.
  bool Value() {
    if (depth_ == 0 || (depth_ == 2 && inFiles_)) valid_ = false;
    return valid_;
  }
  // "<size> <seconds> <nanoseconds> <inode> <inputs or ->"; anything else
  // is no state (the file is then read and compared).
  static bool ParseState(std::string_view text, TState& state) {
    const char* at = text.data();
    const char* end = at + text.size();
    auto number = [&](auto& value) {
      const auto [next, error] = std::from_chars(at, end, value);
      if (error != std::errc() || next == end || *next != ' ') return false;
      at = next + 1;
      return true;
    };
    TFileStamp& s = state.stamp;
    if (!number(s.size) || !number(s.seconds) || !number(s.nanoseconds) || !number(s.inode))
      return false;
    const std::string_view inputs(at, static_cast<std::size_t>(end - at));
    if (inputs == "-") return s.size >= 0;
    state.hasInputs = true;
    return s.size >= 0 && FromHex(inputs, state.inputs);
  }
  bool Number(double n) {
    if (depth_ == 1 && key_ == "formatVersion") {
      versionSeen_ = n == kRecordVersion;
      return valid_ = versionSeen_;
    }
    return Value();
  }

  int depth_ = 0;
  std::string key_;
  bool inFiles_ = false, inState_ = false, filesSeen_ = false, versionSeen_ = false, valid_ = true;
  // A record without the hash's name holds SHA-256.
  bool sha256_ = true;
  TFiles files_;
  // States of the "state" object, apart from the hashes.
  std::unordered_map<std::string, TState> states_;
};

// The record of the last run; anything unexpected in it reads as no record
// (a hash that is not one, as no record of that file), which only makes the
// run back up more.
// The first symbolic link on the way from root down to target (target
// included), or an empty path when there is none or target is not below
// root. Components that do not exist end the search.
fs::path FirstLinkBelow(const fs::path& root, const fs::path& target) {
  const fs::path relative = target.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return {};
  fs::path at = root;
  for (const fs::path& part : relative) {
    at /= part;
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) return at;
  }
  return {};
}

// No file a run writes comes near this size (the largest are resources of
// some hundred kilobytes).
constexpr std::uintmax_t kLargestOutput = 64u << 20;

// The first existing component on the way from base down to target's
// folder that is no folder (a file where the project's folder belongs, say):
// where the real run would fail to make its folders.
fs::path FirstNonFolder(const fs::path& base, const fs::path& target) {
  fs::path at = base;
  for (const fs::path& part : target.parent_path().lexically_relative(base)) {
    at /= part;
    struct stat st {};
    if (::stat(at.c_str(), &st) != 0) return {};
    if (!S_ISDIR(st.st_mode)) return at;
  }
  return {};
}

// A temporary file that a run killed half way left behind: its writer's
// process is gone. (Names as TFileOperate makes them: .corvane-PID-N.tmp.)
bool IsStaleTemporary(const std::string& name) {
  constexpr std::string_view kPrefix = ".corvane-", kSuffix = ".tmp";
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
  const std::string middle =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const std::size_t dash = middle.find('-');
  if (dash == 0 || dash == std::string::npos) return false;
  pid_t pid = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (middle[i] < '0' || middle[i] > '9' || pid > 100000000) return false;
    pid = pid * 10 + (middle[i] - '0');
  }
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the stale temporaries in the open folder dir and in every
// folder below it (links are not followed), and closes dir. By the names
// the folder lists and their kinds, without a look at each file: the
// tree holds thousands of them.
void RemoveStaleBelow(int dir) {
  DIR* list = ::fdopendir(dir);
  if (!list) {
    ::close(dir);
    return;
  }
  while (const dirent* entry = ::readdir(list)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN) {
      struct stat st {};
      if (::fstatat(::dirfd(list), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    if (type == DT_DIR) {
      const int below =
          ::openat(::dirfd(list), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (below >= 0) RemoveStaleBelow(below);
    } else if (type == DT_REG && name.starts_with(".corvane-") &&
               IsStaleTemporary(std::string(name))) {
      ::unlinkat(::dirfd(list), entry->d_name, 0);
    }
  }
  ::closedir(list);
}

// Fills files, states and the record's own stamp; leaves them empty when
// there is no record that can be read.
template <typename TFiles>
void ReadRecord(const fs::path& root, const fs::path& file, TFiles& files, TFileStamp& stamp,
                bool& sha256) {
  // A record reached through a link is not this run's own.
  if (!FirstLinkBelow(root, file).empty()) return;
  const TFileStamp before = TFileOperate::LinkStamp(file);
  if (before.size < 0) return;
  TRecordReader<TFiles> reader;
  try {
    const std::string text = TFileOperate::ReadFile(file);
    // About 150 bytes a file (its hash and its state).
    files.reserve(text.size() / 150);
    if (!TRecordReader<TFiles>::ReadOwnLayout(text, files)) {
      files.clear();
      if (!nlohmann::json::sax_parse(text, &reader)) return;
      if (!reader.Take(files, sha256)) return;
    }
  } catch (const std::exception&) {
    files.clear();
    return;
  }
  // A record replaced while it was read: its stamps are not trusted.
  if (TFileOperate::LinkStamp(file) == before) stamp = before;
}

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// What a copy of the tree below source into dest writes, as
// TFileOperate::CopyDirectory makes it: every directory, and the files of
// subdirectories always, files directly in source only when dest lacks them
// (with keepExisting).
void ListTree(const fs::path& baseDir, const fs::path& source, const std::string& dest,
              bool keepExisting, std::vector<std::string>& dirs,
              std::vector<std::pair<fs::path, std::string>>& files) {
  std::error_code ec;
  if (!fs::is_directory(source, ec)) throw TFileError("目录不存在: " + source.string());
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const std::string path = dest + "/" + entry.path().filename().string();
    std::error_code statError;
    if (entry.is_directory(statError)) {
      dirs.push_back(path);
      ListTree(baseDir, entry.path(), path, false, dirs, files);
      continue;
    }
    if (keepExisting && fs::exists(fs::symlink_status(baseDir / path, statError))) continue;
    files.emplace_back(entry.path(), path);
  }
}

}  // namespace

const char* FileStatusText(TFileStatus status) {
  switch (status) {
    case TFileStatus::New: return "新增";
    case TFileStatus::Changed: return "变更";
    case TFileStatus::Unchanged: return "不变";
    case TFileStatus::EditedByHand: return "手工修改";
  }
  return "";
}

TOutputGuard::TOutputGuard(fs::path baseDir, std::string projectName, bool dryRun,
                           TProgressSink progress)
    : baseDir_(std::move(baseDir)),
      projectName_(std::move(projectName)),
      dryRun_(dryRun),
      progress_(std::move(progress)),
      keyPrefix_("projects/" + projectName_ + "/") {
  ReadRecord(ProjectDir(), RecordPath(), files_, recordStamp_, lastSha256_);
  lastCount_ = files_.size();
}

fs::path TOutputGuard::ProjectDir() const {
  return baseDir_ / "projects" / projectName_;
}

fs::path TOutputGuard::RecordPath() const {
  return ProjectDir() / ".corvane" / "manifest.json";
}

std::string_view TOutputGuard::Key(std::string_view path) const {
  if (path.starts_with(keyPrefix_)) path.remove_prefix(keyPrefix_.size());
  return path;
}

TOutputGuard::TFile* TOutputGuard::Find(std::string_view key) {
  const auto found = files_.find(key);
  return found == files_.end() ? nullptr : &found->second;
}

TOutputGuard::TFile& TOutputGuard::Entry(std::string_view key) {
  if (TFile* file = Find(key)) return *file;
  return files_.try_emplace(TFiles::key_type(key, &arena_)).first->second;
}

void TOutputGuard::SetPut(TFile& file, TEntry put) {
  if (!file.put) ++putCount_;
  file.put = std::move(put);
}

void TOutputGuard::ClearLinks(const fs::path& target) const {
  // In folders known to be real only the file itself can be a link.
  if (RealDirectory(target.parent_path())) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return;
  }
  for (fs::path link = FirstLinkBelow(ProjectDir(), target); !link.empty();
       link = FirstLinkBelow(ProjectDir(), target))
    if (::unlink(link.c_str()) != 0)
      throw TFileError("无法删除符号链接 " + link.string() + ": " + std::strerror(errno));
}

bool TOutputGuard::RealDirectory(const fs::path& dir) const {
  if (realDirs_.contains(dir.native())) return true;
  const fs::path root = ProjectDir();
  const fs::path relative = dir.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return false;
  fs::path at = root;
  for (const fs::path& part : relative) {
    if (part == ".") continue;
    at /= part;
    if (realDirs_.contains(at.native())) continue;
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    realDirs_.insert(at.native());
  }
  realDirs_.insert(dir.native());
  return true;
}

TOutputGuard::TFolders::~TFolders() {
  for (const auto& [path, fd] : open) ::close(fd);
}

int TOutputGuard::Folder(const std::string& path, std::string& name) const {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return -1;
  name.assign(path, slash + 1);
  std::string folder = path.substr(0, slash);
  if (const auto known = folders_.open.find(folder); known != folders_.open.end())
    return known->second;
  const fs::path dir = baseDir_ / folder;
  if (!RealDirectory(dir)) return -1;
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) folders_.open.emplace(std::move(folder), fd);
  return fd;
}

bool TOutputGuard::LookAt(const std::string& path, struct stat& st) const {
  std::string name;
  const int folder = Folder(path, name);
  if (folder >= 0) return ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  return ::lstat((baseDir_ / path).c_str(), &st) == 0;
}

TFileStatus TOutputGuard::Classify(const std::string& path, const std::string& bytes,
                                   bool putBefore, std::string& existing,
                                   TFileStamp& stamp, bool& absent) const {
  const fs::path file = baseDir_ / path;
  // In a folder this run made, only this run put files.
  if (!putBefore && madeFolders_.contains(path.substr(0, path.rfind('/')))) {
    absent = true;
    return TFileStatus::New;
  }
  // A link planted in the tree is replaced, never read or written through.
  std::string name;
  const bool realDirs = Folder(path, name) >= 0;
  if (!realDirs && !FirstLinkBelow(ProjectDir(), file).empty()) return TFileStatus::Changed;
  struct stat st {};
  if (!LookAt(path, st)) {
    absent = realDirs && errno == ENOENT;
    return TFileStatus::New;
  }
  if (S_ISLNK(st.st_mode)) return TFileStatus::Changed;
  if (!S_ISREG(st.st_mode)) return TFileStatus::New;
  // Only a file of the same size can hold the same bytes; any other is read
  // only when its record must be checked.
  const bool sameSize = static_cast<std::uintmax_t>(st.st_size) == bytes.size();
  if (!sameSize && putBefore) return TFileStatus::Changed;
  const auto known = files_.find(Key(path));
  const TEntry* last =
      known != files_.end() && known->second.last ? &*known->second.last : nullptr;
  if (!sameSize) {
    // Still as the last run left it, by its stamp: not read at all.
    if (last && last->state && Unaltered(path, *last->state)) return TFileStatus::Changed;
    // Far larger than anything a run writes: not its output, and not read
    // (a disk image left at the path, say); the backup moves it.
    if (static_cast<std::uintmax_t>(st.st_size) > kLargestOutput) return TFileStatus::EditedByHand;
  }
  existing = TFileOperate::ReadFile(file);
  if (existing == bytes) {
    stamp = {static_cast<std::int64_t>(st.st_size), static_cast<std::int64_t>(st.st_mtim.tv_sec),
             static_cast<std::int64_t>(st.st_mtim.tv_nsec), static_cast<std::uint64_t>(st.st_ino)};
    return TFileStatus::Unchanged;
  }
  if (putBefore) return TFileStatus::Changed;
  if (last && last->hash == (lastSha256_ ? Sha256Head(existing) : FileHash(existing)))
    return TFileStatus::Changed;
  return TFileStatus::EditedByHand;
}

bool TOutputGuard::Unaltered(const std::string& path, const TFileState& state) const {
  // Only a stamp older than the record's own: a change made in the tick
  // the record was written in would leave the same time.
  if (!state.stamp.Before(recordStamp_)) return false;
  std::string name;
  const int folder = Folder(path, name);
  struct stat st {};
  if (folder < 0 || ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
      !S_ISREG(st.st_mode))
    return false;
  return TFileStamp{static_cast<std::int64_t>(st.st_size),
                    static_cast<std::int64_t>(st.st_mtim.tv_sec),
                    static_cast<std::int64_t>(st.st_mtim.tv_nsec),
                    static_cast<std::uint64_t>(st.st_ino)} == state.stamp;
}

void TOutputGuard::KeepAsIs(const std::string& path, TFile& file) {
  if (dryRun_) {
    planned_.push_back({path, TFileStatus::Unchanged});
    SetPut(file, TEntry{});
    return;
  }
  SetPut(file, *file.last);
}

bool TOutputGuard::Current(const std::string& path, const TDigest& inputs) {
  // An earlier version's record has no hash this run could keep.
  if (lastSha256_) return false;
  TFile* file = Find(Key(path));
  if (!file || !file->last || file->put) return false;
  const std::optional<TFileState>& state = file->last->state;
  if (!state || !state->hasInputs || state->inputs != inputs || !Unaltered(path, *state))
    return false;
  KeepAsIs(path, *file);
  return true;
}

void TOutputGuard::Backup(const std::string& path, const std::string& existing) {
  const fs::path backupRoot = ProjectDir() / "backup";
  if (backupStamp_.empty()) {
    // One folder per run; a second run within the same second gets "-2".
    const std::string stamp = LocalTimeStamp();
    backupStamp_ = stamp;
    std::error_code ec;
    for (int n = 2; fs::exists(backupRoot / backupStamp_, ec); ++n)
      backupStamp_ = stamp + "-" + std::to_string(n);
  }
  const fs::path copy = backupRoot / backupStamp_ / Key(path);
  ClearLinks(copy);
  struct stat original {};
  const bool known = ::stat((baseDir_ / path).c_str(), &original) == 0;
  if (known && static_cast<std::uintmax_t>(original.st_size) > kLargestOutput) {
    // Moved, never read: the file was not read to classify it either.
    TFileOperate::MakeDirectory(copy.parent_path());
    if (::rename((baseDir_ / path).c_str(), copy.c_str()) != 0)
      throw TFileError("无法备份 " + path + " 到 " + copy.string() + ": " + std::strerror(errno));
  } else {
    TFileOperate::WriteFile(copy, existing);
  }
  // A backup may hold what the user would not show (a password): it keeps
  // the file's mode for its owner only, in folders only the owner enters.
  ::chmod(copy.c_str(), known ? (original.st_mode & 0700) | S_IRUSR : 0600);
  ::chmod(backupRoot.c_str(), 0700);
  ::chmod((backupRoot / backupStamp_).c_str(), 0700);
  ++backups_;
  if (progress_) progress_("已备份手工修改的文件: " + path);
}

void TOutputGuard::RemoveStaleTemporaries() const {
  const int dir = ::open(ProjectDir().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir >= 0) RemoveStaleBelow(dir);
}

void TOutputGuard::Put(const std::string& path, const std::string& bytes, const TDigest* hash,
                       bool keepEdits, const TDigest* inputs) {
  const std::string_view key = Key(path);
  // A dry run fails where the run would: at a file in place of a folder.
  if (dryRun_)
    if (const fs::path blocked = FirstNonFolder(baseDir_, baseDir_ / path); !blocked.empty())
      throw TFileError("无法创建目录 " + blocked.string() + ": 路径上有同名文件");
  // A file this run put already holds this run's bytes, not an edit; a dry
  // run lists it once.
  const TFile* known = Find(key);
  const bool putBefore = known && known->put;
  if (putBefore && dryRun_) return;
  std::string existing;
  TFileStamp stamp;
  bool absent = false;
  const TFileStatus status = Classify(path, bytes, putBefore, existing, stamp, absent);
  if (dryRun_) {
    planned_.push_back({path, status});
    SetPut(Entry(key), TEntry{});
    return;
  }
  if (status == TFileStatus::EditedByHand && keepEdits) {
    // What the last run recorded stays, so the next run keeps it too; no
    // stamp, so that the next run looks at it again.
    if (TFile* file = Find(key)) {
      if (file->last && !lastSha256_)
        SetPut(*file, TEntry{file->last->hash, std::nullopt});
      else if (file->put)
        file->put->state.reset();
      NoteChange(*file);
    }
    if (progress_) progress_("保留手工修改的文件: " + path);
    return;
  }
  if (status == TFileStatus::EditedByHand) Backup(path, existing);
  if (status != TFileStatus::Unchanged) {
    const fs::path file = baseDir_ / path;
    if (!absent) ClearLinks(file);
    std::string name;
    int folder = Folder(path, name);
    if (folder < 0) {
      // The folder is made here, once, so that the files after this one
      // go into it without a look.
      std::error_code ec;
      if (fs::create_directories(file.parent_path(), ec)) {
        madeFolders_.insert(path.substr(0, path.rfind('/')));
        absent = true;
      }
      folder = Folder(path, name);
    }
    stamp = folder >= 0 ? TFileOperate::WriteFileIn(folder, name, file, bytes, absent)
                        : TFileOperate::WriteFile(file, bytes, absent);
  }
  // Only now: a file whose write failed keeps what the last run recorded.
  TFileState state{stamp};
  if (inputs) {
    state.hasInputs = true;
    state.inputs = *inputs;
  }
  TFile& file = Entry(key);
  SetPut(file, TEntry{hash ? *hash : FileHash(bytes),
                      stamp.size >= 0 ? std::optional(state) : std::nullopt});
  NoteChange(file);
}

void TOutputGuard::NoteChange(const TFile& file) {
  if (recordChanged_) return;
  recordChanged_ = file.put.has_value() != file.last.has_value() ||
                   (file.put && (file.put->hash != file.last->hash ||
                                 file.put->state != file.last->state));
}

void TOutputGuard::Write(const std::string& path, const std::string& bytes,
                         const TDigest* inputs) {
  Put(path, bytes, nullptr, false, inputs);
}

void TOutputGuard::Copy(const fs::path& source, const std::string& path) {
  auto known = skeleton_.find(source);
  if (known == skeleton_.end()) {
    std::string bytes = TFileOperate::ReadFile(source);
    const TDigest hash = FileHash(bytes);
    known = skeleton_.emplace(source, TSkeletonFile{std::move(bytes), hash}).first;
  }
  // A copy the last run left as it is holds the skeleton's bytes when the
  // record says so: not read.
  if (TFile* file = Find(Key(path)); file && !file->put && file->last &&
                                     file->last->hash == known->second.hash &&
                                     file->last->state && Unaltered(path, *file->last->state)) {
    KeepAsIs(path, *file);
    return;
  }
  Put(path, known->second.bytes, &known->second.hash, true);
}

void TOutputGuard::CopyTree(const fs::path& source, const std::string& dest, bool keepTopLevel) {
  std::vector<std::string> dirs;
  std::vector<std::pair<fs::path, std::string>> files;
  ListTree(baseDir_, source, dest, keepTopLevel, dirs, files);
  if (!dryRun_) {
    ClearLinks(baseDir_ / dest);
    TFileOperate::MakeDirectory(baseDir_ / dest);
    for (const std::string& dir : dirs) {
      ClearLinks(baseDir_ / dir);
      TFileOperate::MakeDirectory(baseDir_ / dir);
    }
  }
  for (const auto& [from, path] : files) Copy(from, path);
}

void TOutputGuard::Finish() {
  if (dryRun_) return;
  SaveRecord();
  if (backups_ > 0 && progress_)
    progress_("已备份 " + std::to_string(backups_) + " 个手工修改的文件到 projects/" +
              projectName_ + "/backup/" + backupStamp_);
}

void TOutputGuard::SaveRecord() {
  if (dryRun_ || putCount_ == 0) return;
  // A record that would read the same is left as it is, like the files.
  if (lastCount_ > 0 && !recordChanged_) return;
  // The last record updated with this run's files, by path. The text is
  // what the JSON library writes for such a document, put together here
  // because a document of a hundred thousand files costs more to build
  // than the rest of the record; the library still writes every path.
  using TLine = std::pair<std::string_view, const TEntry*>;
  std::vector<TLine> files;
  files.reserve(files_.size());
  // What this run put, else what the last record held; an earlier
  // version's hashes are not carried into this version's record.
  for (const auto& [key, file] : files_)
    if (file.put)
      files.emplace_back(key, &*file.put);
    else if (file.last && !lastSha256_)
      files.emplace_back(key, &*file.last);
  std::sort(files.begin(), files.end(),
            [](const TLine& a, const TLine& b) { return a.first < b.first; });
  std::string text = "{\n  \"formatVersion\": " + std::to_string(kRecordVersion) +
                     ",\n  \"hash\": \"" + kHashName + "\",\n  \"files\": {";
  // About 150 bytes a file.
  text.reserve(text.size() + files.size() * 160);
  auto number = [&text](auto value) {
    char digits[24];
    text += ' ';
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  };
  // Each file's hash, then its stamp and inputs when known: "<hash> <size>
  // <seconds> <nanoseconds> <inode> <inputs or ->".
  for (std::size_t i = 0; i < files.size(); ++i) {
    text += i == 0 ? "\n    " : ",\n    ";
    // A name of printable ASCII but quote and backslash reads the same in
    // JSON; any other goes through the library.
    const std::string_view key = files[i].first;
    if (std::all_of(key.begin(), key.end(),
                    [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; }))
      text.append(1, '"').append(key).append(1, '"');
    else
      text += nlohmann::json(std::string(key))
                  .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    text += ": \"";
    AppendHex(text, files[i].second->hash);
    if (const std::optional<TFileState>& state = files[i].second->state) {
      const TFileStamp& st = state->stamp;
      number(st.size);
      number(st.seconds);
      number(st.nanoseconds);
      number(st.inode);
      text += ' ';
      if (state->hasInputs)
        AppendHex(text, state->inputs);
      else
        text += '-';
    }
    text += '"';
  }
  text += files.empty() ? "}\n}\n" : "\n  }\n}\n";
  // Written like every file: an interrupted save never leaves a half record.
  ClearLinks(RecordPath());
  TFileOperate::WriteFile(RecordPath(), text);
}
