// source_file.cpp - The section search and the count of a tag line.
#include "sections/source_file.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"

namespace gdf {

bool SectionHeader::Present() const {
  if (!found) return false;
  if (tag == "$C") return rawCount != 0.0f;
  return count != 0;
}

std::size_t SectionHeader::BodyLine(const LineFile& file) const {
  return found ? tagLine + 1 : file.LineCount();
}

SectionHeader FindSection(const LineFile& source, const std::string& tag) {
  SectionHeader header;
  header.tag = tag;
  if (const auto line = source.FirstLineStartingWith(tag)) {
    const std::size_t i = *line;
    header.found = true;
    header.tagLine = i;
    Text rest = source.Line(i).substr(tag.size());
    if (tag == "$C") {
      const std::size_t comma = rest.find(u',');
      if (comma != Text::npos) rest.resize(comma);
    }
    try {
      header.rawCount = NumericOrZero(rest);
      header.count = ToInt16(header.rawCount);
    } catch (RunError& error) {
      error.failure().reason = u"The count of the tag line " + FromAscii(tag) +
                               u" is beyond 32 767: " + Trim(rest) + u".";
      error.failure().sourceLine = header.SourceLine();
      throw;
    }
  }
  return header;
}

}  // namespace gdf
