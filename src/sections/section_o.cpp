// section_o.cpp - The "$O" section: two series of readings by depth, written to R41.TXT.
//
// A record may carry an entry of the first series (a depth and one reading) and one of the
// second series (a depth and two readings). R41.TXT lists both series in one pass by depth: a
// line for each first-series entry, with the second-series entries that lie above it written
// before it and one at the same depth sharing its line. The pass relies on each series being in
// ascending depth; a second-series entry out of order is written as soon as a first-series
// depth passes it.
#include <algorithm>
#include <cmath>
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

// A depth line counts only up to its first "=".
Text CutAtEquals(const Text& line) { return line.substr(0, line.find(u'=')); }

// Reads one record: up to five lines into lines[1..5], up to a line that begins with "$", which
// ends the section (`ended`) and is not kept. Gives the number of lines read. `atFileEnd` says
// what the end of the file does: end the record (kStop), or fail the read (kFail).
enum class AtFileEnd { kFail, kStop };
int ReadRecord(TextReader& reader, Text (&lines)[6], bool& ended, AtFileEnd atFileEnd) {
  int read = 0;
  while (read < 5 && !ended && !(atFileEnd == AtFileEnd::kStop && reader.AtEnd())) {
    Text line = reader.ReadLine();
    ++read;
    if (StartsWith(line, u"$")) {
      ended = true;
    } else {
      lines[read] = std::move(line);
    }
  }
  return read;
}

// How far each series has come, for the check that it goes down in ascending depth.
struct SeriesCheck {
  const char16_t* number;  // "1" for the first series, "2" for the second
  float lastDepth = -INFINITY;
  int lastLine = 0;
};

// The depth lines of a record: a number, or nothing; a first-series depth beyond the last line
// of R41.TXT; a depth above the one before it in its series.
void CheckDepths(SectionNotes& notes, const Text (&lines)[6], int firstLine,
                 SeriesCheck (&series)[2]) {
  for (int s = 0; s < 2; ++s) {
    const int k = s == 0 ? 1 : 3;
    const Text depthText = Trim(CutAtEquals(lines[k]));
    if (depthText.empty()) continue;
    const int at = firstLine + k - 1;
    const auto depth = DepthValue(depthText);
    if (!depth) {
      notes.Warning(at, Say(MessageId::kCheckSeriesDepthNotNumber, {depthText, series[s].number}));
      continue;
    }
    if (*depth == 0.0f) continue;
    if (*depth < series[s].lastDepth) {
      notes.Warning(at, Say(MessageId::kCheckSeriesDepthAbove,
                            {depthText, series[s].number, NumberText(series[s].lastLine)}));
    }
    if (s == 0 && *depth > kDeepestLine) {
      notes.Warning(at, Say(MessageId::kCheckDepthBeyondLastLine, {depthText}));
    }
    series[s].lastDepth = std::max(series[s].lastDepth, *depth);
    series[s].lastLine = at;
  }
}

class SectionO : public Section {
 public:
  // Reads up to count records of five lines; a line that begins with "$" is the next tag line
  // and ends the section: the rest of its record counts as blank, and a record cut at its first
  // line is not used.
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    const bool checking = notes.Checking();
    SeriesCheck series[2] = {{u"1"}, {u"2"}};
    long long present = 0;
    bool ended = false;
    for (int record = 1; record <= header.count && !ended; ++record) {
      Text lines[6];
      const int firstLine = static_cast<int>(reader.LineNumber());
      const int read = ReadRecord(reader, lines, ended, AtFileEnd::kFail);
      if (ended && read == 1) break;
      if (checking) {
        notes.Present(++present);
        CheckDepths(notes, lines, firstLine, series);
      }
      // Every entry is kept as the CStr form of its line's value: [12.50] as [12.5], text as
      // [0]. A value beyond Single stops the run; a reader that goes on takes it as 0.
      const auto stored = [&](const Text& line, float& value) {
        try {
          value = NumericOrZero(line);
        } catch (const RunError& error) {
          value = 0.0f;
          notes.Fault(error.failure());
        }
        return CStrForm(value);
      };
      float depth = 0.0f;
      float value = 0.0f;
      Text depthText = stored(CutAtEquals(lines[1]), depth);
      if (depth != 0.0f) first_.push_back({std::move(depthText), stored(lines[2], value)});
      depthText = stored(CutAtEquals(lines[3]), depth);
      if (depth != 0.0f) {
        Text firstReading = stored(lines[4], value);
        second_.push_back({std::move(depthText), std::move(firstReading), stored(lines[5], value)});
      }
    }
    // The records that stand after the count, read on a copy so that the reader stays where
    // the run's reading ends.
    TextReader rest = reader;
    while (checking && !ended && !rest.AtEnd()) {
      Text lines[6];
      const int read = ReadRecord(rest, lines, ended, AtFileEnd::kStop);
      if ((ended && read == 1) || (!ended && read < 5)) break;
      notes.Present(++present);
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
