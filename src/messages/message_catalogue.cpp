// message_catalogue.cpp - The catalogue's texts in both languages, and their rendering.
#include "messages/message_catalogue.h"

#include <array>
#include <string>

#include "messages/system_texts.h"
#include "platform/file_system.h"
#include "platform/host.h"

namespace gdf {
namespace {

struct Entry {
  MessageId id;
  const char16_t* japanese;
  const char16_t* english;
};

using M = MessageId;

// The help texts: the command line's usage, each command's --help and the window's. A marker
// (@PATHS@, @SYSTEM_DIR@, @DRIVE@, @LANG_DEFAULT@, @EXAMPLES@) stands for words that differ
// between the hosts, which the front end puts in; the examples are commands, the same in both
// languages.
namespace help {

constexpr const char16_t kUsageJa[] =
    uR"(gdfconv - ボーリング柱状図の変換元ファイル（*.gdf）をレコードファイルに変換します

使い方:
  gdfconv convert [オプション] SOURCE TARGET
                                            変換元ファイルを１つ変換する（--dry-run で
                                            何をするかを確認、--report FILE.json で
                                            スクリプト向けの報告）
  gdfconv check [オプション] SOURCE...      変換元ファイルのセクションと問題を一覧する
  gdfconv preview [オプション] SOURCE -o FILE.svg
                                            実行が作図システムに渡すものを図に描く
                                            （書き込むのは図だけ）
  gdfconv batch [オプション] --target-root DIR SOURCE...
  gdfconv batch [オプション] --list FILE    多数の変換元ファイルを、それぞれ専用の
                                            フォルダに変換する
  gdfconv tables [オプション]               パターンデータフォルダの参照表を点検する
                                            （--log で追加の記録を一覧）
  gdfconv --help                            この説明を表示する
  gdfconv COMMAND --help                    コマンドのオプションと例を表示する

終了ステータス: 0 変換した、1 チェックで拒否された、2 使い方の誤り、3 変換中に失敗した。
check では 0 エラーなし、1 いずれかのファイルにエラーがある。
)";

constexpr const char16_t kUsageEn[] =
    uR"(gdfconv - converts boring-log source data files (*.gdf) into record files

Usage:
  gdfconv convert [options] SOURCE TARGET   convert one source data file (--dry-run to see
                                            what it would do, --report FILE.json for scripts)
  gdfconv check [options] SOURCE...         list the sections and problems of source files
  gdfconv preview [options] SOURCE -o FILE.svg
                                            draw what a run would hand the drawing system,
                                            writing nothing but the picture
  gdfconv batch [options] --target-root DIR SOURCE...
  gdfconv batch [options] --list FILE       convert many source files, each into its own folder
  gdfconv tables [options]                  check the health of a pattern-data folder's tables
                                            (--log: who added what)
  gdfconv --help                            show this text
  gdfconv COMMAND --help                    the options of a command, with examples

Exit status: 0 converted, 1 refused by a check, 2 usage error, 3 failed during the conversion;
check: 0 no errors, 1 some file has an error.
)";

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

constexpr const char16_t kBatchJa[] =
    uR"(使い方: gdfconv batch [オプション] --target-root DIR SOURCE...
        gdfconv batch [オプション] --list FILE

多数の変換元ファイルを１回の呼び出しで、同じパターンデータフォルダに対して順に変換します。
それぞれ専用の変換先フォルダに入ります。--target-root では DIR の中にファイルの拡張子を
除いた名前のフォルダを作り（B-1.gdf なら DIR\B-1）、なければ作成します。--list では一覧が
示す変換先に入ります。拒否されたり失敗したりしたファイルがあってもバッチは止まりません。
最後の集計表に、各ファイルの結果と理由を示します。

フォルダである SOURCE は、その中の *.gdf ファイルすべてを表します。
@PATHS@

端末では、変換中のファイル（N 個中の n 番目、その名前、経過時間）を進み具合のバーで
示します。端末でなければ、ファイルごとに１行を表示します。

オプション:
  --target-root DIR   変換元ファイルごとのフォルダを受け取るフォルダ。ないときは
                      --yes があるときだけ作成する
  --list FILE         組を１行に１つ書いた UTF-8 のテキストファイル: SOURCE、タブ、
                      TARGET。空行と「#」で始まる行は読み飛ばす
  --pattern-dir DIR   パターンデータフォルダ（ホストのフォルダ）。省略時は、システム
                      フォルダの VirizuV5.ini に書かれたフォルダを使う
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ
  --drive X=DIR       @DRIVE@
  --yes               ない変換先ルートを作成し、一覧の変換先がないときは「はい」と答える
                      （省略時はそのファイルを拒否する）
  --lock-wait SECONDS 各変換が、同じパターンデータフォルダを変換中のほかのパソコンや
                      プログラムを待つ秒数（0～3600、既定 30）
  --dry-run           ファイルを一切書き込まずにすべてを行う。後のファイルは、前の
                      ファイルが追加するはずのテーブル行を見る
  --report FILE.json  すべての実行の報告を JSON で FILE.json（ホストのパス）に書く
  --preview-dir DIR   各ファイルの図を DIR（ホストのフォルダ、なければ作成する）に STEM.svg
                      として描く。図はその実行が書いたファイルから読み直す。すべての図を
                      並べ、各図の上にファイルの結果を示す index.html も書く（gdfconv
                      preview --help を参照）
  --quiet             集計の行と、変換できなかったファイルごとの理由の 1 行だけを表示する
  --lang ja|en        プログラム独自のメッセージの言語（既定: @LANG_DEFAULT@）
  --help              この説明を表示する

終了ステータス:
  0  すべてのファイルを変換した
  1  失敗したファイルはないが、チェックで拒否されたものがある（そのメッセージは集計表に）
  2  使い方の誤り
  3  変換中に失敗したファイルがある

例:
@EXAMPLES@)";

constexpr const char16_t kBatchEn[] =
    uR"(Usage: gdfconv batch [options] --target-root DIR SOURCE...
       gdfconv batch [options] --list FILE

Converts many source data files in one call, one after another, against the same pattern-data
folder. Each goes into its own target folder: with --target-root, a folder per file named after
the file's stem inside DIR (B-1.gdf into DIR\B-1), which the batch creates when it is missing;
with --list, the targets that the list names. A file that is refused or fails does not stop
the batch; a summary table at the end gives the outcome of each, with the reason.

A SOURCE that is a folder stands for every *.gdf file in it. @PATHS@

On a terminal a progress bar shows the file being converted (file n of N, its name, the time
elapsed); otherwise one line is printed per file.

Options:
  --target-root DIR   the folder that receives a folder per source data file; when it does not
                      exist it is created only with --yes
  --list FILE         a UTF-8 text file of pairs, one a line: SOURCE, a tab, TARGET; blank lines
                      and lines that begin with "#" are passed over
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder, where PATADD.txt is left
  --drive X=DIR       map drive letter X to host folder DIR (repeatable)
  --yes               create a missing target root, and answer Yes for missing targets of a
                      list (without it such a file is refused)
  --lock-wait SECONDS how long each run waits for another PC or program that is converting
                      into the same pattern-data folder (0 to 3600, default 30)
  --dry-run           do everything without writing any file; later files see the table lines
                      that earlier ones would add
  --report FILE.json  write the report of every run as JSON to FILE.json (host path)
  --preview-dir DIR   draw each file's picture into DIR (host folder, created when missing) as
                      STEM.svg, read back from the files its run wrote, and an index.html that
                      shows them all, each file's outcome above its picture (see gdfconv
                      preview --help)
  --quiet             print only the summary line, and a line of reason for each file that
                      did not convert
  --lang ja|en        the language of the program's own messages (default: @LANG_DEFAULT@)
  --help              show this text

Exit status:
  0  every file was converted
  1  no file failed, but some were refused by a check (their message is in the summary)
  2  usage error
  3  some file failed during its conversion

Examples:
@EXAMPLES@)";

constexpr const char16_t kBatchPathsPosixJa[] =
    u"SOURCE、DIR、一覧のパスは、ホストのパス（/、./、../、~/ で始まるもの）か、ドライブの\n"
    u"割り当てを通したドライブのパスです。";
constexpr const char16_t kBatchPathsPosixEn[] =
    u"SOURCE, DIR and the paths of the\n"
    u"list are host paths (beginning with /, ./, ../ or ~/) or drive paths through the drive map.";
constexpr const char16_t kBatchPathsWindowsJa[] =
    u"SOURCE、DIR、一覧のパスは Windows のパスです。「.\\」や「..\\」で始まるものは現在の\n"
    u"フォルダから辿ります。";
constexpr const char16_t kBatchPathsWindowsEn[] =
    u"SOURCE, DIR and the paths of the\n"
    u"list are Windows paths; one that begins with \".\\\" or \"..\\\" is taken from the current "
    u"folder.";

constexpr const char16_t kBatchExamplesPosix[] =
    u"  gdfconv batch --pattern-dir ~/pattern --target-root ./out ./logs/*.gdf\n"
    u"  gdfconv batch --pattern-dir ~/pattern --target-root 'D:\\WORK\\2003\\SITE' --drive D=/srv "
    u"./logs\n"
    u"  gdfconv batch --pattern-dir ~/pattern --yes --list pairs.txt --report batch.json\n"
    u"  gdfconv batch --pattern-dir ~/pattern --dry-run --target-root ./out --preview-dir "
    u"./pictures ./logs\n";
constexpr const char16_t kBatchExamplesWindows[] =
    u"  gdfconv batch --target-root D:\\WORK\\2003\\SITE D:\\LOGS\n"
    u"  gdfconv batch --target-root D:\\WORK\\2003\\SITE D:\\LOGS\\B-1.gdf D:\\LOGS\\B-2.gdf\n"
    u"  gdfconv batch --yes --list pairs.txt --report batch.json\n"
    u"  gdfconv batch --dry-run --target-root D:\\OUT --preview-dir .\\pictures D:\\LOGS\n";

constexpr const char16_t kPreviewJa[] =
    uR"(使い方: gdfconv preview [オプション] SOURCE -o FILE.svg

変換元ファイル SOURCE のボーリングを SVG の図に描きます。描くのは変換が作図システムに
渡すもので、実行が書くレコードファイルから取り出します。ただし、そのどれも書き込まず、
どのテーブルも変えません（実行はファイルをメモリに持つ上書き層の上で行います）。
図はどのブラウザでも開けます。

