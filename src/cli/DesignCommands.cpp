// Design commands: projects, classes, members and the sample design. Each
// runs the command the designer window runs and prints what it answers.
#include <iostream>
#include <memory>

#include "cli/CliSupport.h"
#include "commands/DesignCommands.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/SqlDialect.h"

namespace cli {

namespace {

// Runs a command together with the lookups that find its targets, in one
// transaction, and shows its answer once the change is committed.
int Show(const std::function<TCommandResult()>& command) {
  TCommandResult result;
  TDbHelper().Transaction([&] { result = command(); });
  if (!result) throw TRefused(result.message);
  if (!result.message.empty()) std::cout << result.message << '\n';
  return 0;
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

// Member fields a command may set; unset ones keep their current value.
struct TMemberOptions {
  std::optional<std::string> name, type, length, comment;
  std::optional<bool> key, must, query, display, shown;

  void AddTo(CLI::App* cmd, bool withName) {
    if (withName) cmd->add_option("--name", name, "新的成员名称");
    if (withName)
      cmd->add_option("--type", type, "成员类型: 字符串/整型/浮点型/日期型/图片型或本工程其他类名");
    cmd->add_option("--length", length, "长度(仅字符串类型有效)");
    cmd->add_option("--comment", comment, "成员注释");
    AddSwitch(cmd, "key", key, "是否主键");
    AddSwitch(cmd, "required", must, "是否必填");
    AddSwitch(cmd, "query", query, "是否参与查询");
    AddSwitch(cmd, "display", display, "下拉框显示字段");
    AddSwitch(cmd, "shown", shown, "查询界面是否显示(默认显示)");
  }

  void ApplyTo(TMemberEntry& e) const {
    if (name) e.memberName = *name;
    if (type) e.memberType = *type;
    if (length) e.lengthText = *length;
    if (comment) e.memberComment = *comment;
    if (key) e.isPri = *key;
    if (must) e.isMust = *must;
    if (query) e.queryFlag = *query;
    if (display) e.isDisplay = *display;
    if (shown) e.queryDisplay = *shown;
  }
};

void RegisterProjectCommands(CLI::App& app, TContext& ctx) {
  CLI::App* project = app.add_subcommand("project", "工程: 列出、新建、改名、删除、设置");
  project->require_subcommand(1);

  project
      ->add_subcommand("list",
                       "列出所有工程(编号<TAB>名称[<TAB>完整查询窗体][<TAB>SQLite 嵌入式数据库])")
      ->callback([&ctx] {
        ctx.run = [] {
          TProjectDAO projects;
          for (const auto& p : projects.GetAllProjects()) {
            const TDatabase database = commands::ProjectDatabase(p.id);
            std::cout << p.id << '\t' << p.name
                      << (projects.GetFullQueryForms(p.id) ? "\t完整查询窗体" : "")
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
  add->callback([&ctx, name] {
    ctx.run = [name] { return Show([&] { return commands::AddProject(*name); }); };
  });

  auto renameRef = std::make_shared<TProjectRef>();
  auto newName = std::make_shared<std::string>();
  CLI::App* rename = project->add_subcommand("rename", "修改工程名称");
  renameRef->AddTo(rename);
  rename->add_option("new-name", *newName, "新的工程名称")->required();
  rename->callback([&ctx, renameRef, newName] {
    ctx.run = [renameRef, newName] {
      return Show([&] { return commands::RenameProject(renameRef->Resolve(), *newName); });
    };
  });

  auto deleteRef = std::make_shared<TProjectRef>();
  CLI::App* del = project->add_subcommand("delete", "删除工程及其所有类和成员");
  deleteRef->AddTo(del);
  del->callback([&ctx, deleteRef] {
    ctx.run = [deleteRef] {
      return Show([&] { return commands::DeleteProject(deleteRef->Resolve()); });
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
        return Show([&] { return commands::SetDatabase(setRef->Resolve(), database); });
      };
      return;
    }
    if (*value != "on" && *value != "off")
      throw CLI::ValidationError("value", *value + " 不是 on 或 off");
    ctx.run = [setRef, value] {
      return Show([&] { return commands::SetFullQueryForms(setRef->Resolve(), *value == "on"); });
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
    ctx.run = [listRef] {
      TClassDAO classes;
      for (const auto& c : classes.GetClassList(listRef->Resolve()))
        std::cout << c.id << '\t' << c.name << '\t' << classes.GetFriendName(c.id) << '\t'
                  << YesNo(classes.GetFrontShowFlag(c.id)) << '\n';
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
      return Show([&] {
        return commands::AddClass(addArgs->project.Resolve(),
                                  {addArgs->className, addArgs->friendName, !addArgs->hidden});
      });
    };
  });

  struct UpdateArgs {
    TProjectRef project;
    std::string classRef;
    std::optional<std::string> newName, friendName;
    std::optional<bool> frontShow;
  };
  auto upArgs = std::make_shared<UpdateArgs>();
  CLI::App* update = cls->add_subcommand("update", "修改类名、友好名称或前台显示");
  upArgs->project.AddTo(update);
  update->add_option("class", upArgs->classRef, "类名或 #编号")->required();
  update->add_option("--name", upArgs->newName, "新的类英文名称");
  update->add_option("--friend-name", upArgs->friendName, "新的中文友好名称");
  AddSwitch(update, "front-show", upArgs->frontShow, "是否前台显示");
  update->callback([&ctx, upArgs] {
    ctx.run = [upArgs] {
      return Show([&] {
        const int projectId = upArgs->project.Resolve();
        const int classId = ResolveClass(projectId, upArgs->classRef);
        TClassDAO classes;
        TClassEntry entry{classes.GetClassName(classId), classes.GetFriendName(classId),
                          classes.GetFrontShowFlag(classId) == 1};
        if (upArgs->newName) entry.className = *upArgs->newName;
        if (upArgs->friendName) entry.friendName = *upArgs->friendName;
        if (upArgs->frontShow) entry.frontShow = *upArgs->frontShow;
        return commands::UpdateClass(projectId, classId, entry);
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
      return Show([&] {
        return commands::DeleteClass(ResolveClass(delArgs->project.Resolve(), delArgs->classRef));
      });
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
    std::pair<int, int> Resolve() const {
      const int projectId = project.Resolve();
      return {projectId, ResolveClass(projectId, classRef)};
    }
  };

  auto listArgs = std::make_shared<Target>();
  CLI::App* list = member->add_subcommand("list", "列出类的成员(列同设计窗口的成员列表)");
  listArgs->AddTo(list);
  list->callback([&ctx, listArgs] {
    ctx.run = [listArgs] {
      const int classId = listArgs->Resolve().second;
      std::cout << "编号\t成员名称\t成员类型\t长度\t主键\t必填\t查询\t下拉框显示\t界面显示\t注释\n";
      for (const TMember& m : TMemberDAO().ListMembers(classId)) {
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
    TMemberOptions options;
  };
  auto addArgs = std::make_shared<AddArgs>();
  CLI::App* add = member->add_subcommand("add", "添加成员");
  addArgs->AddTo(add);
  add->add_option("name", addArgs->name, "成员名称")->required();
  add->add_option("type", addArgs->type,
                  "成员类型: 字符串/整型/浮点型/日期型/图片型或本工程其他类名")
      ->required();
  addArgs->options.AddTo(add, false);
  add->callback([&ctx, addArgs] {
    ctx.run = [addArgs] {
      return Show([&] {
        const auto [projectId, classId] = addArgs->Resolve();
        TMemberEntry entry;
        entry.memberName = addArgs->name;
        entry.memberType = addArgs->type;
        addArgs->options.ApplyTo(entry);
        return commands::AddMember(projectId, classId, entry);
      });
    };
  });

  struct UpdateArgs : Target {
    std::string memberRef;
    TMemberOptions options;
  };
  auto upArgs = std::make_shared<UpdateArgs>();
  CLI::App* update = member->add_subcommand("update", "修改成员属性(未给出的属性保持不变)");
  upArgs->AddTo(update);
  update->add_option("member", upArgs->memberRef, "成员名称或 #编号")->required();
  upArgs->options.AddTo(update, true);
  update->callback([&ctx, upArgs] {
    ctx.run = [upArgs] {
      return Show([&] {
        const auto [projectId, classId] = upArgs->Resolve();
        const TMember current = ResolveMember(classId, upArgs->memberRef);
        TMemberEntry entry = EntryFromMember(current);
        upArgs->options.ApplyTo(entry);
        return commands::UpdateMember(projectId, classId, current.memberId, entry);
      });
    };
  });

  struct OneArgs : Target {
    std::string memberRef;
  };
  auto oneCommand = [&](const char* name, const char* help,
                        std::function<TCommandResult(int classId, const TMember&)> command) {
    auto args = std::make_shared<OneArgs>();
    CLI::App* cmd = member->add_subcommand(name, help);
    args->AddTo(cmd);
    cmd->add_option("member", args->memberRef, "成员名称或 #编号")->required();
    cmd->callback([&ctx, args, command] {
      ctx.run = [args, command] {
        return Show([&] {
          const int classId = args->Resolve().second;
          return command(classId, ResolveMember(classId, args->memberRef));
        });
      };
    });
  };

  oneCommand("delete", "删除成员",
             [](int, const TMember& m) { return commands::DeleteMember(m.memberId); });
  // Moves exchange with the neighbouring row, as the member list does.
  oneCommand("up", "成员上移", [](int classId, const TMember& m) {
    return commands::MoveMember(classId, m.memberId, -1);
  });
  oneCommand("down", "成员下移", [](int classId, const TMember& m) {
    return commands::MoveMember(classId, m.memberId, +1);
  });

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
      return Show([&] {
        const int classId = exArgs->Resolve().second;
        const TMember a = ResolveMember(classId, exArgs->first);
        const TMember b = ResolveMember(classId, exArgs->second);
        return commands::ExchangeMembers(classId, {a.memberId, b.memberId});
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
    ctx.run = [] { return Show([] { return commands::AddSampleDesign(); }); };
  });
}

}  // namespace cli
