// section_o.cpp - The "$O" section: two series of readings by depth, written to R41.TXT.
//
// A record may carry an entry of the first series (a depth and one reading) and one of the
// second series (a depth and two readings). R41.TXT lists both series in one pass by depth: a
// line for each first-series entry, with the second-series entries that lie above it written
// before it and one at the same depth sharing its line. The pass relies on each series being in
// ascending depth; a second-series entry out of order is written as soon as a first-series
// depth passes it.
#include <memory>
#include <vector>

#include "common/fields.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "sections/section.h"

namespace gdf {
namespace {

// The depth that stands behind the last second-series entry and flushes the series.
constexpr char16_t kEndMarker[] = u"99999.99";
// First-series depths above this write no line of their own.
constexpr float kDeepestLine = 99999.0f;

/// An entry of the first series; texts in CStr form.
struct FirstSeriesEntry {
  Text depth;    ///< depth
  Text reading;  ///< its reading
};

/// An entry of the second series; texts in CStr form.
struct SecondSeriesEntry {
  Text depth;          ///< depth
  Text firstReading;   ///< first reading
  Text secondReading;  ///< second reading
};

// Every entry is kept as the CStr form of its line's value: [12.50] as [12.5], text as [0].
Text StoredForm(TextView line) { return CStrForm(NumericOrZero(line)); }

// A depth line counts only up to its first "=".
Text CutAtEquals(const Text& line) { return line.substr(0, line.find(u'=')); }

class SectionO : public Section {
 public:
  // Reads up to count records of five lines; a line that begins with "$" is the next tag line
  // and ends the section: the rest of its record counts as blank, and a record cut at its first
  // line is not used.
  void Read(TextReader& reader, const SectionHeader& header) override {
    bool ended = false;
    for (int record = 1; record <= header.count && !ended; ++record) {
      Text lines[6];
      int read = 0;
      while (read < 5 && !ended) {
        Text line = reader.ReadLine();
        ++read;
        if (StartsWith(line, u"$")) {
          ended = true;
        } else {
          lines[read] = std::move(line);
        }
      }
      if (ended && read == 1) break;
      if (NumericOrZero(CutAtEquals(lines[1])) != 0.0f) {
        first_.push_back({StoredForm(CutAtEquals(lines[1])), StoredForm(lines[2])});
      }
      if (NumericOrZero(CutAtEquals(lines[3])) != 0.0f) {
        second_.push_back(
            {StoredForm(CutAtEquals(lines[3])), StoredForm(lines[4]), StoredForm(lines[5])});
      }
    }
  }

  void Write(SectionContext& context) override;

 private:
  std::vector<FirstSeriesEntry> first_;
  std::vector<SecondSeriesEntry> second_;
};

// The second series as the merge walks it: the end marker stands behind its last entry.
class SecondSeries {
 public:
  explicit SecondSeries(const std::vector<SecondSeriesEntry>& entries) : entries_(entries) {}
  bool AtEnd() const { return position_ >= entries_.size(); }
  float Depth() const {
    return NumericOrZero(AtEnd() ? TextView(kEndMarker) : TextView(entries_[position_].depth));
  }
  const SecondSeriesEntry& Current() const { return entries_[position_]; }
  void Next() { ++position_; }

 private:
  const std::vector<SecondSeriesEntry>& entries_;
  std::size_t position_ = 0;
};

// Writes the second-series entries above `depth`, then the line of the first-series entry at
// `depth`, shared with a second-series entry of the same depth. The end marker as `depth`
// writes what is left of the second series.
void WriteR41Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& reading,
                    SecondSeries& second) {
  const auto line = [&](const Text& lineDepth, const Text& first, const SecondSeriesEntry* other) {
    file.PrintLine(CounterField(counter) + u"," + DepthField(lineDepth) + u"," + first + u"," +
                   (other ? RightAlign(other->firstReading, 3) : Text(u"  0")) + u"," +
                   (other ? RightAlign(other->secondReading, 3) : Text(u"  0")) + u",,,,,,");
    Increment16(counter);
  };
  const float value = NumericOrZero(depth);
  // The series ends at its last entry even for a depth beyond the end marker.
  while (!second.AtEnd() && value > second.Depth()) {
    line(second.Current().depth, u"   ", &second.Current());
    second.Next();
  }
  if (value > kDeepestLine) return;
  if (second.AtEnd() || value < second.Depth()) {
    line(depth, RightAlign(reading, 3), nullptr);
  } else {
    line(depth, RightAlign(reading, 3), &second.Current());
    second.Next();
  }
}

// R41.TXT is written whenever the count is not 0, empty when both series are.
void SectionO::Write(SectionContext& context) {
  PrintFile file(context.fs, context.RecordPath(u"R41.TXT"));
  std::int16_t counter = 1;
  SecondSeries second(second_);
  for (const FirstSeriesEntry& entry : first_) {
    WriteR41Record(file, counter, entry.depth, entry.reading, second);
  }
  if (!second_.empty()) WriteR41Record(file, counter, kEndMarker, u"0", second);
  context.CloseRecordFile(file, u"R41.TXT");
}

}  // namespace

std::unique_ptr<Section> MakeSectionO() { return std::make_unique<SectionO>(); }

}  // namespace gdf
