// check_command.cpp - `gdfconv check`: reads source data files as a run would and lists their
// sections and problems, writing nothing.
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/command_line.h"
#include "common/host_settings.h"
#include "common/json_writer.h"
#include "run/report_json.h"
#include "run/source_check.h"

namespace gdf::cli {
namespace {

constexpr const char kCheckHelp[] = R"(Usage: gdfconv check [options] SOURCE...

Reads each source data file as a conversion run would read it and writes nothing. Lists every
section found (its tag, the line of its tag line, its count and what actually stands there)
and every problem with its line and severity:

  error    the run would stop there (a count that promises more records than the file holds,
           bytes that are not code page 932, a date without "/", a count beyond 32 767, a
           value that the tables cannot hold), or it would read another section's tag line as
           records
  warning  the run goes on, but probably not as meant: lines before, between or after the
           sections that no search reaches, a second tag line of a section, a "～" with no
           entry to extend, a "$O" series out of ascending depth, depths that are not numbers,
           a "$K" record without text, names that the tables will hold in double quotes

@PATHS@

Options:
  --format text|json  the form of the output (default text)
  --lang ja|en        the language of the findings (default: Japanese when the first of
                      LC_ALL, LC_MESSAGES and LANG that is set begins with "ja")
  --drive X=DIR       @DRIVE@
  --help              show this text

Exit status:
  0  no file has an error (warnings allowed)
  1  some file has an error, or cannot be read
  2  usage error

Examples:
@EXAMPLES@)";

constexpr support::HostWords kCheckWords[] = {
    {"@PATHS@",
     "SOURCE is a host path (beginning with /, ./, ../ or ~/) or a drive path through the drive "
     "map.",
     "SOURCE is a Windows path; one that begins with \".\\\" or \"..\\\" is taken from the current "
     "folder."},
    {"@EXAMPLES@",
     "  gdfconv check ./B-1.gdf\n"
     "  gdfconv check --format json data/*.gdf > check.json\n"
     "  gdfconv check --drive D=/srv/borings 'D:\\2003\\B-1.gdf'\n",
     "  gdfconv check D:\\2003\\B-1.gdf\n"
     "  gdfconv check --format json .\\B-1.gdf .\\B-2.gdf > check.json\n"},
};

int Usage(const std::string& why) {
  std::cerr << "gdfconv check: " << why << "\n(see gdfconv check --help)\n";
  return kExitUsage;
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
          << " " << support::Said(FromAscii(section.unit), language);
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
  const std::vector<OptionRule> options = {
      Valued("--format")
          .Missing("--format needs text or json")
          .Checked([](const std::string& value) { return value == "text" || value == "json"; },
                   "--format needs text or json"),
      support::LanguageOption(),
  };
  std::string error;
  auto line = ParseCommandLine(args, options, Operands::kTaken, error);
  if (!line) return Usage(error);
  if (line->help) {
    std::cout << support::HelpForThisHost(kCheckHelp, kCheckWords);
    return kExitConverted;
  }
  const std::string format = line->Value("--format").value_or("text");
  const Language language = support::LanguageOf(*line);
  const std::vector<std::string>& sources = line->operands;
  if (sources.empty()) return Usage("expected at least one SOURCE");
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
