// dry_run_file_system.h - A file system that keeps every change in memory: the files and folders
// that a run creates, writes, appends to, deletes or renames live in it, and every read sees
// them, while the disk below is only read. A conversion run on it does all it would do and
// writes nothing; afterwards it tells what the run would have changed.
//
// Paths are matched as the file system below resolves them (drive letters, Windows rules, names
// without regard to case). The pattern-data folder's lock is taken shared on the folder below, so
// that a dry run waits for a real run on the same tables and reads them whole.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/forwarding_file_system.h"

namespace gdf {

/// What happened to one path.
enum class ChangeKind {
  kFolderCreated,  ///< a folder that did not exist
  kCreated,        ///< a file that did not exist
  kReplaced,       ///< an existing file emptied and written again, or renamed over
  kAppended,       ///< an existing file that only had bytes added at its end
  kDeleted,        ///< an existing file that is gone
};

/// One path that a run on the file system changed.
struct FileChange {
  Text path;  ///< the path in drive form, as first used ("D:\OUT\X1.TXT")
  ChangeKind kind = ChangeKind::kCreated;
  std::int64_t bytesBefore = -1;  ///< size before, -1 when it did not exist
  std::int64_t bytesAfter = -1;   ///< size after, -1 when it does not exist
  std::int32_t linesBefore = 0;   ///< lines before (as the line reader counts them)
  std::int32_t linesAfter = 0;    ///< lines after
  bool sameContent = false;       ///< whether a replaced file holds exactly what it held before
};

/// How a dry run held the lock of the folder it read.
enum class DryRunLock {
  kNotTaken,    ///< the run stopped before it took a lock
  kShared,      ///< shared, as a reader, through a read-only handle
  kNoLockFile,  ///< the folder has no lock file, so the run read it without a lock
};

class DryRunFileSystem : public ForwardingFileSystem {
 public:
  /// Reads through to `real`, which is never written; the drives, folders and paths are its.
  explicit DryRunFileSystem(FileSystem& real);
  ~DryRunFileSystem() override;

  bool Exists(TextView path, ListAttribute attribute) const override;
  std::vector<FolderEntry> List(TextView folder) const override;
  std::int64_t Size(TextView path) const override;
  bool CreateFolder(TextView path, FileError& error) override;
  bool Delete(TextView path, FileError& error) override;
  bool Rename(TextView from, TextView to, FileError& error) override;
  std::optional<std::string> ReadAll(TextView path, FileError& error) const override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override;
  /// Takes the lock shared where the folder has a lock file, and holds none where it has not.
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;
  /// How the run held the pattern-data folder's lock.
  DryRunLock FolderLockTaken() const { return folderLock_; }

  /// Every path that differs from the disk below, in the order the paths were first touched. A
  /// file that was made and removed again (a work file) is not listed.
  std::vector<FileChange> Changes() const;

 private:
  enum class State { kFile, kFolder, kAbsent };
  struct Node {
    Text path;       // drive form, as first used
    Text parentKey;  // the key of the folder that holds it
    State state = State::kAbsent;
    std::shared_ptr<std::string> content;  // the file's bytes, when a file
    bool fileBefore = false;               // a normal file on the disk below
    bool replaced = false;                 // emptied or renamed over at some point
  };
  struct Where {
    Text key;
    Text path;
    Text parentKey;
    Text parentPath;  // empty at a drive's root
    Text hostName;    // the last component as the disk below resolves it
  };

  // Where `path` resolves on the disk below, or null when it does not. The result is cached.
  const Where* Locate(TextView path) const;
  const Node* Find(const Text& key) const;
  Node& Touch(const Where& where);
  bool IsFolder(const Where& where) const;
  bool IsFile(const Where& where) const;
  bool ParentIsFolder(const Where& where, FileError& error) const;

  // Keys are long host paths that share their beginning, so they are hashed, not ordered.
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(TextView key) const { return std::hash<TextView>{}(key); }
  };
  template <typename Value>
  using KeyMap = std::unordered_map<Text, Value, KeyHash, std::equal_to<>>;

  FileSystem& real_;
  DryRunLock folderLock_ = DryRunLock::kNotTaken;
  std::vector<Node> nodes_;        // in the order first touched
  KeyMap<std::size_t> nodeByKey_;  // key -> index in nodes_
  // Where each full path ("D:\...") was found on the disk below. The disk is only read, so it
  // stays true for the run; a run opens the same tables and target files many times.
  mutable KeyMap<Where> located_;
};

}  // namespace gdf
