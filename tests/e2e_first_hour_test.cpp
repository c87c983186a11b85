// e2e_first_hour_test.cpp - Show what a new user meets in the first hour, through the binary on
// both systems: SOURCE and TARGET texts without ":" that do not begin with "\" are paths from the
// current folder for every command, as every Windows program reads them ("data\examples\B-1.gdf",
// "OUT\B-1", "out/Z"); texts with ":" reach the run as they are, and a full-width drive letter is
// still refused; and the advice after a refused target is advice that works.
#include <gtest/gtest.h>

#include <filesystem>

#include "gdfconv_version.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

class FirstHour : public ::testing::Test {
 protected:
  FirstHour() {
    fs::create_directories(work / "data");
    fs::copy(test::SourceDir() + "/data/examples", work / "data/examples",
             fs::copy_options::recursive);
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
    fs::copy_file(test::SourceDir() + "/data/examples/B-1.gdf", work / "B-1.gdf");
    fs::create_directories(work.path() / "program");
  }
  // gdfconv COMMAND ARGS, started in the work folder, with the pattern data of the work folder.
  test::ProcessResult InWork(const std::string& command, std::vector<std::string> args,
                             bool patternData = true) {
    std::vector<std::string> all = {command};
    if (patternData) {
      all.insert(all.end(), {"--pattern-dir", "pattern", "--program-dir", "program"});
    }
    all.insert(all.end(), args.begin(), args.end());
    return test::RunGdfconv(all, {}, -1, -1, "C", work.path().string());
  }
  test::TempDir work;
};

TEST_F(FirstHour, TextsWithoutAColonArePathsFromTheCurrentFolderForEveryCommand) {
  const struct {
    const char* source;
    const char* target;
    const char* written;  // a record file the run must have written, from the work folder
  } converts[] = {
      {"data\\examples\\B-1.gdf", "OUT\\B-1", "OUT/B-1/X1.TXT"},
      {"data/examples/B-2.gdf", "res/Z", "res/Z/X1.TXT"},
      {"B-1.gdf", "OUT\\R1", "OUT/R1/X1.TXT"},
  };
  for (const auto& c : converts) {
    const auto result = InWork("convert", {"--yes", "--quiet", c.source, c.target});
    EXPECT_EQ(result.exitCode, 0) << c.source << " " << c.target << "\n" << result.err;
    EXPECT_TRUE(test::Exists(work / c.written)) << c.written;
  }
  const auto batch =
      InWork("batch", {"--yes", "--quiet", "--target-root", "BATCH", "data\\examples"});
  EXPECT_EQ(batch.exitCode, 0) << batch.out << batch.err;
  EXPECT_TRUE(test::Exists(work / "BATCH/B-1/X1.TXT"));
  EXPECT_TRUE(test::Exists(work / "BATCH/B-2/X1.TXT"));
  const auto check = InWork("check", {"data\\examples\\B-1.gdf"}, false);
  EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
  const auto preview = InWork("preview", {"data\\examples\\B-1.gdf", "-o", "b.svg"});
  EXPECT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_TRUE(test::Exists(work / "b.svg"));

  // A text with ":" is the run's own: a full-width drive letter is still refused.
  const auto fullWidth = InWork("convert", {"--yes", "B-1.gdf", "Ｄ:\\OUT"});
  EXPECT_EQ(fullWidth.exitCode, 1);
  EXPECT_NE(fullWidth.err.find("指定されたパスは正しくありません。"), std::string::npos)
      << fullWidth.err;
}

TEST_F(FirstHour, AdviceForARefusedTargetCanBeFollowed) {
  // A folder to be made whose name breaks the rules: another name, not a drive that cannot exist.
  const auto toBeMade = InWork("convert", {"--yes", "B-1.gdf", "OUT\\new.folder1\\B-1"});
  EXPECT_EQ(toBeMade.exitCode, 1);
  EXPECT_NE(toBeMade.err.find("The folder \"new.folder1\" does not exist yet: give it a name "
                              "without a blank or a dot, for example \"newfolder1\""),
            std::string::npos)
      << toBeMade.err;
  EXPECT_NE(toBeMade.err.find("\\OUT\\newfolder1\\B-1\""), std::string::npos) << toBeMade.err;
  EXPECT_EQ(toBeMade.err.find("--drive"), std::string::npos) << toBeMade.err;

  // An existing folder with a blank: a drive letter stands for it, the path in double quotes.
  fs::create_directories(work.path() / "My borings");
  const auto blank = InWork("convert", {"--yes", "B-1.gdf", "My borings\\B-1"});
  EXPECT_EQ(blank.exitCode, 1);
  const std::string folder = (work.path() / "My borings").string();
  EXPECT_NE(blank.err.find("=\"" + folder + "\" and give the target as \""), std::string::npos)
      << blank.err;
  // The rule as it is: long names without a dot are names like any other.
  const auto longName =
      InWork("convert", {"--yes", "--quiet", "B-1.gdf", "ボーリング調査2024年度\\B-1"});
  EXPECT_EQ(longName.exitCode, 0) << longName.err;
}

// The settings a user can fix alone: the refusal names what is wrong with VirizuV5.ini and shows
// its two lines; a folder line without its "\" is refused at start-up, before anything is written.
TEST_F(FirstHour, TheSettingsRefusalShowsTheTwoLines) {
  fs::create_directories(work.path() / "system");
  test::WriteBytes(work / "system/VirizuV5.ini", "x\r\nZ:" + work.path().string() + "/pattern\r\n");
  const auto noBackslash = InWork(
      "convert",
      {"--yes", "--system-dir", "system", "--program-dir", "program", "B-1.gdf", "OUT\\S"}, false);
  EXPECT_EQ(noBackslash.exitCode, 1) << noBackslash.err;
  EXPECT_EQ(noBackslash.err.rfind(" VIRIZU の設定がありません.\n", 0), 0u) << noBackslash.err;
  EXPECT_NE(noBackslash.err.find("pattern\", does not end with \"\\\""), std::string::npos)
      << noBackslash.err;
  EXPECT_NE(noBackslash.err.find("\n    [VIRIZU]\n    "), std::string::npos) << noBackslash.err;
  EXPECT_FALSE(test::Exists(work / "OUT"));
}

// "--version" on every command; "--lang" may stand before the command.
TEST_F(FirstHour, VersionOnEveryCommandAndLanguageBeforeTheCommand) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"},
                                               {"convert", "--version"},
                                               {"tables", "--version"},
                                               {"--lang", "ja", "batch", "--version"}}) {
    const auto result = test::RunGdfconv(args, {}, -1, -1, "C", work.path().string());
    EXPECT_EQ(result.exitCode, 0) << args.front();
    EXPECT_EQ(result.out.rfind("gdfconv " GDFCONV_VERSION_TEXT "\n", 0), 0u) << result.out;
  }
  const auto japanese =
      test::RunGdfconv({"--lang", "ja", "convert", "--yes", "--pattern-dir", "pattern",
                        "--program-dir", "program", "B-1.gdf", "OUT\\J"},
                       {}, -1, -1, "C", work.path().string());
  EXPECT_EQ(japanese.exitCode, 0) << japanese.err;
  EXPECT_NE(japanese.out.find("  書き込み "), std::string::npos) << japanese.out;
}

}  // namespace
}  // namespace gdf
