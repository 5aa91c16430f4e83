// Conversion of the program's UTF-8 text to the Chinese ANSI code page
// (GBK, code page 936), used where a file must be written in it.
#pragma once

#include <stdexcept>
#include <string>

class TEncodingError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Converts text of another encoding (iconv's name: "GBK", "UTF-16LE") to
// UTF-8. False when a byte sequence is no character of it, with the offset
// of its first byte in badOffset.
bool ConvertToUtf8(const std::string& text, const char* encoding, std::string& utf8,
                   std::size_t& badOffset);

// Converts UTF-8 to GBK. A character GBK cannot hold, or invalid UTF-8, is
// an error naming the character and its line; `what` names the text being
// converted (a file path) in the message.
std::string Utf8ToGbk(const std::string& utf8, const std::string& what);

// True when every character of the UTF-8 text can be written in GBK.
bool FitsGbk(const std::string& utf8);

// The first character GBK cannot hold, shown with its code point (it may
// not show in a console), as in "\"😀\" (U+1F600)"; empty when the text fits.
std::string FirstNonGbkCharacter(const std::string& utf8);
