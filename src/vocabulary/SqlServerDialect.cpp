// SQL Server's dialect: Transact-SQL names between brackets, the table
// script's batches, identity keys and collation, and the SqlClient provider
// of the generated data access.
#include <algorithm>
#include <array>
#include <string_view>

#include "vocabulary/CodeWriter.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/Text.h"

namespace {

// The reserved keywords of Transact-SQL, upper case, sorted.
// clang-format off
constexpr std::array<std::string_view, 185> kReserved = {
    "ADD", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "AUTHORIZATION", "BACKUP", "BEGIN",
    "BETWEEN", "BREAK", "BROWSE", "BULK", "BY", "CASCADE", "CASE", "CHECK", "CHECKPOINT",
    "CLOSE", "CLUSTERED", "COALESCE", "COLLATE", "COLUMN", "COMMIT", "COMPUTE", "CONSTRAINT",
    "CONTAINS", "CONTAINSTABLE", "CONTINUE", "CONVERT", "CREATE", "CROSS", "CURRENT",
    "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP", "CURRENT_USER", "CURSOR", "DATABASE",
    "DBCC", "DEALLOCATE", "DECLARE", "DEFAULT", "DELETE", "DENY", "DESC", "DISK", "DISTINCT",
    "DISTRIBUTED", "DOUBLE", "DROP", "DUMP", "ELSE", "END", "ERRLVL", "ESCAPE", "EXCEPT", "EXEC",
    "EXECUTE", "EXISTS", "EXIT", "EXTERNAL", "FETCH", "FILE", "FILLFACTOR", "FOR", "FOREIGN",
    "FREETEXT", "FREETEXTTABLE", "FROM", "FULL", "FUNCTION", "GOTO", "GRANT", "GROUP", "HAVING",
    "HOLDLOCK", "IDENTITY", "IDENTITYCOL", "IDENTITY_INSERT", "IF", "IN", "INDEX", "INNER",
    "INSERT", "INTERSECT", "INTO", "IS", "JOIN", "KEY", "KILL", "LEFT", "LIKE", "LINENO", "LOAD",
    "MERGE", "NATIONAL", "NOCHECK", "NONCLUSTERED", "NOT", "NULL", "NULLIF", "OF", "OFF",
    "OFFSETS", "ON", "OPEN", "OPENDATASOURCE", "OPENQUERY", "OPENROWSET", "OPENXML", "OPTION",
    "OR", "ORDER", "OUTER", "OVER", "PERCENT", "PIVOT", "PLAN", "PRECISION", "PRIMARY", "PRINT",
    "PROC", "PROCEDURE", "PUBLIC", "RAISERROR", "READ", "READTEXT", "RECONFIGURE", "REFERENCES",
    "REPLICATION", "RESTORE", "RESTRICT", "RETURN", "REVERT", "REVOKE", "RIGHT", "ROLLBACK",
    "ROWCOUNT", "ROWGUIDCOL", "RULE", "SAVE", "SCHEMA", "SECURITYAUDIT", "SELECT",
    "SEMANTICKEYPHRASETABLE", "SEMANTICSIMILARITYDETAILSTABLE", "SEMANTICSIMILARITYTABLE",
    "SESSION_USER", "SET", "SETUSER", "SHUTDOWN", "SOME", "STATISTICS", "SYSTEM_USER", "TABLE",
    "TABLESAMPLE", "TEXTSIZE", "THEN", "TO", "TOP", "TRAN", "TRANSACTION", "TRIGGER", "TRUNCATE",
    "TRY_CONVERT", "TSEQUAL", "UNION", "UNIQUE", "UNPIVOT", "UPDATE", "UPDATETEXT", "USE", "USER",
    "VALUES", "VARYING", "VIEW", "WAITFOR", "WHEN", "WHERE", "WHILE", "WITH", "WITHIN",
    "WRITETEXT"};
// clang-format on

bool IsAsciiLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsChineseCharacter(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0xF900 && c <= 0xFAFF);
}

// A reserved keyword (any letter case) cannot stand unquoted as a name.
bool IsReservedWord(const std::string& name) {
  std::string upper = name;
  for (char& ch : upper)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return std::binary_search(kReserved.begin(), kReserved.end(), std::string_view(upper));
}

// A name SQL Server reads unquoted as one name: ASCII letters, digits, '_'
// and Chinese characters, not starting with a digit, not a reserved word.
bool IsPlainName(const std::string& text) {
  if (text.empty() || IsReservedWord(text)) return false;
  bool first = true;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    const bool letter = (c < 0x80 && (IsAsciiLetter(static_cast<unsigned char>(c)) || c == '_')) ||
                        IsChineseCharacter(c);
    const bool digit = c >= '0' && c <= '9';
    if (!(letter || (digit && !first))) return false;
    first = false;
  }
  return true;
}

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

