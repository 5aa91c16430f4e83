// From the tables a script declares to classes and members: first a plan
// (names made valid, types mapped by one table, keys, references, display
// members) built from the script alone, then stored under the entry rules,
// as a new project or over an existing one.
#include "commands/SqlScriptImport.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "commands/DesignRules.h"
#include "commands/DesignText.h"
#include "commands/SqlScriptReader.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/DesignReader.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/Design.h"
#include "vocabulary/Encoding.h"
#include "vocabulary/Text.h"

namespace {

// ---- Decoding ----------------------------------------------------------------

TSqlPlace PlaceOf(std::string_view utf8) {
  TSqlPlace place{1, 1};
  for (std::size_t i = 0; i < utf8.size();) {
    if (NextCodePoint(utf8, i) == '\n') {
      ++place.line;
      place.column = 1;
    } else {
      ++place.column;
    }
  }
  return place;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (NextCodePoint(text, i) == 0 && byte != 0) return false;
  }
  return true;
}

std::string Convert(const std::string& bytes, const char* encoding, const char* name) {
  std::string utf8;
  std::size_t bad = 0;
  if (ConvertToUtf8(bytes, encoding, utf8, bad)) return utf8;
  std::string before;
  std::size_t ignored = 0;
  ConvertToUtf8(bytes.substr(0, bad), encoding, before, ignored);
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X",
                static_cast<unsigned char>(bad < bytes.size() ? bytes[bad] : 0));
  throw TDesignTextError(PlaceOf(before).Text(),
                         std::string("不是合法的 ") + name + " 文本(字节 " + hex + ")");
}

// ---- Names -------------------------------------------------------------------

