// section_context.h - What a section's writers use: where the record files go, the tables, the
// L4.TXT pairs and the year of the boring, and the list every closed record file goes to.
#pragma once

#include <cstdint>
#include <vector>

#include "common/print_file.h"
#include "tables/code_tables.h"
#include "tables/table_folder.h"
#include "text/text.h"

namespace gdf {

/// A record file that the run wrote.
struct WrittenFile {
  Text name;               ///< file name, "X1.TXT"
  Text path;               ///< the Windows path it was written at
  std::int32_t lines = 0;  ///< lines written
  std::int64_t bytes = 0;  ///< size in bytes
};

struct SectionContext : TableFolder {
  SectionContext(FileSystem& fileSystem, std::vector<WrittenFile>& writtenFiles,
                 std::vector<AddedTableLine>& addedLines, bool& marker)
      : TableFolder(fileSystem, addedLines, marker), files(writtenFiles) {}

  Text recordBase;                  ///< `Text2` as typed, followed by "\": the base of record paths
  std::vector<L4Pair> l4;           ///< L4.TXT as loaded at the start
  Text yearText;                    ///< the year for dated records (empty without a header)
  std::vector<WrittenFile>& files;  ///< every record file closed, in the order closed

  /// The path of a record file in the target folder.
  Text RecordPath(TextView name) const { return recordBase + Text(name); }
  /// Closes a record file and notes it.
  void CloseRecordFile(PrintFile& file, TextView name) {
    file.Close();
    files.push_back({Text(name), file.Path(), file.LinesWritten(), file.BytesWritten()});
  }
};

/// The most lines a record file can number: its record counter is 16-bit, and one line more would
/// raise it past 32 767. A section whose records would number more stops the run before it
/// writes anything.
inline constexpr std::size_t kMostNumbered = 32766;

/// Writes the record file `name` of the target folder, one record after another by
/// `writeRecord(file, counter, record)`, which writes the record's line and raises the record
/// counter (set to 1 before the first); then closes the file and notes it.
template <typename Records, typename WriteRecord>
void WriteRecordFile(SectionContext& context, TextView name, const Records& records,
                     WriteRecord writeRecord) {
  PrintFile file(context.fs, context.RecordPath(name));
  std::int16_t counter = 1;
  for (const auto& record : records) writeRecord(file, counter, record);
  context.CloseRecordFile(file, name);
}

}  // namespace gdf
