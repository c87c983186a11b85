// drive_path.h - Drive paths as text: the separators, the names below a drive's root with "."
// and ".." taken away as Windows takes them, and the path put back together. Both file systems
// of the platform layer resolve paths through these.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "text/letter_case.h"
#include "text/text.h"

namespace gdf::drive_path {

/// "\" or "/": Windows takes either between names.
inline bool IsSeparator(char16_t ch) { return ch == u'\\' || ch == u'/'; }

/// The names below a drive's root, "." and ".." resolved, trailing blanks and dots dropped.
std::vector<Text> SplitParts(TextView below);

/// "X:\name\name": the drive and the names below its root.
Text Join(char16_t drive, const std::vector<Text>& parts);

/// What a file system knows to make a path absolute: its current drive, whether a letter is a
/// drive, and a drive's current folder below its root ("" or "\WORK").
struct Whereabouts {
  char16_t currentDrive;
  std::function<bool(char16_t)> isDrive;
  std::function<Text(char16_t)> currentBelow;
};

/// The absolute drive path ("X:\name\name") of a path as a user types it, taken from the current
/// drive and that drive's current folder as Windows takes it; nothing for a network path, a
/// letter that is no drive, or an empty text.
std::optional<Text> Absolute(TextView raw, const Whereabouts& where);

}  // namespace gdf::drive_path
