// header_stage.h - The L4.TXT table loaded at the start, and the header stage: the "$Z" block,
// the two title lists, the L1 and L2 look-ups, the count file and the title files.
#pragma once

#include <vector>

#include "common/text_file.h"
#include "run/run_context.h"
#include "sections/section_notes.h"
#include "sections/source_file.h"

namespace gdf {

/// The header lines of a "$Z" block, numbered from 1 (index 0 unused).
struct HeaderBlock {
  std::vector<Text> lines;
  /// Header line `n`, or an empty text when the block is shorter.
  Text Line(std::size_t n) const { return n < lines.size() ? lines[n] : Text(); }
};

/// Reads the header lines that follow the "$Z" tag line, telling `notes` what stands there.
/// Reads only.
HeaderBlock ReadHeaderBlock(TextReader& reader, const SectionHeader& header, SectionNotes& notes);
/// Reads the header lines as the run does.
HeaderBlock ReadHeaderBlock(TextReader& reader, const SectionHeader& header);

/// Loads L4.TXT from the pattern-data folder into `context.l4`.
void LoadL4Table(RunContext& context);

/// The header stage for a block that was read: title lists, look-ups, KISHITU.TXT, CNT.TXT
/// and the title files.
void RunHeaderStage(const HeaderBlock& block, RunContext& context);

}  // namespace gdf
