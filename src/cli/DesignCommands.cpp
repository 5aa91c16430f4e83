// Design commands: projects, classes, members and the sample design. Each
// runs the command the designer window runs and prints what it answers.
#include <iostream>
#include <memory>

#include "cli/CliSupport.h"
#include "commands/DesignCommands.h"
#include "vocabulary/SqlDialect.h"

namespace cli {

namespace {

// Shows a command's answer, given once the change is committed.
int Show(const TCommandResult& result) {
  if (!result) throw TRefused(result.message);
  if (!result.message.empty()) std::cout << result.message << '\n';
  return 0;
}

// Runs a command on what the reference names, found in the command's own
// transaction.
int ShowOn(const commands::TDesignRef& ref,
           const std::function<TCommandResult(const commands::TTarget&)>& command) {
  return Show(commands::OnTarget(ref, command));
}

const char* YesNo(int flag) {
  return flag == 1 ? "是" : "否";
}

// --NAME / --no-NAME pair setting an optional switch.
void AddSwitch(CLI::App* cmd, const std::string& name, std::optional<bool>& value,
               const std::string& help) {
  cmd->add_flag_callback(
      "--" + name, [&value] { value = true; }, help);
  cmd->add_flag_callback(
      "--no-" + name, [&value] { value = false; }, "取消: " + help);
}

// The member fields a command may set; unset ones keep their current value.
void AddMemberOptions(CLI::App* cmd, TMemberChanges& changes, bool withName) {
  if (withName) cmd->add_option("--name", changes.memberName, "新的成员名称");
  if (withName)
    cmd->add_option("--type", changes.memberType,
                    "成员类型: 字符串/整型/浮点型/日期型/图片型/布尔型或本工程的类名");
  cmd->add_option("--length", changes.lengthText, "长度(仅字符串类型有效)");
  cmd->add_option("--comment", changes.memberComment, "成员注释");
  AddSwitch(cmd, "key", changes.isPri, "是否主键");
  AddSwitch(cmd, "required", changes.isMust, "是否必填");
  AddSwitch(cmd, "query", changes.queryFlag, "是否参与查询");
  AddSwitch(cmd, "display", changes.isDisplay, "下拉框显示字段");
  AddSwitch(cmd, "shown", changes.queryDisplay, "查询界面是否显示(默认显示)");
  AddSwitch(cmd, "unique", changes.unique, "唯一(字符串、整型、浮点型、日期型)");
  cmd->add_option("--default", changes.defaultValue,
                  "默认值(字符串、整型、浮点型; 布尔型为 是 或 否; 空值取消)");
  cmd->add_option("--min", changes.minValue, "最小值(整型、浮点型; 空值取消)");
  cmd->add_option("--max", changes.maxValue, "最大值(整型、浮点型; 空值取消)");
  cmd->add_option("--choices", changes.choices, "可选值, 以逗号分隔(字符串; 空值取消)");
}

void RegisterProjectCommands(CLI::App& app, TContext& ctx) {
  CLI::App* project = app.add_subcommand("project", "工程: 列出、新建、改名、删除、设置");
  project->require_subcommand(1);

  project
      ->add_subcommand("list",
                       "列出所有工程(编号<TAB>名称[<TAB>完整查询窗体][<TAB>SQLite 嵌入式数据库])")
      ->callback([&ctx] {
        ctx.readOnly = true;
        ctx.run = [] {
          for (const auto& p : commands::ListProjects()) {
            const TDatabase database = commands::ProjectDatabase(p.id);
            std::cout << p.id << '\t' << p.name
                      << (commands::FullQueryForms(p.id) ? "\t完整查询窗体" : "")
                      << (database != TDatabase::SqlServer
                              ? "\t" + std::string(DatabaseChoiceOf(database).caption)
                              : "")
                      << '\n';
          }
          return 0;
        };
      });

  auto name = std::make_shared<std::string>();
  CLI::App* add = project->add_subcommand("add", "新建工程");
  add->add_option("name", *name, "工程名称")->required();
  add->callback([&ctx, name] { ctx.run = [name] { return Show(commands::AddProject(*name)); }; });

  auto renameRef = std::make_shared<TProjectRef>();
  auto newName = std::make_shared<std::string>();
  CLI::App* rename = project->add_subcommand("rename", "修改工程名称");
  renameRef->AddTo(rename);
  rename->add_option("new-name", *newName, "新的工程名称")->required();
  rename->callback([&ctx, renameRef, newName] {
    ctx.run = [renameRef, newName] {
      return ShowOn(renameRef->Ref(), [&](const commands::TTarget& t) {
        return commands::RenameProject(t.projectId, *newName);
      });
    };
  });

  auto deleteRef = std::make_shared<TProjectRef>();
  CLI::App* del = project->add_subcommand("delete", "删除工程及其所有类和成员");
  deleteRef->AddTo(del);
  del->callback([&ctx, deleteRef] {
    ctx.run = [deleteRef] {
      return ShowOn(deleteRef->Ref(), [](const commands::TTarget& t) {
        return commands::DeleteProject(t.projectId);
      });
    };
  });

  auto setRef = std::make_shared<TProjectRef>();
  auto setting = std::make_shared<std::string>();
  auto value = std::make_shared<std::string>();
  CLI::App* set = project->add_subcommand(
      "set",
      "工程设置: full-query-forms on|off (完整查询窗体), database sqlserver|sqlite (数据库)");
  setRef->AddTo(set);
  set->add_option("setting", *setting, "设置名称")
      ->required()
      ->check(CLI::IsMember({"full-query-forms", "database"}));
  set->add_option("value", *value, "on 或 off; 数据库为 " + DatabaseKeys())->required();
  set->callback([&ctx, setRef, setting, value] {
    if (*setting == "database") {
      const TDatabaseChoice* choice = DatabaseByKey(*value);
      if (!choice) throw CLI::ValidationError("value", *value + " 不是数据库: " + DatabaseKeys());
      ctx.run = [setRef, database = choice->database] {
        return ShowOn(setRef->Ref(), [&](const commands::TTarget& t) {
          return commands::SetDatabase(t.projectId, database);
        });
      };
      return;
    }
    if (*value != "on" && *value != "off")
      throw CLI::ValidationError("value", *value + " 不是 on 或 off");
    ctx.run = [setRef, value] {
      return ShowOn(setRef->Ref(), [&](const commands::TTarget& t) {
        return commands::SetFullQueryForms(t.projectId, *value == "on");
      });
    };
  });
}

void RegisterClassCommands(CLI::App& app, TContext& ctx) {
  CLI::App* cls = app.add_subcommand("class", "类: 列出、添加、修改、删除");
  cls->require_subcommand(1);

  auto listRef = std::make_shared<TProjectRef>();
  CLI::App* list =
      cls->add_subcommand("list", "列出工程的类(编号<TAB>类名<TAB>友好名称<TAB>前台显示)");
  listRef->AddTo(list);
  list->callback([&ctx, listRef] {
    ctx.readOnly = true;
    ctx.run = [listRef] {
      for (const auto& c : commands::ListClasses(listRef->Resolve()))
        std::cout << c.classId << '\t' << c.entry.className << '\t' << c.entry.friendName << '\t'
                  << YesNo(c.entry.frontShow) << '\n';
      return 0;
    };
  });

  struct AddArgs {
    TProjectRef project;
    std::string className, friendName;
    bool hidden = false;
  };
  auto addArgs = std::make_shared<AddArgs>();
  CLI::App* add = cls->add_subcommand("add", "添加类");
  addArgs->project.AddTo(add);
  add->add_option("class", addArgs->className, "类英文名称")->required();
  add->add_option("friend-name", addArgs->friendName, "中文友好名称")->required();
  add->add_flag("--no-front-show", addArgs->hidden, "不勾选 是否前台显示");
  add->callback([&ctx, addArgs] {
    ctx.run = [addArgs] {
      return ShowOn(addArgs->project.Ref(), [&](const commands::TTarget& t) {
        return commands::AddClass(t.projectId,
                                  {addArgs->className, addArgs->friendName, !addArgs->hidden});
      });
    };
  });

  struct UpdateArgs {
    TProjectRef project;
    std::string classRef;
    TClassChanges changes;
  };
  auto upArgs = std::make_shared<UpdateArgs>();
  CLI::App* update = cls->add_subcommand("update", "修改类名、友好名称或前台显示");
  upArgs->project.AddTo(update);
  update->add_option("class", upArgs->classRef, "类名或 #编号")->required();
  update->add_option("--name", upArgs->changes.className, "新的类英文名称");
  update->add_option("--friend-name", upArgs->changes.friendName, "新的中文友好名称");
  AddSwitch(update, "front-show", upArgs->changes.frontShow, "是否前台显示");
  update->callback([&ctx, upArgs] {
    ctx.run = [upArgs] {
      return ShowOn(upArgs->project.Ref(upArgs->classRef), [&](const commands::TTarget& t) {
        return commands::UpdateClassFields(t.projectId, t.classId, upArgs->changes);
      });
    };
  });

  struct DeleteArgs {
    TProjectRef project;
    std::string classRef;
  };
  auto delArgs = std::make_shared<DeleteArgs>();
  CLI::App* del = cls->add_subcommand("delete", "删除类及其成员");
  delArgs->project.AddTo(del);
  del->add_option("class", delArgs->classRef, "类名或 #编号")->required();
  del->callback([&ctx, delArgs] {
    ctx.run = [delArgs] {
      return ShowOn(delArgs->project.Ref(delArgs->classRef),
                    [](const commands::TTarget& t) { return commands::DeleteClass(t.classId); });
    };
  });
}

void RegisterMemberCommands(CLI::App& app, TContext& ctx) {
  CLI::App* member = app.add_subcommand("member", "成员: 列出、添加、修改、删除、上移、下移、交换");
  member->require_subcommand(1);

  struct Target {
    TProjectRef project;
    std::string classRef;
    void AddTo(CLI::App* cmd) {
      project.AddTo(cmd);
      cmd->add_option("class", classRef, "类名或 #编号")->required();
    }
    commands::TDesignRef Ref(std::vector<std::string> memberNames = {}) const {
      return project.Ref(classRef, std::move(memberNames));
    }
  };

  auto listArgs = std::make_shared<Target>();
  CLI::App* list = member->add_subcommand("list", "列出类的成员(列同设计窗口的成员列表)");
  listArgs->AddTo(list);
  list->callback([&ctx, listArgs] {
    ctx.readOnly = true;
    ctx.run = [listArgs] {
      const int classId = Resolve(listArgs->Ref()).classId;
      std::cout << "编号\t成员名称\t成员类型\t长度\t主键\t必填\t查询\t下拉框显示\t界面显示\t注释\n";
      for (const TMember& m : commands::ListMembers(classId)) {
        std::cout << m.memberId << '\t' << m.memberName << '\t' << m.memberType << '\t'
                  << m.LengthText() << '\t' << YesNo(m.memberIsPri) << '\t' << YesNo(m.memberIsMust)
                  << '\t' << YesNo(m.queryFlag) << '\t' << YesNo(m.memberIsDisplay) << '\t'
                  << YesNo(m.memberQueryDisplay) << '\t' << m.memberComment << '\n';
      }
      return 0;
    };
  });

  struct AddArgs : Target {
    std::string name, type;
    TMemberChanges options;
  };
  auto addArgs = std::make_shared<AddArgs>();
  CLI::App* add = member->add_subcommand("add", "添加成员");
  addArgs->AddTo(add);
  add->add_option("name", addArgs->name, "成员名称")->required();
  add->add_option("type", addArgs->type,
                  "成员类型: 字符串/整型/浮点型/日期型/图片型/布尔型或本工程的类名")
      ->required();
  AddMemberOptions(add, addArgs->options, false);
  add->callback([&ctx, addArgs] {
    ctx.run = [addArgs] {
      return ShowOn(addArgs->Ref(), [&](const commands::TTarget& t) {
        TMemberEntry entry;
        entry.memberName = addArgs->name;
        entry.memberType = addArgs->type;
        addArgs->options.ApplyTo(entry);
        return commands::AddMember(t.projectId, t.classId, entry);
      });
    };
  });

  struct UpdateArgs : Target {
    std::string memberRef;
    TMemberChanges options;
  };
  auto upArgs = std::make_shared<UpdateArgs>();
  CLI::App* update = member->add_subcommand("update", "修改成员属性(未给出的属性保持不变)");
  upArgs->AddTo(update);
  update->add_option("member", upArgs->memberRef, "成员名称或 #编号")->required();
  AddMemberOptions(update, upArgs->options, true);
  update->callback([&ctx, upArgs] {
    ctx.run = [upArgs] {
      return ShowOn(upArgs->Ref({upArgs->memberRef}), [&](const commands::TTarget& t) {
        return commands::UpdateMemberFields(t.projectId, t.classId, t.memberIds[0],
                                            upArgs->options);
      });
    };
  });

  struct OneArgs : Target {
    std::string memberRef;
  };
  auto oneCommand = [&](const char* name, const char* help,
                        std::function<TCommandResult(int classId, int memberId)> command) {
    auto args = std::make_shared<OneArgs>();
    CLI::App* cmd = member->add_subcommand(name, help);
    args->AddTo(cmd);
    cmd->add_option("member", args->memberRef, "成员名称或 #编号")->required();
    cmd->callback([&ctx, args, command] {
      ctx.run = [args, command] {
        return ShowOn(args->Ref({args->memberRef}), [&](const commands::TTarget& t) {
          return command(t.classId, t.memberIds[0]);
        });
      };
    });
  };

  oneCommand("delete", "删除成员",
             [](int, int memberId) { return commands::DeleteMember(memberId); });
  // Moves exchange with the neighbouring row, as the member list does.
  oneCommand("up", "成员上移",
             [](int classId, int memberId) { return commands::MoveMember(classId, memberId, -1); });
  oneCommand("down", "成员下移",
             [](int classId, int memberId) { return commands::MoveMember(classId, memberId, +1); });

  struct ExchangeArgs : Target {
    std::string first, second;
  };
  auto exArgs = std::make_shared<ExchangeArgs>();
  CLI::App* exchange = member->add_subcommand("exchange", "交换两个成员的位置");
  exArgs->AddTo(exchange);
  exchange->add_option("first", exArgs->first, "成员名称或 #编号")->required();
  exchange->add_option("second", exArgs->second, "成员名称或 #编号")->required();
  exchange->callback([&ctx, exArgs] {
    ctx.run = [exArgs] {
      return ShowOn(exArgs->Ref({exArgs->first, exArgs->second}), [](const commands::TTarget& t) {
        return commands::ExchangeMembers(t.classId, t.memberIds);
      });
    };
  });
}

}  // namespace

void RegisterDesignCommands(CLI::App& app, TContext& ctx) {
  RegisterProjectCommands(app, ctx);
  RegisterClassCommands(app, ctx);
  RegisterMemberCommands(app, ctx);

  app.add_subcommand("demo", "添加示例工程 Demo(图书管理，含所有成员类型)")->callback([&ctx] {
    ctx.run = [] { return Show(commands::AddSampleDesign()); };
  });
}

}  // namespace cli
