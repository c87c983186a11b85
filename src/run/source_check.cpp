// source_check.cpp - The sections of a source data file and their problems, found by reading the
// file as the run reads it: the section search, then each section's own reader, then a pass over
// the records that the reader kept quiet about.
#include "run/source_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "common/text_file.h"
#include "run/header_stage.h"
#include "sections/source_file.h"
#include "sections/depth_list.h"
#include "sections/section.h"

namespace gdf {
namespace {

constexpr std::size_t kMostEncodingProblems = 10;

Text Number(long long value) { return FromAscii(std::to_string(value)); }

Text Quoted(TextView text) { return u"[" + Text(text) + u"]"; }

// The value of a numeric text, nothing for one that is not a number or lies beyond Single.
std::optional<float> DepthValue(TextView text) {
  if (!IsNumeric(text)) return std::nullopt;
  try {
    return NumericOrZero(text);
  } catch (const RunError&) {
    return std::nullopt;
  }
}

// A Single as the decimal it was written as (0.3, not 0.300000012).
double AsDecimal(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return std::strtod(text, nullptr);
}

// Lines per record of the sections whose records have a fixed number of whole lines.
int FixedShape(const std::string& tag) {
  if (tag == "$Z") return 1;
  if (tag == "$A" || tag == "$S") return 9;
  if (tag == "$C" || tag == "$O") return 5;
  if (tag == "$U") return 2;
  if (tag == "$B") return 10;
  if (tag == "$H") return 4;
  return 0;
}

bool IsKnownTag(std::string_view tag) {
  if (tag == "$Z") return true;
  for (const char* known : kSectionOrder) {
    if (tag == known) return true;
  }
  return false;
}

// A record of a section with fixed-size records: its lines, numbered from 1, and where they stand.
class FixedRecord {
 public:
  FixedRecord(const LineFile& file, std::size_t first, int lines) : file_(file), first_(first) {
    lines_.resize(static_cast<std::size_t>(lines) + 1);
    for (int k = 1; k <= lines; ++k) lines_[k] = file.Line(first + static_cast<std::size_t>(k) - 1);
  }
  const Text& operator[](int k) const { return lines_[static_cast<std::size_t>(k)]; }
  Text Trimmed(int k) const { return Trim(lines_[static_cast<std::size_t>(k)]); }
  /// 1-based source line of record line `k`.
  int SourceLine(int k) const { return static_cast<int>(first_) + k; }

 private:
  const LineFile& file_;
  std::size_t first_;
  std::vector<Text> lines_;
};

class Checker {
 public:
  Checker(const LineFile& file, SourceCheck& result) : file_(file), result_(result) {}

  void Run() {
    result_.lines = file_.LineCount();
    CheckEncoding();
    FindTagLines();
    std::vector<std::string> tags = {"$Z"};
    tags.insert(tags.end(), std::begin(kSectionOrder), std::end(kSectionOrder));
    for (const std::string& tag : tags) CheckSection(tag);
    CheckUnreadLines();
    if (result_.sections.empty()) {
      Add(Severity::kWarning, 0, {},
          u"The file has no tag line of a section that the run converts: a run writes no file.");
    }
    std::sort(result_.sections.begin(), result_.sections.end(),
              [](const SectionFound& a, const SectionFound& b) { return a.line < b.line; });
    std::stable_sort(
        result_.problems.begin(), result_.problems.end(),
        [](const SourceProblem& a, const SourceProblem& b) { return a.line < b.line; });
  }

 private:
  SourceProblem& Add(Severity severity, int line, std::string section, Text message,
                     bool stopsRun = false) {
    result_.problems.push_back({severity, line, std::move(section), std::move(message), stopsRun});
    return result_.problems.back();
  }

