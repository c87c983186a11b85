// routines.h - The common text and number routines that the run, the sections and path
// validation share: numbers from field texts, width folding of Japanese text, byte measures of
// code page 932, and splitting at delimiters. None of them touches a file or keeps state.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace gdf {

/// The value of numeric text rounded to Single, else 0. Throws the overflow error beyond the
/// Single range.
float NumericOrZero(TextView text);

/// Half-width digits, capitals and the signs between them become full-width (U+FF10..U+FF3A);
/// half-width katakana U+FF66..U+FF9D become full-width katakana, each character alone.
Text ToFullWidth(TextView text);

/// Full-width U+FF10..U+FF3A become ASCII; full-width katakana U+30A1..U+30F3 become half-width,
/// voiced letters as two characters; letters without a half-width form stay.
Text ToHalfWidth(TextView text);

/// Number of code page 932 bytes; throws the overflow error beyond 32 767.
std::int16_t ByteLen(TextView text);

/// Up to `length` bytes from byte position `start` (from 1) of the code page 932 form, back as
/// text. A double-byte character cut by either end is dropped whole.
Text MidBytes(TextView text, std::int32_t start, std::int32_t length);

/// Sum over the characters of `delimiters` of their occurrences in `text`.
std::int16_t CountDelimiters(TextView text, TextView delimiters);

/// Stores the pieces between delimiters at indexes 1 to n + 1 of `pieces`, which the caller has
/// sized; later elements and index 0 are left alone. Throws when a piece does not fit.
void SplitByDelimiters(TextView text, TextView delimiters, std::vector<Text>& pieces);

}  // namespace gdf
