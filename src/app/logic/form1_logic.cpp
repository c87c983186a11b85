// form1_logic.cpp - Start-up, the list handlers, Execute and End, over the window's view.
#include "app/logic/form1_logic.h"

#include <algorithm>
#include <exception>

#include "frontend/command_options.h"
#include "frontend/host_settings.h"
#include "frontend/pattern_setting.h"
#include "messages/system_texts.h"
#include "platform/host_paths.h"
#include "run/conversion_run.h"
#include "text/letter_case.h"

namespace gdf::app {
namespace {

// Names that begin with a dot are the host's hidden entries; the lists leave them out.
bool IsHidden(const Text& name) { return !name.empty() && name.front() == u'.'; }

// "*" matches any run of characters, "?" any one character; letters match in either case.
bool MatchesOnePattern(TextView name, TextView pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starPattern = TextView::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == u'?' || SimpleFold(pattern[p]) == SimpleFold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starPattern = p++;
      starName = n;
    } else if (starPattern != TextView::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

Text JoinPath(const Text& folder, const Text& name) {
  return folder.back() == u'\\' ? folder + name : folder + u"\\" + name;
}

// "d: [/srv/borings]" for a letter that stands for a folder, "c:" for a drive of its own.
Text DriveLabel(const gdf::Drive& drive) {
  Text label{AsciiLower(drive.letter), u':'};
  const Text host = FromUtf8(drive.hostFolder);
  const bool ownRoot = host.size() <= 3 && host.size() >= 2 && host[1] == u':' &&
                       AsciiLower(host[0]) == AsciiLower(drive.letter);
  if (!host.empty() && !ownRoot) label += u" [" + host + u"]";
  return label;
}

}  // namespace

std::optional<CommandLine> ParseWindowCommandLine(const std::vector<std::string>& args,
                                                  CatalogueMessage& error) {
  auto line = ParseCommandLine(args, WindowOptions().options, Operands::kTaken, error);
  if (line && line->operands.size() > 1) {
    error = Say(MessageId::kUsageWindowOneSource);
    return std::nullopt;
  }
  if (line && line->Has("--preview") && line->operands.size() != 1 && !line->help) {
    error = Say(MessageId::kUsageOneSource);
    return std::nullopt;
  }
  return line;
}

WindowSettings WindowSettingsOf(const CommandLine& line, const FileSystem& fs) {
  WindowSettings settings;
  settings.systemDirHost = line.host.systemDir;
  settings.programFolder = ProgramFolderText(fs, line.host);
  settings.lockWaitMilliseconds =
      LockWaitMilliseconds(line).value_or(settings.lockWaitMilliseconds);
  settings.systemDirsLooked = line.host.systemDirsLooked;
  settings.patternDir = line.Value("--pattern-dir");
  if (!line.operands.empty()) settings.source = RunPathText(line.operands.front(), fs);
  settings.preview = line.Has("--preview");
  return settings;
}

bool MatchesFilePattern(TextView name, TextView pattern) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = pattern.find(u';', start);
    const Text one = Trim(pattern.substr(start, end - start));
    // As on Windows, "*.*" also matches names without a dot.
    if (one == u"*.*" || (!one.empty() && MatchesOnePattern(name, one))) return true;
    if (end == TextView::npos) return false;
    start = end + 1;
  }
}

Text FailureMessageText(const RunReport& report) {
  const RunFailure failure = report.failure() ? *report.failure() : RunFailure{};
  std::vector<CatalogueMessage> lines =
      ExplainFailure(failure, Language::kJapanese, FailureLayout::kFields);
  lines.emplace_back(Text());
  // Every file the run created or changed, the one it was writing marked; the table lines only
  // counted, for there may be thousands.
  const auto left = ExplainWhatWasLeft(report, TableLines::kCounted);
  lines.insert(lines.end(), left.begin(), left.end());
  return RenderLines(lines, Language::kJapanese);
}

// The window speaks Japanese: the program's explanation follows the system's own text.
Message InJapanese(Message message) {
  const Text explanation = RenderLines(message.explanation, Language::kJapanese);
  if (!explanation.empty()) message.text += (message.text.empty() ? u"" : u"\n\n") + explanation;
  message.explanation.clear();
  return message;
}

