// batch_preview.cpp - One picture per run of a batch, and the index page.
#include "cli/batch_preview.h"

#include <algorithm>
#include <fstream>

#include "common/host_settings.h"
#include "run/preview.h"

namespace gdf::cli {
namespace {

bool WriteFile(const std::string& path, const std::string& content, std::string& error) {
  std::ofstream out(HostPathOf(path), std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  if (!out) {
    error = "the picture file " + path + " cannot be written";
    return false;
  }
  return true;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

BatchPreviewWriter::BatchPreviewWriter(BatchObserver& inner, RunInputs common, std::string folder)
    : inner_(inner), common_(std::move(common)), folder_(std::move(folder)) {}

void BatchPreviewWriter::Starting(std::size_t index, std::size_t total, const BatchJob& job) {
  inner_.Starting(index, total, job);
}

std::string BatchPreviewWriter::PictureName(const Text& source) {
  std::string stem = ToUtf8(SourceStem(source));
  for (char& c : stem) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  if (stem.empty()) stem = "boring";
  std::string name = stem + ".svg";
  for (int n = 2; std::find(usedNames_.begin(), usedNames_.end(), Upper(name)) != usedNames_.end();
       ++n) {
    name = stem + "-" + std::to_string(n) + ".svg";
  }
  usedNames_.push_back(Upper(name));
  return name;
}

void BatchPreviewWriter::Finished(std::size_t index, std::size_t total, const BatchEntry& entry,
                                  const FileSystem& fs) {
  inner_.Finished(index, total, entry, fs);
  RunInputs inputs = common_;
  inputs.sourceText = entry.job.sourceText;
  inputs.targetText = entry.job.targetText;
  const PreviewPicture picture = BuildPreview(inputs, entry.report, fs);
  PreviewIndexEntry line;
  line.source = SourceFileName(entry.job.sourceText);
  line.outcome = entry.report.outcome();
  line.reason = OutcomeReason(entry.report);
  line.findings = picture.findings.size();
  line.picture = PictureName(entry.job.sourceText);
  std::string error;
  if (!WriteFile(folder_ + "/" + line.picture, PreviewSvg(picture), error)) {
    if (firstError_.empty()) firstError_ = error;
    line.picture.clear();
  }
  entries_.push_back(std::move(line));
}

bool BatchPreviewWriter::Finish(bool dryRun, std::string& error) {
  if (!WriteFile(folder_ + "/index.html", PreviewIndexHtml(entries_, dryRun), error)) return false;
  error = firstError_;
  return firstError_.empty();
}

}  // namespace gdf::cli
