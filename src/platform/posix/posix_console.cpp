// posix_console.cpp - The terminal of a POSIX host: UTF-8 goes out as it is.
#include <unistd.h>

#include "platform/console.h"

namespace gdf {

bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) != 0; }
bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

void PrepareStandardStreams() {}

}  // namespace gdf
