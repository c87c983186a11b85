// path_validation.h - Whether a target folder path is acceptable, and its normal form.
#pragma once

#include <vector>

#include "messages/message_catalogue.h"
#include "text/text.h"

namespace gdf {

class FileSystem;
class FrontEnd;

/// The rule that a refused path broke.
enum class PathRule {
  kAccepted,          ///< no rule broken
  kNoDrive,           ///< it does not begin with a drive letter and ":"
  kWildcard,          ///< it holds "*" or "?"
  kBlank,             ///< it holds a blank
  kDriveNotMapped,    ///< its drive letter names no drive
  kDriveNotReady,     ///< its drive is there but cannot be read
  kDoubledSeparator,  ///< it holds "\\"
  kLongBeforeDot,     ///< a name with more than eight characters before its dot
  kLongAfterDot,      ///< a name with more than three bytes after its dot
  kSecondDot,         ///< a name with a second dot
};

/// Why a path was refused: the rule and where in the path.
struct PathVerdict {
  PathRule rule = PathRule::kAccepted;  ///< the rule broken
  Text where;  ///< the name that broke it, the path up to a doubled "\", the wildcard or the
               ///< drive letter
};

/// Checks a target folder path and rewrites it in place: trimmed, "\" after the drive, "\" at
/// the end. Only a path without a drive letter and colon is reported (a message through `ui`);
/// every other refusal is silent. Makes the path's drive the current drive. `verdict`, when
/// given, receives the rule broken.
bool ValidatePath(Text& path, FileSystem& fs, FrontEnd& ui, PathVerdict* verdict = nullptr);

/// The verdict in words: which rule the path broke and where, and, for the rules that a
/// shorter folder name would keep, what to do.
std::vector<CatalogueMessage> ExplainPathVerdict(const PathVerdict& verdict);

}  // namespace gdf
