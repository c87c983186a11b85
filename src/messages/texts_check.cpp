// texts_check.cpp - What a check says of a source data file: its findings and the words of its
// report.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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
    {M::kUnitRecords, u"レコード", u"records"},
    {M::kUnitHeaderLines, u"見出し行", u"header lines"},
    {M::kUnitTextLines, u"本文の行", u"text lines"},
};

}  // namespace

std::span<const CatalogueEntry> CheckTexts() { return kEntries; }

}  // namespace gdf
