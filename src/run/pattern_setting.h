// pattern_setting.h - The pattern-data folder setting: "VirizuV5.ini" in the folder that stands
// for the system directory, and the start-up check that refuses to go on without it.
#pragma once

#include <optional>
#include <string>

#include "common/platform.h"
#include "common/text.h"

namespace gdf {

/// The folder path on line 2 of the settings file, trimmed; empty when there is no usable
/// settings file. An empty settings file is deleted.
Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

/// The start-up check: `PatternFolder` when the setting names something that exists, nothing
/// when the program must end with " VIRIZU の設定がありません.".
std::optional<Text> CheckPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

}  // namespace gdf
