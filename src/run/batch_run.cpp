// batch_run.cpp - Jobs from a target root or a list, run one after another.
#include "run/batch_run.h"

#include <chrono>
#include <map>

#include "common/messages.h"
#include "common/routines.h"

namespace gdf {
namespace {

// Passes everything on; answers the folder question Yes for a folder the batch named itself.
class JobFrontEnd : public FrontEnd {
 public:
  JobFrontEnd(FrontEnd& inner, bool ownFolder) : inner_(inner), ownFolder_(ownFolder) {}
  void SetStatusText(const Text& text) override { inner_.SetStatusText(text); }
  void ProcessPendingEvents() override { inner_.ProcessPendingEvents(); }
  void ShowMessage(const Message& message) override { inner_.ShowMessage(message); }
  bool AskYesNo(const Text& question, const Text& caption) override {
    return ownFolder_ || inner_.AskYesNo(question, caption);
  }
  void SetPointer(Pointer pointer) override { inner_.SetPointer(pointer); }
  void FocusAndSelectTargetPath() override { inner_.FocusAndSelectTargetPath(); }
  void SetConversionDone(bool done) override { inner_.SetConversionDone(done); }

 private:
  FrontEnd& inner_;
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
                                                         TextView root, std::string& error) {
  Text base(root);
  while (!base.empty() && (base.back() == u'\\' || base.back() == u'/')) base.pop_back();
  std::vector<BatchJob> jobs;
  std::map<Text, Text> sourceOfStem;  // folded stem -> the first source with it
  for (const Text& source : sources) {
    const Text stem = SourceStem(source);
    const auto [at, fresh] = sourceOfStem.emplace(ToUpperSimple(stem), source);
    if (!fresh) {
      error = ToUtf8(at->second) + " and " + ToUtf8(source) + " would both go into the folder " +
              ToUtf8(stem) + "; give their targets in a list (--list) instead";
      return std::nullopt;
    }
    jobs.push_back({source, base + u"\\" + stem, true});
  }
  return jobs;
}

std::optional<std::vector<std::pair<std::string, std::string>>> ParseBatchList(
    std::string_view text, std::string& error) {
  std::vector<std::pair<std::string, std::string>> pairs;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size()) {
      error = "line " + std::to_string(number) +
              " is not a source and a target separated by a tab: " + std::string(line);
      return std::nullopt;
    }
    pairs.emplace_back(std::string(line.substr(0, tab)), std::string(line.substr(tab + 1)));
  }
  return pairs;
}

std::vector<BatchEntry> RunBatch(const std::vector<BatchJob>& jobs, const RunInputs& common,
                                 FileSystem& fs, FrontEnd& ui, BatchObserver* observer) {
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
    if (observer) observer->Finished(i, jobs.size(), entries.back());
  }
  return entries;
}

BatchTally TallyBatch(const std::vector<BatchEntry>& entries) {
  BatchTally tally;
  for (const BatchEntry& entry : entries) {
    switch (entry.report.outcome) {
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

Text BatchReason(const RunReport& report) {
  switch (report.outcome) {
    case RunOutcome::kCompleted:
      return {};
    case RunOutcome::kRefused:
      return report.refusal == messages::kCreateFolder
                 ? Text(u"the target folder does not exist (answered No)")
                 : report.refusal;
    case RunOutcome::kFailed: {
      if (!report.failure) return u"failed";
      const RunFailure& failure = *report.failure;
      Text reason = failure.stage;
      if (failure.sourceLine > 0) {
        reason += u" line " + FromAscii(std::to_string(failure.sourceLine));
      }
      return reason + (reason.empty() ? u"" : u": ") + failure.reason;
    }
  }
  return {};
}

}  // namespace gdf
