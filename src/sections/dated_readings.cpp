// dated_readings.cpp - The "$W" section: readings taken on given days, written to N9.TXT.
//
// A record is two fields, a reading and a month/day date, taken by one field read each, so
// that they may stand on one line or on two. Each record with a reading gives one line, its
// date completed with the year of the boring from the header block.
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

// A section of 32 767 readings would raise the record counter past the 16-bit range.
constexpr std::size_t kMostReadings = 32766;

class DatedReadingsSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    for (int record = 1; record <= header.count; ++record) {
      Text reading = reader.ReadField();
      Text date = reader.ReadField();
      if (reading.empty()) continue;
      if (!date.empty() && date.find(u'/') == Text::npos) {
        throw RunError(RunFailure{FailureKind::kBadValue, u"$W", reader.File().Name(),
                                  static_cast<int>(reader.LastLineNumber()),
                                  u"Record " + FromAscii(std::to_string(record)) +
                                      u" has the date [" + date +
                                      u"], which has no \"/\" between month and day."});
      }
      readings_.push_back({std::move(reading), std::move(date)});
    }
    if (readings_.size() > kMostReadings) {
      throw RunError(FailureKind::kOverflow,
                     u"The section has " + FromAscii(std::to_string(readings_.size())) +
                         u" readings; at most 32766 can be numbered.",
                     reader.File().Name(), header.SourceLine());
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

void DatedReadingsSection::Write(SectionContext& context) {
  // The file is written whenever the section is present, also when no record has a reading.
  PrintFile file(context.fs, context.RecordPath(u"N9.TXT"));
  const Text& yearText = context.yearText;
  std::int16_t counter = 1;
  for (const DatedReading& record : readings_) WriteN9Record(file, counter, record, yearText);
  context.CloseRecordFile(file, u"N9.TXT");
}

}  // namespace

std::unique_ptr<Section> MakeDatedReadingsSection() {
  return std::make_unique<DatedReadingsSection>();
}

}  // namespace gdf
