// Builds the script that creates the generated application's database, in
// the project's dialect: the login module's fixed tables and seed rows, one
// table per designed class, the foreign keys between those tables. Here is
// what the script holds and what it leaves out; how each piece is written
// is the dialect's.
#include "vocabulary/TableScript.h"

#include <optional>

#include "vocabulary/Design.h"
#include "vocabulary/EntryRules.h"
#include "vocabulary/SqlDialect.h"

namespace {

// True when the member's length is one a string member may have (a design
// file made by other tools may hold anything).
bool FitsVarchar(const TMember& member) {
  return member.storedLength.empty() && member.memberLength >= 1 &&
         member.memberLength <= kMaxStringLength;
}

// Builds one project's script.
class TTableScriptBuilder {
public:
  explicit TTableScriptBuilder(const TDesign& design)
      : design_(design), dialect_(DialectOf(design)) {}

  TTableScript Build();

private:
  // Why a class gets no table, or nothing when it gets one.
  std::optional<std::string> WhyNoTable(std::size_t index) const;
  void AppendClassTable(std::size_t index);
  // A member that gets no column leaves its note in notes_, to go before
  // the next column or after the last.
  void AddColumn(const TDesignClass& cls, const TDesignMember& member, TScriptTable& table);
  // Records what could not be rendered; `note` receives its comment line.
  void Omit(std::string& note, const std::string& problem);

  const TDesign& design_;
  const TSqlDialect& dialect_;
  std::vector<bool> omitted_;  // by class index: no table
  std::string script_;
  std::vector<TScriptForeignKey> foreignKeys_;
  std::string notes_;
  std::vector<std::string> problems_;
};

TTableScript TTableScriptBuilder::Build() {
  // Whoever runs the script again after a change of the design reads first
  // what it does to the data.
  script_ +=
      "-- 本脚本删除并重新建立设计中各类的表，这些表中原有的数据都会丢失；"
      "登录模块的表只在不存在时建立，已有的用户不受影响。\r\n";
  script_ += dialect_.ScriptHead();
  std::vector<std::string> tables;
  for (std::size_t i = 0; i < design_.classes.size(); ++i) {
    omitted_.push_back(WhyNoTable(i).has_value());
    if (!omitted_.back()) tables.push_back(design_.classes[i].className);
  }
  script_ += dialect_.ScriptDrops(tables);
  for (std::size_t i = 0; i < design_.classes.size(); ++i) AppendClassTable(i);
  script_ += dialect_.ScriptTail(foreignKeys_);
  return {script_, problems_};
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
  for (std::size_t i = 0; i < index; ++i)
    if (dialect_.NameKey(design_.classes[i].className) == dialect_.NameKey(name))
      return "类 " + name + " 与类 " + design_.classes[i].className +
             " 重名(不区分大小写)，未生成它的表";
  return std::nullopt;
}

void TTableScriptBuilder::AppendClassTable(std::size_t index) {
  const TDesignClass& cls = design_.classes[index];
  if (const std::optional<std::string> why = WhyNoTable(index)) {
    Omit(script_, *why);
    return;
  }
  // Any key that is not an integer key, whatever its type, is a string key.
  const TDesignMember& key = *cls.Key();
  TScriptTable table;
  table.name = cls.className;
  table.key.name = key.memberName;
  table.key.kind = KeyKind(key);
  table.key.length = key.memberLength;
  table.key.must = true;
  for (const TDesignMember& m : cls.members)
    if (!m.IsKey()) AddColumn(cls, m, table);
  table.notes = std::move(notes_);
  notes_.clear();
  script_ += dialect_.ScriptTable(table);
  foreignKeys_.insert(foreignKeys_.end(), table.foreignKeys.begin(), table.foreignKeys.end());
}

void TTableScriptBuilder::AddColumn(const TDesignClass& cls, const TDesignMember& member,
                                    TScriptTable& table) {
  const std::string& name = member.memberName;
  int length = member.memberLength;
  if (member.Kind().hasLength && !FitsVarchar(member)) {
    Omit(notes_, "类 " + cls.className + " 的成员 " + name + " 的长度 " + member.LengthText() +
                     " 不在1到8000之间，未生成该列");
    return;
  }
  if (member.IsReference()) {
    const std::string& target = member.memberType;
    const char* missing = member.target < 0   ? " 不存在"
                          : !member.targetKey ? " 没有主键成员"
                          : omitted_[static_cast<std::size_t>(member.target)] ? " 的表未生成"
                                                                              : nullptr;
    if (missing) {
      Omit(notes_, "类 " + cls.className + " 的成员 " + name + " 引用的类 " + target + missing +
                       "，未生成该列");
      return;
    }
    table.foreignKeys.push_back({cls.className, "FK_" + cls.className + "_" + name, name, target,
                                 member.targetKey->memberName});
    length = member.targetKey->memberLength;
  }
  // A reference is required whatever its flag says: its kind may not be optional.
  TScriptColumn column;
  column.notes = std::move(notes_);
  column.name = name;
  column.kind = member.kind;
  column.length = length;
  column.must = member.IsRequired();
  notes_.clear();
  const TKindInfo& kind = member.Kind();
  const TMemberConstraints& c = member.constraints;
  column.unique = c.unique && kind.mayBeUnique;
  if (kind.values != TValueForm::None)
    column.defaultValue =
        c.defaultValue.empty() ? std::string(kind.columnDefault) : SqlValue(kind.values, c.defaultValue);
  if (kind.hasRange) {
    column.minValue = c.minValue;
    column.maxValue = c.maxValue;
  }
  // A member left empty stores empty text, which its list must take too.
  if (kind.hasChoices && !c.choices.empty() && !column.must) column.choices.push_back("''");
  if (kind.hasChoices)
    for (const std::string& choice : c.choices)
      column.choices.push_back(SqlValue(kind.values, choice));
  table.columns.push_back(std::move(column));
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
