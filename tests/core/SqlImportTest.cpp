// Designs from SQL Server table scripts: our own scripts come back as the
// same classes and members (random designs are the random-design test's); a
// script in the management tool's style and hand-written forms become the
// design the README's table describes, with their warnings; a changed
// script brought into a project keeps the designer's choices; scripts
// that cannot be read, or entries the rules refuse, name their place and
// leave the design file as it was. (The command line's test shows the
// warnings and refusals of the sample's script where the user reads them.)
#include "TestSupport.h"
#include "commands/DesignReads.h"
#include "commands/DesignText.h"
#include "commands/SqlScriptImport.h"
#include "sqlscript/DataBaseSql.h"
#include "vocabulary/Encoding.h"
#include "vocabulary/Text.h"

namespace {

// What a table script states of a design: classes and members in order,
// types, lengths, keys and (where the column says it) required flags.
std::string ScriptFacts(const TDesign& design) {
  std::string out;
  for (const TDesignClass& c : design.classes) {
    out += c.className + "\n";
    for (const TDesignMember& m : c.members)
      out += "  " + m.memberName + " " + m.memberType + " " + std::to_string(m.memberLength) +
             (m.IsKey() ? " key" : "") +
             (m.IsMust() && m.kind != TFieldKind::Image ? " must" : "") + "\n";
  }
  return out;
}

// The whole design, the designer's choices included.
std::string Everything(int projectId) {
  const TDesign design = ReadDesign(projectId);
  std::string out;
  for (const TDesignClass& c : design.classes) {
    out += c.className + " (" + c.friendName + (c.frontShowFlag == 1 ? "" : ", hidden") + ")\n";
    for (const TDesignMember& m : c.members)
      out += "  " + m.memberName + " " + m.memberType +
             (m.memberLength ? "(" + std::to_string(m.memberLength) + ")" : "") +
             (m.IsKey() ? " key" : "") + (m.IsMust() ? " must" : "") +
             (m.IsQueried() ? " query" : "") + (m.IsDisplay() ? " display" : "") +
             (m.IsShown() ? "" : " hidden") + (m.constraints.unique ? " unique" : "") + " - " +
             m.memberComment + "\n";
  }
  return out;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

class SqlImportTest : public TempDesign {
protected:
  std::string DesignFile() const { return test::ReadFile(Dir() / "projects.mdb"); }
};

// The sample, and a design with a reference to a later class, yes/no,
// image and optional members.
TEST_F(SqlImportTest, OurOwnScriptsComeBackAsTheSameDesign) {
  int sample = 0;
  ASSERT_EQ(CreateSampleDesign(sample), std::nullopt);
  const int p = TProjectDAO().AddProject("Loans");
  const int loan = test::AddClass(p, "Loan", "借阅");
  test::TMemberBuilder(p, loan, "loanNo", kTypeString, "单号", 12).Key().Store();
  test::TMemberBuilder(p, loan, "reader", "Reader").Store();
  test::TMemberBuilder(p, loan, "note", kTypeString, "it's", 300).Optional().Store();
  test::TMemberBuilder(p, loan, "back", kTypeBoolean).Store();
  test::TMemberBuilder(p, loan, "photo", kTypeImage).Optional().Store();
  test::TMemberBuilder(p, test::AddClass(p, "Reader", "读者"), "readerId", kTypeInteger)
      .Key()
      .Store();
  for (int project : {sample, p}) {
    const TDesign original = ReadDesign(project);
    const TSqlImport back =
        ImportSqlScript(BuildTableScript(project).text, "Back" + original.projectName);
    EXPECT_TRUE(test::SameText(ScriptFacts(original), ScriptFacts(ReadDesign(back.projectId))));
  }
}

// Column constraints of the forms the design keeps become the members'
// constraints, with the script the program writes among them; others are
// left out with a warning.
TEST_F(SqlImportTest, UniqueDefaultsRangesAndListsBecomeConstraints) {
  const TSqlImport done = ImportSqlScript(
      R"(create table T (id int primary key, name varchar(10) not null unique,
  sex varchar(2) not null default ('男') check (sex in ('男','女')),
  age int not null default ((18)) check ([age]>=16 and [age]<=70), ok bit not null default 1,
  off bit not null default 0, rate float not null check (rate between -1.5 and 2),
  note varchar(5) null unique, code varchar(2) default 'abc', other int check (other > 0))
)",
      "Checks");
  const auto constraints = [](int projectId) {
    std::vector<TMemberConstraints> out;
    const TDesign design = ReadDesign(projectId);
    for (const TDesignMember& m : design.classes.at(0).members) out.push_back(m.constraints);
    return out;
  };
  const std::vector<TMemberConstraints> expected = {
      {},
      {true, "", "", "", {}},
      {false, "男", "", "", {"男", "女"}},
      {false, "18", "16", "70", {}},
      {false, "是", "", "", {}},
      {},
      {false, "", "-1.5", "2", {}},
      {},
      {},
      {}};
  EXPECT_EQ(constraints(done.projectId), expected);
  EXPECT_TRUE(test::SameText(R"(未处理的语句 CHECK 约束 已跳过(第 5 行)
表 dbo.T 的列 note 的约束未导入: 唯一的成员必须勾选是否必填标志!
表 dbo.T 的列 code 的约束未导入: 默认值超过了成员长度 2(汉字按 2 计)!
)",
                             Lines(done.warnings)));
  // The script of such a design comes back as the same design.
  EXPECT_EQ(constraints(ImportSqlScript(BuildTableScript(done.projectId).text, "Again").projectId),
            expected);
}

