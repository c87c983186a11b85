// e2e_messages_test.cpp - Show, through the real gdfconv binary in Japanese and in English, that
// a refusal or a failure prints the system's own text first and then says which check, where
// and what to do, that nothing is written where the message says so, and that usage errors and
// the preview speak the language asked for. The language is asked for with --lang, so that the
// cases run on Windows too; the cases about the environment's language are POSIX only.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/host.h"
#include "support/mini_json.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

constexpr const char kJapanese[] = "ja";
constexpr const char kEnglish[] = "en";

// The drive path of a host path: itself on Windows; on POSIX on the drive Z:, which stands for
// "/".
std::string DrivePath(const std::string& host) {
  if (kHostPathsAreWindowsPaths) return host;
  std::string text = "Z:" + host;
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

// A text that only POSIX says (Windows has no drive of the map to suggest): empty on Windows,
// where it is not looked for.
std::string OnPosix(const std::string& text) { return kHostPathsAreWindowsPaths ? "" : text; }
// A text that only Windows says.
std::string OnWindows(const std::string& text) { return kHostPathsAreWindowsPaths ? text : ""; }

// `args` with "--lang LANG" after the command.
std::vector<std::string> InLanguage(std::vector<std::string> args, const char* lang) {
  args.insert(args.begin() + 1, {"--lang", lang});
  return args;
}

// Whether `said` holds every text of `texts` in this order; says which is missing.
::testing::AssertionResult SaysInOrder(const std::string& said,
                                       const std::vector<std::string>& texts) {
  std::size_t at = 0;
  for (const std::string& text : texts) {
    if (text.empty()) continue;
    const std::size_t found = said.find(text, at);
    if (found == std::string::npos) {
      return ::testing::AssertionFailure() << "missing: " << text << "\nin:\n" << said;
    }
    at = found + text.size();
  }
  return ::testing::AssertionSuccess();
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
        "a name with a dot must be eight-dot-three", OnPosix("was checked as the drive path"),
        OnPosix("--drive D=" + dir / "john.smith"), OnWindows("--drive W=" + dir / "john.smith"),
        OnWindows("subst W: " + dir / "john.smith")},
       {"指定されたパスは正しくありません。",
        "フォルダ名「john.smith」は「.」の後ろが３文字（３バイト）を超えています",
        "「.」を含む名前は 8.3 形式", OnPosix("--drive D=" + dir / "john.smith"),
        OnWindows("--drive W=" + dir / "john.smith"), OnWindows("subst W: " + dir / "john.smith")},
       {}},
      {"a folder name with a blank",
       {common, program, "--yes", dir / "b.gdf", dir / "my dir/out"},
       1,
       {"指定されたパスは正しくありません。", "The folder name \"my dir\" holds a blank",
        OnPosix("--drive D=\"" + dir / "my dir" + "\"")},
       {"指定されたパスは正しくありません。", "フォルダ名「my dir」に空白が含まれています。",
        OnPosix("--drive D=\"" + dir / "my dir" + "\"")},
       {}},
      {"a drive that is not mapped",
       {common, program, "--yes", dir / "b.gdf", "Q:\\OUT"},
       1,
       {"指定されたパスは正しくありません。", "Drive Q: is not mapped.", "--drive Q=DIR"},
       {"指定されたパスは正しくありません。", "ドライブ Q: は割り当てられていません。",
        "--drive Q=DIR"},
       "begin with / or ./"},
      {"a doubled backslash",
       {common, program, "--yes", dir / "b.gdf", DrivePath(dir / "out") + "\\\\X"},
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
      std::vector<std::string> args = {"convert", "--lang", lang};
      args.insert(args.end(), c.args.begin(), c.args.end());
      const auto result = RunGdfconv(args);
      const std::string context = std::string(c.why) + " (" + lang + ")\n" + result.err;
      EXPECT_EQ(result.exitCode, c.exitCode) << context;
      EXPECT_EQ(result.out, "") << context;
      EXPECT_TRUE(SaysInOrder(result.err, lang == kJapanese ? c.japanese : c.english)) << c.why;
      if (!c.absent.empty()) {
        EXPECT_EQ(result.err.find(c.absent), std::string::npos) << context;
      }
      EXPECT_EQ(Snapshot(), before) << context;
    }
  }
}

