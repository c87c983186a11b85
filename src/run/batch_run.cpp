// batch_run.cpp - Jobs from a target root or a list, run one after another.
#include "run/batch_run.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "common/cp932.h"
#include "platform/dry_run_file_system.h"
#include "platform/host.h"
#include "platform/host_paths.h"
#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

// Passes everything on; answers the folder question Yes for a folder the batch named itself.
class JobFrontEnd : public ForwardingFrontEnd {
 public:
  JobFrontEnd(FrontEnd& inner, bool ownFolder) : ForwardingFrontEnd(inner), ownFolder_(ownFolder) {}
  bool AskYesNo(const Text& question, const Text& caption) override {
    return ownFolder_ || ForwardingFrontEnd::AskYesNo(question, caption);
  }

 private:
  bool ownFolder_;
};

}  // namespace

Text SourceFileName(TextView source) {
  const std::size_t separator = source.find_last_of(u"\\/:");
  return Text(separator == TextView::npos ? source : source.substr(separator + 1));
}

Text SourceStem(TextView source) {
  Text name = SourceFileName(source);
  const std::size_t dot = name.rfind(u'.');
  if (dot != Text::npos && dot > 0) name.resize(dot);
  return name;
}

std::optional<std::vector<BatchJob>> JobsUnderTargetRoot(const std::vector<Text>& sources,
                                                         TextView root, SameStem& clash) {
  Text base(root);
  while (!base.empty() && (base.back() == u'\\' || base.back() == u'/')) base.pop_back();
  std::vector<BatchJob> jobs;
  std::map<Text, Text> sourceOfStem;  // folded stem -> the first source with it
  for (const Text& source : sources) {
    const Text stem = SourceStem(source);
    const auto [at, fresh] = sourceOfStem.emplace(ToUpperSimple(stem), source);
    if (!fresh) {
      clash = {at->second, source, stem};
      return std::nullopt;
    }
    jobs.push_back({source, base + u"\\" + stem, true});
  }
  return jobs;
}

std::optional<std::vector<std::pair<std::string, std::string>>> ParseBatchList(
    std::string_view bytes, ListLineNotPair& fault) {
  // Excel and Notepad save a list in Shift_JIS as often as in UTF-8: a list that is not valid
  // UTF-8 is read as code page 932. A UTF-8 byte-order mark is no part of the first path.
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string utf8;
  if (IsUtf8(bytes)) {
    utf8 = bytes;
  } else {
    Text decoded;
    Cp932Decode(bytes, decoded);
    utf8 = ToUtf8(decoded);
  }
  const std::string_view text = utf8;
  std::vector<std::pair<std::string, std::string>> pairs;
  std::size_t number = 0;
  for (const Line& each : SplitLines(text)) {
    ++number;
    const std::string_view line = each.content;
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size()) {
      fault = {number, std::string(line)};
      return std::nullopt;
    }
    pairs.emplace_back(std::string(line.substr(0, tab)), std::string(line.substr(tab + 1)));
  }
  return pairs;
}