  void CheckEncoding() {
    std::size_t badLine = 0;
    std::size_t badOffset = 0;
    if (file_.Validate(badLine, badOffset)) return;
    Add(Severity::kError, static_cast<int>(badLine + 1), {},
        u"The line holds bytes that are not code page 932 (Shift-JIS), from byte offset " +
            Number(static_cast<long long>(badOffset)) +
            u" of the file: the run stops before it writes anything.",
        true);
    std::size_t more = 0;
    for (std::size_t i = badLine + 1; i < file_.LineCount(); ++i) {
      if (Cp932Valid(file_.LineBytes(i))) continue;
      if (++more <= kMostEncodingProblems) {
        Add(Severity::kError, static_cast<int>(i + 1), {},
            u"The line holds bytes that are not code page 932 (Shift-JIS).");
      }
    }
    if (more > kMostEncodingProblems) {
      Add(Severity::kError, 0, {},
          Number(static_cast<long long>(more - kMostEncodingProblems)) +
              u" further lines hold bytes that are not code page 932.");
    }
  }

  // Every line that begins with "$" and a capital letter.
  void FindTagLines() {
    for (std::size_t i = 0; i < file_.LineCount(); ++i) {
      const std::string_view bytes = file_.LineBytes(i);
      if (bytes.size() >= 2 && bytes[0] == '$' && bytes[1] >= 'A' && bytes[1] <= 'Z') {
        tagLines_.push_back({i, std::string(bytes.substr(0, 2))});
      }
    }
  }

  // The first tag line at or after `line`, or the end of the file.
  std::size_t NextTagLine(std::size_t line) const {
    const auto next = std::lower_bound(tagLines_.begin(), tagLines_.end(), line,
                                       [](const std::pair<std::size_t, std::string>& tag,
                                          std::size_t at) { return tag.first < at; });
    return next == tagLines_.end() ? file_.LineCount() : next->first;
  }

  Text TagAt(std::size_t line) const {
    for (const auto& [at, tag] : tagLines_) {
      if (at == line) return FromAscii(tag);
    }
    return {};
  }

  void CheckSection(const std::string& tag) {
    const auto first = std::find_if(tagLines_.begin(), tagLines_.end(),
                                    [&](const auto& entry) { return entry.second == tag; });
    if (first == tagLines_.end()) return;
    const std::size_t tagLine = first->first;
    SectionFound found;
    found.tag = tag;
    found.line = static_cast<int>(tagLine + 1);
    found.unit = tag == "$Z" ? "header lines" : tag == "$K" ? "text lines" : "records";
    found.lastLine = found.line;
    Text rest = file_.Line(tagLine).substr(2);
    if (tag == "$C") rest = rest.substr(0, rest.find(u','));
    found.countText = file_.Line(tagLine).substr(2);
    const std::size_t body = tagLine + 1;
    const std::size_t nextTag = NextTagLine(body);

    SectionHeader header;
    try {
      header = FindSection(file_, tag);
    } catch (const RunError& error) {
      found.count = LeadingValue(rest);
      found.lastLine = static_cast<int>(nextTag);
      Add(Severity::kError, found.line, tag, error.failure().reason + u" The run stops here.",
          true);
      result_.sections.push_back(found);
      return;
    }
    found.count = AsDecimal(header.rawCount);
    found.converted = tag == "$Z" ? header.count != 0 : header.Present();
    CheckCount(found, rest, header);

    // The section's own reader, as the run calls it before writing anything.
    std::optional<RunFailure> failure;
    if (found.converted) {
      TextReader reader(file_, body);
      try {
        if (tag == "$Z") {
          ReadHeaderBlock(reader, header);
        } else {
          MakeSection(tag)->Read(reader, header);
        }
        if (reader.LastLineNumber() > body)
          found.lastLine = static_cast<int>(reader.LastLineNumber());
      } catch (const RunError& error) {
        failure = error.failure();
        // Past the end the section takes in the rest of the file; after any other fault it
        // holds what its count gives it (up to the next tag line), as far as the reader came.
        if (failure->kind == FailureKind::kReadPastEnd) {
          found.lastLine = static_cast<int>(file_.LineCount());
        } else {
          const int shape = FixedShape(tag);
          const std::size_t extent =
              shape == 0
                  ? nextTag
                  : std::min<std::size_t>(
                        nextTag, body + static_cast<std::size_t>(std::max<int>(header.count, 0)) *
                                            static_cast<std::size_t>(shape));
          found.lastLine = static_cast<int>(std::max<std::size_t>(
              {extent, reader.LastLineNumber() > body ? reader.LastLineNumber() : 0, tagLine + 1}));
        }
      }
    }

    section_ = &found;
    failure_ = failure ? &*failure : nullptr;
    failureTaken_ = false;
    if (found.converted) ScanRecords(tag, header, body, nextTag);
    if (failure && !failureTaken_) {
      const int line = failure->sourceLine > 0 ? failure->sourceLine : found.line;
      Add(Severity::kError, line, tag, failure->reason + u" The run stops here.", true);
    }
    result_.sections.push_back(found);
    section_ = nullptr;
    failure_ = nullptr;
  }