std::optional<Text> WindowPatternFolder(FileSystem& fs, const WindowSettings& settings,
                                        Message& refusal) {
  HostSettings host;
  host.systemDir = settings.systemDirHost;
  host.systemDirsLooked = settings.systemDirsLooked;
  std::vector<CatalogueMessage> explanation;
  auto folder = ChoosePatternFolder(fs, host, settings.patternDir, explanation);
  if (!folder) {
    refusal = InJapanese({messages::kNoSetting, MessageIcon::kNone, std::nullopt, explanation});
  }
  return folder;
}

// The run's front end: the window's view, with `ConversionDone` kept by the handlers.
class Form1Logic::RunUi : public FrontEnd {
 public:
  explicit RunUi(Form1Logic& form) : form_(form) {}

  void SetStatusText(const Text& text) override { form_.view_.SetStatusText(text); }
  // The run does not return to the window while it waits: the notice is painted at once.
  void Notify(const CatalogueMessage& notice) override {
    form_.view_.SetStatusText(Render(notice, Language::kJapanese));
    form_.view_.ProcessPendingEvents();
  }
  void ProcessPendingEvents() override { form_.view_.ProcessPendingEvents(); }
  void ShowMessage(const Message& message) override {
    form_.view_.ShowMessage(InJapanese(message));
  }
  bool AskYesNo(const Text& question, const Text& caption) override {
    return form_.view_.AskYesNo(question, caption);
  }
  void SetPointer(Pointer pointer) override { form_.view_.SetPointer(pointer); }
  void FocusAndSelectTargetPath() override { form_.view_.FocusAndSelectAll(Control::kText2); }
  void SetConversionDone(bool done) override { form_.conversionDone_ = done ? 1 : 0; }

 private:
  Form1Logic& form_;
};

Form1Logic::Form1Logic(Form1View& view, FileSystem& fs, WindowSettings settings)
    : view_(view), fs_(fs), settings_(std::move(settings)), drives_(fs.Drives()) {
  const char16_t current = fs_.CurrentDrive();
  const Text folder = fs_.CurrentFolder(current);
  for (DriveListState* list : {&drive1_, &drive2_}) list->drive = current;
  for (FolderListState* list : {&dir1_, &dir2_}) list->path = folder;
  file1_.path = folder;
}

bool Form1Logic::Form_Load() {
  view_.CentreOnScreen();
  Message refusal;
  const std::optional<Text> folder = WindowPatternFolder(fs_, settings_, refusal);
  if (!folder) {
    view_.ShowMessage(refusal);
    return false;
  }
  patternFolder_ = *folder;
  conversionDone_ = 0;
  for (const DriveListState* list : {&drive1_, &drive2_}) ShowDriveList(*list);
  for (FolderListState* list : {&dir1_, &dir2_}) FillFolderList(*list);
  Drive1_Change();
  Drive2_Change();
  view_.SetText(Control::kText1, dir1_.path);
  view_.SetText(Control::kText2, dir2_.path);
  Dir1_Change();
  if (settings_.source) OpenSource(*settings_.source);
  return true;
}

bool Form1Logic::OpenSource(TextView path) {
  const std::optional<Text> absolute = fs_.Absolute(path);
  if (!absolute || absolute->size() < 3) return false;
  if (fs_.Exists(*absolute + u"\\", ListAttribute::kDirectory)) {
    SetDrive(Control::kDrive1, (*absolute)[0]);
    return SetFolderPath(Control::kDir1, *absolute);
  }
  if (!fs_.Exists(*absolute, ListAttribute::kNormal)) return false;
  const std::size_t slash = absolute->rfind(u'\\');
  const Text name = absolute->substr(slash + 1);
  SetDrive(Control::kDrive1, (*absolute)[0]);
  if (!SetFolderPath(Control::kDir1, absolute->substr(0, slash == 2 ? 3 : slash))) return false;
  // The file list shows *.gdf only: another file is still taken, as its path in Text1.
  const auto listed = std::find_if(file1_.names.begin(), file1_.names.end(),
                                   [&](const Text& one) { return EqualFoldingCase(one, name); });
  file1_.chosen =
      listed == file1_.names.end() ? -1 : static_cast<int>(listed - file1_.names.begin());
  view_.ShowChosenFile(file1_.chosen);
  view_.SetText(Control::kText1, JoinPath(dir1_.path, name));
  return true;
}

