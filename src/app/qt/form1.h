// form1.h - Form1, the one window of the system, drawn with Qt.
//
// The window holds the background picture box `Picture1` with every other control on it: the
// two path boxes, the source file, folder and drive lists, the target folder and drive lists,
// the status line and the two buttons, each at the place the form gives it in twips. The event
// handlers are Form1Logic's; this window shows what they ask for and hands them what the user
// does.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <string>

#include "app/logic/form1_layout.h"
#include "app/logic/form1_logic.h"
#include "app/qt/file_controls.h"
#include "app/qt/window_front_end.h"
#include "platform/file_system.h"
#include "text/text.h"

class QApplication;

namespace gdf::app {

/// Loads Qt's own Japanese texts (the standard buttons' はい and いいえ, ...) into the
/// application. False when the translation is not installed.
bool InstallJapaneseTranslation(QApplication& application);

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

class Form1 : public QWidget, private Form1View {
  Q_OBJECT

 public:
  /// Creates the window hidden, with every control in place. `fs` must outlive the window.
  Form1(FileSystem& fs, WindowSettings settings);

  /// Start-up; false when the program must end without showing the window.
  bool Form_Load() { return logic_.Form_Load(); }

  /// The event handlers and the lists' state.
  Form1Logic& Logic() { return logic_; }
  const Form1Logic& Logic() const { return logic_; }

  /// The front end that message boxes, the question, the status line and the pointer go
  /// through: the window's own unless another was set.
  FrontEnd& RunFrontEnd() { return frontEnd_ != nullptr ? *frontEnd_ : ownFrontEnd_; }
  /// Lets them go through another front end; nullptr returns to the window's.
  void SetRunFrontEnd(FrontEnd* frontEnd) { frontEnd_ = frontEnd; }
  /// The window's own front end.
  WindowFrontEnd& OwnFrontEnd() { return ownFrontEnd_; }

  /// `ConversionDone`: 1 while the status line shows the completion text.
  std::int16_t ConversionDone() const { return logic_.ConversionDone(); }
  /// `PatternFolder`, set by start-up.
  const Text& PatternFolder() const { return logic_.PatternFolder(); }
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

 protected:
  // A file dropped on the window is opened as a source file.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Names and places a control as the form's description says.
  void Place(QWidget* widget, const ControlLayout& control);
  // The widget of a control of the description, made on `parent`.
  QWidget* MakeControl(const ControlLayout& control, QWidget* parent);
  QLineEdit* TextBox(Control box) const { return box == Control::kText2 ? text2_ : text1_; }

  // Form1View
  void CentreOnScreen() override;
  Text GetText(Control box) const override;
  void SetText(Control box, const Text& text) override;
  void FocusAndSelectAll(Control box) override;
  void ShowDrives(Control list, const std::vector<Text>& labels, int chosen) override;
  void ShowFolders(Control list, const std::vector<FolderItem>& items, int current) override;
  void ShowFiles(Control list, const std::vector<Text>& names) override;
  void ShowChosenFile(int index) override;
  void SetStatusText(const Text& text) override { RunFrontEnd().SetStatusText(text); }
  void ProcessPendingEvents() override { RunFrontEnd().ProcessPendingEvents(); }
  void ShowMessage(const Message& message) override { RunFrontEnd().ShowMessage(message); }
  bool AskYesNo(const Text& question, const Text& caption) override {
    return RunFrontEnd().AskYesNo(question, caption);
  }
  void SetPointer(Pointer pointer) override { RunFrontEnd().SetPointer(pointer); }
  void Close() override { close(); }

  WindowFrontEnd ownFrontEnd_;
  FrontEnd* frontEnd_ = nullptr;
  double dotsPerInch_ = 96;

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
  // Last, so that the controls exist before the handlers fill them.
  Form1Logic logic_;
};

}  // namespace gdf::app
