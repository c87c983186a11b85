// preview.cpp - The record files a run wrote, read back into columns by depth, and the findings
// that the picture marks.
#include "preview/preview.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "run/batch_run.h"
#include "run/source_check.h"
#include "tables/soil_names.h"
#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

// The entry of the header block that holds the boring's length (header line 16).
constexpr std::size_t kLengthTitle = 21;

struct ColumnRule {
  const char16_t* file;
  const char* tag;
  PreviewColumnKind kind;
};

constexpr ColumnRule kColumns[] = {
    {u"X1.TXT", "$A", PreviewColumnKind::kLayers},
    {u"X3.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R31.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R32.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R33.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R34.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R35.TXT", "$S", PreviewColumnKind::kRanges},
    {u"R30.TXT", "$S", PreviewColumnKind::kRanges},
    {u"N9.TXT", "$W", PreviewColumnKind::kMarkers},
    {u"X5.TXT", "$C", PreviewColumnKind::kBars},
    {u"X12.TXT", "$K", PreviewColumnKind::kNotes},
    {u"R41.TXT", "$O", PreviewColumnKind::kSeries},
    {u"N8.TXT", "$B", PreviewColumnKind::kMarkers},
    {u"G71.TXT", "$B", PreviewColumnKind::kTexts},
    {u"G73.TXT", "$B", PreviewColumnKind::kTexts},
    {u"G81.TXT", "$B $U", PreviewColumnKind::kTexts},
    {u"R72.TXT", "$H", PreviewColumnKind::kTexts},
};

