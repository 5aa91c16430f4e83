// Builds the SQL Server script that creates the generated application's
// database: the login module's fixed tables and seed rows, one table per
// designed class, then the foreign keys between those tables.
#include "sqlscript/DataBaseSql.h"

#include "generate/CodeWriter.h"
#include "generate/MemberKinds.h"
#include "store/Design.h"

namespace {

// Builds one project's script. Two texts grow side by side: the tables and
// the foreign keys, which can only be added once every table exists.
class TTableScriptBuilder {
public:
  explicit TTableScriptBuilder(const TDesign& design) : design_(design) {}

  TTableScript Build();

private:
  void AppendLoginModule();
  void AppendClassTable(const TDesignClass& cls);
  void AppendKeyColumn(const TMember& key);
  void AppendColumn(const TDesignClass& cls, const TDesignMember& member);
  // An omitted column's note waits until the next column line, so that
  // closing the column list trims a column's separator, never a note.
  void AppendColumnLine(const std::string& line);
  void CloseColumnList();
  // Records what could not be rendered; `note` receives its comment line.
  void Omit(std::string& note, const std::string& problem);

  const TDesign& design_;
  std::string main_;
  std::string foreignKeys_;
  std::string pendingNotes_;
  std::vector<std::string> problems_;
};

TTableScript TTableScriptBuilder::Build() {
  AppendLoginModule();
  for (const TDesignClass& cls : design_.classes) AppendClassTable(cls);
  return {main_ + foreignKeys_, problems_};
}

void TTableScriptBuilder::AppendLoginModule() {
  main_ += "GO\r\n\r\n";
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

void TTableScriptBuilder::AppendClassTable(const TDesignClass& cls) {
  const std::string& name = cls.className;
  // Without a key there is no primary key column to open the table with.
  const TDesignMember* key = cls.Key();
  if (!key) {
    Omit(main_, "类 " + name + " 没有主键成员，未生成它的表");
    return;
  }
  // An integer type whose integer flag is clear (possible only in a file
  // made by other tools) has no length to make a character key of.
  if (ClassifyMemberType(key->memberType) == TMemberKind::Integer && !key->IsInteger()) {
    Omit(main_,
         "类 " + name + " 的主键成员 " + key->memberName + " 的整型标志与类型不符，未生成它的表");
    return;
  }

  main_ += Fill(
      "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[$C$]') and "
      "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n"
      "drop table [dbo].[$C$]\r\n"
      "GO\r\n\r\n"
      "CREATE TABLE [dbo].[$C$] (\r\n",
      {{"C", name}});
  AppendKeyColumn(*key);
  for (const TDesignMember& m : cls.members)
    if (!m.IsKey()) AppendColumn(cls, m);
  CloseColumnList();
  main_ += "GO\r\n\r\n\r\n\r\n";
}

void TTableScriptBuilder::AppendKeyColumn(const TMember& key) {
  // Any key that is not an integer key, whatever its type, is a varchar key.
  if (key.IsInteger())
    AppendColumnLine(
        Fill("\t[$m$] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n", {{"m", key.memberName}}));
  else
    AppendColumnLine(
        Fill("\t[$m$] [varchar] ($n$) COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n",
             {{"m", key.memberName}, {"n", std::to_string(key.memberLength)}}));
}

void TTableScriptBuilder::AppendColumn(const TDesignClass& cls, const TDesignMember& member) {
  const std::string& name = member.memberName;
  int length = member.memberLength;
  if (member.IsReference()) {
    const std::string& target = member.memberType;
    if (!member.targetKey) {
      Omit(pendingNotes_, "类 " + cls.className + " 的成员 " + name + " 引用的类 " + target +
                              (member.target >= 0 ? " 没有主键成员" : " 不存在") + "，未生成该列");
      return;
    }
    foreignKeys_ += Fill(
        "ALTER TABLE $C$ ADD FOREIGN KEY ($m$) REFERENCES $R$($k$)\r\n",
        {{"C", cls.className}, {"m", name}, {"R", target}, {"k", member.targetKey->memberName}});
    length = member.targetKey->memberLength;
  }
  // A string reference is always required, like every other reference.
  const bool must = member.IsMust() || member.IsReference();
  const std::string column =
      Fill(KindInfo(member.kind).scriptColumn,
           {{"n", std::to_string(length)}, {"null", must ? "NOT NULL" : "NULL"}});
  AppendColumnLine(Fill("\t[$m$] $type$\r\n", {{"m", name}, {"type", column}}));
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
  note += "-- " + problem + "\r\n";
  problems_.push_back(problem);
}

}  // namespace

TTableScript BuildTableScript(const TDesign& design) {
  return TTableScriptBuilder(design).Build();
}

TTableScript BuildTableScript(int projectId) {
  return BuildTableScript(ReadDesign(projectId));
}
