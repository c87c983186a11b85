// section_h.cpp - The "$H" section: three columns by depth, written to R72.TXT, the third
// column's two names replaced by codes from L18.txt and L18b.txt, which grow with new names.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "common/routines.h"
#include "common/utility_library.h"
#include "sections/depth_merge.h"
#include "sections/section.h"
#include "tables/table_field.h"
#include "tables/table_file.h"

namespace gdf {
namespace {

// Codes are two digits: a table stops growing at 99 entries.
constexpr std::size_t kMostCodes = 99;

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

// A record with any value needs a depth; the names of column 3 must fit L18.txt and L18b.txt.
void CheckRecord(SectionNotes& notes, const FixedRecord& record) {
  const Text third = Trim(record[4]);
  if (!Trim(record[2]).empty() || !Trim(record[3]).empty() || !third.empty()) {
    CheckRecordDepth(notes, record);
  }
  if (third.empty()) return;
  const char16_t* unless = u", unless the table is missing, empty or full";
  CheckTableValue(notes, FirstName(third), record.SourceLine(4), u"L18.txt", unless);
  if (NameSeparator(third) != Text::npos) {
    CheckTableValue(notes, SecondName(third), record.SourceLine(4), u"L18b.txt", unless);
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
    });
  }
  void Write(SectionContext& context) override;

 private:
  std::vector<DepthEntry> lists_[3];
};

// Names are compared folding letter case only: Unicode simple case folding, so that full-width
// letters fold too; width and kana are not folded. Two names are equal when their folded forms
// are, as EqualFoldingCase tests.
Text FoldCase(TextView name) {
  Text folded(name);
  for (char16_t& ch : folded) ch = SimpleFold(ch);
  return folded;
}

Text WithoutLeadingBlank(Text text) {
  if (!text.empty() && text.front() == u' ') text.erase(0, 1);
  return text;
}

// A code table of the pattern-data folder (one entry a line: code, name). It is read once per
// section and kept in step with the lines added to it, which gives what reading it afresh for
// every name would: the run holds the folder's lock, so no one else changes it meanwhile.
class CodeTable {
 public:
  CodeTable(SectionContext& context, Text fileName)
      : context_(context), fileName_(std::move(fileName)), path_(context.TablePath(fileName_)) {}

  // The code of `name`, or the empty code when the table is missing or empty (it is then not
  // created) or already holds the 99 names that two digits can number. A name that the table
  // does not hold is added with the next code, n + 1 for a table of n entries.
  Text LookupOrAddCode(const Text& name) {
    Load();
    if (!present_) return {};
    // The comparison folds letter case only (FoldCase): no width or kana folding.
    const auto found = entryByName_.find(FoldCase(name));
    if (found != entryByName_.end()) {
      return WithoutLeadingBlank(StrForm(NumericOrZero(codes_[found->second])));
    }
    if (codes_.size() >= kMostCodes) return {};
    const Text code = WithoutLeadingBlank(StrForm(static_cast<int>(codes_.size()) + 1));
    const Text written = RightChars(u"00" + code, 2);
    const Text line = written + u"," + TableField(name, path_);
    AppendTableLine(context_.fs, path_, line, &content_);
    if (!EndsWithLineEnd(content_)) content_ += "\r\n";
    Cp932EncodeAppend(line, content_);
    content_ += "\r\n";
    Add(written, name);
    context_.NoteTableLine(fileName_, written, name);
    return code;
  }

 private:
  void Load() {
    if (loaded_) return;
    loaded_ = true;
    present_ = FileSize(context_.fs, path_) > 0;
    if (!present_) return;
    const LineFile table = LoadTable(context_.fs, path_);
    content_ = table.Bytes();
    for (std::vector<Text>& entry : ReadTableEntries(table, 2)) Add(entry[0], entry[1]);
  }

  // The first entry of a name is the one a search in file order finds.
  void Add(const Text& code, const Text& name) {
    entryByName_.emplace(FoldCase(name), codes_.size());
    codes_.push_back(code);
  }

  SectionContext& context_;
  Text fileName_;
  Text path_;
  bool loaded_ = false;
  bool present_ = false;
  std::string content_;
  std::vector<Text> codes_;                            // in file order
  std::unordered_map<Text, std::size_t> entryByName_;  // folded name -> its first entry
};

void WriteR72Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& column1,
                    const Text& column3, const Text& column2, CodeTable& firstNames,
                    CodeTable& secondNames) {
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
  CodeTable firstNames(context, u"L18.txt");
  CodeTable secondNames(context, u"L18b.txt");
  PrintFile file(context.fs, context.RecordPath(u"R72.TXT"));
  std::int16_t counter = 1;
  for (const MergedRow& row : rows) {
    WriteR72Record(file, counter, row.depth, row.values[0], row.values[2], row.values[1],
                   firstNames, secondNames);
  }
  context.CloseRecordFile(file, u"R72.TXT");
}

}  // namespace

std::unique_ptr<Section> MakeSectionH() { return std::make_unique<SectionH>(); }

}  // namespace gdf
