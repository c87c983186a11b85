// texts_tables.cpp - The health of a pattern-data folder: each finding and what to do about it.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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
};

}  // namespace

std::span<const CatalogueEntry> TableTexts() { return kEntries; }

}  // namespace gdf
