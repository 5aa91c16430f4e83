// The table script reader: a tokenizer that hands out one token at a time
// (a script of thousands of INSERT rows is never held as tokens), and a
// parser that reads statement by statement. Statements in T-SQL need no
// separator, so one that is not modelled is skipped up to the next word
// that starts a statement at the outermost level of parentheses, a ';' or
// GO. Parentheses are counted in a loop, never by recursion.
#include "commands/SqlScriptReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdio>
#include <deque>
#include <map>
#include <utility>

#include "commands/DesignText.h"
#include "vocabulary/Text.h"

std::string TSqlPlace::Text() const {
  return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

bool SameSqlName(std::string_view a, std::string_view b) {
  return AsciiLower(a) == AsciiLower(b);
}

int TSqlTable::FindColumn(std::string_view column) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (SameSqlName(columns[i].name, column)) return static_cast<int>(i);
  return -1;
}

std::string TSqlSchema::NameKey(const TSqlObjectName& table) {
  return std::to_string(table.schema.size()) + ':' + AsciiLower(table.schema) +
         AsciiLower(table.name);
}

int TSqlSchema::FindTable(const TSqlObjectName& table) const {
  const auto found = byName_.find(NameKey(table));
  return found == byName_.end() ? -1 : found->second;
}

void TSqlSchema::AddTable(TSqlTable table) {
  // The first of a name stays the one found, as a search in order finds it.
  byName_.try_emplace(NameKey(table.name), static_cast<int>(tables.size()));
  tables.push_back(std::move(table));
}

namespace {

[[noreturn]] void Fail(const TSqlPlace& place, const std::string& message) {
  throw TDesignTextError(place.Text(), message);
}

// True when the word equals the upper-case keyword, ignoring ASCII case.
bool Is(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != keyword[i]) return false;
  }
  return true;
}

bool IsAnyOf(std::string_view word, std::initializer_list<std::string_view> keywords) {
  return std::any_of(keywords.begin(), keywords.end(),
                     [&](std::string_view k) { return Is(word, k); });
}

std::string Upper(std::string_view word) {
  std::string out(word);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

// Words that begin a statement. Where one of them stands outside any
// parentheses, the statement before it has ended.
bool StartsStatement(std::string_view word) {
  return IsAnyOf(
      word, {"ALTER", "BEGIN",  "BULK",  "COMMIT",   "CREATE",    "DBCC",    "DECLARE", "DELETE",
             "DENY",  "DROP",   "ELSE",  "END",      "EXEC",      "EXECUTE", "GOTO",    "GRANT",
             "IF",    "INSERT", "MERGE", "PRINT",    "RAISERROR", "RETURN",  "REVOKE",  "ROLLBACK",
             "SAVE",  "SELECT", "SET",   "TRUNCATE", "UPDATE",    "USE",     "WHILE"});
}

// Statements that change no table definition and need no word to the user.
bool IsQuietStatement(std::string_view word) {
  return IsAnyOf(word, {"SET", "USE", "DECLARE", "PRINT", "DROP", "SELECT", "BEGIN", "END", "ELSE",
                        "COMMIT", "ROLLBACK", "SAVE", "RETURN", "GOTO"});
}

bool IsDataStatement(std::string_view word) {
  return IsAnyOf(word, {"INSERT", "UPDATE", "DELETE", "MERGE", "TRUNCATE", "BULK"});
}

// Statements that must be alone in their batch: their body runs to GO.
bool IsBatchStatement(std::string_view word) {
  return IsAnyOf(word, {"PROCEDURE", "PROC", "FUNCTION", "TRIGGER", "VIEW"});
}

// ---- Checking the text -------------------------------------------------------

// Refuses text that is no UTF-8, and bytes no script holds (NUL and other
// control characters): a binary file, or a UTF-16 file without its
// byte-order mark.
void CheckText(std::string_view text) {
  TSqlPlace place{1, 1};
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const char32_t c = NextCodePoint(text, i);
    if (c == 0 && byte != 0) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", byte);
      Fail(place,
           std::string("不是合法的 UTF-8 文本(字节 ") + hex + ")；GBK 编码的脚本请按 GBK 读取");
    }
    const bool control = c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v';
    if (control || c == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(c));
      Fail(place, std::string("含有二进制数据(字节 ") + hex + ")，不是文本脚本");
    }
    if (c == '\n') {
      ++place.line;
      place.column = 1;
    } else {
      ++place.column;
    }
  }
}

// ---- Tokens ------------------------------------------------------------------

enum class TTokenKind { End, Go, Word, Name, String, Number, Symbol };

struct TToken {
  TTokenKind kind = TTokenKind::End;
  std::string_view raw;
  TSqlPlace place;
};

// Spaces that editors and web pages put into scripts besides ASCII ones.
std::size_t WideSpaceLength(std::string_view text, std::size_t i) {
  for (std::string_view space : {"\xC2\xA0", "\xE3\x80\x80", "\xEF\xBB\xBF"})
    if (text.compare(i, space.size(), space) == 0) return space.size();
  return 0;
}

