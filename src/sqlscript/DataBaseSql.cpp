// Builds the SQL Server script that creates the generated application's
// database: the login module's fixed tables and seed rows, one table per
// designed class, then the foreign keys between those tables.
#include "sqlscript/DataBaseSql.h"

#include <optional>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"

namespace {

// Builds one project's script. Two texts grow side by side: the tables and
// the foreign keys, which can only be added once every table exists.
class TTableScriptBuilder {
public:
  explicit TTableScriptBuilder(int projectId) : projectId_(projectId) {}

  TTableScript Build();

private:
  void AppendLoginModule();
  void AppendClassTable(const TNamedId& cls);
  void AppendKeyColumn(const TMember& key);
  void AppendColumn(const std::string& className, const TMember& member);
  // An omitted column's note waits until the next column line, so that
  // closing the column list trims a column's separator, never a note.
  void AppendColumnLine(const std::string& line);
  void CloseColumnList();
  // Records what could not be rendered; `note` receives its comment line.
  void Omit(std::string& note, const std::string& problem);

  const int projectId_;
  TMemberDAO members_;
  std::string main_;
  std::string foreignKeys_;
  std::string pendingNotes_;
  std::vector<std::string> problems_;
};

TTableScript TTableScriptBuilder::Build() {
  AppendLoginModule();
  for (const TNamedId& cls : TClassDAO().GetClassList(projectId_)) AppendClassTable(cls);
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

void TTableScriptBuilder::AppendClassTable(const TNamedId& cls) {
  const std::string& name = cls.name;
  // Without a key there is no primary key column to open the table with.
  const std::optional<TMember> key = members_.GetKeyMember(cls.id);
  if (!key) {
    Omit(main_, "类 " + name + " 没有主键成员，未生成它的表");
    return;
  }

  main_ += "if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[" + name +
           "]') and OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n";
  main_ += "drop table [dbo].[" + name + "]\r\n";
  main_ += "GO\r\n\r\n";
  main_ += "CREATE TABLE [dbo].[" + name + "] (\r\n";
  AppendKeyColumn(*key);
  TRowSet rows = members_.QueryNonKeyMembers(cls.id);
  for (rows.First(); !rows.Eof(); rows.Next()) AppendColumn(name, TMemberDAO::ReadMember(rows));
  CloseColumnList();
  main_ += "GO\r\n\r\n\r\n\r\n";
}

void TTableScriptBuilder::AppendKeyColumn(const TMember& key) {
  // Any key that is not an integer key, whatever its type, is a varchar key.
  if (key.IsInteger())
    AppendColumnLine("\t[" + key.memberName + "] [int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,\r\n");
  else
    AppendColumnLine("\t[" + key.memberName + "] [varchar] (" + std::to_string(key.memberLength) +
                     ") COLLATE Chinese_PRC_CI_AS NOT NULL PRIMARY KEY ,\r\n");
}

void TTableScriptBuilder::AppendColumn(const std::string& className, const TMember& member) {
  const std::string& name = member.memberName;
  const TMemberKind kind = ClassifyMemberType(member.memberType);

  std::optional<TMember> referencedKey;
  if (kind == TMemberKind::Reference) {
    const std::string& target = member.memberType;
    referencedKey = members_.GetKeyMemberByClassName(projectId_, target);
    if (!referencedKey) {
      const bool classExists = TClassDAO().GetClassId(projectId_, target) != -1;
      Omit(pendingNotes_, "类 " + className + " 的成员 " + name + " 引用的类 " + target +
                              (classExists ? " 没有主键成员" : " 不存在") + "，未生成该列");
      return;
    }
    foreignKeys_ += "ALTER TABLE " + className + " ADD FOREIGN KEY (" + name + ") REFERENCES " +
                    target + "(" + referencedKey->memberName + ")\r\n";
  }

  const std::string length = std::to_string(member.memberLength);
  switch (FieldKindOf(kind, referencedKey && referencedKey->IsInteger())) {
    case TFieldKind::String:
      if (member.IsMust())
        AppendColumnLine("\t[" + name + "] [varchar] (" + length +
                         ") COLLATE Chinese_PRC_CI_AS NOT NULL ,\r\n");
      else
        AppendColumnLine("\t[" + name + "] [varchar] (" + length +
                         ") COLLATE Chinese_PRC_CI_AS NULL ,\r\n");
      break;
    case TFieldKind::Integer: AppendColumnLine("\t[" + name + "] [int] NOT NULL ,\r\n"); break;
    case TFieldKind::Float: AppendColumnLine("\t[" + name + "] [float] NOT NULL ,\r\n"); break;
    // The space after the comma is what keeps the comma on a last date column.
    case TFieldKind::Date: AppendColumnLine("\t[" + name + "] [datetime] NULL , \r\n"); break;
    case TFieldKind::Image: AppendColumnLine("\t[" + name + "] [image] NULL ,\r\n"); break;
    case TFieldKind::IntegerReference:
      AppendColumnLine("\t[" + name + "] int NOT NULL ,\r\n");
      break;
    case TFieldKind::StringReference:
      AppendColumnLine("\t[" + name + "] [varchar] (" +
                       std::to_string(referencedKey->memberLength) +
                       ") COLLATE Chinese_PRC_CI_AS NOT NULL ,\r\n");
      break;
  }
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

TTableScript BuildTableScript(int projectId) {
  return TTableScriptBuilder(projectId).Build();
}
