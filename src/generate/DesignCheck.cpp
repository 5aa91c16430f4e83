#include "generate/DesignCheck.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>
#include <string_view>

#include "vocabulary/Encoding.h"
#include "vocabulary/EntryRules.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/Text.h"

namespace {

// Texts that land inside /* */ and // comments and inside C# and SQL
// string literals: a line break (C# also ends a line at U+0085, U+2028 and
// U+2029) or another control character, "*/", '"' and '\' would end the
// comment or literal early or change what it says.
bool BreaksCommentOrLiteral(const std::string& text) {
  if (text.find("*/") != std::string::npos) return true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F || c == '"' || c == '\\') return true;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x85)
      return true;
    if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
        (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
         static_cast<unsigned char>(text[i + 2]) == 0xA9))
      return true;
  }
  return false;
}

constexpr const char* kBreaksText = "含有换行或控制字符、\"*/\"、双引号或反斜杠";

// The problems of one name that becomes a C# identifier; subject is
// "类名" or "成员名".
// Each text is asked about GBK only when the class's texts taken together
// do not fit: one conversion per class instead of one per text.
struct TGbkScope {
  bool allFit = true;
};

void CheckGbk(const std::string& text, const std::string& subject, const std::string& where,
              const TGbkScope& scope, std::vector<std::string>& problems) {
  if (scope.allFit) return;
  if (const std::string bad = FirstNonGbkCharacter(text); !bad.empty())
    problems.push_back(where + subject + "中的字符 " + bad + " 无法用 GBK 编码保存");
}

// A member name that is a C# keyword is written with '@'; a class name also
// names files and types, so it must not be one.
void CheckIdentifier(const std::string& name, const std::string& subject, const std::string& where,
                     bool keywordAllowed, const TGbkScope& scope,
                     std::vector<std::string>& problems) {
  if (!IsCSharpIdentifier(name))
    problems.push_back(where + subject + "不是合法的 C# 标识符");
  else if (!keywordAllowed && IsCSharpKeyword(name))
    problems.push_back(where + subject + "是 C# 关键字");
  CheckGbk(name, subject, where, scope, problems);
}

