// The bounds of a design and the checks of an entry that need nothing but
// the entry, shared by the design commands (window, command line, import)
// and the design check of a run. Each rule answers a refusal (the exact
// message to show the user and the field it is about), or nothing when the
// entry is accepted. The checks that look at the stored design (names
// taken, types offered) are the commands'.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "vocabulary/Member.h"
#include "vocabulary/MemberKinds.h"

// A refused entry. The field is named as the design record's field
// ("className", "memberLength", ...), empty for a refusal about no entry;
// the front ends point to it (the dialog's box, the import's place) without
// reading the message.
struct TRefusal {
  std::string field;
  std::string message;
  // The entry could not be read at all (a length that is no whole number),
  // rather than read and refused; the window shows it as an error.
  bool unreadable = false;
};

using TRuleResult = std::optional<TRefusal>;

// Bounds of what is stored. Class and member names become SQL Server
// identifiers (128 characters at most); a project name becomes a directory
// name on every file system; comments and friendly names become column
// headings and captions; a string member is a varchar(n), n from 1 to 8000.
inline constexpr std::size_t kMaxProjectNameLength = 80;
inline constexpr std::size_t kMaxNameLength = 128;
inline constexpr std::size_t kMaxTextLength = 128;
// A file or directory name, in bytes, on the file systems the output meets.
inline constexpr std::size_t kMaxFileNameBytes = 255;
inline constexpr int kMinStringLength = 1;
inline constexpr int kMaxStringLength = 8000;