  void CheckCount(const SectionFound& found, const Text& rest, const SectionHeader& header) {
    const Text shown = Trim(rest);
    if (header.rawCount == 0.0f && !IsNumeric(rest)) {
      Add(Severity::kWarning, found.line, found.tag,
          (shown.empty() ? Text(u"The tag line has no count")
                         : u"The count " + Quoted(shown) + u" is not a number") +
              u": the section counts as absent and is not converted.");
    } else if (header.rawCount < 0.0f) {
      Add(Severity::kWarning, found.line, found.tag,
          u"The count " + Quoted(shown) + u" is negative: no record is read.");
    } else if (static_cast<double>(header.rawCount) != static_cast<double>(header.count)) {
      Add(Severity::kWarning, found.line, found.tag,
          u"The count " + Quoted(shown) + u" is not a whole number: the run takes it as " +
              Number(header.count) + u".");
    }
  }

  // The count promises more than stands before the next tag line: either the file ends first
  // (the run stops), or the section's reader takes in the next section's lines.
  void CheckShortSection(const std::string& tag, long long count, long long present,
                         std::size_t nextTag, const char* unit) {
    if (count <= present) return;
    const Text promise = u"The count " + Number(count) + u" promises more " + FromAscii(unit) +
                         u" than the " + Number(present) + u" that stand";
    if (failure_ && failure_->kind == FailureKind::kReadPastEnd) {
      failureTaken_ = true;
      Add(Severity::kError, section_->line, tag,
          promise +
              u" after the tag line: the run reads past the end of the file and stops "
              u"there, before it writes anything.",
          true);
    } else if (nextTag < file_.LineCount()) {
      Add(Severity::kError, section_->line, tag,
          promise + u" before the tag line " + TagAt(nextTag) + u" at line " +
              Number(static_cast<long long>(nextTag + 1)) +
              u": the run reads that tag line and the lines after it as records of " +
              FromAscii(tag) + u".");
    }
  }

  void ScanRecords(const std::string& tag, const SectionHeader& header, std::size_t body,
                   std::size_t nextTag) {
    const int shape = FixedShape(tag);
    for (DepthList& column : columns_) column = DepthList();
    if (tag == "$K") return ScanNotes(header, body);
    if (tag == "$O") return ScanSeriesO(header, body);
    if (tag == "$W") return ScanReadings(header, body, nextTag);
    const long long available = static_cast<long long>(nextTag - body);
    section_->present = available / shape;
    const long long count = std::max<long long>(header.count, 0);
    CheckShortSection(tag, count, section_->present, nextTag, section_->unit);
    const long long records = std::min(count, section_->present);
    if (tag == "$Z") return;
    for (long long r = 0; r < records; ++r) {
      const FixedRecord record(file_, body + static_cast<std::size_t>(r * shape), shape);
      const int number = static_cast<int>(r + 1);
      if (tag == "$A") ScanLayer(record, number);
      if (tag == "$S") ScanRow(record);
      if (tag == "$C") CheckDepth(record, number, record[1]);
      if (tag == "$U") CheckDepth(record, number, record[1], u" (it counts as depth 0)");
      if (tag == "$B") ScanTableRecord(record, number);
      if (tag == "$H") ScanNameRecord(record, number);
    }
    if (tag == "$S") CheckCodeTableValues();
  }

