// faulty_file_system.h - A file system that passes everything to another one and fails where a
// test tells it to: the k-th change (as on a disk that fills up), and every change in a folder
// that may not be written. It lets the faults of a full disk and of permissions be played
// through the core on any system, without process limits or user switches.
#pragma once

#include <cerrno>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forwarding_file_system.h"

namespace gdf::test {

/// What a change that fails does to the ones after it.
enum class FaultAfter {
  kDiskFull,  ///< every later write fails too, as on a disk that filled up
  kNothing,   ///< the later changes go through, as after a file that could not be written
  kKilled,    ///< it and every later change are stopped whole, as in a process killed just
              ///< before it: not even half a write reaches the disk
};

class FaultyFileSystem : public ForwardingFileSystem {
 public:
  /// Passes through to `real`.
  explicit FaultyFileSystem(FileSystem& real);

  /// Fails the k-th change from now on (1 for the next one; 0 for none). A change is an open for
  /// writing, a write, a sync, a cut, a close, a new folder, a delete or a rename. The failing
  /// write puts the first half of its bytes to the file first; by default every write fails from
  /// then on, as on a full disk.
  void FailChange(std::int64_t k, FaultAfter after = FaultAfter::kDiskFull);
  /// Stops every change from the k-th from now on, as a process killed just before it.
  void KillAtChange(std::int64_t k) { FailChange(k, FaultAfter::kKilled); }
  /// Refuses every change in a folder and below it, as for a folder without write permission.
  void RefuseFolder(TextView folder);
  /// The changes counted so far (the unhindered run's count is the sweep's end).
  std::int64_t Changes() const { return state_->changes; }
  /// Whether the fault of FailChange has struck.
  bool Struck() const { return state_->struck; }

  bool CreateFolder(TextView path, FileError& error) override;
  bool Delete(TextView path, FileError& error) override;
  bool Rename(TextView from, TextView to, FileError& error) override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override;
  /// A refused folder cannot be locked for a change, as on a read-only share.
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

  /// What the faults shared with the open files.
  struct State {
    std::int64_t changes = 0;
    std::int64_t failAt = 0;  // 0: never
    bool struck = false;
    FaultAfter after = FaultAfter::kDiskFull;
    bool diskFull = false;  // every write fails, since the fault struck
    // Counts one change; true when it is to fail.
    bool Fail();
  };

 private:
  bool Refused(TextView path) const;

  FileSystem& real_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
  std::vector<Text> refused_;  // absolute folder paths, upper case, ending with "\"
};

/// The text a change refused for its folder fails with.
inline constexpr const char* kRefusedText = "Permission denied";
/// The text a change fails with on the full disk.
inline constexpr const char* kFullText = "No space left on device";
/// The failure of a change refused for its folder, and of one on the full disk.
inline const FileError kRefused{FileFailure::kPermissionDenied, EACCES, kRefusedText};
inline const FileError kFull{FileFailure::kDiskFull, ENOSPC, kFullText};

}  // namespace gdf::test
