// tables_command.cpp - `gdfconv tables`: the health of a pattern-data folder, and the log of who
// added what to its tables.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "frontend/command_line.h"
#include "frontend/host_settings.h"
#include "messages/json_writer.h"
#include "platform/host_file_system.h"
#include "tables/table_health.h"

namespace gdf::cli {
namespace {

constexpr support::HostWords kTablesWords[] = {
    {"@EXAMPLES@", MessageId::kHelpTablesExamplesPosix, MessageId::kHelpTablesExamplesWindows},
};

int Usage(const CatalogueMessage& why, Language language) {
  return support::UsageError("gdfconv tables", why, language);
}

void WriteAddition(JsonWriter& json, const LoggedAddition& line) {
  json.BeginObject();
  json.Member("time", line.time);
  json.Member("computer", line.computer);
  json.Member("user", line.user);
  json.Member("source", line.source);
  json.Member("table", line.table);
  json.Member("code", line.code);
  json.Member("name", line.name);
  json.Member("logLine", line.line);
  json.EndObject();
}

int PrintLog(const TableHealth& health, const std::optional<std::string>& since, bool asJson,
             Language language) {
  std::vector<const LoggedAddition*> shown;
  for (const LoggedAddition& line : health.log) {
    if (!since || ToUtf8(line.time.substr(0, 10)) >= *since) shown.push_back(&line);
  }
  if (asJson) {
    std::string text;
    JsonWriter json(text);
    json.BeginObject();
    json.Member("folder", health.folder);
    json.Key("additions");
    json.BeginArray();
    for (const LoggedAddition* line : shown) WriteAddition(json, *line);
    json.EndArray();
    json.EndObject();
    std::cout << text;
    return kExitConverted;
  }
  if (shown.empty()) {
    std::cout << support::Said(Say(MessageId::kTablesLogEmpty), language) << "\n";
    return kExitConverted;
  }
  for (const LoggedAddition* line : shown) {
    std::cout << ToUtf8(line->time + u"  " + line->computer + u"  " + line->user + u"  " +
                        line->source + u"  " + line->table + u"  " + line->code + u"  " +
                        line->name)
              << "\n";
  }
  std::cout << support::Said(Say(MessageId::kTablesLogCount, {Count(std::ssize(shown))}), language)
            << "\n";
  return kExitConverted;
}

std::optional<CatalogueMessage> LockText(const TableHealth& health) {
  if (!health.lockHeld) return std::nullopt;
  if (!health.holder) return Say(MessageId::kTablesLockHeldOther);
  return Say(MessageId::kTablesLockHeldBy,
             {health.holder->computer, health.holder->user, health.holder->StartedClock()});
}

void PrintHealthJson(const TableHealth& health, Language language) {
  std::string text;
  JsonWriter json(text);
  json.BeginObject();
  json.Member("folder", health.folder);
  json.MemberBool("healthy", health.Healthy());
  json.Member("tables", health.tables);
  json.Member("lines", health.lines);
  json.Key("lock");
  if (!health.lockHeld) {
    json.Null();
  } else {
    json.BeginObject();
    json.Key("holder");
    if (health.holder) {
      json.BeginObject();
      json.Member("computer", health.holder->computer);
      json.Member("user", health.holder->user);
      json.Member("processId", health.holder->processId);
      json.Member("started", health.holder->started);
      json.EndObject();
    } else {
      json.Null();
    }
    json.EndObject();
  }
  json.Key("findings");
  json.BeginArray();
  for (const TableFinding& finding : health.findings) {
    json.BeginObject();
    json.Member("table", finding.table);
    json.Member("line", finding.line);
    json.Key("fault");
    json.Utf8String(FaultName(finding.fault));
    json.Key("severity");
    json.Utf8String(finding.severity == TableSeverity::kFault ? "fault" : "note");
    json.Member("message", Render(DescribeFinding(finding), language));
    json.Member("whatToDo", Render(AdviceFor(finding), language));
    json.Key("addedBy");
    if (finding.addedBy) {
      WriteAddition(json, *finding.addedBy);
    } else {
      json.Null();
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  std::cout << text;
}

void PrintHealth(const TableHealth& health, Language language) {
  const auto say = [&](const CatalogueMessage& message) {
    return support::Said(message, language);
  };
  std::int64_t faults = 0;
  for (const TableFinding& finding : health.findings) {
    faults += finding.severity == TableSeverity::kFault ? 1 : 0;
  }
  std::cout << say(Say(MessageId::kTablesSummary,
                       {health.folder, Count(health.tables), Count(health.lines), Count(faults),
                        Count(std::ssize(health.findings) - faults)}))
            << "\n";
  if (const auto lock = LockText(health)) std::cout << say(*lock) << "\n";
  for (const TableFinding& finding : health.findings) {
    std::cout << ToUtf8(finding.table);
    if (finding.line > 0) std::cout << ":" << finding.line;
    std::cout << ": "
              << say(Say(finding.severity == TableSeverity::kFault ? MessageId::kTablesFault
                                                                   : MessageId::kTablesNote))
              << ": " << say(DescribeFinding(finding)) << "\n";
    if (const auto who = AddedByText(finding)) std::cout << "  " << say(*who) << "\n";
    std::cout << "  "
              << say(Say(MessageId::kTablesWhatToDo, {Render(AdviceFor(finding), language)}))
              << "\n";
  }
  if (health.Healthy()) std::cout << say(Say(MessageId::kTablesHealthy)) << "\n";
}

}  // namespace

int RunTablesCommand(const std::vector<std::string>& args) {
  const Language language = LanguageOfArguments(args);
  CatalogueMessage error;
  auto line = ParseCommandLine(args, TablesOptions().options, Operands::kRefused, error);
  if (!line) return Usage(error, language);
  if (line->help) {
    std::cout << support::HelpForThisHost(MessageId::kHelpTables, kTablesWords, language);
    return kExitConverted;
  }
  HostSettings& host = line->host;
  CompleteHostSettings(host);
  HostFileSystem fs(host.fileSystem);
  const auto folder =
      support::ResolvePatternFolder(line->Value("--pattern-dir"), fs, host, language);
  if (!folder) return kExitRefused;
  const bool asJson = line->Value("--format").value_or("text") == "json";
  const TableHealth health = CheckTableHealth(fs, *folder);
  if (line->Has("--log")) return PrintLog(health, line->Value("--since"), asJson, language);
  if (asJson) {
    PrintHealthJson(health, language);
  } else {
    PrintHealth(health, language);
  }
  return health.Healthy() ? kExitConverted : kExitProblemsFound;
}

}  // namespace gdf::cli
