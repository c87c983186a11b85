// batch_preview.h - The pictures of a batch: one SVG per source data file, drawn as each run ends
// from the files it wrote, and the index page that shows them all with their outcomes.
#pragma once

#include <string>
#include <vector>

#include "common/platform.h"
#include "run/batch_run.h"
#include "run/preview_svg.h"

namespace gdf::cli {

/// Told of each run of a batch after `inner`; draws its picture into a host folder.
class BatchPreviewWriter : public BatchObserver {
 public:
  /// `fs` is what the runs write to (the disk, or the overlay of a dry run), read back here.
  BatchPreviewWriter(BatchObserver& inner, const FileSystem& fs, RunInputs common,
                     std::string folder);

  void Starting(std::size_t index, std::size_t total, const BatchJob& job) override;
  void Finished(std::size_t index, std::size_t total, const BatchEntry& entry) override;

  /// Writes index.html; false, with `error` set, when it or a picture could not be written.
  bool Finish(bool dryRun, std::string& error);

 private:
  std::string PictureName(const Text& source);

  BatchObserver& inner_;
  const FileSystem& fs_;
  RunInputs common_;
  std::string folder_;
  std::vector<PreviewIndexEntry> entries_;
  std::vector<std::string> usedNames_;  // upper-cased, for names that differ only in case
  std::string firstError_;
};

}  // namespace gdf::cli
