// message_catalogue.cpp - The catalogue's texts in both languages, and their rendering.
#include "common/message_catalogue.h"

#include <array>
#include <string>

#include "common/messages.h"
#include "common/platform.h"

namespace gdf {
namespace {

struct Entry {
  MessageId id;
  const char16_t* japanese;
  const char16_t* english;
};

using M = MessageId;

// In the order of MessageId; the catalogue test holds it to that.
constexpr Entry kEntries[] = {
    {M::kConverting, messages::kConverting, messages::kConverting},
    {M::kCompleted, messages::kCompleted, messages::kCompleted},
    {M::kInvalidPath, messages::kInvalidPath, messages::kInvalidPath},
    {M::kNoSourceFile, messages::kNoSourceFile, messages::kNoSourceFile},
    {M::kCreateFolder, messages::kCreateFolder, messages::kCreateFolder},
    {M::kBadDrive, messages::kBadDrive, messages::kBadDrive},
    {M::kNoSetting, messages::kNoSetting, messages::kNoSetting},

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
    {M::kNothingWritten,
     u"ファイルは何も書き込まれていません。パターンデータフォルダの表も変更されていません。",
     u"No file was written, and no table of the pattern-data folder was changed."},
    {M::kFilesWrittenBefore, u"中断までに書き込まれたファイル（{1} 個）：",
     u"{1} {1?file was|files were} written before the stop:"},
    {M::kWrittenFile, u"  {1}（{2} 行）", u"  {1} ({2} {2?line|lines})"},
    {M::kTableLinesAdded, u"パターンデータフォルダの表に追加された行（{1} 行）：",
     u"{1} {1?line was|lines were} added to the tables of the pattern-data folder:"},
    {M::kAddedTableLine, u"  {1}: {2},{3}", u"  {1}: {2},{3}"},
    {M::kNoTableChanged, u"パターンデータフォルダの表は変更されていません。",
     u"No table of the pattern-data folder was changed."},
    {M::kFileMayBeIncomplete, u"書き込み中だった「{1}」は不完全かもしれません。",
     u"\"{1}\", which was being written, may be incomplete."},
    {M::kMarkerCreated, u"  {1} を作成しました。", u"  {1} was created."},
    {M::kPlainText, u"{1}", u"{1}"},
    {M::kAnsweredByYesOption, u"--yes による", u"--yes"},
    {M::kAnsweredNoWithoutTerminal, u"尋ねる端末がありません。作成するには --yes を付けてください",
     u"no terminal to ask; pass --yes to create it"},

    {M::kDryRunNothingWritten, u"試行（--dry-run）：何も書き込んでいません。",
     u"Dry run: nothing was written."},
    {M::kDryRunWouldAsk, u"実行すると「{1}」と尋ねます。ここでは「はい」と答えたものとします。",
     u"The run would ask \"{1}\"; the answer Yes is assumed here."},
    {M::kDryRunWouldEnd, u"実行すると次のように終わります：{1}", u"The run would end with: {1}"},
    {M::kDryRunWouldBeRefused, u"実行すると拒否されます：{1}", u"The run would be refused: {1}"},
    {M::kDryRunWouldFail, u"実行すると中断します。", u"The run would fail."},
    {M::kDryRunBeforeFailure, u"中断までに書き込むもの：",
     u"What it would write before the failure:"},
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
    {M::kSubscriptOutOfRange, u"添字が範囲外です：パスの区切りが多すぎます。",
     u"Subscript out of range: the path has more parts than can be held."},
    {M::kCannotCreateFolder, u"フォルダを作成できません：{1}。",
     u"The folder cannot be created: {1}."},
    {M::kPatternFolderBusy,
     u"別の変換がパターンデータフォルダを使用中です（{1} 秒待ちました）。終わってからもう一度実"
     u"行してください。",
     u"Another conversion is using the pattern-data folder; it was still busy after {1} "
     u"seconds. Try again when it has finished."},
    {M::kPatternFolderCannotOpen, u"パターンデータフォルダを開けません：{1}。",
     u"The pattern-data folder cannot be opened: {1}."},
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
     u"件数 {1} に対して、{5} 行目のタグ行 {4} より前にある{3}は {2} しかありません。実行はそ"
     u"のタグ行とその後の行を {6} のレコードとして読みます。",
     u"The count {1} promises more {3} than the {2} that stand before the tag line {4} at line "
     u"{5}: the run reads that tag line and the lines after it as records of {6}."},
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
     u"値「{1}」は {2} では二重引用符で囲む必要がありますが、値の中にも二重引用符があります。実"
     u"行は表に追加するときに止まります。",
     u"The value [{1}] needs double quotes in {2} and holds one itself: the run stops when it "
     u"adds it to the table."},
    {M::kCheckValueCannotBeQuotedUnless,
     u"値「{1}」は {2} では二重引用符で囲む必要がありますが、値の中にも二重引用符があります。実"
     u"行は表に追加するときに止まります（表がない、空、または満杯のときを除きます）。",
     u"The value [{1}] needs double quotes in {2} and holds one itself: the run stops when it "
     u"adds it to the table, unless the table is missing, empty or full."},
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
    {M::kUsageLockWait, u"--lock-wait には秒数を指定してください",
     u"--lock-wait needs a number of seconds"},
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
