// command_line.cpp - Reading arguments against a command's table of options.
#include "common/command_line.h"

namespace gdf {

OptionRule OptionRule::Missing(std::string error) const {
  OptionRule copy = *this;
  copy.missingValue = std::move(error);
  return copy;
}

OptionRule OptionRule::Checked(std::function<bool(const std::string&)> check,
                               std::string error) const {
  OptionRule copy = *this;
  copy.valid = std::move(check);
  copy.invalidValue = std::move(error);
  return copy;
}

OptionRule OptionRule::Into(std::string otherName) const {
  OptionRule copy = *this;
  copy.key = std::move(otherName);
  return copy;
}

OptionRule Switch(std::string name, std::string shortName) {
  OptionRule rule;
  rule.name = std::move(name);
  rule.shortName = std::move(shortName);
  return rule;
}

OptionRule Valued(std::string name, OptionValue how) {
  OptionRule rule;
  rule.name = std::move(name);
  rule.value = how;
  return rule;
}

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<OptionRule>& options,
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
    const OptionRule* rule = nullptr;
    std::optional<std::string> joined;
    for (const OptionRule& option : options) {
      if (arg == option.name || (!option.shortName.empty() && arg == option.shortName)) {
        rule = &option;
        break;
      }
      if (option.value == OptionValue::kEither && arg.rfind(option.name + "=", 0) == 0) {
        rule = &option;
        joined = arg.substr(option.name.size() + 1);
        break;
      }
    }
    if (rule != nullptr) {
      if (rule->value == OptionValue::kNone) {
        line.switches.insert(rule->name);
      } else {
        if (!joined && i + 1 >= args.size()) {
          return fail(rule->missingValue.empty() ? rule->name + " needs a value"
                                                 : rule->missingValue);
        }
        const std::string value = joined ? *joined : args[++i];
        if (rule->valid && !rule->valid(value)) return fail(rule->invalidValue);
        line.values[rule->key.empty() ? rule->name : rule->key] = value;
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
