// form1_win32.h - Form1 drawn with the Win32 API, for gdfconv-gui.exe on Windows.
//
// The window and its controls at the places the form gives them in twips, converted at the
// window's DPI; the event handlers are Form1Logic's, and this window only shows what they ask
// for (texts, list entries, the status line, message boxes, the pointer) and hands them what
// the user does. The client area of the window is the background `Picture1`: the window sees
// the pointer move only where no control covers it.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "app/logic/form1_layout.h"
#include "app/logic/form1_logic.h"

namespace gdf::app {

/// Identifiers of the controls (GetDlgItem), in the order of their tab indexes.
enum Win32ControlId : int {
  kIdFrame1 = 100,
  kIdDir1,
  kIdDrive1,
  kIdFile1,
  kIdFrame2,
  kIdDir2,
  kIdDrive2,
  kIdCommand1,
  kIdCommand2,
  kIdText1,
  kIdLabel1,
  kIdLabel2,
  kIdText2,
  kIdFrame3,
  kIdLabel3,
};

/// A control's place on the form: its container's and its own position, in twips.
struct Win32ControlPlace {
  int id;                        ///< Win32ControlId
  const char* name;              ///< the form's name for it, "Drive1"
  int left, top, width, height;  ///< twips, relative to the client area of the window
};

/// Every control with its place relative to the window's client area.
std::vector<Win32ControlPlace> Win32ControlPlaces();

class Win32Form1 final : public Form1View {
 public:
  /// `fs` must outlive the window.
  Win32Form1(FileSystem& fs, WindowSettings settings);
  ~Win32Form1() override;
  Win32Form1(const Win32Form1&) = delete;
  Win32Form1& operator=(const Win32Form1&) = delete;

  /// Creates the window hidden, with every control in place. False when Windows refused.
  bool Create(HINSTANCE instance);

  Form1Logic& Logic() { return logic_; }
  HWND Window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  /// Lets message boxes and the question go through another front end (a test's); nullptr
  /// returns to the system's message boxes.
  void SetDialogs(FrontEnd* dialogs) { dialogs_ = dialogs; }

  // Form1View
  void CentreOnScreen() override;
  Text GetText(Control box) const override;
  void SetText(Control box, const Text& text) override;
  void FocusAndSelectAll(Control box) override;
  void ShowDrives(Control list, const std::vector<Text>& labels, int chosen) override;
  void ShowFolders(Control list, const std::vector<FolderItem>& items, int current) override;
  void ShowFiles(Control list, const std::vector<Text>& names) override;
  void ShowChosenFile(int index) override;
  void SetStatusText(const Text& text) override;
  void ProcessPendingEvents() override;
  void ShowMessage(const Message& message) override;
  bool AskYesNo(const Text& question, const Text& caption) override;
  void SetPointer(Pointer pointer) override;
  void Close() override;

 private:
  int Twips(int twips) const;
  HWND Owner() const;
  void Layout(UINT dpi);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Form1Logic logic_;
  FrontEnd* dialogs_ = nullptr;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  std::map<int, HFONT> fittedFonts_;  // a control's own cut of the font, by id, where it needs one
  HBRUSH background_ = nullptr;
  UINT dpi_ = 96;
  bool waiting_ = false;
};

}  // namespace gdf::app