namespace msg {
// Project commands
inline constexpr const char* kProjectNameEmpty = "工程名称不能为空!";
inline constexpr const char* kProjectRenameEmpty = "工程项目名称不能为空!";
inline constexpr const char* kProjectNameTaken = "该工程名称已经存在!";
inline constexpr const char* kProjectNameUnsafe =
    "工程名称不能含有 / 或 \\ 或控制字符，也不能是 . 或 ..!";
inline constexpr const char* kProjectNameWindows =
    "工程名称不能是 CON、PRN、AUX、NUL、COM1 到 COM9、LPT1 到 LPT9，也不能以点或空格结尾"
    "(生成的解决方案在 Windows 上使用)!";
inline constexpr const char* kProjectAdded = "工程名称添加成功！";
inline constexpr const char* kProjectRenamed = "工程名称修改成功！";
inline constexpr const char* kProjectDeleted = "删除成功!";
inline constexpr const char* kNoProjectSelected = "当前未有任何项目被选中!";
inline constexpr const char* kNoProjectToDelete = "未有任何项目被选中!";
inline constexpr const char* kNoProjectToGenerate = "没有一个工程被选中！";
inline constexpr const char* kProjectGone = "该工程已不存在!";
// Class commands
inline constexpr const char* kNoClassSelected = "没有类被选中!";
inline constexpr const char* kClassNameEmpty = "类名称不能为空!";
inline constexpr const char* kClassRenameEmpty = "类名称不能为空";
inline constexpr const char* kFriendNameEmpty = "友好名称不能为空";
inline constexpr const char* kClassNameCapital = "类名首个字母必须大写";
inline constexpr const char* kClassNameTaken = "该类名称已经存在!";
inline constexpr const char* kClassNameControl = "类名称不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kFriendNameControl = "友好名称不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kClassAdded = "类名称添加成功！";
inline constexpr const char* kClassUpdated = "类名称更新成功";
inline constexpr const char* kClassDeleted = "类对象删除成功!";
inline constexpr const char* kClassGone = "该类已不存在!";
// Member commands
inline constexpr const char* kSelectClassFirst = "请先选择类对象";
inline constexpr const char* kSelectMemberFirst = "请先选择一个成员";
inline constexpr const char* kMemberNameEmpty = "成员名称输入不能为空!";
inline constexpr const char* kMemberNameLower = "成员属性首个字母必须小写";
inline constexpr const char* kMustFlagSuffix = "必须勾选是否必填标志!";
inline constexpr const char* kOwnReferenceMust = "引用本类的成员不能勾选是否必填标志!";
// Constraints
inline constexpr const char* kUniqueTypeSuffix = "类型的成员不能设置唯一!";
inline constexpr const char* kUniqueMust = "唯一的成员必须勾选是否必填标志!";
inline constexpr const char* kRangeTypeSuffix = "类型的成员不能设置最小值和最大值!";
inline constexpr const char* kChoicesTypeSuffix = "类型的成员不能设置可选值!";
inline constexpr const char* kDefaultTypeSuffix = "类型的成员不能设置默认值!";
inline constexpr const char* kMinNotInteger = "最小值必须是整数!";
inline constexpr const char* kMaxNotInteger = "最大值必须是整数!";
inline constexpr const char* kMinNotNumber = "最小值必须是数字!";
inline constexpr const char* kMaxNotNumber = "最大值必须是数字!";
inline constexpr const char* kMinAboveMax = "最小值不能大于最大值!";
inline constexpr const char* kChoiceEmpty = "可选值不能为空!";
inline constexpr const char* kChoiceControl = "可选值不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kDefaultNotInteger = "默认值必须是整数!";
inline constexpr const char* kDefaultNotNumber = "默认值必须是数字!";
inline constexpr const char* kDefaultNotYesNo = "默认值必须是 是 或 否!";
inline constexpr const char* kDefaultControl = "默认值不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kDefaultNotChoice = "默认值必须是可选值之一!";
inline constexpr const char* kKeyType = "主键字段必须是整型或字符串型!";
inline constexpr const char* kQueryTypePrefix = "参与查询的字段不能是";
inline constexpr const char* kLengthNotNumber = "长度必须是整数!";
inline constexpr const char* kMemberNameControl = "成员名称不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kCommentControl = "成员注释不能含有控制字符(换行、制表符等)!";
inline constexpr const char* kMemberAdded = "类成员属性添加成功!";
inline constexpr const char* kMemberUpdated = "类成员属性更新成功!";
inline constexpr const char* kMemberDeleted = "成员属性删除成功";
inline constexpr const char* kMemberGone = "该成员已不存在!";
inline constexpr const char* kTypeNotOfferedPrefix = "成员类型 \"";
inline constexpr const char* kSelectTwo = "请选中2条记录!";
inline constexpr const char* kFirstCannotMoveUp = "第一个成员无法上移了！";
inline constexpr const char* kLastCannotMoveDown = "最后一个成员无法下移了！";

// The messages that quote a bound say the bound in force.
inline std::string ProjectNameTooLong() {  // 工程名称不能超过80个字符!
  return "工程名称不能超过" + std::to_string(kMaxProjectNameLength) + "个字符!";
}
inline std::string ProjectNameBytes() {  // 工程名称太长，超过了目录名称的255字节!
  return "工程名称太长，超过了目录名称的" + std::to_string(kMaxFileNameBytes) + "字节!";
}
inline std::string ClassNameTooLong() {  // 类名称不能超过128个字符!
  return "类名称不能超过" + std::to_string(kMaxNameLength) + "个字符!";
}
inline std::string FriendNameTooLong() {  // 友好名称不能超过128个字符!
  return "友好名称不能超过" + std::to_string(kMaxTextLength) + "个字符!";
}
inline std::string MemberNameTooLong() {  // 成员名称不能超过128个字符!
  return "成员名称不能超过" + std::to_string(kMaxNameLength) + "个字符!";
}
inline std::string CommentTooLong() {  // 成员注释不能超过128个字符!
  return "成员注释不能超过" + std::to_string(kMaxTextLength) + "个字符!";
}
inline std::string LengthOutOfRange() {  // 字符串长度必须在1到8000之间!
  return "字符串长度必须在" + std::to_string(kMinStringLength) + "到" +
         std::to_string(kMaxStringLength) + "之间!";
}
inline std::string ChoiceTooLong(const std::string& choice, int length) {
  return "可选值 " + choice + " 超过了成员长度 " + std::to_string(length) + "(汉字按 2 计)!";
}
inline std::string ChoiceTwice(const std::string& choice) {
  return "可选值 " + choice + " 重复!";
}
inline std::string DefaultTooLong(int length) {
  return "默认值超过了成员长度 " + std::to_string(length) + "(汉字按 2 计)!";
}
// "<what>应在 a 到 b 之间!", or one bound's message when the other is not set:
// the default's refusal and the generated forms' check alike.
std::string OutOfRange(const std::string& what, const std::string& min, const std::string& max);
}  // namespace msg

