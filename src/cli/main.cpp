// corvane-cli: edits a design and generates from it without any window.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/CliSupport.h"
#include "commands/DesignReads.h"
#include "vocabulary/BaseDirectory.h"

int main(int argc, char** argv) {
  // A reader that goes away (| head) must not end a run half way: writes to
  // it fail instead, the run goes on, and the lost output is reported.
  std::signal(SIGPIPE, SIG_IGN);
  CLI::App app{"Corvane 代码生成器的命令行: 编辑设计、生成代码和建表脚本", "corvane-cli"};
  app.require_subcommand(1);
  cli::TContext ctx;
  app.add_option("--dir", ctx.dir, "基础目录(设计数据库 projects.mdb 与 projects/ 输出所在)");
  cli::RegisterDesignCommands(app, ctx);
  cli::RegisterScriptCommands(app, ctx);
  cli::RegisterGenerateCommands(app, ctx);
  cli::RegisterTextCommands(app, ctx);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  if (!ctx.run) return 2;

  int status = 0;
  try {
    commands::UseDesignDatabase(ResolveBaseDirectory(ctx.dir, !ctx.readOnly), ctx.readOnly);
    status = ctx.run();
  } catch (const cli::TRefused& e) {
    std::cerr << e.what() << '\n';
    status = e.exitCode;
  } catch (const std::exception& e) {
    std::cerr << "错误: " << e.what() << '\n';
    status = 1;
  }
  // What a command printed counts only once it is out: a full disk or a
  // closed output is an error, not a success.
  errno = 0;
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    const int error = errno;
    std::cerr << "错误: 无法写入标准输出" << (error ? std::string(": ") + std::strerror(error) : "")
              << '\n';
    return 1;
  }
  return status;
}
