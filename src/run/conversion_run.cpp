// conversion_run.cpp - The steps of a run: status text, path checks, folder creation, then the
// source file read whole and checked, L4.TXT, the header stage and the sections in order.
#include "run/conversion_run.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "common/numbers.h"
#include "common/path_validation.h"
#include "common/routines.h"
#include "messages/system_texts.h"
#include "platform/watched_file_system.h"
#include "run/header_stage.h"
#include "run/pattern_folder_guard.h"
#include "run/run_context.h"
#include "sections/section.h"
#include "sections/section_table.h"
#include "sections/source_file.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

constexpr char16_t kMarker[] = u"PATADD.txt";

// Refuses the run at a check: the status line is cleared and nothing has been written.
RunReport Refuse(RunReport report, FrontEnd& ui, RefusalKind kind, Text why,
                 std::vector<CatalogueMessage> explanation = {},
                 std::optional<PathVerdict> verdict = std::nullopt) {
  ui.SetStatusText(u"");
  report.Refuse({kind, std::move(why), std::move(explanation), std::move(verdict)});
  return report;
}

// The first level of the validated target that is a file rather than a folder, if any: the
// folder question would be asked in vain, and creating the folder would fail.
std::optional<Text> FileInTargetPath(const Text& validated, const FileSystem& fs) {
  for (std::size_t at = validated.find(u'\\', 3); at != Text::npos;
       at = validated.find(u'\\', at + 1)) {
    const Text prefix = validated.substr(0, at);
    if (fs.Exists(prefix, ListAttribute::kNormal)) return prefix;
  }
  return std::nullopt;
}

// Whether the marker of added names could be left in the program folder. Checked with the
// other checks, before anything is written: a run must never grow the tables and then stop at
// the marker, for the next run would leave none and the sign that names were added be lost.
std::optional<CatalogueMessage> ProgramFolderProblem(const Text& programFolder, FileSystem& fs) {
  if (programFolder.empty()) return std::nullopt;
  const Text marker = programFolder + kMarker;
  Text folder = programFolder;
  if (folder.size() > 3 && folder.back() == u'\\') folder.pop_back();
  FileError error;
  if (!fs.Exists(folder, ListAttribute::kDirectory)) {
    error = Failed(FileFailure::kNoSuchFolder);
  } else {
    if (fs.CanWrite(marker, error)) return std::nullopt;
  }
  return Say(MessageId::kProgramFolderNotWritable, {folder, ReasonOf(error)});
}

// The levels of the validated target that do not exist, from the top.
std::vector<Text> MissingTargetLevels(const Text& validated, const FileSystem& fs) {
  const std::int16_t n = CountDelimiters(validated, u"\\");
  std::vector<Text> pieces(static_cast<std::size_t>(n) + 2);
  SplitByDelimiters(validated, u"\\", pieces);
  std::vector<Text> missing;
  Text prefix = pieces[1];
  for (std::size_t i = 2; i <= static_cast<std::size_t>(n) + 1; ++i) {
    prefix += u"\\" + pieces[i];
    if (!fs.Exists(prefix, ListAttribute::kDirectory)) missing.push_back(prefix);
  }
  return missing;
}

// Creates the missing levels of the target, which the user has agreed to.
void CreateTargetLevels(const std::vector<Text>& missing, FileSystem& fs) {
  for (const Text& level : missing) {
    if (fs.Exists(level, ListAttribute::kDirectory)) continue;
    FileError error;
    if (!fs.CreateFolder(level, error)) {
      throw RunError(FailureKind::kCannotWrite,
                     Say(MessageId::kCannotCreateFolder, {ReasonOf(error)}), level);
    }
  }
}

// The source file and every section that the run converts, read before anything is written.
struct ReadSource {
  LineFile file;
  SectionHeader header;  // "$Z"
  HeaderBlock block;
  std::vector<std::pair<SectionHeader, std::unique_ptr<Section>>> sections;
  bool anyTagLine = false;  // whether any search found its tag line
};

// Runs `step`; a RunError that escapes gets the stage (and the file) it happened in.
template <typename Step>
void InStage(TextView stage, TextView file, Step&& step) {
  try {
    step();
  } catch (RunError& error) {
    RunFailure& failure = error.failure();
    if (failure.stage.empty()) failure.stage = Text(stage);
    if (failure.file.empty()) failure.file = Text(file);
    throw;
  }
}

