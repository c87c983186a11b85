// texts_paths.cpp - The system's own texts, and what the program says of paths: a target path
// refused and what to do, the source and the target, the pattern-data folder setting.
#include "messages/catalogue_entries.h"

#include "messages/system_texts.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr CatalogueEntry kEntries[] = {
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
    {M::kSettingsLookedIn, u"{1} は次のフォルダをこの順に探しました：",
     u"{1} was looked for in these folders, in this order:"},
    {M::kSettingsLookedInFolder, u"  {1}", u"  {1}"},
    {M::kSettingsLookedInEnd,
     u"最初に見つかったものを使います。別のフォルダは --system-dir DIR で指定できます。",
     u"The first that holds it is used; --system-dir DIR names another."},
};

}  // namespace

std::span<const CatalogueEntry> PathTexts() { return kEntries; }

}  // namespace gdf
