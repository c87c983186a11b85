// section_table.h - The sections of a source data file, one row each: its tag, what it holds,
// its converter, what its count counts and the lines of one record. The run converts them in
// the table's order; the checker knows a tag only from here.
#pragma once

#include <memory>
#include <string_view>

#include "sections/section.h"

namespace gdf {

/// One section of the source data file.
struct SectionKind {
  const char* tag;                       ///< "$A"
  const char* name;                      ///< what it holds, "layers"
  std::unique_ptr<Section> (*make)();    ///< its converter; none for "$Z", the header stage's
  const char* unit;                      ///< what its count counts: "records", "text lines", ...
  int linesPerRecord;                    ///< whole lines a record takes; 0: records vary
  bool endsAtDollarLine;                 ///< its reader stops at a line that begins with "$"
};

/// Every section: "$Z" first, then the others in the order the run converts them.
extern const SectionKind kSections[10];

/// The row of `tag`, or none for a tag that no section has.
const SectionKind* FindSectionKind(std::string_view tag);

}  // namespace gdf
