// usage.cpp - The command line's usage, the window's help, and the words of the hosts that
// every command's help puts in for its markers (@SYSTEM_DIR@, @DRIVE@, @LANG_DEFAULT@).
#include "messages/catalogue_entries.h"

namespace gdf {
namespace {

using M = MessageId;

constexpr const char16_t kUsageJa[] =
    uR"(gdfconv - ボーリング柱状図の変換元ファイル（*.gdf）をレコードファイルに変換します

使い方:
  gdfconv convert [オプション] SOURCE TARGET
                                            変換元ファイルを１つ変換する（--dry-run で
                                            何をするかを確認、--report FILE.json で
                                            スクリプト向けの報告）
  gdfconv check [オプション] SOURCE...      変換元ファイルのセクションと問題を一覧する
  gdfconv preview [オプション] SOURCE -o FILE.svg
                                            実行が作図システムに渡すものを図に描く
                                            （書き込むのは図だけ）
  gdfconv batch [オプション] --target-root DIR SOURCE...
  gdfconv batch [オプション] --list FILE    多数の変換元ファイルを、それぞれ専用の
                                            フォルダに変換する
  gdfconv tables [オプション]               パターンデータフォルダの参照表を点検する
                                            （--log で追加の記録を一覧）
  gdfconv --help                            この説明を表示する
  gdfconv COMMAND --help                    コマンドのオプションと例を表示する

終了ステータス: 0 変換した、1 チェックで拒否された、2 使い方の誤り、3 変換中に失敗した。
check では 0 エラーなし、1 いずれかのファイルにエラーがある。
)";

constexpr const char16_t kUsageEn[] =
    uR"(gdfconv - converts boring-log source data files (*.gdf) into record files

Usage:
  gdfconv convert [options] SOURCE TARGET   convert one source data file (--dry-run to see
                                            what it would do, --report FILE.json for scripts)
  gdfconv check [options] SOURCE...         list the sections and problems of source files
  gdfconv preview [options] SOURCE -o FILE.svg
                                            draw what a run would hand the drawing system,
                                            writing nothing but the picture
  gdfconv batch [options] --target-root DIR SOURCE...
  gdfconv batch [options] --list FILE       convert many source files, each into its own folder
  gdfconv tables [options]                  check the health of a pattern-data folder's tables
                                            (--log: who added what)
  gdfconv --help                            show this text
  gdfconv COMMAND --help                    the options of a command, with examples

Exit status: 0 converted, 1 refused by a check, 2 usage error, 3 failed during the conversion;
check: 0 no errors, 1 some file has an error.
)";

constexpr const char16_t kSystemDirPosixJa[] =
    u"システムディレクトリに当たるフォルダ（既定 /etc/gdfconv）";

constexpr const char16_t kSystemDirPosixEn[] =
    u"the folder that stands for the system directory (default /etc/gdfconv)";

constexpr const char16_t kSystemDirWindowsJa[] =
    u"VirizuV5.ini のあるフォルダ（既定: 32 ビットのプログラムから見たシステム\n"
    u"                      フォルダ。SysWOW64 の VirtualStore の写し、SysWOW64、System32 の\n"
    u"                      VirtualStore の写し、System32 のうち、それがある最初のもの）";

constexpr const char16_t kSystemDirWindowsEn[] =
    u"the folder of VirizuV5.ini (default: the system folder as a 32-bit\n"
    u"                      program sees it: the VirtualStore copy of SysWOW64, SysWOW64, the\n"
    u"                      VirtualStore copy of System32, System32; the first that holds it)";

constexpr const char16_t kDrivePosixJa[] =
    u"ドライブ名 X をホストのフォルダ DIR に割り当てる（繰り返し指定可）。\n"
    u"                      指定がなければ Z: は / に割り当てる";

constexpr const char16_t kDrivePosixEn[] =
    u"map drive letter X to host folder DIR (repeatable); Z: maps to / unless\n"
    u"                      given otherwise";

constexpr const char16_t kDriveWindowsJa[] =
    u"subst と同じように、ドライブ名 X でフォルダ DIR を表す（繰り返し指定可）";

constexpr const char16_t kDriveWindowsEn[] =
    u"stand drive letter X for folder DIR, as subst does (repeatable)";

// The language of the program's own messages when --lang does not say it.
constexpr const char16_t kLanguageDefaultPosixJa[] =
    u"LC_ALL、LC_MESSAGES、\n"
    u"                      LANG のうち最初に設定されているものが「ja」で始まれば日本語";

constexpr const char16_t kLanguageDefaultPosixEn[] =
    u"Japanese when the\n"
    u"                      first of LC_ALL, LC_MESSAGES and LANG that is set begins with \"ja\"";

constexpr const char16_t kLanguageDefaultWindowsJa[] = u"Windows の表示言語が日本語なら日本語";

constexpr const char16_t kLanguageDefaultWindowsEn[] =
    u"Japanese when the\n"
    u"                      display language of Windows is Japanese";

