// section.h - The shape every section converter has: a reader of its records, which only reads
// and tells its notes what it finds, and a writer of its record files.
//
// The run reads every section before it writes anything, so that a source file whose counts
// promise more than it holds fails before any file is written; then it writes the sections in
// their fixed order. The checker reads each section with the same reader.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "sections/depth_list.h"
#include "sections/section_context.h"
#include "sections/section_notes.h"
#include "sections/source_file.h"

namespace gdf {

class Section {
 public:
  virtual ~Section() = default;
  /// Reads the section's records from `reader`, which stands on the line after the tag line,
  /// and tells `notes` what it finds. Reads only: nothing is written and no table is opened.
  virtual void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) = 0;
  /// Reads as the run does: the first fault throws RunError.
  void Read(TextReader& reader, const SectionHeader& header) {
    StopAtFirstFault notes;
    Read(reader, header, notes);
  }
  /// Writes the section's record files and extends its tables, from what Read kept.
  virtual void Write(SectionContext& context) = 0;
  /// The depth list that the section hands on to a later one instead of writing it ("$U").
  virtual std::vector<DepthEntry> HandedList() { return {}; }
  /// Takes the list handed on by an earlier section ("$B" takes the "$U" list for G81.TXT).
  virtual void TakeHandedList(std::vector<DepthEntry>) {}
};

// One factory per section, each in the section's own file.
std::unique_ptr<Section> MakeSectionA();
std::unique_ptr<Section> MakeSectionS();
std::unique_ptr<Section> MakeSectionW();
std::unique_ptr<Section> MakeSectionC();
std::unique_ptr<Section> MakeSectionK();
std::unique_ptr<Section> MakeSectionO();
std::unique_ptr<Section> MakeSectionU();
std::unique_ptr<Section> MakeSectionB();
std::unique_ptr<Section> MakeSectionH();

/// A record of whole lines, as ReadFixedRecords hands it over.
struct FixedRecord {
  std::vector<Text> lines;  ///< the lines as read, numbered from 1 (index 0 unused)
  int number = 0;           ///< 1-based record number
  int firstLine = 0;        ///< 1-based source line of line 1
  bool checked = false;     ///< whether to check it: notes are kept and it ends before the next tag
  const Text& operator[](int k) const { return lines[static_cast<std::size_t>(k)]; }
  /// 1-based source line of line `k`.
  int SourceLine(int k) const { return firstLine + k - 1; }
};

/// Reads `header.count` records of `linesPerRecord` whole lines each, calling `take` after each
/// record. For kept notes it first says how many whole records stand before the next tag line.
template <typename Take>
void ReadFixedRecords(TextReader& reader, const SectionHeader& header, int linesPerRecord,
                      SectionNotes& notes, Take&& take) {
  const bool checking = notes.Checking();
  const long long present =
      static_cast<long long>(header.endLine - header.tagLine - 1) / linesPerRecord;
  if (checking) notes.Present(present);
  FixedRecord record;
  record.lines.resize(static_cast<std::size_t>(linesPerRecord) + 1);
  for (int number = 1; number <= header.count; ++number) {
    record.number = number;
    record.firstLine = static_cast<int>(reader.LineNumber());
    record.checked = checking && number <= present;
    for (int line = 1; line <= linesPerRecord; ++line) record.lines[line] = reader.ReadLine();
    take(static_cast<const FixedRecord&>(record));
  }
}

/// The value of a depth text, or nothing for one that is not a number or lies beyond Single.
std::optional<float> DepthValue(TextView text);

/// Whether a date says month and day: it holds a "/" between them.
inline bool HasMonthAndDay(const Text& date) { return date.find(u'/') != Text::npos; }

/// What a check says of a date without month and day, at which the run stops.
CatalogueMessage DateFault(const Text& date);

/// What the run makes of a record whose depth is not a number.
enum class MissingDepth {
  kNoEntry,  ///< the record's values have no depth to stand at
  kZero,     ///< the record counts as depth 0
};

/// Warns when the depth line of a record is not a number.
void CheckRecordDepth(SectionNotes& notes, const FixedRecord& record,
                      MissingDepth missing = MissingDepth::kNoEntry);

/// Warns of a range mark that has nothing above it to extend in its column.
void CheckRangeMark(SectionNotes& notes, DepthTake take, const Text& value, int line, int column);

/// Tells how a value stands in a code table: a warning when it goes there between double
/// quotes (only when the notes are kept), a fault when no line of the table can hold it. Such a
/// value stops the run while it reads, before anything is written: a run that went on would stop
/// when it came to add the value, after the tables had taken the names before it.
void CheckTableValue(SectionNotes& notes, const Text& value, int line, TextView table,
                     const LineFile& source);

}  // namespace gdf
