// code_tables.h - The code tables of the pattern-data folder, which turn a letter or a name into
// a code: L4.TXT for the letters of X3.TXT; L1.TXT and L2.TXT, looked up once each for the title
// lists; and the tables that grow with every name they do not hold yet, L13.TXT .. L17.TXT and
// L19.TXT for the columns of "$S", L18.txt and L18b.txt for the names of "$H". The growing
// tables find a name by one of two matching rules (`CodeMatch`).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/file_system.h"
#include "tables/table_folder.h"
#include "text/text.h"

namespace gdf {

/// One pair of the L4.TXT table: a code and its one-character key.
struct L4Pair {
  Text code;
  Text key;
};

/// Reads the pairs of L4.TXT at `path`, in file order.
std::vector<L4Pair> ReadL4Pairs(const FileSystem& fs, TextView path);

/// The L4.TXT pairs as X3.TXT uses them: a character selects the first pair whose key is that
/// one character, compared exactly.
class L4Codes {
 public:
  /// `pairs` must outlive the codes; `tablePath` names the table in errors.
  L4Codes(const std::vector<L4Pair>& pairs, Text tablePath);

  /// Three two-character slots for the codes of the first three characters of `part`; a
  /// character without a key takes no slot, and a slot without a code (or with code 0) holds
  /// two blanks. Throws the overflow error for a selected code beyond the 16-bit range.
  Text CodeText(const Text& part);

 private:
  const Text& Slot(std::size_t pair);

  const std::vector<L4Pair>& pairs_;
  std::vector<std::optional<Text>> slots_;  // each pair's slot text, once a character selects it
  std::unordered_map<char16_t, std::size_t> firstPairOfKey_;
  Text tablePath_;
};

/// Entry 17 of title list 2: the first L1.TXT code whose name equals `h12` folded to half
/// width, upper case and trimmed; empty when none does.
Text LookUpL1Code(const TableFolder& folder, TextView h12);

/// Entry 31 of title list 2: the first L2.TXT code whose name holds `h21` in full or half width
/// (an empty `h21` is held by every name that is not empty); empty when none does.
Text LookUpL2Code(const TableFolder& folder, TextView h21);

/// The two rules by which a growing code table finds the line of a name.
enum class CodeMatch {
  /// The last line whose name equals the value, or whose name brought to full width equals it
  /// (the column tables of "$S").
  kLastEqualOrFullWidth,
  /// The first line whose name equals the value with letter case folded: Unicode simple case
  /// folding, so that full-width letters fold too; width and kana are not folded (L18.txt,
  /// L18b.txt).
  kFirstFoldingCase,
};

/// The codes of a table's lines by name, under one matching rule.
class CodeIndex {
 public:
  explicit CodeIndex(CodeMatch match) : match_(match) {}
  /// Takes the next line of the table, in file order.
  void Add(const Text& code, TextView name);
  /// The code, as the line holds it, of the line that the rule finds for `value`; nothing when
  /// no line matches.
  const Text* Find(TextView value) const;
  /// The lines taken.
  std::size_t Lines() const { return lines_; }

 private:
  CodeMatch match_;
  std::size_t lines_ = 0;
  std::unordered_map<Text, Text> codeOfKey_;
};

/// The code table of a "$S" column ("L" + type number + 12 + ".TXT": L13.TXT .. L17.TXT,
/// L19.TXT): a code and a name a line, L17.TXT with a blank field between them. Read once when
/// made (a missing table stops the run) and kept in step with every line added to it, so that a
/// look-up gives what reading the table afresh would. Its codes stop below 100.
class ColumnCodeTable {
 public:
  ColumnCodeTable(TableFolder& folder, std::int16_t typeNumber);

  /// The code, as the field read gives it, that the table holds for `part`
  /// (CodeMatch::kLastEqualOrFullWidth); nothing when it holds none.
  const Text* Find(const Text& part) const { return index_.Find(part); }
  /// How many more codes the table can give: the highest code and those above it up to 99
  /// are taken.
  int FreeCodes() const;
  const Text& Path() const { return path_; }
  /// Adds `part` with the next free code, in one write, and gives that code as written ([ 7],
  /// [42]).
  Text Append(const Text& part);

 private:
  TableFolder& folder_;
  std::int16_t typeNumber_;
  Text fileName_;
  Text path_;
  CodeIndex index_{CodeMatch::kLastEqualOrFullWidth};
  int nextCode_ = 1;
  std::string lastByte_;  // the table's last byte, enough to tell whether it ends a line
};

/// The file name of the code table of a "$S" column's type number.
Text ColumnCodeTableName(std::int16_t typeNumber);

/// L18.txt or L18b.txt: a code and a name a line. Read when first asked, and kept in step with
/// the lines added to it, which gives what reading it afresh for every name would: the run
/// holds the folder's lock, so no one else changes it meanwhile. It holds at most 99 names,
/// which two digits can number.
class NameCodeTable {
 public:
  NameCodeTable(TableFolder& folder, Text fileName);

  /// The code of `name` (CodeMatch::kFirstFoldingCase) as a number without its leading blank
  /// ([05] gives [5]), or the empty code when the table is missing or empty (it is then not
  /// created) or full. A name that the table does not hold is added with the next code, n + 1
  /// for a table of n entries, written with two digits ([07]).
  Text LookupOrAddCode(const Text& name);

 private:
  void Load();

  TableFolder& folder_;
  Text fileName_;
  Text path_;
  bool loaded_ = false;
  bool present_ = false;
  std::string lastByte_;  // the table's last byte, enough to tell whether it ends a line
  CodeIndex index_{CodeMatch::kFirstFoldingCase};
};

}  // namespace gdf