// The environment's language is the user's on POSIX only: on Windows it is the user's UI
// language, which a test cannot set.
#ifndef _WIN32
TEST_F(EndToEndMessages, LangOptionOverridesTheEnvironment) {
  constexpr const char kJapaneseLocale[] = "ja_JP.UTF-8";
  constexpr const char kEnglishLocale[] = "C";
  const std::vector<std::string> args = {"convert",       "--pattern-dir", dir / "pattern",
                                         "--program-dir", dir / "program", dir / "none.gdf",
                                         dir / "out"};
  std::vector<std::string> english = args;
  english.insert(english.begin() + 1, "--lang=en");
  std::vector<std::string> japanese = args;
  japanese.insert(japanese.begin() + 1, {"--lang", "ja"});
  EXPECT_NE(
      RunGdfconv(english, {}, -1, -1, kJapaneseLocale).err.find("There is no source data file"),
      std::string::npos);
  EXPECT_NE(RunGdfconv(japanese, {}, -1, -1, kEnglishLocale).err.find("」はありません。"),
            std::string::npos);
  // Without --lang the environment chooses, for a usage error too.
  const auto usage = RunGdfconv({"convert", "--frob"}, {}, -1, -1, kJapaneseLocale);
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_TRUE(SaysInOrder(usage.err, {"オプション '--frob' はありません"}));
  japanese[2] = "fr";
  EXPECT_EQ(RunGdfconv(japanese).exitCode, 2);
}
#endif

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
  // The work file of the name tables is a folder: the new name stops the run while X1.TXT is
  // being written.
  fs::create_directories(dir.path() / "pattern/XKISHITU.TMP");
  const struct {
    const char* lang;
    std::string said;
    std::string untrue;
  } cases[] = {
      {kEnglish, "X1.TXT (being written when the run stopped: it may be incomplete)",
       "No file was written"},
      {kJapanese, "X1.TXT（書き込み中に中断したため、不完全かもしれません）",
       "ファイルは何も書き込まれていません"},
  };
  for (const auto& c : cases) {
    const auto result =
        RunGdfconv({"convert", "--lang", c.lang, "--report", dir / "run.json", "--pattern-dir",
                    dir / "pattern", "--program-dir", dir / "program", dir / "b.gdf", dir / "out"});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find(c.untrue), std::string::npos) << result.err;
    // The report names it too, with the lock file the first run makes and the marker of added
    // names, which comes before the tables.
    const test::Json report = test::ParseJson(test::ReadBytes(dir / "run.json"));
    const bool first = c.lang == kEnglish;
    ASSERT_EQ(report["changed"].items.size(), first ? 3u : 2u);
    const test::Json& x1 = report["changed"][first ? 1 : 0];
    EXPECT_EQ(x1["path"].string, DrivePath(dir / "out") + "\\X1.TXT");
    EXPECT_TRUE(x1["mayBeIncomplete"].boolean);
    const test::Json& marker = report["changed"][first ? 2 : 1];
    EXPECT_EQ(marker["path"].string, DrivePath(dir / "program") + "\\PATADD.txt");
    EXPECT_FALSE(marker["mayBeIncomplete"].boolean);
    fs::remove(dir / "program/PATADD.txt");
  }
}

