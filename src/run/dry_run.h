// dry_run.h - A conversion run that writes nothing: the real run on a file system that keeps its
// changes in memory, and what it would have done to each folder it touches.
//
// The folder question is answered Yes (nothing is created), so that a dry run shows the run that
// goes ahead; whether the real run would ask is kept.
#pragma once

#include <vector>

#include "common/front_end.h"
#include "platform/dry_run_file_system.h"
#include "platform/file_system.h"
#include "run/conversion_run.h"
#include "run/report.h"

namespace gdf {

/// What a folder is to the run.
enum class FolderRole {
  kTarget,       ///< the target folder, where the record files go
  kPatternData,  ///< the pattern-data folder, whose tables grow
  kProgram,      ///< the program's own folder (PATADD.txt)
  kOther,        ///< any other folder the run changes
};

/// What the run would do to one file.
enum class PlannedAction {
  kCreated,    ///< written, and new
  kReplaced,   ///< written over an existing file
  kGrows,      ///< lines added at its end
  kDeleted,    ///< removed
  kLeftAlone,  ///< not touched
};

/// One file of a folder and what the run would do to it.
struct PlannedFile {
  Text name;  ///< file name as it is or would be in the folder
  PlannedAction action = PlannedAction::kLeftAlone;
  std::int32_t lines = 0;             ///< lines after the run (before, when left alone)
  std::int64_t bytes = 0;             ///< size after the run (before, when left alone)
  std::int32_t linesBefore = 0;       ///< lines before, for a file that existed
  bool sameContent = false;           ///< a replaced file that would hold what it holds now
  std::vector<AddedTableLine> added;  ///< the table lines the run would add to it
};

/// A folder that the run uses, with its files.
struct PlannedFolder {
  Text path;  ///< drive form
  FolderRole role = FolderRole::kOther;
  bool created = false;            ///< whether the run would create it
  std::vector<PlannedFile> files;  ///< in name order; for the program folder only its changes
};

/// The outcome of a dry run.
struct DryRunResult {
  RunReport report;                  ///< the report the real run would give
  bool folderQuestionAsked = false;  ///< whether the run would ask to create the target folder
  DryRunLock folderLock = DryRunLock::kNotTaken;  ///< how the pattern-data folder was held
  std::vector<FileChange> changes;                ///< every change, in the order made
  std::vector<PlannedFolder> folders;  ///< target, pattern-data, then any other changed folder
};

/// Runs the conversion on `real` without writing to it; `ui` sees what a real run shows, except
/// the folder question, which is answered Yes.
DryRunResult RunDryConversion(const RunInputs& inputs, FileSystem& real, FrontEnd& ui);

/// Sorts the changes of a run into the folders it uses, each with its files.
std::vector<PlannedFolder> PlanFolders(const RunInputs& inputs, const RunReport& report,
                                       const std::vector<FileChange>& changes,
                                       const FileSystem& before);

/// A front end that passes everything on and answers the folder question Yes itself.
class YesFrontEnd : public ForwardingFrontEnd {
 public:
  using ForwardingFrontEnd::ForwardingFrontEnd;
  bool AskYesNo(const Text&, const Text&) override {
    asked_ = true;
    return true;
  }
  /// Whether the question was asked.
  bool Asked() const { return asked_; }

 private:
  bool asked_ = false;
};

}  // namespace gdf
