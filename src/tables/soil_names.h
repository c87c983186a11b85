// soil_names.h - Soil-name classification: the code of a layer name from the name tables
// KISHITU.TXT and XKISHITU.TXT, and the adding of names that neither holds.
//
// A name is searched in six passes, stopping at the first full match: KISHITU.TXT by code
// range A (5000 to 5499), B (1000 to 3999) and C (1 to 999), then XKISHITU.TXT by the same
// ranges. Only the part of a table name before "（" counts, and only a table name equal to
// the layer name gives its code. A name found in XKISHITU.TXT is appended to KISHITU.TXT; a
// name found nowhere gets the next code from 2000 upwards in XKISHITU.TXT, placed ahead of the
// entries of 4000 and more, and is appended to KISHITU.TXT too.
//
// The tables are read once per section and kept in memory with their changes; Commit writes
// the changes (also after a failure part-way), so that the files end as if every name had been
// written at once: XKISHITU.TXT replaced in one step through XKISHITU.TMP, KISHITU.TXT
// appended to, PATADD.txt left in the program's folder.
#pragma once

#include <memory>
#include <optional>

#include "tables/table_folder.h"
#include "text/text.h"

namespace gdf {

/// The code ranges that the search knows.
enum class CodeRange { kA, kB, kC };

/// The range of a code's value, or nothing for a code that no search finds (0, 4000 to 4999,
/// 5500 and above).
std::optional<CodeRange> RangeOfCode(float value);

/// The codes of added names: from kFirstAddedCode up to, not including, kFirstHighCode, in
/// XKISHITU.TXT ahead of its entries of kFirstHighCode and more.
inline constexpr float kFirstAddedCode = 2000;
inline constexpr float kFirstHighCode = 4000;
/// Whether a code's value is that of an added name.
constexpr bool IsAddedNameCode(double value) {
  return value >= kFirstAddedCode && value < kFirstHighCode;
}

/// The part of a table name that counts for matching: the text before the first "（".
Text MatchingPart(TextView tableName);

/// The two name tables as one section sees them, with the changes it made.
class SoilNameTables {
 public:
  /// Reads nothing yet: each table is read when a search first needs it.
  explicit SoilNameTables(TableFolder& context);
  ~SoilNameTables();
  SoilNameTables(const SoilNameTables&) = delete;
  SoilNameTables& operator=(const SoilNameTables&) = delete;

  /// Writes the changes: XKISHITU.TXT, then KISHITU.TXT, then PATADD.txt, and reports every
  /// added table line. Writes nothing when nothing changed; may be called again.
  void Commit();

 private:
  friend Text ClassifySoilName(SoilNameTables& tables, TextView layerName, TextView attribute);
  struct State;
  std::unique_ptr<State> state_;
};

/// The four-digit code of a layer name ("0000" for an empty name), adding the name to the
/// tables when neither holds it. `attribute` becomes fields 3 and 4 of a new entry. Throws
/// RunError when a table cannot be read, when the added names' code space is used up, or when
/// an entry could not be written so that it reads back as six fields; the tables are then
/// unchanged for this name.
Text ClassifySoilName(SoilNameTables& tables, TextView layerName, TextView attribute);

}  // namespace gdf
