// pattern_setting.h - The pattern-data folder setting: "VirizuV5.ini" in the folder that stands
// for the system directory, and the start-up check that refuses to go on without it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// The name of the settings file in the folder that stands for the system directory.
inline constexpr char kSettingsFileName[] = "VirizuV5.ini";

/// The folder path on line 2 of the settings file, trimmed; empty when there is no usable
/// settings file. An empty settings file is deleted.
Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

/// The start-up check: `PatternFolder` when the setting names something that exists, nothing
/// when the program must end with " VIRIZU の設定がありません.".
std::optional<Text> CheckPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

/// Whether the advice after a missing setting may name the --pattern-dir option.
enum class SettingAdvice { kFileOrPatternDirOption, kFileOnly };

/// Why the start-up check found no setting, after " VIRIZU の設定がありません.": the settings
/// file it looked for (a host path) and what was wrong with it, then how to give the folder.
std::vector<CatalogueMessage> ExplainMissingSetting(
    FileSystem& fs, const std::string& systemDirHost,
    SettingAdvice how = SettingAdvice::kFileOrPatternDirOption);

}  // namespace gdf
