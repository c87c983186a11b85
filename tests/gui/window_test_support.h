// window_test_support.h - What the window tests share: a window over a temporary drive D:
// with its settings file and pattern-data folder, and a front end that stands in for the
// message boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/qt/form1.h"
#include "common/front_end.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf::test {

/// The window's own front end, except that messages and the question are recorded and
/// answered here instead of in modal dialogs.
class DialogDouble : public ForwardingFrontEnd {
 public:
  explicit DialogDouble(FrontEnd& window) : ForwardingFrontEnd(window) {}

  void ProcessPendingEvents() override {
    ++eventPasses;
    ForwardingFrontEnd::ProcessPendingEvents();
  }
  void ShowMessage(const Message& message) override { shown.push_back(message); }
  bool AskYesNo(const Text& question, const Text& caption) override {
    questions.push_back(question);
    questionCaptions.push_back(caption);
    return answerYes;
  }
  void SetPointer(Pointer pointer) override {
    pointers.push_back(pointer);
    ForwardingFrontEnd::SetPointer(pointer);
  }

  bool answerYes = false;
  std::vector<Message> shown;
  std::vector<Text> questions;
  std::vector<Text> questionCaptions;
  std::vector<Pointer> pointers;
  int eventPasses = 0;
};

/// What the settings file of a test window says.
enum class Setting { kPatternFolder, kNone, kMissingFolder };

/// A window on drive D: = a fresh temporary folder holding system/ (VirizuV5.ini naming
/// D:\pattern\), pattern/ (empty tables), program/ and work/, the current folder. Drive Z: is
/// "/" as always.
class TestWindow {
 public:
  explicit TestWindow(Setting setting = Setting::kPatternFolder,
                      std::vector<std::string> extraDrives = {});
  ~TestWindow();

  /// Host path of a name below the drive's root ("work/a.gdf").
  std::string Host(const std::string& name) const { return dir / name; }
  /// Runs start-up; false when the window refused to start.
  bool Load() { return form->Form_Load(); }
  /// Sets a path box as typing would, without the keyboard.
  static void SetText(QLineEdit* box, const std::string& utf8);
  /// Presses Execute.
  void Execute();

  TempDir dir;
  std::unique_ptr<PosixFileSystem> fs;
  std::unique_ptr<app::Form1> form;
  std::unique_ptr<DialogDouble> dialogs;

 private:
  std::string previousFolder_;
};

/// Copies a folder tree.
void CopyFolder(const std::string& from, const std::string& to);

/// Every file below a folder with its bytes, by path relative to it, in name order; the time,
/// computer and user of each line of GDFCONV.LOG masked, so that the logs of two runs compare.
std::vector<std::pair<std::string, std::string>> FilesBelow(const std::string& folder);

}  // namespace gdf::test
