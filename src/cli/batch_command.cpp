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

#include "cli/batch_preview.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/command_line.h"
#include "common/host_settings.h"
#include "common/messages.h"
#include "common/path_validation.h"
#include "run/batch_run.h"
#include "run/report_json.h"

namespace gdf::cli {
namespace {

constexpr const char kBatchHelp[] = R"(Usage: gdfconv batch [options] --target-root DIR SOURCE...
       gdfconv batch [options] --list FILE

Converts many source data files in one call, one after another, against the same pattern-data
folder. Each goes into its own target folder: with --target-root, a folder per file named after
the file's stem inside DIR (B-1.gdf into DIR\B-1), which the batch creates when it is missing;
with --list, the targets that the list names. A file that is refused or fails does not stop
the batch; a summary table at the end gives the outcome of each, with the reason.

A SOURCE that is a folder stands for every *.gdf file in it. @PATHS@

On a terminal a progress bar shows the file being converted (file n of N, its name, the time
elapsed); otherwise one line is printed per file.

Options:
  --target-root DIR   the folder that receives a folder per source data file; when it does not
                      exist it is created only with --yes
  --list FILE         a UTF-8 text file of pairs, one a line: SOURCE, a tab, TARGET; blank lines
                      and lines that begin with "#" are passed over
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder, where PATADD.txt is left
  --drive X=DIR       map drive letter X to host folder DIR (repeatable)
  --yes               create a missing target root, and answer Yes for missing targets of a
                      list (without it such a file is refused)
  --lock-wait SECONDS how long each run waits for another conversion on the same pattern-data
                      folder (default 30)
  --dry-run           do everything without writing any file; later files see the table lines
                      that earlier ones would add
  --report FILE.json  write the report of every run as JSON to FILE.json (host path)
  --preview-dir DIR   draw each file's picture into DIR (host folder, created when missing) as
                      STEM.svg, read back from the files its run wrote, and an index.html that
                      shows them all, each file's outcome above its picture (see gdfconv
                      preview --help)
  --quiet             print only the summary line
  --lang ja|en        the language of the program's own messages (default: Japanese when the
                      first of LC_ALL, LC_MESSAGES and LANG that is set begins with "ja")
  --help              show this text

Exit status:
  0  every file was converted
  1  no file failed, but some were refused by a check (their message is in the summary)
  2  usage error
  3  some file failed during its conversion

Examples:
@EXAMPLES@)";

constexpr support::HostWords kBatchWords[] = {
    {"@PATHS@",
     "SOURCE, DIR and the paths of the\n"
     "list are host paths (beginning with /, ./, ../ or ~/) or drive paths through the drive map.",
     "SOURCE, DIR and the paths of the\n"
     "list are Windows paths; one that begins with \".\\\" or \"..\\\" is taken from the current "
     "folder."},
    {"@EXAMPLES@",
     "  gdfconv batch --pattern-dir ~/pattern --target-root ./out ./logs/*.gdf\n"
     "  gdfconv batch --pattern-dir ~/pattern --target-root 'D:\\WORK\\2003\\SITE' --drive D=/srv "
     "./logs\n"
     "  gdfconv batch --pattern-dir ~/pattern --yes --list pairs.txt --report batch.json\n"
     "  gdfconv batch --pattern-dir ~/pattern --dry-run --target-root ./out --preview-dir "
     "./pictures ./logs\n",
     "  gdfconv batch --target-root D:\\WORK\\2003\\SITE D:\\LOGS\n"
     "  gdfconv batch --target-root D:\\WORK\\2003\\SITE D:\\LOGS\\B-1.gdf D:\\LOGS\\B-2.gdf\n"
     "  gdfconv batch --yes --list pairs.txt --report batch.json\n"
     "  gdfconv batch --dry-run --target-root D:\\OUT --preview-dir .\\pictures D:\\LOGS\n"},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv batch", why, language);
}

