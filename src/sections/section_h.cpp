// section_h.cpp - The "$H" section: three columns by depth, written to R72.TXT, the third
// column's two names replaced by codes from L18.txt and L18b.txt, which grow with new names.
#include <memory>
#include <vector>

#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/depth_merge.h"
#include "sections/section.h"
#include "tables/code_tables.h"

namespace gdf {
namespace {

// The names of column 3 split at the first "/", or else at the first "／"; they keep their
// blanks. The first goes to L18.txt, the second (empty without a separator) to L18b.txt.
std::size_t NameSeparator(const Text& column3) {
  const std::size_t slash = column3.find(u'/');
  return slash == Text::npos ? column3.find(u'／') : slash;
}
Text FirstName(const Text& column3) { return column3.substr(0, NameSeparator(column3)); }
Text SecondName(const Text& column3) {
  const std::size_t slash = NameSeparator(column3);
  return slash == Text::npos ? Text() : column3.substr(slash + 1);
}

// A record with any value needs a depth.
void CheckRecord(SectionNotes& notes, const FixedRecord& record) {
  if (!Trim(record[2]).empty() || !Trim(record[3]).empty() || !Trim(record[4]).empty()) {
    CheckRecordDepth(notes, record);
  }
}

// The names of column 3 must fit L18.txt and L18b.txt.
void CheckNames(SectionNotes& notes, const FixedRecord& record, const LineFile& source) {
  const Text third = Trim(record[4]);
  if (third.empty()) return;
  CheckTableValue(notes, FirstName(third), record.SourceLine(4), u"L18.txt", source);
  if (NameSeparator(third) != Text::npos) {
    CheckTableValue(notes, SecondName(third), record.SourceLine(4), u"L18b.txt", source);
  }
}

class SectionH : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    if (header.count > 0) {
      for (std::vector<DepthEntry>& list : lists_) {
        list.reserve(static_cast<std::size_t>(header.count));
      }
    }
    ReadFixedRecords(reader, header, 4, notes, [&](const FixedRecord& record) {
      const Text depth = Trim(record[1]);
      for (int column = 0; column < 3; ++column) {
        Text value = Trim(record[column + 2]);
        if (!value.empty()) lists_[column].push_back({std::move(value), depth});
      }
      if (record.checked) CheckRecord(notes, record);
      CheckNames(notes, record, reader.File());
    });
  }
  void Write(SectionContext& context) override;

 private:
  std::vector<DepthEntry> lists_[3];
};

void WriteR72Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& column1,
                    const Text& column3, const Text& column2, NameCodeTable& firstNames,
                    NameCodeTable& secondNames) {
  const Text firstName = FirstName(column3);
  const Text secondName = SecondName(column3);
  const Text firstCode = firstNames.LookupOrAddCode(firstName);
  const Text secondCode = secondNames.LookupOrAddCode(secondName);
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," + RightAlign(column1, 3) +
                 u"," + RightAlign(firstCode, 2) + u"," + firstName + u"," +
                 RightAlign(secondCode, 2) + u"," + secondName + u"," + column2);
  Increment16(counter);
}

void SectionH::Write(SectionContext& context) {
  const MergedTable rows =
      MergeDepthLists(MergeDepthLists(AsFirstList(lists_[0]), 1, lists_[1]), 2, lists_[2]);
  if (rows.empty()) return;
  NameCodeTable firstNames(context, u"L18.txt");
  NameCodeTable secondNames(context, u"L18b.txt");
  WriteRecordFile(context, u"R72.TXT", rows,
                  [&](PrintFile& file, std::int16_t& counter, const MergedRow& row) {
                    WriteR72Record(file, counter, row.depth, row.values[0], row.values[2],
                                   row.values[1], firstNames, secondNames);
                  });
}

}  // namespace

std::unique_ptr<Section> MakeSectionH() { return std::make_unique<SectionH>(); }

}  // namespace gdf