図には、上端に表題（Titl01.txt、Titl02.txt）、深度の軸（メートル単位。30 m で A4 の
高さ、それより深いボーリングは縦長のページ）、そして実行が書く順にレコードファイルごとの
列があります: X1.TXT の層は帯と名前コードで（テーブルにまだない名前には「new」の印）、
X3.TXT と R30.TXT～R35.TXT の文字は範囲の項目を括弧で、X5.TXT の合計は棒で、N9.TXT と
N8.TXT の測定値は日付とともに、R41.TXT の２つの系列は折れ線で、G71.TXT、G73.TXT、
G81.TXT、R72.TXT の値と X12.TXT の注記も示します。値はレコードファイルにあるとおり、
欄の幅で切って示します。gdfconv check が見つけたものと、上に戻る深度やボーリングの長さ
より下の深度には、その深度に赤い印を付けます（印にマウスを重ねると指摘が出ます）。

オプション:
  -o, --output FILE.svg  書き込む図（ホストのパス）。必須
  --target DIR        実行の対象とする変換先フォルダ（convert と同じ。そこには何も
                      書き込まない）。既定: SOURCE のドライブにある、SOURCE の名前の
                      フォルダ
  --pattern-dir DIR   パターンデータフォルダ（ホストのフォルダ）。省略時は、システム
                      フォルダの VirizuV5.ini に書かれたフォルダを使う
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   プログラム自身のフォルダ
  --drive X=DIR       @DRIVE@
  --lang ja|en        プログラム独自のメッセージの言語（既定: @LANG_DEFAULT@）
  --help              この説明を表示する

終了ステータス:
  0  図を書き、実行は「変換が正常に終了しました。」で終わるはず
  1  実行は拒否されるはず（図にその理由を示す）、または変換元ファイルを図にできない
  2  使い方の誤り、または図を書き込めない
  3  実行は失敗するはず。図には失敗の前に書くはずのものを示す

例:
@EXAMPLES@)";

constexpr const char16_t kPreviewEn[] =
    uR"(Usage: gdfconv preview [options] SOURCE -o FILE.svg

Draws the boring of the source data file SOURCE as an SVG picture: what a conversion would
hand the drawing system, taken from the record files that the run writes, without writing any
of them and without changing any table (the run is made on an overlay that keeps its files in
memory). Open the picture in any browser.

The picture has the title texts (Titl01.txt, Titl02.txt) at the top, a depth axis in metres
(30 m fill an A4-high page; a deeper boring gets a taller page), and a column per record file in
the order the run writes them: the layers of X1.TXT as bands with their name codes (names the
tables do not hold yet are marked "new"), the texts of X3.TXT and R30.TXT to R35.TXT with range
entries as brackets, the totals of X5.TXT as bars, the readings of N9.TXT and N8.TXT with their
dates, the two series of R41.TXT as line charts, the values of G71.TXT, G73.TXT, G81.TXT and
R72.TXT, and the notes of X12.TXT. Values appear as the record files hold them, cut to their
field widths. What gdfconv check finds, and depths that go up or lie below the boring's length,
are marked in red at their depth (hover over a mark for the finding).

Options:
  -o, --output FILE.svg  the picture to write (host path); required
  --target DIR        the target folder the run is made for (as in convert; nothing is written
                      there); default: a folder named after SOURCE on its drive
  --pattern-dir DIR   the pattern-data folder (host folder); without it the folder named in
                      VirizuV5.ini in the system folder is used
  --system-dir DIR    @SYSTEM_DIR@
  --program-dir DIR   the program's own folder
  --drive X=DIR       map drive letter X to host folder DIR (repeatable)
  --lang ja|en        the language of the program's own messages (default: @LANG_DEFAULT@)
  --help              show this text

Exit status:
  0  the picture was written and the run would end with "変換が正常に終了しました。"
  1  the run would be refused (the picture shows why), or the source cannot be previewed
  2  usage error, or the picture cannot be written
  3  the run would fail; the picture shows what it would write before the failure

Examples:
@EXAMPLES@)";

constexpr const char16_t kPreviewExamplesPosix[] =
    u"  gdfconv preview --pattern-dir ~/pattern ./B-1.gdf -o B-1.svg\n"
    u"  gdfconv preview --drive D=/srv/borings --pattern-dir ~/pattern 'D:\\2003\\B-1.gdf' -o "
    u"B-1.svg\n";
constexpr const char16_t kPreviewExamplesWindows[] =
    u"  gdfconv preview D:\\2003\\B-1.gdf -o B-1.svg\n"
    u"  gdfconv preview --target D:\\WORK\\B-1 .\\B-1.gdf -o B-1.svg\n";

constexpr const char16_t kSystemDirPosixJa[] =
    u"システムディレクトリに当たるフォルダ（既定 /etc/gdfconv）";
constexpr const char16_t kSystemDirPosixEn[] =
    u"the folder that stands for the system directory (default /etc/gdfconv)";
constexpr const char16_t kSystemDirWindowsJa[] =
    u"VirizuV5.ini のあるフォルダ（既定: 32 ビットのプログラムから見たシステム\n"
    u"                      フォルダ。SysWOW64 の VirtualStore の写し、SysWOW64、System32 の\n"
    u"                      VirtualStore の写し、System32 のうち、それがある最初のもの）";
constexpr const char16_t kSystemDirWindowsEn[] =
    u"the folder of VirizuV5.ini (default: the system folder as a 32-bit\n"
    u"                      program sees it: the VirtualStore copy of SysWOW64, SysWOW64, the\n"
    u"                      VirtualStore copy of System32, System32; the first that holds it)";

constexpr const char16_t kDrivePosixJa[] =
    u"ドライブ名 X をホストのフォルダ DIR に割り当てる（繰り返し指定可）。\n"
    u"                      指定がなければ Z: は / に割り当てる";
constexpr const char16_t kDrivePosixEn[] =
    u"map drive letter X to host folder DIR (repeatable); Z: maps to / unless\n"
    u"                      given otherwise";
constexpr const char16_t kDriveWindowsJa[] =
    u"subst と同じように、ドライブ名 X でフォルダ DIR を表す（繰り返し指定可）";
constexpr const char16_t kDriveWindowsEn[] =
    u"stand drive letter X for folder DIR, as subst does (repeatable)";

// The language of the program's own messages when --lang does not say it.
constexpr const char16_t kLanguageDefaultPosixJa[] =
    u"LC_ALL、LC_MESSAGES、\n"
    u"                      LANG のうち最初に設定されているものが「ja」で始まれば日本語";
constexpr const char16_t kLanguageDefaultPosixEn[] =
    u"Japanese when the\n"
    u"                      first of LC_ALL, LC_MESSAGES and LANG that is set begins with \"ja\"";
constexpr const char16_t kLanguageDefaultWindowsJa[] = u"Windows の表示言語が日本語なら日本語";
constexpr const char16_t kLanguageDefaultWindowsEn[] =
    u"Japanese when the\n"
    u"                      display language of Windows is Japanese";

// The window's, in a message box on Windows (it has no console to print on) and on the
// terminal on Linux.
constexpr const char16_t kWindowWindowsJa[] =
    uR"(使い方: gdfconv-gui [オプション]

変換ウィンドウを開きます。オプションは gdfconv convert と同じで、どちらも同じファイルを
書きます:
  --drive X=DIR       subst と同じように、ドライブ名 X でフォルダ DIR を表す（繰り返し指定可）
  --system-dir DIR    VirizuV5.ini のあるフォルダ（既定: 32 ビットのプログラムから見た
                      システムフォルダ）
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ（既定:
                      gdfconv-gui.exe のあるフォルダ）
  --lock-wait SECONDS パターンデータフォルダを変換中のほかのパソコンを待つ秒数
                      （0～3600、既定 30）
  --help              この説明を表示する)";

constexpr const char16_t kWindowWindowsEn[] =
    uR"(Usage: gdfconv-gui [options]

Opens the conversion window. The options are those of gdfconv convert, so that both write the
same files:
  --drive X=DIR       stand drive letter X for folder DIR, as subst does (repeatable)
  --system-dir DIR    the folder of VirizuV5.ini (default: the system folder as a 32-bit
                      program sees it)
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of gdfconv-gui.exe)
  --lock-wait SECONDS how long to wait for another PC that is converting into the pattern-data
                      folder (0 to 3600, default 30)
  --help              show this text)";

constexpr const char16_t kWindowPosixJa[] =
    uR"(使い方: gdfconv-gui [オプション]

変換ウィンドウを開きます。ウィンドウはシステムディレクトリに当たるフォルダの VirizuV5.ini
からパターンデータフォルダを読み、それがなければ開きません。ドライブ、フォルダ、ファイル
の一覧は現在のフォルダから始まります。

オプション（gdfconv convert と同じで、どちらも同じファイルを書きます）:
  --drive X=DIR       ドライブ名 X をホストのフォルダ DIR に割り当てる（繰り返し指定可）。
                      指定がなければ Z: は / に割り当てる
  --system-dir DIR    システムディレクトリに当たるフォルダ。VirizuV5.ini をここから読む
                      （既定 /etc/gdfconv）
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ（既定: gdfconv-gui の
                      実行ファイルのあるフォルダ）
  --lock-wait SECONDS パターンデータフォルダを変換中のほかのパソコンを待つ秒数
                      （0～3600、既定 30）
  --help              この説明を表示する

Qt 自身のオプション（-platform NAME など）も使えます。

例:
  gdfconv-gui --drive D=/srv/borings --system-dir ~/gdfconv-settings
)";

constexpr const char16_t kWindowPosixEn[] =
    uR"(Usage: gdfconv-gui [options]

Opens the conversion window. The window reads the pattern-data folder from VirizuV5.ini in the
folder that stands for the system directory, and does not open without it. The drive, folder
and file lists start on the current folder.

Options (the same as for gdfconv convert, so that both write the same files):
  --drive X=DIR       map drive letter X to host folder DIR (repeatable); Z: maps to / unless
                      given otherwise
  --system-dir DIR    the folder that stands for the system directory, where VirizuV5.ini is
                      read (default /etc/gdfconv)
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of the gdfconv-gui executable)
  --lock-wait SECONDS how long to wait for another PC that is converting into the pattern-data
                      folder (0 to 3600, default 30)
  --help              show this text

Qt's own options (-platform NAME, ...) are accepted as well.

Example:
  gdfconv-gui --drive D=/srv/borings --system-dir ~/gdfconv-settings
)";