class TLexer {
public:
  explicit TLexer(std::string_view text) : text_(text) {}

  TToken Next() {
    SkipBlanks();
    TToken t;
    t.place = Here();
    const std::size_t start = pos_;
    if (pos_ >= text_.size()) return t;
    const bool lineStart = lineStart_;
    lineStart_ = false;
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (c == '\'' || ((c == 'N' || c == 'n') && At(pos_ + 1) == '\'')) {
      if (c != '\'') Advance();
      Quoted('\'', t.place, "字符串没有结束(缺少 ')");
      t.kind = TTokenKind::String;
    } else if (c == '[') {
      Quoted(']', t.place, "方括号中的名称没有结束(缺少 ])");
      t.kind = TTokenKind::Name;
    } else if (c == '"') {
      Quoted('"', t.place, "引号中的名称没有结束(缺少 \")");
      t.kind = TTokenKind::Name;
    } else if (IsDigit(c) || (c == '.' && IsDigit(At(pos_ + 1))) ||
               (c == '$' && IsDigit(At(pos_ + 1)))) {
      NumberToken();
      t.kind = TTokenKind::Number;
    } else if (StartsWord(c)) {
      while (pos_ < text_.size() && ContinuesWord(static_cast<unsigned char>(text_[pos_])) &&
             WideSpaceLength(text_, pos_) == 0)
        Advance();
      t.kind = TTokenKind::Word;
      if (lineStart && Is(text_.substr(start, pos_ - start), "GO") && RestIsGoLine())
        t.kind = TTokenKind::Go;
    } else {
      Advance();
      t.kind = TTokenKind::Symbol;
    }
    t.raw = text_.substr(start, pos_ - start);
    if (t.kind == TTokenKind::Go) t.raw = t.raw.substr(0, 2);
    lineStart_ = false;
    return t;
  }

private:
  static bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
  static bool StartsWord(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '@' || c == '#' ||
           c >= 0x80;
  }
  static bool ContinuesWord(unsigned char c) { return StartsWord(c) || IsDigit(c) || c == '$'; }

  unsigned char At(std::size_t i) const {
    return i < text_.size() ? static_cast<unsigned char>(text_[i]) : 0;
  }
  TSqlPlace Here() const { return {line_, column_}; }

  // Moves over one byte; a column is a character, so continuation bytes
  // of UTF-8 do not count.
  void Advance() {
    const auto c = static_cast<unsigned char>(text_[pos_++]);
    if (c == '\n') {
      ++line_;
      column_ = 1;
      lineStart_ = true;
    } else if ((c & 0xC0) != 0x80) {
      ++column_;
    }
  }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
        Advance();
      } else if (const std::size_t wide = WideSpaceLength(text_, pos_)) {
        for (std::size_t i = 0; i < wide; ++i) Advance();
      } else if (c == '-' && At(pos_ + 1) == '-') {
        while (pos_ < text_.size() && text_[pos_] != '\n') Advance();
      } else if (c == '/' && At(pos_ + 1) == '*') {
        BlockComment();
      } else {
        return;
      }
    }
  }

  // Block comments nest in T-SQL.
  void BlockComment() {
    const TSqlPlace open = Here();
    std::size_t depth = 0;
    do {
      if (pos_ >= text_.size()) Fail(open, "注释没有结束(缺少 */)");
      if (text_[pos_] == '/' && At(pos_ + 1) == '*') {
        ++depth;
        Advance();
      } else if (text_[pos_] == '*' && At(pos_ + 1) == '/') {
        --depth;
        Advance();
      }
      Advance();
    } while (depth > 0);
    // GO after a comment on its line is no batch end.
    lineStart_ = false;
  }

  // A quoted token; the closing quote doubled stands for itself.
  void Quoted(char close, const TSqlPlace& open, const char* unterminated) {
    Advance();
    for (;;) {
      const std::size_t next = text_.find(close, pos_);
      if (next == std::string_view::npos) Fail(open, unterminated);
      while (pos_ <= next) Advance();
      if (At(pos_) != static_cast<unsigned char>(close)) return;
      Advance();
    }
  }

  void NumberToken() {
    if (text_[pos_] == '$') Advance();
    if (text_[pos_] == '0' && (At(pos_ + 1) == 'x' || At(pos_ + 1) == 'X')) {
      Advance();
      Advance();
      while (std::isxdigit(At(pos_)) != 0) Advance();
      return;
    }
    while (IsDigit(At(pos_)) || At(pos_) == '.') Advance();
    if ((At(pos_) == 'e' || At(pos_) == 'E') &&
        (IsDigit(At(pos_ + 1)) ||
         ((At(pos_ + 1) == '+' || At(pos_ + 1) == '-') && IsDigit(At(pos_ + 2))))) {
      Advance();
      Advance();
      while (IsDigit(At(pos_))) Advance();
    }
  }

  // GO ends a batch when it stands alone on its line, with at most a count
  // and a comment after it; the rest of the line is taken with it.
  bool RestIsGoLine() {
    std::size_t i = pos_;
    while (At(i) == ' ' || At(i) == '\t') ++i;
    while (IsDigit(At(i))) ++i;
    while (At(i) == ' ' || At(i) == '\t') ++i;
    const bool comment = At(i) == '-' && At(i + 1) == '-';
    if (!comment && i < text_.size() && At(i) != '\r' && At(i) != '\n') return false;
    while (pos_ < text_.size() && text_[pos_] != '\n') Advance();
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
  bool lineStart_ = true;  // nothing but blanks since the line began
};

