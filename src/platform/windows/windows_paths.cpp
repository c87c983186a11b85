// windows_paths.cpp - Long forms, full paths and attributes of host paths.
#include "platform/windows/windows_paths.h"

#include <algorithm>

#include "platform/drive_path.h"

namespace gdf {

using drive_path::IsSeparator;

Text LongForm(const Text& path) {
  if (StartsWith(path, u"\\\\?\\")) return path;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return u"\\\\?\\UNC\\" + path.substr(2);
  }
  Text out = u"\\\\?\\" + path;
  if (out.size() == 6) out.push_back(u'\\');  // "\\?\C:" is the drive, not its root
  return out;
}

std::optional<Text> FullHostPath(const std::string& hostPath) {
  Text text = FromUtf8(hostPath);
  if (text.empty()) return std::nullopt;
  if (StartsWith(text, u"\\\\?\\UNC\\")) {
    text = u"\\\\" + text.substr(8);
  } else if (StartsWith(text, u"\\\\?\\")) {
    text = text.substr(4);
  }
  std::replace(text.begin(), text.end(), u'/', u'\\');
  DWORD size = GetFullPathNameW(W(text), 0, nullptr, nullptr);
  if (size == 0) return std::nullopt;
  std::wstring buffer(size, L'\0');
  size = GetFullPathNameW(W(text), size, buffer.data(), nullptr);
  if (size == 0 || size >= buffer.size()) return std::nullopt;
  Text full = FromWide(buffer.data(), size);
  while (full.size() > 3 && full.back() == u'\\') full.pop_back();
  return full;
}

DWORD Attributes(const Text& hostPath) { return GetFileAttributesW(W(LongForm(hostPath))); }

}  // namespace gdf
