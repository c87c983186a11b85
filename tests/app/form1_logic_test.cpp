// form1_logic_test.cpp - Show that Form1's handlers, with no window behind them, start up only
// with a pattern-data folder, keep the lists and path boxes on the folders and files chosen,
// refuse an unreadable drive silently, and run Execute with its messages, pointer and status
// line in the right order.
#include "app/logic/form1_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "frontend/command_options.h"
#include "frontend/host_settings.h"
#include "messages/system_texts.h"
#include "platform/host.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf::app {
namespace {

namespace stdfs = std::filesystem;

// The window as the handlers see it: every call is kept, in order, in `log`.
class FakeView : public Form1View {
 public:
  void CentreOnScreen() override { log.push_back(u"centre"); }
  Text GetText(Control box) const override { return texts.count(box) ? texts.at(box) : Text(); }
  void SetText(Control box, const Text& text) override { texts[box] = text; }
  void FocusAndSelectAll(Control box) override {
    focused = box;
    log.push_back(u"select " + texts[box]);
  }
  void ShowDrives(Control list, const std::vector<Text>& labels, int chosen) override {
    driveLabels[list] = labels;
    chosenDrive[list] = chosen;
  }
  void ShowFolders(Control list, const std::vector<FolderItem>& items, int current) override {
    folders[list] = items;
    currentFolder[list] = current;
  }
  void ShowFiles(Control, const std::vector<Text>& names) override {
    files = names;
    chosenFile = -1;
  }
  void ShowChosenFile(int index) override { chosenFile = index; }
  void SetStatusText(const Text& text) override {
    status = text;
    log.push_back(u"status " + text);
  }
  void ProcessPendingEvents() override { log.push_back(u"events"); }
  void ShowMessage(const Message& message) override {
    messages.push_back(message);
    log.push_back(u"message " + message.text.substr(0, 6));
  }
  bool AskYesNo(const Text& question, const Text&) override {
    log.push_back(u"ask " + question);
    return answerYes;
  }
  void SetPointer(Pointer pointer) override {
    log.push_back(pointer == Pointer::kHourglass ? u"hourglass" : u"default pointer");
  }
  void Close() override { log.push_back(u"close"); }

  // The labels of the entries of a folder list below its current entry.
  std::vector<Text> Subfolders(Control list) {
    std::vector<Text> names;
    for (const FolderItem& item : folders[list]) {
      if (!item.open) names.push_back(item.label);
    }
    return names;
  }

  std::map<Control, Text> texts;
  std::map<Control, std::vector<Text>> driveLabels;
  std::map<Control, int> chosenDrive;
  std::map<Control, std::vector<FolderItem>> folders;
  std::map<Control, int> currentFolder;
  std::vector<Text> files;
  int chosenFile = -1;
  Text status;
  std::vector<Message> messages;
  std::vector<Text> log;
  std::optional<Control> focused;
  bool answerYes = false;
};

enum class Setting { kPatternFolder, kNone, kMissingFolder };

// Drive D: is a fresh folder holding system/ (VirizuV5.ini), pattern/ (empty tables),
// program/ and work/, the current folder. Extra drives may be mapped as well.
class Form1LogicTest : public testing::Test {
 protected:
  void Make(Setting setting = Setting::kPatternFolder, std::map<char16_t, std::string> extra = {}) {
    for (const char* folder : {"system", "pattern", "program", "work"}) {
      stdfs::create_directories(dir.path() / folder);
    }
    for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    if (setting != Setting::kNone) {
      test::WriteCp932(dir / "system/VirizuV5.ini", setting == Setting::kPatternFolder
                                                        ? "tables\nD:\\pattern\\\n"
                                                        : "tables\nD:\\nowhere\\\n");
    }
    extra[u'D'] = dir.path().string();
    fs = test::DrivesOver(extra);
    fs->SetCurrentDrive(u'D');
    fs->SetCurrentFolder(u"D:\\work");
    settings.systemDirHost = dir / "system";
    settings.programFolder = u"D:\\program\\";
    settings.lockWaitMilliseconds = 200;
    form = std::make_unique<Form1Logic>(view, *fs, settings);
  }
  void Start() {
    Make();
    ASSERT_TRUE(form->Form_Load());
  }
  void Execute(const Text& source, const Text& target) {
    view.texts[Control::kText1] = source;
    view.texts[Control::kText2] = target;
    view.log.clear();
    view.messages.clear();
    form->Command1_Click();
  }