// A name or string token's text, quotes removed and doubled quotes undone.
std::string Value(const TToken& t) {
  if (t.kind != TTokenKind::Name && t.kind != TTokenKind::String) return std::string(t.raw);
  std::string_view body = t.raw;
  if (body.front() == 'N' || body.front() == 'n') body.remove_prefix(1);
  const char close = body.front() == '[' ? ']' : body.front();
  body = body.substr(1, body.size() - 2);
  std::string out;
  out.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    out += body[i];
    if (body[i] == close) ++i;
  }
  return out;
}

std::string Describe(const TToken& t) {
  if (t.kind == TTokenKind::End) return "脚本结尾";
  if (t.kind == TTokenKind::Go) return "GO";
  std::string_view raw = t.raw;
  std::size_t cut = 0;
  for (std::size_t n = 0; cut < raw.size() && n < 24; ++n) NextCodePoint(raw, cut);
  return "“" + std::string(raw.substr(0, cut)) + (cut < raw.size() ? "…" : "") + "”";
}

// ---- Statements --------------------------------------------------------------

// Where a table element (a column or a constraint) ends: inside CREATE
// TABLE at ',' or ')', after ALTER TABLE ... ADD at ',' or the statement's end.
enum class TElementEnd { Table, Statement };

struct TAliasType {
  std::string type;
  std::optional<int> length;
  bool max = false;
  std::optional<bool> notNull;
};

class TScriptParser {
public:
  explicit TScriptParser(std::string_view text) : lexer_(text) {}

  TSqlSchema Read() {
    while (Peek().kind != TTokenKind::End) Statement();
    for (const TSkipped& s : skipped_) schema_.warnings.push_back(SkippedWarning(s));
    if (dataCount_ > 0) {
      std::string kinds;
      for (const std::string& k : dataKinds_) kinds += (kinds.empty() ? "" : "、") + k;
      schema_.warnings.push_back(
          "数据语句 " + kinds + " 已跳过(共 " + std::to_string(dataCount_) + " 条，" +
          (dataFirst_ == dataLast_ ? "第 " + std::to_string(dataFirst_) + " 行"
                                   : "第 " + std::to_string(dataFirst_) + " 行至第 " +
                                         std::to_string(dataLast_) + " 行") +
          ")");
    }
    return std::move(schema_);
  }

private:
  // ---- Tokens ----

  const TToken& Peek(std::size_t ahead = 0) {
    while (ahead_.size() <= ahead) ahead_.push_back(lexer_.Next());
    return ahead_[ahead];
  }
  TToken Take() {
    Peek();
    TToken t = ahead_.front();
    ahead_.pop_front();
    // After ON, FOR and OF, INSERT, UPDATE and DELETE name an event (ON
    // DELETE CASCADE, FOR UPDATE, INSTEAD OF INSERT), not a statement.
    afterOnOrFor_ = IsWordToken(t) && IsAnyOf(t.raw, {"ON", "FOR", "OF"});
    return t;
  }
  static bool IsWordToken(const TToken& t) { return t.kind == TTokenKind::Word; }
  bool PeekWord(std::string_view keyword, std::size_t ahead = 0) {
    const TToken& t = Peek(ahead);
    return IsWordToken(t) && Is(t.raw, keyword);
  }
  bool TakeWord(std::string_view keyword) {
    if (!PeekWord(keyword)) return false;
    Take();
    return true;
  }
  void ExpectWord(std::string_view keyword) {
    if (!TakeWord(keyword))
      Fail(Peek().place, "应为 " + std::string(keyword) + "，却是" + Describe(Peek()));
  }
  static bool IsSymbol(const TToken& t, char c) {
    return t.kind == TTokenKind::Symbol && t.raw.size() == 1 && t.raw[0] == c;
  }
  bool PeekSymbol(char c, std::size_t ahead = 0) { return IsSymbol(Peek(ahead), c); }
  bool TakeSymbol(char c) {
    if (!PeekSymbol(c)) return false;
    Take();
    return true;
  }
  bool AtStatementStart() {
    const TToken& t = Peek();
    if (!IsWordToken(t) || !StartsStatement(t.raw)) return false;
    return !afterOnOrFor_ || !IsAnyOf(t.raw, {"INSERT", "UPDATE", "DELETE"});
  }
  bool AtStatementEnd() {
    const TToken& t = Peek();
    return t.kind == TTokenKind::End || t.kind == TTokenKind::Go || IsSymbol(t, ';') ||
           AtStatementStart();
  }