constexpr const char16_t kTablesJa[] =
    uR"(使い方: gdfconv tables [オプション]
        gdfconv tables --log [--since YYYY-MM-DD] [オプション]

パターンデータフォルダの参照表を、変換と同じ読み方ですべて読み、変換や作図システムを誤らせる
ものを行番号つきで一覧します。読めない行、２つの名前に付いたコード、２つのコードに付いた名前、
XKISHITU.TXT にあって KISHITU.TXT にない名前、範囲外のコード、CR LF で終わらない行や途中で
切れた最後の行、CP932 でないバイト、残った作業ファイル、ロックを持っている変換です。
過去のボーリングのレコードファイルがコードを使っているので、コードを変える修正はしません。
見つけたものごとに、どうすればよいかを示します。GDFCONV.LOG に記録があれば、その行を
追加した人、パソコン、変換元ファイルも示します。

--log では、GDFCONV.LOG に記録された追加を一覧します（誰が、いつ、どの変換元ファイルから、
どの表に、どのコードと名前を追加したか）。

オプション:
  --pattern-dir DIR   パターンデータフォルダ。省略時は、システムフォルダの VirizuV5.ini に
                      書かれたフォルダ
  --system-dir DIR    @SYSTEM_DIR@
  --drive X=DIR       @DRIVE@
  --format text|json  出力の形式（既定 text）
  --log               追加の記録を一覧する
  --since YYYY-MM-DD  --log で、この日以降の追加だけを一覧する
  --lang ja|en        メッセージの言語（既定: @LANG_DEFAULT@）
  --help              この説明を表示する

終了ステータス: 0 問題なし（--log では常に 0）、1 直すべきものがある、2 使い方の誤り。

事務所での使い方: パターンデータフォルダはファイルサーバーの共有フォルダに置き、どのパソコン
からも同じフォルダを指定します。変換は、表を読む前から最後の変更をディスクに書き終えるまで、
フォルダの GDFCONV.LCK の１バイトにロックをかけます（Windows の LockFileEx、Linux の fcntl）。
SMB や NFS のサーバーはこのロックをパソコンの間で守るので、Windows と Linux のパソコンが同時に
変換しても、同じコードが２つの名前に付くことはありません。ロックを守らないマウント（CIFS の
nobrl、NFS の local_lock=posix や local_lock=all）では変換を拒否します。

例:
@EXAMPLES@)";

constexpr const char16_t kTablesEn[] =
    uR"(Usage: gdfconv tables [options]
       gdfconv tables --log [--since YYYY-MM-DD] [options]

Reads every lookup table of the pattern-data folder as a run reads it and lists, with line
numbers, what would mislead a run or the drawing system: lines that do not parse, a code given to
two names, a name under two codes, XKISHITU.TXT names that KISHITU.TXT lacks, codes outside their
table's range, lines without CR LF or a partial last line, bytes that are not CP932, leftover
work files, and the run that holds the lock. It repairs nothing that changes a code, because the
record files of past borings refer to the codes; for each finding it says what to do, and, where
GDFCONV.LOG knows, who added the line, on which computer and from which source file.

With --log it lists the additions that GDFCONV.LOG records: who added which code and name to
which table, when, and from which source file.

Options:
  --pattern-dir DIR   the pattern-data folder; without it the folder named in VirizuV5.ini in
                      the system folder
  --system-dir DIR    @SYSTEM_DIR@
  --drive X=DIR       @DRIVE@
  --format text|json  the form of the output (default text)
  --log               list the additions
  --since YYYY-MM-DD  with --log, only the additions of that day and later
  --lang ja|en        the language of the messages (default: @LANG_DEFAULT@)
  --help              show this text

Exit status: 0 healthy (always 0 with --log), 1 something to mend, 2 usage error.

In an office: keep the pattern-data folder on a file server's share and give every PC the same
folder. A run locks one byte of GDFCONV.LCK in the folder from before it reads the first table
until its last change is on the disk (LockFileEx on Windows, fcntl on Linux). SMB and NFS
servers keep such locks between computers, so Windows and Linux PCs that convert at once never
give one code to two names. Mounts that keep locks to one computer (CIFS with nobrl, NFS with
local_lock=posix or local_lock=all) cannot be made safe: a run refuses them.

Examples:
@EXAMPLES@)";

constexpr const char16_t kTablesExamplesPosix[] =
    uR"(  gdfconv tables --pattern-dir /srv/share/pattern
  gdfconv tables --pattern-dir /srv/share/pattern --format json > health.json
  gdfconv tables --pattern-dir /srv/share/pattern --log --since 2026-12-01
)";

constexpr const char16_t kTablesExamplesWindows[] =
    uR"(  gdfconv tables --pattern-dir \\server\share\pattern
  gdfconv tables --log --since 2026-12-01
)";

}  // namespace help

