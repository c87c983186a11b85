// windows_error_texts.h - What a failed call of the Windows API says: the kind of failure for the
// messages, with Windows' code and words for the details.
#pragma once

#include <windows.h>

#include "platform/file_error.h"
#include "text/text.h"

namespace gdf {

/// The failure that the error `code` stands for.
FileError WindowsError(DWORD code);
/// The failure of the last call on this thread.
FileError LastWindowsError();
/// The failure of the last call on a path that was to be created or written: a path that cannot
/// be reached because one of its folders is a file says so, as on POSIX.
FileError PathError(const Text& longPath);

}  // namespace gdf