  void CheckDepth(const FixedRecord& record, int number, const Text& depth,
                  const char16_t* consequence = u"") {
    if (DepthValue(depth)) return;
    const Text shown = Trim(depth);
    Add(Severity::kWarning, record.SourceLine(1), section_->tag,
        (shown.empty() ? u"Record " + Number(number) + u" has no depth"
                       : u"The depth " + Quoted(shown) + u" of record " + Number(number) +
                             u" is not a number") +
            consequence + u".");
  }

  // "$A": the name goes to the name tables when it is new, with the attribute beside it.
  void ScanLayer(const FixedRecord& record, int number) {
    const Text first = record.Trimmed(2);
    if (first.empty()) return;
    CheckDepth(record, number, record[1]);
    const Text second = record.Trimmed(3);
    const Text name = second.empty() ? first : first + u"・" + second;
    if (!ReadsBackPlain(name)) {
      Add(Severity::kWarning, record.SourceLine(2), "$A",
          u"The layer name " + Quoted(name) +
              (name.find(u'"') != Text::npos
                   ? Text(u" needs double quotes in the name tables and holds one itself: if the "
                          u"name is new, the run stops before it changes a table.")
                   : Text(u" holds a comma or begins with a double quote: a new name is written "
                          u"to the name tables between double quotes.")));
    }
    const Text attribute = record.Trimmed(5);
    if (!ReadsBackPlain(attribute)) {
      Add(Severity::kWarning, record.SourceLine(5), "$A",
          u"The attribute " + Quoted(attribute) +
              u" holds a comma or begins with a double quote, which a name table cannot hold: if "
              u"the layer's name is new, the run stops before it changes a table.");
    }
  }

  // A range mark with no entry before it in its column.
  void TakeColumnValue(DepthList& column, const Text& value, int line, int columnNumber) {
    if (value.size() == 1 && value.front() == kRangeMark && column.Entries().empty()) {
      Add(Severity::kWarning, line, section_->tag,
          u"The range mark \"～\" in column " + Number(columnNumber) +
              u" has no value above it to extend: it makes no entry, and the value that would "
              u"close it is dropped too.");
    }
    column.Take(value, Number(line));
  }

  // "$S": seven columns; columns 2 to 7 go to the code tables.
  void ScanRow(const FixedRecord& record) {
    bool any = false;
    for (int column = 1; column <= 7; ++column) {
      const Text value = record.Trimmed(column + 1);
      any = any || !value.empty();
      TakeColumnValue(columns_[column - 1], value, record.SourceLine(column + 1), column);
    }
    if (any && !DepthValue(record[1])) {
      const Text shown = record.Trimmed(1);
      Add(Severity::kWarning, record.SourceLine(1), "$S",
          shown.empty() ? Text(u"The row has values but no depth.")
                        : u"The depth " + Quoted(shown) + u" is not a number.");
    }
  }

  void CheckCodeTableValues() {
    static constexpr const char16_t* kTables[] = {u"L13.TXT", u"L14.TXT", u"L15.TXT",
                                                  u"L16.TXT", u"L17.TXT", u"L19.TXT"};
    for (int column = 2; column <= 7; ++column) {
      for (const DepthEntry& entry : columns_[column - 1].Entries()) {
        const std::size_t mark = entry.value.find(kRangeMark);
        const Text parts[] = {entry.value.substr(0, mark),
                              mark == Text::npos ? Text() : entry.value.substr(mark + 1)};
        for (const Text& part : parts) {
          CheckTableName(part, std::stoi(ToUtf8(entry.depth)), "$S", kTables[column - 2], u"");
        }
      }
    }
  }

  void CheckTableName(const Text& name, int line, const std::string& tag, const char16_t* table,
                      const char16_t* unless) {
    if (ReadsBackPlain(name)) return;
    if (name.find(u'"') != Text::npos) {
      Add(Severity::kError, line, tag,
          u"The value " + Quoted(name) + u" needs double quotes in " + table +
              u" and holds one itself: the run stops when it adds it to the table" + unless + u".");
    } else {
      Add(Severity::kWarning, line, tag,
          u"The value " + Quoted(name) +
              u" holds a comma, a blank at an end or a leading double "
              u"quote: it is written to " +
              table + u" between double quotes.");
    }
  }