bool IsAsciiLetter(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
char Lowered(char c) {
  return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// What a name keeps: ASCII letters, digits and '_', and Chinese characters,
// which C# and SQL Server both read as letters. Spaces and every other
// character go, and a small letter after them starts a word ("order id"
// -> "orderId").
std::string Cleaned(std::string_view name) {
  std::string out;
  bool wordStart = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t start = i;
    const char32_t c = NextCodePoint(name, i);
    const bool keep = IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_' ||
                      (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
                      (c >= 0xF900 && c <= 0xFAFF);
    if (!keep) {
      wordStart = !out.empty();
      continue;
    }
    out += name.substr(start, i - start);
    if (wordStart && c >= 'a' && c <= 'z') out.back() = static_cast<char>(c - 'a' + 'A');
    wordStart = false;
  }
  return out;
}

// A class name: a capital A to Z first ("orders" -> "Orders"; "订单" ->
// "T订单").
std::string ClassNameFor(std::string_view table) {
  std::string name = Cleaned(table);
  if (name.empty() || !IsAsciiLetter(static_cast<unsigned char>(name[0]))) name = "T" + name;
  if (!IsUpper(name[0])) name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

// A member name: a small letter a to z first, the leading capitals of the
// column lowered as a C# field would be ("OrderID" -> "orderID", "ID" ->
// "id", "IDCard" -> "idCard"; "名称" -> "f名称").
std::string MemberNameFor(std::string_view column) {
  std::string name = Cleaned(column);
  if (name.empty() || !IsAsciiLetter(static_cast<unsigned char>(name[0]))) return "f" + name;
  std::size_t capitals = 0;
  while (capitals < name.size() && IsUpper(name[capitals])) ++capitals;
  const bool wordFollows = capitals < name.size() && name[capitals] >= 'a' && name[capitals] <= 'z';
  const std::size_t lowered = capitals > 1 && wordFollows ? capitals - 1 : capitals;
  for (std::size_t i = 0; i < lowered; ++i) name[i] = Lowered(name[i]);
  return name;
}

// Names already given in one scope, compared as the design compares them
// (ignoring ASCII case); a name taken gets the first free number.
class TNameScope {
public:
  std::string Claim(const std::string& wanted) {
    std::string name = wanted;
    for (int n = 2; taken_.count(AsciiLower(name)); ++n) name = wanted + std::to_string(n);
    taken_.insert(AsciiLower(name));
    return name;
  }

private:
  std::set<std::string> taken_;
};

// ---- Types -------------------------------------------------------------------

// How a SQL Server type becomes a member type: the length of a string
// member is the column's own (kColumnLength) or fixed.
constexpr int kColumnLength = -1;
struct TTypeRow {
  std::string_view sqlType;
  std::string_view memberType;
  int length = 0;
};
constexpr TTypeRow kTypes[] = {
    {"char", kTypeString, kColumnLength},
    {"varchar", kTypeString, kColumnLength},
    {"nchar", kTypeString, kColumnLength},
    {"nvarchar", kTypeString, kColumnLength},
    {"text", kTypeString, kMaxStringLength},
    {"ntext", kTypeString, kMaxStringLength},
    {"sysname", kTypeString, 128},
    {"uniqueidentifier", kTypeString, 36},
    {"bigint", kTypeInteger},
    {"int", kTypeInteger},
    {"smallint", kTypeInteger},
    {"tinyint", kTypeInteger},
    {"bit", kTypeBoolean},
    {"decimal", kTypeFloat},
    {"numeric", kTypeFloat},
    {"money", kTypeFloat},
    {"smallmoney", kTypeFloat},
    {"float", kTypeFloat},
    {"real", kTypeFloat},
    {"date", kTypeDate},
    {"datetime", kTypeDate},
    {"datetime2", kTypeDate},
    {"smalldatetime", kTypeDate},
    {"datetimeoffset", kTypeDate},
    {"time", kTypeDate},
    {"image", kTypeImage},
    {"varbinary", kTypeImage},
    {"binary", kTypeImage},
};

const TTypeRow* TypeRow(const std::string& sqlType) {
  for (const TTypeRow& row : kTypes)
    if (row.sqlType == sqlType) return &row;
  return nullptr;
}

// The length of a string member made from the column: (max) is the
// longest varchar, no length at all SQL Server's default of 1.
int StringLength(const TTypeRow& row, const TSqlColumn& column) {
  if (row.length != kColumnLength) return row.length;
  if (column.max) return kMaxStringLength;
  return column.length.value_or(1);
}

// ---- The plan ----------------------------------------------------------------

struct TPlannedMember {
  std::string place;   // for refusals: line, column, table and column
  std::string column;  // as the script names it; empty for an added key
  TMemberEntry entry;
  bool described = false;  // the comment is the column's MS_Description
  bool nullable = false;
};

struct TPlannedClass {
  std::string place;
  std::string table;  // schema.name, for messages
  std::string className;
  std::string friendName;
  bool described = false;  // the friendly name is the table's MS_Description
  bool keyFromScript = false;
  std::vector<TPlannedMember> members;

  int Find(std::string_view column) const {
    for (std::size_t i = 0; i < members.size(); ++i)
      if (!members[i].column.empty() && SameSqlName(members[i].column, column))
        return static_cast<int>(i);
    return -1;
  }
  const TPlannedMember* Key() const {
    for (const TPlannedMember& m : members)
      if (m.entry.isPri) return &m;
    return nullptr;
  }
};

struct TPlan {
  std::vector<TPlannedClass> classes;
  std::vector<std::string> warnings;
};

std::string Line(const TSqlPlace& place) {
  return "第 " + std::to_string(place.line) + " 行";
}

// The tables of the generated application's own login module: a script
// made by the `sql` command holds them, and the generated script always
// creates them, so they are no classes of the design.
bool IsLoginModuleTable(const TSqlObjectName& name) {
  return SameSqlName(name.schema, "dbo") &&
         (SameSqlName(name.name, "P_PasswordType") || SameSqlName(name.name, "U_UserInfo"));
}

class TPlanner {
public:
  explicit TPlanner(const TSqlSchema& schema) : schema_(schema) {}

  TPlan Build() {
    plan_.warnings = schema_.warnings;
    std::vector<std::string> login;
    for (std::size_t i = 0; i < schema_.tables.size(); ++i) {
      if (IsLoginModuleTable(schema_.tables[i].name)) {
        login.push_back(schema_.tables[i].name.name);
        classOf_.push_back(-1);
        continue;
      }
      classOf_.push_back(static_cast<int>(plan_.classes.size()));
      plan_.classes.push_back(PlanClass(schema_.tables[i]));
    }
    if (!login.empty()) {
      std::string names;
      for (const std::string& n : login) names += (names.empty() ? "" : "、") + n;
      plan_.warnings.push_back("表 " + names + " 属于生成的程序自带的登录模块，未作为类导入");
    }
    for (std::size_t i = 0; i < schema_.tables.size(); ++i)
      if (classOf_[i] >= 0) PlanReferences(schema_.tables[i], i);
    for (TPlannedClass& c : plan_.classes) ChooseDisplay(c);
    if (caseOnly_ > 0)
      plan_.warnings.push_back(std::to_string(caseOnly_) +
                               " 个表名或列名只改了开头字母的大小写(如 " + caseExample_ + ")");
    return std::move(plan_);
  }

private:
  // Notes a name the design holds differently from the script: each one
  // that lost or gained characters, and how many only changed the case of
  // their first letters (which SQL Server's default collations do not tell
  // apart).
  void Renamed(const std::string& what, const std::string& from, const std::string& to,
               const TSqlPlace& place) {
    if (from == to) return;
    if (AsciiLower(from) == AsciiLower(to)) {
      if (caseOnly_++ == 0) caseExample_ = from + " → " + to;
      return;
    }
    plan_.warnings.push_back(what + " 导入为 " + to + "(" + Line(place) + ")");
  }

  // A description as a friendly name or comment: one line, at most as long
  // as the design takes.
  std::string Described(const std::string& text, const std::string& what, const TSqlPlace& place) {
    std::string line;
    for (char c : text) {
      const bool blank = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
      if (!blank)
        line += c;
      else if (!line.empty() && line.back() != ' ')
        line += ' ';
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (CharacterCount(line) <= kMaxTextLength) return line;
    std::size_t cut = 0;
    for (std::size_t n = 0; n < kMaxTextLength; ++n) NextCodePoint(line, cut);
    plan_.warnings.push_back(what + "的说明超过 " + std::to_string(kMaxTextLength) +
                             " 个字符，只取前 " + std::to_string(kMaxTextLength) + " 个(" +
                             Line(place) + ")");
    return line.substr(0, cut);
  }

  TPlannedClass PlanClass(const TSqlTable& table) {
    TPlannedClass c;
    c.table = table.name.Text();
    c.place = table.name.place.Text() + "(表 " + c.table + ")";
    c.className = classNames_.Claim(ClassNameFor(table.name.name));
    Renamed("表 " + c.table, table.name.name, c.className, table.name.place);
    if (table.hasDescription)
      c.friendName = Described(table.description, "表 " + c.table, table.name.place);
    c.described = !c.friendName.empty();
    if (!c.described) c.friendName = table.name.name;

    TNameScope members;
    for (const TSqlColumn& column : table.columns) {
      const TTypeRow* row = TypeRow(column.type);
      if (!row) {
        plan_.warnings.push_back("表 " + c.table + " 的列 " + column.name + " 的类型 " +
                                 column.writtenType + " 无法对应到成员类型，已跳过(" +
                                 Line(column.place) + ")");
        continue;
      }
      TPlannedMember m;
      m.column = column.name;
      m.place = column.place.Text() + "(表 " + c.table + " 的列 " + column.name + ")";
      m.entry.memberName = members.Claim(MemberNameFor(column.name));
      Renamed("表 " + c.table + " 的列 " + column.name, column.name, m.entry.memberName,
              column.place);
      m.entry.memberType = std::string(row->memberType);
      m.entry.lengthText =
          std::to_string(row->memberType == kTypeString ? StringLength(*row, column) : 0);
      m.described = !column.description.empty();
      m.entry.memberComment =
          m.described ? Described(column.description, "表 " + c.table + " 的列 " + column.name,
                                  column.place)
                      : column.name;
      m.nullable = !column.notNull.value_or(false);
      m.entry.isMust = !m.nullable;
      m.entry.constraints = column.constraints;
      // A yes/no column's default is 0 or 1: no default (否 is the member's
      // own) or 是.
      std::string& byDefault = m.entry.constraints.defaultValue;
      if (row->memberType == kTypeBoolean && (byDefault == "0" || byDefault == "1"))
        byDefault = byDefault == "1" ? std::string(kYes) : "";
      c.members.push_back(std::move(m));
    }
    PlanKey(table, c, members);
    for (TPlannedMember& m : c.members) {
      // A kind that may not be left optional is required whatever the column says.
      if (!KindInfo(FieldKindOf(m.entry.memberType)).mayBeOptional) m.entry.isMust = true;
      // Constraints the member dialog would refuse (a default the type
      // cannot hold, a unique column that takes NULL) are left out.
      if (auto refused = CheckConstraintEntry(m.entry)) {
        plan_.warnings.push_back("表 " + c.table + " 的列 " + m.column + " 的约束未导入: " +
                                 refused->message);
        m.entry.constraints = {};
      }
    }
    return c;
  }

  // The key: the first column of the primary key that may be one; a table
  // without a usable key gets an integer key of its own.
  void PlanKey(const TSqlTable& table, TPlannedClass& c, TNameScope& members) {
    const std::string where = "表 " + c.table;
    TPlannedMember* key = nullptr;
    for (const std::string& column : table.primaryKey) {
      if (table.FindColumn(column) < 0)
        throw TDesignTextError(table.primaryKeyPlace.Text() + "(" + where + ")",
                               "主键的列 " + column + " 不在表中");
      const int index = c.Find(column);
      if (index < 0) continue;
      TPlannedMember& m = c.members[static_cast<std::size_t>(index)];
      if (!key || (!KindInfo(FieldKindOf(key->entry.memberType)).mayBeKey &&
                   KindInfo(FieldKindOf(m.entry.memberType)).mayBeKey))
        key = &m;
    }
    if (key) {
      key->entry.isPri = key->entry.isMust = true;
      c.keyFromScript = true;
      if (table.primaryKey.size() > 1) {
        std::string columns;
        for (const std::string& k : table.primaryKey) columns += (columns.empty() ? "" : ", ") + k;
        plan_.warnings.push_back(where + " 的主键由多列组成(" + columns + ")，只以 " + key->column +
                                 " 为主键成员(" + Line(table.primaryKeyPlace) + ")");
      }
      return;
    }
    TPlannedMember id;
    id.place = table.name.place.Text() + "(" + where + ")";
    id.entry.memberName = members.Claim("id");
    id.entry.memberType = std::string(kTypeInteger);
    id.entry.lengthText = "0";
    id.entry.memberComment = "编号";
    id.entry.isPri = id.entry.isMust = true;
    plan_.warnings.push_back(
        where + (table.primaryKey.empty() ? " 没有主键" : " 的主键列都未导入") +
        "，加了整型主键成员 " + id.entry.memberName + "(" + Line(table.name.place) + ")");
    c.members.insert(c.members.begin(), std::move(id));
  }

  // A foreign key of one column that refers to another table's key column
  // makes the column a reference member of that table's class.
  void PlanReferences(const TSqlTable& table, std::size_t tableIndex) {
    TPlannedClass& c = plan_.classes[static_cast<std::size_t>(classOf_[tableIndex])];
    for (const TSqlForeignKey& fk : table.foreignKeys) {
      const std::string what = "表 " + c.table + " 的外键(" + Line(fk.place) + ")";
      const auto notMade = [&](const std::string& why) {
        plan_.warnings.push_back(what + why + "，未导入为引用");
      };
      if (fk.columns.size() != 1) {
        notMade("由多列组成");
        continue;
      }
      const int column = c.Find(fk.columns[0]);
      if (column < 0) {
        notMade("所在的列 " + fk.columns[0] + " 未导入");
        continue;
      }
      TPlannedMember& m = c.members[static_cast<std::size_t>(column)];
      const int target = schema_.FindTable(fk.referenced);
      if (target < 0 || classOf_[static_cast<std::size_t>(target)] < 0) {
        notMade("引用的表 " + fk.referenced.Text() + " 不在导入的表中");
        continue;
      }
      const TPlannedClass& referenced =
          plan_.classes[static_cast<std::size_t>(classOf_[static_cast<std::size_t>(target)])];
      const TPlannedMember* key = referenced.Key();
      const std::vector<std::string>& targetKey =
          schema_.tables[static_cast<std::size_t>(target)].primaryKey;
      const std::string referencedColumn = !fk.referencedColumns.empty()
                                               ? fk.referencedColumns.front()
                                           : !targetKey.empty() ? targetKey.front()
                                                                : std::string();
      if (fk.referencedColumns.size() > 1) {
        notMade("引用多列");
      } else if (!key || key->column.empty() || !SameSqlName(key->column, referencedColumn)) {
        notMade("引用的列不是表 " + referenced.table + " 的主键成员");
      } else if (&referenced == &c) {
        notMade("引用本表(类不能以自己为成员类型)");
      } else if (m.entry.isPri) {
        notMade("所在的列 " + m.column + " 是主键(主键成员不能是引用)");
      } else if (!KindInfo(FieldKindOf(m.entry.memberType)).hasLength &&
                 m.entry.memberType != kTypeInteger) {
        notMade("所在的列 " + m.column + " 不是整数或字符串类型");
      } else {
        if (m.nullable)
          plan_.warnings.push_back(what + "的列 " + m.column + " 可为空，导入为引用成员后为必填");
        m.entry.memberType = referenced.className;
        m.entry.lengthText = "0";
        m.entry.isMust = true;
      }
    }
  }

  // Shown in drop-down lists: the first string member that is not the
  // key, else the key.
  static void ChooseDisplay(TPlannedClass& c) {
    for (TPlannedMember& m : c.members)
      if (!m.entry.isPri && m.entry.memberType == kTypeString) {
        m.entry.isDisplay = true;
        return;
      }
    for (TPlannedMember& m : c.members)
      if (m.entry.isPri) m.entry.isDisplay = true;
  }

  const TSqlSchema& schema_;
  TPlan plan_;
  std::vector<int> classOf_;  // by table: index of its class, -1 for none
  TNameScope classNames_;
  int caseOnly_ = 0;
  std::string caseExample_;
};

TPlan PlanScript(const std::string& text) {
  TPlan plan = TPlanner(ReadSqlScript(text)).Build();
  if (plan.classes.empty()) throw TDesignTextError("(整个脚本)", "没有可导入的表(CREATE TABLE)");
  return plan;
}

// ---- Storing -----------------------------------------------------------------

void Refuse(const std::string& place, const TRuleResult& refused) {
  if (refused) throw TDesignTextError(place, refused->message);
}

TMember Checked(const TPlannedMember& m, const TMemberEntry& entry, int projectId, int classId,
                TRuleResult (*check)(const TMemberEntry&)) {
  Refuse(m.place, CheckTypeOffered(projectId, entry.memberType));
  Refuse(m.place, check(entry));
  TMember record;
  Refuse(m.place, BuildMember(entry, projectId, classId, record));
  return record;
}

int AddClass(const TPlannedClass& c, int projectId) {
  Refuse(c.place, CheckAddClass(projectId, c.className, c.friendName));
  return TClassDAO().AddClass(projectId, c.className, c.friendName, 1);
}

void AddMembers(const TPlannedClass& c, int projectId, int classId) {
  for (const TPlannedMember& m : c.members)
    TMemberDAO().AddMember(Checked(m, m.entry, projectId, classId, CheckAddMember));
}

const char* YesNo(bool flag) {
  return flag ? "是" : "否";
}

// What changed between a stored member and the record that replaces it.
std::string Differences(const TMember& before, const TMember& after) {
  std::vector<std::string> parts;
  if (before.memberType != after.memberType)
    parts.push_back("类型 " + before.memberType + " → " + after.memberType);
  if (before.memberLength != after.memberLength)
    parts.push_back("长度 " + before.LengthText() + " → " + std::to_string(after.memberLength));
  if (before.IsKey() != after.IsKey())
    parts.push_back(std::string("主键 ") + YesNo(before.IsKey()) + " → " + YesNo(after.IsKey()));
  if (before.IsMust() != after.IsMust())
    parts.push_back(std::string("必填 ") + YesNo(before.IsMust()) + " → " + YesNo(after.IsMust()));
  if (before.memberComment != after.memberComment)
    parts.push_back("注释 " + before.memberComment + " → " + after.memberComment);
  if (before.IsQueried() != after.IsQueried())
    parts.push_back(std::string("参与查询 ") + YesNo(before.IsQueried()) + " → " +
                    YesNo(after.IsQueried()));
  std::string text;
  for (const std::string& p : parts) text += (text.empty() ? "" : "，") + p;
  return text;
}

// Raised at the end of a dry run to undo what it wrote.
struct TDryRunDone {};

class TReimporter {
public:
  TReimporter(const TPlan& plan, int projectId, const TReimportOptions& options, TReimport& out)
      : plan_(plan), projectId_(projectId), options_(options), out_(out) {}

  void Run() {
    if (!TProjectDAO().ProjectExists(projectId_)) throw std::runtime_error(msg::kProjectGone);
    const TDesign design = ReadDesign(projectId_);
    std::vector<bool> matched(design.classes.size(), false);
    std::vector<int> classIds;
    std::vector<const TDesignClass*> existing;
    // Every class first, so that a member may refer to any of them.
    for (const TPlannedClass& c : plan_.classes) {
      const TDesignClass* found = nullptr;
      for (std::size_t i = 0; i < design.classes.size(); ++i)
        if (!matched[i] && AsciiLower(design.classes[i].className) == AsciiLower(c.className)) {
          found = &design.classes[i];
          matched[i] = true;
          break;
        }
      existing.push_back(found);
      classIds.push_back(found ? found->classId : AddClass(c, projectId_));
      if (!found)
        Change("新增类 " + c.className + "(表 " + c.table + "，" +
               std::to_string(c.members.size()) + " 个成员)");
      else if (c.described && c.friendName != found->friendName)
        UpdateFriendName(c, *found);
    }
    for (std::size_t i = 0; i < plan_.classes.size(); ++i) {
      if (existing[i])
        UpdateMembers(plan_.classes[i], *existing[i]);
      else
        AddMembers(plan_.classes[i], projectId_, classIds[i]);
    }
    for (std::size_t i = 0; i < design.classes.size(); ++i)
      if (!matched[i])
        Missing("类 " + design.classes[i].className,
                [&] { TClassDAO().DeleteClass(design.classes[i].classId); });
  }

private:
  void Change(const std::string& line) {
    out_.lines.push_back(line);
    ++out_.changes;
  }

  // What the design has and the script lacks: kept and listed, or removed.
  template <class TRemove>
  void Missing(const std::string& what, TRemove remove) {
    if (!options_.prune) {
      out_.lines.push_back("保留" + what + "(脚本中没有)");
      return;
    }
    remove();
    Change("删除" + what + "(脚本中没有)");
  }

  void UpdateFriendName(const TPlannedClass& c, const TDesignClass& cls) {
    Refuse(c.place, CheckUpdateClass(projectId_, cls.classId, cls.className, c.friendName));
    TClassDAO().UpdateClass(projectId_, cls.classId, cls.className, c.friendName,
                            cls.frontShowFlag);
    Change("变更类 " + cls.className + ": 友好名称 " + cls.friendName + " → " + c.friendName);
  }

  void UpdateMembers(const TPlannedClass& c, const TDesignClass& cls) {
    std::vector<bool> matched(cls.members.size(), false);
    const bool hasKey = cls.Key() != nullptr;
    for (const TPlannedMember& m : c.members) {
      // A key the planner added stands for a key the script lacks: the
      // class's own key stays instead.
      if (m.column.empty() && hasKey) {
        for (std::size_t i = 0; i < cls.members.size(); ++i)
          if (cls.members[i].IsKey()) matched[i] = true;
        continue;
      }
      int found = -1;
      for (std::size_t i = 0; i < cls.members.size() && found < 0; ++i)
        if (!matched[i] && AsciiLower(cls.members[i].memberName) == AsciiLower(m.entry.memberName))
          found = static_cast<int>(i);
      if (found < 0) {
        TMemberDAO().AddMember(Checked(m, m.entry, projectId_, cls.classId, CheckAddMember));
        Change("新增成员 " + cls.className + "." + m.entry.memberName);
        continue;
      }
      matched[static_cast<std::size_t>(found)] = true;
      const TDesignMember& stored = cls.members[static_cast<std::size_t>(found)];
      TMemberEntry entry = EntryFromMember(stored);
      entry.memberType = m.entry.memberType;
      entry.lengthText = m.entry.lengthText;
      entry.isMust = m.entry.isMust;
      if (c.keyFromScript || m.column.empty()) entry.isPri = m.entry.isPri;
      if (m.described) entry.memberComment = m.entry.memberComment;
      // A type that may not be searched clears the flag rather than refuse
      // the whole script.
      if (entry.queryFlag && !KindInfo(FieldKindOf(entry.memberType)).MayBeSearched())
        entry.queryFlag = false;
      Update(m, entry, stored, cls);
    }
    for (std::size_t i = 0; i < cls.members.size(); ++i) {
      if (matched[i]) continue;
      const TDesignMember& stored = cls.members[i];
      // The script names another key: this one is a key no longer.
      if (c.keyFromScript && stored.IsKey() && !options_.prune) {
        TMemberEntry entry = EntryFromMember(stored);
        entry.isPri = false;
        TPlannedMember where;
        where.place = c.place;
        Update(where, entry, stored, cls);
      }
      Missing("成员 " + cls.className + "." + stored.memberName,
              [&] { TMemberDAO().DeleteMember(stored.memberId); });
    }
  }

  void Update(const TPlannedMember& m, const TMemberEntry& entry, const TDesignMember& stored,
              const TDesignClass& cls) {
    TMember record = Checked(m, entry, projectId_, cls.classId, CheckUpdateMember);
    record.memberId = stored.memberId;
    const std::string differences = Differences(stored, record);
    if (differences.empty()) return;
    TMemberDAO().UpdateMember(record);
    Change("变更成员 " + cls.className + "." + stored.memberName + ": " + differences);
  }

  const TPlan& plan_;
  int projectId_;
  const TReimportOptions& options_;
  TReimport& out_;
};

}  // namespace

std::string DecodeScript(const std::string& bytes, TScriptEncoding encoding) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
  if (bytes.starts_with("\xFF\xFE")) return Convert(bytes.substr(2), "UTF-16LE", "UTF-16");
  if (bytes.starts_with("\xFE\xFF")) return Convert(bytes.substr(2), "UTF-16BE", "UTF-16");
  if (encoding == TScriptEncoding::Gbk ||
      (encoding == TScriptEncoding::Automatic && !IsUtf8(bytes)))
    return Convert(bytes, "GBK", "GBK");
  return bytes;
}

TSqlImport ImportSqlScript(const std::string& text, const std::string& projectName) {
  TPlan plan = PlanScript(text);
  TSqlImport result;
  TDbHelper().Transaction([&] {
    if (auto refused = CheckAddProject(projectName)) throw TDesignTextError("", refused->message);
    result.projectId = TProjectDAO().AddProject(projectName);
    // Every class first, so that a member may refer to a later one.
    std::vector<int> classIds;
    for (const TPlannedClass& c : plan.classes) classIds.push_back(AddClass(c, result.projectId));
    for (std::size_t i = 0; i < plan.classes.size(); ++i)
      AddMembers(plan.classes[i], result.projectId, classIds[i]);
  });
  result.warnings = std::move(plan.warnings);
  return result;
}

TReimport ReimportSqlScript(const std::string& text, int projectId,
                            const TReimportOptions& options) {
  const TPlan plan = PlanScript(text);
  TReimport result;
  try {
    TDbHelper().Transaction([&] {
      TReimporter(plan, projectId, options, result).Run();
      if (options.dryRun) throw TDryRunDone{};
    });
  } catch (const TDryRunDone&) {
  }
  result.warnings = plan.warnings;
  return result;
}