  test::TempDir dir;
  FakeView view;
  WindowSettings settings;  // the source file and --pattern-dir may be set before Make
  std::unique_ptr<FileSystem> fs;
  std::unique_ptr<Form1Logic> form;
};

TEST_F(Form1LogicTest, StartUpIsRefusedWithoutASetting) {
  for (const Setting setting : {Setting::kNone, Setting::kMissingFolder}) {
    view = FakeView();
    Make(setting);
    EXPECT_FALSE(form->Form_Load());
    ASSERT_EQ(view.messages.size(), 1u);
    // The system's own text first; the window's explanation follows it, in Japanese.
    EXPECT_TRUE(StartsWith(view.messages[0].text, Text(messages::kNoSetting) + u"\n\n"));
    EXPECT_NE(view.messages[0].text.find(u"VirizuV5.ini"), Text::npos);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::kNone);
    EXPECT_FALSE(view.messages[0].caption.has_value());  // the program's title
    EXPECT_EQ(view.log.front(), u"centre");
    EXPECT_TRUE(view.texts.empty() && view.folders.empty() && view.files.empty());
  }
}

TEST_F(Form1LogicTest, StartUpPutsEveryListOnTheCurrentFolder) {
  Make();
  for (const char* file : {"a.gdf", "B.GDF", "notes.txt", "a.gdf.bak", ".hidden.gdf"}) {
    test::WriteBytes(dir / ("work/" + std::string(file)), "");
  }
  for (const char* folder : {"sub", "dir.gdf", ".git"}) {
    stdfs::create_directories(dir.path() / "work" / folder);
  }
  ASSERT_TRUE(form->Form_Load());
  EXPECT_EQ(view.texts[Control::kText1], u"D:\\work");
  EXPECT_EQ(view.texts[Control::kText2], u"D:\\work");
  EXPECT_EQ(view.files, (std::vector<Text>{u"a.gdf", u"B.GDF"}));
  for (const Control list : {Control::kDir1, Control::kDir2}) {
    const std::vector<FolderItem>& items = view.folders[list];
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].label, u"d:\\");
    EXPECT_EQ(items[0].path, u"D:\\");
    EXPECT_EQ(items[1].label, u"work");
    EXPECT_EQ(items[1].level, 1);
    EXPECT_EQ(view.currentFolder[list], 1);
    EXPECT_EQ(view.Subfolders(list), (std::vector<Text>{u"dir.gdf", u"sub"}));
    EXPECT_EQ(items[3].path, u"D:\\work\\sub");
    EXPECT_EQ(items[3].level, 2);
  }
  for (const Control list : {Control::kDrive1, Control::kDrive2}) {
    const int chosen = view.chosenDrive[list];
    ASSERT_GE(chosen, 0);
    EXPECT_EQ(view.driveLabels[list][static_cast<std::size_t>(chosen)],
              u"d: [" + FromUtf8(dir.path().string()) + u"]");
    // On Linux the last drive stands for the host's root; on Windows it is a drive of its own.
    if (!kHostPathsAreWindowsPaths) {
      EXPECT_EQ(view.driveLabels[list].back(), u"z: [/]");
    }
  }
  EXPECT_EQ(form->PatternFolder(), u"D:\\pattern\\");
  EXPECT_EQ(form->ConversionDone(), 0);
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(Form1LogicTest, ClickedFileGoesIntoText1WithOneBackslash) {
  Start();
  test::WriteBytes(dir / "ROOT.GDF", "");
  test::WriteBytes(dir / "work/sub/ROOT.GDF", "");
  const struct {
    const char16_t* folder;
    const char16_t* expected;
  } cases[] = {
      {u"D:\\", u"D:\\ROOT.GDF"},                      // the root of a drive
      {u"D:\\work\\sub", u"D:\\work\\sub\\ROOT.GDF"},  // any other folder
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(form->SetFolderPath(Control::kDir1, c.folder));
    EXPECT_EQ(view.texts[Control::kText1], c.folder);
    ASSERT_EQ(view.files, std::vector<Text>{u"ROOT.GDF"});
    form->ChooseFile(0);
    EXPECT_EQ(view.texts[Control::kText1], c.expected);
  }
  // No file chosen: the box keeps what it holds.
  form->ChooseFile(-1);
  EXPECT_EQ(view.texts[Control::kText1], u"D:\\work\\sub\\ROOT.GDF");
}

