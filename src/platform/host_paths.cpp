// host_paths.cpp - Host path texts and their drive forms.
#include "platform/host_paths.h"

#include <algorithm>
#include <cstdlib>

namespace gdf {

std::string ExpandHome(const std::string& path) {
  if (path == "~" || path.rfind("~/", 0) == 0) {
    const char* home = std::getenv("HOME");
    if (home != nullptr) return std::string(home) + path.substr(1);
  }
  return path;
}

bool IsHostPathText(const std::string& text) {
  // "D:\WORK", "D:WORK", "\WORK" and "\\server\share" are the run's own; the rest is a path of
  // this computer, absolute or from the current folder.
  return !text.empty() && text.find(':') == std::string::npos && text.front() != '\\';
}

std::optional<Text> RunPathText(const std::string& typed, const FileSystem& fs) {
  if (!IsHostPathText(typed)) return FromUtf8(typed);
  std::string host = ExpandHome(typed);
#ifndef _WIN32
  // "data\examples\B-1.gdf", as a Windows user types it, is data/examples/B-1.gdf here too.
  std::replace(host.begin(), host.end(), '\\', '/');
#endif
  return fs.FromHost(host);
}

std::filesystem::path HostPathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string HostPathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace gdf
