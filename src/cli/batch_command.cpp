// batch_command.cpp - `gdfconv batch`: many source data files, each into its own target folder,
// with a progress bar on a terminal and a summary table at the end.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_preview.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/dry_run_file_system.h"
#include "common/host_settings.h"
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

A SOURCE that is a folder stands for every *.gdf file in it. SOURCE, DIR and the paths of the
list are host paths (beginning with /, ./, ../ or ~/) or drive paths through the drive map.

On a terminal a progress bar shows the file being converted (file n of N, its name, the time
elapsed); otherwise one line is printed per file.

Options:
  --target-root DIR   the folder that receives a folder per source data file; when it does not
                      exist it is created only with --yes
  --list FILE         a UTF-8 text file of pairs, one a line: SOURCE, a tab, TARGET; blank lines
                      and lines that begin with "#" are passed over
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    the folder that stands for the system directory (default /etc/gdfconv)
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
  --help              show this text

Exit status:
  0  every file was converted
  1  no file failed, but some were refused by a check (their message is in the summary)
  2  usage error
  3  some file failed during its conversion

Examples:
  gdfconv batch --pattern-dir ~/pattern --target-root ./out ./logs/*.gdf
  gdfconv batch --pattern-dir ~/pattern --target-root 'D:\WORK\2003\SITE' --drive D=/srv ./logs
  gdfconv batch --pattern-dir ~/pattern --yes --list pairs.txt --report batch.json
  gdfconv batch --pattern-dir ~/pattern --dry-run --target-root ./out --preview-dir ./pictures ./logs
)";

int Usage(const std::string& why) {
  std::cerr << "gdfconv batch: " << why << "\n(see gdfconv batch --help)\n";
  return kExitUsage;
}

struct BatchOptions {
  HostSettings host;
  std::optional<std::string> patternDir;
  std::optional<std::string> targetRoot;
  std::optional<std::string> listFile;
  std::optional<std::string> reportPath;
  std::optional<std::string> previewDir;
  bool yes = false;
  bool quiet = false;
  bool dryRun = false;
  int lockWaitSeconds = 30;
  std::vector<std::string> sources;
};

// Takes "--name VALUE" or "--name=VALUE" at `args[i]`.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::optional<std::string>& value, std::string& error) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return true;
    }
    value = args[++i];
    return true;
  }
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  return false;
}

// The *.gdf files of a host folder, in name order.
std::vector<std::string> SourcesInFolder(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".gdf" && entry.is_regular_file(ec)) found.push_back(entry.path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

bool IsHostFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The front end of the runs: nothing is printed while the batch goes (a refusal's message is in
// the summary), and a question about a folder that the batch did not name is answered as told.
class QuietFrontEnd : public FrontEnd {
 public:
  explicit QuietFrontEnd(bool yes) : yes_(yes) {}
  void SetStatusText(const Text&) override {}
  void ProcessPendingEvents() override {}
  void ShowMessage(const Message&) override {}
  bool AskYesNo(const Text&, const Text&) override { return yes_; }
  void SetPointer(Pointer) override {}
  void FocusAndSelectTargetPath() override {}
  void SetConversionDone(bool) override {}

 private:
  bool yes_;
};

std::string Elapsed(double seconds) {
  char text[32];
  const int minutes = static_cast<int>(seconds) / 60;
  std::snprintf(text, sizeof text, "%d:%04.1f", minutes, seconds - minutes * 60);
  return text;
}

const char* OutcomeWord(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kCompleted:
      return "converted";
    case RunOutcome::kRefused:
      return "refused";
    case RunOutcome::kFailed:
      return "failed";
  }
  return "failed";
}

// Progress: a bar redrawn on a terminal, else a line per file.
class Progress : public BatchObserver {
 public:
  Progress(bool terminal, bool quiet) : terminal_(terminal), quiet_(quiet) {}

  void Starting(std::size_t index, std::size_t total, const BatchJob& job) override {
    if (terminal_) Draw(index, total, ToUtf8(SourceFileName(job.sourceText)));
  }

  void Finished(std::size_t index, std::size_t total, const BatchEntry& entry) override {
    if (terminal_) {
      // A file that did not convert gets a line of its own above the bar.
      if (entry.report.outcome != RunOutcome::kCompleted) {
        std::cerr << "\r\033[K" << ToUtf8(SourceFileName(entry.job.sourceText)) << ": "
                  << OutcomeWord(entry.report.outcome) << ": " << ToUtf8(BatchReason(entry.report))
                  << "\n";
      }
      if (index + 1 == total) std::cerr << "\r\033[K" << std::flush;
      return;
    }
    if (quiet_) return;
    std::cout << "[" << index + 1 << "/" << total << "] "
              << ToUtf8(SourceFileName(entry.job.sourceText)) << ": "
              << OutcomeWord(entry.report.outcome);
    if (entry.report.outcome == RunOutcome::kCompleted) {
      std::cout << " (" << entry.report.files.size() << " files written, "
                << entry.report.added.size() << " table lines added)";
    } else {
      std::cout << ": " << ToUtf8(BatchReason(entry.report));
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
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

void PrintSummary(const std::vector<BatchEntry>& entries, double seconds, bool quiet, bool dryRun) {
  const BatchTally tally = TallyBatch(entries);
  if (!quiet) {
    std::size_t sourceWidth = 6;
    std::size_t targetWidth = 6;
    for (const BatchEntry& entry : entries) {
      sourceWidth = std::max(sourceWidth,
                             support::DisplayWidth(ToUtf8(SourceFileName(entry.job.sourceText))));
      targetWidth = std::max(targetWidth, support::DisplayWidth(ToUtf8(entry.job.targetText)));
    }
    std::cout << "\n  " << support::PadRight("result", 11)
              << support::PadRight("source", sourceWidth + 2)
              << support::PadRight("target", targetWidth + 2) << "reason\n";
    for (const BatchEntry& entry : entries) {
      std::string row =
          "  " + support::PadRight(OutcomeWord(entry.report.outcome), 11) +
          support::PadRight(ToUtf8(SourceFileName(entry.job.sourceText)), sourceWidth + 2) +
          support::PadRight(ToUtf8(entry.job.targetText), targetWidth + 2) +
          ToUtf8(BatchReason(entry.report));
      row.erase(row.find_last_not_of(' ') + 1);
      std::cout << row << "\n";
    }
    std::cout << "\n";
  }
  std::ostringstream line;
  line << entries.size() << (entries.size() == 1 ? " file: " : " files: ") << tally.converted
       << " converted, " << tally.refused << " refused, " << tally.failed << " failed in "
       << Elapsed(seconds);
  if (dryRun) line << " (dry run: nothing was written)";
  std::cout << line.str() << "\n";
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args) {
  BatchOptions options;
  for (std::size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    std::string error;
    if (TakeHostOption(args, i, options.host, error)) {
      if (!error.empty()) return Usage(error);
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      std::cout << kBatchHelp;
      return kExitConverted;
    }
    std::optional<std::string> lockWait;
    if (TakeValue(args, i, "--pattern-dir", options.patternDir, error) ||
        TakeValue(args, i, "--target-root", options.targetRoot, error) ||
        TakeValue(args, i, "--list", options.listFile, error) ||
        TakeValue(args, i, "--report", options.reportPath, error) ||
        TakeValue(args, i, "--preview-dir", options.previewDir, error) ||
        TakeValue(args, i, "--lock-wait", lockWait, error)) {
      if (!error.empty()) return Usage(error);
      if (lockWait) {
        try {
          options.lockWaitSeconds = std::stoi(*lockWait);
        } catch (const std::exception&) {
          options.lockWaitSeconds = -1;
        }
        if (options.lockWaitSeconds < 0) return Usage("--lock-wait needs a number of seconds");
      }
    } else if (arg == "--yes" || arg == "-y") {
      options.yes = true;
    } else if (arg == "--quiet" || arg == "-q") {
      options.quiet = true;
    } else if (arg == "--dry-run" || arg == "-n") {
      options.dryRun = true;
    } else if (arg == "--") {
      options.sources.insert(options.sources.end(), args.begin() + static_cast<long>(i) + 1,
                             args.end());
      break;
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      return Usage("unknown option '" + arg + "'");
    } else {
      options.sources.push_back(arg);
    }
    ++i;
  }
  if (options.targetRoot.has_value() == options.listFile.has_value()) {
    return Usage("give either --target-root DIR with the sources, or --list FILE");
  }
  if (options.listFile && !options.sources.empty()) {
    return Usage("with --list the sources come from the list; give none besides");
  }
  if (options.targetRoot && options.sources.empty()) return Usage("expected at least one SOURCE");
  CompleteHostSettings(options.host);
  PosixFileSystem disk(options.host.fileSystem);

  const auto runText = [&](const std::string& arg) -> std::optional<Text> {
    auto text = support::RunText(arg, disk);
    if (!text) {
      std::cerr << "gdfconv batch: no drive holds the host path " << arg
                << "; map one with --drive X=DIR\n";
    }
    return text;
  };

  std::vector<BatchJob> jobs;
  if (options.targetRoot) {
    std::vector<Text> sources;
    for (const std::string& source : options.sources) {
      const std::string host = ExpandHome(source);
      std::vector<std::string> expanded = IsHostPathText(source) && IsHostFolder(host)
                                              ? SourcesInFolder(host)
                                              : std::vector<std::string>{source};
      for (const std::string& one : expanded) {
        const auto text = runText(one);
        if (!text) return kExitRefused;
        sources.push_back(*text);
      }
    }
    if (sources.empty()) return Usage("the folders given hold no *.gdf file");
    const auto root = runText(*options.targetRoot);
    if (!root) return kExitRefused;
    if (!disk.Exists(*root, ListAttribute::kDirectory) && !options.yes) {
      std::cerr << "gdfconv batch: the target root " << *options.targetRoot
                << " does not exist; create it, or pass --yes to have it created\n";
      return kExitRefused;
    }
    std::string error;
    auto made = JobsUnderTargetRoot(sources, *root, error);
    if (!made) return Usage(error);
    jobs = std::move(*made);
  } else {
    std::ifstream list(ExpandHome(*options.listFile), std::ios::binary);
    if (!list) return Usage("the list file " + *options.listFile + " cannot be read");
    std::ostringstream content;
    content << list.rdbuf();
    std::string error;
    const auto pairs = ParseBatchList(content.str(), error);
    if (!pairs) return Usage(*options.listFile + ": " + error);
    if (pairs->empty()) return Usage(*options.listFile + " lists no source");
    for (const auto& [source, target] : *pairs) {
      const auto sourceText = runText(source);
      const auto targetText = runText(target);
      if (!sourceText || !targetText) return kExitRefused;
      jobs.push_back({*sourceText, *targetText, false});
    }
  }

  const auto patternFolder = support::ResolvePatternFolder(options.patternDir, disk, options.host);
  if (!patternFolder) return kExitRefused;
  RunInputs common;
  common.patternFolder = *patternFolder;
  common.programFolder = support::ProgramFolderText(disk, options.host);
  common.lockWaitMilliseconds = options.lockWaitSeconds * 1000;

  support::ReportFile reportFile;
  if (options.reportPath) {
    std::string error;
    if (!reportFile.Open(*options.reportPath, error)) return Usage(error);
  }

  if (options.previewDir) {
    std::error_code ec;
    std::filesystem::create_directories(ExpandHome(*options.previewDir), ec);
    if (!IsHostFolder(ExpandHome(*options.previewDir))) {
      return Usage("the preview folder " + *options.previewDir + " cannot be created");
    }
  }

  std::optional<DryRunFileSystem> overlay;
  if (options.dryRun) overlay.emplace(disk);
  FileSystem& fs = overlay ? static_cast<FileSystem&>(*overlay) : disk;
  QuietFrontEnd ui(options.yes);
  Progress progress(::isatty(STDERR_FILENO) != 0, options.quiet);
  const auto start = std::chrono::steady_clock::now();
  std::optional<BatchPreviewWriter> pictures;
  if (options.previewDir) pictures.emplace(progress, fs, common, ExpandHome(*options.previewDir));
  const std::vector<BatchEntry> entries =
      RunBatch(jobs, common, fs, ui, pictures ? static_cast<BatchObserver*>(&*pictures) : &progress);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PrintSummary(entries, seconds, options.quiet, options.dryRun);

  if (reportFile.IsOpen()) {
    std::string error;
    if (!reportFile.Write(BatchReportJson(common, entries, options.dryRun), error)) {
      std::cerr << "gdfconv batch: " << error << "\n";
    }
  }
  if (pictures) {
    std::string error;
    if (!pictures->Finish(options.dryRun, error)) std::cerr << "gdfconv batch: " << error << "\n";
  }
  const BatchTally tally = TallyBatch(entries);
  return tally.failed > 0 ? kExitFailed : tally.refused > 0 ? kExitRefused : kExitConverted;
}

}  // namespace gdf::cli