TEST_F(Form1LogicTest, AFolderChangeReplacesTheFilePath) {
  Make();
  test::WriteBytes(dir / "work/a.gdf", "");
  test::WriteBytes(dir / "work/sub/b.gdf", "");
  ASSERT_TRUE(form->Form_Load());
  form->OpenFolder(Control::kDir1, 1);  // the same folder: nothing changes
  form->ChooseFile(0);
  EXPECT_EQ(view.texts[Control::kText1], u"D:\\work\\a.gdf");
  const std::vector<FolderItem> items = form->Folders(Control::kDir1);
  ASSERT_EQ(items.back().label, u"sub");
  form->OpenFolder(Control::kDir1, static_cast<int>(items.size()) - 1);
  EXPECT_EQ(view.texts[Control::kText1], u"D:\\work\\sub");
  EXPECT_EQ(view.files, std::vector<Text>{u"b.gdf"});
  EXPECT_EQ(fs->CurrentFolder(u'D'), u"D:\\work\\sub");
  EXPECT_EQ(view.texts[Control::kText2], u"D:\\work");  // the target is another list's

  form->OpenFolder(Control::kDir2, 0);  // the root of the target list
  EXPECT_EQ(view.texts[Control::kText2], u"D:\\");
  EXPECT_EQ(fs->CurrentFolder(u'D'), u"D:\\");
  EXPECT_EQ(view.texts[Control::kText1], u"D:\\work\\sub");
}

TEST_F(Form1LogicTest, AnUnreadableDriveReturnsSilentlyToTheLastGoodOne) {
  Make(Setting::kPatternFolder, {{u'Q', "/nonexistent/gdfconv-removable"}});
  ASSERT_TRUE(form->Form_Load());
  for (const Control list : {Control::kDrive1, Control::kDrive2}) {
    EXPECT_TRUE(form->SetDrive(list, u'q'));
    EXPECT_EQ(form->Drive(list), u'D');
    const int chosen = view.chosenDrive[list];
    EXPECT_EQ(view.driveLabels[list][static_cast<std::size_t>(chosen)].substr(0, 2), u"d:");
  }
  EXPECT_EQ(form->FolderPath(Control::kDir1), u"D:\\work");
  EXPECT_EQ(form->FolderPath(Control::kDir2), u"D:\\work");
  EXPECT_EQ(fs->CurrentDrive(), u'D');
  EXPECT_TRUE(view.messages.empty());
  EXPECT_FALSE(form->SetDrive(Control::kDrive1, u'K'));  // not a drive of the list

  // A drive that can be read is taken, on its own current folder, and becomes current.
  const auto& drives = form->Drives();
  const auto z = std::find_if(drives.begin(), drives.end(),
                              [](const Drive& drive) { return drive.letter == u'Z'; });
  ASSERT_NE(z, drives.end());
  form->ChooseDrive(Control::kDrive1, static_cast<int>(z - drives.begin()));
  EXPECT_EQ(form->Drive(Control::kDrive1), u'Z');
  EXPECT_EQ(form->FolderPath(Control::kDir1).substr(0, 3), u"Z:\\");
  EXPECT_EQ(view.texts[Control::kText1], form->FolderPath(Control::kDir1));
  EXPECT_EQ(fs->CurrentDrive(), u'Z');
  // The last good drive is now Z: for the source list, still D: for the target list.
  form->SetDrive(Control::kDrive1, u'Q');
  EXPECT_EQ(form->Drive(Control::kDrive1), u'Z');
  form->SetDrive(Control::kDrive2, u'Q');
  EXPECT_EQ(form->Drive(Control::kDrive2), u'D');
}