  // A name: a bare word (not a variable) or a quoted name.
  std::string TakeName(const std::string& what) {
    const TToken& t = Peek();
    const bool name =
        t.kind == TTokenKind::Name || (t.kind == TTokenKind::Word && t.raw.front() != '@');
    if (!name) Fail(t.place, "应为" + what + "，却是" + Describe(t));
    return Value(Take());
  }

  // [server.][database.][schema.]name, any part but the last may be empty.
  TSqlObjectName TakeObjectName(const std::string& what) {
    TSqlObjectName name;
    name.place = Peek().place;
    std::vector<std::string> parts{TakeName(what)};
    while (TakeSymbol('.') && parts.size() < 4)
      parts.push_back(PeekSymbol('.') ? std::string() : TakeName(what));
    name.name = parts.back();
    if (parts.size() > 1 && !parts[parts.size() - 2].empty()) name.schema = parts[parts.size() - 2];
    return name;
  }

  // ---- Skipping ----

  // Over a parenthesised group, from its '(' through the matching ')'.
  void SkipBalanced() {
    std::vector<TSqlPlace> open{Take().place};
    while (!open.empty()) {
      const TToken& t = Peek();
      if (t.kind == TTokenKind::End || t.kind == TTokenKind::Go)
        Fail(open.back(), "括号没有闭合(缺少 ))");
      if (IsSymbol(t, '(')) {
        if (open.size() >= static_cast<std::size_t>(kMaxSqlNesting))
          Fail(t.place, "括号嵌套超过 " + std::to_string(kMaxSqlNesting) + " 层");
        open.push_back(t.place);
      } else if (IsSymbol(t, ')')) {
        open.pop_back();
      }
      Take();
    }
  }

  // To the end of the statement.
  void SkipStatement() {
    while (!AtStatementEnd()) SkipOne();
    TakeSymbol(';');
  }

  // One token, or a parenthesised group; a ')' that closes nothing is refused.
  void SkipOne() {
    if (PeekSymbol('(')) return SkipBalanced();
    if (PeekSymbol(')')) Fail(Peek().place, "多余的右括号");
    Take();
  }

  void SkipBatch() {
    while (Peek().kind != TTokenKind::End && Peek().kind != TTokenKind::Go) Take();
  }

  // Statements not modelled, by kind: the first lines they stand on and
  // how many there are.
  struct TSkipped {
    std::string kind;
    std::vector<int> lines;
    std::size_t count = 0;
  };
  static constexpr std::size_t kLinesShown = 10;

  void Skipped(const std::string& kind, int line) {
    auto found = std::find_if(skipped_.begin(), skipped_.end(),
                              [&](const TSkipped& s) { return s.kind == kind; });
    if (found == skipped_.end()) found = skipped_.insert(skipped_.end(), {kind, {}, 0});
    if (found->lines.size() < kLinesShown) found->lines.push_back(line);
    ++found->count;
  }

  static std::string SkippedWarning(const TSkipped& s) {
    std::string text = "未处理的语句 " + s.kind + " 已跳过(第 ";
    for (std::size_t i = 0; i < s.lines.size(); ++i)
      text += (i ? "、" : "") + std::to_string(s.lines[i]);
    text += " 行";
    if (s.count > s.lines.size()) text += "等 " + std::to_string(s.count) + " 处";
    return text + ")";
  }

  // ---- Statements ----

  void Statement() {
    const TToken& t = Peek();
    if (t.kind == TTokenKind::Go || IsSymbol(t, ';')) {
      Take();
      return;
    }
    if (!IsWordToken(t)) {
      Skipped(Describe(t), t.place.line);
      SkipOne();
      SkipStatement();
      return;
    }
    if (Is(t.raw, "CREATE")) return Create();
    if (Is(t.raw, "ALTER")) return Alter();
    if (Is(t.raw, "EXEC") || Is(t.raw, "EXECUTE")) return Exec();
    // IF and WHILE: the condition is skipped; the statement it guards is
    // read as the next one (a guarded CREATE TABLE is a table).
    if (Is(t.raw, "IF") || Is(t.raw, "WHILE")) {
      Take();
      while (!AtStatementEnd()) SkipOne();
      return;
    }
    const TToken first = Take();
    if (IsDataStatement(first.raw)) {
      if (dataCount_++ == 0) dataFirst_ = first.place.line;
      dataLast_ = first.place.line;
      const std::string kind = Upper(first.raw);
      if (std::find(dataKinds_.begin(), dataKinds_.end(), kind) == dataKinds_.end())
        dataKinds_.push_back(kind);
    } else if (!IsQuietStatement(first.raw)) {
      Skipped(Upper(first.raw), first.place.line);
    }
    SkipStatement();
  }

  void Create() {
    const TToken create = Take();
    if (TakeWord("OR")) ExpectWord("ALTER");
    if (PeekWord("TABLE")) return CreateTable();
    if (PeekWord("TYPE")) return CreateType(create);
    std::size_t i = 0;
    while (i < 3 && IsWordToken(Peek(i)) &&
           IsAnyOf(Peek(i).raw, {"UNIQUE", "CLUSTERED", "NONCLUSTERED", "COLUMNSTORE"}))
      ++i;
    const bool batch = IsWordToken(Peek(i)) && IsBatchStatement(Peek(i).raw);
    Skipped("CREATE " + (IsWordToken(Peek(i)) ? Upper(Peek(i).raw) : std::string()),
            create.place.line);
    if (batch) return SkipBatch();
    SkipStatement();
  }

