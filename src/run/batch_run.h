// batch_run.h - Many conversions in one call: each source data file into its own target folder,
// one after another against the same pattern-data folder, going on past a file that fails.
//
// The targets come from a target root (a folder per file, named after the file's stem) or from a
// list of source and target pairs. A run into a folder that the batch made up itself is allowed
// to create it: its folder question is answered Yes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/front_end.h"
#include "common/platform.h"
#include "run/conversion_run.h"
#include "run/report.h"

namespace gdf {

/// One conversion of a batch.
struct BatchJob {
  Text sourceText;         ///< what the run takes as `Text1`
  Text targetText;         ///< what the run takes as `Text2`
  bool ownFolder = false;  ///< the batch named the target itself and may create it
};

/// One conversion done.
struct BatchEntry {
  BatchJob job;
  RunReport report;
  double seconds = 0;  ///< how long the run took
};

/// Told of each conversion as the batch goes.
class BatchObserver {
 public:
  virtual ~BatchObserver() = default;
  /// Conversion `index` (from 0) of `total` is about to start.
  virtual void Starting(std::size_t index, std::size_t total, const BatchJob& job) = 0;
  /// Conversion `index` of `total` has ended.
  virtual void Finished(std::size_t index, std::size_t total, const BatchEntry& entry) = 0;
};

/// How many conversions ended each way.
struct BatchTally {
  std::size_t converted = 0;
  std::size_t refused = 0;
  std::size_t failed = 0;
};

/// The file name of a source path without its extension ("D:\2003\B-1.gdf" gives "B-1").
Text SourceStem(TextView source);

/// The file name of a source path ("B-1.gdf").
Text SourceFileName(TextView source);

/// A job per source, its target the folder `root` + "\" + the source's stem. Nothing, with
/// `error` set, when two sources have the same stem (names compared without regard to case).
std::optional<std::vector<BatchJob>> JobsUnderTargetRoot(const std::vector<Text>& sources,
                                                         TextView root, std::string& error);

/// The pairs of a list file: UTF-8 text, one pair a line, source and target separated by a tab;
/// blank lines and lines that begin with "#" are passed over. Nothing, with `error` naming the
/// line, when a line has no tab or an empty side.
std::optional<std::vector<std::pair<std::string, std::string>>> ParseBatchList(
    std::string_view text, std::string& error);

/// Runs every job in order with the pattern-data and program folders of `common`. The folder
/// question of a job that names its own folder is answered Yes; any other is put to `ui`.
std::vector<BatchEntry> RunBatch(const std::vector<BatchJob>& jobs, const RunInputs& common,
                                 FileSystem& fs, FrontEnd& ui, BatchObserver* observer = nullptr);

/// Counts the outcomes.
BatchTally TallyBatch(const std::vector<BatchEntry>& entries);

/// One line saying why a conversion did not complete (empty when it did).
Text BatchReason(const RunReport& report);

}  // namespace gdf