TEST_F(Form1LogicTest, ExecuteRefusesASourceThatIsNoFile) {
  Start();
  for (const char16_t* source : {u"", u"   ", u"D:\\work\\none.gdf", u"D:\\work", u"D:\\"}) {
    Execute(source, u"D:\\work");
    ASSERT_EQ(view.messages.size(), 1u) << ToUtf8(source);
    EXPECT_TRUE(StartsWith(view.messages[0].text, Text(messages::kNoSourceFile) + u"\n\n"));
    EXPECT_EQ(view.messages[0].icon, MessageIcon::kNone);
    EXPECT_FALSE(view.messages[0].caption.has_value());
    EXPECT_EQ(view.status, u"");
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), u"hourglass"), 0);
  }
  EXPECT_TRUE(stdfs::is_empty(dir.path() / "work"));
}

TEST_F(Form1LogicTest, AnInvalidTargetIsCaptionedWithItsOwnTextEvenWhenEmpty) {
  Start();
  test::WriteCp932(dir / "work/b.gdf", "");
  const struct {
    const char16_t* target;
    std::size_t messages;  // an empty path also gets the drive-letter message first
  } cases[] = {{u"D:\\MY OUT", 1}, {u"", 2}, {u"   ", 2}};
  for (const auto& c : cases) {
    Execute(u"D:\\work\\b.gdf", c.target);
    ASSERT_EQ(view.messages.size(), c.messages) << ToUtf8(c.target);
    const Message& refusal = view.messages.back();
    EXPECT_TRUE(StartsWith(refusal.text, Text(messages::kInvalidPath) + u"\n\n"));
    EXPECT_EQ(refusal.icon, MessageIcon::kExclamation);
    EXPECT_EQ(refusal.caption, std::optional<Text>(c.target));
    EXPECT_EQ(view.focused, Control::kText2);
    EXPECT_EQ(view.status, u"");
  }
}

TEST_F(Form1LogicTest, TheHourglassComesBeforeTheWaitForAnotherConversion) {
  Start();
  test::WriteCp932(dir / "work/b.gdf", "$A0\n");  // a section, converted to nothing
  LockError error;
  {
    // Held by a run on another PC, whose line names it.
    const auto held = fs->LockFolder(u"D:\\pattern\\", LockMode::kExclusive, 0, error);
    ASSERT_NE(held, nullptr) << error.reason;
    FileError why;
    ASSERT_TRUE(held->WriteHolder("PC-TANAKA,tanaka,77,2026-12-09 10:02:05\r\n", why));
    Execute(u"D:\\work\\b.gdf", u"D:\\work");
  }
  // The notice is painted at once: the run does not return to the window while it waits.
  ASSERT_GE(view.log.size(), 7u);
  EXPECT_EQ(std::vector<Text>(view.log.begin(), view.log.begin() + 7),
            (std::vector<Text>{u"status " + Text(messages::kConverting), u"events", u"hourglass",
                               u"status PC-TANAKA の tanaka が 10:02 から変換中です。終わるまで"
                               u"待ちます（最大 1 秒）。",
                               u"events", u"status ", u"default pointer"}));
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].icon, MessageIcon::kCritical);
  EXPECT_NE(view.messages[0].text.find(u"ファイルは何も書き込まれていません"), Text::npos);
  EXPECT_EQ(form->ConversionDone(), 0);

  // Free again: the run converts with no word of waiting.
  Execute(u"D:\\work\\b.gdf", u"D:\\work");
  EXPECT_EQ(view.log,
            (std::vector<Text>{u"status " + Text(messages::kConverting), u"events", u"hourglass",
                               u"status " + Text(messages::kCompleted), u"default pointer"}));
}

