// table_folder.h - The pattern-data folder as the lookup tables see it: where the tables stand,
// the program's folder that receives PATADD.txt, and the list every added table line goes to.
#pragma once

#include <vector>

#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// A line that the run added to a lookup table of the pattern-data folder.
struct AddedTableLine {
  Text table;  ///< table file name, "KISHITU.TXT"
  Text code;   ///< the code of the new entry as written
  Text name;   ///< the name or value it stands for
};

/// What a table needs to read and grow itself; the run's report holds the lists it fills.
struct TableFolder {
  TableFolder(FileSystem& fileSystem, std::vector<AddedTableLine>& addedLines, bool& marker)
      : fs(fileSystem), added(addedLines), markerCreated(marker) {}

  FileSystem& fs;
  Text patternFolder;                  ///< the pattern-data folder, ending with "\"
  Text programFolder;                  ///< the program's own folder, ending with "\" (PATADD.txt)
  std::vector<AddedTableLine>& added;  ///< every table line added, in the order added
  bool& markerCreated;                 ///< set when PATADD.txt is created

  /// The path of a lookup table in the pattern-data folder.
  Text TablePath(TextView name) const { return patternFolder + Text(name); }
  /// Notes a line added to a table.
  void NoteTableLine(TextView table, TextView code, TextView name) {
    added.push_back({Text(table), Text(code), Text(name)});
  }
};

}  // namespace gdf
