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
};

/// `gdfconv convert [options] SOURCE TARGET`.
int RunConvertCommand(const std::vector<std::string>& args);

}  // namespace gdf::cli
