// process.h - Running a program as a child process and taking what it printed and its exit
// status, on POSIX (fork and exec) and on Windows (CreateProcessW with pipes).
#pragma once

#include <string>
#include <vector>

namespace gdf::test {

/// What a run of a program gave.
struct ProcessResult {
  int exitCode = -1;  ///< the exit status; 128 + the signal when a signal ended it (POSIX)
  std::string out;    ///< standard output, as written
  std::string err;    ///< standard error, as written
};

/// Limits a child runs under. Only POSIX has them; Windows tests play the same faults through a
/// faulty file system instead.
struct ProcessLimits {
  /// With 0 or more, no file the child writes may grow beyond that many bytes (RLIMIT_FSIZE,
  /// SIGXFSZ ignored, so that writes fail as on a full disk).
  long fileSizeLimit = -1;
  /// With 0 or more, a child of root runs as that user and group id, so that permission bits
  /// hold for it.
  int user = -1;
  /// With 0 or more, the child is killed with SIGKILL that many microseconds after it started,
  /// unless it has ended by then.
  long killAfterMicroseconds = -1;
  /// The child's current folder (UTF-8); empty: the test's own.
  std::string folder;
};

/// Whether this system can apply ProcessLimits.
bool ProcessLimitsSupported();

/// Runs `program` (a path) with `args` (UTF-8), standard input from `input` (not a terminal),
/// and waits for it. Throws std::runtime_error when the program cannot be started, and
/// std::logic_error for limits this system does not have.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const ProcessLimits& limits = {});

}  // namespace gdf::test
