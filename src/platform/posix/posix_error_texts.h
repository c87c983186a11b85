// posix_error_texts.h - What a failed POSIX call says: the kind of failure for the messages, with
// the C library's code and words for the details.
#pragma once

#include <cerrno>

#include "platform/file_error.h"

namespace gdf {

/// The failure that the error number `code` stands for.
FileError ErrnoError(int code = errno);

}  // namespace gdf
