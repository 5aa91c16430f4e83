#include "generate/OutputGuard.h"

#include <openssl/evp.h>
#include <sys/stat.h>

#include <ctime>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRecordVersion = 1;

std::string Sha256Hex(const std::string& bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr) != 1)
    throw std::runtime_error("无法计算文件的 SHA-256");
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(size * 2);
  for (unsigned int i = 0; i < size; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 0x0f];
  }
  return hex;
}

// The record of the last run; anything unexpected in it reads as no record,
// which only makes the run back up more.
std::map<std::string, std::string> ReadRecord(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return {};
  std::map<std::string, std::string> record;
  try {
    const nlohmann::json j = nlohmann::json::parse(TFileOperate::ReadFile(file));
    if (j.at("formatVersion") != kRecordVersion) return {};
    for (const auto& [key, hash] : j.at("files").items()) record[key] = hash.get<std::string>();
  } catch (const std::exception&) {
    return {};
  }
  return record;
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
      lastRun_(ReadRecord(RecordPath())) {}

fs::path TOutputGuard::ProjectDir() const {
  return baseDir_ / "projects" / projectName_;
}

fs::path TOutputGuard::RecordPath() const {
  return ProjectDir() / ".corvane" / "manifest.json";
}

std::string TOutputGuard::Key(const std::string& path) const {
  const std::string prefix = "projects/" + projectName_ + "/";
  return path.starts_with(prefix) ? path.substr(prefix.size()) : path;
}

TFileStatus TOutputGuard::Classify(const std::string& path, const std::string& bytes,
                                   bool putBefore, std::string& existing) const {
  const fs::path file = baseDir_ / path;
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return TFileStatus::New;
  // Only a file of the same size can hold the same bytes; any other is read
  // only when its record must be checked.
  const bool sameSize = static_cast<std::uintmax_t>(st.st_size) == bytes.size();
  if (!sameSize && putBefore) return TFileStatus::Changed;
  existing = TFileOperate::ReadFile(file);
  if (existing == bytes) return TFileStatus::Unchanged;
  if (putBefore) return TFileStatus::Changed;
  const auto last = lastRun_.find(Key(path));
  if (last != lastRun_.end() && last->second == Sha256Hex(existing)) return TFileStatus::Changed;
  return TFileStatus::EditedByHand;
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
  TFileOperate::WriteFile(backupRoot / backupStamp_ / Key(path), existing);
  ++backups_;
  if (progress_) progress_("已备份手工修改的文件: " + path);
}

void TOutputGuard::Put(const std::string& path, const std::string& bytes,
                       const std::string* hash) {
  // A file this run put already holds this run's bytes, not an edit; a dry
  // run lists it once.
  const bool putBefore = !seen_.insert(path).second;
  if (putBefore && dryRun_) return;
  std::string existing;
  const TFileStatus status = Classify(path, bytes, putBefore, existing);
  if (dryRun_) {
    planned_.push_back({path, status});
    return;
  }
  if (status == TFileStatus::EditedByHand) Backup(path, existing);
  if (status != TFileStatus::Unchanged) TFileOperate::WriteFile(baseDir_ / path, bytes);
  put_[Key(path)] = hash ? *hash : Sha256Hex(bytes);
}

void TOutputGuard::Write(const std::string& path, const std::string& bytes) {
  Put(path, bytes, nullptr);
}

void TOutputGuard::Copy(const fs::path& source, const std::string& path) {
  auto known = skeleton_.find(source);
  if (known == skeleton_.end()) {
    std::string bytes = TFileOperate::ReadFile(source);
    std::string hash = Sha256Hex(bytes);
    known = skeleton_.emplace(source, TSkeletonFile{std::move(bytes), std::move(hash)}).first;
  }
  Put(path, known->second.bytes, &known->second.hash);
}

void TOutputGuard::CopyTree(const fs::path& source, const std::string& dest, bool keepTopLevel) {
  std::vector<std::string> dirs;
  std::vector<std::pair<fs::path, std::string>> files;
  ListTree(baseDir_, source, dest, keepTopLevel, dirs, files);
  if (!dryRun_) {
    TFileOperate::MakeDirectory(baseDir_ / dest);
    for (const std::string& dir : dirs) TFileOperate::MakeDirectory(baseDir_ / dir);
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
  if (dryRun_ || put_.empty()) return;
  std::map<std::string, std::string> record = lastRun_;
  for (const auto& [key, hash] : put_) record[key] = hash;
  // A record that would read the same is left as it is, like the files.
  if (!lastRun_.empty() && record == lastRun_) return;
  nlohmann::ordered_json j;
  j["formatVersion"] = kRecordVersion;
  j["hash"] = "sha256";
  j["files"] = record;
  // Written beside and renamed over, so an interrupted save never leaves a
  // half record.
  const fs::path file = RecordPath();
  fs::path temporary = file;
  temporary += ".tmp";
  TFileOperate::WriteFile(temporary,
                          j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
  std::error_code ec;
  fs::rename(temporary, file, ec);
  if (ec) throw TFileError("无法写入文件 " + file.string() + ": " + ec.message());
}