// In the order of MessageId; the catalogue test holds it to that.
constexpr Entry kEntries[] = {
    {M::kConverting, messages::kConverting, messages::kConverting},
    {M::kCompleted, messages::kCompleted, messages::kCompleted},
    {M::kInvalidPath, messages::kInvalidPath, messages::kInvalidPath},
    {M::kNoSourceFile, messages::kNoSourceFile, messages::kNoSourceFile},
    {M::kCreateFolder, messages::kCreateFolder, messages::kCreateFolder},
    {M::kBadDrive, messages::kBadDrive, messages::kBadDrive},
    {M::kNoSetting, messages::kNoSetting, messages::kNoSetting},

    {M::kHelpUsage, help::kUsageJa, help::kUsageEn},
    {M::kHelpConvert, help::kConvertJa, help::kConvertEn},
    {M::kHelpCheck, help::kCheckJa, help::kCheckEn},
    {M::kHelpBatch, help::kBatchJa, help::kBatchEn},
    {M::kHelpPreview, help::kPreviewJa, help::kPreviewEn},
    {M::kHelpTables, help::kTablesJa, help::kTablesEn},
    {M::kHelpWindowWindows, help::kWindowWindowsJa, help::kWindowWindowsEn},
    {M::kHelpWindowPosix, help::kWindowPosixJa, help::kWindowPosixEn},
    {M::kHelpConvertPathsPosix, help::kConvertPathsPosixJa, help::kConvertPathsPosixEn},
    {M::kHelpConvertPathsWindows, help::kConvertPathsWindowsJa, help::kConvertPathsWindowsEn},
    {M::kHelpCheckPathsPosix, help::kCheckPathsPosixJa, help::kCheckPathsPosixEn},
    {M::kHelpCheckPathsWindows, help::kCheckPathsWindowsJa, help::kCheckPathsWindowsEn},
    {M::kHelpBatchPathsPosix, help::kBatchPathsPosixJa, help::kBatchPathsPosixEn},
    {M::kHelpBatchPathsWindows, help::kBatchPathsWindowsJa, help::kBatchPathsWindowsEn},
    {M::kHelpSystemDirPosix, help::kSystemDirPosixJa, help::kSystemDirPosixEn},
    {M::kHelpSystemDirWindows, help::kSystemDirWindowsJa, help::kSystemDirWindowsEn},
    {M::kHelpDrivePosix, help::kDrivePosixJa, help::kDrivePosixEn},
    {M::kHelpDriveWindows, help::kDriveWindowsJa, help::kDriveWindowsEn},
    {M::kHelpLanguageDefaultPosix, help::kLanguageDefaultPosixJa, help::kLanguageDefaultPosixEn},
    {M::kHelpLanguageDefaultWindows, help::kLanguageDefaultWindowsJa,
     help::kLanguageDefaultWindowsEn},
    {M::kHelpConvertExamplesPosix, help::kConvertExamplesPosix, help::kConvertExamplesPosix},
    {M::kHelpConvertExamplesWindows, help::kConvertExamplesWindows, help::kConvertExamplesWindows},
    {M::kHelpCheckExamplesPosix, help::kCheckExamplesPosix, help::kCheckExamplesPosix},
    {M::kHelpCheckExamplesWindows, help::kCheckExamplesWindows, help::kCheckExamplesWindows},
    {M::kHelpBatchExamplesPosix, help::kBatchExamplesPosix, help::kBatchExamplesPosix},
    {M::kHelpBatchExamplesWindows, help::kBatchExamplesWindows, help::kBatchExamplesWindows},
    {M::kHelpPreviewExamplesPosix, help::kPreviewExamplesPosix, help::kPreviewExamplesPosix},
    {M::kHelpPreviewExamplesWindows, help::kPreviewExamplesWindows, help::kPreviewExamplesWindows},
    {M::kHelpTablesExamplesPosix, help::kTablesExamplesPosix, help::kTablesExamplesPosix},
    {M::kHelpTablesExamplesWindows, help::kTablesExamplesWindows, help::kTablesExamplesWindows},

    {M::kPathChecked, u"「{1}」はドライブのパス「{2}」として調べました。",
     u"\"{1}\" was checked as the drive path \"{2}\"."},
    {M::kPathNoDrive,
     u"パスはドライブ名（１文字のアルファベットと「:」、例「D:」）で始まらなければなりません。",
     u"A path must begin with a drive letter and a colon, for example \"D:\"."},
    {M::kPathWildcard, u"パスにワイルドカード「{1}」が含まれています。",
     u"The path holds the wildcard \"{1}\"."},
    {M::kPathBlank, u"フォルダ名「{1}」に空白が含まれています。パスに空白は使えません。",
     u"The folder name \"{1}\" holds a blank; a path may not hold blanks."},
    {M::kPathDriveNotMapped, u"ドライブ {1}: は割り当てられていません。",
     u"Drive {1}: is not mapped."},
    {M::kPathDriveNotReady, u"ドライブ {1}: は使用できる状態ではありません。",
     u"Drive {1}: is not ready."},
    {M::kPathDoubledSeparator, u"「{1}」の後ろで「\\」が二つ続いています。",
     u"The path holds a doubled \"\\\" after \"{1}\"."},
    {M::kPathLongBeforeDot,
     u"フォルダ名「{1}」は「.」の前が８文字を超えています（8.3 形式の名前しか使えません）。",
     u"The folder name \"{1}\" has more than eight characters before its dot (names with a "
     u"dot must be eight-dot-three)."},
    {M::kPathLongAfterDot,
     u"フォルダ名「{1}」は「.」の後ろが３文字（３バイト）を超えています（8.3 形式の名前しか使え"
     u"ません）。",
     u"The folder name \"{1}\" has more than three characters (bytes) after its dot (names "
     u"with a dot must be eight-dot-three)."},
    {M::kPathSecondDot,
     u"フォルダ名「{1}」に「.」が二つ以上あります（8.3 形式の名前しか使えません）。",
     u"The folder name \"{1}\" holds a second dot (names with a dot must be eight-dot-three)."},
    {M::kAdviceDriveOption,
     u"短いドライブのパスで届くようにしてください。例: --drive {1}={2} を付け、変換先を "
     u"\"{1}:\\{3}\" とします。",
     u"Reach the folder through a short drive path: for example add --drive {1}={2} and give "
     u"the target as \"{1}:\\{3}\"."},
    {M::kAdviceDriveOptionAny,
     u"短いドライブのパスで届くようにしてください。例: --drive D=/srv/borings を付け、"
     u"\"D:\\...\" と指定します。",
     u"Reach the folder through a short drive path: for example add --drive D=/srv/borings and "
     u"give \"D:\\...\"."},
    {M::kAdviceShortName, u"空白を含まない短い名前（8.3 形式）のフォルダを選んでください。",
     u"Choose a folder whose names hold no blank and are short (eight-dot-three)."},
    {M::kAdviceHostPath,
     u"「{1}」はドライブのパスとして扱いました。このコンピュータのパスは / または ./ で始めてく"
     u"ださい。",
     u"\"{1}\" was taken as a drive path; paths of this computer begin with / or ./."},

    {M::kAdviceMapDrive,
     u"ドライブ {1}: を --drive {1}=DIR でこのコンピュータのフォルダに割り当ててください。",
     u"Map drive {1}: to a folder of this computer with --drive {1}=DIR."},
    {M::kSourceNotGiven, u"変換元ファイルが指定されていません。",
     u"No source data file was given."},
    {M::kSourceMissing, u"変換元ファイル「{1}」はありません。",
     u"There is no source data file \"{1}\"."},
    {M::kSourceIsFolder, u"「{1}」はフォルダです。変換元ファイル（*.gdf）を指定してください。",
     u"\"{1}\" is a folder; give a source data file (*.gdf)."},
    {M::kTargetIsFile,
     u"「{1}」はファイルです。変換先にはフォルダを指定してください。何も書き込んでいません。",
     u"\"{1}\" is a file, not a folder; give a folder as the target. Nothing was written."},
    {M::kFolderDeclined, u"変換先フォルダは作成されませんでした。何も書き込んでいません。",
     u"The target folder was not created. Nothing was written."},
    {M::kNoDriveHolds,
     u"どのドライブにも「{1}」は含まれていません。--drive X=DIR でドライブを割り当ててください"
     u"。",
     u"No drive holds the path \"{1}\"; map one with --drive X=DIR."},

    {M::kSettingsFileMissing, u"設定ファイル「{1}」がありません。",
     u"There is no settings file \"{1}\"."},
    {M::kSettingsFileEmpty, u"設定ファイル「{1}」の２行目にフォルダがありません。",
     u"The settings file \"{1}\" names no folder on its second line."},
    {M::kSettingsFolderMissing, u"設定ファイル「{2}」のパターンデータフォルダ「{1}」がありません。",
     u"The pattern-data folder \"{1}\" that the settings file \"{2}\" names does not exist."},
    {M::kSettingsHow,
     u"パターンデータフォルダは --pattern-dir DIR で指定するか、設定ファイル「{1}」に２行で書い"
     u"てください（１行目は任意、２行目はフォルダ、例 Z:\\srv\\pattern\\）。",
     u"Give the pattern-data folder with --pattern-dir DIR, or write the settings file \"{1}\" "
     u"in two lines (the first any text, the second the folder, for example "
     u"Z:\\srv\\pattern\\)."},
    {M::kSettingsHowFile,
     u"設定ファイル「{1}」に２行で書いてください（１行目は任意、２行目はパターンデータフォルダ、"
     u"例 Z:\\srv\\pattern\\）。",
     u"Write the settings file \"{1}\" in two lines (the first any text, the second the "
     u"pattern-data folder, for example Z:\\srv\\pattern\\)."},
    {M::kPatternDirMissing,
     u"パターンデータフォルダ「{1}」がないか、どのドライブにも含まれていません。",
     u"The pattern-data folder \"{1}\" does not exist, or no drive holds it."},
    {M::kProgramFolderNotWritable,
     u"プログラムフォルダ「{1}」に PATADD.txt を作成できません（{2}）。書き込めるフォルダを "
     u"--program-dir DIR で指定してください。何も書き込んでいません。",
     u"PATADD.txt cannot be created in the program folder \"{1}\" ({2}); give a folder that can "
     u"be written with --program-dir DIR. Nothing was written."},

    {M::kRunStopped, u"変換を中断しました（{1}）。", u"The conversion stopped in {1}."},
    {M::kRunStoppedNoStage, u"変換を中断しました。", u"The conversion stopped."},
    {M::kFailureFile, u"ファイル：{1}", u"File: {1}"},
    {M::kFailureLine, u"変換元ファイルの行：{1}", u"Line: {1}"},
    {M::kReasonWhere, u"{1}（{2}）", u"{1} ({2})"},
    {M::kFileAtLine, u"{1} の {2} 行目", u"{1}, line {2}"},
    {M::kNothingWritten,
     u"ファイルは何も書き込まれていません。パターンデータフォルダの表も変更されていません。",
     u"No file was written, and no table of the pattern-data folder was changed."},
    {M::kFilesWrittenBefore, u"中断までに書き込まれた、または変更されたファイル（{1} 個）：",
     u"{1} {1?file was|files were} written or changed before the stop:"},
    {M::kWrittenFile, u"  {1}（{2} 行）", u"  {1} ({2} {2?line|lines})"},
    {M::kChangedFileCreated, u"  {1}（新しく作成）", u"  {1} (created)"},
    {M::kChangedFileGrown, u"  {1}（行を追加）", u"  {1} (lines added)"},
    {M::kChangedFileReplaced, u"  {1}（書き換え）", u"  {1} (written over)"},
    {M::kChangedFileDeleted, u"  {1}（削除）", u"  {1} (deleted)"},
    {M::kChangedFileIncomplete, u"  {1}（書き込み中に中断したため、不完全かもしれません）",
     u"  {1} (being written when the run stopped: it may be incomplete)"},
    {M::kTableLinesAdded, u"パターンデータフォルダの表に追加された行（{1} 行）：",
     u"{1} {1?line was|lines were} added to the tables of the pattern-data folder:"},
    {M::kTableLinesAddedCount, u"パターンデータフォルダの表に {1} 行が追加されています。",
     u"{1} {1?line was|lines were} added to the tables of the pattern-data folder."},
    {M::kAddedTableLine, u"  {1}: {2},{3}", u"  {1}: {2},{3}"},
    {M::kNoTableChanged, u"パターンデータフォルダの表は変更されていません。",
     u"No table of the pattern-data folder was changed."},
    {M::kMarkerCreated, u"  {1} を作成しました。", u"  {1} was created."},
    {M::kPlainText, u"{1}", u"{1}"},
    {M::kAnsweredByYesOption, u"--yes による", u"--yes"},
    {M::kAnsweredNoWithoutTerminal, u"尋ねる端末がありません。作成するには --yes を付けてください",
     u"no terminal to ask; pass --yes to create it"},

    {M::kTableMissing, u"表がありません。", u"The table is not there."},
    {M::kTableNotCp932, u"CP932（シフト JIS）でないバイトがあります。",
     u"The line holds bytes that are not CP932 (Shift-JIS)."},
    {M::kTableBareLineEnd, u"行末が CR LF ではありません（LF または CR だけです）。",
     u"The line ends with LF or CR alone, not CR LF."},
    {M::kTablePartialLastLine,
     u"最後の行に行末がありません。書き込みの途中で切れた行かもしれません。",
     u"The last line has no line end: it may have been cut off while it was written."},
    {M::kTableFieldCount, u"項目が {1} 個あります。この表の行は {2} 個です。",
     u"The line reads as {1} {1?field|fields}; a line of this table has {2}."},
    {M::kTableCodeOutOfRange, u"コード {1}（{2}）は表の範囲外なので、検索で見つかりません。",
     u"The code {1} ({2}) lies outside the table's range: no search finds it."},
    {M::kTableCodeTwice,
     u"コード {1} が２つの名前に付いています：この行の「{2}」と {3} 行目の「{4}」。",
     u"The code {1} is given to two names: \"{2}\" here and \"{4}\" on line {3}."},
    {M::kTableNameTwice,
     u"名前「{1}」に２つのコードが付いています：この行の {2} と {3} 行目の {4}。検索で見つかる"
     u"のは {4} だけです。",
     u"The name \"{1}\" stands under two codes: {2} here and {4} on line {3}. The search finds "
     u"only {4}."},
    {M::kTableAddedNotInMain, u"追加された名前 {1}（{2}）が KISHITU.TXT にありません。",
     u"The added name {1} ({2}) is not in KISHITU.TXT."},
    {M::kTableMainNotInAdded, u"追加コード {1}（{2}）が XKISHITU.TXT にありません。",
     u"The added code {1} ({2}) is missing from XKISHITU.TXT."},
    {M::kTableWorkFileLeft, u"作業ファイル XKISHITU.TMP が残っています。",
     u"The work file XKISHITU.TMP was left behind."},
    {M::kTableMissingAdvice,
     u"バックアップから戻してください。この表がないと、使う変換は中断します。",
     u"Restore it from a backup: a run that needs it stops."},
    {M::kTableNotCp932Advice,
     u"CP932（シフト JIS）で保存し直してください。作図システムは名前を読み違えます。",
     u"Save the file again as CP932 (Shift-JIS); the drawing system misreads the name."},
    {M::kTableBareLineEndAdvice, u"Windows の行末（CR LF）で保存し直してください。",
     u"Save the file again with Windows line ends (CR LF)."},
    {M::kTablePartialLastLineAdvice,
     u"行を確かめ、切れていれば直すか消してください。次に追加する変換は、この行の後に行末を"
     u"補ってから書きます。",
     u"Check the line and complete or delete it if it was cut off; the next run that adds a "
     u"line ends this one first."},
    {M::kTableFieldCountAdvice,
     u"項目が {2} 個になるように直してください。「,」を含む名前は二重引用符で囲みます。"
     u"このままでは、変換は後の行を項目がずれたまま読みます。",
     u"Correct the line to {2} fields (a name with \",\" goes between double quotes); until "
     u"then a run reads the following lines shifted."},
    {M::kTableCodeOutOfRangeAdvice,
     u"どのレコードファイルもこのコードを使っていなければ、コードを直してください。使っていれば"
     u"そのままにします。",
     u"Correct the code only if no record file uses it; otherwise leave it."},
    {M::kTableCodeTwiceAdvice,
     u"コード {1} は変えないでください。これまでのボーリングは、{3} 行目の名前でこのコードを使って"
     u"います。この行を追加した人に、どのボーリングの名前か確認してください。この行を KISHITU.TXT "
     u"と XKISHITU.TXT から消して、そのボーリングを変換し直すと、名前に新しいコードが付きます。"
     u"それまでは、そのボーリングの柱状図には {3} 行目の名前が出ます。",
     u"Keep code {1} as it is: earlier borings use it with the name of line {3}. Ask whoever added "
     u"this line which boring the name belongs to, remove the line from KISHITU.TXT and "
     u"XKISHITU.TXT, and convert that boring again: the name then gets a code of its own. Until "
     u"then that boring's log shows the name of line {3}."},
    {M::kTableNameTwiceAdvice,
     u"変換はこの名前に {4} を使うので、新しい変換には何もしなくてかまいません。{2} を使う"
     u"レコードファイルも、この行があれば同じ名前で描かれます。この行は消さないでください。",
     u"Runs give this name {4}, so nothing is needed for new conversions. Record files that hold "
     u"{2} still show the name as long as this line stays: do not remove it."},
    {M::kTableAddedNotInMainAdvice,
     u"何もしなくてかまいません。この名前に出会った変換が KISHITU.TXT に追加します。",
     u"Nothing to do: the next run that meets the name adds it to KISHITU.TXT."},
    {M::kTableMainNotInAddedAdvice,
     u"次に追加される名前に、コード {1} がもう一度付くおそれがあります。KISHITU.TXT のこの行を"
     u"XKISHITU.TXT にも、コードの順に、4000 以上の行より前に加えてください。",
     u"The next added name may get code {1} again. Add this line of KISHITU.TXT to XKISHITU.TXT "
     u"too, in code order, before the lines of 4000 and more."},
    {M::kTableWorkFileLeftAdvice,
     u"XKISHITU.TXT を書き直している途中で止まった変換が残したものです。次の変換が消すので、"
     u"何もしなくてかまいません。",
     u"A run that was stopped while it rewrote XKISHITU.TXT left it; the next run removes it. "
     u"Nothing to do."},
    {M::kTableAddedBy, u"追加：{3}、{2} の {1}、変換元 {4}（GDFCONV.LOG {5} 行目）",
     u"added by {1} on {2} at {3} from {4} (GDFCONV.LOG line {5})"},
    {M::kTablesSummary,
     u"パターンデータフォルダ {1}：表 {2} 個、{3} 行、直すべきもの {4} 件、注記 {5} 件",
     u"Pattern-data folder {1}: {2} {2?table|tables}, {3} {3?line|lines}, {4} {4?fault|faults}, "
     u"{5} {5?note|notes}"},
    {M::kTablesHealthy, u"問題はありません。", u"The folder is healthy."},
    {M::kTablesLockHeldBy,
     u"ロック：{1} の {2} が {3} から変換中です。表は変更の途中かもしれません。",
     u"Lock: {2} on {1} has been converting since {3}; the tables may be changing."},
    {M::kTablesLockHeldOther,
     u"ロック：別のプログラムがロックしています。表は変更の途中かもしれません。",
     u"Lock: another program holds it; the tables may be changing."},
    {M::kTablesFault, u"要修正", u"fault"},
    {M::kTablesNote, u"注記", u"note"},
    {M::kTablesWhatToDo, u"対処：{1}", u"what to do: {1}"},
    {M::kTablesLogEmpty, u"記録された追加はありません。", u"The log records no addition."},
    {M::kTablesLogCount, u"追加 {1} 件", u"{1} {1?addition|additions}"},
    {M::kDryRunNothingWritten, u"試行（--dry-run）：何も書き込んでいません。",
     u"Dry run: nothing was written."},
    {M::kDryRunWouldAsk, u"実行すると「{1}」と尋ねます。ここでは「はい」と答えたものとします。",
     u"The run would ask \"{1}\"; the answer Yes is assumed here."},
    {M::kDryRunWouldEnd, u"実行すると次のように終わります：{1}", u"The run would end with: {1}"},
    {M::kDryRunWouldBeRefused, u"実行すると拒否されます：{1}", u"The run would be refused: {1}"},
    {M::kDryRunWouldFail, u"実行すると中断します。", u"The run would fail."},
    {M::kDryRunBeforeFailure, u"中断までに書き込むもの：",
     u"What it would write before the failure:"},
    {M::kDryRunReadShared,
     u"パターンデータフォルダは共有ロックをかけて読んだので、読む間にほかの変換が変えることは"
     u"ありませんでした。",
     u"The pattern-data folder was read under a shared lock: no conversion changed it "
     u"meanwhile."},
    {M::kDryRunReadWithoutLock,
     u"パターンデータフォルダにはロックファイル {1} がないため、ロックをかけずに読みました（作"
     u"成もしていません）。",
     u"The pattern-data folder has no lock file {1}, so it was read without a lock (and none was "
     u"made)."},
    {M::kDryRunWouldCreateFolders, u"フォルダを作成します（{1} 個）：{2}",
     u"It would create the {1?folder|folders} {2}."},
    {M::kFolderTarget, u"変換先フォルダ {1}", u"Target folder {1}"},
    {M::kFolderPatternData, u"パターンデータフォルダ {1}", u"Pattern-data folder {1}"},
    {M::kFolderProgram, u"プログラムフォルダ {1}", u"Program folder {1}"},
    {M::kFolderOther, u"フォルダ {1}", u"Folder {1}"},
    {M::kFolderWouldBeCreated, u"（作成されます）", u" (would be created)"},
    {M::kNoFiles, u"（ファイルなし）", u"(no files)"},
    {M::kPlanNew, u"新規       {1} 行、{2} バイト", u"new        {1} {1?line|lines}, {2} bytes"},
    {M::kPlanReplaced, u"置き換え   {1} 行 -> {2} 行、{3} バイト",
     u"replaced   {1} {1?line|lines} -> {2} {2?line|lines}, {3} bytes"},
    {M::kPlanReplacedSame, u"置き換え   {1} 行、{2} バイト（今と同じ内容）",
     u"replaced   {1} {1?line|lines}, {2} bytes (the same content as now)"},
    {M::kPlanGrows, u"追記       {1} 行 -> {2} 行",
     u"grows      {1} {1?line|lines} -> {2} {2?line|lines}"},
    {M::kPlanDeleted, u"削除", u"deleted"},
    {M::kPlanLeftAlone, u"変更なし   {1} 行", u"left alone {1} {1?line|lines}"},

    {M::kBatchAnsweredNo, u"変換先フォルダがありません（「いいえ」と答えました）",
     u"the target folder does not exist (answered No)"},
    {M::kBatchFailed, u"中断しました", u"failed"},
    {M::kBatchAtLine, u" {1} 行目", u" line {1}"},
    {M::kStageThenReason, u"{1}：{2}", u"{1}: {2}"},
    {M::kBatchConverted, u"変換済み", u"converted"},
    {M::kBatchRefused, u"拒否", u"refused"},
    {M::kBatchWrittenAndAdded, u"ファイル {1} 個を書き込み、表に {2} 行を追加",
     u"{1} {1?file|files} written, {2} table {2?line|lines} added"},
    {M::kBatchResult, u"結果", u"result"},
    {M::kBatchSource, u"変換元", u"source"},
    {M::kBatchTarget, u"変換先", u"target"},
    {M::kBatchReason, u"理由", u"reason"},
    {M::kBatchTally, u"ファイル {1} 個：変換 {2}、拒否 {3}、中断 {4}（{5}）",
     u"{1} {1?file|files}: {2} converted, {3} refused, {4} failed in {5}"},
    {M::kBatchTallyDryRun,
     u"ファイル {1} 個：変換 {2}、拒否 {3}、中断 {4}（{5}、試行：何も書き込んでいません）",
     u"{1} {1?file|files}: {2} converted, {3} refused, {4} failed in {5} (dry run: nothing was "
     u"written)"},

    {M::kReportWrote, u"  書き込み {1}（{2} 行）", u"  wrote {1} ({2} {2?line|lines})"},
    {M::kReportAdded, u"  {1} に追加: {2},{3}", u"  added to {1}: {2},{3}"},

    {M::kRunWarning, u"{1}: 警告: {2}", u"{1}: warning: {2}"},
    {M::kSourceHeldNoSection,
     u"変換元ファイルにセクションのタグ行が一つもないため、何も変換されません。ファイルは書き込"
     u"まれません。",
     u"The source file holds no tag line of a section: nothing is converted, and no file is "
     u"written."},
    {M::kRecordFileFromBefore, u"{1} は今回の変換では書かれません（以前のファイルのままです）。",
     u"{1} is not written by this run (it stays the file from before)."},

    {M::kOverflow16, u"オーバーフロー：{1} が 16 ビットの範囲（32767）を超えています。",
     u"Overflow: {1} is beyond the 16-bit range (32 767)."},
    {M::kOverflowSingle, u"オーバーフロー：数値 {1} が単精度の範囲を超えています。",
     u"Overflow: the number {1} is beyond the Single range."},
    {M::kOverflowDouble, u"オーバーフロー：数値 {1} が倍精度の範囲を超えています。",
     u"Overflow: the number {1} is beyond the Double range."},
    {M::kOverflowLeadingNumber, u"オーバーフロー：{1} の先頭の数値が倍精度の範囲を超えています。",
     u"Overflow: the leading number of {1} is beyond the Double range."},
    {M::kCannotWriteFile, u"ファイルに書き込めません：{1}。", u"The file cannot be written: {1}."},
    {M::kCannotReadFile, u"ファイルを読めません：{1}。", u"The file cannot be read: {1}."},
    {M::kFileTooLarge, u"ファイルが 4 GiB を超えています。", u"The file is larger than 4 GiB."},
    {M::kNotCodePage932,
     u"ファイルにシフト JIS（コードページ 932）でないバイトがあります（先頭から {1} バイト目）。",
     u"The file holds bytes that are not code page 932 (Shift-JIS), at byte offset {1}."},
    {M::kUtf8Source,
     u"UTF-8: シフト JIS（CP932）で保存し直してください。UTF-8 の文字がある最初の行は {1} 行目"
     u"です：{2}",
     u"UTF-8: save it as Shift-JIS (CP932). The first line with a UTF-8 character is line {1}: "
     u"{2}"},
    {M::kReadPastEnd,
     u"ファイルの終わり（{1} 行目）を越えて読もうとしました。ファイルの行数が件数より少ないた"
     u"めです。",
     u"A read went past the end of the file, which ends after line {1}: the file holds fewer "
     u"lines than its count promises."},
    {M::kCountIntoNextSection,
     u"{1} の件数 {2} では、{3} 行目にある {4} のタグ行まで読み込むことになります。そのタグ行"
     u"より前にある行が件数に足りません。",
     u"The count {2} of {1} would take in line {3}, the tag line of {4}: fewer lines stand "
     u"before it than the count promises."},
    {M::kSubscriptOutOfRange, u"添字が範囲外です：パスの区切りが多すぎます。",
     u"Subscript out of range: the path has more parts than can be held."},
    {M::kCannotCreateFolder, u"フォルダを作成できません：{1}。",
     u"The folder cannot be created: {1}."},
    {M::kPatternFolderBusy,
     u"別のプログラムがパターンデータフォルダをロックしたままです（{1} 秒待ちました）。終わって"
     u"からもう一度変換してください。",
     u"Another program kept the pattern-data folder locked for the whole wait of {1} "
     u"{1?second|seconds}. "
     u"Convert again when it has finished."},
    {M::kPatternFolderBusyHolder,
     u"{2} の {3} が {4} から変換中のため、パターンデータフォルダを使えませんでした（{1} 秒待ち"
     u"ました）。その変換が終わってから、もう一度変換してください。",
     u"{3} on {2} has been converting into the pattern-data folder since {4} and still was after "
     u"{1} {1?second|seconds}. Convert again when that conversion has finished."},
    {M::kPatternFolderCannotLock,
     u"パターンデータフォルダ {1} をロックできません（{2}）。ほかのパソコンの変換と重ならない"
     u"ようにできないため、何も書かずに中止しました。",
     u"The pattern-data folder {1} cannot be locked ({2}). Without the lock, conversions on other "
     u"computers could overwrite each other's additions, so nothing was written."},
    {M::kPatternFolderLockAdvice,
     u"管理者に、このフォルダの共有でバイト範囲ロックが使えるようにしてもらってください"
     u"（CIFS の nobrl、NFS の local_lock=posix や local_lock=all の付いたマウントでは使えま"
     u"せん）。",
     u"Ask your administrator for a share of this folder that keeps byte-range locks (a CIFS "
     u"mount with nobrl, or an NFS mount with local_lock=posix or local_lock=all, does not)."},
    {M::kPatternFolderNoLockFile,
     u"パターンデータフォルダ {1} のロックファイル {2} を作成できません（{3}）。ロックなしでは"
     u"ほかのパソコンの変換と重なるおそれがあるため、何も書かずに中止しました。",
     u"The lock file {2} of the pattern-data folder {1} cannot be made or opened ({3}). Without "
     u"the lock, conversions on other computers could overwrite each other's additions, so "
     u"nothing was written."},
    {M::kPatternFolderWriteAdvice,
     u"管理者に、このフォルダへの書き込みの権限を付けてもらってください。",
     u"Ask your administrator for the right to write into this folder."},
    {M::kWaitingForHolder, u"{1} の {2} が {3} から変換中です。終わるまで待ちます（最大 {4} 秒）。",
     u"{2} on {1} has been converting since {3}. Waiting until it finishes (at most {4} "
     u"{4?second|seconds})."},
    {M::kWaitingForOtherProgram,
     u"別のプログラムがパターンデータフォルダをロックしています。終わるまで待ちます（最大 {1} "
     u"秒）。",
     u"Another program holds the lock of the pattern-data folder. Waiting until it lets go (at "
     u"most {1} {1?second|seconds})."},
    {M::kCannotCreateNameTable, u"空の名前表を作成できません：{1}。",
     u"The empty name table cannot be created: {1}."},
    {M::kCountBeyondRange, u"タグ行 {1} の件数が 32767 を超えています：{2}。",
     u"The count of the tag line {1} is beyond 32 767: {2}."},
    {M::kTooManyLayers, u"名前のある層が {1} あります。番号を付けられるのは 32766 までです。",
     u"The section lists {1} named layers; at most 32766 can be numbered."},
    {M::kTooManyRecords, u"レコードが {1} あります。番号を付けられるのは 32766 までです。",
     u"The section has {1} records; at most 32766 can be numbered."},
    {M::kTooManyNotes, u"記事が {1} あります。番号を付けられるのは 32766 までです。",
     u"The section has {1} notes; at most 32766 can be numbered."},
    {M::kTooManyReadings, u"測定値が {1} あります。番号を付けられるのは 32766 までです。",
     u"The section has {1} readings; at most 32766 can be numbered."},
    {M::kDateWithoutSlash, u"レコード {1} の日付 [{2}] の月と日の間に「/」がありません。",
     u"Record {1} has the date [{2}], which has no \"/\" between month and day."},
    {M::kValueNeedsQuotes,
     u"値 [{1}] は {2} では二重引用符で囲む必要がありますが、それ自体に二重引用符を含んでいま"
     u"す。",
     u"The value [{1}] needs double quotes in {2} and holds a double quote itself."},
    {M::kAddedNamesFull,
     u"名前 [{1}] を追加できません。追加した名前のコードがすでに 3999 に達しており、4000 以上の"
     u"コードは二度と見つかりません。",
     u"The name [{1}] cannot be added: the added names already reach code 3999, and a code of "
     u"4000 or more would never be found again."},
    {M::kTableCannotBeReplaced, u"追加名の表を置き換えられません：{1}。表は変更されていません。",
     u"The table of added names cannot be replaced: {1}. It is unchanged."},
    {M::kCannotCreateMarker, u"目印のファイルを作成できません：{1}。",
     u"The marker file cannot be created: {1}."},
    {M::kCodeBeyond16, u"コード [{1}]（キー [{2}]）が 16 ビットの範囲を超えています。",
     u"The code [{1}] of the key [{2}] is beyond the 16-bit range."},
    {M::kColumnTooManyEntries,
     u"{1} 列目の項目が {2} あります。番号を付けられるのは 32766 までです。",
     u"Column {1} has {2} entries; at most 32766 can be numbered."},

    {M::kValueBreaksTableLine,
     u"値「{1}」は名前の表に書き込めません。コンマがあるか二重引用符で始まるため、表の行が６つの"
     u"項目を保てません。",
     u"The value [{1}] cannot be written to the name table: it holds a comma or begins with a "
     u"double quote, so the table line would not keep its six fields."},

    {M::kCheckNotCp932From,
     u"この行にコードページ 932（シフト JIS）ではないバイトがあります（ファイルの {1} バイト目"
     u"から）。実行は何も書き込む前に止まります。",
     u"The line holds bytes that are not code page 932 (Shift-JIS), from byte offset {1} of "
     u"the file: the run stops before it writes anything."},
    {M::kCheckNotCp932, u"この行にコードページ 932（シフト JIS）ではないバイトがあります。",
     u"The line holds bytes that are not code page 932 (Shift-JIS)."},
    {M::kCheckMoreNotCp932, u"ほかに {1} 行に、コードページ 932 ではないバイトがあります。",
     u"{1} further {1?line holds|lines hold} bytes that are not code page 932."},
    {M::kCheckNoSection,
     u"変換するセクションのタグ行がありません。実行してもファイルは書き込まれません。",
     u"The file has no tag line of a section that the run converts: a run writes no file."},
    {M::kCheckRunStopsHere, u"実行はここで止まります。", u"The run stops here."},
    {M::kCheckNoCount,
     u"タグ行に件数がありません。このセクションはないものとされ、変換されません。",
     u"The tag line has no count: the section counts as absent and is not converted."},
    {M::kCheckCountNotNumber,
     u"件数「{1}」は数値ではありません。このセクションはないものとされ、変換されません。",
     u"The count [{1}] is not a number: the section counts as absent and is not converted."},
    {M::kCheckCountNegative, u"件数「{1}」が負の数です。レコードは読まれません。",
     u"The count [{1}] is negative: no record is read."},
    {M::kCheckCountNotWhole, u"件数「{1}」は整数ではありません。実行では {2} とみなします。",
     u"The count [{1}] is not a whole number: the run takes it as {2}."},
    {M::kCheckCountPastEnd,
     u"件数 {1} に対して、タグ行の後にある{3}は {2} しかありません。実行はファイルの終わりを越え"
     u"て読もうとし、何も書き込む前に止まります。",
     u"The count {1} promises more {3} than the {2} that stand after the tag line: the run "
     u"reads past the end of the file and stops there, before it writes anything."},
    {M::kCheckCountIntoNextTag,
     u"件数 {1} に対して、{5} 行目のタグ行 {4} より前にある{3}は {2} しかありません。そのタグ"
     u"行とその後の行も {6} のレコードとして読まれます。",
     u"The count {1} promises more {3} than the {2} that stand before the tag line {4} at line "
     u"{5}: the run reads that tag line and the lines after it as records of {6}."},
    {M::kCheckCountIntoSection,
     u"件数 {1} に対して、{5} 行目のタグ行 {4} より前にある{3}は {2} しかありません。このタグ"
     u"行を {6} の一部として読むことになるため、変換は何も書き込む前にここで止まります。",
     u"The count {1} promises more {3} than the {2} that stand before the tag line {4} at line "
     u"{5}: the run would read that tag line as part of {6}, so it stops there, before it "
     u"writes anything."},
    {M::kCheckSecondTag,
     u"2 つ目のタグ行 {1} です。タグで始まる最初の行（{2} 行目）だけが使われるので、この行とその"
     u"レコードは読まれません。",
     u"A second tag line {1}: only the first line that begins with a tag counts (line {2}), so "
     u"this one and its records are never read."},
    {M::kCheckUnknownTag,
     u"この行は {1} で始まりますが、実行の知らないタグです。この行とその後の行は読まれません。",
     u"The line begins with {1}, which is not a tag the run knows: it and the lines after it "
     u"are never read."},
    {M::kCheckLineUnreached, u"{1} 行目は読まれません。どのセクションの検索も届きません。",
     u"Line {1} is never read: no section's search reaches it."},
    {M::kCheckLinesUnreached,
     u"{1} 行目から {2} 行目までは読まれません。どのセクションの検索も届きません。",
     u"Lines {1} to {2} are never read: no section's search reaches them."},
    {M::kCheckLineBeyondCount,
     u"{1} 行目は読まれません。{3} の件数 {2} が、そこにある{5} {4} より少ないためです。",
     u"Line {1} is never read: the count {2} of {3} is less than the {4} {5} that stand "
     u"there."},
    {M::kCheckLinesBeyondCount,
     u"{1} 行目から {2} 行目までは読まれません。{4} の件数 {3} が、そこにある{6} {5} より少ない"
     u"ためです。",
     u"Lines {1} to {2} are never read: the count {3} of {4} is less than the {5} {6} that "
     u"stand there."},
    {M::kCheckNoSuchFile, u"そのファイルはありません。実行はこのファイルを受け付けません。",
     u"There is no such file: the run refuses it."},
    {M::kCheckCannotRead, u"ファイルを読めません：{1}。", u"The file cannot be read: {1}."},
    {M::kCheckDateWithoutSlash,
     u"日付「{1}」の月と日の間に「/」がありません。実行はこの日付で、何も書き込む前に止まりま"
     u"す。",
     u"The date [{1}] has no \"/\" between month and day: a run stops at such a date, before "
     u"it writes anything."},
    {M::kCheckRecordNoDepth, u"レコード {1} に深度がありません。", u"Record {1} has no depth."},
    {M::kCheckRecordDepthNotNumber, u"レコード {2} の深度「{1}」は数値ではありません。",
     u"The depth [{1}] of record {2} is not a number."},
    {M::kCheckRecordNoDepthAsZero, u"レコード {1} に深度がありません（深度 0 とみなします）。",
     u"Record {1} has no depth (it counts as depth 0)."},
    {M::kCheckRecordDepthNotNumberAsZero,
     u"レコード {2} の深度「{1}」は数値ではありません（深度 0 とみなします）。",
     u"The depth [{1}] of record {2} is not a number (it counts as depth 0)."},
    {M::kCheckRangeMarkAlone,
     u"{1} 列目の範囲記号「～」の上に、延ばす値がありません。この記号は項目にならず、範囲を閉じ"
     u"るはずの値も捨てられます。",
     u"The range mark \"～\" in column {1} has no value above it to extend: it makes no "
     u"entry, and the value that would close it is dropped too."},
    {M::kCheckValueCannotBeQuoted,
     u"値「{1}」は {2} では二重引用符で囲む必要がありますが、値の中にも二重引用符があるため、表"
     u"のどの行にも書けません。変換は何も書き込む前にここで止まります。",
     u"The value [{1}] needs double quotes in {2} and holds one itself, so no line of the "
     u"table can hold it: the run stops here, before it writes anything."},
    {M::kCheckValueQuoted,
     u"値「{1}」にはコンマ、端の空白、または先頭の二重引用符があります。{2} には二重引用符で囲"
     u"んで書き込まれます。",
     u"The value [{1}] holds a comma, a blank at an end or a leading double quote: it is "
     u"written to {2} between double quotes."},
    {M::kCheckLayerNameCannotBeQuoted,
     u"地層名「{1}」は名前の表では二重引用符で囲む必要がありますが、名前の中にも二重引用符があり"
     u"ます。新しい名前なら、実行は表を変える前に止まります。",
     u"The layer name [{1}] needs double quotes in the name tables and holds one itself: if "
     u"the name is new, the run stops before it changes a table."},
    {M::kCheckLayerNameQuoted,
     u"地層名「{1}」にはコンマがあるか、二重引用符で始まります。新しい名前は名前の表に二重引用符"
     u"で囲んで書き込まれます。",
     u"The layer name [{1}] holds a comma or begins with a double quote: a new name is written "
     u"to the name tables between double quotes."},
    {M::kCheckAttributeCannotBeQuoted,
     u"属性「{1}」は名前の表では二重引用符で囲む必要がありますが、属性の中にも二重引用符がありま"
     u"す。地層名が新しければ、実行は表を変える前に止まります。",
     u"The attribute [{1}] needs double quotes in the name tables and holds one itself: if "
     u"the layer's name is new, the run stops before it changes a table."},
    {M::kCheckAttributeQuoted,
     u"属性「{1}」にはコンマがあるか、二重引用符で始まります。地層名が新しければ、属性は名前の表"
     u"に二重引用符で囲んで書き込まれます。",
     u"The attribute [{1}] holds a comma or begins with a double quote: if the layer's name is "
     u"new, the attribute is written to the name tables between double quotes."},
    {M::kCheckNoteWithoutText,
     u"レコード {1} に本文の行がありません（レコードは深度の行、2 行目、本文の行の順です）。何"
     u"も書き込まれません。",
     u"Record {1} has no text lines (a record is a depth line, a second line, then text "
     u"lines): it writes nothing."},
    {M::kCheckSeriesDepthNotNumber,
     u"第 {2} 系列の深度「{1}」は数値ではありません。このレコードはその項目を作りません。",
     u"The depth [{1}] of the {2?first|second} series is not a number: the record gives it no "
     u"entry."},
    {M::kCheckSeriesDepthAbove,
     u"第 {2} 系列の深度「{1}」が {3} 行目の深度より浅くなっています。R41.TXT は深度の昇順に一度"
     u"で書かれるため、行が深度の順になりません。",
     u"The depth [{1}] of the {2?first|second} series is above the one at line {3}: R41.TXT "
     u"is written in one pass by ascending depth, so its lines come out of depth order."},
    {M::kCheckDepthBeyondLastLine,
     u"深度「{1}」は 99999 を超えています。R41.TXT にその行は書かれません。",
     u"The depth [{1}] lies beyond 99999: it writes no line of its own in R41.TXT."},
    {M::kCheckRowWithoutDepth, u"この行には値がありますが、深度がありません。",
     u"The row has values but no depth."},
    {M::kCheckDepthNotNumber, u"深度「{1}」は数値ではありません。",
     u"The depth [{1}] is not a number."},
    {M::kCheckSummary, u"セクション {1} 個、エラー {2} 件、警告 {3} 件",
     u"{1} {1?section|sections}, {2} {2?error|errors}, {3} {3?warning|warnings}"},
    {M::kCheckFilesSummary, u"ファイル {1} 個：エラー {2} 件、警告 {3} 件",
     u"{1} {1?file|files}: {2} {2?error|errors}, {3} {3?warning|warnings}"},
    {M::kCheckColumns, u"  タグ    行     件数     実数", u"  tag   line    count  present"},
    {M::kCheckNotConverted, u"（変換しない）", u" (not converted)"},
    {M::kCheckError, u"エラー", u"error"},
    {M::kCheckWarning, u"警告", u"warning"},

    {M::kStageSourceFile, u"変換元ファイル", u"source file"},
    {M::kStageTargetFolder, u"変換先フォルダ", u"target folder"},
    {M::kStagePatternFolder, u"パターンデータフォルダ", u"pattern-data folder"},

    {M::kSettingsLookedIn, u"{1} は次のフォルダをこの順に探しました：",
     u"{1} was looked for in these folders, in this order:"},
    {M::kSettingsLookedInFolder, u"  {1}", u"  {1}"},
    {M::kSettingsLookedInEnd,
     u"最初に見つかったものを使います。別のフォルダは --system-dir DIR で指定できます。",
     u"The first that holds it is used; --system-dir DIR names another."},
    {M::kRunWroteFiles, u"ファイル {1} 個を書き込み、表に {2} 行を追加しました。",
     u"{1} {1?file|files} written, {2} table {2?line|lines} added."},

    {M::kPreviewSourceLine, u"変換元ファイルの {1} 行目：{2}", u"source line {1}: {2}"},
    {M::kPreviewHoldsNoLine, u"{1} には行がありません。", u"{1} holds no line."},
    {M::kPreviewDepthNotNumber,
     u"{1} の {2} 行目：深さ [{3}] は数値ではありません。{4} m の位置に描いています。",
     u"{1} line {2}: the depth [{3}] is not a number; it is drawn at {4} m."},
    {M::kPreviewLayersOutOfOrder,
     u"{1} の {2} 行目：深さ [{3}] が一つ前の [{4}] より浅くなっています。層の順序が逆です。",
     u"{1} line {2}: the depth [{3}] lies above the one before it [{4}]: the layers are out of "
     u"order."},
    {M::kPreviewDepthsNotAscending,
     u"{1} の {2} 行目：深さ [{3}] が一つ前の [{4}] より浅くなっています。深さが昇順ではありませ"
     u"ん。",
     u"{1} line {2}: the depth [{3}] lies above the one before it [{4}]: the depths are not "
     u"ascending."},
    {M::kPreviewBelowLength,
     u"{1} の {2} 行目：深さ [{3}] がヘッダーにあるボーリングの長さ {4} m より深くなっています"
     u"。",
     u"{1} line {2}: the depth [{3}] lies below the boring's length of {4} m in the header "
     u"block."},
    {M::kPreviewCannotReadBack, u"{1} を読み返せません：{2}", u"{1} cannot be read back: {2}"},
    {M::kPreviewRefused, u"拒否：{1}", u"refused: {1}"},
    {M::kPreviewFailed, u"中断：{1}", u"failed: {1}"},
    {M::kPreviewNoTitles, u"Titl01.txt、Titl02.txt：書き込まれません（ヘッダーがありません）",
     u"Titl01.txt, Titl02.txt: not written (no header block)"},
    {M::kPreviewMoreFindings,
     u"… ファイル全体についての指摘がほかに {1} 件あります（gdfconv check "
     u"で確かめてください）",
     u"… {1} more {1?finding|findings} of the whole file (see gdfconv check)"},
    {M::kPreviewTableName, u"表の名前", u"table name"},
    {M::kPreviewAddedName, u"追加済みの名前", u"added name"},
    {M::kPreviewNewName, u"新しい名前", u"new name"},
    {M::kPreviewNewTag, u"新規", u"new"},
    {M::kPreviewCut, u"{1} m より深いものはページの下端に描いています。",
     u"Depths beyond {1} m are drawn at the foot of the page."},
    {M::kPreviewLines, u"{1} 行", u"{1} {1?line|lines}"},
    {M::kPreviewReadings, u"測定値 {1}", u"{1} {1?reading|readings}"},
    {M::kPreviewFirstSeries, u"第1  {1}", u"1st  {1}"},
    {M::kPreviewSecondSeries, u"第2  {1}", u"2nd  {1}"},
    {M::kPreviewIndexTitle, u"gdfconv プレビュー", u"gdfconv preview"},
    {M::kPreviewIndexTally, u"ファイル {1} 個：変換 {2}、拒否 {3}、中断 {4}",
     u"{1} {1?file|files}: {2} converted, {3} refused, {4} failed"},
    {M::kPreviewIndexTallyDryRun,
     u"ファイル {1} 個：変換 {2}、拒否 {3}、中断 {4}（試行：何も書き込んでいません）",
     u"{1} {1?file|files}: {2} converted, {3} refused, {4} failed (dry run: nothing was "
     u"written)"},
    {M::kPreviewFindingsMarked, u"（指摘 {1} 件を図に示しています）",
     u"({1} {1?finding|findings} marked)"},
    {M::kPreviewWrote, u"{1} を書き込みました（列 {2}、指摘 {3} 件）",
     u"wrote {1} ({2} {2?column|columns}, {3} {3?finding|findings})"},
    {M::kPreviewWouldFail, u"実行すると中断します：{1}", u"the run would fail: {1}"},
    {M::kPictureCannotBeWritten, u"図のファイル {1} に書き込めません",
     u"the picture file {1} cannot be written"},
    {M::kPictureNotWrittenWhole, u"図のファイル {1} を最後まで書き込めませんでした",
     u"the picture file {1} could not be written whole"},
    {M::kReportFileCannotBeWritten, u"報告のファイル {1} に書き込めません",
     u"the report file {1} cannot be written"},
    {M::kReportFileNotWrittenWhole, u"報告のファイル {1} を最後まで書き込めませんでした",
     u"the report file {1} could not be written whole"},
    {M::kBatchTargetRootMissing,
     u"変換先のルートフォルダ {1} がありません。作成するか、--yes を付けて作成させてください",
     u"the target root {1} does not exist; create it, or pass --yes to have it created"},

    {M::kUsageSeeHelp, u"（{1} --help を参照してください）", u"(see {1} --help)"},
    {M::kUsageUnknownCommand, u"コマンド '{1}' はありません", u"unknown command '{1}'"},
    {M::kUsageUnknownOption, u"オプション '{1}' はありません", u"unknown option '{1}'"},
    {M::kUsageNeedsValue, u"{1} には値が必要です", u"{1} needs a value"},
    {M::kUsageNeedsFileName, u"{1} にはファイル名が必要です", u"{1} needs a file name"},
    {M::kUsageLanguage, u"--lang には ja か en を指定してください", u"--lang needs ja or en"},
    {M::kUsageLockWait, u"--lock-wait には 0 から {1} までの整数の秒数を指定してください",
     u"--lock-wait takes a whole number of seconds from 0 to {1}"},
    {M::kUsageDrive, u"--drive には LETTER=FOLDER を指定してください（例 --drive D=/srv/borings）",
     u"--drive takes LETTER=FOLDER, for example --drive D=/srv/borings"},
    {M::kUsageSourceAndTarget, u"SOURCE と TARGET を指定してください",
     u"expected SOURCE and TARGET"},
    {M::kUsageOneSource, u"SOURCE を一つ指定してください", u"expected one SOURCE"},
    {M::kUsageSomeSource, u"SOURCE を一つ以上指定してください", u"expected at least one SOURCE"},
    {M::kUsageOutput, u"-o FILE.svg を指定してください", u"expected -o FILE.svg"},
    {M::kUsageTargetRootOrList,
     u"--target-root DIR と変換元ファイル、または --list FILE のどちらか一方を指定してください",
     u"give either --target-root DIR with the sources, or --list FILE"},
    {M::kUsageListAndSources,
     u"--list を指定したときは変換元ファイルを一覧から取ります。ほかに指定しないでください",
     u"with --list the sources come from the list; give none besides"},
    {M::kUsageNoSourceInFolders, u"指定したフォルダに *.gdf ファイルがありません",
     u"the folders given hold no *.gdf file"},
    {M::kUsageSameStem,
     u"{1} と {2} はどちらもフォルダ {3} に変換されてしまいます。変換先を一覧（--list）で指定して"
     u"ください",
     u"{1} and {2} would both go into the folder {3}; give their targets in a list (--list) "
     u"instead"},
    {M::kUsageListUnreadable, u"一覧のファイル {1} を読めません",
     u"the list file {1} cannot be read"},
    {M::kUsageListLineNotPair,
     u"{1} の {2} 行目が、タブで区切った変換元と変換先になっていません：{3}",
     u"{1}: line {2} is not a source and a target separated by a tab: {3}"},
    {M::kUsageListEmpty, u"{1} に変換元ファイルがありません", u"{1} lists no source"},
    {M::kUsagePreviewFolder, u"図のフォルダ {1} を作成できません",
     u"the preview folder {1} cannot be created"},
    {M::kUsageFormat, u"--format には text か json を指定してください",
     u"--format needs text or json"},
    {M::kUsageSince, u"--since には日付を YYYY-MM-DD の形で指定してください",
     u"--since takes a date as YYYY-MM-DD"},
};

