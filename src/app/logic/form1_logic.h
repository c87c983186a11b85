// form1_logic.h - Form1's event handlers, written once for every window system.
//
// Start-up, the drive, folder and file lists, Execute and End, and the completion text that the
// pointer clears: all of it lives here, with no toolkit in it. The handlers keep what the lists
// hold (read from the FileSystem) and reach the window only through Form1View: the text of a
// box and its selection, the items of a list and its chosen entry, the status line, message
// boxes and the question, and the pointer. The Qt window and the Win32 window each implement
// Form1View and hand the user's actions to the handlers; neither holds a rule of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/front_end.h"
#include "frontend/command_line.h"
#include "platform/file_system.h"
#include "run/conversion_run.h"
#include "run/report.h"
#include "text/text.h"

namespace gdf::app {

/// The window's caption, which is also the program's title on message boxes.
inline constexpr char16_t kProgramTitle[] = u"GDF -> 柱状図 変換プログラム";

/// The controls that the handlers read or fill.
enum class Control { kText1, kText2, kDrive1, kDir1, kFile1, kDrive2, kDir2 };

/// One entry of a folder list: a folder on the way down from the root to the list's path (an
/// open folder), or a subfolder of that path.
struct FolderItem {
  Text label;        ///< "d:\" for the root, else the folder's name
  Text path;         ///< the folder's path, "D:\WORK"
  int level = 0;     ///< 0 for the root, one more for each folder below it
  bool open = true;  ///< on the way down to the list's path; false for a subfolder
};

/// The window as the handlers see it. Every call is made on the window's own thread.
class Form1View {
 public:
  virtual ~Form1View() = default;

  /// Puts the window in the middle of its screen.
  virtual void CentreOnScreen() = 0;
  /// The text of a text box (`Text1`, `Text2`).
  virtual Text GetText(Control box) const = 0;
  virtual void SetText(Control box, const Text& text) = 0;
  /// Gives a text box the focus and selects its whole text.
  virtual void FocusAndSelectAll(Control box) = 0;
  /// Shows the entries of a drive list with one of them chosen.
  virtual void ShowDrives(Control list, const std::vector<Text>& labels, int chosen) = 0;
  /// Shows the entries of a folder list, `current` being the entry of the list's path.
  virtual void ShowFolders(Control list, const std::vector<FolderItem>& items, int current) = 0;
  /// Shows the file names of the file list, none of them chosen.
  virtual void ShowFiles(Control list, const std::vector<Text>& names) = 0;
  /// Marks the entry `index` of the file list as chosen (-1: none), without a click handler.
  virtual void ShowChosenFile(int index) = 0;
  /// Sets the status line (`Label3`) and paints it at once.
  virtual void SetStatusText(const Text& text) = 0;
  /// Lets the window handle its pending events once.
  virtual void ProcessPendingEvents() = 0;
  /// A modal message box with an OK button.
  virtual void ShowMessage(const Message& message) = 0;
  /// A modal Yes/No question with the question icon; true for Yes.
  virtual bool AskYesNo(const Text& question, const Text& caption) = 0;
  virtual void SetPointer(Pointer pointer) = 0;
  /// Unloads the window, which ends the program.
  virtual void Close() = 0;
};

/// What the handlers need of the host besides the file system.
struct WindowSettings {
  std::string systemDirHost;  ///< the host folder that stands for the system directory
  Text programFolder;         ///< the program's own folder as a drive path, ending with "\"
  /// How long a run waits for another on the same tables.
  int lockWaitMilliseconds = kDefaultLockWaitSeconds * 1000;
  /// The places looked in for the settings file when no folder was given for it.
  std::vector<std::string> systemDirsLooked;
  /// "--pattern-dir": the pattern-data folder as a path of this computer, instead of the setting.
  std::optional<std::string> patternDir;
  /// The source file the window starts with, as a drive path: the one path on its command line,
  /// as Explorer passes a file opened with the program or dropped on its icon.
  std::optional<Text> source;
  /// "--preview": only the picture of the source file is made, beside it, and opened.
  bool preview = false;
};

/// A window's command line, read against WindowOptions(): the options and at most one path, the
/// source file. Nothing, with the usage error in `error`, when it cannot be read.
std::optional<CommandLine> ParseWindowCommandLine(const std::vector<std::string>& args,
                                                  CatalogueMessage& error);

/// The settings of a window from its command line, read against WindowOptions(), with the host
/// settings completed: the system folder, the program's folder on `fs`, the wait for the
/// pattern-data folder, "--pattern-dir" and the source file.
WindowSettings WindowSettingsOf(const CommandLine& line, const FileSystem& fs);

/// The pattern-data folder of a window: "--pattern-dir" when given, else the settings file's.
/// Nothing when there is none: `refusal` is then the message box to show, " VIRIZU の設定が
/// ありません." followed by the explanation in Japanese.
std::optional<Text> WindowPatternFolder(FileSystem& fs, const WindowSettings& settings,
                                        Message& refusal);

/// Whether a file name matches a pattern of "*" and "?" ("*.gdf"), without regard to case;
/// several patterns may be given, separated by ";".
bool MatchesFilePattern(TextView name, TextView pattern);

/// The text of the message box after a run that stopped: where and why, and what it left.
Text FailureMessageText(const RunReport& report);

/// Form1's state and handlers.
class Form1Logic {
 public:
  /// The lists start on the current drive and folder of `fs`; nothing is shown until
  /// `Form_Load`. `view` and `fs` must outlive the handlers.
  Form1Logic(Form1View& view, FileSystem& fs, WindowSettings settings);

