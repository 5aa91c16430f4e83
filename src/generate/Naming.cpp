#include "generate/Naming.h"

#include <algorithm>
#include <array>
#include <string_view>

std::string InstanceName(const std::string& className) {
  std::string name = className;
  if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z')
    name[0] = static_cast<char>(name[0] - 'A' + 'a');
  return name;
}

bool IsCSharpIdentifier(const std::string& name) {
  if (name.empty()) return false;
  auto isLetter = [](unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
  };
  if (!isLetter(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [&](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return isLetter(c) || (c >= '0' && c <= '9');
  });
}

bool IsCSharpKeyword(const std::string& name) {
  static constexpr std::array<std::string_view, 77> kKeywords = {
      "abstract", "as",         "base",    "bool",     "break",     "byte",     "case",
      "catch",    "char",       "checked", "class",    "const",     "continue", "decimal",
      "default",  "delegate",   "do",      "double",   "else",      "enum",     "event",
      "explicit", "extern",     "false",   "finally",  "fixed",     "float",    "for",
      "foreach",  "goto",       "if",      "implicit", "in",        "int",      "interface",
      "internal", "is",         "lock",    "long",     "namespace", "new",      "null",
      "object",   "operator",   "out",     "override", "params",    "private",  "protected",
      "public",   "readonly",   "ref",     "return",   "sbyte",     "sealed",   "short",
      "sizeof",   "stackalloc", "static",  "string",   "struct",    "switch",   "this",
      "throw",    "true",       "try",     "typeof",   "uint",      "ulong",    "unchecked",
      "unsafe",   "ushort",     "using",   "virtual",  "void",      "volatile", "while"};
  return std::find(kKeywords.begin(), kKeywords.end(), name) != kKeywords.end();
}
