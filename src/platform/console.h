// console.h - The terminal (a console on Windows) that the command line talks on.
//
// posix/posix_console.cpp and windows/windows_console.cpp implement these; the build takes one.
#pragma once

namespace gdf {

/// Whether standard input is a terminal (a console on Windows) that a person can answer on.
bool StandardInputIsTerminal();
/// Whether standard error goes to a terminal (a console on Windows).
bool StandardErrorIsTerminal();

/// Whether the program has a console of its own that closes when it ends: on Windows, a console
/// program started from Explorer (no other process shares its console) whose input is that
/// console. Never on POSIX.
bool ConsoleClosesAtExit();
/// Waits until a key is pressed on the console.
void WaitForKey();

/// Makes std::cout and std::cerr show UTF-8 text as it is meant: on a Windows console they write
/// through the console's wide API, whatever its code page; elsewhere (POSIX, or a file or pipe)
/// the bytes go out as they are.
void PrepareStandardStreams();

}  // namespace gdf
