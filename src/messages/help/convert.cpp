// convert.cpp - `gdfconv convert --help`: its text in both languages, the words of each host
// for its markers (@PATHS@, @EXAMPLES@), and its examples.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr const char16_t kConvertJa[] =
    uR"(使い方: gdfconv convert [オプション] SOURCE TARGET

変換元ファイル SOURCE を変換先フォルダ TARGET のレコードファイルに変換し、新しい名前を
パターンデータフォルダの参照テーブルに追加します。

SOURCE と TARGET には、ウィンドウの２つのテキストボックスに入れるものを指定します。
@PATHS@

オプション:
  --pattern-dir DIR   パターンデータフォルダ（ホストのフォルダ）。省略時は、システム
                      フォルダの VirizuV5.ini に書かれたフォルダを使う
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ（既定: gdfconv の
                      実行ファイルのあるフォルダ）
  --drive X=DIR       @DRIVE@
  --yes               変換先フォルダがないとき、作成するかの問いに「はい」と答える
                      （省略時は、端末なら問い、端末でなければ「いいえ」と答える）
  --lock-wait SECONDS 同じパターンデータフォルダを変換中のほかのパソコンやプログラムを待つ
                      秒数（0～3600、既定 30）。待つ間は、誰を待っているかを表示する。
                      過ぎると終了ステータス 3 で失敗する
  --quiet             完了メッセージだけを表示する。中断したときは、中断した段階と理由の
                      2 行だけを表示する
  --lang ja|en        プログラム独自のメッセージの言語（既定: @LANG_DEFAULT@）
  --dry-run           ファイルを一切書き込まずに実行と同じことをし、することを一覧する。
                      変換先フォルダとパターンデータフォルダの各ファイルについて、書くか、
                      追記するか、そのままかを、行数と追加するテーブル行とともに示す。
                      変換先フォルダがなければ「はい」と答えたものとする。
                      終了ステータスは実行したときと同じ
  --report FILE.json  実行の報告を JSON で FILE.json（ホストのパス）に書く。入力、書いた
                      各ファイルとそのサイズと行数、追加した各テーブル行、そして完了メッセージ、
                      拒否、または失敗とその段階・ファイル・行。--dry-run では各フォルダに
                      何をするかも書く
  --preview FILE.svg  実行が書いたもの（--dry-run では書くはずのもの）を SVG の図にも描く。
                      図はレコードファイルそのものから読み直す（gdfconv preview --help を
                      参照）。実行が拒否されたり失敗したりしたときも図を書く
  --help              この説明を表示する

終了ステータス:
  0  実行が「変換が正常に終了しました。」で終わった（標準出力）
  1  チェックが実行を拒否した（そのメッセージは標準エラー出力）。何も書き込んでいない
  2  使い方の誤り
  3  変換中に失敗した。標準エラー出力に段階、ファイル、変換元の行を示す。失敗の前に
     書いたファイルは残る

例:
@EXAMPLES@)";

constexpr const char16_t kConvertEn[] =
    uR"(Usage: gdfconv convert [options] SOURCE TARGET

Converts the source data file SOURCE into record files in the target folder TARGET, and adds
new names to the lookup tables of the pattern-data folder.

SOURCE and TARGET are what the window's two text boxes would hold. @PATHS@

Options:
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of the gdfconv executable)
  --drive X=DIR       @DRIVE@
  --yes               answer Yes when asked whether to create a missing target folder
                      (without it the question is asked on a terminal, else answered No)
  --lock-wait SECONDS how long to wait for another PC or program that is converting into
                      the same pattern-data folder (0 to 3600, default 30), saying whom it
                      waits for; then the run fails with exit 3
  --quiet             print only the completion text; after a stop, only the stage and the
                      reason, in two lines
  --lang ja|en        the language of the program's own messages (default: @LANG_DEFAULT@)
  --dry-run           do everything the run would do without writing any file, and list what
                      it would do: each file of the target folder and of the pattern-data folder
                      written, grown or left alone, with line counts and the table lines it
                      would add; a missing target folder is taken as answered Yes. The exit
                      status is the one the run would have
  --report FILE.json  write the run's report as JSON to FILE.json (host path): the inputs,
                      every file written with its size and line count, every table line added,
                      and the completion text, the refusal or the failure with its stage, file
                      and line; with --dry-run, also what the run would do to each folder
  --preview FILE.svg  also draw what the run wrote (or, with --dry-run, would write) as an SVG
                      picture, read back from the record files themselves (see gdfconv preview
                      --help); the picture is written also when the run is refused or fails
  --help              show this text

