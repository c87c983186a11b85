// host_paths.h - Paths of this computer as a person types them, and the drive paths the run
// takes for them: "./out/B-1" becomes "Z:\srv\work\out\B-1" through the drive map.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

/// Expands a leading "~/" to the home folder.
std::string ExpandHome(const std::string& path);

/// Whether a path text as typed on the command line is a path of this computer, as every Windows
/// program reads one: a text that holds no ":" and does not begin with "\" ("data\B-1.gdf",
/// "OUT\B-1", "out/Z", "B-1.gdf", "/srv/work", "~/x"), absolute or from the current folder. A text
/// that holds ":" or begins with "\" ("D:\WORK", "\WORK") is the run's own, taken as it stands,
/// as the window's text box would take it.
bool IsHostPathText(const std::string& text);

/// The run's text for a path typed by the user: a host path becomes a drive path; any other text
/// is taken as it stands. Nothing when no drive holds the host path.
std::optional<Text> RunPathText(const std::string& typed, const FileSystem& fs);

/// A host path (UTF-8) as the standard library's path, so that names outside the ANSI code page
/// survive on Windows; and back.
std::filesystem::path HostPathOf(const std::string& utf8);
std::string HostPathText(const std::filesystem::path& path);

}  // namespace gdf