// The window's, in a message box on Windows (it has no console to print on) and on the
// terminal on Linux.
constexpr const char16_t kWindowWindowsJa[] =
    uR"(使い方: gdfconv-gui [オプション]

変換ウィンドウを開きます。オプションは gdfconv convert と同じで、どちらも同じファイルを
書きます:
  --drive X=DIR       subst と同じように、ドライブ名 X でフォルダ DIR を表す（繰り返し指定可）
  --system-dir DIR    VirizuV5.ini のあるフォルダ（既定: 32 ビットのプログラムから見た
                      システムフォルダ）
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ（既定:
                      gdfconv-gui.exe のあるフォルダ）
  --lock-wait SECONDS パターンデータフォルダを変換中のほかのパソコンを待つ秒数
                      （0～3600、既定 30）
  --help              この説明を表示する)";

constexpr const char16_t kWindowWindowsEn[] =
    uR"(Usage: gdfconv-gui [options]

Opens the conversion window. The options are those of gdfconv convert, so that both write the
same files:
  --drive X=DIR       stand drive letter X for folder DIR, as subst does (repeatable)
  --system-dir DIR    the folder of VirizuV5.ini (default: the system folder as a 32-bit
                      program sees it)
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of gdfconv-gui.exe)
  --lock-wait SECONDS how long to wait for another PC that is converting into the pattern-data
                      folder (0 to 3600, default 30)
  --help              show this text)";

constexpr const char16_t kWindowPosixJa[] =
    uR"(使い方: gdfconv-gui [オプション]

変換ウィンドウを開きます。ウィンドウはシステムディレクトリに当たるフォルダの VirizuV5.ini
からパターンデータフォルダを読み、それがなければ開きません。ドライブ、フォルダ、ファイル
の一覧は現在のフォルダから始まります。

オプション（gdfconv convert と同じで、どちらも同じファイルを書きます）:
  --drive X=DIR       ドライブ名 X をホストのフォルダ DIR に割り当てる（繰り返し指定可）。
                      指定がなければ Z: は / に割り当てる
  --system-dir DIR    システムディレクトリに当たるフォルダ。VirizuV5.ini をここから読む
                      （既定 /etc/gdfconv）
  --program-dir DIR   PATADD.txt を置く、プログラム自身のフォルダ（既定: gdfconv-gui の
                      実行ファイルのあるフォルダ）
  --lock-wait SECONDS パターンデータフォルダを変換中のほかのパソコンを待つ秒数
                      （0～3600、既定 30）
  --help              この説明を表示する

Qt 自身のオプション（-platform NAME など）も使えます。

例:
  gdfconv-gui --drive D=/srv/borings --system-dir ~/gdfconv-settings
)";

constexpr const char16_t kWindowPosixEn[] =
    uR"(Usage: gdfconv-gui [options]

Opens the conversion window. The window reads the pattern-data folder from VirizuV5.ini in the
folder that stands for the system directory, and does not open without it. The drive, folder
and file lists start on the current folder.

Options (the same as for gdfconv convert, so that both write the same files):
  --drive X=DIR       map drive letter X to host folder DIR (repeatable); Z: maps to / unless
                      given otherwise
  --system-dir DIR    the folder that stands for the system directory, where VirizuV5.ini is
                      read (default /etc/gdfconv)
  --program-dir DIR   the program's own folder, where PATADD.txt is left (default: the folder
                      of the gdfconv-gui executable)
  --lock-wait SECONDS how long to wait for another PC that is converting into the pattern-data
                      folder (0 to 3600, default 30)
  --help              show this text

Qt's own options (-platform NAME, ...) are accepted as well.

Example:
  gdfconv-gui --drive D=/srv/borings --system-dir ~/gdfconv-settings
)";

constexpr CatalogueEntry kEntries[] = {
    {M::kHelpUsage, kUsageJa, kUsageEn},
    {M::kHelpWindowWindows, kWindowWindowsJa, kWindowWindowsEn},
    {M::kHelpWindowPosix, kWindowPosixJa, kWindowPosixEn},
    {M::kHelpSystemDirPosix, kSystemDirPosixJa, kSystemDirPosixEn},
    {M::kHelpSystemDirWindows, kSystemDirWindowsJa, kSystemDirWindowsEn},
    {M::kHelpDrivePosix, kDrivePosixJa, kDrivePosixEn},
    {M::kHelpDriveWindows, kDriveWindowsJa, kDriveWindowsEn},
    {M::kHelpLanguageDefaultPosix, kLanguageDefaultPosixJa, kLanguageDefaultPosixEn},
    {M::kHelpLanguageDefaultWindows, kLanguageDefaultWindowsJa, kLanguageDefaultWindowsEn},
};

}  // namespace

std::span<const CatalogueEntry> UsageHelpTexts() { return kEntries; }

}  // namespace gdf
