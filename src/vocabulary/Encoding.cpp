#include "vocabulary/Encoding.h"

#include "vocabulary/Text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// One converter per call: iconv descriptors are not safe to share between
// the window thread and a generation thread.
class Converter {
public:
  explicit Converter(const char* to = "GBK", const char* from = "UTF-8")
      : cd_(iconv_open(to, from)), fromUtf8_(std::strcmp(from, "UTF-8") == 0) {
    // Named by the encoding other than UTF-8.
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw TEncodingError(std::string(fromUtf8_ ? to : from) + " 编码转换不可用");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts; on failure returns the byte offset of the offending input.
  // From UTF-8, ASCII is the same in both and is copied as it is: the
  // generated files are mostly ASCII, and iconv is slow on it. (In GBK an
  // ASCII byte may end a character, so GBK text is converted whole.)
  bool Convert(const std::string& in, std::string& out, std::size_t& badOffset) {
    out.clear();
    out.reserve(in.size());
    if (!fromUtf8_) return ConvertRun(in, 0, in.size(), out, badOffset);
    std::size_t at = 0;
    while (at < in.size()) {
      const std::size_t wide = FirstNonAscii(in, at);
      out.append(in, at, wide - at);
      if (wide == in.size()) break;
      // A run of non-ASCII bytes ends at an ASCII byte, which no UTF-8
      // sequence contains; a sequence cut short there is an error.
      at = FirstAscii(in, wide);
      if (!ConvertRun(in, wide, at, out, badOffset)) return false;
    }
    return true;
  }

private:
  // Eight bytes at a time: a file is mostly long ASCII runs.
  static std::size_t FirstNonAscii(const std::string& s, std::size_t from) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t word; from + sizeof word <= s.size(); from += sizeof word) {
      std::memcpy(&word, s.data() + from, sizeof word);
      if (word & kHighBits) break;
    }
    while (from < s.size() && static_cast<unsigned char>(s[from]) < 0x80) ++from;
    return from;
  }
  static std::size_t FirstAscii(const std::string& s, std::size_t from) {
    while (from < s.size() && static_cast<unsigned char>(s[from]) >= 0x80) ++from;
    return from;
  }

  // Appends the conversion of in[begin, end) to out. GBK needs at most as
  // many bytes as UTF-8 for every character; the other way round the room
  // grows as it runs out.
  bool ConvertRun(const std::string& in, std::size_t begin, std::size_t end, std::string& out,
                  std::size_t& badOffset) {
    std::size_t used = out.size();
    out.resize(used + (end - begin) + 16);
    char* src = const_cast<char*>(in.data()) + begin;
    std::size_t srcLeft = end - begin;
    char* dst = out.data() + used;
    std::size_t dstLeft = out.size() - used;
    while (srcLeft > 0) {
      if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        used = static_cast<std::size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = out.size() - used;
        continue;
      }
      // An incomplete sequence at the end (EINVAL) is as bad as a wrong one.
      badOffset = static_cast<std::size_t>(src - in.data());
      return false;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return true;
  }

  iconv_t cd_;
  bool fromUtf8_;
};

std::string CharacterAt(const std::string& s, std::size_t offset) {
  std::size_t end = offset;
  const char32_t cp = NextCodePoint(s, end);
  const std::string ch = s.substr(offset, end - offset);
  // Name the code point too: the character may not show in a console.
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
  return "\"" + ch + "\" (" + code + ")";
}

}  // namespace

bool ConvertToUtf8(const std::string& text, const char* encoding, std::string& utf8,
                   std::size_t& badOffset) {
  Converter converter("UTF-8", encoding);
  return converter.Convert(text, utf8, badOffset);
}

std::string Utf8ToGbk(const std::string& utf8, const std::string& what) {
  Converter converter;
  std::string out;
  std::size_t bad = 0;
  if (converter.Convert(utf8, out, bad)) return out;
  std::size_t line = 1;
  for (std::size_t i = 0; i < bad; ++i)
    if (utf8[i] == '\n') ++line;
  throw TEncodingError(what + " 第 " + std::to_string(line) + " 行的字符 " +
                       CharacterAt(utf8, bad) + " 无法用 GBK 编码保存");
}

bool FitsGbk(const std::string& utf8) {
  Converter converter;
  std::string out;
  std::size_t bad = 0;
  return converter.Convert(utf8, out, bad);
}

std::string FirstNonGbkCharacter(const std::string& utf8) {
  Converter converter;
  std::string out;
  std::size_t bad = 0;
  if (converter.Convert(utf8, out, bad)) return {};
  return CharacterAt(utf8, bad);
}
