// The design commands the window and the command line both run, table by
// table: each entry with the message the user reads and the field it points
// to, where several rules meet an entry the one that answers first, the
// edges of names, texts and lengths, and the record an accepted member
// becomes. Then what the front ends cannot easily reach: a target removed
// by another process before the write. (Processes writing at once are the
// command line's concurrency test.)
#include <functional>

#include "TestSupport.h"
#include "commands/DesignReads.h"

namespace {

// One command and what it must answer: the message, and for a refusal the
// field it is about (kNoField for none); "" when the command went through.
const std::string kNoField = "-";
struct TCase {
  std::function<TCommandResult()> command;
  std::string message;
  std::string field;
};

void Expect(const std::vector<TCase>& cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const TCommandResult r = cases[i].command();
    EXPECT_EQ(r.message, cases[i].message) << "case " << i;
    EXPECT_EQ(r.done, cases[i].field.empty()) << "case " << i << ": " << r.message;
    if (!r.done) {
      EXPECT_EQ(r.field.empty() ? kNoField : r.field, cases[i].field) << r.message;
    }
  }
}

std::string Times(int n, const std::string& s) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

// A member entry as the dialog takes it; flags: k key, m must, q searched,
// d display, h hidden in the query grid.
TMemberEntry M(std::string name, std::string type, std::string_view flags = "",
               std::string length = "20", std::string comment = "") {
  const auto has = [&](char c) { return flags.find(c) != std::string_view::npos; };
  return {name, type, length, comment, has('k'), has('m'), has('q'), has('d'), !has('h')};
}

class CommandsTest : public TempDesign {
protected:
  void SetUp() override {
    TempDesign::SetUp();
    shop_ = commands::AddProject("Shop").id;
    dept_ = commands::AddClass(shop_, {"Dept", "部门"}).id;
    deptId_ = commands::AddMember(shop_, dept_, M("deptId", "整型", "km")).id;
  }
  static int Rows(const char* table) {
    return TDbHelper().GetIntValue(std::string("select count(*) from ") + table);
  }
  int shop_ = 0, dept_ = 0, deptId_ = 0;
};

TEST_F(CommandsTest, ProjectNames) {
  const int other = commands::AddProject("Other").id;
  const auto add = [](std::string name) { return [=] { return commands::AddProject(name); }; };
  const auto rename = [](int id, std::string name) {
    return [=] { return commands::RenameProject(id, name); };
  };
  const std::string added = "工程名称添加成功！", taken = "该工程名称已经存在!";
  const std::string unsafe = "工程名称不能含有 / 或 \\ 或控制字符，也不能是 . 或 ..!";
  std::vector<TCase> cases = {
      {add(""), "工程名称不能为空!", "projectName"},
      {add(std::string(81, 'P')), "工程名称不能超过80个字符!", "projectName"},
      // Characters are counted, not bytes; nothing is trimmed.
      {add(Times(80, "工")), added, ""},
      {add(" 图书"), added, ""},
      {add(".hidden"), added, ""},
      {add("com10"), added, ""},
      // More bytes than a folder name may have.
      {add(Times(80, "\xF0\x9F\x98\x80")), "工程名称太长，超过了目录名称的255字节!", "projectName"},
      // Taken names ignore ASCII case and never count themselves.
      {add("sHOP"), taken, "projectName"},
      {rename(shop_, ""), "工程项目名称不能为空!", "projectName"},
      {rename(shop_, ".."), unsafe, "projectName"},
      {rename(other, "shop"), taken, "projectName"},
      {rename(shop_, "SHOP"), "工程名称修改成功！", ""},
  };
  for (const char* name : {"a/b", "a\\b", ".", "..", "tab\there", "del\x7f"})
    cases.push_back({add(name), unsafe, "projectName"});
  // Folders Windows will not make, where the generated solution is used.
  for (const char* name : {"con", "Nul.txt", "LPT9", "name.", "name ", "  ", "..."})
    cases.push_back({add(name), msg::kProjectNameWindows, "projectName"});
  Expect(cases);
}

