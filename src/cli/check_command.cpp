// check_command.cpp - `gdfconv check`: reads source data files as a run would and lists their
// sections and problems, writing nothing.
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "frontend/command_line.h"
#include "frontend/host_settings.h"
#include "messages/json_writer.h"
#include "platform/host_file_system.h"
#include "run/report_json.h"
#include "run/source_check.h"

namespace gdf::cli {
namespace {

// The words of its help text (in the catalogue) that differ between hosts.
constexpr support::HostWords kCheckWords[] = {
    {"@PATHS@", MessageId::kHelpCheckPathsPosix, MessageId::kHelpCheckPathsWindows},
    {"@EXAMPLES@", MessageId::kHelpCheckExamplesPosix, MessageId::kHelpCheckExamplesWindows},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv check", why, language);
}

std::string CountShown(const SectionFound& section) {
  std::ostringstream out;
  out << section.count;
  return out.str();
}

std::string Counted(MessageId id, std::size_t a, int b, int c, Language language) {
  return support::Said(Say(id, {Count(static_cast<std::int64_t>(a)), Count(b), Count(c)}),
                       language);
}

void PrintCheck(std::ostream& out, const std::string& label, const SourceCheck& check,
                Language language) {
  out << label << ": "
      << Counted(MessageId::kCheckSummary, check.sections.size(), check.Errors(), check.Warnings(),
                 language)
      << "\n";
  if (!check.sections.empty()) {
    out << support::Said(Say(MessageId::kCheckColumns), language) << "\n";
    for (const SectionFound& section : check.sections) {
      out << "  " << std::left << std::setw(4) << section.tag << std::right << std::setw(6)
          << section.line << std::setw(9) << CountShown(section) << std::setw(9) << section.present
          << " " << support::Said(Say(section.unitWord), language);
      if (!section.converted) out << support::Said(Say(MessageId::kCheckNotConverted), language);
      out << "\n";
    }
  }
  const std::string error = support::Said(Say(MessageId::kCheckError), language);
  const std::string warning = support::Said(Say(MessageId::kCheckWarning), language);
  for (const SourceProblem& problem : check.problems) {
    out << label;
    if (problem.line > 0) out << ":" << problem.line;
    out << ": " << (problem.severity == Severity::kError ? error : warning) << ": ";
    if (!problem.section.empty()) out << problem.section << ": ";
    out << ToUtf8(RenderSentences(problem.message, language)) << "\n";
  }
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, CheckOptions().options, Operands::kTaken, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(MessageId::kHelpCheck, kCheckWords,
                                          LanguageOfArguments(args));
    return kExitConverted;
  }
  const std::string format = line->Value("--format").value_or("text");
  const std::vector<std::string>& sources = line->operands;
  if (sources.empty()) return Usage(Say(MessageId::kUsageSomeSource), language);
  CompleteHostSettings(line->host);
  HostFileSystem fs(line->host.fileSystem);

  std::string json;
  JsonWriter writer(json);
  if (format == "json") {
    writer.BeginObject();
    writer.Key("files");
    writer.BeginArray();
  }
  int errors = 0;
  int warnings = 0;
  for (std::size_t n = 0; n < sources.size(); ++n) {
    const std::string& source = sources[n];
    const auto path = RunPathText(source, fs);
    SourceCheck check;
    if (path) {
      check = CheckSourceFile(fs, *path);
    } else {
      check.file = FromUtf8(source);
      check.readable = false;
      check.problems.push_back(
          {Severity::kError, 0, {}, {Say(MessageId::kNoDriveHolds, {FromUtf8(source)})}, false});
    }
    errors += check.Errors();
    warnings += check.Warnings();
    if (format == "json") {
      WriteSourceCheckJson(writer, check, FromUtf8(source), language);
    } else {
      if (n > 0) std::cout << "\n";
      PrintCheck(std::cout, source, check, language);
    }
  }
  if (format == "json") {
    writer.EndArray();
    writer.Member("errors", errors);
    writer.Member("warnings", warnings);
    writer.EndObject();
    std::cout << json;
  } else if (sources.size() > 1) {
    std::cout << "\n"
              << Counted(MessageId::kCheckFilesSummary, sources.size(), errors, warnings, language)
              << "\n";
  }
  return errors > 0 ? kExitProblemsFound : kExitConverted;
}

}  // namespace gdf::cli