TEST_F(SqlImportTest, AScriptInTheManagementToolsStyleBecomesTheDesignWithItsWarnings) {
  const std::string script =
      test::ReadFile(test::kSourceDir / "tests/fixtures/sql/library_ssms.sql");
  ASSERT_FALSE(script.empty());
  const TSqlImport done = ImportSqlScript(DecodeScript(script, TScriptEncoding::Utf8), "Library");
  EXPECT_TRUE(test::SameAsGolden("sqlimport/library_ssms.txt",
                                 Everything(done.projectId) + "\n" + Lines(done.warnings)));
}

// Forms the fixture above does not use: quoted and bare names, schemas,
// guarded creation, references on the column, alias types with their
// nullability, ALTER TABLE ... ADD of a column, GO with a count, nested
// comments, literals holding what looks like syntax, positional
// descriptions. The same script in UTF-16, with a UTF-8 mark and in GBK
// reads the same.
TEST_F(SqlImportTest, HandWrittenScriptsInEveryFormAndEncoding) {
  const std::string script = R"(/* header /* nested */ still a comment */
use shop; set nocount on
create type Money2 from decimal(12, 2) not null
go 2
IF NOT EXISTS (SELECT * FROM sys.objects WHERE name = N'客户' AND type IN (N'U'))
BEGIN
  create table sales."客户" ( "客户编号" int identity(1, 1) primary key, 名称 nvarchar(20) not null,
    code varchar default ('x;GO'), balance Money2, since datetime default null, )
END
GO
create table sales.Orders(id bigint not null constraint PK_O primary key nonclustered,
  customer int constraint FK_OC foreign key references sales.客户 on delete cascade,
  [memo] nvarchar(max) collate Chinese_PRC_CI_AS null, [2nd] char(5) NOT NULL check (len([2nd]) > 0),
  -- a comment inside the table
  total as (id * 2) persisted)
alter table sales.Orders add shipped date null, [order id] int
exec sp_addextendedproperty 'MS_Description', '订单 ''2024''', 'SCHEMA', 'sales', 'TABLE', 'Orders';
insert sales.Orders (id) values (1); insert sales.Orders (id) values (2)
)";
  const TSqlImport done = ImportSqlScript(script, "Hand");
  const std::string expected = R"(T客户 (客户)
  f客户编号 整型 key must - 客户编号
  f名称 字符串(20) must display - 名称
  code 字符串(1) - code
  balance 浮点型 must - balance
  since 日期型 must - since
Orders (订单 '2024')
  id 整型 key must - id
  customer T客户 must - customer
  memo 字符串(8000) display - memo
  f2nd 字符串(5) must - 2nd
  shipped 日期型 must - shipped
  orderId 整型 must - order id