TEST_F(CommandsTest, ClassNames) {
  const int other = commands::AddProject("Other").id;
  commands::AddClass(shop_, {"Emp", "员工"});
  const auto add = [this](std::string name, std::string friendName, int project = 0) {
    return [=, this] { return commands::AddClass(project ? project : shop_, {name, friendName}); };
  };
  const auto update = [this](std::string name, std::string friendName) {
    return [=, this] { return commands::UpdateClass(shop_, dept_, {name, friendName}); };
  };
  const std::string capital = "类名首个字母必须大写", added = "类名称添加成功！";
  std::vector<TCase> cases = {
      {add("", ""), "类名称不能为空!", "className"},
      // Adding asks for the friendly name before the capital, updating after it.
      {add("dept", ""), "友好名称不能为空", "friendName"},
      {update("dept", ""), capital, "className"},
      {update("", ""), "类名称不能为空", "className"},
      {update("Depart", ""), "友好名称不能为空", "friendName"},
      {add("A" + std::string(128, 'b'), "甲"), "类名称不能超过128个字符!", "className"},
      {add("A", Times(129, "甲")), "友好名称不能超过128个字符!", "friendName"},
      {add("DEPT", "部门"), "该类名称已经存在!", "className"},
      {update("EMP", "部门"), "该类名称已经存在!", "className"},
      {add("Dept", "部门", other), added, ""},
      {add("A" + std::string(127, 'b'), Times(128, "甲")), added, ""},
      {add("Z图书 2", "书"), added, ""},
      {update("DEPT", "部门"), "类名称更新成功", ""},
  };
  // Only the first byte is tested, against 'A' to 'Z' exactly.
  for (const char* name : {"@Book", "[Book", " Dept", "部门"})
    cases.push_back({add(name, "书"), capital, "className"});
  // Control characters would break list output, terminals and comments.
  for (const char* bad : {"\x1b[2J", "\n", "\t", "\xC2\x85"}) {
    cases.push_back({add(std::string("Book") + bad, "书"), "类名称不能含有控制字符(换行、制表符等)!",
                     "className"});
    cases.push_back({add("Book", std::string("书") + bad),
                     "友好名称不能含有控制字符(换行、制表符等)!", "friendName"});
  }
  Expect(cases);
}

