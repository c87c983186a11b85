// watched_file_system.h - A file system that passes everything on to another and keeps what
// changed on it: every file that was created, written over, added to, removed or renamed over,
// and which of them were being written when a fault stopped the work.
//
// A run that stops names from it every file it left different, and the one it was writing. A
// file that is made and removed again (a work file), or cut back to what it held (an append that
// failed), is no change.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dry_run_file_system.h"
#include "platform/forwarding_file_system.h"

namespace gdf {

/// A file that differs from what it was before the work.
struct ChangedFile {
  Text path;                               ///< drive form, as first used ("D:\OUT\X1.TXT")
  ChangeKind kind = ChangeKind::kCreated;  ///< created, replaced, appended or deleted
  /// A write or a close of it failed, or it was still open when a fault unwound the work: it
  /// may not hold all that was meant for it.
  bool mayBeIncomplete = false;
};

class WatchedFileSystem : public ForwardingFileSystem {
 public:
  /// Passes everything on to `inner`.
  explicit WatchedFileSystem(FileSystem& inner);
  ~WatchedFileSystem() override;

  bool Delete(TextView path, FileError& error) override;
  bool Rename(TextView from, TextView to, FileError& error) override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override;
  /// The lock file that a lock for a change makes, where the folder had none, is a file made.
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

  /// Every file that differs from what it was, in the order the files were first touched.
  std::vector<ChangedFile> Changes() const;

  /// What is known of one file; shared with its open files.
  struct Watch;

 private:
  // The watch of a path, made at its first touch with what the file system below holds then.
  std::shared_ptr<Watch> Touch(TextView path);

  std::vector<std::shared_ptr<Watch>> watches_;   // in the order first touched
  std::map<Text, std::shared_ptr<Watch>> byKey_;  // folded host path -> its watch
};

}  // namespace gdf