// ---- Projects -------------------------------------------------------------

// True when the name can serve as a directory name under projects/.
bool IsSafeProjectName(const std::string& name);

// Everything but the name being taken: empty, unsafe or over-long names.
// rename: the rename dialog's message for an empty name.
TRuleResult CheckProjectNameEntry(const std::string& name, bool rename);

// ---- Classes --------------------------------------------------------------

// Everything but the name being taken, in the dialog's order (the add
// dialog asks for the friendly name before the capital, the update dialog
// after it).
TRuleResult CheckClassEntry(const std::string& className, const std::string& friendName,
                            bool update);

// ---- Members --------------------------------------------------------------

// A member as entered in the member dialog: texts as typed, boxes ticked.
struct TMemberEntry {
  std::string memberName;
  std::string memberType;
  std::string lengthText = "20";
  std::string memberComment;
  bool isPri = false;
  bool isMust = false;
  bool queryFlag = false;
  bool isDisplay = false;
  bool queryDisplay = true;
  // Its constraints as entered (the constraint dialog, the command line's
  // options); BuildMember checks them and stores numbers in plain form.
  TMemberConstraints constraints;
  // The class the member belongs to, as the commands know it: a type naming
  // it is a reference to the member's own class.
  std::string ownClass;
};

TRuleResult CheckAddMember(const TMemberEntry& entry);
TRuleResult CheckUpdateMember(const TMemberEntry& entry);

// Builds the record to store from an accepted entry, with the derived
// flags; the length is read only for strings. Answers the message when the
// length is not a whole number or lies outside 1 to 8000.
TRuleResult BuildMember(const TMemberEntry& entry, int projectId, int classId, TMember& out);

// The constraints of a member of the type (its kind) and length, in the
// order the constraint dialog shows them. A unique member must be required:
// the database would take one empty value only. Numbers may be typed with a sign
// and blanks around them; a value of text may not hold control characters.
// `normal` (when given) receives the constraints as they are stored.
TRuleResult CheckConstraints(const TMemberConstraints& c, const std::string& memberType,
                             TFieldKind kind, int length, bool required,
                             TMemberConstraints* normal = nullptr);

// The constraints of an entry as the constraint dialog checks them, before
// the member itself is stored: with the entry's type, length (the longest
// string when the length is no number yet) and must flag.
TRuleResult CheckConstraintEntry(const TMemberEntry& entry);

// Choices as typed in one line: separated by commas (ASCII or full-width),
// blanks around each dropped; no text, no choices.
std::vector<std::string> SplitChoices(const std::string& text);
// The same line for a list of choices.
std::string JoinChoices(const std::vector<std::string>& choices);

// The yes/no words of a 布尔型 default.
inline constexpr std::string_view kYes = "是";
inline constexpr std::string_view kNo = "否";

// The entry that shows a stored member (the update dialog's loaded state).
TMemberEntry EntryFromMember(const TMember& member);

// ---- Member list operations ----------------------------------------------

// selected: index of the first selected row, or -1; rowCount: rows shown.
TRuleResult CheckDeleteMember(int selected);
TRuleResult CheckMoveUp(int selected);
TRuleResult CheckMoveDown(int selected, int rowCount);
TRuleResult CheckExchange(int selectedCount);
