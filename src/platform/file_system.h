// platform.h - The file system as the conversion sees it: drive letters, Windows paths, the
// current drive and folder, listings with attributes, folders, and file contents.
//
// The core speaks only in Windows paths ("D:\WORK\B-1\X1.TXT"). An implementation maps drive
// letters to host folders and resolves paths by Windows rules. PosixFileSystem (posix_platform.cpp)
// and WindowsFileSystem (windows_platform.cpp) are the two hosts; the build takes the one of the
// system it builds for, and `HostFileSystem` names it. Another can stand in for either without a
// change to the core. The other host services (the program's folder, the system folder, the
// console) are declared at the end of this file and implemented beside the file systems.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  virtual bool Write(std::string_view bytes, std::string& error) = 0;
  /// Flushes the file's data to the disk.
  virtual bool Sync(std::string& error) = 0;
  /// Current size in bytes.
  virtual std::int64_t Size() = 0;
  /// Cuts the file back to `size` bytes.
  virtual bool Truncate(std::int64_t size, std::string& error) = 0;
  /// Closes the file; false when the close reports a write failure.
  virtual bool Close(std::string& error) = 0;
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
  virtual bool WriteHolder(std::string_view line, std::string& error) = 0;
};

/// Why a folder's lock was not had.
enum class LockFailure {
  kBusy,        ///< another holder kept it for the whole wait
  kCannotOpen,  ///< the lock file cannot be made or opened (no folder, a read-only share, rights)
  kCannotLock,  ///< the folder's file system keeps no byte-range locks that others would see
  kNoLockFile,  ///< a shared lock of a folder that has no lock file: there is nothing to lock
};

/// A lock that was not had: why, the system's own words for it, and who holds it.
struct LockError {
  LockFailure kind = LockFailure::kCannotOpen;  ///< why
  std::string text;                             ///< the system's words ("no such drive", ...)
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

  virtual bool CreateFolder(TextView path, std::string& error) = 0;
  virtual bool Delete(TextView path, std::string& error) = 0;
  /// Renames `from` to `to` in one step, replacing `to` when it exists.
  virtual bool Rename(TextView from, TextView to, std::string& error) = 0;

  /// The whole content of a file; nothing with `error` set when it cannot be read.
  virtual std::optional<std::string> ReadAll(TextView path, std::string& error) const = 0;
  /// Opens a file for writing; a name that exists in another case is that file.
  virtual std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, std::string& error) = 0;

  /// Whether the file `path` could be written (created, when it is not there), without leaving
  /// anything behind; false with `error` set when not. This one opens an existing file to append
  /// nothing, or makes and removes a probe file beside it; an implementation that can ask the
  /// system says the same without.
  virtual bool CanWrite(TextView path, std::string& error) {
    if (!Exists(path, ListAttribute::kNormal)) {
      const std::size_t slash = path.rfind(u'\\');
      Text probe(path.substr(0, slash == TextView::npos ? 0 : slash + 1));
      probe += u"~GDFPROBE.TMP";
      auto file = Open(probe, OpenMode::kAppend, error);
      if (!file) return false;
      const bool closed = file->Close(error);
      file.reset();
      std::string ignored;
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
using PosixSettings = FileSystemSettings;

#ifdef _WIN32
/// The drives of Windows, and the letters of the drive map over host folders, on the wide
/// (UTF-16) Windows API. Host paths are Windows paths in UTF-8 ("C:\WORK\B-1").
class WindowsFileSystem : public FileSystem {
 public:
  /// The current drive and the current folder of each drive start as the process has them.
  explicit WindowsFileSystem(FileSystemSettings settings);

  std::vector<Drive> Drives() const override;
  bool DriveReady(char16_t letter) const override;
  bool SetCurrentDrive(char16_t letter) override;
  char16_t CurrentDrive() const override;
  Text CurrentFolder(char16_t letter) const override;
  bool SetCurrentFolder(TextView path) override;
  std::optional<Text> Absolute(TextView path) const override;
  std::optional<std::string> ToHost(TextView path) const override;
  std::optional<Text> FromHost(const std::string& hostPath) const override;
  bool Exists(TextView path, ListAttribute attribute) const override;
  std::vector<FolderEntry> List(TextView folder) const override;
  std::int64_t Size(TextView path) const override;
  bool CreateFolder(TextView path, std::string& error) override;
  bool Delete(TextView path, std::string& error) override;
  bool Rename(TextView from, TextView to, std::string& error) override;
  std::optional<std::string> ReadAll(TextView path, std::string& error) const override;
  bool CanWrite(TextView path, std::string& error) override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, std::string& error) override;
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

 private:
  std::map<char16_t, Text> mapped_;          // letter -> host folder (absolute, no trailing "\")
  std::map<char16_t, Text> currentFolders_;  // letter -> path below the root, "" or "\WORK"
  char16_t currentDrive_ = u'C';
};
using HostFileSystem = WindowsFileSystem;
#else

/// Drive letters over host folders, on POSIX calls.
class PosixFileSystem : public FileSystem {
 public:
  /// The current drive and folder start at the host's current folder when a drive holds it,
  /// else at the root of the first drive.
  explicit PosixFileSystem(PosixSettings settings);

  std::vector<Drive> Drives() const override;
  bool DriveReady(char16_t letter) const override;
  bool SetCurrentDrive(char16_t letter) override;
  char16_t CurrentDrive() const override;
  Text CurrentFolder(char16_t letter) const override;
  bool SetCurrentFolder(TextView path) override;
  std::optional<Text> Absolute(TextView path) const override;
  std::optional<std::string> ToHost(TextView path) const override;
  std::optional<Text> FromHost(const std::string& hostPath) const override;
  bool Exists(TextView path, ListAttribute attribute) const override;
  std::vector<FolderEntry> List(TextView folder) const override;
  std::int64_t Size(TextView path) const override;
  bool CreateFolder(TextView path, std::string& error) override;
  bool Delete(TextView path, std::string& error) override;
  bool Rename(TextView from, TextView to, std::string& error) override;
  std::optional<std::string> ReadAll(TextView path, std::string& error) const override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, std::string& error) override;
  bool CanWrite(TextView path, std::string& error) override;
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

 private:
  std::map<char16_t, std::string> drives_;   // letter -> host folder, no trailing "/"
  std::map<char16_t, Text> currentFolders_;  // letter -> path below the root, "" or "\WORK"
  char16_t currentDrive_ = u'Z';
};
using HostFileSystem = PosixFileSystem;
#endif

