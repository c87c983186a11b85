// windows_error_texts.cpp - Windows error codes as kinds of failure, and in Windows' words.
#include "platform/windows/windows_error_texts.h"

#include <string>

#include "platform/windows/windows_paths.h"

namespace gdf {
namespace {

FileFailure KindOf(DWORD code) {
  switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileFailure::kInUse;
    case ERROR_ACCESS_DENIED:
      return FileFailure::kAccessDenied;
    case ERROR_WRITE_PROTECT:
      return FileFailure::kWriteProtected;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileFailure::kDiskFull;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileFailure::kNoSuchFile;
    case ERROR_DIRECTORY:
      return FileFailure::kNotAFolder;
    case ERROR_NOT_READY:
      return FileFailure::kDriveNotReady;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return FileFailure::kExists;
    case ERROR_INVALID_NAME:
      return FileFailure::kNameNotAllowed;
    case ERROR_DIR_NOT_EMPTY:
      return FileFailure::kFolderNotEmpty;
    default:
      return FileFailure::kOther;
  }
}

// Windows' own words for the code, in English whatever the user's language.
std::string SystemText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text;
  if (n > 0 && buffer != nullptr) text = ToUtf8(TrimRightOf(FromWide(buffer, n), u" \r\n."));
  if (buffer != nullptr) LocalFree(buffer);
  return text.empty() ? "Windows error " + std::to_string(code) : text;
}

}  // namespace

FileError WindowsError(DWORD code) {
  return FileError{KindOf(code), static_cast<int>(code), SystemText(code)};
}

FileError LastWindowsError() { return WindowsError(GetLastError()); }

FileError PathError(const Text& longPath) {
  const DWORD code = GetLastError();
  if (code == ERROR_PATH_NOT_FOUND || code == ERROR_FILE_NOT_FOUND) {
    Text above = longPath;
    for (auto cut = above.find_last_of(u'\\'); cut != Text::npos && cut > 6;
         cut = above.find_last_of(u'\\')) {
      above.resize(cut);
      const DWORD attributes = GetFileAttributesW(W(above));
      if (attributes == INVALID_FILE_ATTRIBUTES) continue;
      if (!IsFolderAttributes(attributes)) {
        return FileError{FileFailure::kNotAFolder, static_cast<int>(code), SystemText(code)};
      }
      break;
    }
  }
  return WindowsError(code);
}

}  // namespace gdf
