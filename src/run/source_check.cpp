// source_check.cpp - The sections of a source data file and their problems, found by reading the
// file as the run reads it: the file's code page and tag lines, then each section read by its own
// reader with notes that keep every warning and fault, then the lines no reading covers.
#include "run/source_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "messages/message_catalogue.h"
#include "run/header_stage.h"
#include "sections/section_notes.h"
#include "sections/section_table.h"
#include "sections/source_file.h"
#include "text/lines.h"

namespace gdf {
namespace {

constexpr std::size_t kMostEncodingProblems = 10;

// A Single as the decimal it was written as (0.3, not 0.300000012).
double AsDecimal(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  return std::strtod(text, nullptr);
}

class Checker {
 public:
  Checker(const LineFile& file, SourceCheck& result) : file_(file), result_(result) {}

  void Run() {
    result_.lines = file_.LineCount();
    CheckEncoding();
    FindTagLines();
    for (const SectionKind& kind : kSections) CheckSection(kind);
    CheckUnreadLines();
    if (result_.sections.empty()) {
      Add(Severity::kWarning, 0, {}, {Say(MessageId::kCheckNoSection)});
    }
    std::sort(result_.sections.begin(), result_.sections.end(),
              [](const SectionFound& a, const SectionFound& b) { return a.line < b.line; });
    std::stable_sort(
        result_.problems.begin(), result_.problems.end(),
        [](const SourceProblem& a, const SourceProblem& b) { return a.line < b.line; });
  }

 private:
  void Add(Severity severity, int line, std::string section, std::vector<CatalogueMessage> message,
           bool stopsRun = false) {
    result_.problems.push_back({severity, line, std::move(section), std::move(message), stopsRun});
  }

  void CheckEncoding() {
    std::size_t badLine = 0;
    std::size_t badOffset = 0;
    if (file_.Validate(badLine, badOffset)) return;
    // A file saved as UTF-8 is named as such, at its first line with a UTF-8 character, as the
    // run names it; its lines are not listed one by one.
    if (const auto line = Utf8Line(file_)) {
      const std::string_view text = file_.LineBytes(*line);
      Add(Severity::kError, static_cast<int>(*line + 1), {},
          {Say(MessageId::kUtf8Source,
               {Count(static_cast<std::int64_t>(*line + 1)), FromUtf8(std::string(text))})},
          true);
      return;
    }
    Add(Severity::kError, static_cast<int>(badLine + 1), {},
        {Say(MessageId::kCheckNotCp932From, {Count(static_cast<std::int64_t>(badOffset))})}, true);
    std::size_t more = 0;
    for (std::size_t i = badLine + 1; i < file_.LineCount(); ++i) {
      if (Cp932Valid(file_.LineBytes(i))) continue;
      if (++more <= kMostEncodingProblems) {
        Add(Severity::kError, static_cast<int>(i + 1), {}, {Say(MessageId::kCheckNotCp932)});
      }
    }
    if (more > kMostEncodingProblems) {
      Add(Severity::kError, 0, {},
          {Say(MessageId::kCheckMoreNotCp932,
               {Count(static_cast<std::int64_t>(more - kMostEncodingProblems))})});
    }
  }

  void FindTagLines() {
    for (std::size_t i = 0; i < file_.LineCount(); ++i) {
      const std::string_view bytes = file_.LineBytes(i);
      if (IsTagLine(bytes)) tagLines_.push_back({i, std::string(bytes.substr(0, 2))});
    }
  }

