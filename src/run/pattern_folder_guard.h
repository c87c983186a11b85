// pattern_folder_guard.h - The pattern-data folder as one run holds it. Every PC of an office may
// convert into the same folder on a file server at once, so a run locks it before it reads the
// first table and lets go only after its last change is on the disk: every table read, every code
// chosen, every line appended and every file replaced happens under the lock. While it holds the
// lock, the run's line in the lock file says who it is, and the lines it added go into the
// folder's log.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "common/front_end.h"
#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "run/conversion_run.h"
#include "run/report.h"
#include "tables/lock_holder.h"

namespace gdf {

class PatternFolderGuard {
 public:
  /// Takes the lock of `inputs.patternFolder`. When another run holds it, says at once, through
  /// `ui`, that this run waits and for whom, and waits up to `inputs.lockWaitMilliseconds`; throws
  /// the run's failure when the wait runs out. Nothing, with `refusal` set to why and what to ask
  /// for, when the folder cannot be locked at all (a read-only share, a mount without byte-range
  /// locks): the run then writes nothing.
  static std::unique_ptr<PatternFolderGuard> Take(const RunInputs& inputs, FileSystem& fs,
                                                  FrontEnd& ui,
                                                  std::vector<CatalogueMessage>& refusal);

  /// Logs the table lines that the run added since the last call, then flushes every file of
  /// the folder that the run changed; throws the run's failure when one of them cannot be
  /// written.
  void Settle(const RunReport& report);
  /// As Settle, for a run that has already failed: what can be logged and flushed is, and a
  /// further failure is not reported over the first.
  void SettleAfterFailure(const RunReport& report);

  ~PatternFolderGuard();

 private:
  PatternFolderGuard(const RunInputs& inputs, FileSystem& fs, std::unique_ptr<FolderLock> lock,
                     LockHolder holder);

  const RunInputs& inputs_;
  FileSystem& fs_;
  std::unique_ptr<FolderLock> lock_;
  LockHolder holder_;
  std::size_t logged_ = 0;  // the report's added lines already in the log
};

/// What the run says while it waits for the lock: whom it waits for and how long at most.
CatalogueMessage WaitingNotice(const std::optional<LockHolder>& holder, int seconds);

}  // namespace gdf