void Form1Logic::DropFiles(const std::vector<std::string>& hostPaths) {
  for (const std::string& hostPath : hostPaths) {
    const std::optional<Text> path = fs_.FromHost(hostPath);
    if (path && OpenSource(*path)) return;
  }
}

void Form1Logic::Command1_Click() {
  if (running_) return;  // a second click let through by the run's one pass of events
  running_ = true;
  RunInputs inputs;
  inputs.sourceText = view_.GetText(Control::kText1);
  inputs.targetText = view_.GetText(Control::kText2);
  inputs.patternFolder = patternFolder_;
  inputs.programFolder = settings_.programFolder;
  inputs.lockWaitMilliseconds = settings_.lockWaitMilliseconds;
  RunUi ui(*this);
  RunReport report;
  try {
    report = RunConversion(inputs, fs_, ui);
  } catch (const std::exception& error) {
    // A fault that is not a RunError must not take the window down with it.
    report.Fail(RunFailure{FailureKind::kCannotWrite, {}, {}, 0, FromUtf8(error.what())});
    view_.SetStatusText(u"");
  }
  if (report.outcome() == RunOutcome::kFailed) {
    view_.SetPointer(Pointer::kDefault);
    view_.ShowMessage({FailureMessageText(report), MessageIcon::kCritical, std::nullopt, {}});
  }
  running_ = false;
}

void Form1Logic::Command2_Click() { view_.Close(); }

void Form1Logic::Drive1_Change() { ChangeDrive(drive1_, Control::kDir1); }

void Form1Logic::Drive2_Change() { ChangeDrive(drive2_, Control::kDir2); }

void Form1Logic::ChangeDrive(DriveListState& list, Control folders) {
  // Each step that fails sends the list back to the last good drive, which runs this handler
  // again for that drive; then the steps go on with the drive the list now holds.
  if (list.drive == u'\0' || !SetFolderPath(folders, Text{list.drive, u':'})) {
    ReturnToLastGoodDrive(list);
    if (list.lastGood == u'\0') return;
  }
  list.lastGood = list.drive;
  if (!fs_.SetCurrentDrive(list.drive)) ReturnToLastGoodDrive(list);
}

void Form1Logic::ReturnToLastGoodDrive(DriveListState& list) {
  if (list.lastGood != u'\0') {
    // No message: the list silently returns to the last drive that could be read.
    if (list.lastGood != list.drive) SetDrive(list.id, list.lastGood);
    return;
  }
  // No drive has been good yet: the first drive that can be read takes the chosen one's place.
  if (seekingDrive_) return;
  seekingDrive_ = true;
  const char16_t chosen = list.drive;
  for (const gdf::Drive& drive : drives_) {
    if (drive.letter == chosen || !fs_.DriveReady(drive.letter)) continue;
    if (!fs_.Exists(fs_.CurrentFolder(drive.letter) + u"\\", ListAttribute::kDirectory)) continue;
    SetDrive(list.id, drive.letter);
    break;
  }
  seekingDrive_ = false;
}

void Form1Logic::Dir1_Change() {
  file1_.pattern = u"*.gdf";
  file1_.path = fs_.Absolute(dir1_.path).value_or(dir1_.path);
  FillFileList();
  view_.SetText(Control::kText1, dir1_.path);
  fs_.SetCurrentFolder(dir1_.path);
}

void Form1Logic::Dir2_Change() {
  view_.SetText(Control::kText2, dir2_.path);
  fs_.SetCurrentFolder(dir2_.path);
}

void Form1Logic::File1_Click() {
  const Text name = FileName();
  if (name.empty()) return;
  view_.SetText(Control::kText1, JoinPath(dir1_.path, name));
}

void Form1Logic::Picture1_MouseMove() {
  if (conversionDone_ != 1) return;
  view_.SetStatusText(u"");
  conversionDone_ = 0;
}

void Form1Logic::ChooseDrive(Control list, int index) {
  if (index < 0 || index >= static_cast<int>(drives_.size())) return;
  SetDrive(list, drives_[static_cast<std::size_t>(index)].letter);
}

void Form1Logic::OpenFolder(Control list, int index) {
  const FolderListState& folders = FolderList(list);
  if (index < 0 || index >= static_cast<int>(folders.items.size())) return;
  const Text path = folders.items[static_cast<std::size_t>(index)].path;
  SetFolderPath(list, path);
}