namespace {

// The *.gdf files of a folder, in name order (a file named only ".gdf" has no extension).
std::vector<Text> SourcesInFolder(const FileSystem& fs, Text folder) {
  while (!folder.empty() && folder.back() == u'\\') folder.pop_back();
  std::vector<std::pair<std::string, Text>> found;  // UTF-8 name (the order), path
  const Text listed = !folder.empty() && folder.back() == u':' ? folder + u"\\" : folder;
  for (const FolderEntry& entry : fs.List(listed)) {
    const Text path = folder + u"\\" + entry.name;
    if (entry.isFolder || entry.name.size() <= 4 ||
        ToUpperSimple(entry.name.substr(entry.name.size() - 4)) != u".GDF" || fs.Size(path) < 0) {
      continue;
    }
    found.emplace_back(ToUtf8(entry.name), path);
  }
  std::sort(found.begin(), found.end());
  std::vector<Text> paths;
  for (auto& one : found) paths.push_back(std::move(one.second));
  return paths;
}

std::variant<std::vector<BatchJob>, BatchRefusal> PlanUnderTargetRoot(const BatchRequest& request,
                                                                      const FileSystem& fs) {
  std::vector<Text> sources;
  for (const std::string& given : request.sources) {
    const auto path = RunPathText(given, fs);
    if (!path) return NoDriveHolds{{given}};
    if ((IsHostPathText(given) || kHostPathsAreWindowsPaths) &&
        fs.Exists(*path + u"\\", ListAttribute::kDirectory)) {
      for (Text& one : SourcesInFolder(fs, *path)) sources.push_back(std::move(one));
    } else {
      sources.push_back(*path);
    }
  }
  if (sources.empty()) return NoSourceInFolders{};
  const auto root = RunPathText(*request.targetRoot, fs);
  if (!root) return NoDriveHolds{{*request.targetRoot}};
  if (!fs.Exists(*root, ListAttribute::kDirectory) && !request.createTargetRoot) {
    return TargetRootMissing{*request.targetRoot};
  }
  SameStem clash;
  auto jobs = JobsUnderTargetRoot(sources, *root, clash);
  if (!jobs) return clash;
  return std::move(*jobs);
}

std::variant<std::vector<BatchJob>, BatchRefusal> PlanFromList(const BatchRequest& request,
                                                               const FileSystem& fs) {
  ListLineNotPair fault;
  const auto pairs = ParseBatchList(*request.list, fault);
  if (!pairs) return fault;
  if (pairs->empty()) return ListEmpty{};
  std::vector<BatchJob> jobs;
  for (const auto& [source, target] : *pairs) {
    const auto sourceText = RunPathText(source, fs);
    const auto targetText = RunPathText(target, fs);
    if (!sourceText || !targetText) {
      NoDriveHolds unheld;
      if (!sourceText) unheld.paths.push_back(source);
      if (!targetText) unheld.paths.push_back(target);
      return unheld;
    }
    jobs.push_back({*sourceText, *targetText, false});
  }
  return jobs;
}

}  // namespace

std::variant<std::vector<BatchJob>, BatchRefusal> PlanBatch(const BatchRequest& request,
                                                            const FileSystem& fs) {
  return request.targetRoot ? PlanUnderTargetRoot(request, fs) : PlanFromList(request, fs);
}

std::vector<BatchEntry> RunBatch(const std::vector<BatchJob>& jobs, const RunInputs& common,
                                 FileSystem& disk, FrontEnd& ui, BatchObserver* observer,
                                 BatchWrites writes) {
  std::optional<DryRunFileSystem> overlay;
  if (writes == BatchWrites::kDryRun) overlay.emplace(disk);
  FileSystem& fs = overlay ? static_cast<FileSystem&>(*overlay) : disk;
  std::vector<BatchEntry> entries;
  entries.reserve(jobs.size());
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const BatchJob& job = jobs[i];
    if (observer) observer->Starting(i, jobs.size(), job);
    RunInputs inputs = common;
    inputs.sourceText = job.sourceText;
    inputs.targetText = job.targetText;
    JobFrontEnd front(ui, job.ownFolder);
    const auto start = std::chrono::steady_clock::now();
    BatchEntry entry{job, RunConversion(inputs, fs, front), 0};
    entry.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    entries.push_back(std::move(entry));
    if (observer) observer->Finished(i, jobs.size(), entries.back(), fs);
  }
  return entries;
}

BatchTally TallyBatch(const std::vector<BatchEntry>& entries) {
  BatchTally tally;
  for (const BatchEntry& entry : entries) {
    switch (entry.report.outcome()) {
      case RunOutcome::kCompleted:
        ++tally.converted;
        break;
      case RunOutcome::kRefused:
        ++tally.refused;
        break;
      case RunOutcome::kFailed:
        ++tally.failed;
        break;
    }
  }
  return tally;
}

}  // namespace gdf
