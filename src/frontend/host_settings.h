// host_settings.h - How a front end places the system on this host: the drive map, the folder
// that stands for the system directory, and the program's own folder. The command line and the
// window take the same options for them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/host_paths.h"

namespace gdf {

struct HostSettings {
  FileSystemSettings fileSystem;  ///< the drive map
  /// Host folder of the settings file: --system-dir, else the first of the default places
  /// (SystemFolderCandidates) that holds the file, else the last of them.
  std::string systemDir;
  /// The places looked in for the settings file when no --system-dir was given.
  std::vector<std::string> systemDirsLooked;
  std::string programDir;  ///< host folder of the program (PATADD.txt)
};

/// Takes one host option at `args[i]` ("--drive X=DIR", "--system-dir DIR", "--program-dir DIR",
/// also in the "--name=value" form), advancing `i` past its value. Returns false when
/// `args[i]` is not such an option; sets `error` (the usage error) when it is one but malformed.
bool TakeHostOption(const std::vector<std::string>& args, std::size_t& i, HostSettings& settings,
                    std::optional<CatalogueMessage>& error);

/// Fills in the defaults left open: the program folder of the executable, and the system folder
/// (the first default place that holds the settings file).
void CompleteHostSettings(HostSettings& settings);

/// The program's folder in drive form, ending with "\" (empty when no drive holds it), as every
/// front end hands it to the run for PATADD.txt.
Text ProgramFolderText(const FileSystem& fs, const HostSettings& settings);

}  // namespace gdf
