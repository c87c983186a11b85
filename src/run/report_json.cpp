// report_json.cpp - The run's report written as JSON.
#include "run/report_json.h"

namespace gdf {
namespace {

const char* ActionName(PlannedAction action) {
  switch (action) {
    case PlannedAction::kCreated:
      return "created";
    case PlannedAction::kReplaced:
      return "replaced";
    case PlannedAction::kGrows:
      return "grows";
    case PlannedAction::kDeleted:
      return "deleted";
    case PlannedAction::kLeftAlone:
      return "leftAlone";
  }
  return "leftAlone";
}

const char* RoleName(FolderRole role) {
  switch (role) {
    case FolderRole::kTarget:
      return "target";
    case FolderRole::kPatternData:
      return "patternData";
    case FolderRole::kProgram:
      return "program";
    case FolderRole::kOther:
      return "other";
  }
  return "other";
}

const char* ChangeName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::kCreated:
    case ChangeKind::kFolderCreated:
      return "created";
    case ChangeKind::kReplaced:
      return "replaced";
    case ChangeKind::kAppended:
      return "grows";
    case ChangeKind::kDeleted:
      break;
  }
  return "deleted";
}

void WriteAddedLine(JsonWriter& json, const AddedTableLine& line) {
  json.BeginObject();
  json.Member("table", line.table);
  json.Member("code", line.code);
  json.Member("name", line.name);
  json.EndObject();
}

