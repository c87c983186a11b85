// batch_preview.cpp - One picture per run of a batch, and the index page.
#include "preview/batch_preview.h"

#include <algorithm>
#include <fstream>

#include "platform/host_paths.h"
#include "preview/preview.h"
#include "text/letter_case.h"

namespace gdf::cli {
namespace {

bool WriteFile(const std::string& path, const std::string& content, CatalogueMessage& error) {
  std::ofstream out(HostPathOf(path), std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  if (!out) {
    error = Say(MessageId::kPictureCannotBeWritten, {FromUtf8(path)});
    return false;
  }
  return true;
}

}  // namespace

BatchPreviewWriter::BatchPreviewWriter(BatchObserver& inner, RunInputs common, std::string folder,
                                       Language language)
    : inner_(inner), common_(std::move(common)), folder_(std::move(folder)), language_(language) {}

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
  for (int n = 2;
       std::find(usedNames_.begin(), usedNames_.end(), AsciiUpper(name)) != usedNames_.end(); ++n) {
    name = stem + "-" + std::to_string(n) + ".svg";
  }
  usedNames_.push_back(AsciiUpper(name));
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
  line.reason = OutcomeReason(entry.report, language_);
  line.findings = picture.findings.size();
  line.picture = PictureName(entry.job.sourceText);
  CatalogueMessage error;
  if (!WriteFile(folder_ + "/" + line.picture, PreviewSvg(picture, language_), error)) {
    if (!firstError_) firstError_ = error;
    line.picture.clear();
  }
  entries_.push_back(std::move(line));
}

bool BatchPreviewWriter::Finish(bool dryRun, CatalogueMessage& error) {
  if (!WriteFile(folder_ + "/index.html", PreviewIndexHtml(entries_, dryRun, language_), error)) {
    return false;
  }
  if (firstError_) error = *firstError_;
  return !firstError_;
}

}  // namespace gdf::cli
