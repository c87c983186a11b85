// utility_library.h - Our own counterparts of the four small services that the system takes
// from its utility library: the system directory, right trimming, occurrence counting and the
// size of a file. They keep the contract the callers rely on and nothing more.
#pragma once

#include <cstdint>
#include <string>

#include "text/text.h"

namespace gdf {

class FileSystem;

/// The folder that stands for the system directory (`hostFolder`, configured by the front
/// end) in drive form; empty when no drive holds it. Callers apply `QPRTrim` to it.
Text SysDir(const FileSystem& fs, const std::string& hostFolder);

/// The text without its trailing blanks and NULs.
Text QPRTrim(TextView text);

/// Number of non-overlapping occurrences of `what` in `text`, counted in whole characters; 0
/// for an empty `what`.
std::int32_t InCount(TextView text, TextView what);

/// Size of the named file in bytes; 0 or less when it is absent or empty.
std::int64_t FileSize(const FileSystem& fs, TextView path);

}  // namespace gdf
