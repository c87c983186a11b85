// source_file.h - The source data file: tag lines, counts and the section search.
//
// A tag line begins with "$" and a capital letter at the very start of the line; its count is
// the rest of the line as a number (for "$C" only the part before the first ","). Only the
// first line that begins with a tag counts. The file is read once; every search looks at its
// lines from the top, as re-opening the file per section would.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/text_file.h"
#include "text/text.h"

namespace gdf {

/// Whether a line's bytes make a tag line: "$" and a capital letter at the very start.
inline bool IsTagLine(std::string_view bytes) {
  return bytes.size() >= 2 && bytes[0] == '$' && bytes[1] >= 'A' && bytes[1] <= 'Z';
}

/// The 0-based line of the first tag line at or after line `from`, or the line count.
std::size_t NextTagLine(const LineFile& source, std::size_t from);

/// The part of a tag line that holds its count: the rest after the tag, for "$C" only the
/// part before the first ",".
Text CountText(TextView tagLine, std::string_view tag);

/// What the section search found for one tag.
struct SectionHeader {
  std::string tag;          ///< "$A"
  bool found = false;       ///< whether a line begins with the tag
  std::size_t tagLine = 0;  ///< 0-based line of the tag line, when found
  float rawCount = 0.0f;    ///< the count as NumericOrZero gives it
  std::int16_t count = 0;   ///< the count held in 16 bits (0 when not found)
  std::size_t endLine = 0;  ///< 0-based line of the next tag line after it, or the line count

  /// Whether the run converts the section: for "$C" the count before its rounding is not 0,
  /// for every other tag the 16-bit count is not 0.
  bool Present() const;
  /// 0-based line of the first line after the tag line (the end of the file when not found).
  std::size_t BodyLine(const LineFile& file) const;
  /// 1-based source line of the tag line, for messages.
  int SourceLine() const { return static_cast<int>(tagLine + 1); }
};

/// Searches the file for the first line that begins with `tag` and takes its count. Throws
/// the overflow error when the count is beyond the 16-bit range.
SectionHeader FindSection(const LineFile& source, const std::string& tag);

}  // namespace gdf
