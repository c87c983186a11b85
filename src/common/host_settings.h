// host_settings.h - How a front end places the system on this host: the drive map, the folder
// that stands for the system directory, and the program's own folder. The command line and the
// window take the same options for them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"

namespace gdf {

/// The default folder that stands for the system directory: machine-wide configuration.
inline constexpr const char kDefaultSystemDir[] = "/etc/gdfconv";

struct HostSettings {
  PosixSettings fileSystem;                   ///< the drive map
  std::string systemDir = kDefaultSystemDir;  ///< host folder of the settings file
  std::string programDir;                     ///< host folder of the program (PATADD.txt)
};

/// Takes one host option at `args[i]` ("--drive X=DIR", "--system-dir DIR", "--program-dir DIR",
/// also in the "--name=value" form), advancing `i` past its value. Returns false when
/// `args[i]` is not such an option; sets `error` when it is one but malformed.
bool TakeHostOption(const std::vector<std::string>& args, std::size_t& i, HostSettings& settings,
                    std::string& error);

/// Fills in the defaults left open (the program folder of the executable).
void CompleteHostSettings(HostSettings& settings);

/// Expands a leading "~/" to the home folder.
std::string ExpandHome(const std::string& path);

/// Whether a path text is a host path: it begins with "/", "./", "../" or "~/".
bool IsHostPathText(const std::string& text);

/// The run's text for a path typed by the user: a host path becomes a drive path; any other text
/// is taken as it stands. Nothing when no drive holds the host path.
std::optional<Text> RunPathText(const std::string& typed, const FileSystem& fs);

}  // namespace gdf
