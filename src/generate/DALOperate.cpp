#include "generate/DALOperate.h"

#include <map>
#include <set>

#include "generate/OutputFiles.h"
#include "generate/SqlNames.h"

namespace {

// The key's own kind: the generated parameter and local types follow it.
TFieldKind KeyKind(const TMember& key) {
  return key.IsInteger() ? TFieldKind::Integer : TFieldKind::String;
}

// name itself when no name in `taken` equals it (as SQL Server compares
// names), else name followed by the first free number from 2; the answer is
// added to `taken`.
std::string FreeName(const std::string& name, std::set<std::string>& taken) {
  std::string candidate = name;
  for (int n = 2; !taken.insert(SqlNameKey(candidate)).second; ++n)
    candidate = name + std::to_string(n);
  return candidate;
}

// The heading of a column of the paged query: the member's comment, or its
// name when the comment is empty (an empty alias is no SQL).
std::string Heading(const TMember& m) {
  return SqlAlias(m.memberComment.empty() ? m.memberName : m.memberComment);
}

}  // namespace

void TDALOperate::Generate(TGeneratorContext& ctx, const TNameList& classes) {
  std::string compileList;
  for (const TNamedId& entry : classes)
    compileList += "    <Compile Include=\"dal" + entry.name + ".cs\" />\r\n";
  WriteTemplateFile(ctx, "DAL/DAL.csproj", {{"$CompileString", compileList}});

  reader_ = TDesignReader(ctx.ProjectId());
  for (const TNamedId& entry : classes) {
    class_ = reader_.ReadClass(entry);
    key_ = reader_.KeyMember(class_);
    WriteClassFile(ctx, OutputPath(ctx, "DAL", "dal" + class_.className + ".cs"), BuildClass());
  }
}

std::string TDALOperate::BuildClass() {
  std::string s;
  s += "using System;\r\n";
  s += "using System.Collections.Generic;\r\n";
  s += "using System.Linq;\r\n";
  s += "using System.Text;\r\n";
  s += "using System.Data.SqlClient;\r\n";
  s += "using System.Data;\r\n\r\n";
  s += "using Model;\r\n\r\n";
  s += "namespace DAL\r\n";
  s += "{\r\n";
  s += "    /*" + class_.friendName + "业务逻辑层实现*/\r\n";
  s += "    public class dal" + class_.className + "\r\n";
  s += "    {\r\n";
  s += "        /*待执行的sql语句*/\r\n";
  s += "        public static string sql = \"\";\r\n\r\n";
  s += BuildAdd();
  s += BuildGetSome();
  s += BuildEdit() + "\r\n";
  s += BuildDel() + "\r\n";
  s += BuildGet() + "\r\n";
  s += BuildGetAll() + "\r\n";
  s += "    }\r\n";
  s += "}\r\n";
  return s;
}

std::string TDALOperate::BuildAdd() {
  const std::string& className = class_.className;
  const std::string& instance = class_.instanceName;
  // An integer key is filled by the database; a string key is inserted.
  const std::vector<TMember> set =
      key_.IsInteger() ? reader_.NonKeyMembers(class_.classId) : reader_.Members(class_.classId);
  const std::size_t n = set.size();
  std::string s;
  s += "        /*添加" + class_.friendName + "实现*/\r\n";
  s += "        public static bool Add" + className + "(" + className + " " + instance + ")\r\n";
  s += "        {\r\n";
  if (n == 0) {
    // Nothing but the identity key: "insert into T() values()" is no SQL.
    s += "            string sql = \"insert into " + className + " default values\";\r\n";
  } else {
    s += "            string sql = \"insert into " + className + "(";
    for (std::size_t i = 0; i < n; ++i) s += set[i].memberName + (i + 1 < n ? "," : "");
    s += ") values(";
    for (std::size_t i = 0; i < n; ++i) s += "@" + set[i].memberName + (i + 1 < n ? "," : "");
    s += ")\";\r\n";
  }
  s += "            /*构建sql参数*/\r\n";
  s += "            SqlParameter[] parm = new SqlParameter[] {\r\n";
  for (std::size_t i = 0; i < n; ++i) {
    const std::string type(SqlDbTypeName(reader_.FieldKind(set[i])));
    s += "             new SqlParameter(\"@" + set[i].memberName + "\",SqlDbType." + type + ")";
    s += i + 1 < n ? ",\r\n" : "\r\n";
  }
  s += "            };\r\n";
  s += "            /*给参数赋值*/\r\n";
  for (std::size_t j = 0; j < n; ++j)
    s += "            parm[" + std::to_string(j) + "].Value = " + instance + "." +
         set[j].memberName + "; //" + set[j].memberComment + "\r\n";
  s += "\r\n            /*执行sql进行添加*/\r\n";
  s += "            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;\r\n";
  s += "        }\r\n\r\n";
  return s;
}

