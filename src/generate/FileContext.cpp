#include "generate/FileContext.h"

#include "generate/OutputGuard.h"
#include "generate/RunInputs.h"
#include "vocabulary/Encoding.h"
#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;

TFileContext::TFileContext(std::string projectName, fs::path baseDir, fs::path resourceDir,
                           TProgressSink progress, TOutputGuard* guard,
                           const TRunInputs* inputs)
    : projectName_(std::move(projectName)),
      baseDir_(std::move(baseDir)),
      resourceDir_(std::move(resourceDir)),
      progress_(std::move(progress)),
      guard_(guard),
      inputs_(inputs) {}

fs::path TFileContext::Below(const fs::path& root, const std::string& path) const {
  const fs::path relative(path);
  bool escapes = relative.empty() || relative.has_root_path();
  for (const auto& part : relative)
    if (part == "..") escapes = true;
  if (escapes) throw TFileError("路径不在允许的目录内: " + path);
  return root / relative;
}

std::string TFileContext::ReadTemplate(const std::string& path) {
  return TFileOperate::ReadUtf8File(Below(resourceDir_, path));
}

void TFileContext::WriteAnsiFile(const std::string& path, const std::string& text) {
  const fs::path target = Below(baseDir_, path);
  if (!guard_) return TFileOperate::WriteAnsiFile(target, text);
  guard_->Write(path, Utf8ToGbk(text, target.string()), InputsFor(path));
}

void TFileContext::WriteUtf8File(const std::string& path, const std::string& text) {
  const fs::path target = Below(baseDir_, path);
  if (!guard_) return TFileOperate::WriteUtf8File(target, text);
  guard_->Write(path, "\xEF\xBB\xBF" + text, InputsFor(path));
}

void TFileContext::CopyTemplateFile(const std::string& templatePath, const std::string& path) {
  const fs::path source = Below(resourceDir_, templatePath);
  const fs::path target = Below(baseDir_, path);
  if (!guard_) return TFileOperate::CopyFile(source, target);
  guard_->Copy(source, path);
}

void TFileContext::Progress(const std::string& line) {
  if (progress_) progress_(line);
}

bool TFileContext::Unchanged(const std::string& path, const TDesignClass* cls) {
  askedPath_.clear();
  if (!guard_ || !inputs_ || !inputs_->Known()) return false;
  askedInputs_ = cls ? inputs_->Of(*cls) : inputs_->Project();
  if (guard_->Current(path, askedInputs_)) return true;
  askedPath_ = path;
  return false;
}

const TDigest* TFileContext::InputsFor(const std::string& path) {
  if (askedPath_.empty() || askedPath_ != path) return nullptr;
  askedPath_.clear();
  return &askedInputs_;
}