  void CreateTable() {
    const TToken table = Take();
    TSqlTable t;
    t.name = TakeObjectName("表名");
    if (t.name.name.starts_with("#")) {
      Skipped("CREATE TABLE #临时表", table.place.line);
      return SkipStatement();
    }
    if (!PeekSymbol('(')) {
      if (!PeekWord("AS")) Fail(Peek().place, "应为 (，却是" + Describe(Peek()));
      Skipped("CREATE TABLE … AS", table.place.line);
      return SkipStatement();
    }
    if (const int earlier = schema_.FindTable(t.name); earlier >= 0)
      Fail(t.name.place, "表 " + t.name.Text() + " 已在第 " +
                             std::to_string(schema_.tables[earlier].name.place.line) + " 行创建");
    tableOpen_ = Take().place;
    // The elements, a comma after the last one allowed.
    for (;;) {
      RefuseEndInTable();
      if (TakeSymbol(')')) break;
      if (!PeekSymbol(',')) Element(t, TElementEnd::Table);
      if (!TakeSymbol(',') && !PeekSymbol(')'))
        Fail(Peek().place, "应为 , 或 )，却是" + Describe(Peek()));
    }
    schema_.AddTable(std::move(t));
    SkipStatement();
  }

  // CREATE TYPE name FROM base type [NULL | NOT NULL]: an alias type.
  void CreateType(const TToken& create) {
    Take();
    const TSqlObjectName name = TakeObjectName("类型名");
    if (!TakeWord("FROM")) {
      Skipped("CREATE TYPE … AS TABLE", create.place.line);
      return SkipStatement();
    }
    TSqlColumn base;
    DataType(base);
    TAliasType alias{base.type, base.length, base.max, std::nullopt};
    if (TakeWord("NULL")) alias.notNull = false;
    if (TakeWord("NOT")) {
      ExpectWord("NULL");
      alias.notNull = true;
    }
    aliases_.insert_or_assign(AsciiLower(name.name), alias);
    SkipStatement();
  }

  void Alter() {
    const TToken alter = Take();
    if (!TakeWord("TABLE")) {
      const bool batch = IsWordToken(Peek()) && IsBatchStatement(Peek().raw);
      Skipped("ALTER " + (IsWordToken(Peek()) ? Upper(Peek().raw) : std::string()),
              alter.place.line);
      if (batch) return SkipBatch();
      return SkipStatement();
    }
    const TSqlObjectName name = TakeObjectName("表名");
    if (TakeWord("WITH") && !TakeWord("CHECK")) TakeWord("NOCHECK");
    // CHECK CONSTRAINT and NOCHECK CONSTRAINT switch a constraint on or off.
    if (PeekWord("CHECK") || PeekWord("NOCHECK")) return SkipStatement();
    if (!PeekWord("ADD")) {
      Skipped("ALTER TABLE … " + (IsWordToken(Peek()) ? Upper(Peek().raw) : std::string()),
              alter.place.line);
      if (!AtStatementEnd()) Take();
      return SkipStatement();
    }
    Take();
    const int index = schema_.FindTable(name);
    if (index < 0) {
      schema_.warnings.push_back("ALTER TABLE 所改的表 " + name.Text() + " 不在脚本中，已跳过(第 " +
                                 std::to_string(alter.place.line) + " 行)");
      return SkipStatement();
    }
    do {
      Element(schema_.tables[static_cast<std::size_t>(index)], TElementEnd::Statement);
    } while (TakeSymbol(','));
    SkipStatement();
  }

  void Exec() {
    const TToken exec = Take();
    if (IsWordToken(Peek()) && Peek().raw.front() == '@' && PeekSymbol('=', 1)) {
      Take();
      Take();
    }
    const TToken& t = Peek();
    if (t.kind != TTokenKind::Word && t.kind != TTokenKind::Name) {
      Skipped("EXEC", exec.place.line);
      return SkipStatement();
    }
    const TSqlObjectName procedure = TakeObjectName("存储过程名");
    if (SameSqlName(procedure.name, "sp_addextendedproperty") ||
        SameSqlName(procedure.name, "sp_updateextendedproperty"))
      return ExtendedProperty();
    Skipped("EXEC " + procedure.name, exec.place.line);
    SkipStatement();
  }

