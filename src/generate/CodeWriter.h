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

class TCodeWriter {
public:
  using TVars = std::initializer_list<std::pair<std::string_view, std::string_view>>;

  // A value for every following line (a line's own values come first).
  void Set(std::string_view name, std::string value);

  // The text with its values, then CR LF.
  void Line(std::string_view text, TVars vars = {});
  // The text with its values, no line break.
  void Text(std::string_view text, TVars vars = {});
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