TEST_F(CommandsTest, MemberEntries) {
  const int emp = commands::AddClass(shop_, {"Emp", "员工"}).id;
  commands::AddClass(shop_, {"Area", "地区"});
  commands::AddClass(commands::AddProject("Other").id, {"Far", "远"});
  const auto add = [&](TMemberEntry e) {
    return [=, this] { return commands::AddMember(shop_, emp, e); };
  };
  const std::string lower = "成员属性首个字母必须小写", key = "主键字段必须是整型或字符串型!";
  const std::string added = "类成员属性添加成功!";
  // The types offered: the base types, then the project's classes in class
  // order, the class itself included.
  const std::string offered =
      "\" 不可用，可选: 字符串、整型、浮点型、日期型、图片型、布尔型、Dept、Emp、Area";
  std::vector<TCase> cases = {
      {add(M("", "整型")), "成员名称输入不能为空!", "memberName"},
      // The must flag first, then the key rule, then the query rule.
      {add(M("a", "整型", "q")), "整型必须勾选是否必填标志!", "memberIsMust"},
      {add(M("a", "日期型")), "日期型必须勾选是否必填标志!", "memberIsMust"},
      {add(M("a", "Dept")), "Dept必须勾选是否必填标志!", "memberIsMust"},
      {add(M("a", "浮点型", "kmq")), key, "memberIsPri"},
      {add(M("a", "日期型", "km")), key, "memberIsPri"},
      {add(M("a", "Dept", "km")), key, "memberIsPri"},
      {add(M("a", "图片型", "k")), key, "memberIsPri"},
      {add(M("a", "整型", "mq")), "参与查询的字段不能是整型", "queryFlag"},
      {add(M("a", "浮点型", "mq")), "参与查询的字段不能是浮点型", "queryFlag"},
      {add(M("a", "图片型", "q")), "参与查询的字段不能是图片型", "queryFlag"},
      // The type is checked before anything else.
      {add(M("a", "布尔型")), "布尔型必须勾选是否必填标志!", "memberIsMust"},
      {add(M("a", "布尔型", "km")), key, "memberIsPri"},
      // A reference to the class itself may be empty: never required.
      {add(M("boss", "Emp", "m")), "引用本类的成员不能勾选是否必填标志!", "memberIsMust"},
      {add(M("a", "Emp", "km")), "引用本类的成员不能勾选是否必填标志!", "memberIsMust"},
      {add(M("A", "Far")), "成员类型 \"Far" + offered, "memberType"},
      {add(M(std::string(129, 'n'), "字符串")), "成员名称不能超过128个字符!", "memberName"},
      {add(M("a", "字符串", "", "20", Times(129, "注"))), "成员注释不能超过128个字符!",
       "memberComment"},
      {add(M("a" + std::string(127, 'b'), "字符串", "", "1", Times(128, "注"))), added, ""},
      {add(M("z Itle书", "字符串", "q", " +8000 ")), added, ""},
      // The length is read for strings only; a string key may be searched.
      {add(M("photo", "图片型", "", "x")), added, ""},
      {add(M("n", "整型", "m", "-5")), added, ""},
      {add(M("code", "字符串", "kq")), added, ""},
      {add(M("price", "浮点型", "mdh", "20", "价")), added, ""},
  };
  // Only the first byte is tested, against 'a' to 'z' exactly.
  for (const char* name : {"EmpId", "`a", "{a", "书名"})
    cases.push_back({add(M(name, "整型")), lower, "memberName"});
  for (const char* bad : {"\x1b[2J", "\r\n", "\x7f"}) {
    cases.push_back({add(M(std::string("a") + bad, "字符串")),
                     "成员名称不能含有控制字符(换行、制表符等)!", "memberName"});
    cases.push_back({add(M("a", "字符串", "", "20", std::string("注") + bad)),
                     "成员注释不能含有控制字符(换行、制表符等)!", "memberComment"});
  }
  for (const char* length : {"abc", "", "  ", "5 0", "2.5", "2e3"})
    cases.push_back({add(M("s", "字符串", "", length)), "长度必须是整数!", "memberLength"});
  for (const char* length : {"0", "-1", "8001", "2147483648", "-99999999999"})
    cases.push_back(
        {add(M("s", "字符串", "", length)), "字符串长度必须在1到8000之间!", "memberLength"});
  Expect(cases);

  // The records, their flags following the type.
  const std::vector<TMember> stored = TMemberDAO().ListMembers(emp);
  ASSERT_EQ(stored.size(), 6u);
  EXPECT_EQ(std::tie(stored[1].memberLength, stored[1].queryFlag), std::make_tuple(8000, 1));
  EXPECT_EQ(stored[2].memberLength + stored[3].memberLength, 0);
  EXPECT_EQ(stored[3].memberIsInteger, 1);
  const TMember& price = stored[5];
  EXPECT_EQ(std::tie(price.memberIsFloat, price.memberIsInteger, price.memberIsPri, price.queryFlag,
                     price.memberIsMust, price.memberIsDisplay, price.memberQueryDisplay),
            std::make_tuple(1, 0, 0, 0, 1, 1, 0));
  EXPECT_EQ(price.memberComment, "价");

  // An update keeps to the same rules; a string made an integer loses its
  // length and becomes an integer member.
  const int title = stored[1].memberId;
  const auto update = [&](int id, TMemberEntry e) {
    return [=, this] { return commands::UpdateMember(shop_, emp, id, e); };
  };
  Expect({
      {update(title, M("Title", "整型")), lower, "memberName"},
      {update(title, M("title", "字符串", "", "0")), "字符串长度必须在1到8000之间!",
       "memberLength"},
      {update(-1, M("title", "字符串")), "请先选择一个成员", kNoField},
      {update(title, M("title", "整型", "m")), "类成员属性更新成功!", ""},
  });
  const TMember updated = *TMemberDAO().GetMember(title);
  EXPECT_EQ(std::tie(updated.memberLength, updated.memberIsInteger, updated.queryFlag),
            std::make_tuple(0, 1, 0));
}

