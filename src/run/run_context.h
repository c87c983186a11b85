// run_context.h - What the stages of one conversion run share: where files go, the tables
// loaded at the start, what the header stage produced, and the report being filled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform.h"
#include "common/print_file.h"
#include "common/text.h"
#include "run/report.h"

namespace gdf {

/// One pair of the L4.TXT table: a code and its one-character key.
struct L4Pair {
  Text code;
  Text key;
};

/// One entry of a depth list: a value and the depth it belongs to.
struct DepthEntry {
  Text value;
  Text depth;
};

/// Everything a stage of the run may use.
struct RunContext {
  RunContext(FileSystem& fileSystem, RunReport& runReport) : fs(fileSystem), report(runReport) {}

  FileSystem& fs;
  RunReport& report;
  Text recordBase;       ///< `Text2` as typed, followed by "\": the base of record file paths
  Text validatedTarget;  ///< `Text2` as `ValidatePath` left it (trimmed, ending with "\")
  Text patternFolder;    ///< the pattern-data folder, ending with "\"
  Text programFolder;    ///< the program's own folder, ending with "\" (for PATADD.txt)
  Text sourcePath;       ///< `Text1` as typed

  std::vector<L4Pair> l4;         ///< L4.TXT as loaded at the start
  std::vector<Text> titleList1;   ///< title list 1, entries 1 to 23 (index 0 unused)
  std::vector<Text> titleList2;   ///< title list 2, entries 1 to 41 (index 0 unused)
  bool headerStageRan = false;    ///< whether a "$Z" block was converted
  std::vector<DepthEntry> uList;  ///< the "$U" list, kept for G81.TXT

  /// The year text for dated records: entry 4 of title list 1 (empty without a header).
  Text YearText() const { return titleList1.size() > 4 ? titleList1[4] : Text(); }
  /// The path of a record file in the target folder.
  Text RecordPath(TextView name) const { return recordBase + Text(name); }
  /// The path of a lookup table in the pattern-data folder.
  Text TablePath(TextView name) const { return patternFolder + Text(name); }

  /// Closes a record file and adds it to the report.
  void CloseRecordFile(PrintFile& file, TextView name);
  /// Adds a table line to the report.
  void NoteTableLine(TextView table, TextView code, TextView name);
};

}  // namespace gdf
