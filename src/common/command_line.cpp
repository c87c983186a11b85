// command_line.cpp - Reading arguments against a command's table of options.
#include "common/command_line.h"

namespace gdf {

OptionSpec OptionSpec::Missing(std::string error) const {
  OptionSpec copy = *this;
  copy.missingValue = std::move(error);
  return copy;
}

OptionSpec OptionSpec::Checked(std::function<bool(const std::string&)> check,
                               std::string error) const {
  OptionSpec copy = *this;
  copy.valid = std::move(check);
  copy.invalidValue = std::move(error);
  return copy;
}

OptionSpec OptionSpec::Into(std::string otherName) const {
  OptionSpec copy = *this;
  copy.key = std::move(otherName);
  return copy;
}

OptionSpec Switch(std::string name, std::string shortName) {
  OptionSpec spec;
  spec.name = std::move(name);
  spec.shortName = std::move(shortName);
  return spec;
}

OptionSpec Valued(std::string name, OptionValue how) {
  OptionSpec spec;
  spec.name = std::move(name);
  spec.value = how;
  return spec;
}

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionSpec>& options,
                                            Operands operands, std::string& error) {
  CommandLine line;
  const auto fail = [&](std::string why) {
    error = std::move(why);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    if (TakeHostOption(args, i, line.host, error)) {
      if (!error.empty()) return std::nullopt;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      line.help = true;
      return line;
    }
    const OptionSpec* spec = nullptr;
    std::optional<std::string> joined;
    for (const OptionSpec& option : options) {
      if (arg == option.name || (!option.shortName.empty() && arg == option.shortName)) {
        spec = &option;
        break;
      }
      if (option.value == OptionValue::kEither && arg.rfind(option.name + "=", 0) == 0) {
        spec = &option;
        joined = arg.substr(option.name.size() + 1);
        break;
      }
    }
    if (spec != nullptr) {
      if (spec->value == OptionValue::kNone) {
        line.switches.insert(spec->name);
      } else {
        if (!joined && i + 1 >= args.size()) {
          return fail(spec->missingValue.empty() ? spec->name + " needs a value"
                                                 : spec->missingValue);
        }
        const std::string value = joined ? *joined : args[++i];
        if (spec->valid && !spec->valid(value)) return fail(spec->invalidValue);
        line.values[spec->key.empty() ? spec->name : spec->key] = value;
      }
    } else if (operands == Operands::kRefused) {
      return fail("unknown option '" + arg + "'");
    } else if (arg == "--") {
      line.operands.insert(line.operands.end(), args.begin() + static_cast<long>(i) + 1,
                           args.end());
      break;
    } else if (arg.size() > 1 && (arg.rfind("--", 0) == 0 ||
                                  (operands == Operands::kTakenUndashed && arg[0] == '-'))) {
      return fail("unknown option '" + arg + "'");
    } else {
      line.operands.push_back(arg);
    }
    ++i;
  }
  return line;
}

}  // namespace gdf
