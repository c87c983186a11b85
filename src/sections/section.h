// section.h - The shape every section converter has: a reader of its records, which only
// reads, and a writer of its record files.
//
// The run reads every section before it writes anything, so that a source file whose counts
// promise more than it holds fails before any file is written; then it writes the sections in
// their fixed order.
#pragma once

#include <memory>
#include <string>

#include "common/text_file.h"
#include "sections/depth_list.h"
#include "sections/section_context.h"
#include "sections/source_file.h"

namespace gdf {

class Section {
 public:
  virtual ~Section() = default;
  /// Reads the section's records from `reader`, which stands on the line after the tag line.
  /// Reads only: nothing is written and no table is opened. Throws RunError on a fault.
  virtual void Read(TextReader& reader, const SectionHeader& header) = 0;
  /// Writes the section's record files and extends its tables, from what Read kept.
  virtual void Write(SectionContext& context) = 0;
  /// The depth list that the section hands on to a later one instead of writing it ("$U").
  virtual std::vector<DepthEntry> HandedList() { return {}; }
  /// Takes the list handed on by an earlier section ("$B" takes the "$U" list for G81.TXT).
  virtual void TakeHandedList(std::vector<DepthEntry>) {}
};

/// The converter of a tag ("$A" ... "$H").
std::unique_ptr<Section> MakeSection(const std::string& tag);

// One factory per section, each in the section's own file.
std::unique_ptr<Section> MakeLayerSection();               // "$A"
std::unique_ptr<Section> MakeObservationColumnsSection();  // "$S"
std::unique_ptr<Section> MakeDatedReadingsSection();       // "$W"
std::unique_ptr<Section> MakeCountsPerLengthSection();     // "$C"
std::unique_ptr<Section> MakeTextNotesSection();           // "$K"
std::unique_ptr<Section> MakeSectionO();                   // "$O"
std::unique_ptr<Section> MakeSectionU();                   // "$U"
std::unique_ptr<Section> MakeSectionB();                   // "$B"
std::unique_ptr<Section> MakeSectionH();                   // "$H"

/// Reads `count` records of `linesPerRecord` whole lines each into a record buffer (index 0
/// unused), calling `take` after each record.
template <typename Take>
void ReadFixedRecords(TextReader& reader, int count, int linesPerRecord, Take&& take) {
  std::vector<Text> buffer(static_cast<std::size_t>(linesPerRecord) + 1);
  for (int record = 1; record <= count; ++record) {
    for (int line = 1; line <= linesPerRecord; ++line) buffer[line] = reader.ReadLine();
    take(buffer);
  }
}

}  // namespace gdf