TEST_F(CommandsTest, MemberConstraints) {
  const int emp = commands::AddClass(shop_, {"Emp", "员工"}).id;
  int n = 0;
  const auto add = [&](std::string type, std::string length, TMemberConstraints c,
                       std::string_view flags = "m") {
    TMemberEntry e = M("v" + std::to_string(++n), type, flags, length);
    e.constraints = std::move(c);
    return [=, this] { return commands::AddMember(shop_, emp, e); };
  };
  const auto unique = [] { return TMemberConstraints{.unique = true}; };
  const auto range = [](std::string min, std::string max, std::string value = "") {
    return TMemberConstraints{false, value, min, max, {}};
  };
  const auto choices = [](std::string list, std::string value = "") {
    return TMemberConstraints{false, value, "", "", SplitChoices(list)};
  };
  const std::string added = "类成员属性添加成功!";
  // What the type takes first, then the numbers, the choices, the default.
  Expect({
      {add("图片型", "", unique()), "图片型类型的成员不能设置唯一!", "unique"},
      {add("字符串", "20", unique(), ""), "唯一的成员必须勾选是否必填标志!", "unique"},
      {add("字符串", "9", range("1", "")), "字符串类型的成员不能设置最小值和最大值!", "minValue"},
      {add("整型", "", choices("1")), "整型类型的成员不能设置可选值!", "choices"},
      {add("日期型", "", range("", "", "x")), "日期型类型的成员不能设置默认值!", "defaultValue"},
      {add("整型", "", range("1.5", "")), "最小值必须是整数!", "minValue"},
      {add("浮点型", "", range("", "1e3")), "最大值必须是数字!", "maxValue"},
      {add("整型", "", range("5", "1")), "最小值不能大于最大值!", "minValue"},
      {add("字符串", "2", choices("男,已审核")), "可选值 已审核 超过了成员长度 2(汉字按 2 计)!",
       "choices"},
      {add("字符串", "2", choices("男,女,男")), "可选值 男 重复!", "choices"},
      {add("字符串", "2", choices("男,")), "可选值不能为空!", "choices"},
      {add("整型", "", range("1", "10", "11")), "默认值应在 1 到 10 之间!", "defaultValue"},
      {add("浮点型", "", range("0.5", "", "0")), "默认值不能小于 0.5!", "defaultValue"},
      {add("字符串", "2", choices("男,女", "中")), "默认值必须是可选值之一!", "defaultValue"},
      {add("布尔型", "", range("", "", "true")), "默认值必须是 是 或 否!", "defaultValue"},
      {add("整型", "", {true, " +18 ", " +16 ", "70", {}}), added, ""},
      {add("字符串", "6", choices(" 草稿，已审核 , 已作废", "草稿")), added, ""},
      {add("布尔型", "", range("", "", "是")), added, ""},
      {add("Emp", "", {}), "引用本类的成员不能勾选是否必填标志!", "memberIsMust"},
  });
  // Stored in plain form; the command line's changes clear what is empty.
  std::vector<TMember> stored = TMemberDAO().ListMembers(emp);
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[0].constraints, (TMemberConstraints{true, "18", "16", "70", {}}));
  EXPECT_EQ(stored[1].constraints.choices, (std::vector<std::string>{"草稿", "已审核", "已作废"}));
  EXPECT_EQ(stored[2].constraints.defaultValue, "是");
  ASSERT_TRUE(commands::UpdateMemberFields(shop_, emp, stored[0].memberId,
                                           {.unique = false, .minValue = ""}));
  EXPECT_EQ(TMemberDAO().GetMember(stored[0].memberId)->constraints, range("", "70", "18"));
  // A member exchanged or deleted takes its constraints along.
  ASSERT_TRUE(commands::ExchangeMembers(emp, {stored[0].memberId, stored[1].memberId}));
  EXPECT_EQ(TMemberDAO().GetMember(stored[0].memberId)->constraints.defaultValue, "草稿");
  ASSERT_TRUE(commands::DeleteMember(stored[2].memberId));
  const int again = commands::AddMember(shop_, emp, M("flag", "布尔型", "m")).id;
  EXPECT_TRUE(TMemberDAO().GetMember(again)->constraints.Empty());
}

TEST_F(CommandsTest, MemberListOperationsFollowTheOrderStoredNow) {
  for (const char* n : {"b", "c"}) ASSERT_TRUE(commands::AddMember(shop_, dept_, M(n, "字符串")));
  const std::vector<TMember> before = TMemberDAO().ListMembers(dept_);
  const int a = before[0].memberId, b = before[1].memberId, c = before[2].memberId;
  const auto move = [this](int id, int step) {
    return [=, this] { return commands::MoveMember(dept_, id, step); };
  };
  const auto exchange = [this](std::vector<int> ids) {
    return [=, this] { return commands::ExchangeMembers(dept_, ids); };
  };
  Expect({
      {move(a, -1), "第一个成员无法上移了！", kNoField},
      {move(c, +1), "最后一个成员无法下移了！", kNoField},
      {move(-1, +1), "请先选择一个成员", kNoField},
      {exchange({a, a}), "请选中2条记录!", kNoField},
      {exchange({a, b, c}), "请选中2条记录!", kNoField},
      {[] { return commands::DeleteMember(-1); }, "请先选择一个成员", kNoField},
      {move(c, -1), "", ""},
  });
  std::vector<std::string> names;
  for (const TMember& m : TMemberDAO().ListMembers(dept_)) names.push_back(m.memberName);
  EXPECT_EQ(names, (std::vector<std::string>{"deptId", "c", "b"}));
  Expect({{[c] { return commands::DeleteMember(c); }, "成员属性删除成功", ""},
          {[this] { return commands::DeleteClass(dept_); }, "类对象删除成功!", ""},
          {[this] { return commands::DeleteProject(shop_); }, "删除成功!", ""}});
}

