// windows_error_texts.cpp - Windows error codes in words.
#include "platform/windows/windows_error_texts.h"

#include "platform/file_system.h"
#include "platform/windows/windows_paths.h"

namespace gdf {

std::string ErrorText(DWORD code) {
  switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "the file is in use by another program";
    case ERROR_ACCESS_DENIED:
      return "access is denied (read-only, or no permission)";
    case ERROR_WRITE_PROTECT:
      return "the medium is write-protected";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "there is not enough space on the disk";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return file_reason::kNoSuchFile;
    case ERROR_DIRECTORY:
      return file_reason::kNotAFolder;
    case ERROR_NOT_READY:
      return "the drive is not ready";
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return file_reason::kExists;
    case ERROR_INVALID_NAME:
      return "the name is not allowed on Windows";
    case ERROR_DIR_NOT_EMPTY:
      return "the folder is not empty";
    default:
      break;
  }
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text;
  if (n > 0 && buffer != nullptr) {
    text = ToUtf8(TrimRightOf(FromWide(buffer, n), u" \r\n."));
  }
  if (buffer != nullptr) LocalFree(buffer);
  return text.empty() ? "Windows error " + std::to_string(code) : text;
}
std::string LastErrorText() { return ErrorText(GetLastError()); }

std::string PathErrorText(const Text& longPath) {
  const DWORD code = GetLastError();
  if (code == ERROR_PATH_NOT_FOUND || code == ERROR_FILE_NOT_FOUND) {
    Text above = longPath;
    for (auto cut = above.find_last_of(u'\\'); cut != Text::npos && cut > 6;
         cut = above.find_last_of(u'\\')) {
      above.resize(cut);
      const DWORD attributes = GetFileAttributesW(W(above));
      if (attributes == INVALID_FILE_ATTRIBUTES) continue;
      if (!IsFolderAttributes(attributes)) return file_reason::kNotAFolder;
      break;
    }
  }
  return ErrorText(code);
}

}  // namespace gdf
