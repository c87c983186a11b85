// pattern_setting.h - The pattern-data folder setting: "VirizuV5.ini" in the folder that stands
// for the system directory, the start-up check that refuses to go on without it, and the choice
// every front end makes between "--pattern-dir" and that setting.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frontend/host_settings.h"
#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// The name of the settings file in the folder that stands for the system directory.
inline constexpr char kSettingsFileName[] = "VirizuV5.ini";

/// The folder path on line 2 of the settings file, trimmed; empty when there is no usable
/// settings file. An empty settings file is deleted.
Text ReadPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

/// The start-up check: `PatternFolder` when the setting names a folder, ending with "\", that
/// exists; nothing when the program must end with " VIRIZU の設定がありません.". A line without
/// its "\" would have every table's name glued to the folder's, so it is refused here rather
/// than in the middle of a run.
std::optional<Text> CheckPatternFolderSetting(FileSystem& fs, const std::string& systemDirHost);

/// Why the start-up check found no setting, after " VIRIZU の設定がありません.": what was wrong
/// with the settings file, its two lines as they must be, and the places it was looked for with
/// whether a user without administrator rights can write there.
std::vector<CatalogueMessage> ExplainMissingSetting(FileSystem& fs, const HostSettings& host);

/// The pattern-data folder of a front end, ending with "\": `patternDir` (a path of this
/// computer) when given, else the folder of the settings file. Nothing when there is none:
/// `refusal` then holds what follows " VIRIZU の設定がありません.".
std::optional<Text> ChoosePatternFolder(FileSystem& fs, const HostSettings& host,
                                        const std::optional<std::string>& patternDir,
                                        std::vector<CatalogueMessage>& refusal);

}  // namespace gdf
