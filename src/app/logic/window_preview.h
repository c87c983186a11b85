// window_preview.h - "gdfconv-gui --preview FILE", the preview verb of a .gdf in Explorer: the
// picture of the boring written next to its source file, for the window program to open.
#pragma once

#include <optional>
#include <string>

#include "app/logic/form1_logic.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace gdf::app {

/// The host path of the picture of a source file: "B-1.gdf" gives "B-1.svg" beside it.
std::string PreviewPathBeside(const std::string& sourceHost);

/// Draws the picture of `settings.source` with the pattern-data folder of the settings and
/// writes it next to the source file. The picture's host path; nothing when it could not be
/// made, with `failure` saying why in Japanese, as the window speaks.
std::optional<std::string> WritePreviewBeside(FileSystem& fs, const WindowSettings& settings,
                                              Text& failure);

}  // namespace gdf::app
