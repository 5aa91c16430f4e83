// Design text commands: export writes a project's design as JSON, import
// makes a new project from such a text under the rules of the dialogs, and
// import-sql makes one from a SQL Server table script or brings a project
// up to date with one. Also the dry run of generate, which lists what a run
// would write.
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "cli/CliSupport.h"
#include "commands/DesignText.h"
#include "commands/SqlScriptImport.h"
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

struct TImportSqlArgs {
  std::string file;
  std::optional<std::string> name;
  std::string encoding = "utf8";
  std::optional<std::string> into;
  std::optional<int> projectId;
  bool prune = false;
  bool dryRun = false;
};

void Warn(const std::vector<std::string>& warnings) {
  for (const std::string& warning : warnings) std::cerr << "警告: " << warning << '\n';
}

int RunImportSql(const TImportSqlArgs& args) {
  const std::string bytes = ReadScriptFile(args.file);
  try {
    const std::string text =
        DecodeScript(bytes, args.encoding == "gbk" ? TScriptEncoding::Gbk : TScriptEncoding::Utf8);
    if (!args.into) {
      // Named after the file unless told otherwise.
      const TSqlImport done = ImportSqlScript(
          text, args.name.value_or(std::filesystem::path(args.file).stem().string()));
      Warn(done.warnings);
      std::cout << "已导入为工程 " << commands::ProjectName(done.projectId) << "(编号 "
                << done.projectId << ")\n";
      return 0;
    }
    const int projectId = TProjectRef{*args.into, args.projectId}.Resolve();
    const TReimport done = ReimportSqlScript(text, projectId, {args.prune, args.dryRun});
    Warn(done.warnings);
    for (const std::string& line : done.lines) std::cout << line << '\n';
    std::cout << (done.changes ? "共 " + std::to_string(done.changes) + " 处改动" : "没有改动")
              << (args.dryRun ? "(试运行，未写入任何改动)" : "") << '\n';
    return 0;
  } catch (const TDesignTextError& e) {
    throw TRefused(e.what());
  }
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

  auto sqlArgs = std::make_shared<TImportSqlArgs>();
  CLI::App* importSql = app.add_subcommand(
      "import-sql", "由 SQL Server 建表脚本新建工程，或用它更新工程(全部通过检查才写入)");
  importSql->add_option("file", sqlArgs->file, "建表脚本文件")->required();
  CLI::Option* name =
      importSql->add_option("--name", sqlArgs->name, "新工程的名称(默认用文件名，不含扩展名)");
  importSql
      ->add_option("--encoding", sqlArgs->encoding,
                   "脚本的编码: utf8(默认) 或 gbk；有字节顺序标记的文件按标记读取")
      ->check(CLI::IsMember({"utf8", "gbk"}));
  CLI::Option* into =
      importSql
          ->add_option("--into", sqlArgs->into,
                       "更新这个工程: 新的表和列加入，类型、长度、必填、主键和引用随脚本，"
                       "其余保留")
          ->excludes(name);
  importSql->add_option("--project-id", sqlArgs->projectId, "工程编号(多个工程同名时用它区分)")
      ->needs(into);
  importSql->add_flag("--prune", sqlArgs->prune, "删除脚本中没有的类和成员(默认保留并列出)")
      ->needs(into);
  importSql->add_flag("--dry-run", sqlArgs->dryRun, "只列出将要做的改动，不写入")->needs(into);
  importSql->callback([&ctx, sqlArgs] { ctx.run = [sqlArgs] { return RunImportSql(*sqlArgs); }; });
}

}  // namespace cli