TEST_F(Form1LogicTest, CompletionTextStaysUntilThePointerCrossesTheBackground) {
  Start();
  test::WriteCp932(dir / "work/b.gdf", "no tags here\n");
  form->Picture1_MouseMove();  // nothing to clear: the status line is not written
  Execute(u"D:\\work\\b.gdf", u"D:\\work");
  EXPECT_EQ(view.status, messages::kCompleted);
  EXPECT_EQ(form->ConversionDone(), 1);
  // Choices in the lists leave it alone.
  form->SetFolderPath(Control::kDir1, u"D:\\");
  form->ChooseFile(0);
  form->SetFolderPath(Control::kDir2, u"D:\\work");
  form->SetDrive(Control::kDrive2, u'Z');
  EXPECT_EQ(view.status, messages::kCompleted);
  view.log.clear();
  form->Picture1_MouseMove();
  EXPECT_EQ(view.status, u"");
  EXPECT_EQ(form->ConversionDone(), 0);
  form->Picture1_MouseMove();
  EXPECT_EQ(view.log, std::vector<Text>{u"status "});  // cleared once
}

TEST_F(Form1LogicTest, AMissingTargetFolderIsCreatedOnlyOnYes) {
  Start();
  test::WriteCp932(dir / "work/b.gdf", "no tags here\n");
  Execute(u"D:\\work\\b.gdf", u"D:\\出力\\B-1");
  EXPECT_EQ(view.log, (std::vector<Text>{u"status " + Text(messages::kConverting), u"events",
                                         u"ask " + Text(messages::kCreateFolder), u"status "}));
  EXPECT_FALSE(test::Exists(dir / "出力"));
  view.answerYes = true;
  Execute(u"D:\\work\\b.gdf", u"D:\\出力\\B-1");
  EXPECT_TRUE(test::Exists(dir / "出力/B-1"));
  EXPECT_EQ(view.status, messages::kCompleted);
}

TEST_F(Form1LogicTest, AFailureAfterWritingNamesTheFilesLeft) {
  Start();
  stdfs::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
              stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
  stdfs::copy_file(test::SourceDir() + "/data/examples/B-1.gdf", dir / "work/B-1.gdf");
  stdfs::create_directories(dir.path() / "out" / "X1.TXT");  // a folder where a file must go
  Execute(u"D:\\work\\B-1.gdf", u"D:\\out");
  ASSERT_EQ(view.messages.size(), 1u);
  const Text& text = view.messages[0].text;
  EXPECT_NE(text.find(u"段階：$A\n"), Text::npos);
  // The lock file that the run made in the pattern-data folder is named too.
  EXPECT_NE(text.find(u"中断までに書き込まれた、または変更されたファイル（4 個）：\n"
                      u"  D:\\pattern\\GDFCONV.LCK（新しく作成）\n"
                      u"  D:\\out\\CNT.TXT（10 行）\n  D:\\out\\Titl01.txt（23 行）\n"
                      u"  D:\\out\\Titl02.txt（41 行）\n"),
            Text::npos)
      << ToUtf8(text);
  EXPECT_EQ(text.find(u"書き込まれていません"), Text::npos);
  EXPECT_EQ(view.log.back(), u"message 変換を中断し");
  EXPECT_EQ(view.status, u"");
}

