// windows_paths.h - Paths as the wide Windows API takes them: UTF-16 texts, the "\\?\" long
// form, full host paths, and the attributes of a path.
//
// Every path handed to the API is absolute and carries the "\\?\" prefix, so that paths beyond
// 260 characters work and no name is taken for a device ("CON", "NUL").
#pragma once

#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

#include "text/text.h"

namespace gdf {

/// A text as the wide API takes it.
inline const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
/// A wide text of the API as text.
inline Text FromWide(const wchar_t* text, std::size_t size) {
  return Text(reinterpret_cast<const char16_t*>(text), size);
}
inline Text FromWide(const wchar_t* text) { return FromWide(text, std::wcslen(text)); }

/// The form the API is given: "\\?\C:\WORK" or "\\?\UNC\server\share\WORK" for an absolute path.
Text LongForm(const Text& path);

/// The full path of a host path text, without the "\\?\" prefix; nothing when it has none.
std::optional<Text> FullHostPath(const std::string& hostPath);

/// The attributes of a host path (INVALID_FILE_ATTRIBUTES when there is nothing there).
DWORD Attributes(const Text& hostPath);

/// Whether attributes are those of a folder.
inline bool IsFolderAttributes(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

/// Whether a listing with the normal or the directory attribute shows an entry: it leaves out
/// hidden and system entries.
inline bool IsListed(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace gdf
