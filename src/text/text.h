// text.h - UTF-16 text helpers shared by every stage.
//
// Text lives in memory as UTF-16 (std::u16string), so that a length or a position is a count
// of characters as the record layouts count them. Trimming removes the ASCII blank only; the
// ideographic space and the tab stay. UTF-8 conversions serve the front ends and host paths.
#pragma once

#include <string>
#include <string_view>

namespace gdf {

using Text = std::u16string;
using TextView = std::u16string_view;

/// Removes ASCII blanks (U+0020) at the left end.
Text TrimLeft(TextView text);
/// Removes ASCII blanks (U+0020) at the right end.
Text TrimRight(TextView text);
/// Removes ASCII blanks (U+0020) at both ends.
Text Trim(TextView text);
/// Removes every character of `characters` at the right end.
Text TrimRightOf(TextView text, TextView characters);

/// The leftmost `count` characters (all of them when the text is shorter).
Text LeftChars(TextView text, std::size_t count);
/// The rightmost `count` characters (all of them when the text is shorter).
Text RightChars(TextView text, std::size_t count);
/// Prefixes `width` blanks and keeps the rightmost `width` characters: a right-aligned field.
Text RightAlign(TextView text, std::size_t width);

/// Whether `text` begins with `prefix`, compared character by character.
bool StartsWith(TextView text, TextView prefix);

/// Whether bytes are valid UTF-8 (no overlong forms, surrogates or code points beyond U+10FFFF);
/// `firstMultiByte`, when given, gets the offset of the first multi-byte character (npos: none).
bool IsUtf8(std::string_view bytes, std::size_t* firstMultiByte = nullptr);

/// Converts UTF-8 to UTF-16; invalid sequences become U+FFFD.
Text FromUtf8(std::string_view utf8);
/// Converts UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string ToUtf8(TextView text);

/// ASCII-only conversion for literals built from numbers.
Text FromAscii(std::string_view ascii);

}  // namespace gdf
