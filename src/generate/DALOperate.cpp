#include "generate/DALOperate.h"

#include <map>
#include <set>

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"

namespace {

// name itself when no name in `taken` equals it (as the database compares
// names), else name followed by the first free number from 2; the answer is
// added to `taken`.
std::string FreeName(const TSqlDialect& sql, const std::string& name,
                     std::set<std::string>& taken) {
  std::string candidate = name;
  for (int n = 2; !taken.insert(sql.NameKey(candidate)).second; ++n)
    candidate = name + std::to_string(n);
  return candidate;
}

// The heading of a column of the paged query: the member's comment, or its
// name when the comment is empty (an empty alias is no SQL).
std::string Heading(const TSqlDialect& sql, const TMember& m) {
  return sql.Name(m.memberComment.empty() ? m.memberName : m.memberComment);
}

// Members in member order that pass test.
template <typename TTest>
std::vector<const TDesignMember*> Select(const TDesignClass& cls, TTest test) {
  std::vector<const TDesignMember*> list;
  for (const TDesignMember& m : cls.members)
    if (test(m)) list.push_back(&m);
  return list;
}

// Writes the methods of one class. Besides the class's values, its writer
// holds $T$ the table and $kc$ the key column as statements name them, $P$
// the parameter class.
class TDalClassWriter {
public:
  TDalClassWriter(const TDesign& design, const TDesignClass& cls)
      : design_(design),
        sql_(DialectOf(design)),
        cls_(cls),
        key_(KeyMember(cls)),
        w_(ClassWriter(cls)) {
    w_.Set("T", sql_.Name(cls.className));
    w_.Set("kc", sql_.Name(key_.memberName));
    w_.Set("P", sql_.ParameterClass());
  }

  std::string Build();

private:
  void WriteAdd();
  void WriteGetSome();
  void WriteEdit();
  void WriteDel();
  void WriteDelList();
  void WriteGet();
  void WriteGetAll();
  void WriteExists();

