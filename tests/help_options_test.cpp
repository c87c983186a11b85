// help_options_test.cpp - Show that each command's help names, in both languages, every option
// the command takes (its table, the host options it puts to use, --help), and no option that
// the command does not take; and that every command reads its arguments against its table.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

#include "frontend/command_options.h"
#include "messages/message_catalogue.h"

namespace gdf {
namespace {

// The options that a help's option lines begin with: "  --drive X=DIR ..." names --drive,
// "  -o, --output FILE.svg ..." names -o and --output.
std::set<std::string> OptionsNamed(TextView help) {
  std::set<std::string> named;
  std::istringstream lines(ToUtf8(help));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  -", 0) != 0) continue;
    std::istringstream words(line.substr(2));
    for (std::string word; words >> word && word.front() == '-';) {
      if (word.back() == ',') word.pop_back();
      named.insert(word);
    }
  }
  return named;
}

// What a command takes, as its help should name it.
std::set<std::string> OptionsTaken(const CommandOptions& command) {
  std::set<std::string> taken = {"--help"};
  for (const OptionRule& rule : command.options) taken.insert(rule.name);
  taken.insert(command.hostOptions.begin(), command.hostOptions.end());
  return taken;
}

TEST(HelpOptions, EveryHelpNamesExactlyTheOptionsOfItsCommand) {
  for (const CommandOptions* command : EveryCommand()) {
    const std::set<std::string> taken = OptionsTaken(*command);
    for (const MessageId help : command->helps) {
      for (const Language language : {Language::kJapanese, Language::kEnglish}) {
        const std::set<std::string> named = OptionsNamed(Template(help, language));
        const char* in = language == Language::kJapanese ? " (Japanese)" : " (English)";
        for (const std::string& option : taken) {
          EXPECT_EQ(named.count(option), 1u)
              << command->name << in << ": the help does not name " << option;
        }
        for (const std::string& option : named) {
          const bool shortName =
              std::any_of(command->options.begin(), command->options.end(),
                          [&](const OptionRule& rule) { return rule.shortName == option; });
          EXPECT_TRUE(taken.count(option) == 1 || shortName)
              << command->name << in << ": the help names " << option << ", not taken";
        }
      }
    }
  }
}

// The check itself: an option line is found in either language, with its short form, and the
// words after the option are not options.
TEST(HelpOptions, OptionLinesAreReadAsTheHelpsWriteThem) {
  EXPECT_EQ(OptionsNamed(u"Options:\n  -o, --output FILE.svg  the picture\n"
                         u"  --lang ja|en        言語\n"
                         u"                      --dry-run では書かない\n"
                         u"  gdfconv convert --yes A B\n"),
            (std::set<std::string>{"-o", "--output", "--lang"}));
}

// Every command of the command line and the window reads its arguments against the table the
// test above holds its help to: an option of the table is taken, and one of another command's
// table is not.
TEST(HelpOptions, EachCommandTakesTheOptionsOfItsTable) {
  const struct {
    const CommandOptions& command;
    std::vector<std::string> args;
    bool taken;
  } cases[] = {
      {ConvertOptions(), {"--quiet", "a", "b"}, true},
      {ConvertOptions(), {"--format", "json", "a", "b"}, false},
      {CheckOptions(), {"--format", "json", "a"}, true},
      {CheckOptions(), {"--yes", "a"}, false},
      {PreviewOptions(), {"-o", "x.svg", "a"}, true},
      {BatchOptions(), {"--preview-dir", "p", "a"}, true},
      {TablesOptions(), {"--since", "2026-12-01"}, true},
      {TablesOptions(), {"--since", "yesterday"}, false},
      {WindowOptions(), {"--lock-wait", "5"}, true},
      {WindowOptions(), {"--lang", "ja"}, false},
  };
  for (const auto& c : cases) {
    CatalogueMessage error;
    EXPECT_EQ(ParseCommandLine(c.args, c.command.options, Operands::kTaken, error).has_value(),
              c.taken)
        << c.command.name << " " << c.args.front();
  }
}

}  // namespace
}  // namespace gdf
