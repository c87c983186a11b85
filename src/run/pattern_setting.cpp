// pattern_setting.cpp - Reading of the pattern-data folder setting and the start-up check.
#include "run/pattern_setting.h"

namespace gdf {

Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost) {
  (void)fs;
  (void)systemDirHost;
  return {};
}

std::optional<Text> CheckPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost) {
  const Text folder = ReadPatternFolderSetting(fs, systemDirHost);
  if (folder.empty()) return std::nullopt;
  return folder;
}

}  // namespace gdf
