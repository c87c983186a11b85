// e2e_messages_test.cpp - Show, through the real gdfconv binary in Japanese and in English, that
// a refusal or a failure prints the system's own text first and then says which check, where
// and what to do, and that nothing is written where the message says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/test_support.h"

// The cases name host folders under "/", which the drive Z: stands for on POSIX.
#ifndef _WIN32

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

constexpr const char kJapanese[] = "ja_JP.UTF-8";
constexpr const char kEnglish[] = "C";

// The Windows form of a host path on the drive Z:, which stands for "/".
std::string OnDriveZ(const std::string& host) {
  std::string text = "Z:" + host;
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

class EndToEndMessages : public ::testing::Test {
 protected:
  EndToEndMessages() {
    fs::create_directories(dir.path() / "pattern");
    for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    test::WriteCp932(dir / "pattern/KISHITU.TXT", "1001,砂,    ,    ,    ,0000\n");
    fs::create_directories(dir.path() / "program");
    fs::create_directories(dir.path() / "out");
    fs::create_directories(dir.path() / "sys");
    // One layer with a new name: a run that gets to it grows both name tables.
    test::WriteCp932(dir / "b.gdf", "$A1\n1.0\n新しい土\n\n\n\n\n\n\n\n");
  }

  // Every file under the work folder with its bytes.
  std::vector<std::pair<std::string, std::string>> Snapshot() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
      if (entry.is_regular_file()) {
        files.emplace_back(entry.path().string(), test::ReadBytes(entry.path().string()));
      } else if (entry.is_directory()) {
        files.emplace_back(entry.path().string() + "/", "");
      }
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  test::TempDir dir;
};

TEST_F(EndToEndMessages, RefusalsAndFailuresSayWhyAndWhatToDoInBothLanguages) {
  test::WriteCp932(dir / "w.gdf", "$W2\n1,1/1\n2,5-12\n");
  test::WriteBytes(dir / "utf8.gdf", "$A1\n1.0\n新しい土\n\n\n\n\n\n\n\n");
  fs::create_directories(dir.path() / "john.smith");
  fs::create_directories(dir.path() / "my dir");
  const std::string common = "--pattern-dir=" + dir / "pattern";
  const std::string program = "--program-dir=" + dir / "program";
  const struct {
    const char* why;
    std::vector<std::string> args;
    int exitCode;
    std::vector<std::string> english;   // in stderr, in this order
    std::vector<std::string> japanese;  // in stderr, in this order
    std::string absent;                 // in neither language
  } cases[] = {
      {"a date without a slash, found before anything is written",
       {common, program, dir / "w.gdf", dir / "out"},
       3,
       {"The conversion stopped in $W.",
        "Record 2 has the date [5-12], which has no \"/\" between month and day.",
        "No file was written, and no table of the pattern-data folder was changed."},
       {"変換を中断しました（$W）。", "レコード 2 の日付 [5-12] の月と日の間に「/」がありません。",
        "ファイルは何も書き込まれていません。"},
       "Files written before"},
      {"a source saved as UTF-8, named as such at its first line with a multi-byte character",
       {common, program, dir / "utf8.gdf", dir / "out"},
       3,
       {"The conversion stopped in source file.", "UTF-8: save it as Shift-JIS (CP932).",
        "line 3: 新しい土", "No file was written"},
       {"変換を中断しました（変換元ファイル）。",
        "UTF-8: シフト JIS（CP932）で保存し直してください。", "3 行目です：新しい土",
        "ファイルは何も書き込まれていません。"},
       "not code page 932"},
      {"a folder name with more than three characters after its dot",
       {common, program, "--yes", dir / "b.gdf", dir / "john.smith/out"},
       1,
       {"指定されたパスは正しくありません。",
        "The folder name \"john.smith\" has more than three characters (bytes) after its dot",
        "was checked as the drive path", "--drive D=" + dir / "john.smith"},
       {"指定されたパスは正しくありません。",
        "フォルダ名「john.smith」は「.」の後ろが３文字（３バイト）を超えています",
        "--drive D=" + dir / "john.smith"},
       {}},
      {"a folder name with a blank",
       {common, program, "--yes", dir / "b.gdf", dir / "my dir/out"},
       1,
       {"指定されたパスは正しくありません。", "The folder name \"my dir\" holds a blank",
        "--drive D=" + dir / "my dir"},
       {"指定されたパスは正しくありません。", "フォルダ名「my dir」に空白が含まれています。",
        "--drive D=" + dir / "my dir"},
       {}},
      {"a drive that is not mapped",
       {common, program, "--yes", dir / "b.gdf", "Q:\\OUT"},
       1,
       {"指定されたパスは正しくありません。", "Drive Q: is not mapped.", "--drive Q=DIR"},
       {"指定されたパスは正しくありません。", "ドライブ Q: は割り当てられていません。",
        "--drive Q=DIR"},
       "begin with / or ./"},
      {"a doubled backslash",
       {common, program, "--yes", dir / "b.gdf", OnDriveZ(dir / "out") + "\\\\X"},
       1,
       {"指定されたパスは正しくありません。", "The path holds a doubled \"\\\" after"},
       {"指定されたパスは正しくありません。", "の後ろで「\\」が二つ続いています。"},
       {}},
      {"a wildcard",
       {common, program, "--yes", dir / "b.gdf", dir / "out*"},
       1,
       {"指定されたパスは正しくありません。", "The path holds the wildcard \"*\"."},
       {"指定されたパスは正しくありません。", "パスにワイルドカード「*」が含まれています。"},
       {}},
      {"no settings file",
       {"--system-dir", dir / "sys", program, dir / "b.gdf", dir / "out"},
       1,
       {" VIRIZU の設定がありません.", "There is no settings file \"" + dir / "sys/VirizuV5.ini",
        "--pattern-dir DIR"},
       {" VIRIZU の設定がありません.",
        "設定ファイル「" + dir / "sys/VirizuV5.ini" + "」がありません。", "--pattern-dir DIR"},
       {}},
      {"a source that does not exist",
       {common, program, dir / "none.gdf", dir / "out"},
       1,
       {"変換元ファイルが選択されていません。", "There is no source data file"},
       {"変換元ファイルが選択されていません。", "」はありません。"},
       "is a folder"},
      {"a source that is a folder",
       {common, program, dir / "john.smith", dir / "out"},
       1,
       {"変換元ファイルが選択されていません。", "is a folder; give a source data file (*.gdf)."},
       {"変換元ファイルが選択されていません。", "」はフォルダです。"},
       "There is no source"},
      {"a target that names a file, refused before the question",
       {common, program, "--yes", dir / "b.gdf", dir / "w.gdf"},
       1,
       {"指定されたパスは正しくありません。", "is a file, not a folder", "Nothing was written."},
       {"指定されたパスは正しくありません。", "」はファイルです。", "何も書き込んでいません。"},
       "フォルダがありません。新規作成しますか？"},
      {"a program folder that cannot take the marker, found before the tables grow",
       {common, "--program-dir=" + dir / "program/missing", dir / "b.gdf", dir / "out"},
       1,
       {"PATADD.txt cannot be created in the program folder", "--program-dir DIR",
        "Nothing was written."},
       {"PATADD.txt を作成できません", "--program-dir DIR", "何も書き込んでいません。"},
       {}},
  };
  for (const auto& c : cases) {
    for (const char* lang : {kJapanese, kEnglish}) {
      const auto before = Snapshot();
      std::vector<std::string> args = {"convert"};
      args.insert(args.end(), c.args.begin(), c.args.end());
      const auto result = RunGdfconv(args, {}, -1, -1, lang);
      const std::string context = std::string(c.why) + " (" + lang + ")\n" + result.err;
      EXPECT_EQ(result.exitCode, c.exitCode) << context;
      EXPECT_EQ(result.out, "") << context;
      std::size_t at = 0;
      for (const std::string& text : lang == kJapanese ? c.japanese : c.english) {
        const std::size_t found = result.err.find(text, at);
        EXPECT_NE(found, std::string::npos) << "missing: " << text << "\n" << context;
        if (found != std::string::npos) at = found + text.size();
      }
      if (!c.absent.empty()) {
        EXPECT_EQ(result.err.find(c.absent), std::string::npos) << context;
      }
      EXPECT_EQ(Snapshot(), before) << context;
    }
  }
}

TEST_F(EndToEndMessages, LangOptionOverridesTheEnvironment) {
  const std::vector<std::string> args = {"convert",       "--pattern-dir", dir / "pattern",
                                         "--program-dir", dir / "program", dir / "none.gdf",
                                         dir / "out"};
  std::vector<std::string> english = args;
  english.insert(english.begin() + 1, "--lang=en");
  std::vector<std::string> japanese = args;
  japanese.insert(japanese.begin() + 1, {"--lang", "ja"});
  EXPECT_NE(RunGdfconv(english, {}, -1, -1, kJapanese).err.find("There is no source data file"),
            std::string::npos);
  EXPECT_NE(RunGdfconv(japanese, {}, -1, -1, kEnglish).err.find("」はありません。"),
            std::string::npos);
  japanese[2] = "fr";
  EXPECT_EQ(RunGdfconv(japanese).exitCode, 2);
}

TEST_F(EndToEndMessages, QuietPrintsOnlyTheCompletionText) {
  const auto result =
      RunGdfconv({"convert", "--quiet", "--yes", "--pattern-dir", dir / "pattern", "--program-dir",
                  dir / "program", dir / "b.gdf", dir / "out/new/B-1"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "変換が正常に終了しました。\n");
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(test::Exists(dir / "out/new/B-1/X1.TXT"));
}

TEST_F(EndToEndMessages, AFailureWhileWritingDoesNotClaimThatNothingWasWritten) {
  fs::create_directories(dir.path() / "out/X1.TXT");  // a record file that is a folder
  const struct {
    const char* lang;
    std::string said;
    std::string untrue;
  } cases[] = {
      {kEnglish, "X1.TXT\", which was being written, may be incomplete.", "No file was written"},
      {kJapanese, "X1.TXT」は不完全かもしれません。", "ファイルは何も書き込まれていません"},
  };
  for (const auto& c : cases) {
    const auto result = RunGdfconv({"convert", "--pattern-dir", dir / "pattern", "--program-dir",
                                    dir / "program", dir / "b.gdf", dir / "out"},
                                   {}, -1, -1, c.lang);
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find(c.untrue), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace gdf

#endif
