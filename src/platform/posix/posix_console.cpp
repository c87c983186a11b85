// posix_console.cpp - The terminal of a POSIX host: UTF-8 goes out as it is.
#include <unistd.h>

#include "platform/console.h"

namespace gdf {

bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) != 0; }
bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

// A terminal stays open after the program.
bool ConsoleClosesAtExit() { return false; }
void WaitForKey() {}

void PrepareStandardStreams() {}

}  // namespace gdf
