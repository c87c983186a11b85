// file_system.h - The file system as the conversion sees it: drive letters, Windows paths, the
// current drive and folder, listings with attributes, folders, file contents and the lock of a
// folder.
//
// The core speaks only in Windows paths ("D:\WORK\B-1\X1.TXT"). An implementation maps drive
// letters to host folders and resolves paths by Windows rules: PosixFileSystem (posix/) and
// WindowsFileSystem (windows/) are the two hosts, and host_file_system.h names the one the build
// is for. Another can stand in for either without a change to the core: the dry run's overlay,
// the watched file system of a run, a test's faulty one.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_error.h"
#include "text/text.h"

namespace gdf {

/// What a listing looks for.
enum class ListAttribute {
  kNormal,     ///< normal files only
  kDirectory,  ///< folders, and normal files too (as a directory listing with that attribute)
};

/// How a file is opened for writing.
enum class OpenMode {
  kTruncate,  ///< created, or emptied when it exists
  kAppend,    ///< created when missing, written at its end
};

/// One entry of a folder listing.
struct FolderEntry {
  Text name;  ///< the entry's name as the host holds it
  bool isFolder = false;
};

/// A drive: its letter and the host folder it stands for.
struct Drive {
  char16_t letter = u'Z';
  std::string hostFolder;
};

/// A file opened for writing. Writes go straight to the file; nothing is buffered here.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  /// Writes all of `bytes`; false with `error` set when it cannot.
  virtual bool Write(std::string_view bytes, FileError& error) = 0;
  /// Flushes the file's data to the disk.
  virtual bool Sync(FileError& error) = 0;
  /// Current size in bytes.
  virtual std::int64_t Size() = 0;
  /// Cuts the file back to `size` bytes.
  virtual bool Truncate(std::int64_t size, FileError& error) = 0;
  /// Closes the file; false when the close reports a write failure.
  virtual bool Close(FileError& error) = 0;
};

/// How the lock of a pattern-data folder is taken.
enum class LockMode {
  kExclusive,  ///< to change the folder: the lock file is made when it is missing
  kShared,     ///< to read it only (a dry run): through a read-only handle, where the file exists
};

/// The lock file of a folder, and the one byte of it that is locked. The byte lies far beyond
/// any content, because a Windows lock keeps every other handle from the bytes it covers. The
/// file is never renamed or deleted; the lock lives on the open file, so that the system (or the
/// file server, after its session timeout) frees it when its holder ends, however it ends.
inline constexpr char16_t kLockFileName[] = u"GDFCONV.LCK";
inline constexpr std::int64_t kLockByteOffset = 0x40000000;

/// A lock held on a folder's lock file; given back when destroyed.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
  /// Makes `line` the whole content of the lock file, so that a run that waits can name the
  /// holder; the content is emptied again when the lock is given back. A shared lock writes
  /// nothing.
  virtual bool WriteHolder(std::string_view line, FileError& error) = 0;
};

/// Why a folder's lock was not had.
enum class LockFailure {
  kBusy,        ///< another holder kept it for the whole wait
  kCannotOpen,  ///< the lock file cannot be made or opened (no folder, a read-only share, rights)
  kCannotLock,  ///< the folder's file system keeps no byte-range locks that others would see
  kNoLockFile,  ///< a shared lock of a folder that has no lock file: there is nothing to lock
};

/// A lock that was not had: why, what the file system said, and who holds it.
struct LockError {
  LockFailure kind = LockFailure::kCannotOpen;  ///< why
  FileError reason;                             ///< what failed below ("no such drive", ...)
  std::string holderLine;  ///< busy: the first line of the lock file, as its holder wrote it
};

/// The file system behind Windows paths.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// The drives there are, in letter order.
  virtual std::vector<Drive> Drives() const = 0;
  /// Whether the letter is mapped and its host folder exists.
  virtual bool DriveReady(char16_t letter) const = 0;
  /// Makes the drive current; false when it is not mapped or not ready.
  virtual bool SetCurrentDrive(char16_t letter) = 0;
  /// The current drive letter (upper case).
  virtual char16_t CurrentDrive() const = 0;
  /// The current folder of a drive, without a trailing "\" except at its root ("D:\WORK",
  /// "D:\").
  virtual Text CurrentFolder(char16_t letter) const = 0;
  /// Makes a folder the current folder of its drive (not the current drive); false when the
  /// folder does not exist.
  virtual bool SetCurrentFolder(TextView path) = 0;

  /// The absolute drive form of a path by Windows rules ("D:\WORK\OUT"), without a trailing
  /// "\" except at a root; nothing when the path cannot be formed (no drive letter that is
  /// mapped, a network path).
  virtual std::optional<Text> Absolute(TextView path) const = 0;
  /// The host path of a Windows path; existing components are matched without regard to case.
  virtual std::optional<std::string> ToHost(TextView path) const = 0;
  /// The drive form of a host path: the longest mapped root that holds it wins.
  virtual std::optional<Text> FromHost(const std::string& hostPath) const = 0;

  /// A listing of the exact path: whether it names an entry of the attribute.
  virtual bool Exists(TextView path, ListAttribute attribute) const = 0;
  /// The entries of a folder, folders first, each group in name order.
  virtual std::vector<FolderEntry> List(TextView folder) const = 0;
  /// Size of a file in bytes, or -1 when there is no such normal file.
  virtual std::int64_t Size(TextView path) const = 0;

  virtual bool CreateFolder(TextView path, FileError& error) = 0;
  virtual bool Delete(TextView path, FileError& error) = 0;
  /// Renames `from` to `to` in one step, replacing `to` when it exists.
  virtual bool Rename(TextView from, TextView to, FileError& error) = 0;

  /// The whole content of a file; nothing with `error` set when it cannot be read.
  virtual std::optional<std::string> ReadAll(TextView path, FileError& error) const = 0;
  /// Opens a file for writing; a name that exists in another case is that file.
  virtual std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) = 0;

  /// Whether the file `path` could be written (created, when it is not there), without leaving
  /// anything behind; false with `error` set when not. This one opens an existing file to append
  /// nothing, or makes and removes a probe file beside it; an implementation that can ask the
  /// system says the same without.
  virtual bool CanWrite(TextView path, FileError& error) {
    if (!Exists(path, ListAttribute::kNormal)) {
      const std::size_t slash = path.rfind(u'\\');
      Text probe(path.substr(0, slash == TextView::npos ? 0 : slash + 1));
      probe += u"~GDFPROBE.TMP";
      auto file = Open(probe, OpenMode::kAppend, error);
      if (!file) return false;
      const bool closed = file->Close(error);
      file.reset();
      FileError ignored;
      Delete(probe, ignored);
      return closed;
    }
    auto file = Open(path, OpenMode::kAppend, error);
    return file && file->Close(error);
  }

  /// Locks the byte `kLockByteOffset` of the folder's lock file `kLockFileName`, exclusive or
  /// shared, trying again with a growing pause until `waitMilliseconds` have passed; nothing,
  /// with `error` set, when it cannot be had. The lock lasts as long as the returned object, and
  /// a second lock of the same folder in the same process waits as another process would.
  virtual std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode,
                                                 int waitMilliseconds, LockError& error) = 0;
};

/// Settings of the host file system: the drive map.
struct FileSystemSettings {
  /// Drive letter (upper case) to host folder, as `subst` stands a letter for a folder. On POSIX,
  /// Z: maps to "/" unless set otherwise; on Windows the real drives are there besides.
  std::map<char16_t, std::string> drives;
};

}  // namespace gdf