// Lines of a record file (CR LF, LF or CR end a line), decoded; a line that is not code page
// 932 is decoded as far as it goes.
std::vector<Text> DecodeLines(std::string_view bytes) {
  std::vector<Text> lines;
  for (const Line& raw : SplitLines(bytes)) {
    Text line;
    std::size_t bad = 0;
    if (!Cp932Decode(raw.content, line, &bad)) {
      line.clear();
      Cp932Decode(raw.content.substr(0, bad), line);
      line += u'\uFFFD';
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<Text> SplitFields(TextView line) {
  std::vector<Text> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(u',', start);
    fields.emplace_back(
        line.substr(start, comma == TextView::npos ? TextView::npos : comma - start));
    if (comma == TextView::npos) break;
    start = comma + 1;
  }
  return fields;
}

Text Field(const std::vector<Text>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : Text();
}

// Fields from `from` on, joined again by "," (a value that holds a comma spans several).
Text Rest(const std::vector<Text>& fields, std::size_t from) {
  Text rest;
  for (std::size_t i = from; i < fields.size(); ++i) {
    if (i > from) rest += u',';
    rest += fields[i];
  }
  return rest;
}

// The value of a depth or reading field, as the drawing system would read it: a number, or
// nothing when the text is none.
bool ReadNumber(TextView text, double& value) {
  const Text trimmed = Trim(text);
  if (trimmed.empty() || !IsNumeric(trimmed)) return false;
  try {
    value = NumericOrZero(trimmed);
  } catch (const RunError&) {
    return false;  // beyond the Single range
  }
  return std::isfinite(value);
}

Text Metres(double value) { return CStrForm(static_cast<float>(value)); }

// The text of the fields after the depth, trimmed, the empty ones left out, joined by " | ".
Text JoinValues(const std::vector<Text>& fields, std::size_t from) {
  Text joined;
  for (std::size_t i = from; i < fields.size(); ++i) {
    const Text value = Trim(fields[i]);
    if (value.empty()) continue;
    if (!joined.empty()) joined += u" | ";
    joined += value;
  }
  return joined;
}

bool IsNewName(const RunReport& report, TextView code, TextView name) {
  return std::any_of(report.added.begin(), report.added.end(), [&](const AddedTableLine& line) {
    return EqualFoldingCase(line.table, u"XKISHITU.TXT") && line.code == code && line.name == name;
  });
}

NameKind KindOfCode(const RunReport& report, TextView code, TextView name) {
  if (IsNewName(report, code, name)) return NameKind::kNew;
  double value = 0;
  if (ReadNumber(code, value) && IsAddedNameCode(value)) return NameKind::kAdded;
  return NameKind::kTable;
}

// Reads one line of a record file into an item; false when the line holds no entry to draw.
bool ReadItem(PreviewColumnKind kind, const std::vector<Text>& fields, const RunReport& report,
              PreviewItem& item) {
  Text depthField = Field(fields, 1);
  switch (kind) {
    case PreviewColumnKind::kLayers:
      item.code = Field(fields, 2);
      item.text = Rest(fields, 3);
      item.nameKind = KindOfCode(report, item.code, item.text);
      break;
    case PreviewColumnKind::kRanges:
      if (fields.size() == 7 || fields.size() == 6) {
        // X3.TXT ends with its range field; R30.TXT to R35.TXT show a range by a second part.
        const Text first = Field(fields, 3);
        const Text second = Field(fields, 5);
        item.range = fields.size() == 7 ? Field(fields, 6) == u"～" : !second.empty();
        item.text = item.range ? first + u"～" + second : first;
      } else {
        item.text = Rest(fields, 3);  // a value with a comma: shown as the line holds it
        item.range = item.text.find(u'～') != Text::npos;
      }
      break;
    case PreviewColumnKind::kBars:
      item.text = Trim(Field(fields, 3));
      if (!ReadNumber(item.text, item.value)) item.value = 0;
      break;
    case PreviewColumnKind::kMarkers:
      // N9.TXT: counter, date, reading (the water level, a depth); N8.TXT: counter, date, depth.
      item.text = Trim(Field(fields, 1));
      depthField = Field(fields, 2);
      break;
    case PreviewColumnKind::kSeries:
      break;  // read by ReadSeries
    case PreviewColumnKind::kTexts:
      item.text = JoinValues(fields, 2);
      break;
    case PreviewColumnKind::kNotes: {
      Text note = Rest(fields, 2);
      if (note.size() >= 2 && note.front() == u'"' && note.back() == u'"') {
        note = note.substr(1, note.size() - 2);
      }
      item.text = note;
      break;
    }
  }
  item.depthText = Trim(depthField);
  return true;
}

// R41.TXT: a line whose reading field is blank belongs to the second series alone; one whose
// second-series readings are both [  0] to the first alone; any other line to both.
void ReadSeries(const std::vector<Text>& fields, PreviewItem base, std::vector<PreviewItem>& out) {
  const Text first = Trim(Field(fields, 2));
  const Text secondA = Trim(Field(fields, 3));
  const Text secondB = Trim(Field(fields, 4));
  const bool hasFirst = !first.empty();
  const bool hasSecond = !hasFirst || secondA != u"0" || secondB != u"0";
  const auto add = [&](const Text& text, int series) {
    PreviewItem item = base;
    item.text = text;
    item.series = series;
    if (!ReadNumber(text, item.value)) item.value = 0;
    out.push_back(item);
  };
  if (hasFirst) add(first, 0);
  if (hasSecond) {
    add(secondA, 1);
    add(secondB, 2);
  }
}

// Lines of a section's record in the source, for finding the depth of a problem's line.
int RecordShape(const std::string& tag) {
  if (tag == "$A" || tag == "$S") return 9;
  if (tag == "$C" || tag == "$O") return 5;
  if (tag == "$U") return 2;
  if (tag == "$B") return 10;
  if (tag == "$H") return 4;
  return 0;
}

// The depth of the record that holds source line `line`, read from the record's depth line.
bool DepthOfSourceLine(const SourceCheck& check, const std::vector<Text>& lines,
                       const SourceProblem& problem, double& depth) {
  const int shape = RecordShape(problem.section);
  if (shape == 0 || problem.line <= 0) return false;
  const auto section =
      std::find_if(check.sections.begin(), check.sections.end(),
                   [&](const SectionFound& s) { return s.tag == problem.section; });
  if (section == check.sections.end() || problem.line <= section->line) return false;
  const int first = section->line + 1 + (problem.line - section->line - 1) / shape * shape;
  const auto lineText = [&](int number) -> Text {
    return number >= 1 && static_cast<std::size_t>(number) <= lines.size()
               ? lines[static_cast<std::size_t>(number) - 1]
               : Text();
  };
  Text depthText = lineText(first);
  // A "$O" record holds its second series' depth on its third line.
  const std::size_t equals = depthText.find(u'=');
  if (problem.section == "$O") {
    depthText = depthText.substr(0, equals);
    double value = 0;
    if (!ReadNumber(depthText, value) || value == 0) {
      depthText = lineText(first + 2);
      depthText = depthText.substr(0, depthText.find(u'='));
    }
  }
  return ReadNumber(depthText, depth);
}

void AddCheckFindings(const RunInputs& inputs, const FileSystem& fs, PreviewPicture& picture) {
  const auto source = fs.Absolute(Trim(inputs.sourceText));
  if (!source || !fs.Exists(*source, ListAttribute::kNormal)) return;
  FileError error;
  const auto bytes = fs.ReadAll(*source, error);
  if (!bytes) return;
  const std::vector<Text> lines = DecodeLines(*bytes);
  const SourceCheck check = CheckSourceBytes(*bytes, picture.source);
  for (const SourceProblem& problem : check.problems) {
    PreviewFinding finding;
    finding.error = problem.severity == Severity::kError;
    finding.sourceLine = std::max(problem.line, 0);
    finding.message = problem.message;
    finding.hasDepth = DepthOfSourceLine(check, lines, problem, finding.depth);
    picture.findings.push_back(std::move(finding));
  }
}

// Findings of one column: depths that are not numbers, depths that go up, depths beyond the
// boring's length from the header block.
void CheckColumn(const PreviewColumn& column, double length,
                 std::vector<PreviewFinding>& findings) {
  if (column.items.empty()) {
    findings.push_back({false, 0, false, 0, {Say(MessageId::kPreviewHoldsNoLine, {column.file})}});
    return;
  }
  // Readings of the water level are taken on different days and need not go down.
  const bool ordered = column.file != u"N9.TXT";
  const PreviewItem* previous = nullptr;
  for (const PreviewItem& item : column.items) {
    if (item.series > 1) continue;  // the second reading of the same "$O" line
    const Text line = Count(item.line);
    double ignored = 0;
    if (!ReadNumber(item.depthText, ignored)) {
      findings.push_back({true,
                          item.depth,
                          true,
                          0,
                          {Say(MessageId::kPreviewDepthNotNumber,
                               {column.file, line, item.depthText, Metres(item.depth)})}});
    }
    if (ordered && previous != nullptr && item.depth < previous->depth &&
        item.line != previous->line) {
      findings.push_back(
          {true,
           item.depth,
           false,
           0,
           {Say(column.kind == PreviewColumnKind::kLayers ? MessageId::kPreviewLayersOutOfOrder
                                                          : MessageId::kPreviewDepthsNotAscending,
                {column.file, line, item.depthText, previous->depthText})}});
    }
    if (length > 0 && item.depth > length + 0.005) {
      findings.push_back({true,
                          item.depth,
                          false,
                          0,
                          {Say(MessageId::kPreviewBelowLength,
                               {column.file, line, item.depthText, Metres(length)})}});
    }
    previous = &item;
  }
}

}  // namespace

bool PreviewColumnOf(TextView fileName, PreviewColumnKind& kind, std::string& tag) {
  for (const ColumnRule& rule : kColumns) {
    if (EqualFoldingCase(fileName, rule.file)) {
      kind = rule.kind;
      tag = rule.tag;
      return true;
    }
  }
  return false;
}

PreviewColumn ReadPreviewColumn(TextView fileName, const std::string& bytes,
                                const RunReport& report) {
  PreviewColumn column;
  column.file = Text(fileName);
  if (!PreviewColumnOf(fileName, column.kind, column.tag)) return column;
  const std::vector<Text> lines = DecodeLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<Text> fields = SplitFields(lines[i]);
    PreviewItem item;
    item.line = static_cast<int>(i + 1);
    if (!ReadItem(column.kind, fields, report, item)) continue;
    if (!ReadNumber(item.depthText, item.depth)) item.depth = 0;
    if (column.kind == PreviewColumnKind::kSeries) {
      ReadSeries(fields, item, column.items);
    } else {
      column.items.push_back(std::move(item));
    }
  }
  // A band or a range covers from the entry before it (the top for the first) down to its own
  // depth, as every depth-keyed column gives the lower end of what its entry covers.
  const bool spans =
      column.kind == PreviewColumnKind::kLayers || column.kind == PreviewColumnKind::kRanges;
  double top = 0;
  for (PreviewItem& item : column.items) {
    item.top = spans ? top : item.depth;
    if (spans) top = item.depth;
  }
  return column;
}

