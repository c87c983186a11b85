// path_validation.h - Whether a target folder path is acceptable, and its normal form.
#pragma once

#include "common/text.h"

namespace gdf {

class FileSystem;
class FrontEnd;

/// Checks a target folder path and rewrites it in place: trimmed, "\" after the drive, "\" at
/// the end. Only a path without a drive letter and colon is reported (a message through `ui`);
/// every other refusal is silent. Makes the path's drive the current drive.
bool ValidatePath(Text& path, FileSystem& fs, FrontEnd& ui);

}  // namespace gdf
