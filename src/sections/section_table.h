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
  MessageId unitWord;                  ///< the same, as the messages say it
  int linesPerRecord;                  ///< whole lines a record takes; 0: records vary
  bool endsAtDollarLine;               ///< its reader stops at a line that begins with "$"
};

/// Every section: "$Z" first, then the others in the order the run converts them.
extern const SectionKind kSections[10];

/// The record files that a run may write into the target folder: the header stage's, then the
/// sections', in the order the run writes them.
inline constexpr const char16_t* kRecordFiles[] = {
    u"CNT.TXT", u"Titl01.txt", u"Titl02.txt", u"X1.TXT",  u"X3.TXT",  u"R31.TXT", u"R32.TXT",
    u"R33.TXT", u"R34.TXT",    u"R35.TXT",    u"R30.TXT", u"N9.TXT",  u"X5.TXT",  u"X12.TXT",
    u"R41.TXT", u"N8.TXT",     u"G71.TXT",    u"G73.TXT", u"G81.TXT", u"R72.TXT"};

/// The row of `tag`, or none for a tag that no section has.
const SectionKind* FindSectionKind(std::string_view tag);

/// The reader of a section's records, standing on the line after its tag line. A section that is
/// read by its count may not take in a line that the search for one of the sections finds as its
/// tag line: a read that would start on one fails as a read past the end of the file fails, and
/// so stops the run before it writes anything. "$K" and "$O" end at a line that begins with "$"
/// and are read without that bound.
TextReader SectionReader(const LineFile& file, const SectionKind& kind,
                         const SectionHeader& header);

/// What reading one section found when every note was kept.
struct KeptReading {
  std::vector<SectionNote> notes;     ///< in the order told
  std::optional<RunFailure> failure;  ///< the first fault: where the run's reading stops
  std::optional<RunFailure> ended;    ///< the fault that ended the reading, when one did
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
