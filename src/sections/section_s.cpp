// section_s.cpp - The "$S" section: rows of a depth and seven observation columns.
//
// Each column is collected into a depth list of its own and written to its own record file:
// column 1 to X3.TXT, its letters turned into codes through the L4.TXT pairs; columns 2 to 7 to
// R31.TXT .. R35.TXT and R30.TXT, their values turned into codes through the code tables
// L13.TXT .. L17.TXT and L19.TXT, which take every value that they do not hold yet.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "common/routines.h"
#include "sections/depth_list.h"
#include "sections/section.h"
#include "tables/table_field.h"
#include "tables/table_file.h"

namespace gdf {
namespace {

// A column's record file and the type number of its code table (0: X3.TXT, coded by L4.TXT).
struct Column {
  const char16_t* recordFile;
  std::int16_t typeNumber;
};

// In the order the record files are written; the last column has type number 7, not 6.
constexpr std::array<Column, 7> kColumns = {{{u"X3.TXT", 0},
                                             {u"R31.TXT", 1},
                                             {u"R32.TXT", 2},
                                             {u"R33.TXT", 3},
                                             {u"R34.TXT", 4},
                                             {u"R35.TXT", 5},
                                             {u"R30.TXT", 7}}};

// A list of 32 767 entries would raise its record counter past the 16-bit range.
constexpr std::size_t kMostEntries = 32766;

// Codes that the code tables take are two digits: a table stops growing below 100.
constexpr int kCodeLimit = 100;

// A value split at its first range mark: part 1 before it, part 2 after it (empty without one).
struct ValueParts {
  Text first;
  Text second;
};

ValueParts SplitAtRangeMark(const Text& value) {
  const std::size_t mark = value.find(kRangeMark);
  if (mark == Text::npos) return {value, {}};
  return {value.substr(0, mark), value.substr(mark + 1)};
}

Text WithoutLeadingBlank(Text text) {
  if (!text.empty() && text.front() == u' ') text.erase(0, 1);
  return text;
}

// The L4.TXT pairs as X3.TXT uses them: a character selects the first pair whose key is that
// one character, compared exactly.
class L4Codes {
 public:
  L4Codes(const std::vector<L4Pair>& pairs, Text tablePath)
      : pairs_(pairs), slots_(pairs.size()), tablePath_(std::move(tablePath)) {
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (pairs[i].key.size() == 1) firstPairOfKey_.emplace(pairs[i].key.front(), i);
    }
  }

  // Three two-character slots for the codes of the part's first three characters; a
  // character without a key takes no slot, and a slot without a code (or with code 0) holds
  // two blanks.
  Text CodeText(const Text& part) {
    Text text;
    for (std::size_t i = 0; i < part.size() && i < 3; ++i) {
      const auto found = firstPairOfKey_.find(part[i]);
      if (found != firstPairOfKey_.end()) text += Slot(found->second);
    }
    text.resize(6, u' ');
    return text;
  }

 private:
  const Text& Slot(std::size_t pair) {
    std::optional<Text>& slot = slots_[pair];
    if (!slot) {
      const Text& code = pairs_[pair].code;
      std::int16_t value = 0;
      try {
        value = ToInt16(NumericOrZero(code));
      } catch (const RunError&) {
        throw RunError(FailureKind::kOverflow,
                       u"The code [" + code + u"] of the key [" + pairs_[pair].key +
                           u"] is beyond the 16-bit range.",
                       tablePath_);
      }
      slot = value == 0 ? Text(u"  ") : RightChars(u"00" + WithoutLeadingBlank(StrForm(value)), 2);
    }
    return *slot;
  }

  const std::vector<L4Pair>& pairs_;
  std::vector<std::optional<Text>> slots_;  // each pair's slot text, once a character selects it
  std::unordered_map<char16_t, std::size_t> firstPairOfKey_;
  Text tablePath_;
};

// The file name of a code table: "L" + type number + 12 + ".TXT".
Text CodeTableName(std::int16_t typeNumber) {
  return FromAscii("L" + std::to_string(typeNumber + 12) + ".TXT");
}

// A code table of the pattern-data folder ("L" + type number + 12 + ".TXT"), read once for the
// column and kept in step with every line added to it, so that a lookup gives what reading the
// table afresh would give. Lines are added one write each, as they are found to be needed.
class CodeTable {
 public:
  CodeTable(SectionContext& context, std::int16_t typeNumber)
      : context_(context),
        typeNumber_(typeNumber),
        fileName_(CodeTableName(typeNumber)),
        path_(context.TablePath(fileName_)) {
    try {
      Load();
    } catch (RunError& error) {
      if (error.failure().file.empty()) error.failure().file = path_;
      throw;
    }
  }