static_assert(std::size(kEntries) == static_cast<std::size_t>(MessageId::kCount),
              "every message has its entry");

const Entry& EntryOf(MessageId id) { return kEntries[static_cast<std::size_t>(id)]; }

// The reasons the file systems give for a failed operation (their own words, the C library's and
// Windows'), in Japanese, so that a Japanese failure text is Japanese throughout; with them the
// other words that the core gives as parameters in English: the units of a section's count and
// what overflows. A parameter not listed here stands as it was given.
struct Reason {
  std::u16string_view english;
  std::u16string_view japanese;
};
constexpr Reason kReasons[] = {
    {u"No such file or directory", u"ファイルまたはフォルダがありません"},
    {u"Not a directory", u"パスの途中がフォルダではなくファイルです"},
    {u"Is a directory", u"フォルダです"},
    {u"File exists", u"同じ名前のものがすでにあります"},
    {u"no such drive", u"そのドライブがありません"},
    {u"it is a folder", u"フォルダです"},
    {u"Permission denied", u"アクセス権がありません"},
    {u"Read-only file system", u"読み取り専用のドライブです"},
    {u"No space left on device", u"ディスクの空き容量が足りません"},
    {u"Disk quota exceeded", u"ディスクの割り当て容量を超えました"},
    {u"File too large", u"ファイルが大きすぎます"},
    {u"Input/output error", u"入出力エラーが起きました"},
    {u"Device or resource busy", u"使用中です"},
    {u"Too many open files", u"開いているファイルが多すぎます"},
    {u"Directory not empty", u"フォルダが空ではありません"},
    {u"the file is in use by another program", u"ほかのプログラムがファイルを使用中です"},
    {u"access is denied (read-only, or no permission)",
     u"アクセスが拒否されました（読み取り専用か、権限がありません）"},
    {u"the medium is write-protected", u"書き込み禁止の媒体です"},
    {u"there is not enough space on the disk", u"ディスクの空き容量が足りません"},
    {u"the drive is not ready", u"ドライブの準備ができていません"},
    {u"the name is not allowed on Windows", u"Windows で使えない名前です"},
    {u"the folder is not empty", u"フォルダが空ではありません"},
    {u"another conversion holds it", u"ほかの変換が使用中です"},
    {u"no drive holds it", u"どのドライブにも含まれていません"},
    {u"no such folder", u"フォルダがありません"},
    // The units in which a section's count counts (SectionFound::unit).
    {u"records", u"レコード"},
    {u"header lines", u"見出し行"},
    {u"text lines", u"本文の行"},
    // What overflows the 16-bit range (kOverflow16).
    {u"a byte length", u"バイト数"},
    {u"a counter", u"カウンタ"},
    {u"a number", u"数値"},
    {u"a number that is not a number", u"数値でない値（NaN）"},
    {u"a text length", u"文字列の長さ"},
    {u"the length of a G71 line", u"G71 の行の長さ"},
    {u"the rate of a G71 line", u"G71 の行の割合"},
    {u"the rows of a merged table", u"併合した表の行数"},
};

