// report.h - What a conversion run did: the files it wrote, the table lines it added, and how
// it ended. The front ends print or show it; the core only fills it in.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/errors.h"
#include "common/text.h"

namespace gdf {

/// How a run ended.
enum class RunOutcome {
  kCompleted,  ///< ended with the completion text
  kRefused,    ///< a check before any work refused it; nothing was written
  kFailed,     ///< stopped by a failure after the checks; files written before stay
};

/// A record file that the run wrote.
struct WrittenFile {
  Text name;               ///< file name, "X1.TXT"
  Text path;               ///< the Windows path it was written at
  std::int32_t lines = 0;  ///< lines written
  std::int64_t bytes = 0;  ///< size in bytes
};

/// A line that the run added to a lookup table of the pattern-data folder.
struct AddedTableLine {
  Text table;  ///< table file name, "KISHITU.TXT"
  Text code;   ///< the code of the new entry as written
  Text name;   ///< the name or value it stands for
};

/// The report of one run.
struct RunReport {
  RunOutcome outcome = RunOutcome::kRefused;
  std::vector<WrittenFile> files;     ///< in the order they were closed
  std::vector<AddedTableLine> added;  ///< in the order they were added
  std::optional<RunFailure> failure;  ///< set when the run failed
  Text refusal;                       ///< the message that refused the run, when refused
  Text completionText;                ///< the status text at the end
  bool markerCreated = false;         ///< whether PATADD.txt was created by this run
};

}  // namespace gdf
