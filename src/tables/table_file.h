// table_file.h - Lookup tables of the pattern-data folder: reading their entries by field reads,
// and adding lines so that a table only ever holds whole lines.
#pragma once

#include <vector>

#include "common/text_file.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// Reads a table whole; throws the run's cannot-open error when it is missing or unreadable,
/// the encoding error when it is not code page 932.
LineFile LoadTable(const FileSystem& fs, TextView path);

/// Reads every entry of `fields` fields from a table, in file order, passing over lines that
/// are empty or only blanks. A table that ends inside an entry throws the read-past-end error.
std::vector<std::vector<Text>> ReadTableEntries(const LineFile& table, int fields);

/// Appends one line (CR LF added) to a table in one write; writes CR LF first when the table's
/// last byte is not a line end. A table that cannot take the whole line is cut back to its size
/// before. `content` is the table's current content when the caller has it (else it is read).
void AppendTableLine(FileSystem& fs, TextView path, TextView line,
                     const std::string* content = nullptr);

}  // namespace gdf
