// The table-script command: prints the SQL Server script that creates a
// project's database, or writes it to a file, in UTF-8 or GBK.
#include <iostream>
#include <memory>

#include "cli/CliSupport.h"
#include "commands/UserFiles.h"
#include "sqlscript/DataBaseSql.h"
#include "vocabulary/Encoding.h"

namespace cli {

namespace {

struct TSqlArgs {
  TProjectRef project;
  std::optional<std::string> output;
  std::string encoding = "utf8";
};

int RunSql(const TSqlArgs& args) {
  const TTableScript script = BuildTableScript(args.project.Resolve());
  // An incomplete design still gives a script; what it leaves out is also
  // named here, where a redirected stdout does not hide it.
  for (const std::string& problem : script.problems) std::cerr << "警告: " << problem << '\n';

  // Converted before anything is written, so a failure leaves no partial file.
  const std::string bytes = args.encoding == "gbk"
                                ? Utf8ToGbk(script.text, args.output.value_or("建表脚本"))
                                : script.text;
  if (args.output) {
    WriteUserFile(*args.output, bytes);
    return 0;
  }
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  if (!std::cout) throw TRefused("无法写入标准输出");
  return 0;
}

}  // namespace

void RegisterScriptCommands(CLI::App& app, TContext& ctx) {
  auto args = std::make_shared<TSqlArgs>();
  CLI::App* sql = app.add_subcommand("sql", "生成建表sql语句(SQL Server)，默认写到标准输出");
  args->project.AddTo(sql);
  sql->add_option("-o,--output", args->output, "写入此文件(写完整后才替换原有文件)，不写标准输出");
  sql->add_option("--encoding", args->encoding, "输出编码: utf8(默认) 或 gbk")
      ->check(CLI::IsMember({"utf8", "gbk"}));
  sql->callback([&ctx, args] {
    ctx.readOnly = true;
    ctx.run = [args] { return RunSql(*args); };
  });
}

}  // namespace cli
