// Where the generators read templates and put their files. Paths are
// relative to the base directory with '/' separators, exactly as they
// appear in progress lines ("projects/Demo/LoginFrame/Model/Book.cs").
#pragma once

#include <map>
#include <string>
#include <vector>

struct TDesignClass;

class TGeneratorContext {
public:
  virtual ~TGeneratorContext() = default;

  virtual const std::string& ProjectName() const = 0;

  // A template's text without its first three bytes (the byte-order mark);
  // path relative to the resource directory ("template/LoginFrame/...").
  virtual std::string ReadTemplate(const std::string& path) = 0;
  // A per-class file: written in GBK, no byte-order mark.
  virtual void WriteAnsiFile(const std::string& path, const std::string& text) = 0;
  // A file derived from a template: UTF-8 with a byte-order mark.
  virtual void WriteUtf8File(const std::string& path, const std::string& text) = 0;
  // Copies a template file unchanged (the form resource files).
  virtual void CopyTemplateFile(const std::string& templatePath, const std::string& path) = 0;
  // One progress line, in order.
  virtual void Progress(const std::string& line) = 0;
  // True when the file at path, made from what the class cls (the whole
  // design when null) gives it, is already as this run would write it, so
  // that it need not be built: the caller then only reports its progress
  // line. Asked right before the file is built and written; false unless
  // a context knows better.
  virtual bool Unchanged(const std::string& path, const TDesignClass* cls) {
    (void)path;
    (void)cls;
    return false;
  }
};

// Keeps everything in memory, for tests (a dry run goes through the file
// context, whose output guard writes nothing). Templates are served from
// `templates` (keyed by their path, text after the mark).
class TMemoryContext : public TGeneratorContext {
public:
  explicit TMemoryContext(std::string projectName) : projectName_(std::move(projectName)) {}

  const std::string& ProjectName() const override { return projectName_; }
  std::string ReadTemplate(const std::string& path) override { return templates.at(path); }
  void WriteAnsiFile(const std::string& path, const std::string& text) override {
    ansiFiles[path] = text;
  }
  void WriteUtf8File(const std::string& path, const std::string& text) override {
    utf8Files[path] = text;
  }
  void CopyTemplateFile(const std::string& templatePath, const std::string& path) override {
    copies[path] = templatePath;
  }
  void Progress(const std::string& line) override { progress.push_back(line); }

  std::map<std::string, std::string> templates;
  std::map<std::string, std::string> ansiFiles;
  std::map<std::string, std::string> utf8Files;
  std::map<std::string, std::string> copies;
  std::vector<std::string> progress;

private:
  std::string projectName_;
};
