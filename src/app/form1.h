// form1.h - Form1, the one window of the system, and its event handlers.
//
// The window holds the background picture box `Picture1` with every other control on it: the
// two path boxes, the source file, folder and drive lists, the target folder and drive lists,
// the status line and the two buttons, each at the place the form gives it in twips. The
// handlers keep their names (`Command1_Click`, `Drive1_Change`, ...); Execute runs the core's
// conversion run through the window's front end.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <string>

#include "app/file_controls.h"
#include "app/window_front_end.h"
#include "common/errors.h"
#include "common/platform.h"
#include "common/text.h"

namespace gdf::app {

/// The window's caption, which is also the program's title on message boxes.
inline constexpr char16_t kProgramTitle[] = u"GDF -> 柱状図 変換プログラム";

/// What the window needs to know of the host besides the drive map.
struct WindowSettings {
  std::string systemDirHost;  ///< the host folder that stands for the system directory
  Text programFolder;         ///< the program's own folder as a drive path, ending with "\"
};

/// The text of the message box that reports a run stopped by a failure.
Text FailureMessageText(const RunFailure& failure);

/// The font of the window's text: "System" when the host has it, else a Japanese font.
QFont WindowFont();

/// The background picture box; it reports the pointer moving over itself, not over the
/// controls on it.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent);

 signals:
  void MouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

/// A frame drawn as the form's frames are: an etched line round the box, broken at the top by
/// the caption, whose letters begin at the top edge.
class FrameBox : public QGroupBox {
 public:
  FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

/// Tightens the letter spacing of a label whose caption is wider than the label, so that the
/// whole caption shows at the window's font size.
void FitCaptionToWidth(QLabel* label);

class Form1 : public QWidget {
  Q_OBJECT

 public:
  /// Creates the window hidden, with every control in place. The lists start on the current
  /// folder of `fs`, which must outlive the window.
  Form1(FileSystem& fs, WindowSettings settings);

  /// Start-up: centres the window, runs the pattern-data folder check and puts the lists and
  /// the path boxes on the current folder. False when the check failed: its message has been
  /// shown and the program must end without showing the window.
  bool Form_Load();

  void Command1_Click();
  void Command2_Click();
  void Drive1_Change();
  void Drive2_Change();
  void Dir1_Change();
  void Dir2_Change();
  void File1_Click();
  void Picture1_MouseMove();

  /// The front end that start-up and runs talk through: the window's own unless another was
  /// set.
  FrontEnd& RunFrontEnd() { return frontEnd_ != nullptr ? *frontEnd_ : ownFrontEnd_; }
  /// Lets start-up and runs talk through another front end; nullptr returns to the window's.
  void SetRunFrontEnd(FrontEnd* frontEnd) { frontEnd_ = frontEnd; }
  /// The window's own front end.
  WindowFrontEnd& OwnFrontEnd() { return ownFrontEnd_; }

  /// `ConversionDone`: 1 while the status line shows the completion text.
  std::int16_t ConversionDone() const { return conversionDone_; }
  void SetConversionDone(bool done) { conversionDone_ = done ? 1 : 0; }
  /// `PatternFolder`, set by start-up.
  const Text& PatternFolder() const { return patternFolder_; }
  /// Pixels for a length in twips on this screen.
  int Twips(int twips) const;

  PictureBox* Picture1() const { return picture1_; }
  QLabel* Label1() const { return label1_; }
  QLineEdit* Text1() const { return text1_; }
  QLabel* Label2() const { return label2_; }
  QLineEdit* Text2() const { return text2_; }
  QGroupBox* Frame1() const { return frame1_; }
  FileList* File1() const { return file1_; }
  FolderList* Dir1() const { return dir1_; }
  DriveList* Drive1() const { return drive1_; }
  QGroupBox* Frame2() const { return frame2_; }
  FolderList* Dir2() const { return dir2_; }
  DriveList* Drive2() const { return drive2_; }
  QGroupBox* Frame3() const { return frame3_; }
  QLabel* Label3() const { return label3_; }
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }

 private:
  void Place(QWidget* control, const char* name, int left, int top, int width, int height,
             int tabIndex);
  void ChangeDrive(DriveList* driveList, FolderList* folderList, char16_t& lastGood);

  FileSystem& fs_;
  WindowSettings settings_;
  WindowFrontEnd ownFrontEnd_;
  FrontEnd* frontEnd_ = nullptr;
  double dotsPerInch_ = 96;
  Text patternFolder_;
  std::int16_t conversionDone_ = 0;
  char16_t lastDrive1_ = u'\0';  // the last good source drive, 0 until one was
  char16_t lastDrive2_ = u'\0';  // the last good target drive
  bool seekingDrive_ = false;    // a drive list is looking for a drive after a first failure
  bool running_ = false;         // a run is in progress

  PictureBox* picture1_;
  QLabel* label1_;
  QLineEdit* text1_;
  QLabel* label2_;
  QLineEdit* text2_;
  FrameBox* frame1_;
  FileList* file1_;
  FolderList* dir1_;
  DriveList* drive1_;
  FrameBox* frame2_;
  FolderList* dir2_;
  DriveList* drive2_;
  FrameBox* frame3_;
  QLabel* label3_;
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace gdf::app
