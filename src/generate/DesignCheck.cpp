#include "generate/DesignCheck.h"

#include <set>

#include "generate/Encoding.h"
#include "generate/Naming.h"
#include "generate/SqlNames.h"
#include "store/DesignRules.h"

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

void CheckIdentifier(const std::string& name, const std::string& subject, const std::string& where,
                     const TGbkScope& scope, std::vector<std::string>& problems) {
  if (!IsCSharpIdentifier(name))
    problems.push_back(where + subject + "不是合法的 C# 标识符");
  else if (IsCSharpKeyword(name))
    problems.push_back(where + subject + "是 C# 关键字");
  else if (IsSqlReservedWord(name))
    // The data-access code names tables and columns without brackets.
    problems.push_back(where + subject + "是 SQL Server 保留字");
  CheckGbk(name, subject, where, scope, problems);
}

void CheckText(const std::string& text, const std::string& subject, const std::string& where,
               const TGbkScope& scope, std::vector<std::string>& problems) {
  if (BreaksCommentOrLiteral(text)) problems.push_back(where + subject + kBreaksText);
  CheckGbk(text, subject, where, scope, problems);
}

}  // namespace

std::vector<std::string> CheckDesign(const TDesign& design) {
  std::vector<std::string> problems;
  const std::string& projectName = design.projectName;
  if (projectName.empty() || !IsSafeProjectName(projectName))
    problems.push_back(
        "工程名称 \"" + projectName +
        "\" 不能用作目录名称: 不能为空，不能含有 / 或 \\ 或控制字符，也不能是 . 或 ..");

  for (const TDesignClass& cls : design.classes) {
    // Joined with an ASCII separator, so broken UTF-8 at the end of one text
    // cannot pair with the start of the next.
    std::string allTexts = cls.className + '\n' + cls.friendName;
    for (const auto& m : cls.members) allTexts += '\n' + m.memberName + '\n' + m.memberComment;
    const TGbkScope gbk{FitsGbk(allTexts)};

    const std::string where = "类 \"" + cls.className + "\": ";
    CheckIdentifier(cls.className, "类名", where, gbk, problems);
    CheckText(cls.friendName, "友好名称", where, gbk, problems);

    std::set<std::string> seen;
    for (const TDesignMember& m : cls.members) {
      const std::string at = "类 \"" + cls.className + "\" 的成员 \"" + m.memberName + "\": ";
      CheckIdentifier(m.memberName, "成员名", at, gbk, problems);
      // C# refuses a member named like its class; SQL Server compares
      // column names without case, so two names differing only in case
      // collide in the table.
      if (m.memberName == cls.className) problems.push_back(at + "成员名与类名相同");
      if (!seen.insert(SqlNameKey(m.memberName)).second)
        problems.push_back(at + "成员名与本类的另一个成员重复(不区分大小写)");
      const TMemberKind kind = ClassifyMemberType(m.memberType);
      if (m.IsKey() && kind != TMemberKind::String && kind != TMemberKind::Integer)
        problems.push_back(at + "主键的类型必须是字符串或整型，现为 \"" + m.memberType + "\"");
      else if (m.IsKey() && m.IsInteger() != (kind == TMemberKind::Integer))
        // The key's integer flag decides the generated key type; one that
        // disagrees with the type word would give a table and code that
        // disagree with each other.
        problems.push_back(at + "主键的整型标志与成员类型 \"" + m.memberType + "\" 不符");
      if (kind == TMemberKind::Reference && m.target < 0)
        problems.push_back(at + "成员类型 \"" + m.memberType + "\" 不是本工程的类");
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