  void CheckSection(const SectionKind& kind) {
    const std::string tag = kind.tag;
    const auto first = std::find_if(tagLines_.begin(), tagLines_.end(),
                                    [&](const auto& entry) { return entry.second == tag; });
    if (first == tagLines_.end()) return;
    const std::size_t tagLine = first->first;
    SectionFound found;
    found.tag = tag;
    found.line = static_cast<int>(tagLine + 1);
    found.unit = kind.unit;
    found.unitWord = kind.unitWord;
    found.lastLine = found.line;
    const Text rest = CountText(file_.Line(tagLine), tag);
    found.countText = file_.Line(tagLine).substr(2);
    const std::size_t nextTag = NextTagLine(file_, tagLine + 1);

    SectionHeader header;
    try {
      header = FindSection(file_, tag);
    } catch (const RunError& error) {
      found.count = LeadingValue(rest);
      found.lastLine = static_cast<int>(nextTag);
      Add(Severity::kError, found.line, tag,
          {error.failure().reason, Say(MessageId::kCheckRunStopsHere)}, true);
      result_.sections.push_back(found);
      return;
    }
    found.count = AsDecimal(header.rawCount);
    found.converted = header.Present();
    CheckCount(found, rest, header);
    if (!found.converted) {
      result_.sections.push_back(found);
      return;
    }

    // The section's own reader, as the run calls it before writing anything.
    KeptReading reading = ReadKeepingEveryNote(
        file_, kind, header, [](TextReader& reader, const SectionHeader& at, SectionNotes& notes) {
          ReadHeaderBlock(reader, at, notes);
        });
    found.present = reading.present;
    found.lastLine = reading.lastLine;
    for (SectionNote& note : reading.notes) {
      Add(note.fault ? Severity::kError : Severity::kWarning, note.line, tag,
          {std::move(note.message)}, note.stopsRun);
    }
    // A reader that stops at a line beginning with "$" never reads the next tag line.
    CheckShortSection(found, std::max<long long>(header.count, 0),
                      kind.endsAtDollarLine ? file_.LineCount() : nextTag, reading);
    const std::optional<RunFailure>& failure = reading.failure;
    if (failure && !reading.explained) {
      const int line = failure->sourceLine > 0 ? failure->sourceLine : found.line;
      Add(Severity::kError, line, tag, {failure->reason, Say(MessageId::kCheckRunStopsHere)}, true);
    }
    result_.sections.push_back(found);
  }

  void CheckCount(const SectionFound& found, const Text& rest, const SectionHeader& header) {
    const Text shown = Trim(rest);
    if (header.rawCount == 0.0f && !IsNumeric(rest)) {
      Add(Severity::kWarning, found.line, found.tag,
          {shown.empty() ? Say(MessageId::kCheckNoCount)
                         : Say(MessageId::kCheckCountNotNumber, {shown})});
    } else if (header.rawCount < 0.0f) {
      Add(Severity::kWarning, found.line, found.tag,
          {Say(MessageId::kCheckCountNegative, {shown})});
    } else if (static_cast<double>(header.rawCount) != static_cast<double>(header.count)) {
      Add(Severity::kWarning, found.line, found.tag,
          {Say(MessageId::kCheckCountNotWhole, {shown, NumberText(header.count)})});
    }
  }

