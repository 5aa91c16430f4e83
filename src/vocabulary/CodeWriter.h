// Builds generated text line by line. A line is written as it reads in the
// generated file, with $name$ where a value goes; the writer adds CR LF.
// Values are never searched for further names, so design texts holding '$'
// are written as they are. A '$' not followed by a name and '$' (as in
// "$this.Icon") is plain text.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One named value of a line. A value made for the line (a temporary string)
// is kept by the variable, so lists of values can be named and reused;
// other values are only referred to.
class TVar {
public:
  TVar(std::string_view name, std::string_view value) : name_(name), view_(value) {}
  TVar(std::string_view name, const char* value) : name_(name), view_(value) {}
  TVar(std::string_view name, const std::string& value) : name_(name), view_(value) {}
  TVar(std::string_view name, std::string&& value)
      : name_(name), owned_(std::move(value)), owns_(true) {}

  std::string_view Name() const { return name_; }
  std::string_view Value() const { return owns_ ? std::string_view(owned_) : view_; }

private:
  std::string_view name_;
  std::string_view view_;
  std::string owned_;
  bool owns_ = false;
};

class TCodeWriter {
public:
  using TVars = std::initializer_list<TVar>;

  // A value for every following line (a line's own values come first).
  void Set(std::string_view name, std::string value);

  // The text with its values, then CR LF.
  void Line(std::string_view text, TVars vars = {});
  // Several lines: the text holds lines as a file does, each ended by a
  // line break (the last may lack it), and each is written as Line writes
  // it. A line break right at the start is skipped, so that a raw string
  // can open on a line of its own. Empty text writes nothing. Blanks at a
  // line's end are kept: some generated lines end in one ("// ").
  void Lines(std::string_view text, TVars vars = {});
  // The text with its values, no line break.
  void Text(std::string_view text, TVars vars = {});
  // The text with its values, returned instead of written.
  std::string Filled(std::string_view text, TVars vars = {}) const;
  // An empty line.
  void Blank() { out_ += "\r\n"; }
  // Raw text, already complete.
  void Append(std::string_view text) { out_ += text; }

  const std::string& Str() const { return out_; }
  std::string Take() { return std::move(out_); }

private:
  std::string_view Lookup(std::string_view name, TVars vars) const;

  std::string out_;
  std::vector<std::pair<std::string, std::string>> fixed_;
};

// The text with its values filled, as TCodeWriter::Text writes it.
std::string Fill(std::string_view text, TCodeWriter::TVars vars);