const std::vector<OptionRule> kBatchOptions = {
    Valued("--pattern-dir"),
    Valued("--target-root"),
    Valued("--list"),
    Valued("--report"),
    Valued("--preview-dir"),
    Valued("--lock-wait").Checked(support::IsSeconds, Say(MessageId::kUsageLockWait)),
    Switch("--yes", "-y"),
    Switch("--quiet", "-q"),
    Switch("--dry-run", "-n"),
    support::LanguageOption(),
};

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
  explicit QuietFrontEnd(bool yes) : yes_(yes) {}
  void ShowMessage(const Message&) override {}
  bool AskYesNo(const Text&, const Text&) override { return yes_; }

 private:
  bool yes_;
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
  switch (outcome) {
    case RunOutcome::kCompleted:
      return support::Said(Say(MessageId::kBatchConverted), language);
    case RunOutcome::kRefused:
      return support::Said(Say(MessageId::kBatchRefused), language);
    case RunOutcome::kFailed:
      break;
  }
  return support::Said(Say(MessageId::kBatchFailed), language);
}

// Progress: a bar redrawn on a terminal, else a line per file.
class Progress : public BatchObserver {
 public:
  Progress(bool terminal, bool quiet, Language language)
      : terminal_(terminal), quiet_(quiet), language_(language) {}

  void Starting(std::size_t index, std::size_t total, const BatchJob& job) override {
    if (terminal_) Draw(index, total, ToUtf8(SourceFileName(job.sourceText)));
  }

  void Finished(std::size_t index, std::size_t total, const BatchEntry& entry,
                const FileSystem&) override {
    if (terminal_) {
      // A file that did not convert gets a line of its own above the bar.
      if (entry.report.outcome() != RunOutcome::kCompleted) {
        std::cerr << "\r\033[K" << ToUtf8(SourceFileName(entry.job.sourceText)) << ": "
                  << OutcomeWord(entry.report.outcome(), language_) << ": "
                  << ToUtf8(OutcomeReason(entry.report, language_)) << "\n";
      }
      if (index + 1 == total) std::cerr << "\r\033[K" << std::flush;
      return;
    }
    if (quiet_) return;
    std::cout << "[" << index + 1 << "/" << total << "] "
              << ToUtf8(SourceFileName(entry.job.sourceText)) << ": "
              << OutcomeWord(entry.report.outcome(), language_);
    if (entry.report.outcome() == RunOutcome::kCompleted) {
      std::cout << " ("
                << support::Said(Say(MessageId::kBatchWrittenAndAdded,
                                     {Count(std::ssize(entry.report.files)),
                                      Count(std::ssize(entry.report.added))}),
                                 language_)
                << ")";
    } else {
      std::cout << ": " << ToUtf8(OutcomeReason(entry.report, language_));
    }
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
    for (const BatchEntry& entry : entries) {
      sourceWidth = std::max(sourceWidth,
                             support::DisplayWidth(ToUtf8(SourceFileName(entry.job.sourceText))));
      targetWidth = std::max(targetWidth, support::DisplayWidth(ToUtf8(entry.job.targetText)));
    }
    std::cout << "\n  " << support::PadRight(said(MessageId::kBatchResult), 11)
              << support::PadRight(said(MessageId::kBatchSource), sourceWidth + 2)
              << support::PadRight(said(MessageId::kBatchTarget), targetWidth + 2)
              << said(MessageId::kBatchReason) << "\n";
    for (const BatchEntry& entry : entries) {
      std::string row =
          "  " + support::PadRight(OutcomeWord(entry.report.outcome(), language), 11) +
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
  auto line = ParseCommandLine(args, kBatchOptions, Operands::kTaken, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(kBatchHelp, kBatchWords);
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
  common.lockWaitMilliseconds = std::stoi(line->Value("--lock-wait").value_or("30")) * 1000;

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

  QuietFrontEnd ui(request.createTargetRoot);
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

  if (reportFile.IsOpen() && !reportFile.Write(BatchReportJson(common, entries, dryRun), error)) {
    std::cerr << "gdfconv batch: " << support::Said(error, language) << "\n";
  }
  if (pictures && !pictures->Finish(dryRun, error)) {
    std::cerr << "gdfconv batch: " << support::Said(error, language) << "\n";
  }
  return ExitStatusOf(TallyBatch(entries));
}

}  // namespace gdf::cli
