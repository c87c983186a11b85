// command_line.h - The one option parser of the front ends: a command describes its options in a
// table, and the parser reads the arguments against it, with the host options (the drive map,
// the system and program folders) that every front end takes.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/host_settings.h"
#include "messages/message_catalogue.h"

namespace gdf {

/// Whether an option takes a value.
enum class OptionValue {
  kNone,    ///< a switch: "--yes"
  kNext,    ///< the next argument only: "--name VALUE"
  kEither,  ///< the next argument, or joined: "--name VALUE" or "--name=VALUE"
};

/// One option of a command. Made by `Switch` or `Valued`, then refined:
/// `Valued("--lock-wait").Missing(Say(kUsageLockWait)).Checked(IsSeconds, Say(kUsageLockWait))`.
struct OptionRule {
  std::string name;                        ///< "--report"
  std::string shortName;                   ///< "-y", or empty
  OptionValue value = OptionValue::kNone;  ///< whether and how it takes a value
  /// The usage error without a value; none: "NAME needs a value".
  std::optional<CatalogueMessage> missingValue;
  std::function<bool(const std::string&)> valid;  ///< checks the value; null takes any
  CatalogueMessage invalidValue;                  ///< the usage error for a value `valid` refuses
  std::string key;                                ///< where the value is kept; empty: `name`

  /// The same option with its own usage error for a missing value.
  OptionRule Missing(CatalogueMessage error) const;
  /// The same option with a check of its value and the usage error when the check fails.
  OptionRule Checked(std::function<bool(const std::string&)> check, CatalogueMessage error) const;
  /// The same option keeping its value under another option's name (a second spelling).
  OptionRule Into(std::string otherName) const;
};

/// A switch: "--yes", or its short form "-y".
OptionRule Switch(std::string name, std::string shortName = {});
/// An option with a value.
OptionRule Valued(std::string name, OptionValue how = OptionValue::kEither);

/// What is not an option.
enum class Operands {
  kTaken,          ///< operands; "--" ends the options; an unknown "--name" is an error
  kTakenUndashed,  ///< the same, and an unknown "-x" is an error too
  kRefused,        ///< no operand: anything that is not an option is an unknown option
};

/// The arguments read.
struct CommandLine {
  HostSettings host;                          ///< the host options
  std::map<std::string, std::string> values;  ///< option name -> its last value
  std::set<std::string> switches;             ///< the switches given, by name
  std::vector<std::string> operands;          ///< the rest, in order
  bool help = false;                          ///< "--help" or "-h" was met; reading stopped there

  bool Has(const std::string& name) const { return switches.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
};

/// Reads `args` against `options`, the host options and "--help" ("-h"), in order: the first
/// problem met is the usage error returned in `error`, and nothing then.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionRule>& options,
                                            Operands operands, CatalogueMessage& error);

/// The longest wait for the pattern-data folder that "--lock-wait" takes, in seconds.
inline constexpr int kMostLockWaitSeconds = 3600;
/// The seconds of "--lock-wait SECONDS": a whole number of digits from 0 to kMostLockWaitSeconds;
/// nothing for any other text.
std::optional<int> ParseLockWaitSeconds(std::string_view text);
/// "--lock-wait SECONDS", as the command line and the windows take it.
OptionRule LockWaitOption();
/// The wait that "--lock-wait" asked for, in milliseconds; nothing when it was not given.
std::optional<int> LockWaitMilliseconds(const CommandLine& line);

/// The language that "--lang ja" or "--lang en" among `args` asks for (the last one, as the
/// parser keeps it), else the user's. Known before the arguments are read, so that a usage
/// error is said in it; a "--lang" with another value is no choice.
Language LanguageOfArguments(const std::vector<std::string>& args);

}  // namespace gdf
