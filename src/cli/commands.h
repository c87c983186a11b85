// commands.h - The subcommands of the command line.
#pragma once

#include <string>
#include <vector>

namespace gdf::cli {

/// Exit statuses shared by every subcommand.
enum ExitStatus : int {
  kExitConverted = 0,
  kExitRefused = 1,
  kExitUsage = 2,
  kExitFailed = 3,
  kExitProblemsFound = 1,  ///< check: some file has an error
};

/// `gdfconv convert [options] SOURCE TARGET`.
int RunConvertCommand(const std::vector<std::string>& args);

/// `gdfconv check [options] SOURCE...`.
int RunCheckCommand(const std::vector<std::string>& args);

/// `gdfconv batch [options] --target-root DIR SOURCE...` or `... --list FILE`.
int RunBatchCommand(const std::vector<std::string>& args);

/// `gdfconv preview [options] SOURCE -o FILE.svg`.
int RunPreviewCommand(const std::vector<std::string>& args);

}  // namespace gdf::cli