Text PreviewOutcomeText(const RunReport& report, Language language) {
  return report.outcome() == RunOutcome::kCompleted ? report.completionText()
                                                    : OutcomeReason(report, language);
}

Text PreviewFindingText(const PreviewFinding& finding, Language language) {
  const Text said = RenderSentences(finding.message, language);
  if (finding.sourceLine <= 0) return said;
  return Render(Say(MessageId::kPreviewSourceLine, {Count(finding.sourceLine), said}), language);
}

PreviewPicture BuildPreview(const RunInputs& inputs, const RunReport& report,
                            const FileSystem& fs) {
  PreviewPicture picture;
  picture.source = SourceFileName(inputs.sourceText);
  picture.report = report;
  for (const WrittenFile& file : report.files) {
    FileError error;
    const auto bytes = fs.ReadAll(file.path, error);
    if (!bytes) {
      picture.findings.push_back(
          {false,
           0,
           true,
           0,
           {Say(MessageId::kPreviewCannotReadBack, {file.name, ReasonOf(error)})}});
      continue;
    }
    if (EqualFoldingCase(file.name, u"Titl01.txt")) {
      picture.titles1 = DecodeLines(*bytes);
      continue;
    }
    if (EqualFoldingCase(file.name, u"Titl02.txt")) {
      picture.titles2 = DecodeLines(*bytes);
      continue;
    }
    PreviewColumnKind kind;
    std::string tag;
    if (!PreviewColumnOf(file.name, kind, tag)) continue;
    picture.columns.push_back(ReadPreviewColumn(file.name, *bytes, report));
  }

  double length = 0;
  if (picture.titles1.size() >= kLengthTitle &&
      (!ReadNumber(picture.titles1[kLengthTitle - 1], length) || length < 0)) {
    length = 0;
  }
  for (const PreviewColumn& column : picture.columns) {
    CheckColumn(column, length, picture.findings);
    for (const PreviewItem& item : column.items) {
      picture.deepest = std::max(picture.deepest, item.depth);
      picture.shallowest = std::min(picture.shallowest, item.depth);
    }
  }
  AddCheckFindings(inputs, fs, picture);
  for (const PreviewFinding& finding : picture.findings) {
    if (!finding.hasDepth) continue;
    picture.deepest = std::max(picture.deepest, finding.depth);
    picture.shallowest = std::min(picture.shallowest, finding.depth);
  }
  return picture;
}

PreviewRun RunPreview(const RunInputs& inputs, FileSystem& real, FrontEnd& ui) {
  DryRunFileSystem overlay(real);
  YesFrontEnd answering(ui);
  PreviewRun result;
  result.dryRun.report = RunConversion(inputs, overlay, answering);
  result.dryRun.folderQuestionAsked = answering.Asked();
  result.dryRun.changes = overlay.Changes();
  result.dryRun.folders = PlanFolders(inputs, result.dryRun.report, result.dryRun.changes, real);
  result.picture = BuildPreview(inputs, result.dryRun.report, overlay);
  return result;
}

Text PreviewTargetFor(const Text& source, const FileSystem& fs) {
  const auto absolute = fs.Absolute(Trim(source));
  const Text drive = absolute && absolute->size() >= 2 ? absolute->substr(0, 2) : Text(u"Z:");
  Text stem;
  for (const char16_t ch : SourceStem(source)) {
    // A name the path check takes: no blank, no dot, at most eight characters.
    if (ch != u' ' && ch != u'.' && ch != u'*' && ch != u'?' && stem.size() < 8) stem += ch;
  }
  return drive + u"\\GDFPREVW\\" + (stem.empty() ? Text(u"BORING") : stem);
}

}  // namespace gdf
