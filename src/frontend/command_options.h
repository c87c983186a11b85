// command_options.h - Every command's options, declared once: the table that the parser reads a
// command's arguments against, with the host options the command puts to use and the help text
// that explains them all. A test holds each help text, in both languages, to its table.
#pragma once

#include <string>
#include <vector>

#include "frontend/command_line.h"
#include "messages/message_ids.h"

namespace gdf {

/// A command of the command line, or a window.
struct CommandOptions {
  const char* name;                      ///< "gdfconv convert", "gdfconv-gui"
  std::vector<OptionRule> options;       ///< what it takes besides the host options and --help
  std::vector<std::string> hostOptions;  ///< the host options it puts to use ("--drive", ...)
  std::vector<MessageId> helps;          ///< its help texts (a window has one per system)
};

/// "--lang ja|en", which every command of the command line takes: the language of the program's
/// own messages.
OptionRule LanguageOption();

/// The commands of the command line.
const CommandOptions& ConvertOptions();
const CommandOptions& CheckOptions();
const CommandOptions& PreviewOptions();
const CommandOptions& BatchOptions();
const CommandOptions& TablesOptions();
/// The window's, the same on every system.
const CommandOptions& WindowOptions();

/// Every command above.
std::vector<const CommandOptions*> EveryCommand();

}  // namespace gdf
