// cli_support.h - What the subcommands share beyond the host options: paths from the command
// line, the pattern-data folder, report files, column widths on a terminal, and the printed form
// of a dry run.
#pragma once

#include <fstream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "common/path_validation.h"
#include "frontend/command_line.h"
#include "frontend/command_options.h"
#include "frontend/host_settings.h"
#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "run/dry_run.h"

namespace gdf::cli::support {

/// Prints a usage error of `command` ("gdfconv convert") and where its options are explained;
/// returns the exit status of a usage error.
int UsageError(const std::string& command, const CatalogueMessage& why, Language language);

/// The pattern-data folder, ending with "\": `patternDir` when given, else the folder that the
/// settings file names. Nothing, after the refusal is printed on stderr, when there is none.
std::optional<Text> ResolvePatternFolder(const std::optional<std::string>& patternDir,
                                         FileSystem& fs, const HostSettings& host,
                                         Language language);

/// A path as given on the command line and the text the run gets for it.
struct PathArgument {
  std::string given;  ///< as on the command line
  Text text;          ///< what the run gets
};

/// What to do about a target path that path validation refused, after its explanation: for a
/// name that breaks the rules, the drive path that was checked and a drive mapped to the folder
/// that holds the name (on Windows, a folder with a short name); for a drive that is not mapped,
/// how to map it.
std::vector<CatalogueMessage> TargetAdvice(const PathArgument& target, const PathVerdict& verdict,
                                           const FileSystem& fs);

/// Prints messages on a stream, one to a line, in a language.
void PrintLines(std::ostream& out, const std::vector<CatalogueMessage>& messages,
                Language language);
/// One message in a language, as UTF-8.
std::string Said(const CatalogueMessage& message, Language language);

/// The program's folder in drive form, as every front end takes it.
using gdf::ProgramFolderText;

/// The bytes of a host file that the user named (a leading "~/" is the home folder); nothing
/// when it is not a file that can be read whole.
std::optional<std::string> ReadHostFile(const std::string& hostPath);

/// A report file, opened before the work so that a path that cannot be written is refused
/// before anything is done.
class ReportFile {
 public:
  /// Creates or empties the file; false with `error` set when it cannot.
  bool Open(const std::string& hostPath, CatalogueMessage& error);
  bool IsOpen() const { return stream_.is_open(); }
  /// Writes the whole content and closes the file.
  bool Write(const std::string& content, CatalogueMessage& error);

 private:
  std::ofstream stream_;
  std::string path_;
};

/// The number of terminal columns that UTF-8 text takes (wide East Asian characters take two).
std::size_t DisplayWidth(std::string_view utf8);
/// `utf8` followed by blanks up to `width` columns.
std::string PadRight(const std::string& utf8, std::size_t width);

/// Words of a help text that differ between hosts: `marker` in the text stands for the message
/// `posix` on Linux and `windows` on Windows.
struct HostWords {
  std::string_view marker;
  MessageId posix;
  MessageId windows;
};
/// A help text of the catalogue for this host in a language: its own markers replaced, then the
/// ones every command shares (@SYSTEM_DIR@, @DRIVE@, @LANG_DEFAULT@).
std::string HelpForThisHost(MessageId help, std::span<const HostWords> words, Language language);

/// Prints what a dry run found: how the run would end, then each folder with its files.
void PrintDryRun(std::ostream& out, const DryRunResult& result, Language language);

}  // namespace gdf::cli::support
