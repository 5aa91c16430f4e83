#include "vocabulary/Naming.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "vocabulary/EntryRules.h"
#include "vocabulary/SqlDialect.h"

namespace {

constexpr std::string_view kImportedTypes[] = {
#include "vocabulary/ImportedTypes.inc"
};

// Names the generated code itself declares in the scopes where the entity
// variable stands: handler parameters, locals and fields.
bool IsFixedName(const std::string& name) {
  static constexpr std::string_view kFixed[] = {
      "e", "sender", "fs", "bw", "openFileDialog1", "sql", "parm", "components"};
  if (std::find(std::begin(kFixed), std::end(kFixed), name) != std::end(kFixed)) return true;
  return name.size() > 5 && name.rfind("label", 0) == 0 &&
         std::all_of(name.begin() + 5, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

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
  // Looked up for nearly every name a generator writes.
  static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end()));
  return std::binary_search(kKeywords.begin(), kKeywords.end(), std::string_view(name));
}

std::string CSharpName(const std::string& name) {
  return IsCSharpKeyword(name) ? "@" + name : name;
}

std::string EntityVariable(const TDesignClass& cls) {
  const std::string name = InstanceName(cls.className);
  bool taken = IsFixedName(name);
  for (const TDesignMember& m : cls.members)
    if (m.memberName == name && (m.IsKey() || m.Kind().namesLocals)) taken = true;
  if (taken) return name + "_";
  return CSharpName(name);
}

bool IsImportedTypeName(const std::string& name) {
  return std::binary_search(std::begin(kImportedTypes), std::end(kImportedTypes),
                            std::string_view(name));
}

std::string EntityType(const std::string& className) {
  return IsImportedTypeName(className) ? "Model." + className : className;
}

namespace {

struct TFrameworkType {
  std::string_view name;
  std::string_view fullName;
};

// The framework types each kind of file names bare in its fixed text (the
// data-access code also names its data provider's, which the dialect gives).
constexpr TFrameworkType kDataAccessTypes[] = {
    {"Array", "System.Array"},          {"Convert", "System.Convert"},
    {"DataSet", "System.Data.DataSet"}, {"DateTime", "System.DateTime"},
    {"DBNull", "System.DBNull"},        {"Exception", "System.Exception"},
};

constexpr TFrameworkType kFormCodeTypes[] = {
    {"BinaryReader", "System.IO.BinaryReader"},
    {"Convert", "System.Convert"},
    {"DataSet", "System.Data.DataSet"},
    {"DateTime", "System.DateTime"},
    {"DialogResult", "System.Windows.Forms.DialogResult"},
    {"Environment", "System.Environment"},
    {"EventArgs", "System.EventArgs"},
    {"FileAccess", "System.IO.FileAccess"},
    {"FileMode", "System.IO.FileMode"},
    {"FileStream", "System.IO.FileStream"},
    {"Form", "System.Windows.Forms.Form"},
    {"Image", "System.Drawing.Image"},
    {"Int32", "System.Int32"},
    {"MemoryStream", "System.IO.MemoryStream"},
    {"MessageBox", "System.Windows.Forms.MessageBox"},
    {"MessageBoxButtons", "System.Windows.Forms.MessageBoxButtons"},
    {"MessageBoxIcon", "System.Windows.Forms.MessageBoxIcon"},
    {"OpenFileDialog", "System.Windows.Forms.OpenFileDialog"},
    {"PictureBoxSizeMode", "System.Windows.Forms.PictureBoxSizeMode"},
    {"String", "System.String"},
};

}  // namespace

std::string TypeAliasLines(const TDesign& design, TImportingFile file) {
  std::string lines;
  auto add = [&](const auto& types) {
    for (const auto& t : types)
      if (design.FindClass(std::string(t.name)) >= 0)
        lines += "using " + std::string(t.name) + " = " + std::string(t.fullName) + ";\r\n";
  };
  if (file == TImportingFile::DataAccess) {
    add(kDataAccessTypes);
    add(DialectOf(design).ProviderTypes());
  } else {
    add(kFormCodeTypes);
  }
  return lines;
}

bool IsFrameworkTypeName(const std::string& name) {
  if (IsImportedTypeName(name)) return true;
  auto named = [&](const auto& types) {
    return std::any_of(std::begin(types), std::end(types),
                       [&](const auto& t) { return t.name == name; });
  };
  if (named(kDataAccessTypes) || named(kFormCodeTypes)) return true;
  for (const TDatabaseChoice& choice : DatabaseChoices())
    if (named(choice.dialect().ProviderTypes())) return true;
  // Each kind's framework type (the entity names System.DateTime when a
  // class is called DateTime). A kind added after the last one must come
  // into this loop.
  for (int kind = 0; kind <= static_cast<int>(TFieldKind::Choice); ++kind) {
    const std::string_view systemName = KindInfo(static_cast<TFieldKind>(kind)).systemName;
    if (!systemName.empty() && systemName == name) return true;
  }
  return false;
}

std::string CSharpString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string ChoiceItems(const TMember& member) {
  std::string items;
  for (const std::string& choice : member.constraints.choices)
    items += (items.empty() ? "" : ",\r\n") + std::string(12, ' ') + CSharpString(choice);
  return items;
}

std::string CSharpValue(TValueForm form, const std::string& value) {
  if (form == TValueForm::YesNo) return value == kYes ? "true" : "false";
  return CSharpString(value);
}