std::string TDALOperate::BuildGetSome() {
  const std::string& className = class_.className;
  const std::string& instance = class_.instanceName;
  const std::string& key = key_.memberName;
  const std::string keyType(CSharpType(KeyKind(key_)));
  std::string s;
  s += "        /*根据" + key + "获取某条" + class_.friendName + "记录*/\r\n";
  s += "        public static " + className + " getSome" + className + "(" + keyType + " " + key +
       ")\r\n";
  s += "        {\r\n";
  s += "            /*构建查询sql*/\r\n";
  if (key_.IsInteger()) {
    s += "            string sql = \"select * from " + className + " where " + key + "=\" + " +
         key + ";\r\n";
  } else {
    // Quotes in the key are doubled so that any key value gives a statement that runs.
    s += "            string sql = \"select * from " + className + " where " + key + "='\" + " +
         key + ".Replace(\"'\", \"''\") + \"'\"; \r\n";
  }
  s += "            SqlDataReader DataRead = DBHelp.ExecuteReader(sql, null);\r\n";
  s += "            " + className + " " + instance + " = new " + className + "();\r\n";
  s += "            /*如果查询存在记录，就包装到对象中返回*/\r\n";
  s += "            if (DataRead.Read())\r\n";
  s += "            {\r\n";
  for (const TMember& m : reader_.Members(class_.classId)) {
    const std::string item = "DataRead[\"" + m.memberName + "\"]";
    s += "                " + instance + "." + m.memberName + " = " +
         ReaderConversion(reader_.FieldKind(m), item) + ";\r\n";
  }
  s += "            }\r\n";
  s += "            DataRead.Close();\r\n";
  s += "            return " + instance + ";\r\n";
  s += "        }\r\n\r\n";
  return s;
}

std::string TDALOperate::BuildEdit() {
  const std::string& className = class_.className;
  const std::string& instance = class_.instanceName;
  const std::string& key = key_.memberName;
  const std::vector<TMember> set = reader_.NonKeyMembers(class_.classId);
  const std::size_t n = set.size();
  std::string s;
  s += "        /*更新" + class_.friendName + "实现*/\r\n";
  s += "        public static bool Edit" + className + "(" + className + " " + instance + ")\r\n";
  s += "        {\r\n";
  if (n == 0) {
    // Nothing to set but the key, which an identity column refuses: the
    // statement assigns the parameter to itself, changes no column and
    // still counts the row, so the method tells whether the record exists.
    s += "            string sql = \"update " + className + " set @" + key + "=@" + key +
         " where " + key + "=@" + key + "\";\r\n";
  } else {
    s += "            string sql = \"update " + className + " set ";
    for (std::size_t i = 0; i < n; ++i)
      s += set[i].memberName + "=@" + set[i].memberName + (i + 1 < n ? "," : "");
    s += " where " + key + "=@" + key + "\";\r\n";
  }
  s += "            /*构建sql参数信息*/\r\n";
  s += "            SqlParameter[] parm = new SqlParameter[] {\r\n";
  for (const TMember& m : set) {
    const std::string type(SqlDbTypeName(reader_.FieldKind(m)));
    s += "             new SqlParameter(\"@" + m.memberName + "\",SqlDbType." + type + "),\r\n";
  }
  const std::string keyType(SqlDbTypeName(KeyKind(key_)));
  s += "             new SqlParameter(\"@" + key + "\",SqlDbType." + keyType + ")\r\n";
  s += "            };\r\n";
  s += "            /*为参数赋值*/\r\n";
  for (std::size_t j = 0; j < n; ++j)
    s += "            parm[" + std::to_string(j) + "].Value = " + instance + "." +
         set[j].memberName + ";\r\n";
  s += "            parm[" + std::to_string(n) + "].Value = " + instance + "." + key + ";\r\n";
  s += "            /*执行更新*/\r\n";
  s += "            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;\r\n";
  s += "        }\r\n\r\n";
  return s;
}

