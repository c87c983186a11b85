// run_context.h - What the stages of one conversion run share: where files go, the tables
// loaded at the start, what the header stage produced, and the report being filled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "run/report.h"
#include "sections/section_context.h"
#include "text/text.h"

namespace gdf {

/// Everything a stage of the run may use: what the sections use, and the header stage's own.
struct RunContext : SectionContext {
  RunContext(FileSystem& fileSystem, RunReport& runReport)
      : SectionContext(fileSystem, runReport.files, runReport.added, runReport.markerCreated),
        report(runReport) {}

  RunReport& report;
  Text validatedTarget;  ///< `Text2` as `ValidatePath` left it (trimmed, ending with "\")
  Text sourcePath;       ///< `Text1` as typed

  std::vector<Text> titleList1;  ///< title list 1, entries 1 to 23 (index 0 unused)
  std::vector<Text> titleList2;  ///< title list 2, entries 1 to 41 (index 0 unused)
  bool headerStageRan = false;   ///< whether a "$Z" block was converted
};

}  // namespace gdf
