// preview_command.cpp - `gdfconv preview`: the picture of a boring as the drawing system will be
// handed it, from a run that writes nothing but the picture.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/terminal_front_end.h"
#include "common/command_line.h"
#include "common/host_settings.h"
#include "run/batch_run.h"
#include "run/preview.h"
#include "run/preview_svg.h"

namespace gdf::cli {
namespace {

constexpr const char kPreviewHelp[] = R"(Usage: gdfconv preview [options] SOURCE -o FILE.svg

Draws the boring of the source data file SOURCE as an SVG picture: what a conversion would
hand the drawing system, taken from the record files that the run writes, without writing any
of them and without changing any table (the run is made on an overlay that keeps its files in
memory). Open the picture in any browser.

The picture has the title texts (Titl01.txt, Titl02.txt) at the top, a depth axis in metres
(30 m fill an A4-high page; a deeper boring gets a taller page), and a column per record file in
the order the run writes them: the layers of X1.TXT as bands with their name codes (names the
tables do not hold yet are marked "new"), the texts of X3.TXT and R30.TXT to R35.TXT with range
entries as brackets, the totals of X5.TXT as bars, the readings of N9.TXT and N8.TXT with their
dates, the two series of R41.TXT as line charts, the values of G71.TXT, G73.TXT, G81.TXT and
R72.TXT, and the notes of X12.TXT. Values appear as the record files hold them, cut to their
field widths. What gdfconv check finds, and depths that go up or lie below the boring's length,
are marked in red at their depth (hover over a mark for the finding).

Options:
  -o, --output FILE.svg  the picture to write (host path); required
  --target DIR        the target folder the run is made for (as in convert; nothing is written
                      there); default: a folder named after SOURCE on its drive
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder
  --drive X=DIR       map drive letter X to host folder DIR (repeatable)
  --lang ja|en        the language of the program's own messages (default: Japanese when the
                      first of LC_ALL, LC_MESSAGES and LANG that is set begins with "ja")
  --help              show this text

Exit status:
  0  the picture was written and the run would end with "変換が正常に終了しました。"
  1  the run would be refused (the picture shows why), or the source cannot be previewed
  2  usage error, or the picture cannot be written
  3  the run would fail; the picture shows what it would write before the failure

Examples:
@EXAMPLES@)";

constexpr support::HostWords kPreviewWords[] = {
    {"@EXAMPLES@",
     "  gdfconv preview --pattern-dir ~/pattern ./B-1.gdf -o B-1.svg\n"
     "  gdfconv preview --drive D=/srv/borings --pattern-dir ~/pattern 'D:\\2003\\B-1.gdf' -o "
     "B-1.svg\n",
     "  gdfconv preview D:\\2003\\B-1.gdf -o B-1.svg\n"
     "  gdfconv preview --target D:\\WORK\\B-1 .\\B-1.gdf -o B-1.svg\n"},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv preview", why, language);
}

const std::vector<OptionRule> kPreviewOptions = {
    Valued("--pattern-dir"), Valued("--output"),        Valued("-o").Into("--output"),
    Valued("--target"),      support::LanguageOption(),
};

// The folder a preview is made for when none is given: the source's stem beside the drive's
// root, which the overlay makes up without creating it.
Text DefaultTarget(const Text& source, const FileSystem& fs) {
  const auto absolute = fs.Absolute(Trim(source));
  const Text drive = absolute && absolute->size() >= 2 ? absolute->substr(0, 2) : Text(u"Z:");
  Text stem;
  for (const char16_t ch : SourceStem(source)) {
    // A name the path check takes: no blank, no dot, at most eight characters.
    if (ch != u' ' && ch != u'.' && ch != u'*' && ch != u'?' && stem.size() < 8) stem += ch;
  }
  return drive + u"\\GDFPREVW\\" + (stem.empty() ? Text(u"BORING") : stem);
}

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, kPreviewOptions, Operands::kTakenUndashed, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(kPreviewHelp, kPreviewWords);
    return kExitConverted;
  }
  HostSettings& host = line->host;
  const std::optional<std::string> patternDir = line->Value("--pattern-dir");
  const std::optional<std::string> output = line->Value("--output");
  const std::optional<std::string> target = line->Value("--target");
  const std::vector<std::string>& positional = line->operands;
  if (positional.size() != 1) return Usage(Say(MessageId::kUsageOneSource), language);
  if (!output) return Usage(Say(MessageId::kUsageOutput), language);
  CompleteHostSettings(host);
  HostFileSystem fs(host.fileSystem);

  const auto patternFolder = support::ResolvePatternFolder(patternDir, fs, host, language);
  if (!patternFolder) return kExitRefused;
  const auto source = RunPathText(positional[0], fs);
  if (!source) {
    std::cerr << "gdfconv preview: "
              << support::Said(Say(MessageId::kNoDriveHolds, {FromUtf8(positional[0])}), language)
              << "\n";
    return kExitRefused;
  }
  RunInputs inputs;
  inputs.sourceText = *source;
  if (target) {
    const auto targetText = RunPathText(*target, fs);
    if (!targetText) {
      std::cerr << "gdfconv preview: "
                << support::Said(Say(MessageId::kNoDriveHolds, {FromUtf8(*target)}), language)
                << "\n";
      return kExitRefused;
    }
    inputs.targetText = *targetText;
  } else {
    inputs.targetText = DefaultTarget(*source, fs);
  }
  inputs.patternFolder = *patternFolder;
  inputs.programFolder = support::ProgramFolderText(fs, host);

  // The picture's file is opened first, so that a path that cannot be written is refused
  // before the run.
  support::ReportFile file;
  if (!file.Open(*output, error)) {
    return Usage(Say(MessageId::kPictureCannotBeWritten, {FromUtf8(*output)}), language);
  }
  TerminalFrontEnd ui(QuestionPolicy::kNo, language);
  const PreviewRun run = RunPreview(inputs, fs, ui);
  if (!file.Write(PreviewSvg(run.picture, language), error)) {
    std::cerr << "gdfconv preview: "
              << support::Said(Say(MessageId::kPictureNotWrittenWhole, {FromUtf8(*output)}),
                               language)
              << "\n";
    return kExitUsage;
  }
  std::cout << support::Said(Say(MessageId::kPreviewWrote,
                                 {FromUtf8(*output), Count(std::ssize(run.picture.columns)),
                                  Count(std::ssize(run.picture.findings))}),
                             language)
            << "\n";
  switch (run.dryRun.report.outcome()) {
    case RunOutcome::kCompleted:
      return kExitConverted;
    case RunOutcome::kRefused:
      return kExitRefused;
    case RunOutcome::kFailed:
      std::cerr << "gdfconv preview: "
                << support::Said(Say(MessageId::kPreviewWouldFail,
                                     {PreviewOutcomeText(run.dryRun.report, language)}),
                                 language)
                << "\n";
      return kExitFailed;
  }
  return kExitFailed;
}

}  // namespace gdf::cli
