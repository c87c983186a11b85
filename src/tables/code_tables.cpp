// code_tables.cpp - Reading the code tables, looking codes up in them and growing them.
#include "tables/code_tables.h"

#include <algorithm>
#include <utility>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "common/utility_library.h"
#include "tables/table_field.h"
#include "tables/table_file.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

// Codes that the growing tables give are two digits.
constexpr int kCodeLimit = 100;

// Letter case folded by Unicode simple case folding, as the second matching rule compares.
Text FoldCase(TextView name) {
  Text folded(name);
  for (char16_t& ch : folded) ch = SimpleFold(ch);
  return folded;
}

// The first code of a code-and-name table whose name passes `matches`; empty when none does.
// Reads only as far as the first match, as a search that stops there would.
template <typename Matches>
Text LookUpCode(const TableFolder& folder, TextView table, Matches&& matches) {
  const LineFile file = LoadTable(folder.fs, folder.TablePath(table));
  TextReader reader(file);
  for (reader.SkipBlankLines(); !reader.AtEnd(); reader.SkipBlankLines()) {
    Text code = reader.ReadField();
    const Text name = reader.ReadField();
    if (matches(name)) return code;
  }
  return {};
}

// The last byte of a table's content, which tells whether the table ends a line.
std::string LastByte(const std::string& bytes) {
  return bytes.empty() ? std::string() : bytes.substr(bytes.size() - 1);
}

}  // namespace

std::vector<L4Pair> ReadL4Pairs(const FileSystem& fs, TextView path) {
  const LineFile table = LoadTable(fs, path);
  std::vector<L4Pair> pairs;
  for (std::vector<Text>& pair : ReadTableEntries(table, 2)) {
    pairs.push_back({std::move(pair[0]), std::move(pair[1])});
  }
  return pairs;
}

L4Codes::L4Codes(const std::vector<L4Pair>& pairs, Text tablePath)
    : pairs_(pairs), slots_(pairs.size()), tablePath_(std::move(tablePath)) {
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i].key.size() == 1) firstPairOfKey_.emplace(pairs[i].key.front(), i);
  }
}

Text L4Codes::CodeText(const Text& part) {
  Text text;
  for (std::size_t i = 0; i < part.size() && i < 3; ++i) {
    const auto found = firstPairOfKey_.find(part[i]);
    if (found != firstPairOfKey_.end()) text += Slot(found->second);
  }
  text.resize(6, u' ');
  return text;
}

const Text& L4Codes::Slot(std::size_t pair) {
  std::optional<Text>& slot = slots_[pair];
  if (!slot) {
    const Text& code = pairs_[pair].code;
    std::int16_t value = 0;
    try {
      value = ToInt16(NumericOrZero(code));
    } catch (const RunError&) {
      throw RunError(FailureKind::kOverflow,
                     Say(MessageId::kCodeBeyond16, {code, pairs_[pair].key}), tablePath_);
    }
    slot = value == 0 ? Text(u"  ") : RightChars(u"00" + WithoutLeadingBlank(StrForm(value)), 2);
  }
  return *slot;
}

Text LookUpL1Code(const TableFolder& folder, TextView h12) {
  const Text key = TrimLeft(TrimRight(ToUpperSimple(ToHalfWidth(h12))));
  return LookUpCode(folder, u"L1.TXT", [&](const Text& name) { return name == key; });
}

Text LookUpL2Code(const TableFolder& folder, TextView h21) {
  const Text full = ToFullWidth(h21);
  const Text half = ToHalfWidth(h21);
  return LookUpCode(folder, u"L2.TXT", [&](const Text& name) {
    return !name.empty() && (name.find(full) != Text::npos || name.find(half) != Text::npos);
  });
}

