// One generation run: turns a project of the design store into the C#
// solution under <base>/projects/<project name>/LoginFrame.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "generate/OutputGuard.h"
#include "vocabulary/Design.h"

// What the run needs from whoever started it (the designer window or the
// command line). Calls come from the run's thread, in order; the calls
// that show something to the user return only when the user is done.
class TGenerationHost {
public:
  virtual ~TGenerationHost() = default;
  // One line for the progress log.
  virtual void Progress(const std::string& line) = 0;
  // A check before writing failed (message as shown to the user); the run
  // then ends with nothing written.
  virtual void PreCheckFailed(const std::string& message) = 0;
  // Every file is written; projectDir is <base>/projects/<project name>.
  virtual void Completed(const std::filesystem::path& projectDir) = 0;
  // The run stopped at an error; files written before stay.
  virtual void Failed(const std::string& error) = 0;
};

struct TGenerationRequest {
  int projectId = 0;
  std::string projectName;            // as asked; the run writes under the name it reads
  std::filesystem::path baseDir;      // where projects/ is written
  std::filesystem::path resourceDir;  // holds template/ and bak/
  // Runs every check and generator but writes nothing: Planned() then
  // lists each file with its status. No progress lines; completion and
  // failures are reported as in a real run.
  bool dryRun = false;
  // Writes the complete query forms for this run even when the project
  // does not ask for them.
  bool fullQueryForms = false;
};

class TGeneratorContext;

// Every generator in run order (entity, BLL, DAL, user interface) into ctx.
// Throws on the first error; files written before stay.
void GenerateSolution(TGeneratorContext& ctx, const TDesign& design);

class TAutoCode {
public:
  TAutoCode(TGenerationRequest request, TGenerationHost& host);
  // The run's body: checks, generators, resource copy, completion. Reports
  // every outcome to the host; never throws.
  void Execute();

  // <base>/projects/<project name>, the directory shown at completion.
  std::filesystem::path ProjectDirectory() const;
  // After a completed dry run: every file the run would write, in order.
  const std::vector<TPlannedFile>& Planned() const { return planned_; }

private:
  // A project without classes (its solution would not build), the key and
  // display-member checks, then the design check; reports the first
  // failure to the host and answers false.
  bool PreChecksPass(const TDesign& design);
  // Copies the dialect's resource tree (bak/LoginFrame for SQL Server) over
  // the output tree, with its two progress lines.
  void CopyResources(const TDesign& design, TOutputGuard& guard);
  void Progress(const std::string& line);

  TGenerationRequest request_;
  TGenerationHost& host_;
  std::vector<TPlannedFile> planned_;
};
