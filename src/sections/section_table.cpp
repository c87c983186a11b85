// section_table.cpp - The table of the sections.
#include "sections/section_table.h"

#include <algorithm>
#include <iterator>

#include "common/errors.h"

namespace gdf {

const SectionKind kSections[10] = {
    {"$Z", "header block", nullptr, "header lines", 1, false},
    {"$A", "layers", MakeSectionA, "records", 9, false},
    {"$S", "observation columns", MakeSectionS, "records", 9, false},
    {"$W", "dated readings", MakeSectionW, "records", 0, false},
    {"$C", "counts per length", MakeSectionC, "records", 5, false},
    {"$K", "text notes", MakeSectionK, "text lines", 0, true},
    {"$O", "two series of readings", MakeSectionO, "records", 5, true},
    {"$U", "list for G81.TXT", MakeSectionU, "records", 2, false},
    {"$B", "table by depth", MakeSectionB, "records", 10, false},
    {"$H", "names by depth", MakeSectionH, "records", 4, false},
};

const SectionKind* FindSectionKind(std::string_view tag) {
  const auto found = std::find_if(std::begin(kSections), std::end(kSections),
                                  [&](const SectionKind& kind) { return tag == kind.tag; });
  return found == std::end(kSections) ? nullptr : found;
}

KeptReading ReadKeepingEveryNote(
    const LineFile& file, const SectionKind& kind, const SectionHeader& header,
    const std::function<void(TextReader&, const SectionHeader&, SectionNotes&)>& readHeader) {
  const std::size_t body = header.tagLine + 1;
  TextReader reader(file, body);
  KeepEveryNote notes(reader);
  try {
    if (kind.make != nullptr) {
      kind.make()->Read(reader, header, notes);
    } else {
      readHeader(reader, header, notes);
    }
  } catch (const RunError& error) {
    notes.Thrown(error.failure());
  }
  KeptReading reading{notes.Notes(), notes.Failure(), notes.Explained(), notes.PresentCount(),
                      static_cast<int>(body)};
  const std::optional<RunFailure>& failure = reading.failure;
  if (!failure) {
    if (reader.LastLineNumber() > body)
      reading.lastLine = static_cast<int>(reader.LastLineNumber());
  } else if (failure->kind == FailureKind::kReadPastEnd) {
    // Past the end the section takes in the rest of the file.
    reading.lastLine = static_cast<int>(file.LineCount());
  } else {
    // After any other fault it holds what its count gives it (up to the next tag line), as far
    // as the reader came.
    const std::size_t nextTag = header.endLine;
    const std::size_t shape = static_cast<std::size_t>(kind.linesPerRecord);
    const std::size_t extent =
        shape == 0
            ? nextTag
            : std::min<std::size_t>(
                  nextTag, body + static_cast<std::size_t>(std::max<int>(header.count, 0)) * shape);
    const std::size_t reached = notes.StoppedAt() > body ? notes.StoppedAt() : 0;
    reading.lastLine = static_cast<int>(std::max<std::size_t>({extent, reached, body}));
  }
  return reading;
}

}  // namespace gdf