// Whether the source path names a file: a path that ends with a separator names a folder (a
// listing of it would find the folder's entries), as does the root of a drive.
bool NamesSourceFile(const Text& source, const FileSystem& fs) {
  const Text trimmed = Trim(source);
  if (trimmed.empty() || trimmed.back() == u'\\' || trimmed.back() == u'/') return false;
  return fs.Exists(source, ListAttribute::kNormal);
}

ReadSource ReadWholeSource(const RunInputs& inputs, FileSystem& fs) {
  ReadSource source;
  InStage(kStageSourceFile, inputs.sourceText,
          [&] { source.file = LoadLineFile(fs, inputs.sourceText); });
  InStage(u"$Z", inputs.sourceText, [&] {
    source.header = FindSection(source.file, "$Z");
    if (source.header.count != 0) {
      TextReader reader = SectionReader(source.file, kSections[0], source.header);
      source.block = ReadHeaderBlock(reader, source.header);
    }
  });
  for (const SectionKind& kind : kSections) {
    if (kind.make == nullptr) continue;  // "$Z", read above for the header stage
    InStage(FromAscii(kind.tag), inputs.sourceText, [&] {
      SectionHeader header = FindSection(source.file, kind.tag);
      std::unique_ptr<Section> section;
      if (header.Present()) {
        section = kind.make();
        TextReader reader = SectionReader(source.file, kind, header);
        section->Read(reader, header);
      }
      source.anyTagLine = source.anyTagLine || header.found;
      source.sections.emplace_back(std::move(header), std::move(section));
    });
  }
  source.anyTagLine = source.anyTagLine || source.header.found;
  return source;
}

// Hands the list of section `from` to section `to`, when both are converted.
void HandOn(ReadSource& read, const std::string& from, const std::string& to) {
  Section* giver = nullptr;
  Section* taker = nullptr;
  for (auto& [header, section] : read.sections) {
    if (header.tag == from) giver = section.get();
    if (header.tag == to) taker = section.get();
  }
  if (giver != nullptr && taker != nullptr) taker->TakeHandedList(giver->HandedList());
}

// The record files of the target folder that the run did not touch, in the order the run writes
// them: from an earlier run, the drawing system will load them with this run's. (A title file
// whose writing failed, which the run passes over, was touched: it is not the earlier one.)
std::vector<Text> RecordFilesFromBefore(const Text& target, const RunReport& report,
                                        const FileSystem& fs) {
  std::vector<Text> left;
  const auto folder = fs.Absolute(Trim(target));
  if (!folder) return left;
  const std::vector<FolderEntry> entries = fs.List(*folder);
  const auto touched = [&](TextView name) {
    return std::any_of(report.changed.begin(), report.changed.end(), [&](const ChangedFile& file) {
      return EqualFoldingCase(TextView(file.path).substr(file.path.rfind(u'\\') + 1), name);
    });
  };
  for (const char16_t* name : kRecordFiles) {
    if (touched(name)) continue;
    for (const FolderEntry& entry : entries) {
      if (!entry.isFolder && EqualFoldingCase(entry.name, name)) left.push_back(entry.name);
    }
  }
  return left;
}

// Notes what the run changed on the disk.
void NoteChanges(RunReport& report, const WatchedFileSystem& watched, const RunInputs& inputs) {
  report.changed = watched.Changes();
  const auto pattern = watched.Absolute(Trim(inputs.patternFolder));
  for (const ChangedFile& file : report.changed) {
    const auto path = watched.Absolute(file.path);
    // The lock file that a first run makes is not a table.
    if (pattern && path && path->size() > pattern->size() &&
        EqualFoldingCase(TextView(*path).substr(0, pattern->size()), *pattern) &&
        (*path)[pattern->size()] == u'\\' &&
        !EqualFoldingCase(TextView(*path).substr(pattern->size() + 1), kLockFileName)) {
      report.tablesChanged = true;
    }
  }
}

}  // namespace

