// posix_folder_lock.h - What the POSIX folder lock reads of the mounts: whether a mount keeps its
// byte-range locks from the file server.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gdf {

/// Why the mount that holds `hostPath` keeps byte-range locks to this computer alone (a CIFS
/// mount with "nobrl", an NFS mount with "local_lock=posix" or "all"), read from the text of
/// /proc/self/mountinfo; nothing when the locks reach the file server, or the mount is local.
std::optional<std::string> MountWithLocalLocksOnly(std::string_view mountInfo,
                                                   const std::string& hostPath);

}  // namespace gdf