  // "$B": a date, an interval, and five columns with range marks.
  void ScanTableRecord(const FixedRecord& record, int number) {
    bool any = false;
    for (int k = 2; k <= 10; ++k) any = any || !record.Trimmed(k).empty();
    if (any) CheckDepth(record, number, record[1]);
    const Text date = record.Trimmed(2);
    if (!date.empty() && date.find(u'/') == Text::npos) DateProblem(record.SourceLine(2), date);
    for (int column = 6; column <= 10; ++column) {
      TakeColumnValue(columns_[column - 6], record.Trimmed(column), record.SourceLine(column),
                      column);
    }
  }

  void DateProblem(int line, const Text& date) {
    SourceProblem& problem =
        Add(Severity::kError, line, section_->tag,
            u"The date " + Quoted(date) +
                u" has no \"/\" between month and day: a run stops at such a date, before it "
                u"writes anything.");
    if (failure_ && failure_->kind == FailureKind::kBadValue && failure_->sourceLine == line) {
      problem.stopsRun = true;
      failureTaken_ = true;
    }
  }

  // "$H": the third column's names go to L18.txt and L18b.txt.
  void ScanNameRecord(const FixedRecord& record, int number) {
    const Text third = record.Trimmed(4);
    if (!record.Trimmed(2).empty() || !record.Trimmed(3).empty() || !third.empty()) {
      CheckDepth(record, number, record[1]);
    }
    if (third.empty()) return;
    std::size_t slash = third.find(u'/');
    if (slash == Text::npos) slash = third.find(u'／');
    const int line = record.SourceLine(4);
    const char16_t* unless = u", unless the table is missing, empty or full";
    CheckTableName(third.substr(0, slash), line, "$H", u"L18.txt", unless);
    if (slash != Text::npos)
      CheckTableName(third.substr(slash + 1), line, "$H", u"L18b.txt", unless);
  }

  // "$W": two field reads a record.
  void ScanReadings(const SectionHeader& header, std::size_t body, std::size_t nextTag) {
    TextReader reader(file_, body);
    long long present = 0;
    const long long count = std::max<long long>(header.count, 0);
    while (!reader.AtEnd()) {
      const Text reading = reader.ReadField();
      if (reader.AtEnd()) break;
      const Text date = reader.ReadField();
      const std::size_t dateLine = reader.LastLineNumber();
      if (dateLine > nextTag) break;  // the record takes in the next tag line
      ++present;
      if (present <= count && !reading.empty() && !date.empty() && date.find(u'/') == Text::npos) {
        DateProblem(static_cast<int>(dateLine), date);
      }
    }
    section_->present = present;
    CheckShortSection("$W", count, present, nextTag, "records");
  }

  // "$K": records up to an end-of-record line; the count bounds the text lines, and a line
  // that begins with "$" ends the section.
  void ScanNotes(const SectionHeader& header, std::size_t body) {
    std::size_t line = body;
    long long textLines = 0;
    int record = 0;
    bool ended = false;
    while (!ended && line < file_.LineCount()) {
      const bool read = textLines < header.count;  // the run reads this record
      const std::size_t first = line;
      int inRecord = 0;
      bool closed = false;
      while (line < file_.LineCount()) {
        const Text text = file_.Line(line++);
        if (!text.empty() && text.front() < 0x20) {
          closed = true;
          ++inRecord;
          break;
        }
        if (StartsWith(text, u"$")) {
          ended = true;
          break;
        }
        if (++inRecord >= 3) ++textLines;
      }
      if (!closed) break;  // the section ended, or the file did (the reader reports that)
      ++record;
      if (read && inRecord <= 3) {
        Add(Severity::kWarning, static_cast<int>(first + 1), "$K",
            u"Record " + Number(record) +
                u" has no text lines (a record is a depth line, a second line, then text "
                u"lines): it writes nothing.");
      }
    }
    section_->present = textLines;
    if (failure_ && failure_->kind == FailureKind::kReadPastEnd) {
      CheckShortSection("$K", header.count, textLines, file_.LineCount(), "text lines");
    }
  }

