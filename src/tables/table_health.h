// table_health.h - The health of a pattern-data folder: every table read as a run reads it, and
// what in it would mislead a run or the drawing system (lines that do not parse, a code given to
// two names, a name that the search never finds, line ends and bytes a run does not expect, a
// work file left behind), each with its line, who added it where the folder's log knows, and
// what to do about it. Nothing is repaired: the record files of past borings refer to the codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "tables/addition_log.h"
#include "tables/lock_holder.h"
#include "text/text.h"

namespace gdf {

/// What is wrong.
enum class TableFault {
  kMissing,          ///< the table is not there
  kNotCp932,         ///< the line holds bytes that are not code page 932
  kBareLineEnd,      ///< the line ends with LF or CR alone, not CR LF
  kPartialLastLine,  ///< the last line has no line end: cut off while it was written?
  kFieldCount,       ///< {1} the fields found, {2} the fields a line has
  kCodeOutOfRange,   ///< {1} the code, {2} its name: no search of the table finds it
  kCodeTwice,        ///< {1} the code, {2} the name, {3} the other line, {4} its name
  kNameTwice,        ///< {1} the name, {2} the code, {3} the other line, {4} its code
  kAddedNotInMain,   ///< {1} the code, {2} the name: in XKISHITU.TXT, not in KISHITU.TXT
  kMainNotInAdded,   ///< {1} the code, {2} the name: an added code that XKISHITU.TXT lacks
  kWorkFileLeft,     ///< XKISHITU.TMP, left by a run that was stopped
};

/// Whether a finding makes the folder unhealthy.
enum class TableSeverity {
  kFault,  ///< misleads a run or the drawing system: something to do
  kNote,   ///< a state that runs mend or pass over by themselves
};

/// One thing found.
struct TableFinding {
  TableFault fault = TableFault::kMissing;
  TableSeverity severity = TableSeverity::kFault;
  Text table;                             ///< the table's file name
  std::int32_t line = 0;                  ///< 1-based; 0 for the file as a whole
  std::vector<Text> values;               ///< as the fault names them
  std::optional<LoggedAddition> addedBy;  ///< the log's line that added it, where it knows
};

/// What a check of a folder found.
struct TableHealth {
  Text folder;                         ///< the pattern-data folder, drive form
  std::int32_t tables = 0;             ///< the tables read
  std::int64_t lines = 0;              ///< their lines
  std::vector<TableFinding> findings;  ///< in table order, then line order
  bool lockHeld = false;               ///< whether a run (or another program) holds the lock
  std::optional<LockHolder> holder;    ///< who, when its line names it
  std::vector<LoggedAddition> log;     ///< the folder's log of additions

  /// Whether no finding is a fault.
  bool Healthy() const;
};

/// Reads every table of the folder, under a shared lock where the folder has a lock file.
TableHealth CheckTableHealth(FileSystem& fs, const Text& patternFolder);

/// The finding in words, and what to do about it.
CatalogueMessage DescribeFinding(const TableFinding& finding);
CatalogueMessage AdviceFor(const TableFinding& finding);
/// Who added the line, in words (empty message id kPlainText with no text when unknown).
std::optional<CatalogueMessage> AddedByText(const TableFinding& finding);

/// The fault's name in JSON ("codeTwice").
const char* FaultName(TableFault fault);

}  // namespace gdf
