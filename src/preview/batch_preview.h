// batch_preview.h - The pictures of a batch: one SVG per source data file, drawn as each run ends
// from the files it wrote, and the index page that shows them all with their outcomes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "preview/preview_svg.h"
#include "run/batch_run.h"

namespace gdf::cli {

/// Told of each run of a batch after `inner`; draws its picture into a host folder, in a
/// language.
class BatchPreviewWriter : public BatchObserver {
 public:
  BatchPreviewWriter(BatchObserver& inner, RunInputs common, std::string folder, Language language);

  void Starting(std::size_t index, std::size_t total, const BatchJob& job) override;
  /// Draws the picture from what the run wrote to `fs` (the disk, or the dry run's overlay).
  void Finished(std::size_t index, std::size_t total, const BatchEntry& entry,
                const FileSystem& fs) override;

  /// Writes index.html; false, with `error` set, when it or a picture could not be written.
  bool Finish(bool dryRun, CatalogueMessage& error);

 private:
  std::string PictureName(const Text& source);

  BatchObserver& inner_;
  RunInputs common_;
  std::string folder_;
  Language language_;
  std::vector<PreviewIndexEntry> entries_;
  std::vector<std::string> usedNames_;  // upper-cased, for names that differ only in case
  std::optional<CatalogueMessage> firstError_;
};

}  // namespace gdf::cli
