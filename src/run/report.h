// report.h - What a conversion run did: the files it wrote, the table lines it added, and how
// it ended. The front ends print or show it; the core only fills it in.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "common/errors.h"
#include "common/path_validation.h"
#include "messages/message_catalogue.h"
#include "platform/watched_file_system.h"
#include "sections/section_context.h"
#include "tables/table_folder.h"
#include "text/text.h"

namespace gdf {

/// How a run ended.
enum class RunOutcome {
  kCompleted,  ///< ended with the completion text
  kRefused,    ///< a check before any work refused it; nothing was written
  kFailed,     ///< stopped by a failure after the checks; files written before stay
};

/// Which check refused a run.
enum class RefusalKind {
  kInvalidPath,               ///< the target path breaks the path rules
  kNoSourceFile,              ///< no source data file at the source path
  kFolderDeclined,            ///< the target folder is missing and the answer was No
  kTargetIsFile,              ///< a level of the target path is a file, not a folder
  kProgramFolderNotWritable,  ///< PATADD.txt could not be created in the program folder
  kPatternFolderCannotLock,   ///< the pattern-data folder's lock file cannot be made or locked
};

/// A refusal: the check, and the message it showed.
struct Refusal {
  RefusalKind kind = RefusalKind::kInvalidPath;  ///< which check
  Text message;                                  ///< the message as the system holds it
  /// After the message, the program's own words: which check, where, and what to do.
  std::vector<CatalogueMessage> explanation;
  /// For a refused target path: the rule it broke and where.
  std::optional<PathVerdict> pathVerdict;
};

/// The report of one run. How it ended goes with what belongs to that ending: a failed report
/// always carries its failure, a refused one its refusal.
struct RunReport {
  std::vector<WrittenFile> files;     ///< in the order they were closed
  std::vector<AddedTableLine> added;  ///< in the order they were added
  bool markerCreated = false;         ///< whether PATADD.txt was created by this run
  /// Every file that the run created, changed or removed, in the order first touched; after a
  /// stop, the ones it was writing are marked.
  std::vector<ChangedFile> changed;
  bool tablesChanged = false;  ///< whether a file of the pattern-data folder changed
  /// No search found a tag line: the run converted nothing, and completes all the same.
  bool heldNoSection = false;
  /// After completion: the record files of the target folder that this run did not write, which
  /// the drawing system will load with the ones it did.
  std::vector<Text> leftFromBefore;

  /// Ends the report with the completion text (the status text at the end).
  void Complete(Text completionText) { ending_ = Completion{std::move(completionText)}; }
  /// Ends the report refused by a check; nothing was written.
  void Refuse(Refusal refusal) { ending_ = std::move(refusal); }
  /// Ends the report stopped by a failure.
  void Fail(RunFailure failure) { ending_ = std::move(failure); }

  /// How the run ended (refused, with an empty message, until one of the above is called).
  RunOutcome outcome() const {
    return std::holds_alternative<Completion>(ending_)   ? RunOutcome::kCompleted
           : std::holds_alternative<RunFailure>(ending_) ? RunOutcome::kFailed
                                                         : RunOutcome::kRefused;
  }
  /// The completion text; empty unless the run completed.
  const Text& completionText() const {
    static const Text kNone;
    const auto* completion = std::get_if<Completion>(&ending_);
    return completion ? completion->text : kNone;
  }
  /// The refusal; null unless the run was refused.
  const Refusal* refusal() const { return std::get_if<Refusal>(&ending_); }
  /// The failure; null unless the run failed.
  const RunFailure* failure() const { return std::get_if<RunFailure>(&ending_); }

 private:
  struct Completion {
    Text text;
  };
  std::variant<Refusal, Completion, RunFailure> ending_;
};

}  // namespace gdf