  // The code, as the field read gives it, of the last line whose name equals `part` or, once
  // brought to full width, equals `part`; nothing when no line matches.
  const Text* Find(const Text& part) const {
    const auto found = codeOfName_.find(part);
    return found == codeOfName_.end() ? nullptr : &found->second;
  }

  int NextCode() const { return nextCode_; }
  const Text& Path() const { return path_; }

  // Adds `part` with the next free code and gives that code as written ([ 7], [42]).
  Text Append(const Text& part) {
    const Text code = RightAlign(StrForm(nextCode_), 2);
    Text line = code + u",";
    if (typeNumber_ == 5) line += u"      ,";
    line += TableField(part, path_);
    AppendTableLine(context_.fs, path_, line, &lastByte_);
    lastByte_ = "\n";
    Remember(Trim(code), part);
    context_.NoteTableLine(fileName_, code, part);
    ++nextCode_;
    return code;
  }

 private:
  void Load() {
    const LineFile table = LoadTable(context_.fs, path_);
    if (!table.Bytes().empty()) lastByte_ = table.Bytes().substr(table.Bytes().size() - 1);
    const int fields = typeNumber_ == 5 ? 3 : 2;
    std::int16_t highest = 0;
    for (std::vector<Text>& entry : ReadTableEntries(table, fields)) {
      const float value = NumericOrZero(entry[0]);
      if (value > highest) {
        try {
          highest = ToInt16(value);
        } catch (const RunError&) {
          throw RunError(FailureKind::kOverflow,
                         u"The code [" + entry[0] + u"] is beyond the 16-bit range.", path_);
        }
      }
      Remember(std::move(entry[0]), entry[static_cast<std::size_t>(fields) - 1]);
    }
    nextCode_ = highest + 1;
  }

  // A later line overrides an earlier one: the last matching line wins.
  void Remember(Text code, const Text& name) {
    codeOfName_[ToFullWidth(name)] = code;
    codeOfName_[name] = std::move(code);
  }

  SectionContext& context_;
  std::int16_t typeNumber_;
  Text fileName_;
  Text path_;
  int nextCode_ = 1;
  std::string lastByte_;  // the table's last byte, enough to tell whether it ends a line
  std::unordered_map<Text, Text> codeOfName_;  // a name, and its full-width form -> code
};

class SectionS : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    // Room for one entry per row: a column that stays sparse leaves its pages untouched.
    if (header.count > 0) {
      for (DepthList& list : lists_) list.Reserve(static_cast<std::size_t>(header.count));
    }
    ReadFixedRecords(
        reader, header, 9, notes,
        [&](const FixedRecord& record) {
          const Text depth = Trim(record[1]);
          bool any = false;
          for (std::size_t column = 0; column < lists_.size(); ++column) {
            const int k = static_cast<int>(column) + 2;
            const Text value = Trim(record[k]);
            const DepthTake take = lists_[column].Take(value, depth, record.SourceLine(k));
            if (!record.checked) continue;
            any = any || !value.empty();
            CheckRangeMark(notes, take, value, record.SourceLine(k), k - 1);
          }
          if (any && !DepthValue(record[1])) {
            notes.Warning(record.SourceLine(1),
                          depth.empty() ? Text(u"The row has values but no depth.")
                                        : u"The depth " + Bracketed(depth) + u" is not a number.");
          }
        },
        [&] { CheckCodeTableValues(notes); });
    for (std::size_t column = 0; column < lists_.size(); ++column) {
      if (lists_[column].Entries().size() > kMostEntries) {
        notes.Fault({FailureKind::kOverflow, {}, reader.File().Name(), header.SourceLine(),
                     u"Column " + NumberText(static_cast<long long>(column) + 1) + u" has " +
                         NumberText(static_cast<long long>(lists_[column].Entries().size())) +
                         u" entries; at most 32766 can be numbered."});
      }
    }
  }

  void Write(SectionContext& context) override;

 private:
  // The values of columns 2 to 7 as their code tables will hold them, from the rows checked.
  void CheckCodeTableValues(SectionNotes& notes) const {
    for (std::size_t column = 1; column < lists_.size(); ++column) {
      const Text table = CodeTableName(kColumns[column].typeNumber);
      for (const DepthEntry& entry : lists_[column].Entries()) {
        const ValueParts parts = SplitAtRangeMark(entry.value);
        CheckTableValue(notes, parts.first, entry.line, table);
        CheckTableValue(notes, parts.second, entry.line, table);
      }
    }
  }

  std::array<DepthList, 7> lists_;
};

