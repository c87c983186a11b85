// section_c.cpp - The "$C" section: counts made over given lengths, written to X5.TXT.
//
// A record is a depth and four pairs of a count and its length ("15/20"): a total pair, then
// three partial pairs. Each record gives one line with every count and length in three
// characters and the total count scaled to a length of 30.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "common/routines.h"
#include "sections/section.h"

namespace gdf {
namespace {

// The five lines of a record, as read (not trimmed).
using CountRecord = std::vector<Text>;

class SectionC : public Section {
 public:
  // The section is present when its count before rounding is not 0; the rounded count bounds
  // the records read, so "$C0.3" gives an empty X5.TXT.
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    if (header.count > static_cast<int>(kMostNumbered)) {
      notes.Fault(
          {FailureKind::kOverflow,
           {},
           reader.File().Name(),
           header.SourceLine(),
           Say(MessageId::kTooManyRecords, {Count(kMostNumbered + 1), Count(kMostNumbered)})});
    }
    if (header.count > 0) records_.reserve(static_cast<std::size_t>(header.count));
    ReadFixedRecords(reader, header, 5, notes, [&](const FixedRecord& record) {
      records_.emplace_back(record.lines.begin() + 1, record.lines.end());
      if (record.checked) CheckRecordDepth(notes, record);
    });
  }

  void Write(SectionContext& context) override;

 private:
  std::vector<CountRecord> records_;
};

// A pair's count and length, three characters each.
struct CountPair {
  Text count;
  Text length;
};

CountPair MakeCountPair(const Text& line, const char16_t* defaultLength) {
  if (line.empty()) return {u"   ", u"   "};
  const std::size_t slash = line.find(u'/');
  if (slash == Text::npos) return {RightAlign(line, 3), defaultLength};
  return {RightAlign(TextView(line).substr(0, slash), 3),
          RightAlign(TextView(line).substr(slash + 1), 3)};
}

// The total count scaled to a length of 30, in single precision as the drawing system expects
// it: the quotient rounded to Single, then the product rounded to Single, then truncated.
Text ScaledTotal(const CountPair& total) {
  const float length = NumericOrZero(total.length);
  if (length == 0.0f) return total.count;
  const float quotient = 30.0f / length;
  const float product = quotient * NumericOrZero(total.count);
  return Trim(StrForm(static_cast<float>(std::trunc(product))));
}

// One X5.TXT line: counter, depth, the total count, its scaled form and its length, then the
// three partial pairs.
void WriteX5Record(PrintFile& file, std::int16_t& counter, const CountRecord& record) {
  const CountPair total = MakeCountPair(record[1], u" 30");
  Text line = CounterField(counter) + u"," + DepthField(record[0]) + u"," + total.count + u"," +
              RightAlign(ScaledTotal(total), 3) + u"," + total.length;
  for (std::size_t i = 2; i <= 4; ++i) {
    const CountPair partial = MakeCountPair(record[i], u" 10");
    line += u"," + partial.count + u"," + partial.length;
  }
  file.PrintLine(line);
  Increment16(counter);
}

void SectionC::Write(SectionContext& context) {
  WriteRecordFile(context, u"X5.TXT", records_, WriteX5Record);
}

}  // namespace

std::unique_ptr<Section> MakeSectionC() { return std::make_unique<SectionC>(); }

}  // namespace gdf