  // "$O": two series by depth; the pass that writes R41.TXT relies on each being ascending.
  void ScanSeriesO(const SectionHeader& header, std::size_t body) {
    struct Series {
      const char16_t* name;
      float lastDepth = -INFINITY;
      int lastLine = 0;
    } series[2] = {{u"first"}, {u"second"}};
    std::size_t line = body;
    long long present = 0;
    bool ended = false;
    for (int r = 1; !ended && line < file_.LineCount(); ++r) {
      Text lines[6];
      int read = 0;
      while (read < 5 && !ended && line < file_.LineCount()) {
        Text text = file_.Line(line++);
        ++read;
        if (StartsWith(text, u"$")) {
          ended = true;
        } else {
          lines[read] = std::move(text);
        }
      }
      if (ended && read == 1) break;
      if (!ended && read < 5) break;  // cut short by the end of the file
      ++present;
      if (r > header.count) continue;  // stands there, but the run does not read it
      const int recordLine = static_cast<int>(line - static_cast<std::size_t>(read)) + 1;
      for (int s = 0; s < 2; ++s) {
        const int k = s == 0 ? 1 : 3;
        const Text depthText = Trim(lines[k].substr(0, lines[k].find(u'=')));
        if (depthText.empty()) continue;
        const int at = recordLine + k - 1;
        const auto depth = DepthValue(depthText);
        if (!depth) {
          Add(Severity::kWarning, at, "$O",
              u"The depth " + Quoted(depthText) + u" of the " + series[s].name +
                  u" series is not a number: the record gives it no entry.");
          continue;
        }
        if (*depth == 0.0f) continue;
        if (*depth < series[s].lastDepth) {
          Add(Severity::kWarning, at, "$O",
              u"The depth " + Quoted(depthText) + u" of the " + series[s].name +
                  u" series is above the one at line " + Number(series[s].lastLine) +
                  u": R41.TXT is written in one pass by ascending depth, so its lines come out "
                  u"of depth order.");
        }
        if (s == 0 && *depth > 99999.0f) {
          Add(Severity::kWarning, at, "$O",
              u"The depth " + Quoted(depthText) +
                  u" lies beyond 99999: it writes no line of its own in R41.TXT.");
        }
        series[s].lastDepth = std::max(series[s].lastDepth, *depth);
        series[s].lastLine = at;
      }
    }
    section_->present = present;
    if (failure_ && failure_->kind == FailureKind::kReadPastEnd) {
      CheckShortSection("$O", header.count, present, file_.LineCount(), "records");
    }
  }

