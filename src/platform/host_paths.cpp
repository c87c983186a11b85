// host_paths.cpp - Host path texts and their drive forms.
#include "platform/host_paths.h"

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
#ifdef _WIN32
  return text.rfind(".\\", 0) == 0 || text.rfind("..\\", 0) == 0 || text.rfind("./", 0) == 0 ||
         text.rfind("../", 0) == 0 || text == "." || text == "..";
#else
  return text.rfind("/", 0) == 0 || text.rfind("./", 0) == 0 || text.rfind("../", 0) == 0 ||
         text.rfind("~/", 0) == 0 || text == "." || text == ".." || text == "~";
#endif
}

std::optional<Text> RunPathText(const std::string& typed, const FileSystem& fs) {
  if (!IsHostPathText(typed)) return FromUtf8(typed);
  return fs.FromHost(ExpandHome(typed));
}

std::filesystem::path HostPathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string HostPathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace gdf
