// command_line_test.cpp - Show that the option parser reports a usage error as a message of the
// catalogue, which a front end says in its language, and that the language asked for with
// "--lang" is known before the arguments are read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/command_line.h"

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

}  // namespace
}  // namespace gdf