  // Lines that no section's reading covers, and second tag lines among them.
  void CheckUnreadLines() {
    std::vector<std::pair<std::size_t, std::size_t>> covered;  // 0-based, inclusive
    for (const SectionFound& found : result_.sections) {
      covered.emplace_back(found.line - 1, std::max(found.line, found.lastLine) - 1);
    }
    std::sort(covered.begin(), covered.end());
    const auto isCovered = [&](std::size_t line) {
      for (const auto& [from, to] : covered) {
        if (line >= from && line <= to) return true;
      }
      return false;
    };
    std::vector<std::size_t> reported;  // uncovered tag lines, each with a problem of its own
    for (const auto& entry : tagLines_) {
      // Named copies, not a structured binding: clang 14 cannot capture one in a lambda.
      const std::size_t line = entry.first;
      const auto& tag = entry.second;
      if (isCovered(line)) continue;
      reported.push_back(line);
      const int at = static_cast<int>(line + 1);
      if (IsKnownTag(tag)) {
        const auto first =
            std::find_if(result_.sections.begin(), result_.sections.end(),
                         [&](const SectionFound& found) { return found.tag == tag; });
        Add(Severity::kWarning, at, tag,
            u"A second tag line " + FromAscii(tag) +
                u": only the first line that begins with a tag counts (line " +
                Number(first == result_.sections.end() ? 0 : first->line) +
                u"), so this one and its records are never read.");
      } else {
        Add(Severity::kWarning, at, {},
            u"The line begins with " + FromAscii(tag) +
                u", which is not a tag the run knows: it and the lines after it are never "
                u"read.");
      }
    }
    std::size_t next = 0;
    const auto passedOver = [&](std::size_t line) {
      return IsBlank(line) || std::binary_search(reported.begin(), reported.end(), line);
    };
    const auto gap = [&](std::size_t from, std::size_t to) {  // [from, to)
      std::size_t first = from;
      while (first < to && passedOver(first)) ++first;
      if (first == to) return;
      std::size_t last = to - 1;
      while (passedOver(last)) --last;
      const Text where = first == last ? u"Line " + Number(static_cast<long long>(first + 1))
                                       : u"Lines " + Number(static_cast<long long>(first + 1)) +
                                             u" to " + Number(static_cast<long long>(last + 1));
      Text why = u" no section's search reaches " + Text(first == last ? u"it." : u"them.");
      for (const SectionFound& found : result_.sections) {
        if (static_cast<std::size_t>(std::max(found.line, found.lastLine)) == from &&
            found.converted && found.present > static_cast<long long>(found.count)) {
          why = u" the count " + Number(static_cast<long long>(found.count)) + u" of " +
                FromAscii(found.tag) + u" is less than the " + Number(found.present) + u" " +
                FromAscii(found.unit) + u" that stand there.";
        }
      }
      Add(Severity::kWarning, static_cast<int>(first + 1), {},
          where + (first == last ? u" is never read:" : u" are never read:") + why);
    };
    for (const auto& [from, to] : covered) {
      if (from > next) gap(next, from);
      next = std::max(next, to + 1);
    }
    if (next < file_.LineCount()) gap(next, file_.LineCount());
  }

  bool IsBlank(std::size_t line) const {
    return file_.LineBytes(line).find_first_not_of(' ') == std::string_view::npos;
  }

  const LineFile& file_;
  SourceCheck& result_;
  std::vector<std::pair<std::size_t, std::string>> tagLines_;  // 0-based line, tag
  SectionFound* section_ = nullptr;
  const RunFailure* failure_ = nullptr;
  bool failureTaken_ = false;  // a problem of the scan already says what the failure says
  DepthList columns_[7];
};

}  // namespace

int SourceCheck::Errors() const {
  return static_cast<int>(std::count_if(problems.begin(), problems.end(), [](const auto& p) {
    return p.severity == Severity::kError;
  }));
}

int SourceCheck::Warnings() const { return static_cast<int>(problems.size()) - Errors(); }

SourceCheck CheckSourceBytes(std::string bytes, Text name) {
  SourceCheck result;
  result.file = name;
  try {
    const LineFile file(std::move(bytes), std::move(name));
    Checker(file, result).Run();
  } catch (const RunError& error) {
    result.readable = false;
    result.problems.push_back({Severity::kError, 0, {}, error.failure().reason, true});
  }
  return result;
}

SourceCheck CheckSourceFile(const FileSystem& fs, TextView path) {
  if (Trim(path).empty() || !fs.Exists(path, ListAttribute::kNormal)) {
    SourceCheck result;
    result.file = Text(path);
    result.readable = false;
    result.problems.push_back(
        {Severity::kError, 0, {}, u"There is no such file: the run refuses it.", true});
    return result;
  }
  std::string error;
  auto bytes = fs.ReadAll(path, error);
  if (!bytes) {
    SourceCheck result;
    result.file = Text(path);
    result.readable = false;
    result.problems.push_back(
        {Severity::kError, 0, {}, u"The file cannot be read: " + FromUtf8(error) + u".", true});
    return result;
  }
  return CheckSourceBytes(std::move(*bytes), Text(path));
}

}  // namespace gdf