void WritePlan(JsonWriter& json, const DryRunResult& dryRun) {
  json.MemberBool("folderQuestionAsked", dryRun.folderQuestionAsked);
  json.Key("patternFolderLock");
  json.Utf8String(dryRun.folderLock == DryRunLock::kShared       ? "shared"
                  : dryRun.folderLock == DryRunLock::kNoLockFile ? "no lock file"
                                                                 : "not taken");
  json.Key("folders");
  json.BeginArray();
  for (const PlannedFolder& folder : dryRun.folders) {
    json.BeginObject();
    json.Member("path", folder.path);
    json.Key("role");
    json.Utf8String(RoleName(folder.role));
    json.MemberBool("created", folder.created);
    json.Key("files");
    json.BeginArray();
    for (const PlannedFile& file : folder.files) {
      json.BeginObject();
      json.Member("name", file.name);
      json.Key("action");
      json.Utf8String(ActionName(file.action));
      json.Member("lines", file.lines);
      json.Member("bytes", file.bytes);
      json.Member("linesBefore", file.linesBefore);
      if (file.action == PlannedAction::kReplaced) json.MemberBool("sameContent", file.sameContent);
      if (!file.added.empty()) {
        json.Key("added");
        json.BeginArray();
        for (const AddedTableLine& line : file.added) WriteAddedLine(json, line);
        json.EndArray();
      }
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

const char* FailureKindName(FailureKind kind) {
  switch (kind) {
    case FailureKind::kReadPastEnd:
      return "readPastEnd";
    case FailureKind::kIntoNextSection:
      return "intoNextSection";
    case FailureKind::kInvalidEncoding:
      return "invalidEncoding";
    case FailureKind::kOverflow:
      return "overflow";
    case FailureKind::kCannotOpen:
      return "cannotOpen";
    case FailureKind::kCannotWrite:
      return "cannotWrite";
    case FailureKind::kBadValue:
      return "badValue";
    case FailureKind::kTableFull:
      return "tableFull";
    case FailureKind::kLocked:
      return "locked";
    case FailureKind::kSubscript:
      return "subscript";
  }
  return "unknown";
}

const char* OutcomeName(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kCompleted:
      return "completed";
    case RunOutcome::kRefused:
      return "refused";
    case RunOutcome::kFailed:
      return "failed";
  }
  return "failed";
}

void WriteRunReportJson(JsonWriter& json, const RunInputs& inputs, const RunReport& report,
                        Language language, const DryRunResult* plan, bool dryRun) {
  json.BeginObject();
  json.MemberBool("dryRun", dryRun || plan != nullptr);
  json.Key("inputs");
  json.BeginObject();
  json.Member("source", inputs.sourceText);
  json.Member("target", inputs.targetText);
  json.Member("patternFolder", inputs.patternFolder);
  json.Member("programFolder", inputs.programFolder);
  json.EndObject();
  json.Key("outcome");
  json.Utf8String(OutcomeName(report.outcome()));
  json.Key("completionText");
  if (report.outcome() == RunOutcome::kCompleted) {
    json.String(report.completionText());
  } else {
    json.Null();
  }
  json.Key("refusal");
  if (report.outcome() == RunOutcome::kRefused) {
    json.String(report.refusal()->message);
  } else {
    json.Null();
  }
  // The program's own words after the refusal: which check, where, what to do.
  json.Key("refusalExplanation");
  if (const Refusal* refusal = report.refusal()) {
    json.BeginArray();
    for (const CatalogueMessage& line : refusal->explanation) {
      json.String(Render(line, language));
    }
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("failure");
  if (const RunFailure* failed = report.failure()) {
    const RunFailure& failure = *failed;
    json.BeginObject();
    json.Key("kind");
    json.Utf8String(FailureKindName(failure.kind));
    json.Member("stage", failure.stage);
    json.Member("file", failure.file);
    json.Key("line");
    if (failure.sourceLine > 0) {
      json.Number(failure.sourceLine);
    } else {
      json.Null();
    }
    json.Member("reason", failure.Reason(language));
    json.EndObject();
  } else {
    json.Null();
  }
  json.Key("files");
  json.BeginArray();
  for (const WrittenFile& file : report.files) {
    json.BeginObject();
    json.Member("name", file.name);
    json.Member("path", file.path);
    json.Member("lines", file.lines);
    json.Member("bytes", file.bytes);
    json.EndObject();
  }
  json.EndArray();
  json.Key("added");
  json.BeginArray();
  for (const AddedTableLine& line : report.added) WriteAddedLine(json, line);
  json.EndArray();
  json.MemberBool("markerCreated", report.markerCreated);
  // Every file the run created or changed, also those of a run that stopped.
  json.Key("changed");
  json.BeginArray();
  for (const ChangedFile& file : report.changed) {
    json.BeginObject();
    json.Member("path", file.path);
    json.Key("change");
    json.Utf8String(ChangeName(file.kind));
    json.MemberBool("mayBeIncomplete", file.mayBeIncomplete);
    json.EndObject();
  }
  json.EndArray();
  json.MemberBool("heldNoSection", report.heldNoSection);
  json.Key("leftFromBefore");
  json.BeginArray();
  for (const Text& name : report.leftFromBefore) json.String(name);
  json.EndArray();
  // What a completed run says besides, in words.
  json.Key("warnings");
  json.BeginArray();
  for (const CatalogueMessage& warning : CompletionWarnings(report)) {
    json.String(Render(warning, language));
  }
  json.EndArray();
  if (plan) {
    json.Key("plan");
    json.BeginObject();
    WritePlan(json, *plan);
    json.EndObject();
  }
  json.EndObject();
}

std::string RunReportJson(const RunInputs& inputs, const RunReport& report, Language language,
                          const DryRunResult* dryRun) {
  std::string out;
  JsonWriter json(out);
  WriteRunReportJson(json, inputs, report, language, dryRun);
  return out;
}

void WriteSourceCheckJson(JsonWriter& json, const SourceCheck& check, TextView label,
                          Language language) {
  json.BeginObject();
  json.Member("file", label);
  json.Member("path", check.file);
  json.MemberBool("readable", check.readable);
  json.Member("lines", static_cast<std::int64_t>(check.lines));
  json.Member("errors", check.Errors());
  json.Member("warnings", check.Warnings());
  json.Key("sections");
  json.BeginArray();
  for (const SectionFound& section : check.sections) {
    json.BeginObject();
    json.Key("tag");
    json.Utf8String(section.tag);
    json.Member("line", section.line);
    json.Member("countText", section.countText);
    json.Key("count");
    json.Real(section.count);
    json.MemberBool("converted", section.converted);
    json.Member("present", section.present);
    json.Key("unit");
    json.Utf8String(section.unit);
    json.Member("lastLine", section.lastLine);
    json.EndObject();
  }
  json.EndArray();
  json.Key("problems");
  json.BeginArray();
  for (const SourceProblem& problem : check.problems) {
    json.BeginObject();
    json.Key("severity");
    json.Utf8String(problem.severity == Severity::kError ? "error" : "warning");
    json.Key("line");
    if (problem.line > 0) {
      json.Number(problem.line);
    } else {
      json.Null();
    }
    json.Key("section");
    if (problem.section.empty()) {
      json.Null();
    } else {
      json.Utf8String(problem.section);
    }
    json.Member("message", RenderSentences(problem.message, language));
    json.MemberBool("stopsRun", problem.stopsRun);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

std::string BatchReportJson(const RunInputs& common, const std::vector<BatchEntry>& entries,
                            bool dryRun, Language language) {
  std::string out;
  JsonWriter json(out);
  const BatchTally tally = TallyBatch(entries);
  json.BeginObject();
  json.MemberBool("dryRun", dryRun);
  json.Member("patternFolder", common.patternFolder);
  json.Member("programFolder", common.programFolder);
  json.Member("converted", static_cast<std::int64_t>(tally.converted));
  json.Member("refused", static_cast<std::int64_t>(tally.refused));
  json.Member("failed", static_cast<std::int64_t>(tally.failed));
  json.Key("runs");
  json.BeginArray();
  for (const BatchEntry& entry : entries) {
    RunInputs inputs = common;
    inputs.sourceText = entry.job.sourceText;
    inputs.targetText = entry.job.targetText;
    WriteRunReportJson(json, inputs, entry.report, language, nullptr, dryRun);
  }
  json.EndArray();
  json.EndObject();
  return out;
}

}  // namespace gdf
