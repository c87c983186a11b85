// drive_path.h - Drive paths as text: the separators, the names below a drive's root with "."
// and ".." taken away as Windows takes them, and the path put back together. Both file systems
// of the platform layer resolve paths through these.
#pragma once

#include <vector>

#include "common/text.h"

namespace gdf::drive_path {

/// "\" or "/": Windows takes either between names.
inline bool IsSeparator(char16_t ch) { return ch == u'\\' || ch == u'/'; }

/// The names below a drive's root, "." and ".." resolved, trailing blanks and dots dropped.
std::vector<Text> SplitParts(TextView below);

/// "X:\name\name": the drive and the names below its root.
Text Join(char16_t drive, const std::vector<Text>& parts);

}  // namespace gdf::drive_path
