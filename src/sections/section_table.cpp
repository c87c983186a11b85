// section_table.cpp - The table of the sections.
#include "sections/section_table.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "common/errors.h"

namespace gdf {

const SectionKind kSections[10] = {
    {"$Z", "header block", nullptr, "header lines", MessageId::kUnitHeaderLines, 1, false},
    {"$A", "layers", MakeSectionA, "records", MessageId::kUnitRecords, 9, false},
    {"$S", "observation columns", MakeSectionS, "records", MessageId::kUnitRecords, 9, false},
    {"$W", "dated readings", MakeSectionW, "records", MessageId::kUnitRecords, 0, false},
    {"$C", "counts per length", MakeSectionC, "records", MessageId::kUnitRecords, 5, false},
    {"$K", "text notes", MakeSectionK, "text lines", MessageId::kUnitTextLines, 0, true},
    {"$O", "two series of readings", MakeSectionO, "records", MessageId::kUnitRecords, 5, true},
    {"$U", "list for G81.TXT", MakeSectionU, "records", MessageId::kUnitRecords, 2, false},
    {"$B", "table by depth", MakeSectionB, "records", MessageId::kUnitRecords, 10, false},
    {"$H", "names by depth", MakeSectionH, "records", MessageId::kUnitRecords, 4, false},
};

const SectionKind* FindSectionKind(std::string_view tag) {
  const auto found = std::find_if(std::begin(kSections), std::end(kSections),
                                  [&](const SectionKind& kind) { return tag == kind.tag; });
  return found == std::end(kSections) ? nullptr : found;
}

TextReader SectionReader(const LineFile& file, const SectionKind& kind,
                         const SectionHeader& header) {
  TextReader reader(file, header.BodyLine(file));
  if (!header.found || kind.endsAtDollarLine) return reader;
  // The first tag line after this one that a section's search finds (only the first line that
  // begins with a tag counts).
  std::optional<std::size_t> next;
  std::string_view nextTag;
  for (const SectionKind& other : kSections) {
    const auto line = file.FirstLineStartingWith(other.tag);
    if (line && *line > header.tagLine && (!next || *line < *next)) {
      next = line;
      nextTag = other.tag;
    }
  }
  if (next) {
    const int at = static_cast<int>(*next + 1);
    reader.StopBefore(*next, {FailureKind::kIntoNextSection, FromAscii(header.tag), file.Name(), at,
                              Say(MessageId::kCountIntoNextSection,
                                  {FromAscii(header.tag), NumberText(header.count), NumberText(at),
                                   FromAscii(nextTag)})});
  }
  return reader;
}

KeptReading ReadKeepingEveryNote(
    const LineFile& file, const SectionKind& kind, const SectionHeader& header,
    const std::function<void(TextReader&, const SectionHeader&, SectionNotes&)>& readHeader) {
  const std::size_t body = header.tagLine + 1;
  TextReader reader = SectionReader(file, kind, header);
  KeepEveryNote notes(reader);
  std::optional<RunFailure> ended;
  try {
    if (kind.make != nullptr) {
      kind.make()->Read(reader, header, notes);
    } else {
      readHeader(reader, header, notes);
    }
  } catch (const RunError& error) {
    notes.Thrown(error.failure());
    ended = error.failure();
  }
  KeptReading reading{notes.Notes(),     notes.Failure(),      std::move(ended),
                      notes.Explained(), notes.PresentCount(), static_cast<int>(body)};
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
