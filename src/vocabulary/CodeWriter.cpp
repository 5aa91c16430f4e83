#include "vocabulary/CodeWriter.h"

#include <stdexcept>

namespace {

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Length of the name of a variable starting at text[at] ('$'), including
// both '$'; 0 when text[at] is plain text.
std::size_t VariableLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && IsNameChar(text[end])) ++end;
  if (end == at + 1 || end >= text.size() || text[end] != '$') return 0;
  return end - at + 1;
}

template <typename TLookup>
void Expand(std::string& out, std::string_view text, const TLookup& lookup) {
  std::size_t from = 0;
  for (std::size_t at = text.find('$'); at != std::string_view::npos; at = text.find('$', at + 1)) {
    const std::size_t length = VariableLength(text, at);
    if (length == 0) continue;
    out.append(text, from, at - from);
    out += lookup(text.substr(at + 1, length - 2));
    from = at + length;
    at = from - 1;
  }
  out.append(text, from);
}

std::string_view Find(std::string_view name, TCodeWriter::TVars vars) {
  for (const TVar& var : vars)
    if (var.Name() == name) return var.Value();
  throw std::logic_error("generated text names no value $" + std::string(name) + "$");
}

}  // namespace

void TCodeWriter::Set(std::string_view name, std::string value) {
  for (auto& [key, old] : fixed_)
    if (key == name) {
      old = std::move(value);
      return;
    }
  fixed_.emplace_back(std::string(name), std::move(value));
}

std::string_view TCodeWriter::Lookup(std::string_view name, TVars vars) const {
  for (const TVar& var : vars)
    if (var.Name() == name) return var.Value();
  for (const auto& [key, value] : fixed_)
    if (key == name) return value;
  throw std::logic_error("generated text names no value $" + std::string(name) + "$");
}

void TCodeWriter::Text(std::string_view text, TVars vars) {
  Expand(out_, text, [&](std::string_view name) { return Lookup(name, vars); });
}

std::string TCodeWriter::Filled(std::string_view text, TVars vars) const {
  std::string out;
  Expand(out, text, [&](std::string_view name) { return Lookup(name, vars); });
  return out;
}

void TCodeWriter::Line(std::string_view text, TVars vars) {
  Text(text, vars);
  out_ += "\r\n";
}

void TCodeWriter::Lines(std::string_view text, TVars vars) {
  if (text.starts_with('\n')) text.remove_prefix(1);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    Line(text.substr(0, end), vars);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::string Fill(std::string_view text, TCodeWriter::TVars vars) {
  std::string out;
  Expand(out, text, [&](std::string_view name) { return Find(name, vars); });
  return out;
}
