// posix_error_texts.cpp - Error numbers as kinds of failure.
#include "platform/posix/posix_error_texts.h"

#include <cstring>

namespace gdf {
namespace {

FileFailure KindOf(int code) {
  switch (code) {
    case ENOENT:
      return FileFailure::kNoSuchFile;
    case ENOTDIR:
      return FileFailure::kNotAFolder;
    case EISDIR:
      return FileFailure::kIsAFolder;
    case EEXIST:
      return FileFailure::kExists;
    case EACCES:
      return FileFailure::kPermissionDenied;
    case EROFS:
      return FileFailure::kReadOnlyDrive;
    case ENOSPC:
      return FileFailure::kDiskFull;
    case EDQUOT:
      return FileFailure::kQuotaExceeded;
    case EFBIG:
      return FileFailure::kTooLarge;
    case EIO:
      return FileFailure::kInputOutput;
    case EBUSY:
      return FileFailure::kBusy;
    case EMFILE:
      return FileFailure::kTooManyOpenFiles;
    case ENOTEMPTY:
      return FileFailure::kFolderNotEmpty;
    default:
      return FileFailure::kOther;
  }
}

}  // namespace

FileError ErrnoError(int code) { return FileError{KindOf(code), code, std::strerror(code)}; }

}  // namespace gdf
