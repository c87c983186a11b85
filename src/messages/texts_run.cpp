// texts_run.cpp - What a run says: how it ended and what it left, why it stopped, why a file
// operation failed, and what overflowed.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
    {M::kRunStopped, u"変換を中断しました（{1}）。", u"The conversion stopped in {1}."},
    {M::kRunStoppedNoStage, u"変換を中断しました。", u"The conversion stopped."},
    {M::kFailureFile, u"ファイル：{1}", u"File: {1}"},
    {M::kFailureLine, u"変換元ファイルの行：{1}", u"Line: {1}"},
    {M::kFailureStage, u"段階：{1}", u"Stage: {1}"},
    {M::kFailureReason, u"理由：{1}", u"Reason: {1}"},
    {M::kUnknown, u"（不明）", u"(unknown)"},
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
    {M::kTooManyLayers, u"名前のある層が {1} あります。番号を付けられるのは {2} までです。",
     u"The section lists {1} named layers; at most {2} can be numbered."},
    {M::kTooManyRecords, u"レコードが {1} あります。番号を付けられるのは {2} までです。",
     u"The section has {1} records; at most {2} can be numbered."},
    {M::kTooManyNotes, u"記事が {1} あります。番号を付けられるのは {2} までです。",
     u"The section has {1} notes; at most {2} can be numbered."},
    {M::kTooManyReadings, u"測定値が {1} あります。番号を付けられるのは {2} までです。",
     u"The section has {1} readings; at most {2} can be numbered."},
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
     u"{1} 列目の項目が {2} あります。番号を付けられるのは {3} までです。",
     u"Column {1} has {2} entries; at most {3} can be numbered."},
    {M::kValueBreaksTableLine,
     u"値「{1}」は名前の表に書き込めません。コンマがあるか二重引用符で始まるため、表の行が６つの"
     u"項目を保てません。",
     u"The value [{1}] cannot be written to the name table: it holds a comma or begins with a "
     u"double quote, so the table line would not keep its six fields."},
    {M::kFileNoSuchFile, u"ファイルまたはフォルダがありません", u"No such file or directory"},
    {M::kFileNoSuchFolder, u"フォルダがありません", u"no such folder"},
    {M::kFileNotAFolder, u"パスの途中がフォルダではなくファイルです", u"Not a directory"},
    {M::kFileIsAFolder, u"フォルダです", u"it is a folder"},
    {M::kFileExists, u"同じ名前のものがすでにあります", u"File exists"},
    {M::kFileNoSuchDrive, u"そのドライブがありません", u"no such drive"},
    {M::kFilePermissionDenied, u"アクセス権がありません", u"Permission denied"},
    {M::kFileAccessDenied, u"アクセスが拒否されました（読み取り専用か、権限がありません）",
     u"access is denied (read-only, or no permission)"},
    {M::kFileReadOnlyDrive, u"読み取り専用のドライブです", u"Read-only file system"},
    {M::kFileWriteProtected, u"書き込み禁止の媒体です", u"the medium is write-protected"},
    {M::kFileDiskFull, u"ディスクの空き容量が足りません", u"No space left on device"},
    {M::kFileQuotaExceeded, u"ディスクの割り当て容量を超えました", u"Disk quota exceeded"},
    {M::kFileBeyondSizeLimit, u"ファイルが大きすぎます", u"File too large"},
    {M::kFileInputOutput, u"入出力エラーが起きました", u"Input/output error"},
    {M::kFileBusy, u"使用中です", u"Device or resource busy"},
    {M::kFileTooManyOpenFiles, u"開いているファイルが多すぎます", u"Too many open files"},
    {M::kFileFolderNotEmpty, u"フォルダが空ではありません", u"Directory not empty"},
    {M::kFileInUse, u"ほかのプログラムがファイルを使用中です",
     u"the file is in use by another program"},
    {M::kFileDriveNotReady, u"ドライブの準備ができていません", u"the drive is not ready"},
    {M::kFileNameNotAllowed, u"Windows で使えない名前です", u"the name is not allowed on Windows"},
    {M::kWhatByteLength, u"バイト数", u"a byte length"},
    {M::kWhatCounter, u"カウンタ", u"a counter"},
    {M::kWhatNumber, u"数値", u"a number"},
    {M::kWhatNotANumber, u"数値でない値（NaN）", u"a number that is not a number"},
    {M::kWhatTextLength, u"文字列の長さ", u"a text length"},
    {M::kWhatG71Length, u"G71 の行の長さ", u"the length of a G71 line"},
    {M::kWhatG71Rate, u"G71 の行の割合", u"the rate of a G71 line"},
    {M::kWhatMergedRows, u"併合した表の行数", u"the rows of a merged table"},
    {M::kStageSourceFile, u"変換元ファイル", u"source file"},
    {M::kStageTargetFolder, u"変換先フォルダ", u"target folder"},
    {M::kStagePatternFolder, u"パターンデータフォルダ", u"pattern-data folder"},
    {M::kRunWroteFiles, u"ファイル {1} 個を書き込み、表に {2} 行を追加しました。",
     u"{1} {1?file|files} written, {2} table {2?line|lines} added."},
    {M::kReportWrote, u"  書き込み {1}（{2} 行）", u"  wrote {1} ({2} {2?line|lines})"},
    {M::kReportAdded, u"  {1} に追加: {2},{3}", u"  added to {1}: {2},{3}"},
};

}  // namespace

std::span<const CatalogueEntry> RunTexts() { return kEntries; }

}  // namespace gdf