计算列 sales.Orders.total 已跳过(第 15 行)
未处理的语句 CHECK 约束 已跳过(第 13 行)
数据语句 INSERT 已跳过(共 2 条，第 18 行)
表 sales.客户 导入为 T客户(第 7 行)
表 sales.客户 的列 客户编号 导入为 f客户编号(第 7 行)
表 sales.客户 的列 名称 导入为 f名称(第 7 行)
表 sales.客户 的列 code 的约束未导入: 默认值超过了成员长度 1(汉字按 2 计)!
表 sales.Orders 的列 2nd 导入为 f2nd(第 13 行)
表 sales.Orders 的列 order id 导入为 orderId(第 16 行)
表 sales.Orders 的外键(第 12 行)的列 customer 可为空，导入为引用成员后为必填
)";
  EXPECT_TRUE(test::SameText(expected, Everything(done.projectId) + "\n" + Lines(done.warnings)));

  // UTF-16 as the management tool saves it: little-endian with its mark.
  std::string utf16 = "\xFF\xFE";
  for (std::size_t i = 0; i < script.size();) {
    const char32_t c = NextCodePoint(script, i);
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  const std::vector<std::pair<std::string, TScriptEncoding>> encoded = {
      {utf16, TScriptEncoding::Gbk},
      {"\xEF\xBB\xBF" + script, TScriptEncoding::Utf8},
      {Utf8ToGbk(script, "脚本"), TScriptEncoding::Automatic},
      {script, TScriptEncoding::Automatic},
  };
  for (const auto& [bytes, encoding] : encoded) EXPECT_EQ(DecodeScript(bytes, encoding), script);
}

TEST_F(SqlImportTest, ReimportFollowsTheScriptAndKeepsTheDesignersChoices) {
  const int p = ImportSqlScript(R"(
create table Customer (CustomerId int identity primary key, Name nvarchar(40) not null,
  City nvarchar(30) null, Vip bit not null)
create table [Order] (OrderId int identity primary key, CustomerId int not null references Customer,
  Placed datetime not null, Note varchar(100) null, Total money not null)
create table Legacy (Code char(4) primary key, Label nvarchar(20))
)",
                                "Shop")
                    .projectId;
  // The designer's choices, none of which a script states.
  const auto classId = [&](const std::string& name) {
    return commands::Find({"Shop", std::nullopt, name, {}}).target.classId;
  };
  const auto memberId = [&](const std::string& cls, const std::string& name) {
    return commands::Find({"Shop", std::nullopt, cls, {name}}).target.memberIds.at(0);
  };
  ASSERT_TRUE(commands::UpdateClassFields(p, classId("Customer"),
                                          {.friendName = "客户", .frontShow = false}));
  ASSERT_TRUE(commands::UpdateMemberFields(
      p, classId("Customer"), memberId("Customer", "city"),
      {.memberComment = "所在城市", .queryFlag = true, .queryDisplay = false}));
  ASSERT_TRUE(commands::UpdateMemberFields(p, classId("Order"), memberId("Order", "placed"),
                                           {.queryFlag = true}));
  ASSERT_TRUE(commands::ExchangeMembers(classId("Order"),
                                        {memberId("Order", "placed"), memberId("Order", "note")}));

  const std::string changed = R"(
create table Customer (CustomerId int identity primary key, Name nvarchar(60) not null,
  City int not null, Vip bit not null, Phone varchar(20) null)
create table [Order] (OrderId int identity primary key, CustomerId int not null references Customer,
  Placed datetime not null, Note varchar(100) not null)
create table Supplier (SupplierId int primary key, Name nvarchar(50) not null)
exec sp_addextendedproperty N'MS_Description', N'订单', N'SCHEMA', N'dbo', N'TABLE', N'Order'
)";
  const std::string changes = R"(变更类 Order: 友好名称 Order → 订单
新增类 Supplier(表 dbo.Supplier，2 个成员)
变更成员 Customer.name: 长度 40 → 60
变更成员 Customer.city: 类型 字符串 → 整型，长度 30 → 0，必填 否 → 是，参与查询 是 → 否
新增成员 Customer.phone
变更成员 Order.note: 必填 否 → 是
保留成员 Order.total(脚本中没有)
保留类 Legacy(脚本中没有)
)";
  // A dry run reports the same; that it writes nothing is the command
  // line's test, as are pruning again and a script that changes nothing.
  EXPECT_EQ(Lines(ReimportSqlScript(changed, p, {false, true}).lines), changes);
  const TReimport done = ReimportSqlScript(changed, p, {});
  EXPECT_TRUE(test::SameText(changes, Lines(done.lines)));
  EXPECT_EQ(done.changes, 6);
  EXPECT_TRUE(test::SameText(R"(Customer (客户, hidden)
  customerId 整型 key must - CustomerId
  name 字符串(60) must display - Name
  city 整型 must hidden - 所在城市
  vip 布尔型 must - Vip
  phone 字符串(20) - Phone
Order (订单)
  orderId 整型 key must - OrderId
  customerId Customer must - CustomerId
  note 字符串(100) must display - Note
  placed 日期型 must query - Placed
  total 浮点型 must - Total
Legacy (Legacy)
  code 字符串(4) key must - Code
  label 字符串(20) display - Label
Supplier (Supplier)
  supplierId 整型 key must - SupplierId
  name 字符串(50) must display - Name
)",
                             Everything(p)));

  const TReimport pruned = ReimportSqlScript(changed, p, {true, false});
  EXPECT_TRUE(test::SameText("删除成员 Order.total(脚本中没有)\n删除类 Legacy(脚本中没有)\n",
                             Lines(pruned.lines)));
  EXPECT_EQ(ReadDesign(p).classes.size(), 3u);
}

