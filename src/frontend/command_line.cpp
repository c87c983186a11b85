// command_line.cpp - Reading arguments against a command's table of options.
#include "frontend/command_line.h"

namespace gdf {

OptionRule OptionRule::Missing(CatalogueMessage error) const {
  OptionRule copy = *this;
  copy.missingValue = std::move(error);
  return copy;
}

OptionRule OptionRule::Checked(std::function<bool(const std::string&)> check,
                               CatalogueMessage error) const {
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
                                            Operands operands, CatalogueMessage& error) {
  CommandLine line;
  const auto fail = [&](CatalogueMessage why) {
    error = std::move(why);
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    std::optional<CatalogueMessage> hostError;
    if (TakeHostOption(args, i, line.host, hostError)) {
      if (hostError) return fail(std::move(*hostError));
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
          return fail(rule->missingValue.value_or(
              Say(MessageId::kUsageNeedsValue, {FromUtf8(rule->name)})));
        }
        const std::string value = joined ? *joined : args[++i];
        if (rule->valid && !rule->valid(value)) return fail(rule->invalidValue);
        line.values[rule->key.empty() ? rule->name : rule->key] = value;
      }
    } else if (operands == Operands::kRefused) {
      return fail(Say(MessageId::kUsageUnknownOption, {FromUtf8(arg)}));
    } else if (arg == "--") {
      line.operands.insert(line.operands.end(), args.begin() + static_cast<long>(i) + 1,
                           args.end());
      break;
    } else if (arg.size() > 1 && (arg.rfind("--", 0) == 0 ||
                                  (operands == Operands::kTakenUndashed && arg[0] == '-'))) {
      return fail(Say(MessageId::kUsageUnknownOption, {FromUtf8(arg)}));
    } else {
      line.operands.push_back(arg);
    }
    ++i;
  }
  return line;
}

std::optional<int> ParseLockWaitSeconds(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int seconds = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    seconds = seconds * 10 + (digit - '0');
  }
  if (seconds > kMostLockWaitSeconds) return std::nullopt;
  return seconds;
}

OptionRule LockWaitOption() {
  const CatalogueMessage usage = Say(MessageId::kUsageLockWait, {Count(kMostLockWaitSeconds)});
  // Only "--lock-wait SECONDS", not "--lock-wait=SECONDS", as the command has always taken it.
  return Valued("--lock-wait", OptionValue::kNext)
      .Missing(usage)
      .Checked([](const std::string& value) { return ParseLockWaitSeconds(value).has_value(); },
               usage);
}

std::optional<int> LockWaitMilliseconds(const CommandLine& line) {
  const auto value = line.Value("--lock-wait");
  if (!value) return std::nullopt;
  const auto seconds = ParseLockWaitSeconds(*value);
  if (!seconds) return std::nullopt;
  return *seconds * 1000;
}

Language LanguageOfArguments(const std::vector<std::string>& args) {
  std::optional<Language> asked;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") break;
    std::string value;
    if (args[i] == "--lang" && i + 1 < args.size()) {
      value = args[++i];
    } else if (args[i].rfind("--lang=", 0) == 0) {
      value = args[i].substr(7);
    } else {
      continue;
    }
    if (value == "ja") asked = Language::kJapanese;
    if (value == "en") asked = Language::kEnglish;
  }
  return asked.value_or(UserLanguage());
}

}  // namespace gdf