RunReport RunConversion(const RunInputs& inputs, FileSystem& disk, FrontEnd& ui) {
  // Every change goes through the watch, so that a run that stops can name what it left.
  WatchedFileSystem fs(disk);
  RunReport report;
  // The status text, painted before the run goes on.
  ui.SetStatusText(messages::kConverting);
  ui.ProcessPendingEvents();
  const Text source = inputs.sourceText;
  Text validated = inputs.targetText;

  // The target path, checked as the drawing system will use it.
  PathVerdict verdict;
  if (!ValidatePath(validated, fs, ui, &verdict)) {
    std::vector<CatalogueMessage> why = ExplainPathVerdict(verdict);
    ui.ShowMessage({messages::kInvalidPath, MessageIcon::kExclamation, inputs.targetText, why});
    ui.FocusAndSelectTargetPath();
    return Refuse(std::move(report), ui, RefusalKind::kInvalidPath, messages::kInvalidPath,
                  std::move(why), verdict);
  }
  // The source data file.
  if (!NamesSourceFile(source, fs)) {
    const CatalogueMessage why = Trim(source).empty() ? Say(MessageId::kSourceNotGiven)
                                 : fs.Exists(source, ListAttribute::kDirectory)
                                     ? Say(MessageId::kSourceIsFolder, {source})
                                     : Say(MessageId::kSourceMissing, {source});
    ui.ShowMessage({messages::kNoSourceFile, MessageIcon::kNone, std::nullopt, {why}});
    return Refuse(std::move(report), ui, RefusalKind::kNoSourceFile, messages::kNoSourceFile,
                  {why});
  }
  // A target that names a file is refused before the question about creating it.
  if (const auto file = FileInTargetPath(validated, fs)) {
    const CatalogueMessage why = Say(MessageId::kTargetIsFile, {*file});
    ui.ShowMessage({messages::kInvalidPath, MessageIcon::kExclamation, inputs.targetText, {why}});
    ui.FocusAndSelectTargetPath();
    return Refuse(std::move(report), ui, RefusalKind::kTargetIsFile, messages::kInvalidPath, {why});
  }
  if (const auto problem = ProgramFolderProblem(inputs.programFolder, fs)) {
    ui.ShowMessage({{}, MessageIcon::kExclamation, std::nullopt, {*problem}});
    return Refuse(std::move(report), ui, RefusalKind::kProgramFolderNotWritable, {}, {*problem});
  }

  // Whether the target folder is there, asked before anything is locked or written: the
  // pattern-data folder is not held while the question waits for its answer.
  const std::vector<Text> missingLevels = MissingTargetLevels(validated, fs);
  if (!missingLevels.empty() && !ui.AskYesNo(messages::kCreateFolder, {})) {
    return Refuse(std::move(report), ui, RefusalKind::kFolderDeclined, messages::kCreateFolder,
                  {Say(MessageId::kFolderDeclined)});
  }
  ui.SetPointer(Pointer::kHourglass);

  std::unique_ptr<PatternFolderGuard> guard;
  try {
    // The source is read whole and every section that will be converted is read before any
    // file is written, so that a file that promises more than it holds writes nothing; and
    // before the lock, so that a broken source keeps nobody waiting.
    ReadSource read = ReadWholeSource(inputs, fs);
    report.heldNoSection = !read.anyTagLine;

    // Another run, on this PC or another, would interleave its table additions with ours: hold
    // the folder's lock from before the first table is read until the last change is flushed.
    // A source in which no search finds a tag line only has L4.TXT read, which no run changes:
    // it takes no lock, and so makes no lock file.
    std::vector<CatalogueMessage> cannotLock;
    if (read.anyTagLine) guard = PatternFolderGuard::Take(inputs, fs, ui, cannotLock);
    if (read.anyTagLine && !guard) {
      ui.ShowMessage({{}, MessageIcon::kExclamation, std::nullopt, cannotLock});
      ui.SetPointer(Pointer::kDefault);
      return Refuse(std::move(report), ui, RefusalKind::kPatternFolderCannotLock, {},
                    std::move(cannotLock));
    }
    InStage(kStageTargetFolder, validated, [&] { CreateTargetLevels(missingLevels, fs); });

    RunContext context(fs, report);
    context.recordBase = inputs.targetText + u"\\";
    context.validatedTarget = validated;
    context.patternFolder = inputs.patternFolder;
    context.programFolder = inputs.programFolder;
    context.sourcePath = inputs.sourceText;
    context.titleList1.assign(24, Text());
    context.titleList2.assign(42, Text());

    // L4.TXT, the letters of the observation columns, loaded before any section needs it.
    InStage(u"L4.TXT", context.TablePath(u"L4.TXT"), [&] { LoadL4Table(context); });
    // The header block: the title files and the count file.
    if (read.header.count != 0) {
      InStage(u"$Z", {}, [&] { RunHeaderStage(read.block, context); });
    }
    // The sections in the table's order. "$U" writes no file of its own: its list goes to "$B",
    // for G81.TXT.
    HandOn(read, "$U", "$B");
    for (auto& entry : read.sections) {
      Section* section = entry.second.get();
      if (section == nullptr) continue;
      InStage(FromAscii(entry.first.tag), {}, [&] { section->Write(context); });
    }
    if (guard) InStage(kStagePatternFolder, {}, [&] { guard->Settle(report); });
  } catch (const RunError& error) {
    if (guard) guard->SettleAfterFailure(report);
    guard.reset();
    NoteChanges(report, fs, inputs);
    report.Fail(error.failure());
    ui.SetStatusText(u"");
    ui.SetPointer(Pointer::kDefault);
    return report;
  }
  guard.reset();

  NoteChanges(report, fs, inputs);
  report.leftFromBefore = RecordFilesFromBefore(validated, report, fs);
  // The completion text.
  ui.SetStatusText(messages::kCompleted);
  ui.SetConversionDone(true);
  ui.SetPointer(Pointer::kDefault);
  report.Complete(messages::kCompleted);
  return report;
}