// A count that would take in another section's tag line stops the run before anything is
// written, and the window says so in its failure box.
TEST_F(Form1LogicTest, ACountIntoAnotherSectionShowsTheFailureBoxAndWritesNothing) {
  Start();
  test::WriteCp932(dir / "work/b.gdf", "$A2\n1.0\n新しい砂\n\n\n\n\n\n\n\n$S1\n");
  Execute(u"D:\\work\\b.gdf", u"D:\\work");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].icon, MessageIcon::kCritical);
  const Text& text = view.messages[0].text;
  EXPECT_NE(text.find(u"段階：$A\n"), Text::npos) << ToUtf8(text);
  EXPECT_NE(text.find(u"変換元ファイルの行：11\n"), Text::npos) << ToUtf8(text);
  EXPECT_NE(text.find(u"11 行目にある $S のタグ行"), Text::npos) << ToUtf8(text);
  EXPECT_NE(text.find(u"ファイルは何も書き込まれていません。"), Text::npos) << ToUtf8(text);
  EXPECT_EQ(std::distance(stdfs::directory_iterator(dir.path() / "work"), {}), 1);
  EXPECT_EQ(test::ReadBytes(dir / "pattern/KISHITU.TXT"), "");
  EXPECT_EQ(view.status, u"");
}

// Both windows take their settings from their command line alike: the wait for the pattern-data
// folder in milliseconds, the program's folder as a drive path with its "\", --pattern-dir, and
// one path, the source file, as Explorer passes it.
TEST(WindowSettings, TakenFromTheWindowsCommandLine) {
  test::TempDir dir;
  const std::string source = dir / "B-1.gdf";
  const struct {
    std::vector<std::string> args;
    int milliseconds;
    std::optional<std::string> patternDir;
    std::optional<Text> source;
  } cases[] = {
      {{}, kDefaultLockWaitSeconds * 1000, std::nullopt, std::nullopt},
      {{"--lock-wait", "5"}, 5000, std::nullopt, std::nullopt},
      {{"--lock-wait", "0"}, 0, std::nullopt, std::nullopt},
      {{"--pattern-dir", "/srv/pattern"},
       kDefaultLockWaitSeconds * 1000,
       "/srv/pattern",
       std::nullopt},
      // A path of this computer: through the drive map on POSIX, as it stands on Windows.
      {{source},
       kDefaultLockWaitSeconds * 1000,
       std::nullopt,
       kHostPathsAreWindowsPaths ? FromUtf8(source) : Text(u"D:\\B-1.gdf")},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--drive", "D=" + dir.path().string(), "--program-dir",
                             dir.path().string(), "--system-dir", dir.path().string()});
    CatalogueMessage error;
    auto line = ParseWindowCommandLine(args, error);
    ASSERT_TRUE(line) << ToUtf8(Render(error, Language::kEnglish));
    CompleteHostSettings(line->host);
    const HostFileSystem fs(line->host.fileSystem);
    const WindowSettings settings = WindowSettingsOf(*line, fs);
    EXPECT_EQ(settings.lockWaitMilliseconds, c.milliseconds);
    EXPECT_EQ(settings.programFolder, u"D:\\");
    EXPECT_EQ(settings.systemDirHost, dir.path().string());
    EXPECT_EQ(settings.patternDir, c.patternDir);
    EXPECT_EQ(settings.source, c.source);
  }
  // One source file at most; an option of the command line that the window does not take.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"a.gdf", "b.gdf"}, std::vector<std::string>{"--yes"}}) {
    CatalogueMessage error;
    EXPECT_FALSE(ParseWindowCommandLine(args, error)) << args.front();
  }
}

