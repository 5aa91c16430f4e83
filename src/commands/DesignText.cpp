#include "commands/DesignText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/DesignRules.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/DesignReader.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "vocabulary/Design.h"
#include "vocabulary/MemberKinds.h"
#include "vocabulary/SqlDialect.h"

using json = nlohmann::json;

TDesignTextError::TDesignTextError(std::string place, std::string message)
    : std::runtime_error(place.empty() ? message : place + ": " + message),
      place_(std::move(place)),
      message_(std::move(message)) {}

namespace {

// The fields of each level, in the order an export writes them.
using TFields = std::span<const std::string_view>;
constexpr std::array<std::string_view, 3> kProjectFields = {"formatVersion", "projectName",
                                                            "classes"};
// Written only when not the default: fullQueryForms when true, database
// (the key of a database) when not SQL Server. A text without them reads
// as off and SQL Server.
constexpr std::array<std::string_view, 2> kProjectOptionalFields = {"fullQueryForms", "database"};
constexpr std::array<std::string_view, 4> kClassFields = {"className", "friendName",
                                                          "frontShowFlag", "members"};
constexpr std::array<std::string_view, 11> kMemberFields = {
    "memberName",  "memberType",      "memberLength",      "memberComment",
    "memberIsPri", "memberIsMust",    "memberIsInteger",   "memberIsFloat",
    "queryFlag",   "memberIsDisplay", "memberQueryDisplay"};
// A member's constraints, each written only when set.
constexpr std::array<std::string_view, 5> kMemberOptionalFields = {
    "unique", "defaultValue", "minValue", "maxValue", "choices"};

// Deeper than any design text nests; a deeper text is refused while it is
// read, before it costs memory.
constexpr std::size_t kMaxDepth = 32;
constexpr const char* kTopLevel = "(文件顶层)";

std::string Join(const std::string& place, std::string_view field) {
  return place.empty() ? std::string(field) : place + "." + std::string(field);
}

// ---- Reading: syntax -------------------------------------------------------

// Line and column (in characters) of the character at the 1-based byte
// position the parser reports.
std::string LineAndColumn(const std::string& text, std::size_t position) {
  const std::size_t before = std::min(position > 0 ? position - 1 : 0, text.size());
  int line = 1, column = 1;
  for (std::size_t i = 0; i < before; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

// The parser's own words after its "at line L, column C: " prefix.
std::string ParserReason(const std::string& what) {
  std::size_t at = what.find("column ");
  if (at != std::string::npos) at = what.find(": ", at);
  return at == std::string::npos ? what : what.substr(at + 2);
}

// A first pass over the text with the library's event parser: refuses text
// that is not JSON (naming line and column), nesting deeper than kMaxDepth
// and repeated keys (naming their path), before any value is built.
class TShapeCheck : public json::json_sax_t {
public:
  explicit TShapeCheck(const std::string& text) : text_(text) {}

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t) override { return Value(); }
  bool number_unsigned(number_unsigned_t) override { return Value(); }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }
  bool start_object(std::size_t) override { return Open(false); }
  bool start_array(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool key(string_t& name) override {
    TLevel& level = levels_.back();
    level.key = name;
    if (!level.keys.insert(name).second) throw TDesignTextError(Here(), "字段重复出现");
    return true;
  }
  bool parse_error(std::size_t position, const std::string&,
                   const nlohmann::detail::exception& e) override {
    throw TDesignTextError(LineAndColumn(text_, position),
                           "不是合法的 JSON(" + ParserReason(e.what()) + ")");
  }

private:
  struct TLevel {
    bool array = false;
    std::size_t index = 0;
    std::string key;
    std::set<std::string> keys;
  };

  std::string Here() const {
    std::string path;
    for (const TLevel& level : levels_)
      path = level.array ? path + "[" + std::to_string(level.index) + "]" : Join(path, level.key);
    return path.empty() ? kTopLevel : path;
  }
  bool Value() {
    if (!levels_.empty() && levels_.back().array) ++levels_.back().index;
    return true;
  }
  bool Open(bool array) {
    if (levels_.size() >= kMaxDepth)
      throw TDesignTextError(Here(), "嵌套超过 " + std::to_string(kMaxDepth) + " 层");
    levels_.push_back({array, 0, {}, {}});
    return true;
  }
  bool Close() {
    levels_.pop_back();
    return Value();
  }

  const std::string& text_;
  std::vector<TLevel> levels_;
};

// ---- Reading: structure ----------------------------------------------------

// One JSON object of the text, read field by field with its place.
class TObjectReader {
public:
  TObjectReader(const json& value, std::string place, TFields fields, TFields optional = {})
      : value_(value), place_(std::move(place)) {
    if (!value.is_object())
      throw TDesignTextError(place_.empty() ? kTopLevel : place_, "应为 JSON 对象");
    for (const auto& [name, ignored] : value.items())
      if (std::find(fields.begin(), fields.end(), name) == fields.end() &&
          std::find(optional.begin(), optional.end(), name) == optional.end())
        throw TDesignTextError(Join(place_, name), "未知字段");
    for (std::string_view name : fields)
      if (!value.contains(std::string(name)))
        throw TDesignTextError(Join(place_, name), "缺少该字段");
  }

  std::string Text(std::string_view name) const {
    const json& v = Field(name);
    if (!v.is_string()) Wrong(name, "应为字符串");
    return v.get<std::string>();
  }
  bool Flag(std::string_view name) const {
    const json& v = Field(name);
    if (!v.is_boolean()) Wrong(name, "应为 true 或 false");
    return v.get<bool>();
  }
  int Integer(std::string_view name) const {
    const json& v = Field(name);
    const bool fits = v.is_number_unsigned() ? v.get<std::uint64_t>() <= INT_MAX
                      : v.is_number_integer()
                          ? v.get<std::int64_t>() >= INT_MIN && v.get<std::int64_t>() <= INT_MAX
                          : false;
    if (!fits) Wrong(name, "应为整数");
    return static_cast<int>(v.get<std::int64_t>());
  }
  const json& Array(std::string_view name) const {
    const json& v = Field(name);
    if (!v.is_array()) Wrong(name, "应为数组");
    return v;
  }
  // Texts of an array of strings.
  std::vector<std::string> Texts(std::string_view name) const {
    std::vector<std::string> texts;
    for (const json& v : Array(name)) {
      if (!v.is_string()) Wrong(name, "应为字符串数组");
      texts.push_back(v.get<std::string>());
    }
    return texts;
  }
  bool Has(std::string_view name) const { return value_.contains(std::string(name)); }
  std::string Place(std::string_view name) const { return Join(place_, name); }

private:
  const json& Field(std::string_view name) const { return value_.at(std::string(name)); }
  [[noreturn]] void Wrong(std::string_view name, const char* what) const {
    throw TDesignTextError(Join(place_, name), what);
  }

  const json& value_;
  std::string place_;
};

struct TMemberText {
  std::string place;
  TMemberEntry entry;
  int length = 0;
  bool isInteger = false;
  bool isFloat = false;
};

struct TClassText {
  std::string place;
  std::string className;
  std::string friendName;
  bool frontShow = true;
  std::vector<TMemberText> members;
};

struct TDesignData {
  std::string projectName;
  bool fullQueryForms = false;
  TDatabase database = TDatabase::SqlServer;
  std::vector<TClassText> classes;
};

TMemberText ReadMember(const json& value, const std::string& place) {
  const TObjectReader r(value, place, kMemberFields, kMemberOptionalFields);
  TMemberText m;
  m.place = place;
  m.entry.memberName = r.Text("memberName");
  m.entry.memberType = r.Text("memberType");
  m.length = r.Integer("memberLength");
  m.entry.lengthText = std::to_string(m.length);
  m.entry.memberComment = r.Text("memberComment");
  m.entry.isPri = r.Flag("memberIsPri");
  m.entry.isMust = r.Flag("memberIsMust");
  m.isInteger = r.Flag("memberIsInteger");
  m.isFloat = r.Flag("memberIsFloat");
  m.entry.queryFlag = r.Flag("queryFlag");
  m.entry.isDisplay = r.Flag("memberIsDisplay");
  m.entry.queryDisplay = r.Flag("memberQueryDisplay");
  TMemberConstraints& c = m.entry.constraints;
  c.unique = r.Has("unique") && r.Flag("unique");
  if (r.Has("defaultValue")) c.defaultValue = r.Text("defaultValue");
  if (r.Has("minValue")) c.minValue = r.Text("minValue");
  if (r.Has("maxValue")) c.maxValue = r.Text("maxValue");
  if (r.Has("choices")) c.choices = r.Texts("choices");
  return m;
}

TClassText ReadClass(const json& value, const std::string& place) {
  const TObjectReader r(value, place, kClassFields);
  TClassText c;
  c.place = place;
  c.className = r.Text("className");
  c.friendName = r.Text("friendName");
  c.frontShow = r.Flag("frontShowFlag");
  const json& members = r.Array("members");
  for (std::size_t i = 0; i < members.size(); ++i)
    c.members.push_back(ReadMember(members[i], r.Place("members") + "[" + std::to_string(i) + "]"));
  return c;
}

TDesignData ReadText(const std::string& text) {
  TShapeCheck shape(text);
  json::sax_parse(text, &shape);
  const json root = json::parse(text);

  // The version first: a text of another version may have other fields.
  if (!root.is_object()) throw TDesignTextError(kTopLevel, "应为 JSON 对象(不是设计导出文件)");
  const auto version = root.find("formatVersion");
  if (version == root.end())
    throw TDesignTextError("formatVersion", "缺少该字段(不是设计导出文件)");
  // A whole number, as every number of the text: 1.0 is no version, as 50.0
  // is no length.
  if (!version->is_number_integer())
    throw TDesignTextError("formatVersion", "应为整数");
  if (*version != kDesignFormatVersion)
    throw TDesignTextError("formatVersion", "不支持的格式版本 " + version->dump() +
                                                "，本程序读取版本 " +
                                                std::to_string(kDesignFormatVersion));

  const TObjectReader r(root, "", kProjectFields, kProjectOptionalFields);
  TDesignData data;
  data.projectName = r.Text("projectName");
  data.fullQueryForms = root.contains("fullQueryForms") && r.Flag("fullQueryForms");
  if (root.contains("database")) {
    const TDatabaseChoice* choice = DatabaseByKey(r.Text("database"));
    if (!choice)
      throw TDesignTextError(
          "database", "数据库 \"" + r.Text("database") + "\" 不可用，可选: " + DatabaseKeys());
    data.database = choice->database;
  }
  const json& classes = r.Array("classes");
  for (std::size_t i = 0; i < classes.size(); ++i)
    data.classes.push_back(ReadClass(classes[i], "classes[" + std::to_string(i) + "]"));
  return data;
}

// ---- Storing under the entry rules -----------------------------------------

// Refuses at the field the rule's refusal is about, below place.
void Refuse(const std::string& place, const TRuleResult& refused) {
  if (refused) throw TDesignTextError(Join(place, refused->field), refused->message);
}

const char* TrueFalse(bool value) {
  return value ? "true" : "false";
}

// The class names of the new project, so that each member's type is
// checked without asking the store again (it holds exactly these).
struct TImportedClasses {
  std::set<std::string> names;
  // The member dialog offers the base types and the classes of the
  // project; only a type it would not offer asks the store, for the
  // message that lists what it offers.
  bool Offers(const std::string& type) const {
    return !KindInfo(FieldKindOf(type)).refersToClass || names.count(type) > 0;
  }
};

void StoreMember(const TMemberText& m, int projectId, int classId, const std::string& className,
                 const TImportedClasses& classes) {
  TMemberEntry e = m.entry;
  e.ownClass = className;
  // The member dialog offers these types only; the command line says so.
  if (!classes.Offers(e.memberType))
    Refuse(m.place, CheckTypeOffered(projectId, e.memberType));
  Refuse(m.place, CheckAddMember(e));
  TMember record;
  Refuse(m.place, BuildMember(e, projectId, classId, record));

  // The fields the dialog derives from the type must say the same, or the
  // stored member would not be the one the text describes.
  if (record.memberLength != m.length)
    throw TDesignTextError(Join(m.place, "memberLength"), "只有字符串类型的成员有长度，应为 0");
  if ((record.memberIsInteger == 1) != m.isInteger)
    throw TDesignTextError(Join(m.place, "memberIsInteger"),
                           std::string("与成员类型不符，应为 ") + TrueFalse(!m.isInteger));
  if ((record.memberIsFloat == 1) != m.isFloat)
    throw TDesignTextError(Join(m.place, "memberIsFloat"),
                           std::string("与成员类型不符，应为 ") + TrueFalse(!m.isFloat));
  TMemberDAO().AddMember(record);
}

}  // namespace

std::string ExportDesign(int projectId) {
  const TDesign design = ReadDesign(projectId);
  nlohmann::ordered_json root;
  root["formatVersion"] = kDesignFormatVersion;
  root["projectName"] = design.projectName;
  if (design.fullQueryForms) root["fullQueryForms"] = true;
  if (design.database != TDatabase::SqlServer)
    root["database"] = DatabaseChoiceOf(design.database).key;
  root["classes"] = nlohmann::ordered_json::array();
  for (const TDesignClass& cls : design.classes) {
    nlohmann::ordered_json c;
    c["className"] = cls.className;
    c["friendName"] = cls.friendName;
    c["frontShowFlag"] = cls.frontShowFlag == 1;
    c["members"] = nlohmann::ordered_json::array();
    for (const TDesignMember& m : cls.members) {
      // Written as 0, such a length would come back as another design.
      if (!m.storedLength.empty())
        throw std::runtime_error("类 " + cls.className + " 的成员 " + m.memberName + " 的长度 " +
                                 m.storedLength + " 超出范围，无法导出");
      // Fields that the type decides, as the import derives them: a file
      // made by other tools may disagree, and its export would be refused
      // by its own import.
      const auto refuse = [&](const std::string& problem) {
        throw std::runtime_error("类 " + cls.className + " 的成员 " + m.memberName + ": " +
                                 problem + "，无法导出");
      };
      TMember derived;
      if (auto refused = BuildMember(EntryFromMember(m), m.projectId, m.classId, derived))
        refuse(refused->message);
      if (derived.memberLength != m.memberLength)
        refuse("长度 " + std::to_string(m.memberLength) + " 与类型 " + m.memberType +
               " 不符(只有字符串类型的成员有长度)");
      if (derived.memberIsInteger != (m.IsInteger() ? 1 : 0) ||
          derived.memberIsFloat != (m.memberIsFloat == 1 ? 1 : 0))
        refuse("整型或浮点型标志与类型 " + m.memberType + " 不符");
      nlohmann::ordered_json j;
      j["memberName"] = m.memberName;
      j["memberType"] = m.memberType;
      j["memberLength"] = m.memberLength;
      j["memberComment"] = m.memberComment;
      j["memberIsPri"] = m.IsKey();
      j["memberIsMust"] = m.IsMust();
      j["memberIsInteger"] = m.IsInteger();
      j["memberIsFloat"] = m.memberIsFloat == 1;
      j["queryFlag"] = m.IsQueried();
      j["memberIsDisplay"] = m.IsDisplay();
      j["memberQueryDisplay"] = m.IsShown();
      const TMemberConstraints& constraints = m.constraints;
      if (constraints.unique) j["unique"] = true;
      if (!constraints.defaultValue.empty()) j["defaultValue"] = constraints.defaultValue;
      if (!constraints.minValue.empty()) j["minValue"] = constraints.minValue;
      if (!constraints.maxValue.empty()) j["maxValue"] = constraints.maxValue;
      if (!constraints.choices.empty()) j["choices"] = constraints.choices;
      c["members"].push_back(std::move(j));
    }
    root["classes"].push_back(std::move(c));
  }
  try {
    return root.dump(2) + "\n";
  } catch (const nlohmann::json::type_error&) {
    throw std::runtime_error("设计中有文字不是合法的 UTF-8，无法导出");
  }
}

int ImportDesign(const std::string& text, const std::optional<std::string>& projectName) {
  const TDesignData data = ReadText(text);
  const std::string name = projectName.value_or(data.projectName);
  int projectId = 0;
  // Every class first, so that a member may name a class later in the text.
  TDbHelper().Transaction([&] {
    if (auto refused = CheckAddProject(name))
      throw TDesignTextError(projectName ? "" : refused->field, refused->message);
    projectId = TProjectDAO().AddProject(name);
    if (data.fullQueryForms) TProjectDAO().SetFullQueryForms(projectId, true);
    if (data.database != TDatabase::SqlServer) TProjectDAO().SetDatabase(projectId, data.database);
    std::vector<int> classIds;
    TImportedClasses classes;
    for (const TClassText& c : data.classes) {
      Refuse(c.place, CheckAddClass(projectId, c.className, c.friendName));
      classIds.push_back(
          TClassDAO().AddClass(projectId, c.className, c.friendName, c.frontShow ? 1 : 0));
      classes.names.insert(c.className);
    }
    for (std::size_t i = 0; i < data.classes.size(); ++i)
      for (const TMemberText& m : data.classes[i].members)
        StoreMember(m, projectId, classIds[i], data.classes[i].className, classes);
  });
  return projectId;
}
