// check.cpp - `gdfconv check --help`: its text in both languages, the words of each host for
// its markers (@PATHS@, @EXAMPLES@), and its examples.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr const char16_t kCheckJa[] =
    uR"(使い方: gdfconv check [オプション] SOURCE...

各変換元ファイルを変換の実行と同じように読み、何も書き込みません。見つかったセクション
（タグ、タグ行の行番号、個数、実際にあるもの）と、すべての問題をその行と重大度とともに
一覧します:

  error    変換は何も書き込む前にそこで止まる（ファイルにあるより多くのレコードを示す個数、
           別のセクションのタグ行まで読み込む個数、コードページ 932 でないバイト、「/」の
           ない日付、32 767 を超える個数、テーブルに入らない値）
  warning  変換は続くが、おそらく意図どおりではない: セクションの前、間、後ろにあって
           どの検索も届かない行、セクションの２つ目のタグ行（とそれをレコードとして読む個数）、
           延ばす項目のない「～」、深度の昇順になっていない「$O」の系列、数値でない深度、
           本文のない「$K」のレコード、テーブルが二重引用符で囲んで持つ名前

@PATHS@

オプション:
  --format text|json  出力の形式（既定 text）
  --lang ja|en        指摘の言語（既定: @LANG_DEFAULT@）
  --drive X=DIR       @DRIVE@
  --help              この説明を表示する

終了ステータス:
  0  どのファイルにもエラーがない（警告はあってもよい）
  1  いずれかのファイルにエラーがあるか、読めないファイルがある
  2  使い方の誤り

例:
@EXAMPLES@)";

constexpr const char16_t kCheckEn[] =
    uR"(Usage: gdfconv check [options] SOURCE...

Reads each source data file as a conversion run would read it and writes nothing. Lists every
section found (its tag, the line of its tag line, its count and what actually stands there)
and every problem with its line and severity:

  error    the run would stop there, before it writes anything (a count that promises more
           records than the file holds, or that would take in another section's tag line,
           bytes that are not code page 932, a date without "/", a count beyond 32 767, a
           value that the tables cannot hold)
  warning  the run goes on, but probably not as meant: lines before, between or after the
           sections that no search reaches, a second tag line of a section (and a count that
           reads it as a record), a "～" with no entry to extend, a "$O" series out of ascending depth, depths that are not numbers,
           a "$K" record without text, names that the tables will hold in double quotes

@PATHS@

Options:
  --format text|json  the form of the output (default text)
  --lang ja|en        the language of the findings (default: @LANG_DEFAULT@)
  --drive X=DIR       @DRIVE@
  --help              show this text

Exit status:
  0  no file has an error (warnings allowed)
  1  some file has an error, or cannot be read
  2  usage error

Examples:
@EXAMPLES@)";

constexpr const char16_t kCheckPathsPosixJa[] =
    u"SOURCE はホストのパス（/、./、../、~/ で始まるもの）か、ドライブの割り当てを通した\n"
    u"ドライブのパスです。";

constexpr const char16_t kCheckPathsPosixEn[] =
    u"SOURCE is a host path (beginning with /, ./, ../ or ~/) or a drive path through the drive "
    u"map.";

constexpr const char16_t kCheckPathsWindowsJa[] =
    u"SOURCE は Windows のパスです。「.\\」や「..\\」で始まるものは現在のフォルダから辿ります。";

constexpr const char16_t kCheckPathsWindowsEn[] =
    u"SOURCE is a Windows path; one that begins with \".\\\" or \"..\\\" is taken from the current "
    u"folder.";

constexpr const char16_t kCheckExamplesPosix[] =
    u"  gdfconv check ./B-1.gdf\n"
    u"  gdfconv check --format json data/*.gdf > check.json\n"
    u"  gdfconv check --drive D=/srv/borings 'D:\\2003\\B-1.gdf'\n";

constexpr const char16_t kCheckExamplesWindows[] =
    u"  gdfconv check D:\\2003\\B-1.gdf\n"
    u"  gdfconv check --format json .\\B-1.gdf .\\B-2.gdf > check.json\n";

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpCheck, kCheckJa, kCheckEn},
    {M::kHelpCheckPathsPosix, kCheckPathsPosixJa, kCheckPathsPosixEn},
    {M::kHelpCheckPathsWindows, kCheckPathsWindowsJa, kCheckPathsWindowsEn},
    {M::kHelpCheckExamplesPosix, kCheckExamplesPosix, kCheckExamplesPosix},
    {M::kHelpCheckExamplesWindows, kCheckExamplesWindows, kCheckExamplesWindows},
};

}  // namespace

std::span<const CatalogueEntry> CheckHelpTexts() { return kEntries; }

}  // namespace gdf