void CodeIndex::Add(const Text& code, TextView name) {
  ++lines_;
  switch (match_) {
    case CodeMatch::kLastEqualOrFullWidth:
      // A later line overrides an earlier one: the last matching line wins.
      codeOfKey_[ToFullWidth(name)] = code;
      codeOfKey_[Text(name)] = code;
      return;
    case CodeMatch::kFirstFoldingCase:
      // The first line of a name is the one a search in file order finds.
      codeOfKey_.emplace(FoldCase(name), code);
      return;
  }
}

const Text* CodeIndex::Find(TextView value) const {
  const auto found =
      codeOfKey_.find(match_ == CodeMatch::kFirstFoldingCase ? FoldCase(value) : Text(value));
  return found == codeOfKey_.end() ? nullptr : &found->second;
}

Text ColumnCodeTableName(std::int16_t typeNumber) {
  return FromAscii("L" + std::to_string(typeNumber + 12) + ".TXT");
}

ColumnCodeTable::ColumnCodeTable(TableFolder& folder, std::int16_t typeNumber)
    : folder_(folder),
      typeNumber_(typeNumber),
      fileName_(ColumnCodeTableName(typeNumber)),
      path_(folder.TablePath(fileName_)) {
  try {
    const LineFile table = LoadTable(folder_.fs, path_);
    lastByte_ = LastByte(table.Bytes());
    const int fields = typeNumber_ == 5 ? 3 : 2;
    std::int16_t highest = 0;
    for (std::vector<Text>& entry : ReadTableEntries(table, fields)) {
      const float value = NumericOrZero(entry[0]);
      if (value > highest) {
        try {
          highest = ToInt16(value);
        } catch (const RunError&) {
          throw RunError(FailureKind::kOverflow, Say(MessageId::kCodeBeyond16, {entry[0], Text()}),
                         path_);
        }
      }
      index_.Add(entry[0], entry[static_cast<std::size_t>(fields) - 1]);
    }
    nextCode_ = highest + 1;
  } catch (RunError& error) {
    if (error.failure().file.empty()) error.failure().file = path_;
    throw;
  }
}

int ColumnCodeTable::FreeCodes() const { return std::max(0, kCodeLimit - nextCode_); }

Text ColumnCodeTable::Append(const Text& part) {
  const Text code = RightAlign(StrForm(nextCode_), 2);
  Text line = code + u",";
  if (typeNumber_ == 5) line += u"      ,";
  line += TableField(part, path_);
  AppendTableLine(folder_.fs, path_, line, &lastByte_);
  lastByte_ = "\n";
  index_.Add(Trim(code), part);
  folder_.NoteTableLine(fileName_, code, part);
  ++nextCode_;
  return code;
}

NameCodeTable::NameCodeTable(TableFolder& folder, Text fileName)
    : folder_(folder), fileName_(std::move(fileName)), path_(folder.TablePath(fileName_)) {}

void NameCodeTable::Load() {
  if (loaded_) return;
  loaded_ = true;
  present_ = FileSize(folder_.fs, path_) > 0;
  if (!present_) return;
  const LineFile table = LoadTable(folder_.fs, path_);
  lastByte_ = LastByte(table.Bytes());
  for (std::vector<Text>& entry : ReadTableEntries(table, 2)) index_.Add(entry[0], entry[1]);
}

Text NameCodeTable::LookupOrAddCode(const Text& name) {
  Load();
  if (!present_) return {};
  if (const Text* code = index_.Find(name)) {
    return WithoutLeadingBlank(StrForm(NumericOrZero(*code)));
  }
  if (index_.Lines() >= static_cast<std::size_t>(kCodeLimit - 1)) return {};
  const Text code = WithoutLeadingBlank(StrForm(static_cast<int>(index_.Lines()) + 1));
  const Text written = RightChars(u"00" + code, 2);
  AppendTableLine(folder_.fs, path_, written + u"," + TableField(name, path_), &lastByte_);
  lastByte_ = "\n";
  index_.Add(written, name);
  folder_.NoteTableLine(fileName_, written, name);
  return code;
}

}  // namespace gdf
