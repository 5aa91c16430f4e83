// generate: runs the code generation for one project in the base directory,
// printing progress as it happens.
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliSupport.h"
#include "generate/AutoCode.h"
#include "vocabulary/BaseDirectory.h"

namespace cli {

namespace {

// Progress goes to stdout line by line, on a terminal as each line comes,
// into a pipe or file at least every tenth of a second (a line a file
// flushed one by one would cost a large project more than its writes);
// the outcome is kept for the exit status.
class TConsoleHost : public TGenerationHost {
public:
  void Progress(const std::string& line) override {
    std::cout << line << '\n';
    const auto now = std::chrono::steady_clock::now();
    if (terminal_ || now - flushed_ >= std::chrono::milliseconds(100)) {
      std::cout.flush();
      flushed_ = now;
    }
  }
  void PreCheckFailed(const std::string& message) override { preCheck = message; }
  void Completed(const std::filesystem::path& projectDir) override { completed = projectDir; }
  void Failed(const std::string& error) override { failure = error; }

  std::optional<std::string> preCheck;
  std::optional<std::filesystem::path> completed;
  std::optional<std::string> failure;

private:
  const bool terminal_ = ::isatty(STDOUT_FILENO) == 1;
  std::chrono::steady_clock::time_point flushed_ = std::chrono::steady_clock::now();
};

}  // namespace

void RegisterGenerateCommands(CLI::App& app, TContext& ctx) {
  auto project = std::make_shared<TProjectRef>();
  auto dryRun = std::make_shared<bool>(false);
  auto fullQuery = std::make_shared<bool>(false);
  CLI::App* generate = app.add_subcommand(
      "generate", "为工程生成 C# 三层解决方案到 <基础目录>/projects/<工程名称>/LoginFrame");
  project->AddTo(generate);
  generate->add_flag("--dry-run", *dryRun,
                     "只检查并列出将写入的文件(新增、变更、不变、手工修改)，不写任何文件");
  generate->add_flag("--full-query-forms", *fullQuery,
                     "本次生成完整查询窗体(列表、查询、分页、修改和删除)");
  generate->callback([&ctx, project, dryRun, fullQuery] {
    ctx.readOnly = *dryRun;
    ctx.run = [&ctx, project, dryRun, fullQuery] {
      TGenerationRequest request;
      request.projectId = project->Resolve();
      request.projectName = commands::ProjectName(request.projectId);
      request.baseDir = ResolveBaseDirectory(ctx.dir, !ctx.readOnly);
      request.resourceDir = ResourceDirectory();
      request.fullQueryForms = *fullQuery;
      if (*dryRun) return DryRunGeneration(request);

      TConsoleHost host;
      TAutoCode(request, host).Execute();
      // Every line out before a refusal goes to stderr.
      std::cout.flush();
      if (host.preCheck) throw TRefused(*host.preCheck);
      if (host.failure) throw TRefused("错误: " + *host.failure);
      if (!host.completed) throw TRefused("错误: 生成没有完成");
      std::cout << "所有代码生成完毕!" << '\n' << host.completed->string() << '\n';
      return 0;
    };
  });
}

}  // namespace cli
