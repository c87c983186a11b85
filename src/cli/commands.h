// commands.h - The subcommands of the command line.
#pragma once

#include <string>
#include <vector>

#include "run/batch_run.h"
#include "run/report.h"

namespace gdf::cli {

/// Exit statuses shared by every subcommand.
enum ExitStatus : int {
  kExitConverted = 0,
  kExitRefused = 1,
  kExitUsage = 2,
  kExitFailed = 3,
  kExitProblemsFound = 1,  ///< check: some file has an error
};

/// The exit status of a run that ended so.
int ExitStatusOf(RunOutcome outcome);

/// The exit status of a batch: failed when some run failed, else refused when some run was
/// refused, else converted.
int ExitStatusOf(const BatchTally& tally);

/// `gdfconv convert [options] SOURCE TARGET`.
int RunConvertCommand(const std::vector<std::string>& args);

/// `gdfconv check [options] SOURCE...`.
int RunCheckCommand(const std::vector<std::string>& args);

/// `gdfconv batch [options] --target-root DIR SOURCE...` or `... --list FILE`.
int RunBatchCommand(const std::vector<std::string>& args);

/// `gdfconv preview [options] SOURCE -o FILE.svg`.
int RunPreviewCommand(const std::vector<std::string>& args);

/// `gdfconv tables [options]`: the health of a pattern-data folder, or with --log its additions.
int RunTablesCommand(const std::vector<std::string>& args);

}  // namespace gdf::cli