// The collation of every character column, the login module's included.
constexpr std::string_view kCollation = "COLLATE Chinese_PRC_CI_AS";

// What SQL Server writes for a kind of member. Texts with $name$ are filled
// by Fill: $n$ a length, $null$ "NOT NULL" or "NULL", $collate$ the
// collation, $col$ a column name, $extra$ the column's constraints.
struct TKindSql {
  std::string_view column;     // column type in the table script
  std::string_view keyColumn;  // the same for a key (integer and string only)
  std::string_view dbType;     // SqlDbType member of data-access parameters
  std::string_view show;       // column of the paged query's show list
};

constexpr std::string_view kVarchar = "[varchar] ($n$) $collate$ $null$$extra$ ,";

// Indexed by TFieldKind.
constexpr std::array<TKindSql, 11> kKinds = {{
    // String
    {kVarchar, "[varchar] ($n$) $collate$ NOT NULL PRIMARY KEY ,", "VarChar", "$col$"},
    // Integer
    {"[int] NOT NULL$extra$ ,", "[int] IDENTITY (1, 1) NOT NULL  PRIMARY KEY,", "Int", "$col$"},
    // Float
    {"[float] NOT NULL$extra$ ,", "", "Float", "$col$"},
    // Date: the space after its comma is what keeps the comma on a last
    // column. CONVERT style 20 gives the date part as yyyy-mm-dd.
    {"[datetime] NULL$extra$ , ", "", "DateTime", "convert(char(11),$col$,20)"},
    // Image
    {"[image] NULL$extra$ ,", "", "Image", "$col$"},
    // IntegerReference
    {"int NOT NULL$extra$ ,", "", "Int", "$col$"},
    // StringReference
    {kVarchar, "", "VarChar", "$col$"},
    // Boolean
    {"[bit] NOT NULL$extra$ ,", "", "Bit", "case when $col$=1 then '是' else '否' end"},
    // OwnIntegerReference
    {"int $null$$extra$ ,", "", "Int", "$col$"},
    // OwnStringReference
    {kVarchar, "", "VarChar", "$col$"},
    // Choice
    {kVarchar, "", "VarChar", "$col$"},
}};

