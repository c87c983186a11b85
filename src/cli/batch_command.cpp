// batch_command.cpp - `gdfconv batch`: many source data files, each into its own target folder,
// with a progress bar on a terminal and a summary table at the end.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/path_validation.h"
#include "frontend/command_line.h"
#include "frontend/host_settings.h"
#include "messages/system_texts.h"
#include "platform/console.h"
#include "platform/host_file_system.h"
#include "preview/batch_preview.h"
#include "run/batch_run.h"
#include "run/report_json.h"

namespace gdf::cli {
namespace {

// The words of its help text (in the catalogue) that differ between hosts.
constexpr support::HostWords kBatchWords[] = {
    {"@PATHS@", MessageId::kHelpBatchPathsPosix, MessageId::kHelpBatchPathsWindows},
    {"@EXAMPLES@", MessageId::kHelpBatchExamplesPosix, MessageId::kHelpBatchExamplesWindows},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv batch", why, language);
}

// Says why the batch does not start; returns its exit status.
int PrintRefusal(const BatchRefusal& refusal, const std::string& listFile, Language language) {
  struct Printer {
    const std::string& list;
    Language language;
    int operator()(const NoDriveHolds& unheld) const {
      for (const std::string& path : unheld.paths) {
        std::cerr << "gdfconv batch: "
                  << support::Said(Say(MessageId::kNoDriveHolds, {FromUtf8(path)}), language)
                  << "\n";
      }
      return kExitRefused;
    }
    int operator()(const NoSourceInFolders&) const {
      return Usage(Say(MessageId::kUsageNoSourceInFolders), language);
    }
    int operator()(const TargetRootMissing& missing) const {
      std::cerr << "gdfconv batch: "
                << support::Said(Say(MessageId::kBatchTargetRootMissing, {FromUtf8(missing.root)}),
                                 language)
                << "\n";
      return kExitRefused;
    }
    int operator()(const SameStem& clash) const {
      return Usage(Say(MessageId::kUsageSameStem, {clash.first, clash.second, clash.stem}),
                   language);
    }
    int operator()(const ListUnreadable& unreadable) const {
      return Usage(Say(MessageId::kUsageListUnreadable, {FromUtf8(unreadable.list)}), language);
    }
    int operator()(const ListLineNotPair& fault) const {
      return Usage(
          Say(MessageId::kUsageListLineNotPair,
              {FromUtf8(list), Count(static_cast<std::int64_t>(fault.line)), FromUtf8(fault.text)}),
          language);
    }
    int operator()(const ListEmpty&) const {
      return Usage(Say(MessageId::kUsageListEmpty, {FromUtf8(list)}), language);
    }
  };
  return std::visit(Printer{listFile, language}, refusal);
}

// The front end of the runs: nothing is printed while the batch goes (a refusal's message is in
// the summary), and a question about a folder that the batch did not name is answered as told.
class QuietFrontEnd : public FrontEnd {
 public:
  explicit QuietFrontEnd(bool yes, Language language = Language::kEnglish, bool quiet = true)
      : yes_(yes), language_(language), quiet_(quiet) {}
  void ShowMessage(const Message&) override {}
  bool AskYesNo(const Text&, const Text&) override { return yes_; }
  // A run that waits for the pattern-data folder says so, and for whom, unless quiet.
  void Notify(const CatalogueMessage& notice) override {
    if (!quiet_) std::cerr << support::Said(notice, language_) << std::endl;
  }

 private:
  bool yes_;
  Language language_;
  bool quiet_;
};

// A target root that path validation refuses would refuse every file: say once why, and what
// to do. Returns the exit status, or 0 when the root passes.
int RefuseTargetRoot(const std::string& given, FileSystem& fs, Language language) {
  const auto root = RunPathText(given, fs);
  if (!root) return 0;  // the plan has said that no drive holds it
  Text validated = *root;
  PathVerdict verdict;
  QuietFrontEnd silent(false);
  if (ValidatePath(validated, fs, silent, &verdict)) return 0;
  std::cerr << ToUtf8(messages::kInvalidPath) << "\n";
  if (verdict.rule == PathRule::kNoDrive) std::cerr << ToUtf8(messages::kBadDrive) << "\n";
  support::PrintLines(std::cerr, ExplainPathVerdict(verdict), language);
  support::PrintLines(std::cerr, support::TargetAdvice({given, *root}, verdict, fs), language);
  return kExitRefused;
}

std::string Elapsed(double seconds) {
  char text[32];
  const int minutes = static_cast<int>(seconds) / 60;
  std::snprintf(text, sizeof text, "%d:%04.1f", minutes, seconds - minutes * 60);
  return text;
}

std::string OutcomeWord(RunOutcome outcome, Language language) {
  return support::Said(Say(gdf::OutcomeWord(outcome)), language);
}

// Progress: a bar redrawn on a terminal, else a line per file. Quiet: no bar, and a line only for
// a file that did not convert.
class Progress : public BatchObserver {
 public:
  Progress(bool terminal, bool quiet, Language language)
      : terminal_(terminal), quiet_(quiet), language_(language) {}

