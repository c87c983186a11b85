// file_error.h - Why a file operation failed: a kind that every file system reports alike (the
// host's, a dry run's overlay, a test's), with the system's own code and words for the details.
//
// The messages render a failure by its kind, in the user's language; only a failure of no known
// kind is shown in the system's own words.
#pragma once

#include <string>

namespace gdf {

/// The kinds of failure that the file systems tell apart.
enum class FileFailure {
  kOther,             ///< none of the kinds below: the system's words say what
  kNoSuchFile,        ///< the file, or a folder on its path, does not exist
  kNoSuchFolder,      ///< the folder does not exist
  kNotAFolder,        ///< a part of the path is a file
  kIsAFolder,         ///< a folder stands where a file was meant
  kExists,            ///< something of that name is there already
  kNoSuchDrive,       ///< no drive holds the path
  kPermissionDenied,  ///< the user has no right to it (POSIX)
  kAccessDenied,      ///< read-only, or no right to it: Windows does not say which
  kReadOnlyDrive,     ///< the file system is mounted read-only
  kWriteProtected,    ///< the medium is write-protected
  kDiskFull,          ///< no space is left on the disk
  kQuotaExceeded,     ///< the user's disk quota is used up
  kTooLarge,          ///< the file would be larger than the file system allows
  kInputOutput,       ///< the device reported an input or output error
  kBusy,              ///< the device or resource is busy
  kTooManyOpenFiles,  ///< the process has too many files open
  kFolderNotEmpty,    ///< the folder holds entries
  kInUse,             ///< another program has the file open
  kDriveNotReady,     ///< the drive is not ready (no medium)
  kNameNotAllowed,    ///< the name is not allowed on Windows
};

/// A failed file operation: its kind, and what the system itself said.
struct FileError {
  FileFailure kind = FileFailure::kOther;  ///< what kind of failure
  int code = 0;      ///< the system's code (errno, a Windows error code); 0 when none
  std::string text;  ///< the system's words for it (UTF-8); empty when the kind is all there is

  bool operator==(const FileError&) const = default;
};

/// A failure known only by its kind.
inline FileError Failed(FileFailure kind) { return FileError{kind, 0, {}}; }

}  // namespace gdf