const TKindSql& KindSql(TFieldKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

// A table of the dbo schema as the N'' literal of object_id wants it.
std::string TableLiteral(const std::string& table) {
  return Quoted("[dbo]." + Bracketed(table));
}

// "if exists" or "if not exists" a user table of that name, as its own line.
std::string IfTable(const char* test, const std::string& table) {
  return Fill(
      "if $test$ (select * from dbo.sysobjects where id = object_id(N'$t$') and "
      "OBJECTPROPERTY(id, N'IsUserTable') = 1)\r\n",
      {{"test", test}, {"t", TableLiteral(table)}});
}

// A column's constraints in the letter case of the script.
std::string Constraints(const std::string& column, const TScriptColumn& c) {
  return ColumnConstraints(column, c, {"UNIQUE", "DEFAULT", "CHECK"});
}

// A column line of CREATE TABLE, separator included.
std::string ColumnLine(const std::string& name, std::string_view type, const TScriptColumn& c) {
  const std::string text = Fill(type, {{"n", std::to_string(c.length)},
                                       {"null", c.must ? "NOT NULL" : "NULL"},
                                       {"collate", kCollation},
                                       {"extra", Constraints(Bracketed(name), c)}});
  return Fill("\t$m$ $type$\r\n", {{"m", Bracketed(name)}, {"type", text}});
}

class TSqlServerDialect : public TSqlDialect {
public:
  std::string Name(const std::string& name) const override {
    return IsPlainName(name) ? name : Bracketed(name);
  }

  // SQL Server's default collations compare names without case.
  std::string NameKey(const std::string& name) const override { return AsciiLower(name); }

  std::string ScriptHead() const override;
  std::string ScriptDrops(const std::vector<std::string>& tables) const override;
  std::string ScriptTable(const TScriptTable& table) const override;
  std::string ScriptTail(const std::vector<TScriptForeignKey>& foreignKeys) const override;

  std::string ProviderNamespace() const override { return "System.Data.SqlClient"; }
  std::string ParameterClass() const override { return "SqlParameter"; }
  std::string ReaderClass() const override { return "SqlDataReader"; }
  std::vector<TProviderType> ProviderTypes() const override {
    return {{"SqlDataReader", "System.Data.SqlClient.SqlDataReader"},
            {"SqlDbType", "System.Data.SqlDbType"},
            {"SqlParameter", "System.Data.SqlClient.SqlParameter"}};
  }
  std::string NewParameterNamed(const std::string& name, TFieldKind kind) const override {
    return Fill("new SqlParameter($p$,SqlDbType.$type$)",
                {{"p", name}, {"type", KindSql(kind).dbType}});
  }
  // An identity column refuses even to be set to itself, so the statement
  // assigns the parameter to itself instead.
  std::string UpdateNoColumn(const std::string& table, const std::string& keyColumn,
                             const std::string& parameter) const override {
    return Fill("update $T$ set $p$=$p$ where $kc$=$p$",
                {{"T", Name(table)}, {"p", parameter}, {"kc", Name(keyColumn)}});
  }
  std::string ShowColumn(const std::string& column, TFieldKind kind) const override {
    return Fill(KindSql(kind).show, {{"col", Name(column)}});
  }
  // Its DBHelp pages with ROW_NUMBER() over the order clause.
  std::string ResourceTree() const override { return "bak/LoginFrame"; }

  std::string ReferenceSelection() const override {
    return "            this.cb_$m$.SelectedValue = $inst$.$mi$.ToString();";
  }

  std::string QueryLiteralMethods() const override;
};

std::string TSqlServerDialect::ScriptHead() const {
  std::string s = "GO\r\n\r\n";
  // The login module's tables are made, and seeded, only where they are
  // missing: running the script again on a database in use keeps its users,
  // their passwords and the question list.
  s += IfTable("not exists", "P_PasswordType");
  s += "CREATE TABLE [dbo].[P_PasswordType](\r\n";
  s += "\t[P_Id] [int] IDENTITY(1,1) NOT NULL,\r\n";
  s += Fill("\t[U_Name] [varchar](50) $collate$ NULL\r\n", {{"collate", kCollation}});
  s += ") ON [PRIMARY]\r\n";
  s += "GO\r\n";
  s += "if not exists (select * from P_PasswordType)\r\n";
  s += "begin\r\n";
  s += "insert into P_PasswordType values('我最喜欢的动物')\r\n";
  s += "insert into P_PasswordType values('我的小学班主任')\r\n";
  s += "insert into P_PasswordType values('我的中学班主任')\r\n";
  s += "insert into P_PasswordType values('我最爱吃什么')\r\n";
  s += "insert into P_PasswordType values('我最爱吃什么')\r\n";
  s += "insert into P_PasswordType values('我母亲叫什么')\r\n";
  s += "insert into P_PasswordType values('我父亲叫什么')\r\n";
  s += "end\r\n";
  s += "GO\r\n";
  s += IfTable("not exists", "U_UserInfo");
  s += "create table U_UserInfo \r\n";
  s += "(\r\n";
  s += "    U_Id\tint\t\t\tidentity(1,1) PRIMARY KEY\t\tnot null,--用户编号\r\n";
  s += "    U_Name\t\t\t\tvarchar(50)\t\t\tnull,--用户名,\r\n";
  s += "    U_RelName\t\t\tvarchar(50)\t\t\tnull,--用户真实姓名,\r\n";
  s += "    U_Sex\t\t\t\tbit\t\t\t\t\tnull,--用户性别,\r\n";
  s += "    U_PassWord\t\t\tvarchar(50)\t\t\tnull,--用户密码,\r\n";
  s += "    U_Birthday\t\t\tdatetime\t\t\tnull,--出生日期\r\n";
  s += "    U_PsdType\t\t\tint\t\t\t\t\tnull,--密保类型(管理员维护)\r\n";
  s += "    U_PsdAnswer\t\t\tvarchar(50)\t\t\tnull, --密保回答问题\r\n";
  s += "    U_IdCard\t\t\tvarchar(20)\t\t\tnull, --身份证号\r\n";
  s += "    U_NativePlace\t\tvarchar(20)\t\t\tnull, --籍贯\r\n";
  s += "    U_Address\t\t\tvarchar(50)\t\t\tnull, --家庭住址\r\n";
  s += "    U_Telephone\t\t\tvarchar(50)\t\t\tnull, --电话号码\r\n";
  s += "    U_Email\t\t\t\tvarchar(50)\t\t\tnull, --邮箱号码\r\n";
  s += "    U_PostalId\t\t\tvarchar(20)\t\t\tnull, --邮编号码\r\n";
  s += "    U_QQ\t\t\t\tvarchar(20)\t\t\tnull, --QQ\r\n";
  s += "    U_Position\t\t\tvarchar(20)\t\t\tnull, --职位\r\n";
  s += "    U_Reamrk\t\t\tvarchar(50)\t\t\tnull, --备注\r\n";
  s += "    U_LoginTime         datetime            null, --注册时间\r\n";
  s += "    U_RoleType\t\t\tint\t\t\t\t\tnull,--用户权限类型(XML记录)\r\n";
  s += "    U_Image\t\t\t\timage\t\t\t\tnull,--用户生活照\r\n";
  s += ")\r\n";
  s += "GO\r\n";
  s += kSeedUserNote;
  s += "if not exists (select * from U_UserInfo)\r\n";
  s += "insert into U_UserInfo(U_Name,U_Sex, U_PassWord,U_Birthday,U_LoginTime,U_RoleType)\r\n";
  s +=
      Fill("values('admin',1,'$digest$',GETDATE(),GETDATE(),2)\r\n", {{"digest", kSeedUserDigest}});
  s += "GO\r\n";
  return s;
}

std::string TSqlServerDialect::ScriptDrops(const std::vector<std::string>& tables) const {
  // Before the tables are dropped, every foreign key that refers to one of
  // them goes, so that a database made from an earlier design takes the
  // script again.
  if (tables.empty()) return "";
  std::string ids;
  for (const std::string& table : tables)
    ids += (ids.empty() ? "" : ", ") + Fill("object_id(N'$t$')", {{"t", TableLiteral(table)}});
  std::string s = "declare @dropForeignKeys nvarchar(max)\r\n";
  s += "set @dropForeignKeys = N''\r\n";
  s += "select @dropForeignKeys = @dropForeignKeys + N'ALTER TABLE ' + "
       "quotename(object_schema_name(parent_object_id)) + N'.' + "
       "quotename(object_name(parent_object_id)) + "
       "N' DROP CONSTRAINT ' + quotename(name) + N'; '\r\n";
  s += "from sys.foreign_keys\r\n";
  s += "where referenced_object_id in (" + ids + ")\r\n";
  s += "exec (@dropForeignKeys)\r\n";
  s += "GO\r\n\r\n";
  return s;
}

std::string TSqlServerDialect::ScriptTable(const TScriptTable& table) const {
  std::string s = IfTable("exists", table.name);
  s += Fill(
      "drop table $t$\r\n"
      "GO\r\n\r\n"
      "CREATE TABLE $t$ (\r\n",
      {{"t", "[dbo]." + Bracketed(table.name)}});
  s += ColumnLine(table.key.name, KindSql(table.key.kind).keyColumn, table.key);
  for (const TScriptColumn& c : table.columns)
    s += c.notes + ColumnLine(c.name, KindSql(c.kind).column, c);
  // The last column line gives up its last three characters: its separator
  // and line break (or, after a date column, the space and line break).
  s.resize(s.size() - 3);
  s += "\r\n";
  s += table.notes;
  s += ") ON [PRIMARY]\r\n";
  s += "GO\r\n\r\n\r\n\r\n";
  return s;
}

std::string TSqlServerDialect::ScriptTail(const std::vector<TScriptForeignKey>& foreignKeys) const {
  // Added once every table exists.
  std::string s;
  for (const TScriptForeignKey& fk : foreignKeys)
    s += Fill("ALTER TABLE $C$ ADD CONSTRAINT $fk$ FOREIGN KEY ($m$) REFERENCES $R$($k$)\r\n",
              {{"C", Name(fk.table)},
               {"fk", Name(fk.name)},
               {"m", Name(fk.column)},
               {"R", Name(fk.referencedTable)},
               {"k", Name(fk.referencedColumn)}});
  return s;
}

std::string TSqlServerDialect::QueryLiteralMethods() const {
  TCodeWriter w;
  w.Line("        /*SQL 文本常量：两边加单引号，其中的单引号加倍*/");
  w.Line("        private static string SqlText(string value)");
  w.Line("        {");
  w.Line("            return \"N'\" + value.Replace(\"'\", \"''\") + \"'\";");
  w.Line("        }");
  w.Blank();
  w.Line("        /*like 的包含模式：[、% 和 _ 放进方括号，按输入的字面匹配*/");
  w.Line("        private static string SqlContains(string value)");
  w.Line("        {");
  w.Line(
      "            return SqlText(\"%\" + value.Replace(\"[\", \"[[]\").Replace(\"%\", "
      "\"[%]\").Replace(\"_\", \"[_]\") + \"%\");");
  w.Line("        }");
  w.Blank();
  w.Line("        /*日期常量，写成与语言设置无关的 yyyyMMdd*/");
  w.Line("        private static string SqlDate(DateTime value)");
  w.Line("        {");
  w.Line(
      "            return \"'\" + value.ToString(\"yyyyMMdd\", CultureInfo.InvariantCulture) + "
      "\"'\";");
  w.Line("        }");
  w.Blank();
  return w.Take();
}

}  // namespace

const TSqlDialect& SqlServerDialect() {
  static const TSqlServerDialect dialect;
  return dialect;
}
