// command_line_test.cpp - Show that the option parser reports a usage error as a message of the
// catalogue, which a front end says in its language, and that the language asked for with
// "--lang" is known before the arguments are read.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "frontend/command_line.h"

namespace gdf {
namespace {

const std::vector<OptionRule>& Options() {
  static const std::vector<OptionRule> options = {
      Valued("--report"),
      Valued("--lock-wait", OptionValue::kNext)
          .Missing(Say(MessageId::kUsageLockWait))
          .Checked([](const std::string& value) { return value == "5"; },
                   Say(MessageId::kUsageLockWait)),
      Valued("--lang"),
      Switch("--yes", "-y"),
  };
  return options;
}

TEST(CommandLineTest, UsageErrorsAreMessagesOfTheCatalogue) {
  const struct {
    std::vector<std::string> args;
    Operands operands;
    CatalogueMessage expected;
  } cases[] = {
      {{"--frob"}, Operands::kTaken, Say(MessageId::kUsageUnknownOption, {u"--frob"})},
      {{"a", "-x"}, Operands::kTakenUndashed, Say(MessageId::kUsageUnknownOption, {u"-x"})},
      {{"a"}, Operands::kRefused, Say(MessageId::kUsageUnknownOption, {u"a"})},
      {{"--yes", "--report"}, Operands::kTaken, Say(MessageId::kUsageNeedsValue, {u"--report"})},
      {{"--lock-wait"}, Operands::kTaken, Say(MessageId::kUsageLockWait)},
      {{"--lock-wait", "x"}, Operands::kTaken, Say(MessageId::kUsageLockWait)},
      // The host options that every front end takes.
      {{"--drive", "D"}, Operands::kTaken, Say(MessageId::kUsageDrive)},
      {{"--system-dir"}, Operands::kTaken, Say(MessageId::kUsageNeedsValue, {u"--system-dir"})},
  };
  for (const auto& c : cases) {
    CatalogueMessage error;
    EXPECT_FALSE(ParseCommandLine(c.args, Options(), c.operands, error)) << c.args.back();
    EXPECT_EQ(error, c.expected) << c.args.back() << ": "
                                 << ToUtf8(Render(error, Language::kEnglish));
  }
  CatalogueMessage error;
  const auto line = ParseCommandLine({"--lock-wait", "5", "-y", "a", "--", "--frob"}, Options(),
                                     Operands::kTaken, error);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Value("--lock-wait"), "5");
  EXPECT_TRUE(line->Has("--yes"));
  EXPECT_EQ(line->operands, (std::vector<std::string>{"a", "--frob"}));
}

TEST(CommandLineTest, TheLanguageIsKnownBeforeTheArgumentsAreRead) {
  const Language user = UserLanguage();
  const struct {
    std::vector<std::string> args;
    Language expected;
  } cases[] = {
      {{"--lang", "ja", "a"}, Language::kJapanese},
      {{"a", "--lang=en"}, Language::kEnglish},
      {{"--lang=ja", "--frob", "--lang", "en"}, Language::kEnglish},  // the last, as parsed
      {{"--lang=en", "--lang", "ja"}, Language::kJapanese},
      {{"--", "--lang=ja"}, user},  // an operand
      {{"--lang", "fr"}, user},
      {{"--lang"}, user},
      {{}, user},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageOfArguments(c.args), c.expected) << (c.args.empty() ? "" : c.args.back());
  }
}

// The windows read their options as the command line does: "--lock-wait" takes whole seconds
// from 0 to 3600 and nothing else, in the table that both windows give the parser.
TEST(CommandLineTest, LockWaitTakesWholeSecondsFromZeroTo3600InTheWindowsToo) {
  const std::vector<OptionRule> window = {LockWaitOption()};
  const CatalogueMessage usage = Say(MessageId::kUsageLockWait, {u"3600"});
  const struct {
    const char* value;
    std::optional<int> milliseconds;  // none: a usage error
  } cases[] = {
      {"0", 0},      {"1", 1000},     {"3600", 3600000},   {"0030", 30000}, {"3601", {}},
      {"12abc", {}}, {"3000000", {}}, {"-1", {}},          {"+5", {}},      {"1.5", {}},
      {"", {}},      {" 5", {}},      {"99999999999", {}},
  };
  for (const auto& c : cases) {
    CatalogueMessage error;
    const auto line = ParseCommandLine({"--lock-wait", c.value}, window, Operands::kRefused, error);
    if (!c.milliseconds) {
      EXPECT_FALSE(line) << c.value;
      EXPECT_EQ(error, usage) << c.value;
      continue;
    }
    ASSERT_TRUE(line) << c.value;
    EXPECT_EQ(LockWaitMilliseconds(*line), c.milliseconds) << c.value;
  }
  CatalogueMessage error;
  const auto none = ParseCommandLine({}, window, Operands::kRefused, error);
  ASSERT_TRUE(none);
  EXPECT_FALSE(LockWaitMilliseconds(*none));  // the run's own default then
  EXPECT_FALSE(ParseCommandLine({"--lock-wait"}, window, Operands::kRefused, error));
  EXPECT_EQ(error, usage);
}

}  // namespace
}  // namespace gdf
