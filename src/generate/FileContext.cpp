#include "generate/FileContext.h"

#include "generate/OutputGuard.h"
#include "vocabulary/Encoding.h"
#include "vocabulary/FileOperate.h"

namespace fs = std::filesystem;

TFileContext::TFileContext(std::string projectName, fs::path baseDir, fs::path resourceDir,
                           TProgressSink progress, TOutputGuard* guard)
    : projectName_(std::move(projectName)),
      baseDir_(std::move(baseDir)),
      resourceDir_(std::move(resourceDir)),
      progress_(std::move(progress)),
      guard_(guard) {}

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
  guard_->Write(path, Utf8ToGbk(text, target.string()));
}

void TFileContext::WriteUtf8File(const std::string& path, const std::string& text) {
  const fs::path target = Below(baseDir_, path);
  if (!guard_) return TFileOperate::WriteUtf8File(target, text);
  guard_->Write(path, "\xEF\xBB\xBF" + text);
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
