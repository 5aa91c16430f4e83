#include "vocabulary/EntryRules.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>

#include "vocabulary/MemberKinds.h"
#include "vocabulary/Text.h"

namespace {

bool StartsWithCapital(const std::string& s) {
  return !s.empty() && s[0] >= 'A' && s[0] <= 'Z';
}
bool StartsWithLower(const std::string& s) {
  return !s.empty() && s[0] >= 'a' && s[0] <= 'z';
}
bool Longer(const std::string& text, std::size_t limit) {
  // Bytes bound characters from above: most texts need no counting.
  return text.size() > limit && CharacterCount(text) > limit;
}

// Control characters (C0, DEL and C1): a line break or an escape in a name
// or caption would break list output, terminals and generated comments.
bool HasControl(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7f) return true;
    if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) <= 0x9f)
      return true;
  }
  return false;
}

// Names Windows will not give a file or folder (with any extension), and
// names it silently shortens: the generated solution is used there.
bool IsWindowsReservedName(const std::string& name) {
  if (name.ends_with('.') || name.ends_with(' ')) return true;
  const std::string stem = AsciiLower(name.substr(0, name.find('.')));
  for (const char* device : {"con", "prn", "aux", "nul"})
    if (stem == device) return true;
  return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// A refusal about one field of the design record, and one about none.
TRefusal About(const char* field, std::string message) {
  return {field, std::move(message)};
}
TRefusal Refusal(std::string message) {
  return {{}, std::move(message)};
}

TRuleResult CheckProjectName(const std::string& name) {
  if (!IsSafeProjectName(name)) return About("projectName", msg::kProjectNameUnsafe);
  if (Longer(name, kMaxProjectNameLength)) return About("projectName", msg::ProjectNameTooLong());
  if (name.size() > kMaxFileNameBytes) return About("projectName", msg::ProjectNameBytes());
  if (IsWindowsReservedName(name)) return About("projectName", msg::kProjectNameWindows);
  return std::nullopt;
}

TRuleResult CheckClassTexts(const std::string& className, const std::string& friendName) {
  if (Longer(className, kMaxNameLength)) return About("className", msg::ClassNameTooLong());
  if (Longer(friendName, kMaxTextLength)) return About("friendName", msg::FriendNameTooLong());
  if (HasControl(className)) return About("className", msg::kClassNameControl);
  if (HasControl(friendName)) return About("friendName", msg::kFriendNameControl);
  return std::nullopt;
}

TRuleResult CheckMemberEntry(const TMemberEntry& e) {
  if (e.memberName.empty()) return About("memberName", msg::kMemberNameEmpty);
  if (!StartsWithLower(e.memberName)) return About("memberName", msg::kMemberNameLower);
  const TKindInfo& kind = KindInfo(FieldKindOf(e.memberType, nullptr, e.ownClass));
  if (!kind.mayBeOptional && !e.isMust)
    return About("memberIsMust", e.memberType + msg::kMustFlagSuffix);
  if (!kind.mayBeRequired && e.isMust) return About("memberIsMust", msg::kOwnReferenceMust);
  // A key must be an integer or a string: any other key gives a table
  // script that cannot run. The update dialog keeps to the same rule.
  if (e.isPri && !kind.mayBeKey) return About("memberIsPri", msg::kKeyType);
  // The complete query form searches the same kinds.
  if (e.queryFlag && !kind.MayBeSearched())
    return About("queryFlag", msg::kQueryTypePrefix + e.memberType);
  if (Longer(e.memberName, kMaxNameLength)) return About("memberName", msg::MemberNameTooLong());
  if (Longer(e.memberComment, kMaxTextLength)) return About("memberComment", msg::CommentTooLong());
  if (HasControl(e.memberName)) return About("memberName", msg::kMemberNameControl);
  if (HasControl(e.memberComment)) return About("memberComment", msg::kCommentControl);
  return std::nullopt;
}

// The length as typed: blanks around it and a plus sign are allowed.
std::optional<int> ParseLength(const std::string& text) {
  const std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return std::nullopt;
  const char* first = text.data() + b;
  const char* end = text.data() + text.find_last_not_of(' ') + 1;
  if (*first == '+') ++first;
  int value = 0;
  auto [ptr, ec] = std::from_chars(first, end, value);
  if (ec == std::errc::result_out_of_range && ptr == end) return std::numeric_limits<int>::max();
  if (ec != std::errc() || ptr != end || first == end) return std::nullopt;
  return value;
}

// Blanks around a typed value go.
std::string_view Trimmed(std::string_view text) {
  const std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

// A whole number within 32 bits, in plain form ("+07" is "7").
std::optional<std::string> PlainInteger(std::string_view text) {
  text = Trimmed(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  int value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || text.empty()) return std::nullopt;
  return std::to_string(value);
}

// A decimal number (digits with at most one point, a sign before them), as
// typed but for blanks and a plus sign: C# and SQL read it alike.
std::optional<std::string> PlainNumber(std::string_view text) {
  text = Trimmed(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  std::size_t digits = 0, points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') ++digits;
    else if (c == '.') ++points;
    else if (!(c == '-' && i == 0)) return std::nullopt;
  }
  if (digits == 0 || points > 1 || digits > 15) return std::nullopt;
  return std::string(text);
}

double ValueOf(const std::string& plain) {
  return std::strtod(plain.c_str(), nullptr);
}

// Bytes of the text in a varchar column: two for each character beyond ASCII.
int VarcharLength(const std::string& text) {
  int length = 0;
  for (std::size_t i = 0; i < text.size();) length += NextCodePoint(text, i) < 0x80 ? 1 : 2;
  return length;
}

}  // namespace

TRuleResult CheckConstraintEntry(const TMemberEntry& e) {
  const TFieldKind kind =
      FieldKindOf(e.memberType, nullptr, e.ownClass, !e.constraints.choices.empty());
  const TKindInfo& k = KindInfo(kind);
  const int length = k.hasLength ? ParseLength(e.lengthText).value_or(kMaxStringLength) : 0;
  return CheckConstraints(e.constraints, e.memberType, kind, length,
                          e.isMust || !k.mayBeOptional);
}

std::vector<std::string> SplitChoices(const std::string& text) {
  std::vector<std::string> choices;
  if (Trimmed(text).empty()) return choices;
  std::string rest = text;
  for (std::size_t at; (at = rest.find("，")) != std::string::npos;) rest.replace(at, 3, ",");
  std::size_t start = 0;
  for (std::size_t end;; start = end + 1) {
    end = rest.find(',', start);
    choices.emplace_back(Trimmed(std::string_view(rest).substr(start, end - start)));
    if (end == std::string::npos) break;
  }
  return choices;
}

std::string JoinChoices(const std::vector<std::string>& choices) {
  std::string text;
  for (const std::string& choice : choices) text += (text.empty() ? "" : ",") + choice;
  return text;
}

std::string msg::OutOfRange(const std::string& what, const std::string& min,
                            const std::string& max) {
  if (max.empty()) return what + "不能小于 " + min + "!";
  if (min.empty()) return what + "不能大于 " + max + "!";
  return what + "应在 " + min + " 到 " + max + " 之间!";
}

TRuleResult CheckConstraints(const TMemberConstraints& c, const std::string& memberType,
                             TFieldKind kind, int length, bool required,
                             TMemberConstraints* normal) {
  const TKindInfo& k = KindInfo(kind);
  if (c.unique && !k.mayBeUnique) return About("unique", memberType + msg::kUniqueTypeSuffix);
  if (c.unique && !required) return About("unique", msg::kUniqueMust);
  if ((!c.minValue.empty() || !c.maxValue.empty()) && !k.hasRange)
    return About("minValue", memberType + msg::kRangeTypeSuffix);
  if (!c.choices.empty() && !k.hasChoices)
    return About("choices", memberType + msg::kChoicesTypeSuffix);
  if (!c.defaultValue.empty() && k.values == TValueForm::None)
    return About("defaultValue", memberType + msg::kDefaultTypeSuffix);

  TMemberConstraints out = c;
  const bool whole = k.values == TValueForm::Integer;
  const auto number = [&](const std::string& text) {
    return whole ? PlainInteger(text) : PlainNumber(text);
  };
  if (!c.minValue.empty()) {
    const std::optional<std::string> min = number(c.minValue);
    if (!min) return About("minValue", whole ? msg::kMinNotInteger : msg::kMinNotNumber);
    out.minValue = *min;
  }
  if (!c.maxValue.empty()) {
    const std::optional<std::string> max = number(c.maxValue);
    if (!max) return About("maxValue", whole ? msg::kMaxNotInteger : msg::kMaxNotNumber);
    out.maxValue = *max;
  }
  if (!out.minValue.empty() && !out.maxValue.empty() &&
      ValueOf(out.minValue) > ValueOf(out.maxValue))
    return About("minValue", msg::kMinAboveMax);

  for (std::size_t i = 0; i < c.choices.size(); ++i) {
    const std::string& choice = c.choices[i];
    if (choice.empty()) return About("choices", msg::kChoiceEmpty);
    if (HasControl(choice)) return About("choices", msg::kChoiceControl);
    if (VarcharLength(choice) > length) return About("choices", msg::ChoiceTooLong(choice, length));
    for (std::size_t j = 0; j < i; ++j)
      if (c.choices[j] == choice) return About("choices", msg::ChoiceTwice(choice));
  }

  if (!c.defaultValue.empty()) {
    const std::string& value = c.defaultValue;
    if (k.values == TValueForm::YesNo) {
      if (value != kYes && value != kNo) return About("defaultValue", msg::kDefaultNotYesNo);
    } else if (k.values == TValueForm::Text) {
      if (HasControl(value)) return About("defaultValue", msg::kDefaultControl);
      if (VarcharLength(value) > length) return About("defaultValue", msg::DefaultTooLong(length));
      if (!c.choices.empty() &&
          std::find(c.choices.begin(), c.choices.end(), value) == c.choices.end())
        return About("defaultValue", msg::kDefaultNotChoice);
    } else {
      const std::optional<std::string> plain = number(value);
      if (!plain)
        return About("defaultValue", whole ? msg::kDefaultNotInteger : msg::kDefaultNotNumber);
      const double v = ValueOf(*plain);
      if ((!out.minValue.empty() && v < ValueOf(out.minValue)) ||
          (!out.maxValue.empty() && v > ValueOf(out.maxValue)))
        return About("defaultValue", msg::OutOfRange("默认值", out.minValue, out.maxValue));
      out.defaultValue = *plain;
    }
  }
  if (normal) *normal = std::move(out);
  return std::nullopt;
}

TRuleResult CheckProjectNameEntry(const std::string& name, bool rename) {
  if (name.empty())
    return About("projectName", rename ? msg::kProjectRenameEmpty : msg::kProjectNameEmpty);
  return CheckProjectName(name);
}

TRuleResult CheckClassEntry(const std::string& className, const std::string& friendName,
                            bool update) {
  if (className.empty())
    return About("className", update ? msg::kClassRenameEmpty : msg::kClassNameEmpty);
  if (!update && friendName.empty()) return About("friendName", msg::kFriendNameEmpty);
  if (!StartsWithCapital(className)) return About("className", msg::kClassNameCapital);
  if (update && friendName.empty()) return About("friendName", msg::kFriendNameEmpty);
  return CheckClassTexts(className, friendName);
}

bool IsSafeProjectName(const std::string& name) {
  if (name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
  return true;
}

TRuleResult CheckAddMember(const TMemberEntry& entry) {
  return CheckMemberEntry(entry);
}
TRuleResult CheckUpdateMember(const TMemberEntry& entry) {
  return CheckMemberEntry(entry);
}

TRuleResult BuildMember(const TMemberEntry& e, int projectId, int classId, TMember& out) {
  TMember m;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = e.memberName;
  m.memberType = e.memberType;
  const TKindInfo& kind = KindInfo(FieldKindOf(e.memberType));
  if (kind.hasLength) {
    const std::optional<int> length = ParseLength(e.lengthText);
    if (!length) return TRefusal{"memberLength", msg::kLengthNotNumber, true};
    if (*length < kMinStringLength || *length > kMaxStringLength)
      return About("memberLength", msg::LengthOutOfRange());
    m.memberLength = *length;
  }
  const TFieldKind constrained =
      FieldKindOf(e.memberType, nullptr, e.ownClass, !e.constraints.choices.empty());
  const bool required = e.isMust || !KindInfo(constrained).mayBeOptional;
  if (auto refused = CheckConstraints(e.constraints, e.memberType, constrained, m.memberLength,
                                      required, &m.constraints))
    return refused;
  m.memberIsPri = e.isPri ? 1 : 0;
  m.memberComment = e.memberComment;
  m.memberIsMust = e.isMust ? 1 : 0;
  m.memberIsInteger = kind.setsIntegerFlag ? 1 : 0;
  m.memberIsFloat = kind.setsFloatFlag ? 1 : 0;
  m.queryFlag = e.queryFlag ? 1 : 0;
  m.memberIsDisplay = e.isDisplay ? 1 : 0;
  m.memberQueryDisplay = e.queryDisplay ? 1 : 0;
  out = m;
  return std::nullopt;
}

TMemberEntry EntryFromMember(const TMember& m) {
  TMemberEntry e;
  e.memberName = m.memberName;
  e.memberType = m.memberType;
  e.lengthText = m.LengthText();
  e.memberComment = m.memberComment;
  e.isPri = m.IsKey();
  e.isMust = m.IsMust();
  e.queryFlag = m.IsQueried();
  e.isDisplay = m.IsDisplay();
  e.queryDisplay = m.IsShown();
  e.constraints = m.constraints;
  return e;
}

TRuleResult CheckDeleteMember(int selected) {
  if (selected < 0) return Refusal(msg::kSelectMemberFirst);
  return std::nullopt;
}

TRuleResult CheckMoveUp(int selected) {
  if (selected < 0) return Refusal(msg::kSelectMemberFirst);
  if (selected == 0) return Refusal(msg::kFirstCannotMoveUp);
  return std::nullopt;
}

TRuleResult CheckMoveDown(int selected, int rowCount) {
  if (selected < 0) return Refusal(msg::kSelectMemberFirst);
  if (selected >= rowCount - 1) return Refusal(msg::kLastCannotMoveDown);
  return std::nullopt;
}

TRuleResult CheckExchange(int selectedCount) {
  if (selectedCount != 2) return Refusal(msg::kSelectTwo);
  return std::nullopt;
}