TEST_F(CommandsTest, TargetsGoneBeforeTheWriteAreReportedAndNothingIsWritten) {
  const TMemberEntry name = M("name", "字符串");
  const int other = commands::AddClass(shop_, {"Other", "其他"}).id;
  const int otherId = commands::AddMember(shop_, other, name).id;
  commands::DeleteClass(other);
  const int rows = Rows("t_member");
  const std::string classGone = "该类已不存在!", memberGone = "该成员已不存在!";
  using namespace commands;
  Expect({
      {[&] { return AddMember(shop_, other, name); }, classGone, kNoField},
      {[&] { return UpdateClass(shop_, other, {"Other", "其他"}); }, classGone, kNoField},
      {[&] { return DeleteClass(other); }, classGone, kNoField},
      {[&] { return UpdateMember(shop_, other, otherId, name); }, memberGone, kNoField},
      // A member of another class is not this class's, whatever its identifier.
      {[&] { return UpdateMember(shop_, dept_, otherId, name); }, memberGone, kNoField},
      {[&] { return DeleteMember(otherId); }, memberGone, kNoField},
      {[&] { return MoveMember(dept_, otherId, -1); }, memberGone, kNoField},
      {[&] { return ExchangeMembers(dept_, {deptId_, otherId}); }, memberGone, kNoField},
  });
  EXPECT_EQ(Rows("t_member"), rows);
  DeleteProject(shop_);
  Expect({{[&] { return AddClass(shop_, {"Late", "迟"}); }, "该工程已不存在!", kNoField},
          {[&] { return RenameProject(shop_, "Store"); }, "该工程已不存在!", kNoField}});
  EXPECT_EQ(Rows("t_class") + Rows("t_project"), 0);
}

TEST_F(CommandsTest, CommandLineNamesFindOneTargetOrNothing) {
  const auto ref = [](std::string project, std::optional<int> projectId,
                      std::optional<std::string> cls = {}, std::vector<std::string> members = {}) {
    return commands::TDesignRef{std::move(project), projectId, std::move(cls), std::move(members)};
  };
  const int first = commands::AddMember(shop_, dept_, M("twin", "字符串")).id;
  const int second = commands::AddMember(shop_, dept_, M("twin", "字符串")).id;
  const int foreign = commands::AddClass(commands::AddProject("Other").id, {"Dept", "部门"}).id;
  const commands::TLookup found = commands::Find(
      ref("Shop", shop_, "#" + std::to_string(dept_), {"#" + std::to_string(second), "deptId"}));
  ASSERT_TRUE(found) << found.refusal;
  EXPECT_EQ(found.target.classId, dept_);
  EXPECT_EQ(found.target.memberIds, (std::vector<int>{second, deptId_}));
  EXPECT_EQ(commands::Find(ref("Shop", {}, "Dept", {"twin"})).refusal,
            "有多个成员名为 \"twin\"(编号 " + std::to_string(first) + ", " +
                std::to_string(second) + ")，请用 #编号 指定其一");
  // Names are exact; "#" with anything but a number is a name; a number
  // names a class of this project only.
  for (const commands::TDesignRef& wrong :
       {ref("shop", {}), ref("Shop", shop_ + 1), ref("Shop", {}, "dept"), ref("Shop", {}, "#+1"),
        ref("Shop", {}, "#" + std::to_string(foreign)), ref("Shop", {}, "Dept", {"#1x"})})
    EXPECT_FALSE(commands::Find(wrong)) << wrong.project << " " << wrong.className.value_or("");
  bool ran = false;
  EXPECT_FALSE(commands::OnTarget(ref("Shop", {}, "Dept", {"none"}), [&](const commands::TTarget&) {
    ran = true;
    return TCommandResult();
  }));
  EXPECT_FALSE(ran);
}

}  // namespace