  void Starting(std::size_t index, std::size_t total, const BatchJob& job) override {
    if (terminal_ && !quiet_) Draw(index, total, ToUtf8(SourceFileName(job.sourceText)));
  }

  void Finished(std::size_t index, std::size_t total, const BatchEntry& entry,
                const FileSystem&) override {
    const RunOutcome outcome = entry.report.outcome();
    const std::string reason = ToUtf8(OutcomeReason(entry.report, language_));
    const std::string name = ToUtf8(SourceFileName(entry.job.sourceText));
    if (quiet_) {
      if (outcome != RunOutcome::kCompleted) {
        std::cerr << name << ": " << OutcomeWord(outcome, language_) << ": " << reason << "\n";
      }
      return;
    }
    if (terminal_) {
      // A file that did not convert, or converted with a warning, gets a line of its own above
      // the bar.
      if (!reason.empty()) {
        std::cerr << "\r\033[K" << name << ": " << OutcomeWord(outcome, language_) << ": " << reason
                  << "\n";
      }
      if (index + 1 == total) std::cerr << "\r\033[K" << std::flush;
      return;
    }
    std::cout << "[" << index + 1 << "/" << total << "] " << name << ": "
              << OutcomeWord(outcome, language_);
    if (outcome == RunOutcome::kCompleted) {
      std::cout << " ("
                << support::Said(Say(MessageId::kBatchWrittenAndAdded,
                                     {Count(std::ssize(entry.report.files)),
                                      Count(std::ssize(entry.report.added))}),
                                 language_)
                << ")";
    }
    if (!reason.empty()) std::cout << ": " << reason;
    std::cout << "\n";
  }

 private:
  void Draw(std::size_t index, std::size_t total, const std::string& name) {
    constexpr std::size_t kWidth = 30;
    const std::size_t filled = total == 0 ? kWidth : index * kWidth / total;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::cerr << "\r\033[K[" << std::string(filled, '#') << std::string(kWidth - filled, '.')
              << "] " << index + 1 << "/" << total << "  " << name << "  " << Elapsed(seconds)
              << std::flush;
  }

  bool terminal_;
  bool quiet_;
  Language language_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

void PrintSummary(const std::vector<BatchEntry>& entries, double seconds, bool quiet, bool dryRun,
                  Language language) {
  const auto said = [&](MessageId id) { return support::Said(Say(id), language); };
  const BatchTally tally = TallyBatch(entries);
  if (!quiet) {
    std::size_t sourceWidth = 6;
    std::size_t targetWidth = 6;
    // The widest word of the result column and two blanks, so that no word runs into the next.
    std::size_t resultWidth = support::DisplayWidth(said(MessageId::kBatchResult));
    for (const RunOutcome outcome :
         {RunOutcome::kCompleted, RunOutcome::kRefused, RunOutcome::kFailed}) {
      resultWidth = std::max(resultWidth, support::DisplayWidth(OutcomeWord(outcome, language)));
    }
    resultWidth += 2;
    for (const BatchEntry& entry : entries) {
      sourceWidth = std::max(sourceWidth,
                             support::DisplayWidth(ToUtf8(SourceFileName(entry.job.sourceText))));
      targetWidth = std::max(targetWidth, support::DisplayWidth(ToUtf8(entry.job.targetText)));
    }
    std::cout << "\n  " << support::PadRight(said(MessageId::kBatchResult), resultWidth)
              << support::PadRight(said(MessageId::kBatchSource), sourceWidth + 2)
              << support::PadRight(said(MessageId::kBatchTarget), targetWidth + 2)
              << said(MessageId::kBatchReason) << "\n";
    for (const BatchEntry& entry : entries) {
      std::string row =
          "  " + support::PadRight(OutcomeWord(entry.report.outcome(), language), resultWidth) +
          support::PadRight(ToUtf8(SourceFileName(entry.job.sourceText)), sourceWidth + 2) +
          support::PadRight(ToUtf8(entry.job.targetText), targetWidth + 2) +
          ToUtf8(OutcomeReason(entry.report, language));
      row.erase(row.find_last_not_of(' ') + 1);
      std::cout << row << "\n";
    }
    std::cout << "\n";
  }
  std::cout << support::Said(
                   Say(dryRun ? MessageId::kBatchTallyDryRun : MessageId::kBatchTally,
                       {Count(std::ssize(entries)), Count(tally.converted), Count(tally.refused),
                        Count(tally.failed), FromAscii(Elapsed(seconds))}),
                   language)
            << "\n";
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, BatchOptions().options, Operands::kTaken, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(MessageId::kHelpBatch, kBatchWords, language);
    return kExitConverted;
  }
  BatchRequest request;
  request.sources = line->operands;
  request.targetRoot = line->Value("--target-root");
  const auto listFile = line->Value("--list");
  request.createTargetRoot = line->Has("--yes");
  const bool quiet = line->Has("--quiet");
  const bool dryRun = line->Has("--dry-run");
  if (request.targetRoot.has_value() == listFile.has_value()) {
    return Usage(Say(MessageId::kUsageTargetRootOrList), language);
  }
  if (listFile && !request.sources.empty()) {
    return Usage(Say(MessageId::kUsageListAndSources), language);
  }
  if (request.targetRoot && request.sources.empty()) {
    return Usage(Say(MessageId::kUsageSomeSource), language);
  }
  HostSettings& host = line->host;
  CompleteHostSettings(host);
  HostFileSystem disk(host.fileSystem);

