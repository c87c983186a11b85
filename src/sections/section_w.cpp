// section_w.cpp - The "$W" section: readings taken on given days, written to N9.TXT.
//
// A record is two fields, a reading and a month/day date, taken by one field read each, so
// that they may stand on one line or on two. Each record with a reading gives one line, its
// date completed with the year of the boring from the header block.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/section.h"

namespace gdf {
namespace {

// A record that has a reading.
struct DatedReading {
  Text reading;  ///< field 1, not empty
  Text date;     ///< field 2: empty, or a month and a day separated by "/"
};

class SectionW : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    const bool checking = notes.Checking();
    // Records that stand wholly before the next tag line, counted while none has run past it.
    long long whole = 0;
    const auto countWhole = [&](const TextReader& at, long long record) {
      if (whole == record - 1 && at.LastLineNumber() <= header.endLine) notes.Present(++whole);
    };
    for (int record = 1; record <= header.count; ++record) {
      Text reading = reader.ReadField();
      Text date = reader.ReadField();
      if (checking) countWhole(reader, record);
      if (reading.empty()) continue;
      if (!date.empty() && !HasMonthAndDay(date)) {
        notes.Fault({FailureKind::kBadValue, u"$W", reader.File().Name(),
                     static_cast<int>(reader.LastLineNumber()),
                     Say(MessageId::kDateWithoutSlash, {NumberText(record), date})},
                    whole == record ? std::optional(DateFault(date)) : std::nullopt);
      }
      readings_.push_back({std::move(reading), std::move(date)});
    }
    // What stands after the count, read on a copy so that the reader stays where the run's
    // reading ends.
    if (checking && whole == std::max<int>(header.count, 0)) {
      TextReader rest = reader.WithoutStop();
      for (long long record = whole + 1; !rest.AtEnd() && whole == record - 1; ++record) {
        rest.ReadField();
        if (rest.AtEnd()) break;
        rest.ReadField();
        countWhole(rest, record);
      }
    }
    if (readings_.size() > kMostNumbered) {
      notes.Fault(
          {FailureKind::kOverflow,
           {},
           reader.File().Name(),
           header.SourceLine(),
           Say(MessageId::kTooManyReadings,
               {NumberText(static_cast<long long>(readings_.size())), Count(kMostNumbered)})});
    }
  }

  void Write(SectionContext& context) override;

 private:
  std::vector<DatedReading> readings_;
};

// One N9.TXT line: counter, the date as year/month/day, and the reading without its leading
// "-". Month and day are two characters each, two blanks when the record has no date.
void WriteN9Record(PrintFile& file, std::int16_t& counter, const DatedReading& record,
                   const Text& yearText) {
  Text reading = record.reading;
  if (reading.front() == u'-') reading.erase(0, 1);
  Text month = u"  ";
  Text day = u"  ";
  if (!record.date.empty()) {
    const std::size_t slash = record.date.find(u'/');
    month = RightAlign(TextView(record.date).substr(0, slash), 2);
    day = RightAlign(TextView(record.date).substr(slash + 1), 2);
  }
  file.PrintLine(CounterField(counter) + u"," + yearText + u"/" + month + u"/" + day + u"," +
                 RightAlign(reading, 7));
  Increment16(counter);
}

void SectionW::Write(SectionContext& context) {
  // The file is written whenever the section is present, also when no record has a reading.
  const Text& yearText = context.yearText;
  WriteRecordFile(context, u"N9.TXT", readings_,
                  [&](PrintFile& file, std::int16_t& counter, const DatedReading& record) {
                    WriteN9Record(file, counter, record, yearText);
                  });
}

}  // namespace

std::unique_ptr<Section> MakeSectionW() { return std::make_unique<SectionW>(); }

}  // namespace gdf
