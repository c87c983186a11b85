// texts_usage.cpp - The usage errors of the command line.
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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

}  // namespace

std::span<const CatalogueEntry> UsageTexts() { return kEntries; }

}  // namespace gdf