  // sp_addextendedproperty's arguments, by name or in their order; only
  // MS_Description on a table or on a column of one is kept.
  void ExtendedProperty() {
    static constexpr std::string_view kParameters[] = {"@name",       "@value",      "@level0type",
                                                       "@level0name", "@level1type", "@level1name",
                                                       "@level2type", "@level2name"};
    std::optional<std::string> args[std::size(kParameters)];
    std::size_t position = 0;
    while (!AtStatementEnd()) {
      std::size_t index = position++;
      if (IsWordToken(Peek()) && Peek().raw.front() == '@' && PeekSymbol('=', 1)) {
        const std::string parameter = AsciiLower(Take().raw);
        Take();
        index = static_cast<std::size_t>(
            std::find(std::begin(kParameters), std::end(kParameters), parameter) -
            std::begin(kParameters));
      }
      const TToken value = Peek();
      SkipOne();
      if (index < std::size(kParameters) &&
          (value.kind == TTokenKind::String || value.kind == TTokenKind::Number))
        args[index] = Value(value);
      if (!TakeSymbol(',')) break;
    }
    SkipStatement();
    if (!args[0] || !SameSqlName(*args[0], "MS_Description") || !args[1]) return;
    if (!args[4] || !SameSqlName(*args[4], "TABLE") || !args[5]) return;
    TSqlObjectName table;
    if (args[3]) table.schema = *args[3];
    table.name = *args[5];
    const int index = schema_.FindTable(table);
    if (index < 0) return;
    TSqlTable& t = schema_.tables[static_cast<std::size_t>(index)];
    if (!args[6]) {
      t.description = *args[1];
      t.hasDescription = true;
    } else if (SameSqlName(*args[6], "COLUMN") && args[7]) {
      if (const int column = t.FindColumn(*args[7]); column >= 0)
        t.columns[static_cast<std::size_t>(column)].description = *args[1];
    }
  }

  // ---- Table elements ----

  // A batch or the script ends before the table's closing parenthesis.
  void RefuseEndInTable() {
    const TTokenKind kind = Peek().kind;
    if (kind == TTokenKind::End || kind == TTokenKind::Go)
      Fail(tableOpen_, "CREATE TABLE 的括号没有闭合(缺少 ))");
  }

  bool AtElementEnd(TElementEnd end) {
    if (PeekSymbol(',')) return true;
    if (end == TElementEnd::Table) {
      RefuseEndInTable();
      return PeekSymbol(')');
    }
    return AtStatementEnd();
  }

  void SkipElement(TElementEnd end) {
    while (!AtElementEnd(end)) SkipOne();
  }

  void Element(TSqlTable& table, TElementEnd end) {
    const TSqlPlace at = Peek().place;
    if (TakeWord("CONSTRAINT")) {
      TakeName("约束名");
      return Constraint(table, end, at, true);
    }
    if (PeekWord("PRIMARY") || PeekWord("UNIQUE") || PeekWord("FOREIGN") || PeekWord("CHECK") ||
        PeekWord("INDEX") || (PeekWord("PERIOD") && PeekWord("FOR", 1)) ||
        (end == TElementEnd::Statement && PeekWord("DEFAULT")))
      return Constraint(table, end, at, false);
    Column(table, end);
  }

  void Constraint(TSqlTable& table, TElementEnd end, const TSqlPlace& at, bool named) {
    if (TakeWord("PRIMARY")) {
      ExpectWord("KEY");
      if (!TakeWord("CLUSTERED")) TakeWord("NONCLUSTERED");
      SetPrimaryKey(table, ColumnList(), at);
    } else if (TakeWord("FOREIGN")) {
      ExpectWord("KEY");
      TSqlForeignKey key;
      key.place = at;
      key.columns = ColumnList();
      ExpectWord("REFERENCES");
      References(key);
      table.foreignKeys.push_back(std::move(key));
    } else if (TakeWord("UNIQUE")) {
      // A unique constraint on one column is that column's; on several,
      // the design has nothing to hold it.
      if (!TakeWord("CLUSTERED")) TakeWord("NONCLUSTERED");
      const std::vector<std::string> columns = ColumnList();
      const int column = columns.size() == 1 ? table.FindColumn(columns[0]) : -1;
      if (column >= 0)
        table.columns[static_cast<std::size_t>(column)].constraints.unique = true;
      else
        Skipped("UNIQUE 约束", at.line);
    } else if (PeekWord("CHECK") || PeekWord("INDEX")) {
      Skipped(Upper(Peek().raw) + " 约束", at.line);
    } else if (named && !PeekWord("DEFAULT")) {
      Fail(Peek().place,
           "应为约束(PRIMARY KEY、FOREIGN KEY、UNIQUE、CHECK 或 DEFAULT)，却是" + Describe(Peek()));
    }
    SkipElement(end);
  }

  void SetPrimaryKey(TSqlTable& table, std::vector<std::string> columns, const TSqlPlace& at) {
    if (!table.primaryKey.empty())
      Fail(at, "表 " + table.name.Text() + " 已有主键(第 " +
                   std::to_string(table.primaryKeyPlace.line) + " 行)");
    table.primaryKey = std::move(columns);
    table.primaryKeyPlace = at;
  }

