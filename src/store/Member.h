// The member record (one row of t_member), the member-type vocabulary and
// the one table that maps a member type to C# and data-access types.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct TMember {
  int memberId = 0;
  int projectId = 0;
  int classId = 0;
  std::string memberName;
  std::string memberType;
  int memberLength = 0;
  int memberIsPri = 0;
  std::string memberComment;
  int memberIsMust = 0;
  int memberIsInteger = 0;
  int memberIsFloat = 0;
  int queryFlag = 0;
  int memberIsDisplay = 0;
  int memberQueryDisplay = 1;  // shown in the query form unless cleared

  // Flags hold 0 or 1; exactly 1 means set.
  bool IsKey() const { return memberIsPri == 1; }
  bool IsMust() const { return memberIsMust == 1; }
  bool IsInteger() const { return memberIsInteger == 1; }
  bool IsQueried() const { return queryFlag == 1; }
  bool IsDisplay() const { return memberIsDisplay == 1; }
  bool IsShown() const { return memberQueryDisplay == 1; }
};

// The five base type words, in the order they are always offered.
inline constexpr std::string_view kTypeString = "字符串";
inline constexpr std::string_view kTypeInteger = "整型";
inline constexpr std::string_view kTypeFloat = "浮点型";
inline constexpr std::string_view kTypeDate = "日期型";
inline constexpr std::string_view kTypeImage = "图片型";
inline constexpr std::array<std::string_view, 5> kBaseTypes = {kTypeString, kTypeInteger,
                                                               kTypeFloat, kTypeDate, kTypeImage};

// What a member type word means. Any text that is not a base type word
// names another class of the project: a reference.
enum class TMemberKind { String, Integer, Float, Date, Image, Reference };

TMemberKind ClassifyMemberType(std::string_view memberType);
inline bool IsReferenceType(std::string_view memberType) {
  return ClassifyMemberType(memberType) == TMemberKind::Reference;
}

// A member's type with a reference resolved by the key of the class it
// names: an integer reference when that key is an integer, else a string one.
enum class TFieldKind { String, Integer, Float, Date, Image, IntegerReference, StringReference };

// The field kind of a base type word; a reference needs its key's kind.
TFieldKind FieldKindOf(TMemberKind kind, bool referenceKeyIsInteger = true);

// C# type of the entity property and of local variables.
std::string_view CSharpType(TFieldKind kind);
// SqlDbType member name used for data-access parameters ("VarChar", ...).
std::string_view SqlDbTypeName(TFieldKind kind);

// C# expression converting the data-reader item `item` (as in
// DataRead["title"]) to the member's C# type.
std::string ReaderConversion(TFieldKind kind, const std::string& item);
