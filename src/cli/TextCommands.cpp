// Design text commands: export writes a project's design as JSON, import
// makes a new project from such a text under the rules of the dialogs. Also
// the dry run of generate, which lists what a run would write.
#include <iostream>
#include <map>
#include <memory>

#include "cli/CliSupport.h"
#include "commands/DesignText.h"
#include "commands/UserFiles.h"
#include "generate/AutoCode.h"

namespace cli {

namespace {

struct TExportArgs {
  TProjectRef project;
  std::optional<std::string> output;
};

struct TImportArgs {
  std::string file;
  std::optional<std::string> name;
};

int RunExport(const TExportArgs& args) {
  const std::string text = ExportDesign(args.project.Resolve());
  if (args.output) {
    WriteUserFile(*args.output, text);
    return 0;
  }
  std::cout << text << std::flush;
  if (!std::cout) throw TRefused("无法写入标准输出");
  return 0;
}

int RunImport(const TImportArgs& args) {
  const std::string text = ReadDesignFile(args.file);
  int projectId = 0;
  try {
    projectId = ImportDesign(text, args.name);
  } catch (const TDesignTextError& e) {
    throw TRefused(e.what());
  }
  std::cout << "已导入为工程 " << commands::ProjectName(projectId) << "(编号 " << projectId
            << ")\n";
  return 0;
}

// The dry run prints nothing while it goes; the outcome decides the exit
// status as in a real run.
class TQuietHost : public TGenerationHost {
public:
  void Progress(const std::string&) override {}
  void PreCheckFailed(const std::string& message) override { preCheck = message; }
  void Completed(const std::filesystem::path&) override { completed = true; }
  void Failed(const std::string& error) override { failure = error; }

  std::optional<std::string> preCheck;
  std::optional<std::string> failure;
  bool completed = false;
};

}  // namespace

int DryRunGeneration(TGenerationRequest request) {
  request.dryRun = true;
  TQuietHost host;
  TAutoCode run(request, host);
  run.Execute();
  if (host.preCheck) throw TRefused(*host.preCheck);
  if (host.failure) throw TRefused("错误: " + *host.failure);
  if (!host.completed) throw TRefused("错误: 生成没有完成");

  std::map<TFileStatus, int> counts;
  for (const TPlannedFile& file : run.Planned()) {
    std::cout << FileStatusText(file.status) << '\t' << file.path << '\n';
    ++counts[file.status];
  }
  std::cout << "共 " << run.Planned().size() << " 个文件";
  const char* separator = ": ";
  for (TFileStatus status : {TFileStatus::New, TFileStatus::Changed, TFileStatus::Unchanged,
                             TFileStatus::EditedByHand}) {
    std::cout << separator << FileStatusText(status) << ' ' << counts[status];
    separator = "，";
  }
  std::cout << "(试运行，未写入任何文件)\n";
  return 0;
}

void RegisterTextCommands(CLI::App& app, TContext& ctx) {
  auto exportArgs = std::make_shared<TExportArgs>();
  CLI::App* exportCommand =
      app.add_subcommand("export", "把工程的设计导出为 JSON 文本(默认写到标准输出)");
  exportArgs->project.AddTo(exportCommand);
  exportCommand->add_option("-o,--output", exportArgs->output,
                            "写入此文件(写完整后才替换原有文件)");
  exportCommand->callback(
      [&ctx, exportArgs] {
    ctx.readOnly = true;
    ctx.run = [exportArgs] { return RunExport(*exportArgs); };
  });

  auto importArgs = std::make_shared<TImportArgs>();
  CLI::App* importCommand =
      app.add_subcommand("import", "由导出的 JSON 文本新建工程(全部通过检查才写入)");
  importCommand->add_option("file", importArgs->file, "设计文本文件")->required();
  importCommand->add_option("--name", importArgs->name, "新工程的名称(默认用文件中的名称)");
  importCommand->callback(
      [&ctx, importArgs] { ctx.run = [importArgs] { return RunImport(*importArgs); }; });
}

}  // namespace cli
