// section_b.cpp - The "$B" section: a table by depth written to N8.TXT (dates), G71.TXT
// (interval lengths and rates) and G73.TXT (columns 6 and 7 merged by depth); columns 8 to 10
// go with the "$U" list to G81.TXT.
#include <cmath>
#include <memory>
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "sections/depth_list.h"
#include "sections/depth_merge.h"
#include "sections/g81_table.h"
#include "sections/section.h"

namespace gdf {
namespace {

/// An entry of the G71 list.
struct G71Entry {
  Text time;   ///< line 5: the time of the interval
  Text depth;  ///< line 1
  Text upper;  ///< line 3: upper depth of the interval
  Text lower;  ///< line 4: lower depth of the interval
};

class SectionB : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    if (header.count > 0) {
      for (DepthList& column : columns_) column.Reserve(static_cast<std::size_t>(header.count));
    }
    std::vector<Text> lines(11);
    ReadFixedRecords(reader, header, 10, notes, [&](const FixedRecord& record) {
      bool any = false;
      for (int k = 1; k <= 10; ++k) {
        lines[k] = Trim(record[k]);
        any = any || (k >= 2 && !lines[k].empty());
      }
      const Text& depth = lines[1];
      if (record.checked && any) CheckRecordDepth(notes, record);
      if (!lines[2].empty()) {
        if (!HasMonthAndDay(lines[2])) {
          notes.Fault({FailureKind::kBadValue,
                       {},
                       {},
                       record.SourceLine(2),
                       Say(MessageId::kDateWithoutSlash, {NumberText(record.number), lines[2]})},
                      record.checked ? std::optional(DateFault(lines[2])) : std::nullopt);
        }
        n8_.push_back({lines[2], depth});
      }
      if (!lines[5].empty()) g71_.push_back({lines[5], depth, lines[3], lines[4]});
      for (int column = 6; column <= 10; ++column) {
        const DepthTake take = columns_[column - 6].Take(lines[column], depth);
        if (record.checked) {
          CheckRangeMark(notes, take, lines[column], record.SourceLine(column), column);
        }
      }
    });
  }
  void TakeHandedList(std::vector<DepthEntry> list) override { uList_ = std::move(list); }
  void Write(SectionContext& context) override;

 private:
  std::vector<DepthEntry> uList_;  // the "$U" list, handed over by the run
  std::vector<DepthEntry> n8_;
  std::vector<G71Entry> g71_;
  DepthList columns_[5];  // columns 6 to 10, each by the range rule
};

// Month and day of "month/day", each as two digits, after the year as the header holds it.
void WriteN8Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& date,
                   const Text& year) {
  const std::size_t slash = date.find(u'/');
  const Text month = date.substr(0, slash);
  const Text day = date.substr(slash + 1);
  file.PrintLine(CounterField(counter) + u"," + year + u"/" + RightChars(u"00" + month, 2) + u"/" +
                 RightChars(u"00" + day, 2) + u"," + DepthField(depth));
  Increment16(counter);
}

// The length of the interval and the rate 6000 × length ÷ time, each cut to two decimals.
void WriteG71Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& time,
                    const Text& upper, const Text& lower) {
  if (Trim(time).empty()) return;
  const float scaledLength = (NumericOrZero(lower) - NumericOrZero(upper)) * 100.0f;
  if (!std::isfinite(scaledLength)) ThrowOverflow(MessageId::kWhatG71Length);
  const Text length =
      WithoutLeadingBlank(StrForm(Truncate(static_cast<double>(scaledLength) + 0.0001) / 100.0));
  // A time of zero, or one that is not a number, gives the rate 0 instead of a division by zero.
  float rate = 0.0f;
  const float minutes = NumericOrZero(time) / 60.0f;
  if (minutes != 0.0f) {
    const float scaledRate = NumericOrZero(length) * 100.0f / minutes * 100.0f;
    if (!std::isfinite(scaledRate)) ThrowOverflow(MessageId::kWhatG71Rate);
    rate = static_cast<float>(Truncate(static_cast<double>(scaledRate) + 0.0001) / 100.0);
  }
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," +
                 WithoutLeadingBlank(StrForm(rate)) + u"," + RightAlign(length, 7) + u"," +
                 RightAlign(time, 4));
  Increment16(counter);
}

// Writes one G73 line unless both values are blank; a skipped row uses no number.
void WriteG73Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& column6,
                    const Text& column7) {
  if (Trim(column6).empty() && Trim(column7).empty()) return;
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," + column6 + u"," +
                 column7);
  Increment16(counter);
}

void SectionB::Write(SectionContext& context) {
  if (!n8_.empty()) {
    const Text& year = context.yearText;
    WriteRecordFile(context, u"N8.TXT", n8_,
                    [&](PrintFile& file, std::int16_t& counter, const DepthEntry& entry) {
                      WriteN8Record(file, counter, entry.depth, entry.value, year);
                    });
  }
  if (!g71_.empty()) {
    WriteRecordFile(context, u"G71.TXT", g71_,
                    [](PrintFile& file, std::int16_t& counter, const G71Entry& entry) {
                      WriteG71Record(file, counter, entry.depth, entry.time, entry.upper,
                                     entry.lower);
                    });
  }
  const std::vector<DepthEntry>& column6 = columns_[0].Entries();
  const std::vector<DepthEntry>& column7 = columns_[1].Entries();
  if (!column6.empty() || !column7.empty()) {
    const MergedTable rows = MergeDepthLists(AsFirstList(column6), 1, column7);
    if (!rows.empty()) {
      WriteRecordFile(context, u"G73.TXT", rows,
                      [](PrintFile& file, std::int16_t& counter, const MergedRow& row) {
                        WriteG73Record(file, counter, row.depth, row.values[0], row.values[1]);
                      });
    }
  }
  WriteG81Table(context, columns_[2].Entries(), columns_[3].Entries(), columns_[4].Entries(),
                uList_);
}

}  // namespace

std::unique_ptr<Section> MakeSectionB() { return std::make_unique<SectionB>(); }

}  // namespace gdf