  // The list is a host file, read here: no drive needs to hold it.
  if (listFile) {
    request.list = support::ReadHostFile(*listFile);
    if (!request.list) return PrintRefusal(ListUnreadable{*listFile}, *listFile, language);
  }
  auto plan = PlanBatch(request, disk);
  if (const auto* refusal = std::get_if<BatchRefusal>(&plan)) {
    return PrintRefusal(*refusal, listFile.value_or(""), language);
  }
  const std::vector<BatchJob>& jobs = std::get<std::vector<BatchJob>>(plan);
  if (request.targetRoot) {
    if (const int refused = RefuseTargetRoot(*request.targetRoot, disk, language)) return refused;
  }

  const auto patternFolder =
      support::ResolvePatternFolder(line->Value("--pattern-dir"), disk, host, language);
  if (!patternFolder) return kExitRefused;
  RunInputs common;
  common.patternFolder = *patternFolder;
  common.programFolder = support::ProgramFolderText(disk, host);
  common.lockWaitMilliseconds = LockWaitMilliseconds(*line).value_or(common.lockWaitMilliseconds);

  support::ReportFile reportFile;
  if (const auto reportPath = line->Value("--report")) {
    if (!reportFile.Open(*reportPath, error)) return Usage(error, language);
  }

  const auto previewDir = line->Value("--preview-dir");
  if (previewDir) {
    std::error_code ec;
    std::filesystem::create_directories(HostPathOf(ExpandHome(*previewDir)), ec);
    if (!std::filesystem::is_directory(HostPathOf(ExpandHome(*previewDir)), ec)) {
      return Usage(Say(MessageId::kUsagePreviewFolder, {FromUtf8(*previewDir)}), language);
    }
  }

  QuietFrontEnd ui(request.createTargetRoot, language, quiet);
  Progress progress(StandardErrorIsTerminal(), quiet, language);
  const auto start = std::chrono::steady_clock::now();
  std::optional<BatchPreviewWriter> pictures;
  if (previewDir) pictures.emplace(progress, common, ExpandHome(*previewDir), language);
  const std::vector<BatchEntry> entries = RunBatch(
      jobs, common, disk, ui, pictures ? static_cast<BatchObserver*>(&*pictures) : &progress,
      dryRun ? BatchWrites::kDryRun : BatchWrites::kWrite);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PrintSummary(entries, seconds, quiet, dryRun, language);

  if (reportFile.IsOpen() &&
      !reportFile.Write(BatchReportJson(common, entries, dryRun, language), error)) {
    std::cerr << "gdfconv batch: " << support::Said(error, language) << "\n";
  }
  if (pictures && !pictures->Finish(dryRun, error)) {
    std::cerr << "gdfconv batch: " << support::Said(error, language) << "\n";
  }
  return ExitStatusOf(TallyBatch(entries));
}

}  // namespace gdf::cli
