// report_json.h - The report of a run as JSON, for scripts: its inputs, every file written with
// its size and line count, every table line added, and how it ended (the completion text, the
// message that refused it, or the failure with its stage, file and source line).
#pragma once

#include <string>
#include <vector>

#include "messages/json_writer.h"
#include "run/batch_run.h"
#include "run/conversion_run.h"
#include "run/dry_run.h"
#include "run/report.h"
#include "run/source_check.h"

namespace gdf {

/// The name of a failure kind in reports ("readPastEnd").
const char* FailureKindName(FailureKind kind);
/// The name of an outcome in reports ("completed", "refused", "failed").
const char* OutcomeName(RunOutcome outcome);

/// Writes one run as a JSON object: inputs, outcome, files, table lines; the program's own words
/// (a refusal's explanation, a failure's reason) in `language`. With `plan` (a dry run) it adds
/// what the run would do to each folder; `dryRun` marks a run of a batch done dry.
void WriteRunReportJson(JsonWriter& json, const RunInputs& inputs, const RunReport& report,
                        Language language, const DryRunResult* plan = nullptr, bool dryRun = false);

/// The whole report document of one run.
std::string RunReportJson(const RunInputs& inputs, const RunReport& report, Language language,
                          const DryRunResult* dryRun = nullptr);

/// Writes the check of one source data file as a JSON object; `label` names the file as the user
/// gave it, the messages are in `language`.
void WriteSourceCheckJson(JsonWriter& json, const SourceCheck& check, TextView label,
                          Language language);

/// The report document of a batch: its tally, then every run as RunReportJson writes it.
std::string BatchReportJson(const RunInputs& common, const std::vector<BatchEntry>& entries,
                            bool dryRun, Language language);

}  // namespace gdf
