#include "vocabulary/Encoding.h"

#include "vocabulary/Text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// One converter per call: iconv descriptors are not safe to share between
// the window thread and a generation thread.
class Converter {
public:
  explicit Converter(const char* to = "GBK", const char* from = "UTF-8")
      : cd_(iconv_open(to, from)) {
    // Named by the encoding other than UTF-8.
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw TEncodingError(std::string(std::strcmp(to, "UTF-8") == 0 ? from : to) +
                           " 编码转换不可用");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts; on failure returns the byte offset of the offending input.
  bool Convert(const std::string& in, std::string& out, std::size_t& badOffset) {
    out.assign(in.size() + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    while (srcLeft > 0) {
      if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        const std::size_t used = static_cast<std::size_t>(dst - out.data());
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

private:
  iconv_t cd_;
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
