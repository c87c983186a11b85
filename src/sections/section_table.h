// section_table.h - The sections of a source data file, one row each: its tag, what it holds,
// its converter, what its count counts and the lines of one record. The run converts them in
// the table's order; the checker knows a tag only from here, and reads each section through
// ReadKeepingEveryNote, which also says how far the run's reading of it goes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "sections/section.h"

namespace gdf {

/// One section of the source data file.
struct SectionKind {
  const char* tag;                     ///< "$A"
  const char* name;                    ///< what it holds, "layers"
  std::unique_ptr<Section> (*make)();  ///< its converter; none for "$Z", the header stage's
  const char* unit;                    ///< what its count counts: "records", "text lines", ...
  int linesPerRecord;                  ///< whole lines a record takes; 0: records vary
  bool endsAtDollarLine;               ///< its reader stops at a line that begins with "$"
};

/// Every section: "$Z" first, then the others in the order the run converts them.
extern const SectionKind kSections[10];

/// The row of `tag`, or none for a tag that no section has.
const SectionKind* FindSectionKind(std::string_view tag);

/// What reading one section found when every note was kept.
struct KeptReading {
  std::vector<SectionNote> notes;     ///< in the order told
  std::optional<RunFailure> failure;  ///< the first fault: where the run's reading stops
  bool explained = false;             ///< whether a note already says what `failure` says
  long long present = 0;              ///< what stands in the section, in its count's unit
  int lastLine = 0;                   ///< 1-based last line that the run reads for it
};

/// Reads a section that the run converts, found at `header`, with its own reader as the run
/// calls it before writing anything, keeping every note. `readHeader` reads the "$Z" block,
/// which has no converter of its own here.
KeptReading ReadKeepingEveryNote(
    const LineFile& file, const SectionKind& kind, const SectionHeader& header,
    const std::function<void(TextReader&, const SectionHeader&, SectionNotes&)>& readHeader);

}  // namespace gdf
