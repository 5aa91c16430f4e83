// Builds the SQL Server script that creates the generated application's
// database: the login module's fixed tables and seed rows, one table per
// designed class, then the foreign keys between those tables.
#include "sqlscript/DataBaseSql.h"

#include <optional>

#include "store/DesignReader.h"
#include "vocabulary/CodeWriter.h"
#include "vocabulary/Design.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/SqlNames.h"

namespace {

// A name between brackets, its own closing brackets doubled.
std::string Bracketed(const std::string& name) {
  std::string out = "[";
  for (char c : name) {
    out += c;
    if (c == ']') out += ']';
  }
  return out + "]";
}

// Text for a place between single quotes, its own quotes doubled.
std::string Quoted(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

// True when the member's length makes a varchar SQL Server takes: 1 to
// 8000 (a design file made by other tools may hold anything).
bool FitsVarchar(const TMember& member) {
  return member.storedLength.empty() && member.memberLength >= 1 && member.memberLength <= 8000;
}

// "if exists" or "if not exists" a user table of that name, as its own line.
std::string IfTable(const char* test, const std::string& table) {
  return Fill(
      "if $test$ (select * from dbo.sysobjects where id = object_id(N'$t$') and "
      "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n",
      {{"test", test}, {"t", Quoted("[dbo]." + Bracketed(table))}});
}

// Builds one project's script. Two texts grow side by side: the tables and
// the foreign keys, which can only be added once every table exists.
class TTableScriptBuilder {
public:
  explicit TTableScriptBuilder(const TDesign& design) : design_(design) {}

  TTableScript Build();

private:
  void AppendLoginModule();
  // Why a class gets no table, or nothing when it gets one.
  std::optional<std::string> WhyNoTable(std::size_t index) const;
  void AppendForeignKeyDrops();
  void AppendClassTable(std::size_t index);
  void AppendKeyColumn(const TMember& key);
  void AppendColumn(const TDesignClass& cls, const TDesignMember& member);
  // An omitted column's note waits until the next column line, so that
  // closing the column list trims a column's separator, never a note.
  void AppendColumnLine(const std::string& line);
  void CloseColumnList();
  // Records what could not be rendered; `note` receives its comment line.
  void Omit(std::string& note, const std::string& problem);

  const TDesign& design_;
  std::vector<bool> omitted_;  // by class index: no table
  std::string main_;
  std::string foreignKeys_;
  std::string pendingNotes_;
  std::vector<std::string> problems_;
};

TTableScript TTableScriptBuilder::Build() {
  AppendLoginModule();
  for (std::size_t i = 0; i < design_.classes.size(); ++i)
    omitted_.push_back(WhyNoTable(i).has_value());
  AppendForeignKeyDrops();
  for (std::size_t i = 0; i < design_.classes.size(); ++i) AppendClassTable(i);
  return {main_ + foreignKeys_, problems_};
}

void TTableScriptBuilder::AppendLoginModule() {
  main_ += "GO\r\n\r\n";
  // Run again on a database made before, the script keeps the login
  // module's tables; on an empty database it creates them.
  main_ += IfTable("not exists", "P_PasswordType");
  main_ += "CREATE TABLE [dbo].[P_PasswordType](\r\n";
  main_ += "\t[P_Id] [int] IDENTITY(1,1) NOT NULL,\r\n";
  main_ += "\t[U_Name] [varchar](50) COLLATE Chinese_PRC_CI_AS NULL\r\n";
  main_ += ") ON [PRIMARY]\r\n";
  main_ += "delete from P_PasswordType \r\n";
  main_ += "insert into P_PasswordType values('我最喜欢的动物')\r\n";
  main_ += "insert into P_PasswordType values('我的小学班主任')\r\n";
  main_ += "insert into P_PasswordType values('我的中学班主任')\r\n";
  main_ += "insert into P_PasswordType values('我最爱吃什么')\r\n";
  main_ += "insert into P_PasswordType values('我最爱吃什么')\r\n";
  main_ += "insert into P_PasswordType values('我母亲叫什么')\r\n";
  main_ += "insert into P_PasswordType values('我父亲叫什么')\r\n";
  main_ += "GO\r\n";
  main_ += IfTable("not exists", "U_UserInfo");
  main_ += "create table U_UserInfo \r\n";
  main_ += "(\r\n";
  main_ += "    U_Id\tint\t\t\tidentity(1,1) PRIMARY KEY\t\tnot null,--用户编号\r\n";
  main_ += "    U_Name\t\t\t\tvarchar(50)\t\t\tnull,--用户名,\r\n";
  main_ += "    U_RelName\t\t\tvarchar(50)\t\t\tnull,--用户真实姓名,\r\n";
  main_ += "    U_Sex\t\t\t\tbit\t\t\t\t\tnull,--用户性别,\r\n";
  main_ += "    U_PassWord\t\t\tvarchar(50)\t\t\tnull,--用户密码,\r\n";
  main_ += "    U_Birthday\t\t\tdatetime\t\t\tnull,--出生日期\r\n";
  main_ += "    U_PsdType\t\t\tint\t\t\t\t\tnull,--密保类型(管理员维护)\r\n";
  main_ += "    U_PsdAnswer\t\t\tvarchar(50)\t\t\tnull, --密保回答问题\r\n";
  main_ += "    U_IdCard\t\t\tvarchar(20)\t\t\tnull, --身份证号\r\n";
  main_ += "    U_NativePlace\t\tvarchar(20)\t\t\tnull, --籍贯\r\n";
  main_ += "    U_Address\t\t\tvarchar(50)\t\t\tnull, --家庭住址\r\n";
  main_ += "    U_Telephone\t\t\tvarchar(50)\t\t\tnull, --电话号码\r\n";
  main_ += "    U_Email\t\t\t\tvarchar(50)\t\t\tnull, --邮箱号码\r\n";
  main_ += "    U_PostalId\t\t\tvarchar(20)\t\t\tnull, --邮编号码\r\n";
  main_ += "    U_QQ\t\t\t\tvarchar(20)\t\t\tnull, --QQ\r\n";
  main_ += "    U_Position\t\t\tvarchar(20)\t\t\tnull, --职位\r\n";
  main_ += "    U_Reamrk\t\t\tvarchar(50)\t\t\tnull, --备注\r\n";
  main_ += "    U_LoginTime         datetime            null, --注册时间\r\n";
  main_ += "    U_RoleType\t\t\tint\t\t\t\t\tnull,--用户权限类型(XML记录)\r\n";
  main_ += "    U_Image\t\t\t\timage\t\t\t\tnull,--用户生活照\r\n";
  main_ += ")\r\n";
  main_ += "GO\r\n";
  main_ += "delete from U_UserInfo \r\n";
  main_ += "insert into U_UserInfo(U_Name,U_Sex, U_PassWord,U_Birthday,U_LoginTime,U_RoleType)\r\n";
  main_ += "values('admin',1,'9C4E1B7A0D3F58E2B6A19C07D4E8F325',GETDATE(),GETDATE(),2)\r\n";
  main_ += "GO\r\n";
}

std::optional<std::string> TTableScriptBuilder::WhyNoTable(std::size_t index) const {
  const TDesignClass& cls = design_.classes[index];
  const std::string& name = cls.className;
  // Without a key there is no primary key column to open the table with.
  const TDesignMember* key = cls.Key();
  if (!key) return "类 " + name + " 没有主键成员，未生成它的表";
  // An integer type whose integer flag is clear (possible only in a file
  // made by other tools) has no length to make a character key of.
  if (key->Kind().setsIntegerFlag && !key->IsInteger())
    return "类 " + name + " 的主键成员 " + key->memberName + " 的整型标志与类型不符，未生成它的表";
  if (!key->IsInteger() && !FitsVarchar(*key))
    return "类 " + name + " 的主键成员 " + key->memberName + " 的长度 " + key->LengthText() +
           " 不在1到8000之间，未生成它的表";
  // SQL Server compares table names without case.
  for (std::size_t i = 0; i < index; ++i)
    if (SqlNameKey(design_.classes[i].className) == SqlNameKey(name))
      return "类 " + name + " 与类 " + design_.classes[i].className +
             " 重名(不区分大小写)，未生成它的表";
  return std::nullopt;
}

void TTableScriptBuilder::AppendForeignKeyDrops() {
  // Before the tables are dropped, every foreign key that refers to one of
  // them goes, so that a database made from an earlier design takes the
  // script again.
  std::string tables;
  for (std::size_t i = 0; i < design_.classes.size(); ++i)
    if (!omitted_[i])
      tables += (tables.empty() ? "" : ", ") +
                Fill("object_id(N'$t$')",
                     {{"t", Quoted("[dbo]." + Bracketed(design_.classes[i].className))}});
  if (tables.empty()) return;
  main_ += "declare @dropForeignKeys nvarchar(max)\r\n";
  main_ += "set @dropForeignKeys = N''\r\n";
  main_ +=
      "select @dropForeignKeys = @dropForeignKeys + N'ALTER TABLE ' + "
      "quotename(object_schema_name(parent_object_id)) + N'.' + "
      "quotename(object_name(parent_object_id)) + "
      "N' DROP CONSTRAINT ' + quotename(name) + N'; '\r\n";
  main_ += "from sys.foreign_keys\r\n";
  main_ += "where referenced_object_id in (" + tables + ")\r\n";
  main_ += "exec (@dropForeignKeys)\r\n";
  main_ += "GO\r\n\r\n";
}

void TTableScriptBuilder::AppendClassTable(std::size_t index) {
  const TDesignClass& cls = design_.classes[index];
  if (const std::optional<std::string> why = WhyNoTable(index)) {
    Omit(main_, *why);
    return;
  }
  const std::string table = "[dbo]." + Bracketed(cls.className);
  main_ += IfTable("exists", cls.className);
  main_ += Fill(
      "drop table $t$\r\n"
      "GO\r\n\r\n"
      "CREATE TABLE $t$ (\r\n",
      {{"t", table}});
  AppendKeyColumn(*cls.Key());
  for (const TDesignMember& m : cls.members)
    if (!m.IsKey()) AppendColumn(cls, m);
  CloseColumnList();
  main_ += "GO\r\n\r\n\r\n\r\n";
}

void TTableScriptBuilder::AppendKeyColumn(const TMember& key) {
  // Any key that is not an integer key, whatever its type, is a varchar key.
  if (key.IsInteger())
    AppendColumnLine(Fill("\t$m$ [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n",
                          {{"m", Bracketed(key.memberName)}}));
  else
    AppendColumnLine(
        Fill("\t$m$ [varchar] ($n$) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n",
             {{"m", Bracketed(key.memberName)}, {"n", std::to_string(key.memberLength)}}));
}

void TTableScriptBuilder::AppendColumn(const TDesignClass& cls, const TDesignMember& member) {
  const std::string& name = member.memberName;
  int length = member.memberLength;
  if (member.Kind().hasLength && !FitsVarchar(member)) {
    Omit(pendingNotes_, "类 " + cls.className + " 的成员 " + name + " 的长度 " +
                            member.LengthText() + " 不在1到8000之间，未生成该列");
    return;
  }
  if (member.IsReference()) {
    const std::string& target = member.memberType;
    const char* missing = member.target < 0   ? " 不存在"
                          : !member.targetKey ? " 没有主键成员"
                          : omitted_[static_cast<std::size_t>(member.target)] ? " 的表未生成"
                                                                              : nullptr;
    if (missing) {
      Omit(pendingNotes_, "类 " + cls.className + " 的成员 " + name + " 引用的类 " + target +
                              missing + "，未生成该列");
      return;
    }
    // Named, so that a later run of the script can drop it.
    foreignKeys_ +=
        Fill("ALTER TABLE $C$ ADD CONSTRAINT $fk$ FOREIGN KEY ($m$) REFERENCES $R$($k$)\r\n",
             {{"C", SqlName(cls.className)},
              {"fk", SqlName("FK_" + cls.className + "_" + name)},
              {"m", SqlName(name)},
              {"R", SqlName(target)},
              {"k", SqlName(member.targetKey->memberName)}});
    length = member.targetKey->memberLength;
  }
  // A string reference is always required, like every other reference.
  const std::string column =
      Fill(member.Kind().scriptColumn,
           {{"n", std::to_string(length)}, {"null", member.IsRequired() ? "NOT NULL" : "NULL"}});
  AppendColumnLine(Fill("\t$m$ $type$\r\n", {{"m", Bracketed(name)}, {"type", column}}));
}

void TTableScriptBuilder::AppendColumnLine(const std::string& line) {
  main_ += pendingNotes_;
  pendingNotes_.clear();
  main_ += line;
}

void TTableScriptBuilder::CloseColumnList() {
  // The last column line gives up its last three characters: its separator
  // and line break (or, after a date column, the space and line break).
  main_.resize(main_.size() - 3);
  main_ += "\r\n";
  main_ += pendingNotes_;
  pendingNotes_.clear();
  main_ += ") ON [PRIMARY]\r\n";
}

void TTableScriptBuilder::Omit(std::string& note, const std::string& problem) {
  // A line break in a name would end the comment line early.
  std::string line = problem;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  note += "-- " + line + "\r\n";
  problems_.push_back(problem);
}

}  // namespace

TTableScript BuildTableScript(const TDesign& design) {
  return TTableScriptBuilder(design).Build();
}

TTableScript BuildTableScript(int projectId) {
  return BuildTableScript(ReadDesign(projectId));
}
