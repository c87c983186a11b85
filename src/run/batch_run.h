// batch_run.h - Many conversions in one call: each source data file into its own target folder,
// one after another against the same pattern-data folder, going on past a file that fails.
//
// The targets come from a target root (a folder per file, named after the file's stem) or from a
// list of source and target pairs. A run into a folder that the batch made up itself is allowed
// to create it: its folder question is answered Yes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/front_end.h"
#include "platform/file_system.h"
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
  /// Conversion `index` of `total` has ended; `fs` is what it wrote to (the disk, or the
  /// overlay of a dry run), to read back.
  virtual void Finished(std::size_t index, std::size_t total, const BatchEntry& entry,
                        const FileSystem& fs) = 0;
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

/// What a batch is asked to convert, as the user gave it.
struct BatchRequest {
  /// With a target root: the sources. One given as a host path that names a folder stands for
  /// the *.gdf files in it, in name order.
  std::vector<std::string> sources;
  std::optional<std::string> targetRoot;  ///< the folder that receives a folder per source
  /// Or: the text of a list of pairs, as the front end read it from the host file the user
  /// named (which no drive needs to hold).
  std::optional<std::string> list;
  bool createTargetRoot = false;  ///< a missing target root may be created
};

/// No drive holds these host paths, as given.
struct NoDriveHolds {
  std::vector<std::string> paths;
};
/// The folders given hold no *.gdf file.
struct NoSourceInFolders {};
/// The target root does not exist, and may not be created.
struct TargetRootMissing {
  std::string root;  ///< as given
};
/// Two sources would go into the same folder under the target root.
struct SameStem {
  Text first;   ///< the source that came first
  Text second;  ///< the one with the same stem
  Text stem;    ///< the stem of the second
};
/// The list file cannot be read (the front end, which reads it, finds this).
struct ListUnreadable {
  std::string list;  ///< as given
};
/// A line of the list file is not a source and a target separated by a tab.
struct ListLineNotPair {
  std::size_t line = 0;  ///< 1-based
  std::string text;      ///< the line, without its line end
};
/// The list file names no source.
struct ListEmpty {};

/// Why a batch does not start.
using BatchRefusal = std::variant<NoDriveHolds, NoSourceInFolders, TargetRootMissing, SameStem,
                                  ListUnreadable, ListLineNotPair, ListEmpty>;

/// A job per source, its target the folder `root` + "\" + the source's stem. Nothing, with
/// `clash` set, when two sources have the same stem (names compared without regard to case).
std::optional<std::vector<BatchJob>> JobsUnderTargetRoot(const std::vector<Text>& sources,
                                                         TextView root, SameStem& clash);

/// The pairs of a list file, as UTF-8: one pair a line, source and target separated by a tab;
/// blank lines and lines that begin with "#" are passed over. The file's bytes are UTF-8 (a
/// byte-order mark is dropped) or, when they are not valid UTF-8, code page 932. Nothing, with
/// `fault` naming the line, when a line has no tab or an empty side.
std::optional<std::vector<std::pair<std::string, std::string>>> ParseBatchList(
    std::string_view bytes, ListLineNotPair& fault);

/// The jobs of a request: sources under a target root, or the pairs of a list, each path taken
/// as `RunPathText` takes it. The first reason not to start, when there is one.
std::variant<std::vector<BatchJob>, BatchRefusal> PlanBatch(const BatchRequest& request,
                                                            const FileSystem& fs);

/// Whether the runs of a batch write, or only find out what they would write.
enum class BatchWrites {
  kWrite,   ///< real runs
  kDryRun,  ///< on a file system that keeps every change in memory; later runs see the
            ///< table lines that earlier ones would add
};

/// Runs every job in order with the pattern-data and program folders of `common`. The folder
/// question of a job that names its own folder is answered Yes; any other is put to `ui`.
std::vector<BatchEntry> RunBatch(const std::vector<BatchJob>& jobs, const RunInputs& common,
                                 FileSystem& fs, FrontEnd& ui, BatchObserver* observer = nullptr,
                                 BatchWrites writes = BatchWrites::kWrite);

/// Counts the outcomes.
BatchTally TallyBatch(const std::vector<BatchEntry>& entries);

}  // namespace gdf
