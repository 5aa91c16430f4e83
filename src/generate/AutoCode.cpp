#include "generate/AutoCode.h"

#include <exception>
#include <future>
#include <optional>

#include "generate/BLLOperate.h"
#include "generate/DALOperate.h"
#include "generate/DesignCheck.h"
#include "generate/EntityOperate.h"
#include "generate/FileContext.h"
#include "generate/RunInputs.h"
#include "generate/UIOperate.h"
#include "store/DesignReader.h"
#include "vocabulary/BaseDirectory.h"
#include "vocabulary/SqlDialect.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kKeyError = "表主键设置错误，每个类只能设置一个主键!";
constexpr const char* kDisplayError = "表显示成员设置错误，每个类有且只能设置一个显示成员!";

}  // namespace

void GenerateSolution(TGeneratorContext& ctx, const TDesign& design) {
  TEntityOperate::Generate(ctx, design);
  TBLLOperate::Generate(ctx, design);
  TDALOperate::Generate(ctx, design);
  TUIOperate::Generate(ctx, design);
}

TAutoCode::TAutoCode(TGenerationRequest request, TGenerationHost& host)
    : request_(std::move(request)), host_(host) {}

fs::path TAutoCode::ProjectDirectory() const {
  return request_.baseDir / "projects" / request_.projectName;
}

void TAutoCode::Execute() {
  std::optional<TOutputGuard> guard;
  const auto progress = [this](const std::string& line) { Progress(line); };
  auto openGuard = [&](std::string projectName) {
    guard.emplace(request_.baseDir, std::move(projectName), request_.dryRun, progress);
  };
  // Work beside the run's own, on a thread of its own when one can be had
  // (else in place): the last record read while the design is read and
  // checked, the temporary files of runs that are gone removed while this
  // one writes. Each is waited for before the run ends, however it ends.
  constexpr auto kBeside = std::launch::async | std::launch::deferred;
  std::future<void> recordRead, tidied;
  auto settle = [&] {
    for (std::future<void>* work : {&recordRead, &tidied})
      if (work->valid()) work->wait();
  };
  // After a failure the files written so far still count as generated.
  auto keepRecord = [&] {
    try {
      settle();
      if (recordRead.valid()) recordRead.get();
      if (guard) guard->SaveRecord();
    } catch (...) {
    }
  };
  try {
    // The record of the project as the run was asked for it; reading only.
    recordRead = std::async(kBeside, openGuard, request_.projectName);
    // The one read of the design: checks and generators all work from it,
    // so edits made while the run writes do not reach this run's files.
    TDesign design = ReadDesign(request_.projectId);
    // The name the project has now, read with its design: a project renamed
    // since the run was asked for is written under its new name.
    const bool renamed = design.projectName != request_.projectName;
    request_.projectName = design.projectName;
    design.fullQueryForms = design.fullQueryForms || request_.fullQueryForms;
    if (!PreChecksPass(design)) {
      settle();
      return;
    }
    // What each file is made from: a file the last run made from the same
    // and left as it is is not built again.
    const TRunInputs inputs(design, request_.resourceDir / "template");
    recordRead.get();
    if (renamed) openGuard(request_.projectName);
    if (!request_.dryRun)
      tidied = std::async(kBeside, [&guard] { guard->RemoveStaleTemporaries(); });
    TFileContext ctx(request_.projectName, request_.baseDir, request_.resourceDir, progress,
                     &*guard, &inputs);
    GenerateSolution(ctx, design);
    CopyResources(design, *guard);
    if (tidied.valid()) tidied.get();
    guard->Finish();
    planned_ = guard->Planned();
    host_.Completed(ProjectDirectory());
  } catch (const std::exception& e) {
    keepRecord();
    host_.Failed(e.what());
  } catch (...) {
    keepRecord();
    host_.Failed("未知错误");
  }
}

void TAutoCode::Progress(const std::string& line) {
  if (!request_.dryRun) host_.Progress(line);
}

bool TAutoCode::PreChecksPass(const TDesign& design) {
  if (design.classes.empty()) {
    host_.PreCheckFailed("工程 \"" + design.projectName + "\" 还没有任何类，无法生成代码!");
    return false;
  }
  for (const TDesignClass& cls : design.classes)
    if (cls.KeyCount() != 1) {
      host_.PreCheckFailed(cls.className + kKeyError);
      return false;
    }
  for (const TDesignClass& cls : design.classes)
    if (cls.DisplayCount() != 1) {
      host_.PreCheckFailed(cls.className + kDisplayError);
      return false;
    }
  const std::vector<std::string> problems = CheckDesign(design);
  if (!problems.empty()) {
    host_.PreCheckFailed(DesignCheckMessage(problems));
    return false;
  }
  return true;
}

void TAutoCode::CopyResources(const TDesign& design, TOutputGuard& guard) {
  Progress("正在移动资源文件。。。");
  // Top-level files the user may have adapted (the solution file) are kept;
  // everything deeper is the skeleton's and replaced.
  const fs::path source = request_.resourceDir / DialectOf(design).ResourceTree();
  guard.CopyTree(source, "projects/" + request_.projectName + "/LoginFrame", true);
  Progress("移动资源文件完毕!");
}
