// command_options.cpp - The option tables of the commands and the windows.
#include "frontend/command_options.h"

namespace gdf {
namespace {

// "text" or "json", as --format takes it.
bool IsFormat(const std::string& value) { return value == "text" || value == "json"; }

// A date as --since takes it: YYYY-MM-DD.
bool IsDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

// A scale as --scale takes it: 1:100 or 1:200.
bool IsScale(const std::string& value) { return value == "1:100" || value == "1:200"; }

OptionRule FormatOption() {
  return Valued("--format")
      .Missing(Say(MessageId::kUsageFormat))
      .Checked(IsFormat, Say(MessageId::kUsageFormat));
}

// An option whose value names a file to write.
OptionRule FileNameOption(const char* name) {
  return Valued(name).Missing(Say(MessageId::kUsageNeedsFileName, {FromUtf8(name)}));
}

}  // namespace

OptionRule LanguageOption() {
  return Valued("--lang")
      .Missing(Say(MessageId::kUsageLanguage))
      .Checked([](const std::string& value) { return value == "ja" || value == "en"; },
               Say(MessageId::kUsageLanguage));
}

const CommandOptions& ConvertOptions() {
  static const CommandOptions command{
      "gdfconv convert",
      {Switch("--yes", "-y"), Switch("--quiet", "-q"), Switch("--dry-run", "-n"),
       FileNameOption("--report"), FileNameOption("--preview"), LockWaitOption(),
       Valued("--pattern-dir"), LanguageOption()},
      {"--drive", "--system-dir", "--program-dir"},
      {MessageId::kHelpConvert}};
  return command;
}

const CommandOptions& CheckOptions() {
  static const CommandOptions command{
      "gdfconv check", {FormatOption(), LanguageOption()}, {"--drive"}, {MessageId::kHelpCheck}};
  return command;
}

const CommandOptions& PreviewOptions() {
  static const CommandOptions command{"gdfconv preview",
                                      {Valued("--pattern-dir"), Valued("--output"),
                                       Valued("-o").Into("--output"), Valued("--target"),
                                       Valued("--scale")
                                           .Missing(Say(MessageId::kUsageScale))
                                           .Checked(IsScale, Say(MessageId::kUsageScale)),
                                       LanguageOption()},
                                      {"--drive", "--system-dir", "--program-dir"},
                                      {MessageId::kHelpPreview}};
  return command;
}

const CommandOptions& BatchOptions() {
  static const CommandOptions command{
      "gdfconv batch",
      {Valued("--pattern-dir"), Valued("--target-root"), Valued("--list"), Valued("--report"),
       Valued("--preview-dir"), LockWaitOption(), Switch("--yes", "-y"), Switch("--quiet", "-q"),
       Switch("--dry-run", "-n"), LanguageOption()},
      {"--drive", "--system-dir", "--program-dir"},
      {MessageId::kHelpBatch}};
  return command;
}

const CommandOptions& TablesOptions() {
  static const CommandOptions command{"gdfconv tables",
                                      {Valued("--pattern-dir"), FormatOption(), Switch("--log"),
                                       Valued("--since")
                                           .Missing(Say(MessageId::kUsageSince))
                                           .Checked(IsDate, Say(MessageId::kUsageSince)),
                                       LanguageOption()},
                                      {"--drive", "--system-dir"},
                                      {MessageId::kHelpTables}};
  return command;
}

const CommandOptions& WindowOptions() {
  static const CommandOptions command{
      "gdfconv-gui",
      {Valued("--pattern-dir"), LockWaitOption(), Switch("--preview")},
      {"--drive", "--system-dir", "--program-dir"},
      {MessageId::kHelpWindowPosix, MessageId::kHelpWindowWindows}};
  return command;
}

std::vector<const CommandOptions*> EveryCommand() {
  return {&ConvertOptions(), &CheckOptions(),  &PreviewOptions(),
          &BatchOptions(),   &TablesOptions(), &WindowOptions()};
}

}  // namespace gdf
