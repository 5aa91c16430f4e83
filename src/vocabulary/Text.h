// Small text helpers shared by the whole core: ASCII-only case folding (as
// the design store and SQL Server compare names) and UTF-8 decoding.
#pragma once

#include <string>
#include <string_view>

// ASCII letters lowered; every other byte kept.
std::string AsciiLower(std::string_view text);

// The UTF-8 character starting at text[i], with i moved past it; 0 for a
// malformed sequence (i then stands after the bytes read).
char32_t NextCodePoint(std::string_view text, std::size_t& i);

// Characters in a UTF-8 text: each code point counts once, and so does
// each malformed byte sequence.
std::size_t CharacterCount(std::string_view text);