  // ( column [ASC|DESC], ... )
  std::vector<std::string> ColumnList() {
    if (!PeekSymbol('(')) Fail(Peek().place, "应为 (，却是" + Describe(Peek()));
    Take();
    std::vector<std::string> columns;
    do {
      columns.push_back(TakeName("列名"));
      if (columns.size() > kMaxSqlColumns)
        Fail(Peek().place, "列超过 " + std::to_string(kMaxSqlColumns) + " 个");
      if (!TakeWord("ASC")) TakeWord("DESC");
    } while (TakeSymbol(','));
    if (!TakeSymbol(')')) Fail(Peek().place, "应为 , 或 )，却是" + Describe(Peek()));
    return columns;
  }

  // After REFERENCES: the table, its columns, and what happens on delete
  // and update.
  void References(TSqlForeignKey& key) {
    key.referenced = TakeObjectName("被引用的表名");
    if (PeekSymbol('(')) key.referencedColumns = ColumnList();
    for (;;) {
      if (PeekWord("ON") && (PeekWord("DELETE", 1) || PeekWord("UPDATE", 1))) {
        Take();
        Take();
        if (TakeWord("NO")) {
          ExpectWord("ACTION");
        } else if (TakeWord("SET")) {
          if (!TakeWord("NULL")) ExpectWord("DEFAULT");
        } else {
          ExpectWord("CASCADE");
        }
      } else if (PeekWord("NOT") && PeekWord("FOR", 1)) {
        Take();
        Take();
        ExpectWord("REPLICATION");
      } else {
        return;
      }
    }
  }

  // name type [(n | max | p, s)]; an alias type is read as its base type.
  void DataType(TSqlColumn& c) {
    const TToken& first = Peek();
    if (first.kind != TTokenKind::Word && first.kind != TTokenKind::Name)
      Fail(first.place, "应为列 " + c.name + " 的数据类型，却是" + Describe(first));
    const TSqlObjectName type = TakeObjectName("数据类型");
    c.writtenType = type.name;
    c.type = AsciiLower(type.name);
    if (c.type == "double" && TakeWord("PRECISION")) c.type = "float";
    if (TakeSymbol('(')) {
      if (TakeWord("MAX")) {
        c.max = true;
      } else if (Peek().kind == TTokenKind::Number) {
        const std::string_view digits = Take().raw;
        int value = 0;
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        c.length = read.ec == std::errc::result_out_of_range ? INT_MAX : value;
        if (TakeSymbol(',') && Peek().kind == TTokenKind::Number) Take();
      }
      if (!TakeSymbol(')')) Fail(Peek().place, "应为 )，却是" + Describe(Peek()));
    }
    if (const auto alias = aliases_.find(c.type); alias != aliases_.end()) {
      c.type = alias->second.type;
      c.length = alias->second.length;
      c.max = alias->second.max;
      aliasNotNull_ = alias->second.notNull;
    } else {
      aliasNotNull_.reset();
    }
  }

  void Column(TSqlTable& table, TElementEnd end) {
    TSqlColumn c;
    c.place = Peek().place;
    c.name = TakeName("列名");
    if (TakeWord("AS")) {
      schema_.warnings.push_back("计算列 " + table.name.Text() + "." + c.name + " 已跳过(第 " +
                                 std::to_string(c.place.line) + " 行)");
      return SkipElement(end);
    }
    if (table.columns.size() >= kMaxSqlColumns)
      Fail(c.place, "表 " + table.name.Text() + " 的列超过 " + std::to_string(kMaxSqlColumns) +
                        " 个(SQL Server 的上限)");
    if (table.FindColumn(c.name) >= 0)
      Fail(c.place, "表 " + table.name.Text() + " 中的列 " + c.name + " 重复");
    DataType(c);
    const std::optional<bool> aliasNotNull = aliasNotNull_;
    bool key = false;
    while (!AtElementEnd(end)) {
      const TToken t = Peek();
      if (TakeWord("COLLATE")) {
        TakeName("排序规则");
      } else if (TakeWord("NULL")) {
        c.notNull = false;
      } else if (TakeWord("NOT")) {
        if (TakeWord("NULL")) {
          c.notNull = true;
        } else if (TakeWord("FOR")) {
          ExpectWord("REPLICATION");
        }
      } else if (TakeWord("IDENTITY")) {
        // An integer key is numbered by the database anyway.
        if (PeekSymbol('(')) SkipBalanced();
      } else if (TakeWord("DEFAULT")) {
        ReadDefault(c);
      } else if (TakeWord("UNIQUE")) {
        c.constraints.unique = true;
      } else if (PeekWord("CHECK") && ReadCheck(c)) {
        // Kept as the column's constraint; any other CHECK is skipped below.
      } else if (TakeWord("CONSTRAINT")) {
        TakeName("约束名");
      } else if (TakeWord("PRIMARY")) {
        ExpectWord("KEY");
        key = true;
      } else if (PeekWord("CHECK")) {
        Skipped(Upper(Take().raw) + " 约束", t.place.line);
      } else if (PeekWord("FOREIGN") || PeekWord("REFERENCES")) {
        if (TakeWord("FOREIGN")) ExpectWord("KEY");
        ExpectWord("REFERENCES");
        TSqlForeignKey foreign;
        foreign.place = t.place;
        foreign.columns = {c.name};
        References(foreign);
        table.foreignKeys.push_back(std::move(foreign));
      } else {
        SkipOne();
      }
    }
    if (!c.notNull) c.notNull = aliasNotNull;
    if (key) SetPrimaryKey(table, {c.name}, c.place);
    table.columns.push_back(std::move(c));
  }

