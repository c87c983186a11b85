// addition_log.h - GDFCONV.LOG, the pattern-data folder's record of who added what: one line per
// table line that a run added, written by the run under the folder's lock. When junk names turn
// up in an office's tables, it answers which run put them there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tables/lock_holder.h"
#include "tables/table_folder.h"
#include "text/text.h"

namespace gdf {

/// The log's name in the pattern-data folder.
inline constexpr char16_t kAdditionLogName[] = u"GDFCONV.LOG";

/// One line of the log.
struct LoggedAddition {
  Text time;              ///< when the run logged it, "2026-12-09 10:02:05" (local time)
  Text computer;          ///< the computer the run ran on
  Text user;              ///< the user who ran it
  Text source;            ///< the source data file, as the run was given it
  Text table;             ///< the table's file name
  Text code;              ///< the code, as written into the table
  Text name;              ///< the name or value, as written into the table
  std::int32_t line = 0;  ///< the line of the log, from 1
};

/// The log's lines for the table lines a run added: "time, computer, user, source, table, code,
/// name", separated by tabs, in code page 932, each ended by CR LF.
std::string AdditionLogLines(const LockHolder& who, TextView time, TextView source,
                             const std::vector<AddedTableLine>& added);

/// The lines of a log, in order; lines that are not seven fields are left out.
std::vector<LoggedAddition> ReadAdditionLog(const std::string& bytes);

}  // namespace gdf
