// texts_preview.cpp - The preview: its findings, the words of its picture and of a batch's page of
// pictures, and the files it could not write.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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
};

}  // namespace

std::span<const CatalogueEntry> PreviewTexts() { return kEntries; }

}  // namespace gdf
