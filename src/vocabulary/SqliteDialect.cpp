// SQLite's dialect: a database in one file beside the application, made by
// the application itself from the table script when the file is missing.
// Names are quoted with backquotes (they stand inside C# strings), foreign
// keys are declared in their tables, character columns compare without
// case as SQL Server's default collation does, dates are text that sorts
// as the dates do, and the data access goes through ADO.NET's
// provider-neutral classes so that the solution builds without the
// provider, which DBHelp finds at run time.
#include <algorithm>
#include <array>
#include <string_view>

#include "vocabulary/CodeWriter.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/Text.h"

namespace {

// SQLite's keywords, upper case, sorted.
// clang-format off
constexpr std::array<std::string_view, 147> kKeywords = {
    "ABORT", "ACTION", "ADD", "AFTER", "ALL", "ALTER", "ALWAYS", "ANALYZE", "AND", "AS", "ASC",
    "ATTACH", "AUTOINCREMENT", "BEFORE", "BEGIN", "BETWEEN", "BY", "CASCADE", "CASE", "CAST",
    "CHECK", "COLLATE", "COLUMN", "COMMIT", "CONFLICT", "CONSTRAINT", "CREATE", "CROSS",
    "CURRENT", "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP", "DATABASE", "DEFAULT",
    "DEFERRABLE", "DEFERRED", "DELETE", "DESC", "DETACH", "DISTINCT", "DO", "DROP", "EACH",
    "ELSE", "END", "ESCAPE", "EXCEPT", "EXCLUDE", "EXCLUSIVE", "EXISTS", "EXPLAIN", "FAIL",
    "FILTER", "FIRST", "FOLLOWING", "FOR", "FOREIGN", "FROM", "FULL", "GENERATED", "GLOB",
    "GROUP", "GROUPS", "HAVING", "IF", "IGNORE", "IMMEDIATE", "IN", "INDEX", "INDEXED",
    "INITIALLY", "INNER", "INSERT", "INSTEAD", "INTERSECT", "INTO", "IS", "ISNULL", "JOIN", "KEY",
    "LAST", "LEFT", "LIKE", "LIMIT", "MATCH", "MATERIALIZED", "NATURAL", "NO", "NOT", "NOTHING",
    "NOTNULL", "NULL", "NULLS", "OF", "OFFSET", "ON", "OR", "ORDER", "OTHERS", "OUTER", "OVER",
    "PARTITION", "PLAN", "PRAGMA", "PRECEDING", "PRIMARY", "QUERY", "RAISE", "RANGE", "RECURSIVE",
    "REFERENCES", "REGEXP", "REINDEX", "RELEASE", "RENAME", "REPLACE", "RESTRICT", "RETURNING",
    "RIGHT", "ROLLBACK", "ROW", "ROWS", "SAVEPOINT", "SELECT", "SET", "TABLE", "TEMP", "TEMPORARY",
    "THEN", "TIES", "TO", "TRANSACTION", "TRIGGER", "UNBOUNDED", "UNION", "UNIQUE", "UPDATE",
    "USING", "VACUUM", "VALUES", "VIEW", "VIRTUAL", "WHEN", "WHERE", "WINDOW", "WITH", "WITHOUT"};
// clang-format on

bool IsKeyword(const std::string& name) {
  std::string upper = name;
  for (char& ch : upper)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return std::binary_search(kKeywords.begin(), kKeywords.end(), std::string_view(upper));
}

// The names written bare, as SQL Server's dialect writes them bare: ASCII
// letters, digits, '_' and Chinese characters, not starting with a digit,
// and no keyword.
bool IsPlainName(const std::string& text) {
  if (text.empty() || IsKeyword(text)) return false;
  bool first = true;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
                        (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
                        (c >= 0xF900 && c <= 0xFAFF);
    const bool digit = c >= '0' && c <= '9';
    if (!(letter || (digit && !first))) return false;
    first = false;
  }
  return true;
}

// A name between backquotes, its own backquotes doubled.
std::string Quoted(const std::string& name) {
  std::string out = "`";
  for (char c : name) {
    out += c;
    if (c == '`') out += '`';
  }
  return out + "`";
}

// What SQLite writes for a kind of member; $n$ a length, $null$ "not null"
// or "null", $col$ a column name, $extra$ the column's constraints.
struct TKindSql {
  std::string_view column;     // column type in the table script
  std::string_view keyColumn;  // the same for a key (integer and string only)
  std::string_view dbType;     // DbType member of data-access parameters
  std::string_view show;       // column of the paged query's show list
};

// Character columns compare without case (ASCII), as keys on SQL Server do.
constexpr std::string_view kVarchar = "varchar($n$) collate nocase $null$$extra$";

// Indexed by TFieldKind.
constexpr std::array<TKindSql, 11> kKinds = {{
    // String
    {kVarchar, "varchar($n$) collate nocase not null primary key", "String", "$col$"},
    // Integer: only a column declared "integer primary key" numbers its rows.
    {"int not null$extra$", "integer primary key autoincrement not null", "Int32", "$col$"},
    // Float
    {"float not null$extra$", "", "Double", "$col$"},
    // Date: text "yyyy-MM-dd HH:mm:ss.fff" (DBHelp writes every date so);
    // the grid shows its date part.
    {"datetime null$extra$", "", "DateTime", "substr($col$,1,10)"},
    // Image
    {"blob null$extra$", "", "Binary", "$col$"},
    // IntegerReference
    {"int not null$extra$", "", "Int32", "$col$"},
    // StringReference
    {kVarchar, "", "String", "$col$"},
    // Boolean: an integer 0 or 1.
    {"int not null$extra$", "", "Boolean", "case when $col$=1 then '是' else '否' end"},
    // OwnIntegerReference
    {"int $null$$extra$", "", "Int32", "$col$"},
    // OwnStringReference
    {kVarchar, "", "String", "$col$"},
    // Choice
    {kVarchar, "", "String", "$col$"},
}};

const TKindSql& KindSql(TFieldKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

// A column's constraints in the letter case of the script.
std::string Constraints(const std::string& column, const TScriptColumn& c) {
  return ColumnConstraints(column, c, {"unique", "default", "check"});
}

// The login module's tables are made, and seeded, only where they are
// missing (a table is seeded while it is empty), so that running the script
// again on a database in use keeps its users, their passwords and the
// question list.
constexpr std::string_view kLoginTables =
    "-- SQLite 建库脚本：数据库文件不存在时，应用程序(DAL.DBHelp)用它建库；\r\n"
    "-- 设计改变后可用 sqlite3 LoginFrame.db < Database.sqlite.sql 重建设计中的表。\r\n"
    "create table if not exists P_PasswordType (\r\n"
    "\tP_Id integer primary key autoincrement not null,\r\n"
    "\tU_Name varchar(50) collate nocase null\r\n"
    ");\r\n"
    "insert into P_PasswordType(U_Name)\r\n"
    "select * from (values ('我最喜欢的动物'), ('我的小学班主任'), ('我的中学班主任'), "
    "('我最爱吃什么'), ('我最爱吃什么'), ('我母亲叫什么'), ('我父亲叫什么'))\r\n"
    "where not exists (select 1 from P_PasswordType);\r\n"
    "create table if not exists U_UserInfo (\r\n"
    "\tU_Id integer primary key autoincrement not null, -- 用户编号\r\n"
    "\tU_Name varchar(50) collate nocase null, -- 用户名\r\n"
    "\tU_RelName varchar(50) collate nocase null, -- 用户真实姓名\r\n"
    "\tU_Sex bit null, -- 用户性别\r\n"
    "\tU_PassWord varchar(50) collate nocase null, -- 用户密码\r\n"
    "\tU_Birthday datetime null, -- 出生日期\r\n"
    "\tU_PsdType int null, -- 密保类型(管理员维护)\r\n"
    "\tU_PsdAnswer varchar(50) collate nocase null, -- 密保回答问题\r\n"
    "\tU_IdCard varchar(20) collate nocase null, -- 身份证号\r\n"
    "\tU_NativePlace varchar(20) collate nocase null, -- 籍贯\r\n"
    "\tU_Address varchar(50) collate nocase null, -- 家庭住址\r\n"
    "\tU_Telephone varchar(50) collate nocase null, -- 电话号码\r\n"
    "\tU_Email varchar(50) collate nocase null, -- 邮箱号码\r\n"
    "\tU_PostalId varchar(20) collate nocase null, -- 邮编号码\r\n"
    "\tU_QQ varchar(20) collate nocase null, -- QQ\r\n"
    "\tU_Position varchar(20) collate nocase null, -- 职位\r\n"
    "\tU_Reamrk varchar(50) collate nocase null, -- 备注\r\n"
    "\tU_LoginTime datetime null, -- 注册时间\r\n"
    "\tU_RoleType int null, -- 用户权限类型(XML记录)\r\n"
    "\tU_Image blob null -- 用户生活照\r\n"
    ");\r\n";

class TSqliteDialect : public TSqlDialect {
public:
  std::string Name(const std::string& name) const override {
    return IsPlainName(name) ? name : Quoted(name);
  }
  // SQLite compares names without ASCII case.
  std::string NameKey(const std::string& name) const override { return AsciiLower(name); }

  std::string ScriptHead() const override;
  std::string ScriptDrops(const std::vector<std::string>& tables) const override;
  std::string ScriptTable(const TScriptTable& table) const override;
  // Every foreign key stands in its table: SQLite adds none to a table.
  std::string ScriptTail(const std::vector<TScriptForeignKey>&) const override { return ""; }

  std::string ProviderNamespace() const override { return "System.Data.Common"; }
  std::string ParameterClass() const override { return "DbParameter"; }
  std::string ReaderClass() const override { return "DbDataReader"; }
  std::vector<TProviderType> ProviderTypes() const override {
    return {{"DbDataReader", "System.Data.Common.DbDataReader"},
            {"DbParameter", "System.Data.Common.DbParameter"},
            {"DbType", "System.Data.DbType"}};
  }
  // The provider is known only at run time: DBHelp makes its parameters.
  std::string NewParameterNamed(const std::string& name, TFieldKind kind) const override {
    return Fill("DBHelp.NewParameter($p$,DbType.$type$)",
                {{"p", name}, {"type", KindSql(kind).dbType}});
  }
  std::string UpdateNoColumn(const std::string& table, const std::string& keyColumn,
                             const std::string& parameter) const override {
    return Fill("update $T$ set $kc$=$kc$ where $kc$=$p$",
                {{"T", Name(table)}, {"kc", Name(keyColumn)}, {"p", parameter}});
  }
  std::string ShowColumn(const std::string& column, TFieldKind kind) const override {
    return Fill(KindSql(kind).show, {{"col", Name(column)}});
  }
  // The SQL Server tree with DBHelp, the login form, the program and
  // App.config of the file database (the build assembles it).
  std::string ResourceTree() const override { return "bak-sqlite/LoginFrame"; }
  std::string SchemaFile() const override { return "Database.sqlite.sql"; }
  // The schema goes beside the program. On Windows the package gives the
  // provider; Mono brings its own, so the build needs neither.
  std::string ApplicationProjectItems() const override {
    return "    <None Include=\"Database.sqlite.sql\">\r\n"
           "      <CopyToOutputDirectory>PreserveNewest</CopyToOutputDirectory>\r\n"
           "    </None>\r\n"
           "    <PackageReference Include=\"System.Data.SQLite.Core\">\r\n"
           "      <Version>1.0.118</Version>\r\n"
           "    </PackageReference>\r\n";
  }

  // SQLite's integer keys come as 64-bit numbers, and Mono finds the value
  // in the drop-down's table only as the key column's own type.
  std::string ReferenceSelection() const override {
    return "            this.cb_$m$.SelectedValue = Convert.ChangeType($inst$.$mi$, "
           "$r$Ds.Tables[0].Columns[\"$rk$\"].DataType);";
  }

  std::string QueryLiteralMethods() const override;
};

std::string TSqliteDialect::ScriptHead() const {
  std::string s(kLoginTables);
  s += kSeedUserNote;
  s += "insert into U_UserInfo(U_Name,U_Sex,U_PassWord,U_Birthday,U_LoginTime,U_RoleType)\r\n";
  s += Fill(
      "select 'admin',1,'$digest$',"
      "strftime('%Y-%m-%d %H:%M:%f','now','localtime'),"
      "strftime('%Y-%m-%d %H:%M:%f','now','localtime'),2\r\n",
      {{"digest", kSeedUserDigest}});
  s += "where not exists (select 1 from U_UserInfo);\r\n";
  return s + "\r\n";
}

std::string TSqliteDialect::ScriptDrops(const std::vector<std::string>& tables) const {
  // Tables of an earlier design go first, whatever refers to them: the
  // shell enforces no foreign keys unless told, and this says so.
  if (tables.empty()) return "";
  std::string s = "PRAGMA foreign_keys = OFF;\r\n";
  for (const std::string& table : tables) s += "drop table if exists " + Name(table) + ";\r\n";
  return s + "\r\n";
}

std::string TSqliteDialect::ScriptTable(const TScriptTable& table) const {
  // Each item (column or constraint) after the comment lines that go before
  // it; items are separated by commas.
  std::vector<std::pair<std::string, std::string>> items;
  auto column = [&](const TScriptColumn& c, std::string_view type) {
    const std::string text = Fill(type, {{"n", std::to_string(c.length)},
                                         {"null", c.must ? "not null" : "null"},
                                         {"extra", Constraints(Name(c.name), c)}});
    items.emplace_back(c.notes, "\t" + Name(c.name) + " " + text);
  };
  column(table.key, KindSql(table.key.kind).keyColumn);
  for (const TScriptColumn& c : table.columns) column(c, KindSql(c.kind).column);
  for (const TScriptForeignKey& fk : table.foreignKeys)
    items.emplace_back("", Fill("\tconstraint $fk$ foreign key ($m$) references $R$($k$)",
                                {{"fk", Name(fk.name)},
                                 {"m", Name(fk.column)},
                                 {"R", Name(fk.referencedTable)},
                                 {"k", Name(fk.referencedColumn)}}));
  std::string s = "create table " + Name(table.name) + " (\r\n";
  for (std::size_t i = 0; i < items.size(); ++i)
    s += items[i].first + items[i].second + (i + 1 < items.size() ? ",\r\n" : "\r\n");
  return s + table.notes + ");\r\n\r\n";
}

std::string TSqliteDialect::QueryLiteralMethods() const {
  TCodeWriter w;
  w.Line("        /*SQL 文本常量：两边加单引号，其中的单引号加倍*/");
  w.Line("        private static string SqlText(string value)");
  w.Line("        {");
  w.Line("            return \"'\" + value.Replace(\"'\", \"''\") + \"'\";");
  w.Line("        }");
  w.Blank();
  w.Line("        /*like 的包含模式：\\、% 和 _ 前加转义字符 \\，按输入的字面匹配*/");
  w.Line("        private static string SqlContains(string value)");
  w.Line("        {");
  w.Line(
      R"(            return SqlText("%" + value.Replace("\\", "\\\\").Replace("%", "\\%").Replace("_", "\\_") + "%") + " escape '\\'";)");
  w.Line("        }");
  w.Blank();
  w.Line(
      "        /*日期常量，写成与数据库中相同的 yyyy-MM-dd HH:mm:ss.fff，按文字比较即按日期比较*/");
  w.Line("        private static string SqlDate(DateTime value)");
  w.Line("        {");
  w.Line(
      "            return \"'\" + value.ToString(\"yyyy-MM-dd HH:mm:ss.fff\", "
      "CultureInfo.InvariantCulture) + \"'\";");
  w.Line("        }");
  w.Blank();
  return w.Take();
}

}  // namespace

const TSqlDialect& SqliteDialect() {
  static const TSqliteDialect dialect;
  return dialect;
}
