// letter_case.h - Letter case: the ASCII letters of drive letters and number texts, and the
// Unicode mappings by which names are matched without regard to case.
//
// Names and paths are matched as Windows matches them: each character upper-cased (or folded) by
// the one-character mapping of the tables in case_tables.inc, which tools/gen_case_tables.py
// writes; no width or kana folding.
#pragma once

#include <string>

#include "text/text.h"

namespace gdf {

/// Whether a character is an ASCII letter, A to Z or a to z.
constexpr bool IsAsciiLetter(char16_t ch) {
  return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
}
/// An ASCII small letter as its capital; any other character as it is.
constexpr char16_t AsciiUpper(char16_t ch) {
  return ch >= u'a' && ch <= u'z' ? static_cast<char16_t>(ch - u'a' + u'A') : ch;
}
/// An ASCII capital as its small letter; any other character as it is.
constexpr char16_t AsciiLower(char16_t ch) {
  return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
}
/// The ASCII small letters of UTF-8 or code page 932 bytes as capitals; every other byte as it is.
std::string AsciiUpper(std::string bytes);

/// Unicode simple upper-case mapping of one character (BMP).
char16_t SimpleUpper(char16_t ch);
/// Unicode simple case folding of one character (BMP).
char16_t SimpleFold(char16_t ch);
/// Upper-cases every character by the simple mapping.
Text ToUpperSimple(TextView text);
/// Whether two texts are equal once letter case is folded (no width or kana folding).
bool EqualFoldingCase(TextView a, TextView b);

}  // namespace gdf
