// source_file.h - The source data file: tag lines, counts and the section search.
//
// A tag line begins with "$" and a capital letter at the very start of the line; its count is
// the rest of the line as a number (for "$C" only the part before the first ","). Only the
// first line that begins with a tag counts. The file is read once; every search looks at its
// lines from the top, as re-opening the file per section would.
#pragma once

#include <cstdint>

#include "common/text.h"
#include "common/text_file.h"

namespace gdf {

/// The tags, in the order the run converts them.
inline constexpr const char* kSectionOrder[] = {"$A", "$S", "$W", "$C", "$K",
                                                "$O", "$U", "$B", "$H"};

/// What the section search found for one tag.
struct SectionHeader {
  std::string tag;          ///< "$A"
  bool found = false;       ///< whether a line begins with the tag
  std::size_t tagLine = 0;  ///< 0-based line of the tag line, when found
  float rawCount = 0.0f;    ///< the count as NumericOrZero gives it
  std::int16_t count = 0;   ///< the count held in 16 bits (0 when not found)

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
