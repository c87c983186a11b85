// e2e_run_test.cpp - Show, through the real gdfconv binary, the exit statuses and messages of the
// command line, the folders a run creates, and that a refused or failed check writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/host.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

class EndToEndRun : public ::testing::Test {
 protected:
  EndToEndRun() {
    fs::create_directories(dir.path() / "pattern");
    for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    fs::create_directories(dir.path() / "out");
  }
  test::ProcessResult Convert(const std::string& source, const std::string& target,
                              std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"convert", "--pattern-dir", dir / "pattern", "--program-dir",
                                     dir.path().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(source);
    args.push_back(target);
    return RunGdfconv(args);
  }
  test::TempDir dir;
};

TEST_F(EndToEndRun, FileWithoutTagsCompletes) {
  test::WriteCp932(dir / "b.gdf", "just text\n");
  const auto result = Convert(dir / "b.gdf", dir / "out");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "変換が正常に終了しました。\n");
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}

TEST_F(EndToEndRun, RefusedChecks) {
  test::WriteCp932(dir / "b.gdf", "");
  const struct {
    std::string source;
    std::string target;
    std::string message;
  } cases[] = {
      {"", dir / "out", "変換元ファイルが選択されていません。"},
      {dir / "missing.gdf", dir / "out", "変換元ファイルが選択されていません。"},
      {dir.path().string(), dir / "out", "変換元ファイルが選択されていません。"},  // a folder
      {dir / "b.gdf", "", "指定されたパスは正しくありません。"},
      {dir / "b.gdf", "\\OUT", "so it was taken as a drive path; a path of this computer holds no"},
      {dir / "b.gdf", "Q:\\OUT", "指定されたパスは正しくありません。"},
      {dir / "b.gdf", "\\\\server\\share\\OUT", "指定されたパスは正しくありません。"},  // no drive
      {dir / "b.gdf", dir / "my out", "指定されたパスは正しくありません。"},
      {dir / "b.gdf", dir / "out/x", "フォルダがありません。新規作成しますか？"},  // answered No
  };
  for (const auto& c : cases) {
    const auto result = Convert(c.source, c.target);
    EXPECT_EQ(result.exitCode, 1) << c.source << " " << c.target << "\n" << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}

// Every help is whole, written for the host it runs on (Windows paths on Windows, host paths
// and the drive map's Z: on Linux) and in the user's language; the English one is as it always
// was, and the system's own texts stand unchanged in both.
TEST(CommandHelp, SpeaksOfThisHostInTheUsersLanguage) {
  const struct {
    std::vector<std::string> args;
    std::string english;   // how the English help begins
    std::string japanese;  // how the Japanese help begins
    std::string examples;  // the first example, after the heading of the examples
  } cases[] = {
      {{"convert", "--help"},
       "Usage: gdfconv convert [options] SOURCE TARGET\n\nConverts",
       "使い方: gdfconv convert [オプション] SOURCE TARGET\n\n変換元ファイル",
       "  gdfconv convert"},
      {{"batch", "--help"},
       "Usage: gdfconv batch [options]",
       "使い方: gdfconv batch [オプション]",
       "  gdfconv batch"},
      {{"check", "--help"},
       "Usage: gdfconv check [options] SOURCE...\n\nReads",
       "使い方: gdfconv check [オプション] SOURCE...\n\n各変換元ファイル",
       "  gdfconv check"},
      {{"preview", "--help"},
       "Usage: gdfconv preview [options]",
       "使い方: gdfconv preview [オプション]",
       "  gdfconv preview"},
      {{"help"}, "gdfconv - converts", "gdfconv - ボーリング柱状図", ""},
  };
  for (const auto& c : cases) {
    const auto english = RunGdfconv(c.args);
    const auto japanese = RunGdfconv(c.args, {}, -1, -1, "ja_JP.UTF-8");
    for (const auto* help : {&english, &japanese}) {
      const bool inJapanese = help == &japanese;
      const std::string& heading = inJapanese ? c.japanese : c.english;
      EXPECT_EQ(help->exitCode, 0) << c.args[0];
      EXPECT_EQ(help->out.rfind(heading, 0), 0U) << help->out;
      EXPECT_EQ(help->out.find('@'), std::string::npos) << help->out;
      if (c.examples.empty()) continue;
      const std::string examples = (inJapanese ? "\n例:\n" : "\nExamples:\n") + c.examples;
      EXPECT_NE(help->out.find(examples), std::string::npos) << help->out;
      EXPECT_EQ(help->out.find("~/") == std::string::npos, kHostPathsAreWindowsPaths) << help->out;
      // Where the default language comes from: the locale variables, or Windows' own setting.
      if (help->out.find("--lang") != std::string::npos) {
        EXPECT_EQ(help->out.find("LC_MESSAGES") == std::string::npos, kHostPathsAreWindowsPaths)
            << help->out;
      }
    }
    EXPECT_EQ(english.out.find("使い方"), std::string::npos) << english.out;
    // --lang chooses, also after --help.
    std::vector<std::string> asked = c.args;
    asked.insert(asked.end(), {"--lang", "ja"});
    EXPECT_EQ(RunGdfconv(asked).out, japanese.out);
    asked.back() = "en";
    EXPECT_EQ(RunGdfconv(asked, {}, -1, -1, "ja_JP.UTF-8").out, english.out);
    for (const char* word : {"Usage", "Options:", "Exit status", "Examples:"}) {
      EXPECT_EQ(japanese.out.find(word), std::string::npos) << word << "\n" << japanese.out;
    }
  }
  for (const char* command : {"convert", "preview"}) {
    for (const std::string lang : {"C", "ja_JP.UTF-8"}) {
      EXPECT_NE(
          RunGdfconv({command, "--help"}, {}, -1, -1, lang).out.find("変換が正常に終了しました。"),
          std::string::npos)
          << command << " " << lang;
    }
  }
}

TEST_F(EndToEndRun, EmptyTargetShowsTheDriveMessageFirst) {
  test::WriteCp932(dir / "b.gdf", "");
  const auto result = Convert(dir / "b.gdf", "");
  const auto drive = result.err.find("規定値のドライブ名が正しくありません。");
  const auto path = result.err.find("指定されたパスは正しくありません。");
  ASSERT_NE(drive, std::string::npos);
  ASSERT_NE(path, std::string::npos);
  EXPECT_LT(drive, path);
}

TEST_F(EndToEndRun, YesCreatesEveryMissingLevel) {
  test::WriteCp932(dir / "b.gdf", "");
  const auto result = Convert(dir / "b.gdf", dir / "out/two/three", {"--yes"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(fs::is_directory(dir.path() / "out/two/three"));
}

TEST_F(EndToEndRun, DriveMapAndWindowsPaths) {
  test::WriteCp932(dir / "b.gdf", "");
  const auto result =
      RunGdfconv({"convert", "--pattern-dir", dir / "pattern", "--drive",
                  "D=" + dir.path().string(), "--yes", "D:\\b.gdf", "D:\\OUT\\NEW"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(fs::is_directory(dir.path() / "out/NEW"));  // OUT matched the existing "out"
}

TEST_F(EndToEndRun, FailuresAfterTheChecksExitThreeAndWriteNothing) {
  const struct {
    std::string name;
    std::string bytes;
    std::string expected;  // in stderr
  } cases[] = {
      {"cut-short.gdf", test::Cp932Lines("$Z1\nheader\n$A2\n1.0\n砂\n"), "Line: 6"},
      {"lf-only.gdf", "$A1\n1.0\n", "$A"},  // found with LF line ends
      {"cr-only.gdf", "$A1\r1.0\r", "$A"},  // and with CR line ends
      {"invalid.gdf", "$A0\r\n\x82\x20\r\n", "Line: 2"},
      {"binary.gdf", std::string("\x00\xff\xfe\x81", 4), "offset"},
      {"count.gdf", "$S40000\r\n", "32 767"},
      {"header.gdf", "$Z33\r\nonly one\r\n", "$Z"},
      {"weather.gdf", "$W3\r\n1,5/1\r\n", "$W"},
  };
  for (const auto& c : cases) {
    test::WriteBytes(dir / c.name, c.bytes);
    const auto result = Convert(dir / c.name, dir / "out");
    EXPECT_EQ(result.exitCode, 3) << c.name << "\n" << result.err;
    EXPECT_NE(result.err.find(c.expected), std::string::npos) << c.name << "\n" << result.err;
    EXPECT_NE(result.err.find(c.name), std::string::npos) << result.err;  // names the file
  }
  EXPECT_TRUE(fs::is_empty(dir.path() / "out"));
}

TEST_F(EndToEndRun, PatternFolderThatDoesNotExistIsRefusedFirst) {
  const auto result = RunGdfconv({"convert", "--pattern-dir", dir / "nowhere", "", ""});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find(" VIRIZU の設定がありません."), std::string::npos);
  EXPECT_EQ(result.err.find("指定されたパス"), std::string::npos);  // before the path checks
}

TEST_F(EndToEndRun, UsageErrors) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                               {"frobnicate"},
                                               {"convert"},
                                               {"convert", "a"},
                                               {"convert", "--bogus", "a", "b"},
                                               {"convert", "--drive", "nonsense", "a", "b"},
                                               {"convert", "a", "b", "c"}}) {
    EXPECT_EQ(RunGdfconv(args).exitCode, 2);
  }
  const auto help = RunGdfconv({"convert", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--pattern-dir"), std::string::npos);
  EXPECT_EQ(RunGdfconv({"--help"}).exitCode, 0);
}

}  // namespace
}  // namespace gdf