  // A DEFAULT's value: a literal (in parentheses as the management tool
  // writes it, "((0))") is the column's default; a name, a call or another
  // group is passed over.
  void ReadDefault(TSqlColumn& c) {
    std::size_t open = 0;
    while (PeekSymbol('(', open) && open < 3) ++open;
    const bool minus = PeekSymbol('-', open);
    const std::size_t at = open + (minus || PeekSymbol('+', open) ? 1 : 0);
    const TToken& v = Peek(at);
    const bool literal = (v.kind == TTokenKind::String || v.kind == TTokenKind::Number);
    bool closed = true;
    for (std::size_t i = 0; i < open; ++i) closed = closed && PeekSymbol(')', at + 1 + i);
    if (!literal || !closed) return SkipOperand();
    c.constraints.defaultValue = (minus ? "-" : "") + Value(v);
    for (std::size_t i = 0; i < at + 1 + open; ++i) Take();
  }

  // A CHECK on the column of a form the design keeps: (c between a and b),
  // (c>=a), (c<=b), (c>=a and c<=b) or (c in (x, y, ...)), with literals;
  // false, with nothing taken, for any other.
  bool ReadCheck(TSqlColumn& c) {
    std::size_t i = 1;  // after CHECK
    std::size_t open = 0;
    while (PeekSymbol('(', i) && open < 3) ++i, ++open;
    if (open == 0) return false;
    const auto column = [&] {
      const TToken& t = Peek(i);
      const bool name = t.kind == TTokenKind::Name || t.kind == TTokenKind::Word;
      if (!name || !SameSqlName(Value(t), c.name)) return false;
      ++i;
      return true;
    };
    const auto literal = [&](std::string& out) {
      const bool minus = PeekSymbol('-', i);
      if (minus) ++i;
      const TToken& t = Peek(i);
      if (t.kind != TTokenKind::String && t.kind != TTokenKind::Number) return false;
      out = (minus ? "-" : "") + Value(t);
      ++i;
      return true;
    };
    const auto compare = [&](char op) {
      if (!PeekSymbol(op, i) || !PeekSymbol('=', i + 1)) return false;
      i += 2;
      return true;
    };
    TMemberConstraints found;
    if (!column()) return false;
    if (PeekWord("BETWEEN", i)) {
      ++i;
      if (!literal(found.minValue) || !PeekWord("AND", i)) return false;
      ++i;
      if (!literal(found.maxValue)) return false;
    } else if (PeekWord("IN", i) && PeekSymbol('(', i + 1)) {
      i += 2;
      do {
        found.choices.emplace_back();
        if (!literal(found.choices.back())) return false;
      } while (PeekSymbol(',', i) && ++i);
      if (!PeekSymbol(')', i)) return false;
      ++i;
    } else if (compare('>')) {
      if (!literal(found.minValue)) return false;
      if (PeekWord("AND", i)) {
        ++i;
        if (!column() || !compare('<') || !literal(found.maxValue)) return false;
      }
    } else if (compare('<')) {
      if (!literal(found.maxValue)) return false;
    } else {
      return false;
    }
    for (std::size_t k = 0; k < open; ++k, ++i)
      if (!PeekSymbol(')', i)) return false;
    for (std::size_t k = 0; k < i; ++k) Take();
    if (!found.minValue.empty()) c.constraints.minValue = found.minValue;
    if (!found.maxValue.empty()) c.constraints.maxValue = found.maxValue;
    if (!found.choices.empty()) c.constraints.choices = found.choices;
    return true;
  }

  // A DEFAULT's value: a signed literal or name, a call, or a group.
  void SkipOperand() {
    if (!TakeSymbol('-')) TakeSymbol('+');
    if (PeekSymbol('(')) return SkipBalanced();
    if (PeekSymbol(')') || Peek().kind == TTokenKind::End || Peek().kind == TTokenKind::Go) return;
    Take();
    if (PeekSymbol('(')) SkipBalanced();
  }

  TLexer lexer_;
  std::deque<TToken> ahead_;
  bool afterOnOrFor_ = false;
  TSqlSchema schema_;
  std::map<std::string, TAliasType> aliases_;
  std::optional<bool> aliasNotNull_;
  TSqlPlace tableOpen_;
  std::vector<TSkipped> skipped_;
  int dataCount_ = 0, dataFirst_ = 0, dataLast_ = 0;
  std::vector<std::string> dataKinds_;
};

}  // namespace

TSqlSchema ReadSqlScript(std::string_view text) {
  CheckText(text);
  TSqlSchema schema = TScriptParser(text).Read();
  // A column of a primary key takes no NULL.
  for (TSqlTable& table : schema.tables)
    for (const std::string& key : table.primaryKey)
      if (const int column = table.FindColumn(key); column >= 0)
        table.columns[static_cast<std::size_t>(column)].notNull = true;
  return schema;
}
