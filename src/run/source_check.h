// source_check.h - A source data file read as a run would read it, writing nothing: the sections
// found, with their counts and the records that actually stand there, and every problem with
// its line and severity.
//
// Errors are exactly what stops the run before it writes anything (each section is read by its
// own reader, exactly as the run reads it before writing); warnings are what the run passes over
// silently: lines that no search reaches, a second tag line, a count that takes one in, a range
// mark with nothing to extend, depths that are not numbers, names that the tables will hold in
// quotes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// How bad a problem is.
enum class Severity {
  kError,    ///< the run stops there (or before), while it reads, before it writes anything
  kWarning,  ///< the run goes on, but probably not as the file's author meant
};

/// One problem of a source data file.
struct SourceProblem {
  Severity severity = Severity::kWarning;
  int line = 0;         ///< 1-based source line, 0 for the whole file
  std::string section;  ///< the tag concerned ("$A"), empty for the file
  /// One or two sentences saying what and what the run does with it.
  std::vector<CatalogueMessage> message;
  bool stopsRun = false;  ///< whether the run's own reading fails here
};

/// One section that the file holds.
struct SectionFound {
  std::string tag;               ///< "$A"
  int line = 0;                  ///< 1-based line of its tag line
  Text countText;                ///< the tag line after the tag, as written
  double count = 0;              ///< the count as the run takes it (before its 16-bit rounding)
  bool converted = false;        ///< whether the run converts the section (count not 0)
  long long present = 0;         ///< what actually stands there, in the count's unit
  const char* unit = "records";  ///< "records", "header lines" or "text lines"
  MessageId unitWord = MessageId::kUnitRecords;  ///< the same, as the messages say it
  int lastLine = 0;  ///< 1-based last line that the run reads for it (0: none)
};

/// The result of checking one source data file.
struct SourceCheck {
  Text file;                            ///< the path checked
  bool readable = true;                 ///< false when the file could not be read at all
  std::size_t lines = 0;                ///< lines in the file
  std::vector<SectionFound> sections;   ///< in the order they stand in the file
  std::vector<SourceProblem> problems;  ///< by line
  int Errors() const;
  int Warnings() const;
};

/// Checks the file at `path` (read through `fs`).
SourceCheck CheckSourceFile(const FileSystem& fs, TextView path);

/// Checks a file's bytes; `name` names it in messages.
SourceCheck CheckSourceBytes(std::string bytes, Text name);

}  // namespace gdf