// A parameter as a language shows it: a system's reason in Japanese for Japanese.
TextView InLanguage(const Text& arg, Language language) {
  if (language == Language::kJapanese) {
    for (const Reason& reason : kReasons) {
      if (reason.english == arg) return reason.japanese;
    }
  }
  return arg;
}

}  // namespace

CatalogueMessage Say(MessageId id, std::initializer_list<Text> args) {
  return CatalogueMessage{id, std::vector<Text>(args)};
}

Text Count(std::int64_t number) { return FromAscii(std::to_string(number)); }

TextView Template(MessageId id, Language language) {
  const Entry& entry = EntryOf(id);
  return language == Language::kJapanese ? entry.japanese : entry.english;
}

Text Render(const CatalogueMessage& message, Language language) {
  const TextView pattern = Template(message.id, language);
  Text out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    const bool placeholder =
        c == u'{' && i + 2 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9';
    if (!placeholder) {
      out.push_back(c);
      continue;
    }
    const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - u'1');
    const Text arg = index < message.args.size() ? message.args[index] : Text();
    const std::size_t close = pattern.find(u'}', i);
    if (close == TextView::npos) {
      out.push_back(c);
      continue;
    }
    if (pattern[i + 2] == u'?') {
      // "{n?one|many}": the word for the count.
      const TextView words = pattern.substr(i + 3, close - i - 3);
      const std::size_t bar = words.find(u'|');
      out += arg == u"1" ? words.substr(0, bar) : words.substr(bar + 1);
    } else {
      out += InLanguage(arg, language);
    }
    i = close;
  }
  return out;
}

Text RenderSentences(const std::vector<CatalogueMessage>& messages, Language language) {
  Text out;
  for (const CatalogueMessage& message : messages) {
    // Japanese sentences end in "。" and follow one another without a blank.
    if (!out.empty() && language == Language::kEnglish) out.push_back(u' ');
    out += Render(message, language);
  }
  return out;
}

Text RenderLines(const std::vector<CatalogueMessage>& messages, Language language) {
  Text out;
  for (const CatalogueMessage& message : messages) {
    if (!out.empty()) out.push_back(u'\n');
    out += Render(message, language);
  }
  return out;
}

Language LanguageOfTag(std::string_view tag) {
  return tag.substr(0, 2) == "ja" ? Language::kJapanese : Language::kEnglish;
}

Language UserLanguage() { return LanguageOfTag(UserLanguageTag()); }

}  // namespace gdf