Exit status:
  0  the run ended with "変換が正常に終了しました。" (on stdout)
  1  a check refused the run (its message on stderr); nothing was written
  2  usage error
  3  the run failed during the conversion; stderr names the stage, the file and the source
     line; files written before the failure stay

Examples:
@EXAMPLES@)";

constexpr const char16_t kConvertPathsPosixJa[] =
    u"「/」「./」「../」「~/」で始まるテキストはホストのパスで、ドライブの割り当てを通して\n"
    u"ドライブのパスに直します（それを含む割り当てフォルダのうち最も長いものを使います）。\n"
    u"それ以外のテキスト（「D:\\WORK\\B-1」「DATA」）はそのまま実行に渡します。";

constexpr const char16_t kConvertPathsPosixEn[] =
    u"A text that begins with\n"
    u"\"/\", \"./\", \"../\" or \"~/\" is a host path and is turned into a drive path through the "
    u"drive map\n"
    u"(the longest mapped folder that holds it wins); any other text (\"D:\\WORK\\B-1\", \"DATA\") "
    u"reaches\n"
    u"the run unchanged.";

constexpr const char16_t kConvertPathsWindowsJa[] =
    u"どちらも Windows で入力するとおりの Windows のパスです（「D:\\WORK\\2003\\B-1」）。\n"
    u"「.\\」や「..\\」で始まるものは現在のフォルダを基準に絶対パスにし、それ以外のテキスト\n"
    u"（「DATA」）はそのまま実行に渡します。";

constexpr const char16_t kConvertPathsWindowsEn[] =
    u"They are Windows paths as\n"
    u"typed there (\"D:\\WORK\\2003\\B-1\"); a text that begins with \".\\\" or \"..\\\" is made "
    u"absolute\n"
    u"against the current folder, and any other text (\"DATA\") reaches the run unchanged.";

constexpr const char16_t kConvertExamplesPosix[] =
    u"  gdfconv convert --pattern-dir ~/pattern --yes ./B-1.gdf ./out/B-1\n"
    u"  gdfconv convert --drive D=/srv/borings 'D:\\2003\\B-1.gdf' 'D:\\WORK\\2003\\SITE\\B-1'\n"
    u"  gdfconv convert --dry-run --pattern-dir ~/pattern ./B-1.gdf ./out/B-1\n"
    u"  gdfconv convert --pattern-dir ~/pattern --yes --report B-1.json ./B-1.gdf ./out/B-1\n"
    u"  gdfconv convert --pattern-dir ~/pattern --yes --preview B-1.svg ./B-1.gdf ./out/B-1\n";

constexpr const char16_t kConvertExamplesWindows[] =
    u"  gdfconv convert D:\\2003\\B-1.gdf D:\\WORK\\2003\\SITE\\B-1\n"
    u"  gdfconv convert --yes --pattern-dir C:\\PATTERN .\\B-1.gdf .\\OUT\\B-1\n"
    u"  gdfconv convert --dry-run .\\B-1.gdf D:\\WORK\\B-1\n"
    u"  gdfconv convert --yes --report B-1.json --preview B-1.svg .\\B-1.gdf D:\\WORK\\B-1\n"
    u"  gdfconv convert --drive W=\"C:\\Users\\tanaka\\My borings\" W:\\B-1.gdf W:\\OUT\\B-1\n";

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpConvert, kConvertJa, kConvertEn},
    {M::kHelpConvertPathsPosix, kConvertPathsPosixJa, kConvertPathsPosixEn},
    {M::kHelpConvertPathsWindows, kConvertPathsWindowsJa, kConvertPathsWindowsEn},
    {M::kHelpConvertExamplesPosix, kConvertExamplesPosix, kConvertExamplesPosix},
    {M::kHelpConvertExamplesWindows, kConvertExamplesWindows, kConvertExamplesWindows},
};

}  // namespace

std::span<const CatalogueEntry> ConvertHelpTexts() { return kEntries; }

}  // namespace gdf