namespace {

// One file that a stopped run left changed: a record file it closed with its lines, else what
// happened to it.
CatalogueMessage DescribeChange(const ChangedFile& file, const RunReport& report) {
  if (file.mayBeIncomplete) return Say(MessageId::kChangedFileIncomplete, {file.path});
  for (const WrittenFile& written : report.files) {
    if (EqualFoldingCase(written.path, file.path)) {
      return Say(MessageId::kWrittenFile, {file.path, Count(written.lines)});
    }
  }
  switch (file.kind) {
    case ChangeKind::kCreated:
    case ChangeKind::kFolderCreated:
      return Say(MessageId::kChangedFileCreated, {file.path});
    case ChangeKind::kAppended:
      return Say(MessageId::kChangedFileGrown, {file.path});
    case ChangeKind::kReplaced:
      return Say(MessageId::kChangedFileReplaced, {file.path});
    case ChangeKind::kDeleted:
      break;
  }
  return Say(MessageId::kChangedFileDeleted, {file.path});
}

}  // namespace

Text StageText(const Text& stage, Language language) {
  const struct {
    const char16_t* stage;
    MessageId name;
  } kNamed[] = {{kStageSourceFile, MessageId::kStageSourceFile},
                {kStageTargetFolder, MessageId::kStageTargetFolder},
                {kStagePatternFolder, MessageId::kStagePatternFolder}};
  for (const auto& named : kNamed) {
    if (stage == named.stage) return Render(Say(named.name), language);
  }
  return stage;
}

std::vector<CatalogueMessage> ExplainFailure(const RunFailure& failure, Language language,
                                             FailureLayout layout) {
  if (layout == FailureLayout::kFields) {
    const auto known = [](bool is, MessageArg value) {
      return is ? value : Say(MessageId::kUnknown);
    };
    return {
        Say(MessageId::kRunStoppedNoStage),
        Text(),
        Say(MessageId::kFailureStage,
            {known(!failure.stage.empty(), StageText(failure.stage, language))}),
        Say(MessageId::kFailureFile, {known(!failure.file.empty(), failure.file)}),
        Say(MessageId::kFailureLine, {known(failure.sourceLine > 0, Count(failure.sourceLine))}),
        Say(MessageId::kFailureReason, {failure.reason})};
  }
  std::vector<CatalogueMessage> out;
  out.push_back(failure.stage.empty()
                    ? Say(MessageId::kRunStoppedNoStage)
                    : Say(MessageId::kRunStopped, {StageText(failure.stage, language)}));
  out.push_back(failure.reason);
  if (!failure.file.empty()) out.push_back(Say(MessageId::kFailureFile, {failure.file}));
  if (failure.sourceLine > 0) {
    out.push_back(Say(MessageId::kFailureLine, {Count(failure.sourceLine)}));
  }
  return out;
}

