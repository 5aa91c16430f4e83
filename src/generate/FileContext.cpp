#include "generate/FileContext.h"

#include "generate/FileOperate.h"

namespace fs = std::filesystem;

TFileContext::TFileContext(std::string projectName, fs::path baseDir, fs::path resourceDir,
                           TProgressSink progress)
    : projectName_(std::move(projectName)),
      baseDir_(std::move(baseDir)),
      resourceDir_(std::move(resourceDir)),
      progress_(std::move(progress)) {}

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
  TFileOperate::WriteAnsiFile(Below(baseDir_, path), text);
}

void TFileContext::WriteUtf8File(const std::string& path, const std::string& text) {
  TFileOperate::WriteUtf8File(Below(baseDir_, path), text);
}

void TFileContext::CopyTemplateFile(const std::string& templatePath, const std::string& path) {
  TFileOperate::CopyFile(Below(resourceDir_, templatePath), Below(baseDir_, path));
}

void TFileContext::Progress(const std::string& line) {
  if (progress_) progress_(line);
}
