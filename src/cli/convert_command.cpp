// convert_command.cpp - `gdfconv convert`: one source data file into one target folder.
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/terminal_front_end.h"
#include "common/command_line.h"
#include "common/host_settings.h"
#include "run/conversion_run.h"
#include "run/dry_run.h"
#include "run/preview.h"
#include "run/preview_svg.h"
#include "run/report_json.h"

namespace gdf::cli {
namespace {

constexpr const char kConvertHelp[] = R"(Usage: gdfconv convert [options] SOURCE TARGET

Converts the source data file SOURCE into record files in the target folder TARGET, and adds
new names to the lookup tables of the pattern-data folder.

SOURCE and TARGET are what the window's two text boxes would hold. @PATHS@

Options:
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of the gdfconv executable)
  --drive X=DIR       @DRIVE@
  --yes               answer Yes when asked whether to create a missing target folder
                      (without it the question is asked on a terminal, else answered No)
  --lock-wait SECONDS how long to wait for another conversion that uses the same
                      pattern-data folder (default 30); then the run fails with exit 3
  --quiet             print only the completion text
  --lang ja|en        the language of the program's own messages (default: Japanese when the
                      first of LC_ALL, LC_MESSAGES and LANG that is set begins with "ja")
  --dry-run           do everything the run would do without writing any file, and list what
                      it would do: each file of the target folder and of the pattern-data folder
                      written, grown or left alone, with line counts and the table lines it
                      would add; a missing target folder is taken as answered Yes. The exit
                      status is the one the run would have
  --report FILE.json  write the run's report as JSON to FILE.json (host path): the inputs,
                      every file written with its size and line count, every table line added,
                      and the completion text, the refusal or the failure with its stage, file
                      and line; with --dry-run, also what the run would do to each folder
  --preview FILE.svg  also draw what the run wrote (or, with --dry-run, would write) as an SVG
                      picture, read back from the record files themselves (see gdfconv preview
                      --help); the picture is written also when the run is refused or fails
  --help              show this text

Exit status:
  0  the run ended with "変換が正常に終了しました。" (on stdout)
  1  a check refused the run (its message on stderr); nothing was written
  2  usage error
  3  the run failed during the conversion; stderr names the stage, the file and the source
     line; files written before the failure stay

Examples:
@EXAMPLES@)";

constexpr support::HostWords kConvertWords[] = {
    {"@PATHS@",
     "A text that begins with\n"
     "\"/\", \"./\", \"../\" or \"~/\" is a host path and is turned into a drive path through the "
     "drive map\n"
     "(the longest mapped folder that holds it wins); any other text (\"D:\\WORK\\B-1\", \"DATA\") "
     "reaches\n"
     "the run unchanged.",
     "They are Windows paths as\n"
     "typed there (\"D:\\WORK\\2003\\B-1\"); a text that begins with \".\\\" or \"..\\\" is made "
     "absolute\n"
     "against the current folder, and any other text (\"DATA\") reaches the run unchanged."},
    {"@EXAMPLES@",
     "  gdfconv convert --pattern-dir ~/pattern --yes ./B-1.gdf ./out/B-1\n"
     "  gdfconv convert --drive D=/srv/borings 'D:\\2003\\B-1.gdf' 'D:\\WORK\\2003\\SITE\\B-1'\n"
     "  gdfconv convert --dry-run --pattern-dir ~/pattern ./B-1.gdf ./out/B-1\n"
     "  gdfconv convert --pattern-dir ~/pattern --yes --report B-1.json ./B-1.gdf ./out/B-1\n"
     "  gdfconv convert --pattern-dir ~/pattern --yes --preview B-1.svg ./B-1.gdf ./out/B-1\n",
     "  gdfconv convert D:\\2003\\B-1.gdf D:\\WORK\\2003\\SITE\\B-1\n"
     "  gdfconv convert --yes --pattern-dir C:\\PATTERN .\\B-1.gdf .\\OUT\\B-1\n"
     "  gdfconv convert --dry-run .\\B-1.gdf D:\\WORK\\B-1\n"
     "  gdfconv convert --yes --report B-1.json --preview B-1.svg .\\B-1.gdf D:\\WORK\\B-1\n"
     "  gdfconv convert --drive W=\"C:\\Users\\tanaka\\My borings\" W:\\B-1.gdf W:\\OUT\\B-1\n"},
};

const std::vector<OptionRule> kConvertOptions = {
    Switch("--yes", "-y"),
    Switch("--quiet", "-q"),
    Switch("--dry-run", "-n"),
    Valued("--report").Missing(Say(MessageId::kUsageNeedsFileName, {u"--report"})),
    Valued("--preview").Missing(Say(MessageId::kUsageNeedsFileName, {u"--preview"})),
    // Only "--lock-wait SECONDS", not "--lock-wait=SECONDS", as the command has always taken it.
    Valued("--lock-wait", OptionValue::kNext)
        .Missing(Say(MessageId::kUsageLockWait))
        .Checked(support::IsSeconds, Say(MessageId::kUsageLockWait)),
    Valued("--pattern-dir"),
    support::LanguageOption(),
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
  auto line = ParseCommandLine(args, kConvertOptions, Operands::kTaken, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(kConvertHelp, kConvertWords);
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
  inputs.lockWaitMilliseconds = std::stoi(line->Value("--lock-wait").value_or("30")) * 1000;
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
      !reportFile.Write(RunReportJson(inputs, report, dryRun ? &*dryRun : nullptr), error)) {
    std::cerr << "gdfconv convert: " << support::Said(error, language) << "\n";
  }
  if (dryRun) {
    support::PrintDryRun(std::cout, *dryRun, language);
    return ExitStatusOf(report.outcome());
  }
  switch (report.outcome()) {
    case RunOutcome::kCompleted:
      std::cout << ToUtf8(report.completionText()) << "\n";
      if (!quiet) PrintReport(report, language);
      break;
    case RunOutcome::kRefused: {
      // The message and its explanation are out (the front end showed them); what to do
      // about the path comes after them.
      const Refusal& refusal = *report.refusal();
      if (refusal.pathVerdict) {
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
    case RunOutcome::kFailed:
      support::PrintLines(std::cerr, ExplainOutcome(report, language), language);
      break;
  }
  return ExitStatusOf(report.outcome());
}

}  // namespace gdf::cli
