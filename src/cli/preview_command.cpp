// preview_command.cpp - `gdfconv preview`: the picture of a boring as the drawing system will be
// handed it, from a run that writes nothing but the picture.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/terminal_front_end.h"
#include "frontend/command_line.h"
#include "frontend/host_settings.h"
#include "platform/host_file_system.h"
#include "preview/preview.h"
#include "preview/preview_svg.h"
#include "run/batch_run.h"

namespace gdf::cli {
namespace {

// The words of its help text (in the catalogue) that differ between hosts.
constexpr support::HostWords kPreviewWords[] = {
    {"@EXAMPLES@", MessageId::kHelpPreviewExamplesPosix, MessageId::kHelpPreviewExamplesWindows},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv preview", why, language);
}

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, PreviewOptions().options, Operands::kTakenUndashed, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(MessageId::kHelpPreview, kPreviewWords, language);
    return kExitConverted;
  }
  HostSettings& host = line->host;
  const std::optional<std::string> patternDir = line->Value("--pattern-dir");
  const std::optional<std::string> output = line->Value("--output");
  const std::optional<std::string> target = line->Value("--target");
  const int scale = line->Value("--scale") == "1:200" ? 200 : kPreviewScale;
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
    inputs.targetText = PreviewTargetFor(*source, fs);
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
  if (!file.Write(PreviewSvg(run.picture, language, scale), error)) {
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
