// main.cpp - The gdfconv command line: one subcommand per job, each a thin layer over the core.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "frontend/command_line.h"
#include "frontend/version.h"
#include "messages/message_catalogue.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "text/text.h"

namespace {

// The usage in a language.
std::string Usage(gdf::Language language) {
  return gdf::ToUtf8(gdf::Render(gdf::Say(gdf::MessageId::kHelpUsage), language));
}

int Main(std::vector<std::string> args) {
  gdf::PrepareStandardStreams();
  if (args.empty()) {
    const gdf::Language language = gdf::UserLanguage();
    std::cerr << Usage(language);
    // Double-clicked in Explorer: the console would close before the usage could be read.
    if (gdf::ConsoleClosesAtExit()) {
      std::cerr << "\n"
                << gdf::ToUtf8(
                       gdf::Render(gdf::Say(gdf::MessageId::kStartedFromExplorer), language))
                << "\n";
      gdf::WaitForKey();
    }
    return 2;
  }
  // "gdfconv --lang ja convert ...": options of every command may stand before the command.
  std::vector<std::string> leading;
  for (;;) {
    std::size_t taken = 0;
    if (!args.empty() && args.front().rfind("--lang=", 0) == 0) taken = 1;
    if (args.size() > 1 && args.front() == "--lang") taken = 2;
    if (taken == 0) break;
    leading.insert(leading.end(), args.begin(), args.begin() + static_cast<long>(taken));
    args.erase(args.begin(), args.begin() + static_cast<long>(taken));
  }
  if (args.empty()) {
    std::cerr << Usage(gdf::LanguageOfArguments(leading));
    return 2;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  args.insert(args.begin(), leading.begin(), leading.end());
  if (command == "--version" || gdf::AsksForVersion(args)) {
    std::cout << gdf::ProgramVersionLine("gdfconv") << "\n";
    return 0;
  }
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << Usage(gdf::LanguageOfArguments(args));
    return 0;
  }
  if (command == "convert") return gdf::cli::RunConvertCommand(args);
  if (command == "check") return gdf::cli::RunCheckCommand(args);
  if (command == "batch") return gdf::cli::RunBatchCommand(args);
  if (command == "preview") return gdf::cli::RunPreviewCommand(args);
  if (command == "tables") return gdf::cli::RunTablesCommand(args);
  const gdf::Language language = gdf::LanguageOfArguments(args);
  std::cerr << "gdfconv: "
            << gdf::ToUtf8(gdf::Render(
                   gdf::Say(gdf::MessageId::kUsageUnknownCommand, {gdf::FromUtf8(command)}),
                   language))
            << "\n\n"
            << Usage(language);
  return 2;
}

}  // namespace

#ifdef _WIN32
// Windows hands the command line over in UTF-16, so that Japanese paths arrive intact whatever
// the code page; the commands take UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(gdf::ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  }
  return Main(std::move(args));
}
#else
int main(int argc, char** argv) { return Main(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
