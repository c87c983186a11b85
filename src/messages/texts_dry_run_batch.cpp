// texts_dry_run_batch.cpp - The plan of a dry run, and the summary of a batch.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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
};

}  // namespace

std::span<const CatalogueEntry> DryRunAndBatchTexts() { return kEntries; }

}  // namespace gdf
