// section_s.cpp - The "$S" section: rows of a depth and seven observation columns.
//
// Each column is collected into a depth list of its own and written to its own record file:
// column 1 to X3.TXT, its letters turned into codes through the L4.TXT pairs; columns 2 to 7 to
// R31.TXT .. R35.TXT and R30.TXT, their values turned into codes through the code tables
// L13.TXT .. L17.TXT and L19.TXT, which take every value that they do not hold yet.
#include <array>
#include <cstdint>
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/depth_list.h"
#include "sections/section.h"
#include "tables/code_tables.h"
#include "tables/table_field.h"

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

class SectionS : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    // Room for one entry per row: a column that stays sparse leaves its pages untouched.
    if (header.count > 0) {
      for (DepthList& list : lists_) list.Reserve(static_cast<std::size_t>(header.count));
    }
    ReadFixedRecords(reader, header, 9, notes, [&](const FixedRecord& record) {
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
        notes.Warning(record.SourceLine(1), depth.empty()
                                                ? Say(MessageId::kCheckRowWithoutDepth)
                                                : Say(MessageId::kCheckDepthNotNumber, {depth}));
      }
    });
    CheckCodeTableValues(notes, reader.File());
    for (std::size_t column = 0; column < lists_.size(); ++column) {
      if (lists_[column].Entries().size() > kMostNumbered) {
        notes.Fault({FailureKind::kOverflow,
                     {},
                     reader.File().Name(),
                     header.SourceLine(),
                     Say(MessageId::kColumnTooManyEntries,
                         {NumberText(static_cast<long long>(column) + 1),
                          NumberText(static_cast<long long>(lists_[column].Entries().size())),
                          Count(kMostNumbered)})});
      }
    }
  }

  void Write(SectionContext& context) override;

 private:
  // The values of columns 2 to 7 as their code tables will hold them.
  void CheckCodeTableValues(SectionNotes& notes, const LineFile& source) const {
    for (std::size_t column = 1; column < lists_.size(); ++column) {
      const Text table = ColumnCodeTableName(kColumns[column].typeNumber);
      for (const DepthEntry& entry : lists_[column].Entries()) {
        const ValueParts parts = SplitAtRangeMark(entry.value);
        CheckTableValue(notes, parts.first, entry.line, table, source);
        CheckTableValue(notes, parts.second, entry.line, table, source);
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
                   ColumnCodeTable& table) {
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
      !Trim(parts.first).empty() && Trim(firstCode).empty() && table.FreeCodes() > 0;
  const bool secondIsFirst = addFirst && parts.second == parts.first;
  const bool addSecond = !Trim(parts.second).empty() && Trim(secondCode).empty() &&
                         !secondIsFirst && table.FreeCodes() > (addFirst ? 1 : 0);
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
    if (target.typeNumber == 0) {
      L4Codes table(context.l4, context.TablePath(u"L4.TXT"));
      WriteRecordFile(context, target.recordFile, entries,
                      [&](PrintFile& file, std::int16_t& counter, const DepthEntry& entry) {
                        WriteX3Record(file, counter, entry.depth, entry.value, table);
                      });
    } else {
      ColumnCodeTable table(context, target.typeNumber);
      WriteRecordFile(context, target.recordFile, entries,
                      [&](PrintFile& file, std::int16_t& counter, const DepthEntry& entry) {
                        WriteR3Record(file, counter, entry.depth, entry.value, table);
                      });
    }
  }
}

}  // namespace

std::unique_ptr<Section> MakeSectionS() { return std::make_unique<SectionS>(); }

}  // namespace gdf