void Form1Logic::ChooseFile(int index) {
  file1_.chosen = index >= 0 && index < static_cast<int>(file1_.names.size()) ? index : -1;
  File1_Click();
}

char16_t Form1Logic::Drive(Control list) const { return DriveList(list).drive; }

bool Form1Logic::SetDrive(Control list, char16_t letter) {
  letter = AsciiUpper(letter);
  bool known = false;
  for (const gdf::Drive& drive : drives_) known = known || drive.letter == letter;
  if (!known) return false;
  DriveListState& state = DriveList(list);
  if (state.drive == letter) return true;
  state.drive = letter;
  ShowDriveList(state);
  if (list == Control::kDrive1) {
    Drive1_Change();
  } else {
    Drive2_Change();
  }
  return true;
}

const Text& Form1Logic::FolderPath(Control list) const { return FolderList(list).path; }

bool Form1Logic::SetFolderPath(Control list, TextView path) {
  const std::optional<Text> absolute = fs_.Absolute(path);
  if (!absolute) return false;
  const Text listing = absolute->back() == u'\\' ? *absolute : *absolute + u"\\";
  if (!fs_.Exists(listing, ListAttribute::kDirectory)) return false;
  FolderListState& state = FolderList(list);
  const bool changed = *absolute != state.path;
  state.path = *absolute;
  FillFolderList(state);
  if (changed) {
    if (list == Control::kDir1) {
      Dir1_Change();
    } else {
      Dir2_Change();
    }
  }
  return true;
}

const std::vector<FolderItem>& Form1Logic::Folders(Control list) const {
  return FolderList(list).items;
}

Text Form1Logic::FileName() const {
  if (file1_.chosen < 0) return {};
  return file1_.names[static_cast<std::size_t>(file1_.chosen)];
}

Form1Logic::DriveListState& Form1Logic::DriveList(Control list) {
  return list == Control::kDrive2 ? drive2_ : drive1_;
}

const Form1Logic::DriveListState& Form1Logic::DriveList(Control list) const {
  return list == Control::kDrive2 ? drive2_ : drive1_;
}

Form1Logic::FolderListState& Form1Logic::FolderList(Control list) {
  return list == Control::kDir2 ? dir2_ : dir1_;
}

const Form1Logic::FolderListState& Form1Logic::FolderList(Control list) const {
  return list == Control::kDir2 ? dir2_ : dir1_;
}

void Form1Logic::ShowDriveList(const DriveListState& list) {
  std::vector<Text> labels;
  int chosen = -1;
  for (const gdf::Drive& drive : drives_) {
    if (drive.letter == list.drive) chosen = static_cast<int>(labels.size());
    labels.push_back(DriveLabel(drive));
  }
  view_.ShowDrives(list.id, labels, chosen);
}

void Form1Logic::FillFolderList(FolderListState& list) {
  list.items.clear();
  const Text& path = list.path;
  // The root, shown as "d:\", then one entry for each folder on the way down to the path.
  Text folder = path.substr(0, 3);
  list.items.push_back({Text{AsciiLower(path[0]), u':', u'\\'}, folder, 0, true});
  std::size_t start = 3;
  while (start < path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == Text::npos) end = path.size();
    const Text name = path.substr(start, end - start);
    folder = JoinPath(folder, name);
    list.items.push_back({name, folder, list.items.back().level + 1, true});
    start = end + 1;
  }
  list.current = static_cast<int>(list.items.size()) - 1;
  const int below = list.items.back().level + 1;
  for (const FolderEntry& entry : fs_.List(path)) {
    if (!entry.isFolder || IsHidden(entry.name)) continue;
    list.items.push_back({entry.name, JoinPath(path, entry.name), below, false});
  }
  view_.ShowFolders(list.id, list.items, list.current);
}

void Form1Logic::FillFileList() {
  file1_.names.clear();
  file1_.chosen = -1;
  for (const FolderEntry& entry : fs_.List(file1_.path)) {
    if (entry.isFolder || IsHidden(entry.name) || !MatchesFilePattern(entry.name, file1_.pattern)) {
      continue;
    }
    file1_.names.push_back(entry.name);
  }
  view_.ShowFiles(Control::kFile1, file1_.names);
}

}  // namespace gdf::app