  // The count promises more than stands before the next tag line: the file ends first, or the
  // reading would take in the tag line of another section (the run stops before it writes
  // anything), or the reader takes in a line that no section's search finds (a second tag line,
  // an unknown tag) and the lines after it, which the run converts as they come.
  void CheckShortSection(const SectionFound& found, long long count, std::size_t nextTag,
                         KeptReading& reading) {
    if (count <= found.present) return;
    const Text promised = NumberText(count);
    const Text present = NumberText(found.present);
    const CatalogueMessage unit = Say(found.unitWord);
    // What ended the reading says why it is short; it stops the run when it is the first fault.
    const auto& ended = reading.ended;
    const bool first = ended && reading.failure &&
                       reading.failure->sourceLine == ended->sourceLine &&
                       reading.failure->kind == ended->kind;
    const auto tagAt = [&](std::size_t line) {
      return std::vector<MessageArg>{promised,
                                     present,
                                     unit,
                                     FromAscii(file_.LineBytes(line).substr(0, 2)),
                                     NumberText(static_cast<long long>(line + 1)),
                                     FromAscii(found.tag)};
    };
    if (ended && ended->kind == FailureKind::kReadPastEnd) {
      reading.explained = reading.explained || first;
      Add(Severity::kError, found.line, found.tag,
          {Say(MessageId::kCheckCountPastEnd, {promised, present, unit})}, first);
    } else if (ended && ended->kind == FailureKind::kIntoNextSection) {
      // Said with what stands before it when that tag line is the first one after the section;
      // else the failure speaks for itself.
      if (static_cast<std::size_t>(ended->sourceLine) == nextTag + 1) {
        reading.explained = reading.explained || first;
        Add(Severity::kError, found.line, found.tag,
            {CatalogueMessage(MessageId::kCheckCountIntoSection, tagAt(nextTag))}, first);
      } else if (!first) {
        Add(Severity::kError, ended->sourceLine, found.tag, {ended->reason});
      }
    } else if (nextTag < file_.LineCount()) {
      Add(Severity::kWarning, found.line, found.tag,
          {CatalogueMessage(MessageId::kCheckCountIntoNextTag, tagAt(nextTag))});
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
      if (FindSectionKind(tag) != nullptr) {
        const auto first =
            std::find_if(result_.sections.begin(), result_.sections.end(),
                         [&](const SectionFound& found) { return found.tag == tag; });
        Add(Severity::kWarning, at, tag,
            {Say(MessageId::kCheckSecondTag,
                 {FromAscii(tag), NumberText(first == result_.sections.end() ? 0 : first->line)})});
      } else {
        Add(Severity::kWarning, at, {}, {Say(MessageId::kCheckUnknownTag, {FromAscii(tag)})});
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
      const bool one = first == last;
      std::vector<MessageArg> args = {NumberText(static_cast<long long>(first + 1))};
      if (!one) args.push_back(NumberText(static_cast<long long>(last + 1)));
      MessageId why = one ? MessageId::kCheckLineUnreached : MessageId::kCheckLinesUnreached;
      for (const SectionFound& found : result_.sections) {
        if (static_cast<std::size_t>(std::max(found.line, found.lastLine)) == from &&
            found.converted && found.present > static_cast<long long>(found.count)) {
          why = one ? MessageId::kCheckLineBeyondCount : MessageId::kCheckLinesBeyondCount;
          args.insert(args.end(),
                      {NumberText(static_cast<long long>(found.count)), FromAscii(found.tag),
                       NumberText(found.present), Say(found.unitWord)});
          break;
        }
      }
      Add(Severity::kWarning, static_cast<int>(first + 1), {}, {CatalogueMessage(why, args)});
    };
    for (const auto& [from, to] : covered) {
      if (from > next) gap(next, from);
      next = std::max(next, to + 1);
    }
    if (next < file_.LineCount()) gap(next, file_.LineCount());
  }

  bool IsBlank(std::size_t line) const { return IsBlankLine(file_.LineBytes(line)); }

  const LineFile& file_;
  SourceCheck& result_;
  std::vector<std::pair<std::size_t, std::string>> tagLines_;  // 0-based line, tag
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
    result.problems.push_back({Severity::kError, 0, {}, {error.failure().reason}, true});
  }
  return result;
}

SourceCheck CheckSourceFile(const FileSystem& fs, TextView path) {
  const auto unreadable = [&](CatalogueMessage why) {
    SourceCheck result;
    result.file = Text(path);
    result.readable = false;
    result.problems.push_back({Severity::kError, 0, {}, {std::move(why)}, true});
    return result;
  };
  if (Trim(path).empty() || !fs.Exists(path, ListAttribute::kNormal)) {
    // A folder is not a missing file: it is there, but it is not a file the run can read.
    const bool folder = !Trim(path).empty() && fs.Exists(path, ListAttribute::kDirectory);
    return unreadable(Say(folder ? MessageId::kCheckIsFolder : MessageId::kCheckNoSuchFile));
  }
  FileError error;
  auto bytes = fs.ReadAll(path, error);
  if (!bytes) return unreadable(Say(MessageId::kCheckCannotRead, {ReasonOf(error)}));
  return CheckSourceBytes(std::move(*bytes), Text(path));
}

}  // namespace gdf