Text FailureReasonWhere(const RunFailure& failure, Language language) {
  const Text reason = failure.Reason(language);
  if (failure.file.empty()) return reason;
  const Text where =
      failure.sourceLine > 0
          ? Render(Say(MessageId::kFileAtLine, {failure.file, Count(failure.sourceLine)}), language)
          : failure.file;
  return Render(Say(MessageId::kReasonWhere, {reason, where}), language);
}

std::vector<CatalogueMessage> ExplainWhatWasLeft(const RunReport& report, TableLines tableLines) {
  std::vector<CatalogueMessage> out;
  if (report.changed.empty() && report.added.empty()) {
    out.push_back(Say(MessageId::kNothingWritten));
    return out;
  }
  if (!report.changed.empty()) {
    out.push_back(Say(MessageId::kFilesWrittenBefore, {Count(std::ssize(report.changed))}));
    for (const ChangedFile& file : report.changed) out.push_back(DescribeChange(file, report));
  }
  if (report.added.empty()) {
    if (!report.tablesChanged) out.push_back(Say(MessageId::kNoTableChanged));
  } else if (tableLines == TableLines::kCounted) {
    out.push_back(Say(MessageId::kTableLinesAddedCount, {Count(std::ssize(report.added))}));
  } else {
    out.push_back(Say(MessageId::kTableLinesAdded, {Count(std::ssize(report.added))}));
    for (const AddedTableLine& line : report.added) {
      out.push_back(Say(MessageId::kAddedTableLine, {line.table, line.code, line.name}));
    }
  }
  return out;
}

std::vector<CatalogueMessage> CompletionWarnings(const RunReport& report) {
  std::vector<CatalogueMessage> out;
  if (report.outcome() != RunOutcome::kCompleted) return out;
  if (report.heldNoSection) out.push_back(Say(MessageId::kSourceHeldNoSection));
  for (const Text& name : report.leftFromBefore) {
    out.push_back(Say(MessageId::kRecordFileFromBefore, {name}));
  }
  return out;
}

std::vector<CatalogueMessage> ExplainOutcome(const RunReport& report, Language language) {
  if (report.outcome() == RunOutcome::kCompleted) return {Say(MessageId::kCompleted)};
  if (const Refusal* refusal = report.refusal()) {
    std::vector<CatalogueMessage> out;
    if (!refusal->message.empty()) out.push_back(refusal->message);
    out.insert(out.end(), refusal->explanation.begin(), refusal->explanation.end());
    return out;
  }
  std::vector<CatalogueMessage> out;
  if (const RunFailure* failure = report.failure()) out = ExplainFailure(*failure, language);
  const auto left = ExplainWhatWasLeft(report);
  out.insert(out.end(), left.begin(), left.end());
  return out;
}

Text DescribeFailure(const RunFailure& failure, Language language) {
  return RenderLines(ExplainFailure(failure, language), language);
}

MessageId OutcomeWord(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kCompleted:
      return MessageId::kBatchConverted;
    case RunOutcome::kRefused:
      return MessageId::kBatchRefused;
    case RunOutcome::kFailed:
      break;
  }
  return MessageId::kBatchFailed;
}

Text OutcomeReason(const RunReport& report, Language language) {
  if (report.outcome() == RunOutcome::kCompleted) {
    return RenderSentences(CompletionWarnings(report), language);
  }
  if (const Refusal* refusal = report.refusal()) {
    if (refusal->kind == RefusalKind::kFolderDeclined) {
      return Render(Say(MessageId::kBatchAnsweredNo), language);
    }
    std::vector<CatalogueMessage> sentences;
    if (!refusal->message.empty()) sentences.emplace_back(refusal->message);
    for (const CatalogueMessage& line : refusal->explanation) {
      if (Render(line, language) != refusal->message) sentences.push_back(line);
    }
    return RenderSentences(sentences, language);
  }
  const RunFailure* failure = report.failure();
  if (failure == nullptr) return {};
  Text reason = StageText(failure->stage, language);
  if (failure->sourceLine > 0) {
    reason += Render(Say(MessageId::kBatchAtLine, {Count(failure->sourceLine)}), language);
  }
  if (reason.empty()) return failure->Reason(language);
  return Render(Say(MessageId::kStageThenReason, {reason, failure->Reason(language)}), language);
}

}  // namespace gdf