// One X3.TXT line: counter, depth, code text and part 1, code text and part 2, and "～" when
// part 2 is not empty.
void WriteX3Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& value,
                   L4Codes& table) {
  if (Trim(value).empty()) return;
  const ValueParts parts = SplitAtRangeMark(value);
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," +
                 table.CodeText(parts.first) + u"," + parts.first + u"," +
                 table.CodeText(parts.second) + u"," + parts.second + u"," +
                 (parts.second.empty() ? Text() : Text(1, kRangeMark)));
  Increment16(counter);
}

// One line of R31.TXT .. R35.TXT or R30.TXT: counter, depth, code and part 1, code and part 2.
// A part that the table does not hold is added to it with the next free code while there is
// one; a part 2 equal to a part 1 just added takes its code.
void WriteR3Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& value,
                   CodeTable& table) {
  const ValueParts parts = SplitAtRangeMark(value);
  Text firstCode = u"  ";
  Text secondCode = u"  ";
  if (!parts.first.empty()) {
    if (const Text* code = table.Find(parts.first)) firstCode = *code;
  }
  if (!parts.second.empty()) {
    if (const Text* code = table.Find(parts.second)) secondCode = *code;
  }
  const bool addFirst =
      !Trim(parts.first).empty() && Trim(firstCode).empty() && table.NextCode() < kCodeLimit;
  const bool secondIsFirst = addFirst && parts.second == parts.first;
  const bool addSecond = !Trim(parts.second).empty() && Trim(secondCode).empty() &&
                         !secondIsFirst && table.NextCode() + (addFirst ? 1 : 0) < kCodeLimit;
  // Both parts are checked before either is added, so that a value the table cannot hold
  // leaves the table as it was.
  if (addFirst) TableField(parts.first, table.Path());
  if (addSecond) TableField(parts.second, table.Path());
  if (addFirst) firstCode = table.Append(parts.first);
  if (secondIsFirst) secondCode = firstCode;
  if (addSecond) secondCode = table.Append(parts.second);
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," + firstCode + u"," +
                 parts.first + u"," + secondCode + u"," + parts.second);
  Increment16(counter);
}

void SectionS::Write(SectionContext& context) {
  for (std::size_t column = 0; column < lists_.size(); ++column) {
    const std::vector<DepthEntry>& entries = lists_[column].Entries();
    if (entries.empty()) continue;
    const Column& target = kColumns[column];
    std::int16_t counter = 1;
    if (target.typeNumber == 0) {
      L4Codes table(context.l4, context.TablePath(u"L4.TXT"));
      PrintFile file(context.fs, context.RecordPath(target.recordFile));
      for (const DepthEntry& entry : entries) {
        WriteX3Record(file, counter, entry.depth, entry.value, table);
      }
      context.CloseRecordFile(file, target.recordFile);
    } else {
      CodeTable table(context, target.typeNumber);
      PrintFile file(context.fs, context.RecordPath(target.recordFile));
      for (const DepthEntry& entry : entries) {
        WriteR3Record(file, counter, entry.depth, entry.value, table);
      }
      context.CloseRecordFile(file, target.recordFile);
    }
  }
}

}  // namespace

std::unique_ptr<Section> MakeSectionS() { return std::make_unique<SectionS>(); }

}  // namespace gdf
