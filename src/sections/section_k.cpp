// section_k.cpp - The "$K" section: free-text notes by depth, written to X12.TXT.
//
// A record is a depth line, a line that is skipped, and text lines, up to an end-of-record line
// (one whose first character is a control character, code 0 to 31). The text lines of a record
// are joined with "\" into one note between double quotes; the depth written with it is the
// depth line of the record before ("0.00" for the first). The count on the tag line bounds
// the number of text lines and is compared only between records; a line that begins with "$"
// ends the section wherever it stands.
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

// A record that brought text lines.
struct TextNote {
  Text depth;  ///< line 1 of the record before, cut at ")"
  Text note;   ///< the text lines, each trimmed (a blank line as one blank), joined with "\"
};

// Whether a line ends a record: not empty, and its first character a single-byte control
// character. Code page 932 gives the bytes 0 to 31 to U+0000..U+001F and to nothing else, and
// a double-byte character never ends a record.
bool EndsRecord(const Text& line) { return !line.empty() && line.front() < 0x20; }

// Counts one more in 16 bits. Past the range the run stops there; a reader that goes on keeps
// the count where it is.
void CountUp(std::int16_t& counter, SectionNotes& notes) {
  try {
    Increment16(counter);
  } catch (const RunError& error) {
    notes.Fault(error.failure());
  }
}

class SectionK : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    const bool checking = notes.Checking();
    Text previousDepth = u"0.00";
    std::int16_t textLines = 0;
    long long present = 0;  // text lines that stand in the section
    int records = 0;        // records ended so far
    bool sectionEnded = false;
    while (textLines < header.count) {
      const int firstLine = static_cast<int>(reader.LineNumber());
      Text depth;
      Text note;
      std::int16_t lineNumber = 0;
      for (;;) {
        Text line = reader.ReadLine();
        CountUp(lineNumber, notes);
        if (EndsRecord(line)) break;
        if (StartsWith(line, u"$")) {
          // The tag line of another section: the record it interrupts is not written.
          sectionEnded = true;
          break;
        }
        if (lineNumber == 1) {
          depth = std::move(previousDepth);
          previousDepth = std::move(line);
        } else if (lineNumber >= 3) {
          CountUp(textLines, notes);
          if (checking) notes.Present(++present);
          Text text = Trim(line);
          if (text.empty()) text = u" ";
          if (lineNumber > 3) note += u'\\';
          note += text;
        }
      }
      if (sectionEnded) break;
      ++records;
      // A record without text lines has no note of its own and writes nothing.
      if (lineNumber <= 3) {
        if (checking) {
          notes.Warning(firstLine, Say(MessageId::kCheckNoteWithoutText, {NumberText(records)}));
        }
        continue;
      }
      const std::size_t bracket = depth.find(u')');
      if (bracket != Text::npos) depth = TrimRight(TextView(depth).substr(0, bracket));
      notes_.push_back({std::move(depth), std::move(note)});
    }
    // The text lines that stand after the count, read on a copy so that the reader stays
    // where the run's reading ends.
    if (checking && !sectionEnded) {
      TextReader rest = reader;
      long long inRecord = 0;
      while (!rest.AtEnd()) {
        const Text line = rest.ReadLine();
        if (EndsRecord(line)) {
          inRecord = 0;
        } else if (StartsWith(line, u"$")) {
          break;
        } else if (++inRecord >= 3) {
          notes.Present(++present);
        }
      }
    }
    if (notes_.size() > kMostNumbered) {
      notes.Fault({FailureKind::kOverflow,
                   {},
                   reader.File().Name(),
                   header.SourceLine(),
                   Say(MessageId::kTooManyNotes,
                       {NumberText(static_cast<long long>(notes_.size())), Count(kMostNumbered)})});
    }
  }

  void Write(SectionContext& context) override;

 private:
  std::vector<TextNote> notes_;
};

// Fields 1 and 2 are followed by ","; the note has no comma after it and quotes inside it
// stay as they are.
void WriteX12Record(PrintFile& file, std::int16_t& counter, const TextNote& record) {
  file.PrintLine(CounterField(counter) + u"," + DepthField(record.depth) + u",\"" + record.note +
                 u"\"");
  Increment16(counter);
}

void SectionK::Write(SectionContext& context) {
  // The file is written whenever the count is not 0, also a negative one, and also when no
  // record had text.
  WriteRecordFile(context, u"X12.TXT", notes_, WriteX12Record);
}

}  // namespace

std::unique_ptr<Section> MakeSectionK() { return std::make_unique<SectionK>(); }

}  // namespace gdf
