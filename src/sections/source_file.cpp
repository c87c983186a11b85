// source_file.cpp - The section search and the count of a tag line.
#include "sections/source_file.h"

#include <algorithm>

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

std::size_t NextTagLine(const LineFile& source, std::size_t from) {
  const std::vector<std::uint32_t>& dollarLines = source.DollarLines();
  for (auto line = std::lower_bound(dollarLines.begin(), dollarLines.end(), from);
       line != dollarLines.end(); ++line) {
    if (IsTagLine(source.LineBytes(*line))) return *line;
  }
  return source.LineCount();
}

Text CountText(TextView tagLine, std::string_view tag) {
  Text rest(tagLine.substr(std::min(tag.size(), tagLine.size())));
  if (tag == "$C") {
    const std::size_t comma = rest.find(u',');
    if (comma != Text::npos) rest.resize(comma);
  }
  return rest;
}

SectionHeader FindSection(const LineFile& source, const std::string& tag) {
  SectionHeader header;
  header.tag = tag;
  header.endLine = source.LineCount();
  if (const auto line = source.FirstLineStartingWith(tag)) {
    const std::size_t i = *line;
    header.found = true;
    header.tagLine = i;
    header.endLine = NextTagLine(source, i + 1);
    const Text rest = CountText(source.Line(i), tag);
    try {
      header.rawCount = NumericOrZero(rest);
      header.count = ToInt16(header.rawCount);
    } catch (RunError& error) {
      error.failure().reason = Say(MessageId::kCountBeyondRange, {FromAscii(tag), Trim(rest)});
      error.failure().sourceLine = header.SourceLine();
      throw;
    }
  }
  return header;
}

}  // namespace gdf