/// Why a file operation failed, in the same words on every file system (a dry run's overlay, POSIX,
/// Windows), so that a run says the same wherever it runs and a dry run says what the run says.
namespace file_reason {
inline constexpr char kNoSuchFile[] = "No such file or directory";
inline constexpr char kNotAFolder[] = "Not a directory";  ///< a part of the path is a file
inline constexpr char kIsAFolder[] = "Is a directory";
inline constexpr char kExists[] = "File exists";
inline constexpr char kNoSuchDrive[] = "no such drive";
}  // namespace file_reason

/// Parses "X=DIR" into a drive letter and a host folder (made absolute); nothing when the text
/// is not of that form.
std::optional<std::pair<char16_t, std::string>> ParseDriveMapping(const std::string& text);

/// The separator of host paths; whether a host path is a Windows path as the run takes it.
#ifdef _WIN32
inline constexpr char kHostSeparator = '\\';
inline constexpr bool kHostPathsAreWindowsPaths = true;
#else
inline constexpr char kHostSeparator = '/';
inline constexpr bool kHostPathsAreWindowsPaths = false;
#endif

/// The host path of the running program's folder.
std::string ProgramFolderOfExecutable();

/// The host folders where the settings file is looked for when no folder is given, in order;
/// the first that holds it wins. On POSIX one folder, /etc/gdfconv. On 64-bit Windows the places
/// where a 32-bit program sees its system folder: the user's VirtualStore copy of SysWOW64,
/// SysWOW64, the VirtualStore copy of System32, then System32 (the system folder).
std::vector<std::string> SystemFolderCandidates();

/// Whether a host path names an existing folder, or an existing file that is not a folder.
bool IsHostFolder(const std::string& hostPath);
bool IsHostFile(const std::string& hostPath);

/// The host path joined with one more name, with the host's separator.
std::string JoinHostPath(const std::string& folder, const std::string& name);

/// Who this process is, as the lock file and the pattern-data folder's log name it.
struct ProcessIdentity {
  std::string computer;        ///< the computer's name ("PC-TANAKA")
  std::string user;            ///< the user's name ("tanaka")
  std::int64_t processId = 0;  ///< the process id
};
ProcessIdentity ThisProcessIdentity();

/// The local date and time now, "2026-12-09 10:02:05".
std::string LocalDateTimeNow();

#ifndef _WIN32
/// Why the mount that holds `hostPath` keeps byte-range locks to this computer alone (a CIFS
/// mount with "nobrl", an NFS mount with "local_lock=posix" or "all"), read from the text of
/// /proc/self/mountinfo; nothing when the locks reach the file server, or the mount is local.
std::optional<std::string> MountWithLocalLocksOnly(std::string_view mountInfo,
                                                   const std::string& hostPath);
#endif

/// Whether standard input is a terminal (a console on Windows) that a person can answer on.
bool StandardInputIsTerminal();
/// Whether standard error goes to a terminal (a console on Windows).
bool StandardErrorIsTerminal();

/// Makes std::cout and std::cerr show UTF-8 text as it is meant: on a Windows console they write
/// through the console's wide API, whatever its code page; elsewhere (POSIX, or a file or pipe)
/// the bytes go out as they are.
void PrepareStandardStreams();

/// The language of the user's interface as a tag ("ja_JP.UTF-8", "en", ...): on POSIX the first
/// of LC_ALL, LC_MESSAGES and LANG that is set and not empty; on Windows the user's UI
/// language. Empty when nothing says.
std::string UserLanguageTag();

}  // namespace gdf
