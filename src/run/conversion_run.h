// conversion_run.h - The conversion run: from the two paths to the completion text.
#pragma once

#include "common/front_end.h"
#include "common/platform.h"
#include "common/text.h"
#include "run/report.h"

namespace gdf {

/// What a run starts from.
struct RunInputs {
  Text sourceText;                   ///< the text of `Text1`: the source data file path
  Text targetText;                   ///< the text of `Text2`: the target folder path
  Text patternFolder;                ///< `PatternFolder`, ending with "\"
  Text programFolder;                ///< the program's own folder, ending with "\"
  int lockWaitMilliseconds = 30000;  ///< how long to wait for another run on the same tables
};

/// Runs one conversion: the checks, then the header stage and every section in order. Talks
/// to the user only through `ui`; returns what it did.
RunReport RunConversion(const RunInputs& inputs, FileSystem& fs, FrontEnd& ui);

/// A failure in plain words over several lines: stage, file, line and reason.
Text DescribeFailure(const RunFailure& failure);

/// Why a run did not complete, in one line (empty when it did): the refusal's message (for a
/// declined folder question, that the folder does not exist), or the stage, line and reason of
/// the failure.
Text OutcomeReason(const RunReport& report);

}  // namespace gdf