// A usage error says what was wrong and where the options are explained, in the language asked
// for (also when --lang comes after the fault), and does nothing else.
TEST_F(EndToEndMessages, UsageErrorsInBothLanguages) {
  const std::string source = dir / "b.gdf";
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> english;
    std::vector<std::string> japanese;
    bool langLast = false;  // --lang after the fault: it is read first all the same
  } cases[] = {
      {{"convert", "--frob", source, dir / "out"},
       {"gdfconv convert: unknown option '--frob'", "(see gdfconv convert --help)"},
       {"gdfconv convert: オプション '--frob' はありません",
        "（gdfconv convert --help を参照してください）"},
       true},
      {{"convert", source},
       {"gdfconv convert: expected SOURCE and TARGET"},
       {"SOURCE と TARGET を指定してください"}},
      {{"convert", "--lock-wait", "soon", source, dir / "out"},
       {"--lock-wait takes a whole number of seconds from 0 to 3600"},
       {"--lock-wait には 0 から 3600 までの整数の秒数を指定してください"}},
      {{"convert", source, dir / "out", "--drive"},
       {"--drive needs a value"},
       {"--drive には値が必要です"}},
      {{"convert", "--drive", "D", source, dir / "out"},
       {"--drive takes LETTER=FOLDER"},
       {"--drive には LETTER=FOLDER を指定してください"}},
      {{"preview", "--pattern-dir", dir / "pattern", source},
       {"gdfconv preview: expected -o FILE.svg", "(see gdfconv preview --help)"},
       {"gdfconv preview: -o FILE.svg を指定してください"}},
      {{"preview", "--pattern-dir", dir / "pattern", source, "-o", dir / "no/such/p.svg"},
       {"the picture file " + dir / "no/such/p.svg" + " cannot be written"},
       {"図のファイル " + dir / "no/such/p.svg" + " に書き込めません"}},
      {{"batch", source},
       {"gdfconv batch: give either --target-root DIR with the sources, or --list FILE"},
       {"--target-root DIR と変換元ファイル、または --list FILE のどちらか一方"}},
      {{"batch", "--list", dir / "none.txt"},
       {"the list file " + dir / "none.txt" + " cannot be read"},
       {"一覧のファイル " + dir / "none.txt" + " を読めません"}},
      {{"check", "--format", "xml", source},
       {"gdfconv check: --format needs text or json", "(see gdfconv check --help)"},
       {"gdfconv check: --format には text か json を指定してください"}},
      {{"check"}, {"expected at least one SOURCE"}, {"SOURCE を一つ以上指定してください"}},
  };
  for (const auto& c : cases) {
    for (const char* lang : {kJapanese, kEnglish}) {
      const auto before = Snapshot();
      std::vector<std::string> args = InLanguage(c.args, lang);
      if (c.langLast) {
        args = c.args;
        args.insert(args.end(), {"--lang", lang});
      }
      const auto result = RunGdfconv(args);
      EXPECT_EQ(result.exitCode, 2) << c.args[1] << " (" << lang << ")\n" << result.err;
      EXPECT_EQ(result.out, "");
      EXPECT_TRUE(SaysInOrder(result.err, lang == kJapanese ? c.japanese : c.english));
      EXPECT_EQ(Snapshot(), before) << c.args[1];
    }
  }
  // An unknown command has no command to read --lang for; the language is still the one asked.
  EXPECT_TRUE(SaysInOrder(RunGdfconv({"bogus", "--lang", "ja"}).err,
                          {"gdfconv: コマンド 'bogus' はありません"}));
  EXPECT_TRUE(
      SaysInOrder(RunGdfconv({"bogus", "--lang=en"}).err, {"gdfconv: unknown command 'bogus'"}));
}

