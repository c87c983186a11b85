// windows_error_texts.h - What a failed call of the Windows API says, for the error texts of
// the run.
#pragma once

#include <windows.h>

#include <string>

#include "text/text.h"

namespace gdf {

/// What the error `code` means, in words.
std::string ErrorText(DWORD code);
/// What the last error of this thread means.
std::string LastErrorText();
/// The reason for the last error on a path that was to be created or written: a path that cannot
/// be reached because one of its folders is a file says so, as on POSIX.
std::string PathErrorText(const Text& longPath);

}  // namespace gdf
