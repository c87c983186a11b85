// convert_command.cpp - `gdfconv convert`: one source data file into one target folder.
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/terminal_front_end.h"
#include "frontend/command_line.h"
#include "frontend/host_settings.h"
#include "platform/console.h"
#include "platform/host.h"
#include "platform/host_file_system.h"
#include "preview/preview.h"
#include "preview/preview_svg.h"
#include "run/conversion_run.h"
#include "run/dry_run.h"
#include "run/report_json.h"

namespace gdf::cli {
namespace {

// The words of its help text (in the catalogue) that differ between hosts.
constexpr support::HostWords kConvertWords[] = {
    {"@PATHS@", MessageId::kHelpConvertPathsPosix, MessageId::kHelpConvertPathsWindows},
    {"@EXAMPLES@", MessageId::kHelpConvertExamplesPosix, MessageId::kHelpConvertExamplesWindows},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv convert", why, language);
}

void PrintReport(const RunReport& report, Language language) {
  for (const WrittenFile& file : report.files) {
    std::cout << support::Said(Say(MessageId::kReportWrote, {file.path, Count(file.lines)}),
                               language)
              << "\n";
  }
  for (const AddedTableLine& line : report.added) {
    std::cout << support::Said(Say(MessageId::kReportAdded, {line.table, line.code, line.name}),
                               language)
              << "\n";
  }
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, ConvertOptions().options, Operands::kTaken, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(MessageId::kHelpConvert, kConvertWords, language);
    return kExitConverted;
  }
  const std::vector<std::string>& positional = line->operands;
  if (positional.size() != 2) return Usage(Say(MessageId::kUsageSourceAndTarget), language);
  HostSettings& host = line->host;
  CompleteHostSettings(host);
  HostFileSystem fs(host.fileSystem);

  // The pattern-data folder: the option, or the setting that the window would read at start.
  const auto patternFolder =
      support::ResolvePatternFolder(line->Value("--pattern-dir"), fs, host, language);
  if (!patternFolder) return kExitRefused;

  RunInputs inputs;
  const auto source = RunPathText(positional[0], fs);
  const auto target = RunPathText(positional[1], fs);
  for (const auto* path : {&source, &target}) {
    if (!*path) {
      std::cerr << "gdfconv convert: "
                << support::Said(Say(MessageId::kNoDriveHolds,
                                     {FromUtf8(positional[path == &source ? 0 : 1])}),
                                 language)
                << "\n";
      return kExitRefused;
    }
  }
  inputs.sourceText = *source;
  inputs.targetText = *target;
  inputs.patternFolder = *patternFolder;
  inputs.lockWaitMilliseconds = LockWaitMilliseconds(*line).value_or(inputs.lockWaitMilliseconds);
  inputs.programFolder = support::ProgramFolderText(fs, host);

  const QuestionPolicy policy = line->Has("--yes")          ? QuestionPolicy::kYes
                                : StandardInputIsTerminal() ? QuestionPolicy::kAsk
                                                            : QuestionPolicy::kNo;
  const bool quiet = line->Has("--quiet");
  TerminalFrontEnd ui(policy, language, quiet);
  support::ReportFile reportFile;
  if (const auto reportPath = line->Value("--report")) {
    if (!reportFile.Open(*reportPath, error)) return Usage(error, language);
  }
  const auto previewPath = line->Value("--preview");
  support::ReportFile previewFile;
  if (previewPath && !previewFile.Open(*previewPath, error)) {
    return Usage(Say(MessageId::kPictureCannotBeWritten, {FromUtf8(*previewPath)}), language);
  }
  std::optional<DryRunResult> dryRun;
  std::optional<PreviewPicture> picture;
  if (line->Has("--dry-run") && previewPath) {
    PreviewRun run = RunPreview(inputs, fs, ui);
    dryRun = std::move(run.dryRun);
    picture = std::move(run.picture);
  } else if (line->Has("--dry-run")) {
    dryRun = RunDryConversion(inputs, fs, ui);
  }
  const RunReport report = dryRun ? dryRun->report : RunConversion(inputs, fs, ui);
  if (previewPath) {
    // After a real run the picture is read back from the files it wrote on disk.
    if (!picture) picture = BuildPreview(inputs, report, fs);
    if (!previewFile.Write(PreviewSvg(*picture, language), error)) {
      std::cerr << "gdfconv convert: "
                << support::Said(Say(MessageId::kPictureNotWrittenWhole, {FromUtf8(*previewPath)}),
                                 language)
                << "\n";
    }
  }
  if (reportFile.IsOpen() &&
      !reportFile.Write(RunReportJson(inputs, report, language, dryRun ? &*dryRun : nullptr),
                        error)) {
    std::cerr << "gdfconv convert: " << support::Said(error, language) << "\n";
  }
  if (dryRun) {
    support::PrintDryRun(std::cout, *dryRun, language);
    return ExitStatusOf(report.outcome());
  }
  switch (report.outcome()) {
    case RunOutcome::kCompleted:
      std::cout << ToUtf8(report.completionText()) << "\n";
      if (quiet) break;
      PrintReport(report, language);
      for (const CatalogueMessage& warning : CompletionWarnings(report)) {
        std::cerr << support::Said(Say(MessageId::kRunWarning,
                                       {u"gdfconv convert", Render(warning, language)}),
                                   language)
                  << "\n";
      }
      break;
    case RunOutcome::kRefused: {
      // The message and its explanation are out (the front end showed them); what to do
      // about the path comes after them.
      const Refusal& refusal = *report.refusal();
      if (quiet) {
        // A declined question showed no message: say it, and the one line of why.
        if (refusal.kind == RefusalKind::kFolderDeclined) {
          std::cerr << ToUtf8(refusal.message) << "\n";
          support::PrintLines(std::cerr, {refusal.explanation.front()}, language);
        }
      } else if (refusal.pathVerdict) {
        support::PrintLines(
            std::cerr,
            support::TargetAdvice({positional[1], inputs.targetText}, *refusal.pathVerdict, fs),
            language);
      } else if (refusal.kind == RefusalKind::kNoSourceFile && !IsHostPathText(positional[0]) &&
                 !kHostPathsAreWindowsPaths && !Trim(inputs.sourceText).empty()) {
        // A source that was not a host path may have been meant as one.
        support::PrintLines(std::cerr, {Say(MessageId::kAdviceHostPath, {inputs.sourceText})},
                            language);
      } else if (refusal.kind == RefusalKind::kFolderDeclined) {
        support::PrintLines(std::cerr, refusal.explanation, language);
      }
      break;
    }
    case RunOutcome::kFailed: {
      // Quiet: the stage, and why and where in one line, without what it left.
      support::PrintLines(
          std::cerr,
          quiet ? std::vector<CatalogueMessage>{ExplainFailure(*report.failure(), language).front(),
                                                FailureReasonWhere(*report.failure(), language)}
                : ExplainOutcome(report, language),
          language);
      break;
    }
  }
  return ExitStatusOf(report.outcome());
}

}  // namespace gdf::cli
