// batch.cpp - `gdfconv batch --help`: its text in both languages, the words of each host for
// its markers (@PATHS@, @EXAMPLES@), and its examples.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

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

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpBatch, kBatchJa, kBatchEn},
    {M::kHelpBatchPathsPosix, kBatchPathsPosixJa, kBatchPathsPosixEn},
    {M::kHelpBatchPathsWindows, kBatchPathsWindowsJa, kBatchPathsWindowsEn},
    {M::kHelpBatchExamplesPosix, kBatchExamplesPosix, kBatchExamplesPosix},
    {M::kHelpBatchExamplesWindows, kBatchExamplesWindows, kBatchExamplesWindows},
};

}  // namespace

std::span<const CatalogueEntry> BatchHelpTexts() { return kEntries; }

}  // namespace gdf
