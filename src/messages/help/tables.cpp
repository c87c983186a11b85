// tables.cpp - `gdfconv tables --help`: its text in both languages, the words of each host for
// its markers (@PATHS@, @EXAMPLES@), and its examples.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

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

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpTables, kTablesJa, kTablesEn},
    {M::kHelpTablesExamplesPosix, kTablesExamplesPosix, kTablesExamplesPosix},
    {M::kHelpTablesExamplesWindows, kTablesExamplesWindows, kTablesExamplesWindows},
};

}  // namespace

std::span<const CatalogueEntry> TablesHelpTexts() { return kEntries; }

}  // namespace gdf
