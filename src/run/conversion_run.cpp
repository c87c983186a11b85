// conversion_run.cpp - The steps of a run: status text, path checks, folder creation, then the
// source file read whole and checked, L4.TXT, the header stage and the sections in order.
#include "run/conversion_run.h"

#include <memory>
#include <vector>

#include "common/messages.h"
#include "common/numbers.h"
#include "common/path_validation.h"
#include "common/routines.h"
#include "run/header_stage.h"
#include "run/run_context.h"
#include "sections/section.h"
#include "sections/section_table.h"
#include "sections/source_file.h"

namespace gdf {
namespace {

// Refuses the run at a check: the status line is cleared and nothing has been written.
RunReport Refuse(RunReport report, FrontEnd& ui, RefusalKind kind, Text why) {
  ui.SetStatusText(u"");
  report.Refuse({kind, std::move(why)});
  return report;
}

// Step 5: whether every level of the validated target exists, creating the missing ones when
// the user agrees. Returns false when the user declines.
bool EnsureTargetFolder(const Text& validated, FileSystem& fs, FrontEnd& ui) {
  const std::int16_t n = CountDelimiters(validated, u"\\");
  std::vector<Text> pieces(static_cast<std::size_t>(n) + 2);
  SplitByDelimiters(validated, u"\\", pieces);
  const auto walk = [&](auto&& atMissing) {
    Text prefix = pieces[1];
    for (std::size_t i = 2; i <= static_cast<std::size_t>(n) + 1; ++i) {
      prefix += u"\\" + pieces[i];
      if (!fs.Exists(prefix, ListAttribute::kDirectory) && !atMissing(prefix)) return false;
    }
    return true;
  };
  if (walk([](const Text&) { return false; })) return true;
  if (!ui.AskYesNo(messages::kCreateFolder, {})) return false;
  walk([&](const Text& prefix) {
    std::string error;
    if (!fs.CreateFolder(prefix, error)) {
      throw RunError(FailureKind::kCannotWrite,
                     u"The folder cannot be created: " + FromUtf8(error) + u".", prefix);
    }
    return true;
  });
  return true;
}

// The source file and every section that the run converts, read before anything is written.
struct ReadSource {
  LineFile file;
  SectionHeader header;  // "$Z"
  HeaderBlock block;
  std::vector<std::pair<SectionHeader, std::unique_ptr<Section>>> sections;
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

// Takes the pattern-data folder's lock. When another conversion holds it, the status line says
// so while the run waits for it, and the converting text returns once the lock is had.
std::unique_ptr<FolderLock> LockPatternFolder(const RunInputs& inputs, FileSystem& fs,
                                              FrontEnd& ui) {
  LockError error;
  auto lock = fs.LockFolder(inputs.patternFolder, 0, error);
  if (!lock && error.kind == LockFailure::kBusy && inputs.lockWaitMilliseconds > 0) {
    ui.SetStatusText(messages::kWaitingForPatternFolder);
    error = {};
    lock = fs.LockFolder(inputs.patternFolder, inputs.lockWaitMilliseconds, error);
    if (lock) ui.SetStatusText(messages::kConverting);
  }
  if (lock) return lock;
  const bool busy = error.kind == LockFailure::kBusy;
  throw RunError(RunFailure{
      busy ? FailureKind::kLocked : FailureKind::kCannotOpen, u"pattern-data folder",
      inputs.patternFolder, 0,
      busy ? u"Another conversion is using the pattern-data folder; it was still busy after " +
                 FromAscii(std::to_string(inputs.lockWaitMilliseconds / 1000)) +
                 u" seconds. Try again when it has finished."
           : u"The pattern-data folder cannot be opened: " + FromUtf8(error.text) + u"."});
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
  InStage(u"source file", inputs.sourceText,
          [&] { source.file = LoadLineFile(fs, inputs.sourceText); });
  InStage(u"$Z", inputs.sourceText, [&] {
    source.header = FindSection(source.file, "$Z");
    if (source.header.count != 0) {
      TextReader reader(source.file, source.header.BodyLine(source.file));
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
        TextReader reader(source.file, header.BodyLine(source.file));
        section->Read(reader, header);
      }
      source.sections.emplace_back(std::move(header), std::move(section));
    });
  }
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

}  // namespace

RunReport RunConversion(const RunInputs& inputs, FileSystem& fs, FrontEnd& ui) {
  RunReport report;
  // Steps 1 and 2.
  ui.SetStatusText(messages::kConverting);
  ui.ProcessPendingEvents();
  const Text source = inputs.sourceText;
  Text validated = inputs.targetText;

  // Step 3.
  if (!ValidatePath(validated, fs, ui)) {
    ui.ShowMessage({messages::kInvalidPath, MessageIcon::kExclamation, inputs.targetText});
    ui.FocusAndSelectTargetPath();
    return Refuse(std::move(report), ui, RefusalKind::kInvalidPath, messages::kInvalidPath);
  }
  // Step 4.
  if (!NamesSourceFile(source, fs)) {
    ui.ShowMessage({messages::kNoSourceFile, MessageIcon::kNone, std::nullopt});
    return Refuse(std::move(report), ui, RefusalKind::kNoSourceFile, messages::kNoSourceFile);
  }

  bool pointerSet = false;
  try {
    // Step 5.
    bool folderReady = false;
    InStage(u"target folder", validated,
            [&] { folderReady = EnsureTargetFolder(validated, fs, ui); });
    if (!folderReady) {
      return Refuse(std::move(report), ui, RefusalKind::kFolderDeclined, messages::kCreateFolder);
    }

    // Step 6, before the run may wait for the pattern-data folder and reads the source.
    ui.SetPointer(Pointer::kHourglass);
    pointerSet = true;

    // Another run on the same pattern-data folder would interleave its table additions with
    // ours: hold the folder's lock for the whole conversion.
    const std::unique_ptr<FolderLock> lock = LockPatternFolder(inputs, fs, ui);

    // The source is read whole and every section that will be converted is read before any
    // file is written, so that a file that promises more than it holds writes nothing.
    ReadSource read = ReadWholeSource(inputs, fs);

    RunContext context(fs, report);
    context.recordBase = inputs.targetText + u"\\";
    context.validatedTarget = validated;
    context.patternFolder = inputs.patternFolder;
    context.programFolder = inputs.programFolder;
    context.sourcePath = inputs.sourceText;
    context.titleList1.assign(24, Text());
    context.titleList2.assign(42, Text());

    // Step 7.
    InStage(u"L4.TXT", context.TablePath(u"L4.TXT"), [&] { LoadL4Table(context); });
    // Step 8.
    if (read.header.count != 0) {
      InStage(u"$Z", {}, [&] { RunHeaderStage(read.block, context); });
    }
    // Step 9. "$U" writes no file of its own: its list goes to "$B", for G81.TXT.
    HandOn(read, "$U", "$B");
    for (auto& entry : read.sections) {
      Section* section = entry.second.get();
      if (section == nullptr) continue;
      InStage(FromAscii(entry.first.tag), {}, [&] { section->Write(context); });
    }
  } catch (const RunError& error) {
    report.Fail(error.failure());
    ui.SetStatusText(u"");
    if (pointerSet) ui.SetPointer(Pointer::kDefault);
    return report;
  }

  // Step 10.
  ui.SetStatusText(messages::kCompleted);
  ui.SetConversionDone(true);
  ui.SetPointer(Pointer::kDefault);
  report.Complete(messages::kCompleted);
  return report;
}

Text DescribeFailure(const RunFailure& failure) {
  Text out = u"The conversion stopped";
  if (!failure.stage.empty()) out += u" in " + failure.stage;
  out += u": " + failure.reason;
  if (!failure.file.empty()) out += u"\nFile: " + failure.file;
  if (failure.sourceLine > 0) out += u"\nLine: " + FromAscii(std::to_string(failure.sourceLine));
  return out;
}

Text OutcomeReason(const RunReport& report) {
  if (const Refusal* refusal = report.refusal()) {
    return refusal->kind == RefusalKind::kFolderDeclined
               ? Text(u"the target folder does not exist (answered No)")
               : refusal->message;
  }
  const RunFailure* failure = report.failure();
  if (failure == nullptr) return {};
  Text reason = failure->stage;
  if (failure->sourceLine > 0) {
    reason += u" line " + FromAscii(std::to_string(failure->sourceLine));
  }
  return reason + (reason.empty() ? u"" : u": ") + failure->reason;
}

}  // namespace gdf