std::string TDALOperate::BuildDel() {
  const std::string& className = class_.className;
  const std::string& key = key_.memberName;
  std::string s;
  s += "        /*删除" + class_.friendName + "*/\r\n";
  s += "        public static bool Del" + className + "(string p)\r\n";
  s += "        {\r\n";
  if (key_.IsInteger()) {
    s += "            string sql = \"delete from " + className + " where " + key +
         " in (\" + p + \") \";\r\n";
  } else {
    // Each value goes between quotes, its own quotes doubled.
    s += "            string sql = \"\";\r\n";
    s += "            string[] ids = p.Split(',');\r\n";
    s += "            for(int i=0;i<ids.Length;i++)\r\n";
    s += "            {\r\n";
    s += "                if(i != ids.Length-1)\r\n";
    s += "                  sql += \"'\" + ids[i].Replace(\"'\", \"''\") + \"',\";\r\n";
    s += "                else\r\n";
    s += "                  sql += \"'\" + ids[i].Replace(\"'\", \"''\") + \"'\";\r\n";
    s += "            }\r\n";
    s += "            sql = \"delete from " + className + " where " + key +
         " in (\" + sql + \")\";\r\n";
  }
  s += "            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;\r\n";
  s += "        }\r\n\r\n";
  return s;
}

std::string TDALOperate::BuildGet() {
  const std::string& className = class_.className;
  const std::string& key = key_.memberName;

  // Each referenced class joins with its display column. The paging wraps
  // the select as a derived table, which needs distinct table names and
  // distinct column names: a class named a second time is given an alias,
  // and a display column whose name is taken is renamed.
  std::set<std::string> tables{SqlNameKey(className)};
  std::set<std::string> columns;
  for (const TMember& m : reader_.Members(class_.classId)) columns.insert(SqlNameKey(m.memberName));
  std::map<int, std::string> displayColumn;  // memberId -> column name in the select
  std::string extraColumns, extraTables, joins;
  for (const TMember& ref : reader_.ReferenceMembers(class_.classId)) {
    const std::string display = reader_.ReferencedDisplay(ref).memberName;
    const std::string refKey = reader_.ReferencedKey(ref).memberName;
    std::string table = ref.memberType;
    std::string tableText = ref.memberType;
    if (!tables.insert(SqlNameKey(table)).second) {
      table = FreeName(ref.memberName, tables);
      tableText += " " + table;
    }
    std::string column = display;
    std::string columnText = table + "." + display;
    if (!columns.insert(SqlNameKey(column)).second) {
      column = FreeName(ref.memberName + "_" + display, columns);
      columnText += " as " + column;
    }
    displayColumn[ref.memberId] = column;
    extraColumns += "," + columnText;
    extraTables += "," + tableText;
    joins += " and  " + className + "." + ref.memberName + "=" + table + "." + refKey;
  }

  std::string show = key + " as " + Heading(key_);
  for (const TMember& m : reader_.ShownMembers(class_.classId)) {
    show += ",";
    switch (ClassifyMemberType(m.memberType)) {
      case TMemberKind::Date:
        show += "convert(char(11)," + m.memberName + ",20) as " + Heading(m);
        break;
      case TMemberKind::Reference:
        show += displayColumn.at(m.memberId) + " as " + Heading(m);
        break;
      default: show += m.memberName + " as " + Heading(m); break;
    }
  }

  std::string s;
  s += "        /*查询" + class_.friendName + "*/\r\n";
  s += "        public static System.Data.DataTable Get" + className +
       "(int PageIndex, int PageSize, out int PageCount, out int RecordCount, string strWhere)\r\n";
  s += "        {\r\n";
  s += "            try\r\n";
  s += "            {\r\n";
  s += "                string strSql = \" select " + className + ".*" + extraColumns + " from " +
       className + extraTables + " where 1=1" + joins + "\";\r\n";
  s += "                string strShow = \"" + show + "\";\r\n";
  const std::string pager = key_.IsInteger() ? "ExecutePager" : "ExecutePagerWhenPrimaryIsString";
  s += "                return DAL.DBHelp." + pager + "(PageIndex, PageSize, \"" + key +
       "\", strShow, strSql, strWhere, \" " + key + " asc \", out PageCount, out RecordCount);\r\n";
  s += "            }\r\n";
  s += "            catch (Exception ex)\r\n";
  s += "            {\r\n";
  s += "                throw ex;\r\n";
  s += "            }\r\n";
  s += "        }\r\n\r\n";
  return s;
}

std::string TDALOperate::BuildGetAll() {
  const std::string& className = class_.className;
  std::string s;
  s += "        public static DataSet getAll" + className + "()\r\n";
  s += "        {\r\n";
  s += "            try\r\n";
  s += "            {\r\n";
  s += "                string strSql = \"select * from " + className + "\";\r\n";
  s += "                return DBHelp.ExecuteDataSet(strSql, null);\r\n";
  s += "            }\r\n";
  s += "            catch (Exception ex)\r\n";
  s += "            {\r\n";
  s += "                throw ex;\r\n";
  s += "            }\r\n";
  s += "        }\r\n\r\n";
  return s;
}