TEST_F(SqlImportTest, RefusedScriptsNameThePlaceAndLeaveTheDesignFileAsItWas) {
  TProjectDAO().AddProject("Existing");
  std::string wide = "CREATE TABLE T (\n";
  for (int i = 0; i < 2000; ++i) wide += (i ? ",\n" : "") + ("c" + std::to_string(i)) + " int";
  wide += ")\n";
  struct TCase {
    std::string bytes;
    std::string expected;
    TScriptEncoding encoding = TScriptEncoding::Utf8;
  };
  const std::vector<TCase> cases = {
      {"CREATE TABLE T (a int)\nINSERT T VALUES ('abc)", "第 2 行第 18 列: 字符串没有结束(缺少 ')"},
      {"CREATE TABLE T (a int) /* a /* b */", "第 1 行第 24 列: 注释没有结束(缺少 */)"},
      {"CREATE TABLE [T (a int)", "第 1 行第 14 列: 方括号中的名称没有结束(缺少 ])"},
      {"CREATE TABLE \"T (a int)", "第 1 行第 14 列: 引号中的名称没有结束(缺少 \")"},
      {"IF " + std::string(10000, '(') + "1=1" + std::string(10000, ')') +
           " CREATE TABLE T (a int)",
       "第 1 行第 68 列: 括号嵌套超过 64 层"},
      {"CREATE TABLE T (a int)\n\x01\x02\x00",
       "第 2 行第 1 列: 含有二进制数据(字节 0x01)，不是文本脚本"},
      {"CREATE TABLE T (a int) -- \xB1\xED",
       "第 1 行第 27 列: 不是合法的 UTF-8 文本(字节 0xB1)；GBK 编码的脚本请按 GBK 读取"},
      {"CREATE TABLE T (a int) -- \x81", "第 1 行第 27 列: 不是合法的 GBK 文本(字节 0x81)",
       TScriptEncoding::Gbk},
      {"\xFF\xFE" + std::string("C\0R\0\0\xD8", 6),
       "第 1 行第 3 列: 不是合法的 UTF-16 文本(字节 0x00)"},
      {wide, "第 1026 行第 1 列: 表 dbo.T 的列超过 1024 个(SQL Server 的上限)"},
      {"CREATE TABLE T (a int,\nGO\n)", "第 1 行第 16 列: CREATE TABLE 的括号没有闭合(缺少 ))"},
      {"CREATE TABLE T (a int)\nSELECT 1)", "第 2 行第 9 列: 多余的右括号"},
      {"CREATE TABLE T (a int)\ncreate table dbo.t (b int)",
       "第 2 行第 14 列: 表 dbo.t 已在第 1 行创建"},
      {"CREATE TABLE T (a decimal(9) PRIMARY KEY)",
       "第 1 行第 17 列(表 dbo.T 的列 a): 主键字段必须是整型或字符串型!"},
      {"CREATE TABLE T (a int, CONSTRAINT PK PRIMARY KEY (b))",
       "第 1 行第 24 列(表 dbo.T): 主键的列 b 不在表中"},
      {"SELECT 1\nGO\nCREATE VIEW V AS SELECT 1", "(整个脚本): 没有可导入的表(CREATE TABLE)"},
  };

  const std::string before = DesignFile();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(test::ErrorOf<TDesignTextError>(
                  [&] { ImportSqlScript(DecodeScript(c.bytes, c.encoding), "New"); }),
              c.expected);
    EXPECT_EQ(DesignFile(), before);
  }
  // Bringing a project up to date is refused the same way.
  EXPECT_EQ(test::ErrorOf<TDesignTextError>(
                [&] { ReimportSqlScript("CREATE TABLE T (a decimal PRIMARY KEY)", 1, {}); }),
            "第 1 行第 17 列(表 dbo.T 的列 a): 主键字段必须是整型或字符串型!");
  EXPECT_EQ(DesignFile(), before);
}

}  // namespace