  /// Start-up. False when the pattern-data folder check failed: its message has been shown and
  /// the program must end without showing the window. A source file in the settings is then
  /// chosen as OpenSource does.
  bool Form_Load();

  /// Chooses a source file, as when it is opened from Explorer or dropped on the window: its
  /// drive and folder in the source lists, the file chosen in the file list when listed there,
  /// and its path in `Text1`. A folder shows that folder. False, with nothing changed, when the
  /// path names neither.
  bool OpenSource(TextView path);
  /// Files dropped on the window, as paths of this computer: the first that is a file or a
  /// folder is opened.
  void DropFiles(const std::vector<std::string>& hostPaths);

  void Command1_Click();
  void Command2_Click();
  void Drive1_Change();
  void Drive2_Change();
  void Dir1_Change();
  void Dir2_Change();
  void File1_Click();
  void Picture1_MouseMove();

  // What the user does to the lists, as the window reports it.
  /// The user chose the entry `index` of a drive list.
  void ChooseDrive(Control list, int index);
  /// The user opened the entry `index` of a folder list (double click, Enter).
  void OpenFolder(Control list, int index);
  /// The user chose the entry `index` of the file list (click, arrow keys); -1 for none.
  void ChooseFile(int index);

  // The lists' properties, as the handlers set and read them.
  /// The chosen drive of a drive list (upper case), 0 when there is none.
  char16_t Drive(Control list) const;
  /// Chooses a drive; a different choice runs the list's change handler. False when the letter
  /// is not in the list.
  bool SetDrive(Control list, char16_t letter);
  const std::vector<gdf::Drive>& Drives() const { return drives_; }
  /// The folder a folder list shows, "D:\WORK" ("D:\" at a root).
  const Text& FolderPath(Control list) const;
  /// Shows a folder: a drive alone ("D:") means that drive's current folder, a relative path is
  /// taken from the current folder. A different path runs the list's change handler. False,
  /// with nothing changed, when the folder cannot be read.
  bool SetFolderPath(Control list, TextView path);
  const std::vector<FolderItem>& Folders(Control list) const;
  /// The files the file list shows, and the chosen one's name (empty when none is chosen).
  const std::vector<Text>& FileNames() const { return file1_.names; }
  Text FileName() const;

  /// `ConversionDone`: 1 while the status line shows the completion text.
  std::int16_t ConversionDone() const { return conversionDone_; }
  /// `PatternFolder`, set by start-up.
  const Text& PatternFolder() const { return patternFolder_; }

 private:
  struct DriveListState {
    Control id;
    char16_t drive = u'\0';
    char16_t lastGood = u'\0';  // the last good drive, 0 until the first successful change
  };
  struct FolderListState {
    Control id;
    Text path;
    std::vector<FolderItem> items;
    int current = 0;
  };
  struct FileListState {
    Text path;
    Text pattern = u"*.*";
    std::vector<Text> names;
    int chosen = -1;
  };
  class RunUi;

  DriveListState& DriveList(Control list);
  const DriveListState& DriveList(Control list) const;
  FolderListState& FolderList(Control list);
  const FolderListState& FolderList(Control list) const;
  void ShowDriveList(const DriveListState& list);
  void FillFolderList(FolderListState& list);
  void FillFileList();
  void ChangeDrive(DriveListState& list, Control folders);
  void ReturnToLastGoodDrive(DriveListState& list);

  Form1View& view_;
  FileSystem& fs_;
  WindowSettings settings_;
  std::vector<gdf::Drive> drives_;
  DriveListState drive1_{Control::kDrive1, u'\0', u'\0'};
  DriveListState drive2_{Control::kDrive2, u'\0', u'\0'};
  FolderListState dir1_{Control::kDir1, {}, {}, 0};
  FolderListState dir2_{Control::kDir2, {}, {}, 0};
  FileListState file1_;
  Text patternFolder_;
  std::int16_t conversionDone_ = 0;
  bool seekingDrive_ = false;  // a drive list is looking for a drive after a first failure
  bool running_ = false;       // a run is in progress
};

}  // namespace gdf::app