// The preview says how the run would end, and what it finds, in the language asked for: on the
// terminal, in the picture and on the batch's page.
TEST_F(EndToEndMessages, PreviewInBothLanguages) {
  test::WriteCp932(dir / "w.gdf", "$W2\n1,1/1\n2,5-12\n");
  test::WriteCp932(dir / "count.gdf", "$S5\n");
  test::WriteCp932(dir / "up.gdf", "$A2\n2.0\n砂\n\n\n\n\n\n\n\n1.0\n新しい土\n\n\n\n\n\n\n\n");
  const struct {
    const char* source;
    int exitCode;
    std::vector<std::string> out;      // English, then Japanese
    std::vector<std::string> err;      // English, then Japanese
    std::vector<std::string> picture;  // English, then Japanese
  } cases[] = {
      {"up.gdf",
       0,
       {"wrote ", " (1 column, 1 finding)", "を書き込みました（列 1、指摘 1 件）"},
       {"", ""},
       {"X1.TXT line 2: the depth [1.0] lies above the one before it [2.0]: the layers are out "
        "of order.",
        "X1.TXT の 2 行目：深度 [1.0] が一つ前の [2.0] より浅くなっています。層の順序が逆です。"}},
      {"w.gdf",
       3,
       {"wrote ", "を書き込みました"},
       {"gdfconv preview: the run would fail: $W line 3: Record 2 has the date [5-12]",
        "gdfconv preview: 変換すると中断します：$W 3 行目：レコード 2 の日付 [5-12]"},
       {"failed: $W line 3: Record 2", "中断：$W 3 行目：レコード 2"}},
      // What check finds comes into the picture in the language asked for.
      {"count.gdf",
       3,
       {"wrote ", "を書き込みました"},
       {"", ""},
       {"source line 1: The count 5 promises more records than the 0",
        "変換元ファイルの 1 行目：件数 5 に対して、タグ行の後にあるレコードは 0 しかありません。"}},
      {"none.gdf",
       1,
       {"wrote ", "を書き込みました"},
       {"", ""},
       {"refused: 変換元ファイルが選択されていません。 There is no source data file",
        "拒否：変換元ファイルが選択されていません。変換元ファイル「"}},
  };
  for (const auto& c : cases) {
    for (const char* lang : {kEnglish, kJapanese}) {
      const bool english = lang == kEnglish;
      const auto pick = [&](const std::vector<std::string>& both) {
        return english ? std::vector<std::string>(both.begin(), both.end() - 1)
                       : std::vector<std::string>{both.back()};
      };
      const std::string picture = dir / (std::string(lang) + ".svg");
      const auto result =
          RunGdfconv(InLanguage({"preview", "--pattern-dir", dir / "pattern", "--program-dir",
                                 dir / "program", dir / c.source, "-o", picture},
                                lang));
      EXPECT_EQ(result.exitCode, c.exitCode) << c.source << " " << lang << "\n" << result.err;
      EXPECT_TRUE(SaysInOrder(result.out, pick(c.out))) << c.source;
      EXPECT_TRUE(SaysInOrder(result.err, pick(c.err))) << c.source;
      EXPECT_TRUE(SaysInOrder(test::ReadBytes(picture), pick(c.picture))) << c.source;
      fs::remove(picture);
    }
  }

  // A batch's page and its pictures, in Japanese.
  fs::create_directories(dir.path() / "src");
  fs::copy_file(dir / "up.gdf", dir / "src/up.gdf");
  const auto batch =
      RunGdfconv(InLanguage({"batch", "--quiet", "--dry-run", "--pattern-dir", dir / "pattern",
                             "--program-dir", dir / "program", "--target-root", dir / "out",
                             "--preview-dir", dir / "pictures", dir / "src"},
                            kJapanese));
  EXPECT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_TRUE(
      SaysInOrder(test::ReadBytes(dir / "pictures/index.html"),
                  {"<html lang=\"ja\">", "<h1>gdfconv プレビュー</h1>",
                   "ファイル 1 個：変換 1、拒否 0、中断 0（試し変換：何も書き込んでいません）",
                   "完了", "（指摘 1 件を図に示しています）"}));
  EXPECT_TRUE(SaysInOrder(test::ReadBytes(dir / "pictures/up.svg"),
                          {"土質名", "X1.TXT", "新規", "層の順序が逆です。"}));
}

}  // namespace
}  // namespace gdf