// A source file opened from Explorer (the window's one path) or dropped on the window: the
// source lists show its drive and folder with the file chosen, and Text1 holds its path.
TEST_F(Form1LogicTest, StartsWithTheSourceFileItWasOpenedWith) {
  test::TempDir other;
  stdfs::create_directories(other.path() / "2003");
  test::WriteBytes(other / "2003/B-1.gdf", "");
  test::WriteBytes(other / "2003/A-0.gdf", "");
  test::WriteBytes(other / "2003/notes.txt", "");
  settings.source = u"E:\\2003\\b-1.GDF";  // as typed: case does not matter
  Make(Setting::kPatternFolder, {{u'E', other.path().string()}});
  ASSERT_TRUE(form->Form_Load());
  EXPECT_EQ(form->Drive(Control::kDrive1), u'E');
  EXPECT_EQ(form->FolderPath(Control::kDir1), u"E:\\2003");
  EXPECT_EQ(view.files, (std::vector<Text>{u"A-0.gdf", u"B-1.gdf"}));
  EXPECT_EQ(view.chosenFile, 1);
  EXPECT_EQ(form->FileName(), u"B-1.gdf");
  EXPECT_EQ(view.texts[Control::kText1], u"E:\\2003\\b-1.GDF");
  // The target lists stay where they start.
  EXPECT_EQ(form->FolderPath(Control::kDir2), u"D:\\work");

  const struct {
    std::string dropped;
    Text folder;  // Dir1 after the drop
    Text text1;
    int chosen;
  } drops[] = {
      {dir / "work", u"D:\\work", u"D:\\work", -1},                         // a folder
      {other / "2003/A-0.gdf", u"E:\\2003", u"E:\\2003\\A-0.gdf", 0},       // a .gdf
      {other / "2003/notes.txt", u"E:\\2003", u"E:\\2003\\notes.txt", -1},  // not listed
      {other / "2003/none.gdf", u"E:\\2003", u"E:\\2003\\notes.txt", -1},   // missing
  };
  for (const auto& d : drops) {
    form->DropFiles({d.dropped});
    EXPECT_EQ(form->FolderPath(Control::kDir1), d.folder) << d.dropped;
    EXPECT_EQ(view.texts[Control::kText1], d.text1) << d.dropped;
    EXPECT_EQ(view.chosenFile, d.chosen) << d.dropped;
  }
}

// "--pattern-dir" stands in for the settings file, which need not exist then.
TEST_F(Form1LogicTest, PatternDirOptionStandsInForTheSettingsFile) {
  settings.patternDir = dir / "pattern";
  Make(Setting::kNone);
  ASSERT_TRUE(form->Form_Load());
  EXPECT_EQ(form->PatternFolder(), u"D:\\pattern\\");
  settings.patternDir = dir / "nowhere";
  view = FakeView();
  Make(Setting::kPatternFolder);
  EXPECT_FALSE(form->Form_Load());
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_NE(view.messages[0].text.find(u"nowhere"), Text::npos);
}

TEST_F(Form1LogicTest, EndClosesWithoutAQuestion) {
  Start();
  view.log.clear();
  form->Command2_Click();
  EXPECT_EQ(view.log, std::vector<Text>{u"close"});
}

TEST(MatchesFilePattern, StarsQuestionMarksCaseAndSeveralPatterns) {
  const struct {
    const char16_t* name;
    const char16_t* pattern;
    bool matches;
  } cases[] = {
      {u"B-1.gdf", u"*.gdf", true}, {u"B-1.GDF", u"*.gdf", true}, {u"B-1.gdf.bak", u"*.gdf", false},
      {u"gdf", u"*.gdf", false},    {u"README", u"*.*", true},    {u"a.txt", u"*.gdf;*.txt", true},
      {u"ab.gdf", u"?.gdf", false}, {u"a.gdf", u"?.gdf", true},   {u"柱状.gdf", u"*.GDF", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches)
        << ToUtf8(c.name) << " " << ToUtf8(c.pattern);
  }
}

}  // namespace
}  // namespace gdf::app
