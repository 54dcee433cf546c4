// Character-wise text functions. Texts are UTF-8; one code point is one character, as the
// programs count them. Positions start at 1; a search that finds nothing gives 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

// Number of characters.
int CharLen(std::string_view s);
// The first n characters ("" when n <= 0, the whole text when n is past the end).
std::string CharLeft(std::string_view s, int n);
// The last n characters.
std::string CharRight(std::string_view s, int n);
// From character `start` (1-based) on, `count` characters or, with count < 0, the rest.
std::string CharMid(std::string_view s, int start, int count = -1);
// Position of the first `needle` at or after character `start`; 0 when absent or needle is "".
int CharFind(std::string_view s, std::string_view needle, int start = 1);
// The characters one by one.
std::vector<std::string> SplitChars(std::string_view s);

// Bytes of the first character in the classic Japanese code page: 1 for ASCII and the
// half-width katakana (U+FF61..U+FF9F), 2 for every other character, 0 for "".
int CharBytes(std::string_view ch);
// Bytes of the whole text in that code page.
int ByteLen(std::string_view s);

// Code of the first character (0 for ""), and the character with a code.
int CharCode(std::string_view ch);
std::string Chr(int code);

// Order by character codes: negative, 0 or positive.
int CompareText(std::string_view a, std::string_view b);

}  // namespace orvelle
