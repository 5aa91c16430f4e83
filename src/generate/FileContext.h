// The generator context that writes to disk: output paths are taken below
// the base directory, template paths below the resource directory, and
// every file goes through TFileOperate. With a guard, every file is handed
// to it to put (a file that already holds the bytes left alone, hand edits
// backed up; in a dry run nothing is written), and with the digests of
// the run's inputs a file the last run made from the same inputs, and left
// as it is, is not built again.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "generate/Digest.h"
#include "generate/GeneratorContext.h"

class TOutputGuard;
class TRunInputs;

class TFileContext : public TGeneratorContext {
public:
  using TProgressSink = std::function<void(const std::string& line)>;

  TFileContext(std::string projectName, std::filesystem::path baseDir,
               std::filesystem::path resourceDir, TProgressSink progress,
               TOutputGuard* guard = nullptr, const TRunInputs* inputs = nullptr);

  const std::string& ProjectName() const override { return projectName_; }
  std::string ReadTemplate(const std::string& path) override;
  void WriteAnsiFile(const std::string& path, const std::string& text) override;
  void WriteUtf8File(const std::string& path, const std::string& text) override;
  void CopyTemplateFile(const std::string& templatePath, const std::string& path) override;
  void Progress(const std::string& line) override;
  bool Unchanged(const std::string& path, const TDesignClass* cls) override;

  const std::filesystem::path& BaseDir() const { return baseDir_; }
  const std::filesystem::path& ResourceDir() const { return resourceDir_; }

private:
  // Refuses absolute paths and ".." so that no design text can steer a
  // write outside the directory it belongs to.
  std::filesystem::path Below(const std::filesystem::path& root, const std::string& path) const;

  std::string projectName_;
  std::filesystem::path baseDir_;
  std::filesystem::path resourceDir_;
  TProgressSink progress_;
  // The inputs of the file last asked about, handed to the guard with its
  // bytes.
  const TDigest* InputsFor(const std::string& path);

  TOutputGuard* guard_;
  const TRunInputs* inputs_;
  std::string askedPath_;
  TDigest askedInputs_{};
};