bool IsOneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsLabelName(const std::string& name) {
  return name.size() > 5 && name.rfind("label", 0) == 0 &&
         std::all_of(name.begin() + 5, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The project's classes by the key SQL Server compares names by, and by
// the names of the forms generated for them, each in class order: made once,
// so that a class is checked against the others by lookup, not by a pass
// over every class (which made large designs slow to check).
struct TClassNames {
  const TSqlDialect* sql = nullptr;
  std::map<std::string, std::vector<const TDesignClass*>> byKey;
  std::string NameKey(const std::string& name) const { return sql->NameKey(name); }
  std::map<std::string, std::vector<const TDesignClass*>> byForm;
};

TClassNames IndexClassNames(const TDesign& design) {
  TClassNames names;
  names.sql = &DialectOf(design);
  const TSqlDialect& sql = *names.sql;
  for (const TDesignClass& cls : design.classes) {
    names.byKey[sql.NameKey(cls.className)].push_back(&cls);
    for (const char* form : {"FrmAdd", "FrmEdit", "FrmQuery"})
      names.byForm[form + cls.className].push_back(&cls);
  }
  return names;
}

// Class names the solution already uses: its namespaces and the types of
// its skeleton, and the forms generated for the other classes.
void CheckClassName(const TClassNames& names, const TDesignClass& cls, const std::string& where,
                    std::vector<std::string>& problems) {
  const std::string& name = cls.className;
  if (IsOneOf(name, {"Model", "DAL", "BLL", "LoginFrame", "System", "Microsoft"}))
    problems.push_back(where + "类名与解决方案的命名空间 " + name + " 相同");
  if (IsOneOf(name, {"Program", "DBHelp", "FrmLogin", "FrmChangePassword", "Frm主面", "Resources",
                     "Settings"}))
    problems.push_back(where + "类名与解决方案中已有的类型 " + name + " 相同");
  // Class names become file names, and the database compares table names
  // without case.
  for (const TDesignClass* other : names.byKey.at(names.NameKey(name))) {
    if (other == &cls) break;
    problems.push_back(where + "类名与类 \"" + other->className + "\" 重复(不区分大小写)");
  }
  // The three prefixes differ within their length, so a name is the form of
  // a class at most once.
  if (const auto forms = names.byForm.find(name); forms != names.byForm.end())
    for (const TDesignClass* other : forms->second)
      if (other != &cls)
        problems.push_back(where + "类名与类 \"" + other->className + "\" 的窗体 " + name +
                           " 相同");
}

// Names the generated forms give their own variables and controls, in the
// scopes where a key's own name also stands (the edit form's key field) or
// the locals a kind names after its member (in the edit form's load
// handler: an image's bytes).
void CheckMemberName(const TDesignClass& cls, const TDesignMember& m, const std::string& at,
                     std::vector<std::string>& problems) {
  const std::string& name = m.memberName;
  bool clash = false;
  if (m.IsKey()) {
    clash = IsOneOf(name, {"e", "sender", "sql", "components", "Btn_Add", "Btn_Update"}) ||
            name == "frmQuery" + cls.className || IsLabelName(name);
    for (const TDesignMember& other : cls.members)
      for (const std::string_view control : {"txt_", "dtp_", "cb_", "pictureBox_", "btn_"})
        if (name.size() == control.size() + other.memberName.size() &&
            name.starts_with(control) && name.ends_with(other.memberName))
          clash = true;
  } else if (m.Kind().namesLocals) {
    clash = IsOneOf(name, {"e", "sender"});
    for (const TDesignMember& other : cls.members) {
      if (&other != &m && other.Kind().namesLocals && name == "ms_" + other.memberName)
        clash = true;
      if (other.IsReference() && name == InstanceName(other.memberType) + "Ds") clash = true;
    }
  }
  if (clash)
    problems.push_back(at + (m.IsKey() ? "主键" : "图片") + "成员名与生成的代码中的名称 " + name +
                       " 相同");
}

void CheckText(const std::string& text, const std::string& subject, const std::string& where,
               const TGbkScope& scope, std::vector<std::string>& problems) {
  if (BreaksCommentOrLiteral(text)) problems.push_back(where + subject + kBreaksText);
  CheckGbk(text, subject, where, scope, problems);
}

// ---- Bounds -----------------------------------------------------------------
// What the entry rules bound, checked again for a design file made by
// other tools, and the names the file system must take: without these, a
// run would stop half way at a name too long for the file system.

// The longest file name a class gives: "FrmQuery" <class> ".Designer.cs".
constexpr std::size_t kLongestFileNameAround = 8 + 12;

bool TooLong(const std::string& text, std::size_t limit) {
  return text.size() > limit && CharacterCount(text) > limit;
}

void CheckProjectBounds(const std::string& projectName, std::vector<std::string>& problems) {
  if (TooLong(projectName, kMaxProjectNameLength))
    problems.push_back("工程名称超过" + std::to_string(kMaxProjectNameLength) + "个字符");
  else if (projectName.size() > kMaxFileNameBytes)
    problems.push_back("工程名称太长，不能用作目录名称(超过" + std::to_string(kMaxFileNameBytes) +
                       "字节)");
}

void CheckClassBounds(const TDesignClass& cls, const std::string& where,
                      std::vector<std::string>& problems) {
  if (TooLong(cls.className, kMaxNameLength))
    problems.push_back(where + "类名超过" + std::to_string(kMaxNameLength) + "个字符");
  else if (cls.className.size() + kLongestFileNameAround > kMaxFileNameBytes)
    problems.push_back(where + "类名太长，生成的文件名 FrmQuery" + cls.className +
                       ".Designer.cs 超过" + std::to_string(kMaxFileNameBytes) + "字节");
  if (TooLong(cls.friendName, kMaxTextLength))
    problems.push_back(where + "友好名称超过" + std::to_string(kMaxTextLength) + "个字符");
}

void CheckMemberBounds(const TDesignMember& m, const std::string& at,
                       std::vector<std::string>& problems) {
  if (TooLong(m.memberName, kMaxNameLength))
    problems.push_back(at + "成员名超过" + std::to_string(kMaxNameLength) + "个字符");
  if (TooLong(m.memberComment, kMaxTextLength))
    problems.push_back(at + "注释超过" + std::to_string(kMaxTextLength) + "个字符");
  if (!m.storedLength.empty())
    problems.push_back(at + "长度 " + m.storedLength + " 超出范围");
  else if (m.Kind().hasLength &&
           (m.memberLength < kMinStringLength || m.memberLength > kMaxStringLength))
    problems.push_back(at + "字符串长度 " + std::to_string(m.memberLength) + " 不在" +
                       std::to_string(kMinStringLength) + "到" + std::to_string(kMaxStringLength) +
                       "之间");
}

}  // namespace

std::vector<std::string> CheckDesign(const TDesign& design) {
  std::vector<std::string> problems;
  const std::string& projectName = design.projectName;
  if (projectName.empty() || !IsSafeProjectName(projectName))
    problems.push_back(
        "工程名称 \"" + projectName +
        "\" 不能用作目录名称: 不能为空，不能含有 / 或 \\ 或控制字符，也不能是 . 或 ..");
  CheckProjectBounds(projectName, problems);

  const TClassNames classNames = IndexClassNames(design);
  for (const TDesignClass& cls : design.classes) {
    // Joined with an ASCII separator, so broken UTF-8 at the end of one text
    // cannot pair with the start of the next.
    std::string allTexts = cls.className + '\n' + cls.friendName;
    for (const auto& m : cls.members)
      allTexts.append(1, '\n').append(m.memberName).append(1, '\n').append(m.memberComment);
    const TGbkScope gbk{FitsGbk(allTexts)};

    const std::string where = "类 \"" + cls.className + "\": ";
    CheckIdentifier(cls.className, "类名", where, false, gbk, problems);
    CheckClassName(classNames, cls, where, problems);
    CheckClassBounds(cls, where, problems);
    CheckText(cls.friendName, "友好名称", where, gbk, problems);

    std::set<std::string> seen;
    // Made anew in the same room for each member: a large design has a
    // hundred thousand.
    std::string at;
    for (const TDesignMember& m : cls.members) {
      at.assign("类 \"").append(cls.className).append("\" 的成员 \"").append(m.memberName);
      at.append("\": ");
      CheckIdentifier(m.memberName, "成员名", at, true, gbk, problems);
      CheckMemberName(cls, m, at, problems);
      CheckMemberBounds(m, at, problems);
      // C# refuses a member named like its class; the database compares
      // column names without case, so two names differing only in case
      // collide in the table.
      if (m.memberName == cls.className) problems.push_back(at + "成员名与类名相同");
      if (!seen.insert(DialectOf(design).NameKey(m.memberName)).second)
        problems.push_back(at + "成员名与本类的另一个成员重复(不区分大小写)");
      const TKindInfo& kind = m.Kind();
      if (m.IsKey() && !kind.mayBeKey)
        problems.push_back(at + "主键的类型必须是字符串或整型，现为 \"" + m.memberType + "\"");
      else if (m.IsKey() && m.IsInteger() != kind.setsIntegerFlag)
        // The key's integer flag decides the generated key type; one that
        // disagrees with the type word would give a table and code that
        // disagree with each other.
        problems.push_back(at + "主键的整型标志与成员类型 \"" + m.memberType + "\" 不符");
      if (m.IsReference() && m.target < 0)
        problems.push_back(at + "成员类型 \"" + m.memberType + "\" 不是本工程的类");
      // Constraints stored by other tools pass the constraint dialog's rules.
      if (auto refused = CheckConstraints(m.constraints, m.memberType, m.kind, m.memberLength,
                                         m.IsRequired()))
        problems.push_back(at + refused->message);
      CheckText(m.memberComment, "注释", at, gbk, problems);
    }
  }
  return problems;
}

std::string DesignCheckMessage(const std::vector<std::string>& problems) {
  std::string text = "设计检查未通过，未生成任何文件:";
  for (const auto& p : problems) text += "\n" + p;
  return text;
}
