// The member record (one row of t_member) and the member type words. What
// a type means to the writers is the kind table's (MemberKinds.h).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A member's constraints, kept beside the member (most members have none).
// Values as stored: numbers in their plain decimal form, empty for a value
// not set; choices in the order the user gave them.
struct TMemberConstraints {
  bool unique = false;
  std::string defaultValue;
  std::string minValue;
  std::string maxValue;
  std::vector<std::string> choices;

  bool Empty() const {
    return !unique && defaultValue.empty() && minValue.empty() && maxValue.empty() &&
           choices.empty();
  }
  bool operator==(const TMemberConstraints&) const = default;
};

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
  // The stored length as the design database holds it, when that is no
  // 32-bit whole number (text, a fraction, a number out of range: only a
  // file made by other tools holds such); memberLength then reads 0. Shown
  // as stored, and refused by the design check, never wrapped.
  std::string storedLength;
  TMemberConstraints constraints;

  // A flag is set when it holds exactly 1; any other value reads as clear.
  bool IsKey() const { return memberIsPri == 1; }
  bool IsMust() const { return memberIsMust == 1; }
  bool IsInteger() const { return memberIsInteger == 1; }
  bool IsQueried() const { return queryFlag == 1; }
  bool IsDisplay() const { return memberIsDisplay == 1; }
  bool IsShown() const { return memberQueryDisplay == 1; }

  // The length as the member list shows it.
  std::string LengthText() const {
    return storedLength.empty() ? std::to_string(memberLength) : storedLength;
  }
};

// The six base type words, in the order they are always offered. Any other
// type names a class of the project: a reference (to the member's own class
// too: a manager among the employees, a parent category).
inline constexpr std::string_view kTypeString = "字符串";
inline constexpr std::string_view kTypeInteger = "整型";
inline constexpr std::string_view kTypeFloat = "浮点型";
inline constexpr std::string_view kTypeDate = "日期型";
inline constexpr std::string_view kTypeImage = "图片型";
inline constexpr std::string_view kTypeBoolean = "布尔型";
inline constexpr std::array<std::string_view, 6> kBaseTypes = {
    kTypeString, kTypeInteger, kTypeFloat, kTypeDate, kTypeImage, kTypeBoolean};
