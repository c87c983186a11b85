// preview.cpp - `gdfconv preview --help`: its text in both languages, the words of each host
// for its markers (@PATHS@, @EXAMPLES@), and its examples.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

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

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpPreview, kPreviewJa, kPreviewEn},
    {M::kHelpPreviewExamplesPosix, kPreviewExamplesPosix, kPreviewExamplesPosix},
    {M::kHelpPreviewExamplesWindows, kPreviewExamplesWindows, kPreviewExamplesWindows},
};

}  // namespace

std::span<const CatalogueEntry> PreviewHelpTexts() { return kEntries; }

}  // namespace gdf