  const TDesign& design_;
  const TSqlDialect& sql_;
  const TDesignClass& cls_;
  const TDesignMember& key_;
  TCodeWriter w_;
};

std::string TDalClassWriter::Build() {
  WriteUsings(w_, TUsings::DataAccess, sql_.ProviderNamespace());
  w_.Blank();
  w_.Line("using Model;");
  w_.Append(TypeAliasLines(design_, TImportingFile::DataAccess));
  w_.Blank();
  w_.Line("namespace DAL");
  w_.Line("{");
  w_.Line("    /*$F$业务逻辑层实现*/");
  w_.Line("    public class dal$C$");
  w_.Line("    {");
  w_.Line("        /*待执行的sql语句*/");
  w_.Line("        public static string sql = \"\";");
  w_.Blank();
  WriteAdd();
  WriteGetSome();
  WriteEdit();
  w_.Blank();
  WriteDel();
  WriteDelList();
  w_.Blank();
  WriteGet();
  w_.Blank();
  WriteGetAll();
  w_.Blank();
  WriteExists();
  w_.Line("    }");
  w_.Line("}");
  return w_.Take();
}

void TDalClassWriter::WriteAdd() {
  // An integer key is filled by the database; a string key is inserted.
  const auto set = Select(cls_, [&](const TMember& m) { return !key_.IsInteger() || !m.IsKey(); });
  const std::size_t n = set.size();
  w_.Line("        /*添加$F$实现*/");
  w_.Line("        public static bool Add$C$($CT$ $inst$)");
  w_.Line("        {");
  if (n == 0) {
    // Nothing but the identity key: "insert into T() values()" is no SQL.
    w_.Line("            string sql = \"insert into $T$ default values\";");
  } else {
    std::string columns, values;
    for (std::size_t i = 0; i < n; ++i) {
      const char* sep = i + 1 < n ? "," : "";
      columns += sql_.Name(set[i]->memberName) + sep;
      values += "@" + set[i]->memberName + sep;
    }
    w_.Line("            string sql = \"insert into $T$($cols$) values($vals$)\";",
            {{"cols", columns}, {"vals", values}});
  }
  w_.Line("            /*构建sql参数*/");
  w_.Line("            $P$[] parm = new $P$[] {");
  for (std::size_t i = 0; i < n; ++i)
    w_.Line("             $new$$sep$",
            {{"new", sql_.NewParameter("@" + set[i]->memberName, set[i]->kind)},
             {"sep", i + 1 < n ? "," : ""}});
  w_.Line("            };");
  w_.Line("            /*给参数赋值*/");
  for (std::size_t j = 0; j < n; ++j)
    w_.Line("            parm[$j$].Value = " + std::string(set[j]->Kind().parameterValue) + "; //$c$",
            {{"j", std::to_string(j)},
             {"mi", CSharpName(set[j]->memberName)},
             {"c", set[j]->memberComment}});
  w_.Blank();
  w_.Line("            /*执行sql进行添加*/");
  w_.Line("            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteGetSome() {
  w_.Line("        /*根据$k$获取某条$F$记录*/");
  w_.Line("        public static $CT$ getSome$C$($ktype$ $ki$)",
          {{"ktype", KindInfo(KeyKind(key_)).csType}});
  w_.Line("        {");
  w_.Line("            /*构建查询sql*/");
  if (key_.IsInteger())
    w_.Line("            string sql = \"select * from $T$ where $kc$=\" + $ki$;");
  else  // Quotes in the key are doubled so that any key value gives a statement that runs.
    w_.Line(
        "            string sql = \"select * from $T$ where $kc$='\" + $ki$.Replace(\"'\", \"''\") "
        "+ \"'\"; ");
  w_.Line("            $reader$ DataRead = DBHelp.ExecuteReader(sql, null);",
          {{"reader", sql_.ReaderClass()}});
  w_.Line("            $CT$ $inst$ = new $CT$();");
  w_.Line("            /*如果查询存在记录，就包装到对象中返回*/");
  w_.Line("            if (DataRead.Read())");
  w_.Line("            {");
  for (const TDesignMember& m : cls_.members) {
    const std::string item = Fill("DataRead[\"$m$\"]", {{"m", m.memberName}});
    const TCodeWriter::TVars v = {
        {"mi", CSharpName(m.memberName)},
        {"item", item},
        {"value", Fill(KindInfo(m.kind).readerConversion, {{"item", item}})}};
    // A NULL of a column that allows it leaves the property at its default.
    if (m.Kind().nullable)
      w_.Line("                if (!($item$ is DBNull)) $inst$.$mi$ = $value$;", v);
    else
      w_.Line("                $inst$.$mi$ = $value$;", v);
  }
  w_.Line("            }");
  w_.Line("            DataRead.Close();");
  w_.Line("            return $inst$;");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteEdit() {
  const auto set = Select(cls_, [](const TMember& m) { return !m.IsKey(); });
  const std::size_t n = set.size();
  w_.Line("        /*更新$F$实现*/");
  w_.Line("        public static bool Edit$C$($CT$ $inst$)");
  w_.Line("        {");
  if (n == 0) {
    // Nothing to set but the key: the statement changes no column and still
    // counts the row, so the method tells whether the record exists.
    w_.Line(
        "            string sql = \"$update$\";",
        {{"update", sql_.UpdateNoColumn(cls_.className, key_.memberName, "@" + key_.memberName)}});
  } else {
    std::string assignments;
    for (std::size_t i = 0; i < n; ++i)
      assignments +=
          sql_.Name(set[i]->memberName) + "=@" + set[i]->memberName + (i + 1 < n ? "," : "");
    w_.Line("            string sql = \"update $T$ set $set$ where $kc$=@$k$\";",
            {{"set", assignments}});
  }
  w_.Line("            /*构建sql参数信息*/");
  w_.Line("            $P$[] parm = new $P$[] {");
  for (const TDesignMember* m : set)
    w_.Line("             $new$,", {{"new", sql_.NewParameter("@" + m->memberName, m->kind)}});
  w_.Line("             $new$", {{"new", sql_.NewParameter("@" + key_.memberName, KeyKind(key_))}});
  w_.Line("            };");
  w_.Line("            /*为参数赋值*/");
  for (std::size_t j = 0; j < n; ++j)
    w_.Line("            parm[$j$].Value = " + std::string(set[j]->Kind().parameterValue) + ";",
            {{"j", std::to_string(j)}, {"mi", CSharpName(set[j]->memberName)}});
  w_.Line("            parm[$n$].Value = $inst$.$ki$;", {{"n", std::to_string(n)}});
  w_.Line("            /*执行更新*/");
  w_.Line("            return (DBHelp.ExecuteNonQuery(sql, parm) > 0) ? true : false;");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteDel() {
  w_.Line("        /*删除$F$*/");
  w_.Line("        public static bool Del$C$(string p)");
  w_.Line("        {");
  if (key_.IsInteger()) {
    // Each value is turned into a number first: text that is not one raises
    // instead of becoming part of the statement.
    w_.Line("            p = string.Join(\",\", Array.ConvertAll(p.Split(','), int.Parse));");
    w_.Line("            string sql = \"delete from $T$ where $kc$ in (\" + p + \") \";");
  } else {
    // Each value goes between quotes, its own quotes doubled.
    w_.Line("            string sql = \"\";");
    w_.Line("            string[] ids = p.Split(',');");
    w_.Line("            for(int i=0;i<ids.Length;i++)");
    w_.Line("            {");
    w_.Line("                if(i != ids.Length-1)");
    w_.Line("                  sql += \"'\" + ids[i].Replace(\"'\", \"''\") + \"',\";");
    w_.Line("                else");
    w_.Line("                  sql += \"'\" + ids[i].Replace(\"'\", \"''\") + \"'\";");
    w_.Line("            }");
    w_.Line("            sql = \"delete from $T$ where $kc$ in (\" + sql + \")\";");
  }
  w_.Line("            return ((DBHelp.ExecuteNonQuery(sql, null)) > 0) ? true : false;");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteDelList() {
  // Each key is a parameter of its own, so a key holding a comma or a quote
  // is compared whole, as it is.
  w_.Line("        /*按主键列表删除$F$：每个主键各是一个参数，按原样比较*/");
  w_.Line("        public static bool Del$C$(List<string> keys)");
  w_.Line("        {");
  w_.Line("            if (keys == null || keys.Count == 0)");
  w_.Line("                return false;");
  w_.Line("            $P$[] parm = new $P$[keys.Count];");
  w_.Line("            string[] names = new string[keys.Count];");
  w_.Line("            for (int i = 0; i < keys.Count; i++)");
  w_.Line("            {");
  w_.Line("                names[i] = \"@key\" + i;");
  w_.Line("                parm[i] = $new$;",
          {{"new", sql_.NewParameterNamed("names[i]", KeyKind(key_))}});
  w_.Line(key_.IsInteger() ? "                parm[i].Value = int.Parse(keys[i]);"
                           : "                parm[i].Value = keys[i];");
  w_.Line("            }");
  w_.Line(
      "            string sql = \"delete from $T$ where $kc$ in (\" + string.Join(\",\", names) + "
      "\")\";");
  w_.Line("            return ((DBHelp.ExecuteNonQuery(sql, parm)) > 0) ? true : false;");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteGet() {
  const std::string& className = cls_.className;
  // Each referenced class joins with its display column. The paging wraps
  // the select as a derived table, which needs distinct table names and
  // distinct column names: a class named a second time is given an alias,
  // and a display column whose name is taken is renamed.
  std::set<std::string> tables{sql_.NameKey(className)};
  std::set<std::string> columns;
  for (const TDesignMember& m : cls_.members) columns.insert(sql_.NameKey(m.memberName));
  std::map<const TDesignMember*, std::string> displayColumn;  // column name in the select
  std::string extraColumns, leftJoins, extraTables, joins;
  for (const TDesignMember& ref : cls_.members) {
    if (!ref.IsReference()) continue;
    const TReferenced target = Referenced(design_, cls_, ref);
    const std::string& display = target.display.memberName;
    std::string table = ref.memberType;
    std::string tableText = sql_.Name(ref.memberType);
    if (!tables.insert(sql_.NameKey(table)).second) {
      table = FreeName(sql_, ref.memberName, tables);
      tableText += " " + sql_.Name(table);
    }
    std::string column = display;
    std::string columnText = sql_.Column(table, display);
    if (!columns.insert(sql_.NameKey(column)).second) {
      column = FreeName(sql_, ref.memberName + "_" + display, columns);
      columnText += " as " + sql_.Name(column);
    }
    displayColumn[&ref] = column;
    extraColumns += "," + columnText;
    const std::string match =
        sql_.Column(className, ref.memberName) + "=" + sql_.Column(table, target.key.memberName);
    // A reference that may be empty joins on its own, so that a record
    // referring to nothing is still listed.
    if (ref.Kind().nullable) {
      leftJoins += " left join " + tableText + " on " + match;
    } else {
      extraTables += "," + tableText;
      joins += " and  " + match;
    }
  }

  std::string show = sql_.Name(key_.memberName) + " as " + Heading(sql_, key_);
  for (const TDesignMember& m : cls_.members) {
    if (m.IsKey() || !m.IsShown()) continue;
    const std::string& column = m.IsReference() ? displayColumn.at(&m) : m.memberName;
    show += "," + sql_.ShowColumn(column, m.kind) + " as " + Heading(sql_, m);
  }

  w_.Line("        /*查询$F$*/");
  w_.Line(
      "        public static System.Data.DataTable Get$C$(int PageIndex, int PageSize, out int "
      "PageCount, out int RecordCount, string strWhere)");
  w_.Line("        {");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line(
      "                string strSql = \" select $T$.*$cols$ from $T$$tables$ where 1=1$joins$\";",
      {{"cols", extraColumns}, {"tables", leftJoins + extraTables}, {"joins", joins}});
  w_.Line("                string strShow = \"$show$\";", {{"show", show}});
  w_.Line(
      "                return DAL.DBHelp.$pager$(PageIndex, PageSize, \"$kc$\", strShow, strSql, "
      "strWhere, \" $kc$ asc \", out PageCount, out RecordCount);",
      {{"pager", key_.IsInteger() ? "ExecutePager" : "ExecutePagerWhenPrimaryIsString"}});
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                throw ex;");
  w_.Line("            }");
  w_.Line("        }");
  w_.Blank();
}

void TDalClassWriter::WriteGetAll() {
  w_.Line("        public static DataSet getAll$C$()");
  w_.Line("        {");
  w_.Line("            try");
  w_.Line("            {");
  w_.Line("                string strSql = \"select * from $T$\";");
  w_.Line("                return DBHelp.ExecuteDataSet(strSql, null);");
  w_.Line("            }");
  w_.Line("            catch (Exception ex)");
  w_.Line("            {");
  w_.Line("                throw ex;");
  w_.Line("            }");
  w_.Line("        }");
  w_.Blank();
}

// For each member whose values must be unique: whether another record holds
// the value. The key parameter is always passed (NULL for none), so one
// statement serves the add form and the edit form.
void TDalClassWriter::WriteExists() {
  for (const TDesignMember* m : UniqueMembers(cls_)) {
    w_.Lines(R"cs(
        /*是否已有$F$的$c$是这个值(不算主键为 exceptKey 的记录；exceptKey 为 null 时不除外)*/
        public static bool Exists_$m$($type$ value, object exceptKey)
        {
            string sql = "select $kc$ from $T$ where $col$=@value and (@exceptKey is null or $kc$<>@exceptKey)";
            $P$[] parm = new $P$[] {
             $newValue$,
             $newKey$
            };
            parm[0].Value = value;
            parm[1].Value = exceptKey == null ? (object)DBNull.Value : exceptKey;
            return DBHelp.ExecuteDataSet(sql, parm).Tables[0].Rows.Count > 0;
        }

)cs",
             {{"m", m->memberName},
              {"c", m->memberComment},
              {"type", m->Kind().csType},
              {"col", sql_.Name(m->memberName)},
              {"newValue", sql_.NewParameter("@value", m->kind)},
              {"newKey", sql_.NewParameter("@exceptKey", KeyKind(key_))}});
  }
}

}  // namespace

void TDALOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  WriteTier(ctx, design, "DAL", "dal",
            [&](const TDesignClass& cls) { return BuildClass(design, cls); });
}

std::string TDALOperate::BuildClass(const TDesign& design, const TDesignClass& cls) {
  return TDalClassWriter(design, cls).Build();
}
