// form1_win32.cpp - Form1's controls in their places, and the view the handlers talk to.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/win32/form1_win32.h"

namespace gdf::app {
namespace {

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

constexpr wchar_t kWindowClass[] = L"gdfconvForm1";
constexpr COLORREF kBackground = RGB(192, 192, 192);

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kList =
    kChild | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kDrop = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kEdit = kChild | WS_TABSTOP | ES_AUTOHSCROLL;

// The drop-down part of a drive list, in twips, below its selection field.
constexpr int kDropDownHeight = 2400;

// The identifier of a control: Win32ControlId follows the tab indexes from Frame1 on.
int IdOf(const ControlLayout& control) { return kIdFrame1 + control.tabIndex - 1; }

// The window class and the style a control of the form is drawn with.
const wchar_t* WindowClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return L"STATIC";
    case ControlKind::kTextBox:
      return L"EDIT";
    case ControlKind::kFileList:
    case ControlKind::kFolderList:
      return L"LISTBOX";
    case ControlKind::kDriveList:
      return L"COMBOBOX";
    case ControlKind::kPicture:
    case ControlKind::kFrame:
    case ControlKind::kButton:
      break;
  }
  return L"BUTTON";
}

DWORD StyleOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::kLabel:
      // A caption stays on one line; the status line shows any text as it is.
      return *control.caption != u'\0' ? kChild | SS_LEFTNOWORDWRAP
                                       : kChild | SS_LEFT | SS_NOPREFIX;
    case ControlKind::kTextBox:
      return kEdit;
    case ControlKind::kFileList:
    case ControlKind::kFolderList:
      return kList;
    case ControlKind::kDriveList:
      return kDrop;
    case ControlKind::kButton:
      return kChild | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::kPicture:
    case ControlKind::kFrame:
      break;
  }
  return kChild | BS_GROUPBOX;
}

int ControlFor(Control control) {
  switch (control) {
    case Control::kText1:
      return kIdText1;
    case Control::kText2:
      return kIdText2;
    case Control::kDrive1:
      return kIdDrive1;
    case Control::kDir1:
      return kIdDir1;
    case Control::kFile1:
      return kIdFile1;
    case Control::kDrive2:
      return kIdDrive2;
    case Control::kDir2:
      return kIdDir2;
  }
  return kIdText1;
}

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return 0;
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::kQuestion:
      return MB_ICONQUESTION;
    case MessageIcon::kCritical:
      return MB_ICONERROR;
  }
  return 0;
}

// The window's font: "System" at 13.5 points with the Shift-JIS character set, as the system
// maps it; `width` 0 for the font's own letter width.
HFONT MakeFont(UINT dpi, int width) {
  return CreateFontW(-MulDiv(27, static_cast<int>(dpi), 144), width, 0, 0, FW_NORMAL, FALSE, FALSE,
                     FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"System");
}

// The same face at a given cell height (a line, leading included) in pixels, and width.
HFONT MakeFontOfHeight(int pixels, int width) {
  return CreateFontW(pixels, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"System");
}

// The metrics of a font as a control draws with it.
TEXTMETRICW MetricsOf(HWND control, HFONT font) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return metrics;
}

// The width of a control's caption in a font.
int CaptionWidth(HWND control, HFONT font) {
  wchar_t caption[64] = {};
  const int length = GetWindowTextW(control, caption, 64);
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE needed{};
  GetTextExtentPoint32W(dc, caption, length, &needed);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return needed.cx;
}

// A cut of the window's font for a control it does not fit, so that every text shows whole: a
// line no taller than `room` pixels (0: any), and for a label's caption, no wider than the label.
// nullptr when the window's font fits. Faces with a tall line (the window's face stands in for
// another under some systems) need this where the form leaves little room.
HFONT FittedFont(HWND control, HFONT font, UINT dpi, int room, bool fitCaption) {
  const TEXTMETRICW metrics = MetricsOf(control, font);
  const int height = room > 0 && metrics.tmHeight + metrics.tmExternalLeading > room ? room : 0;
  HFONT fitted = height > 0 ? MakeFontOfHeight(height, 0) : nullptr;
  if (!fitCaption) return fitted;
  RECT area;
  GetClientRect(control, &area);
  const HFONT base = fitted != nullptr ? fitted : font;
  const int needed = CaptionWidth(control, base);
  if (needed <= area.right) return fitted;
  const int width = std::max<int>(
      1, MetricsOf(control, base).tmAveCharWidth * (area.right - 1) / std::max(needed, 1));
  if (fitted != nullptr) DeleteObject(fitted);
  return height > 0 ? MakeFontOfHeight(height, width) : MakeFont(dpi, width);
}

}  // namespace

namespace {

// The top of the highest control in a frame, relative to the frame, in twips.
int FirstInside(const ControlLayout& frame) {
  int top = frame.height;
  for (const ControlLayout& control : Form1Controls()) {
    if (control.container != nullptr && std::string_view(control.container) == frame.name) {
      top = std::min(top, control.top);
    }
  }
  return top;
}

}  // namespace

std::vector<Win32ControlPlace> Win32ControlPlaces() {
  std::vector<Win32ControlPlace> places;
  for (const ControlLayout& control : Form1Controls()) {
    const FormPlace place = PlaceOnForm(control);
    places.push_back(
        {IdOf(control), control.name, place.left, place.top, place.width, place.height});
  }
  return places;
}

Win32Form1::Win32Form1(FileSystem& fs, WindowSettings settings)
    : logic_(*this, fs, std::move(settings)) {}
Win32Form1::~Win32Form1() {
  if (window_ != nullptr && IsWindow(window_)) {
    // Destroyed without the handlers: the program does not end with this window.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  for (const auto& [id, fitted] : fittedFonts_) {
    if (fitted != nullptr) DeleteObject(fitted);
  }
}

// Creates the window hidden with every control in place.
bool Win32Form1::Create(HINSTANCE instance) {
  // The stock light grey brush is red, green and blue 192: the background of the window, the
  // frames and the labels.
  background_ = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Win32Form1::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background_;
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  // A file dropped anywhere on the window is a source file.
  window_ =
      CreateWindowExW(WS_EX_ACCEPTFILES, kWindowClass, W(kProgramTitle), kStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  for (const ControlLayout& control : Form1Controls()) {
    const DWORD extended = control.kind == ControlKind::kTextBox ? WS_EX_CLIENTEDGE : 0;
    CreateWindowExW(
        extended, WindowClassOf(control.kind), W(control.caption), StyleOf(control), 0, 0, 10, 10,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(control))), instance, nullptr);
  }
  Layout(GetDpiForWindow(window_));
  return true;
}

void Win32Form1::CentreOnScreen() {
  RECT window;
  GetWindowRect(window_, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcMonitor;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(window_, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
Text Win32Form1::GetText(Control box) const {
  const HWND edit = Item(ControlFor(box));
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return Text(text.begin(), text.end());
}
void Win32Form1::SetText(Control box, const Text& text) {
  SetWindowTextW(Item(ControlFor(box)), W(text));
}
void Win32Form1::FocusAndSelectAll(Control box) {
  const HWND edit = Item(ControlFor(box));
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}
void Win32Form1::ShowDrives(Control list, const std::vector<Text>& labels, int chosen) {
  const HWND combo = Item(ControlFor(list));
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const Text& label : labels) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(label)));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}
void Win32Form1::ShowFolders(Control list, const std::vector<FolderItem>& items, int current) {
  const HWND box = Item(ControlFor(list));
  SendMessageW(box, WM_SETREDRAW, FALSE, 0);
  SendMessageW(box, LB_RESETCONTENT, 0, 0);
  for (const FolderItem& item : items) {
    // Each level indented by two blanks, as the folders stand one inside the other.
    const Text line = Text(static_cast<std::size_t>(item.level) * 2, u' ') + item.label;
    SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(line)));
  }
  SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
  SendMessageW(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
}
void Win32Form1::ShowFiles(Control list, const std::vector<Text>& names) {
  const HWND box = Item(ControlFor(list));
  SendMessageW(box, LB_RESETCONTENT, 0, 0);
  for (const Text& name : names) {
    SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
  }
}
void Win32Form1::ShowChosenFile(int index) {
  SendMessageW(Item(kIdFile1), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
void Win32Form1::SetStatusText(const Text& text) {
  const HWND label = Item(kIdLabel3);
  SetWindowTextW(label, W(text));
  // Painted now: the run may go on for a while without letting the window paint.
  UpdateWindow(label);
}
void Win32Form1::ProcessPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
void Win32Form1::ShowMessage(const Message& message) {
  if (dialogs_ != nullptr) return dialogs_->ShowMessage(message);
  const Text caption = message.caption.value_or(Text(kProgramTitle));
  MessageBoxW(Owner(), W(message.text), W(caption), MB_OK | IconStyle(message.icon));
}
bool Win32Form1::AskYesNo(const Text& question, const Text& caption) {
  if (dialogs_ != nullptr) return dialogs_->AskYesNo(question, caption);
  const Text title = caption.empty() ? Text(kProgramTitle) : caption;
  return MessageBoxW(Owner(), W(question), W(title), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
void Win32Form1::SetPointer(Pointer pointer) {
  waiting_ = pointer == Pointer::kHourglass;
  SetCursor(LoadCursorW(nullptr, waiting_ ? IDC_WAIT : IDC_ARROW));
}
void Win32Form1::Close() { DestroyWindow(window_); }

// Message boxes before the window is shown have no owner.
HWND Win32Form1::Owner() const { return IsWindowVisible(window_) ? window_ : nullptr; }

int Win32Form1::Twips(int twips) const { return MulDiv(twips, static_cast<int>(dpi_), 1440); }

// Places the window and every control for a DPI, with the font at that DPI.
void Win32Form1::Layout(UINT dpi) {
  dpi_ = dpi == 0 ? 96 : dpi;
  RECT frame{0, 0, Twips(kFormWidth), Twips(kFormHeight)};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                           0, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = MakeFont(dpi_, 0);
  // The selection field of a drive list takes the height the form gives the list.
  const int fieldHeight =
      Twips(FindControl("Drive1")->height) - 2 * GetSystemMetricsForDpi(SM_CYEDGE, dpi_) - 2;
  for (const ControlLayout& control : Form1Controls()) {
    const FormPlace place = PlaceOnForm(control);
    const bool dropDown = control.kind == ControlKind::kDriveList;
    const int height = Twips(place.height) + (dropDown ? Twips(kDropDownHeight) : 0);
    const HWND window = Item(IdOf(control));
    SetWindowPos(window, nullptr, Twips(place.left), Twips(place.top), Twips(place.width), height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The line each control has room for: a drive list its field, a label its height, a frame
    // the space above the first control in it, which would otherwise cover its caption.
    int room = 0;
    if (dropDown) room = fieldHeight;
    if (control.kind == ControlKind::kLabel) room = Twips(place.height);
    if (control.kind == ControlKind::kFrame) room = Twips(FirstInside(control));
    HFONT& fitted = fittedFonts_[IdOf(control)];
    if (fitted != nullptr) DeleteObject(fitted);
    fitted = FittedFont(window, font_, dpi_, room,
                        control.kind == ControlKind::kLabel && *control.caption != u'\0');
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fitted ? fitted : font_), TRUE);
    if (dropDown) SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
  }
}

LRESULT Win32Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      const auto selection = [&](UINT get) {
        return static_cast<int>(SendMessageW(Item(id), get, 0, 0));
      };
      if (id == kIdCommand1 && code == BN_CLICKED) logic_.Command1_Click();
      if (id == kIdCommand2 && code == BN_CLICKED) logic_.Command2_Click();
      if ((id == kIdDrive1 || id == kIdDrive2) && code == CBN_SELCHANGE) {
        logic_.ChooseDrive(id == kIdDrive1 ? Control::kDrive1 : Control::kDrive2,
                           selection(CB_GETCURSEL));
      }
      if ((id == kIdDir1 || id == kIdDir2) && code == LBN_DBLCLK) {
        logic_.OpenFolder(id == kIdDir1 ? Control::kDir1 : Control::kDir2, selection(LB_GETCURSEL));
      }
      if (id == kIdFile1 && code == LBN_SELCHANGE) logic_.ChooseFile(selection(LB_GETCURSEL));
      return 0;
    }
    case WM_MOUSEMOVE:
      logic_.Picture1_MouseMove();
      return 0;
    case WM_DROPFILES: {
      const HDROP drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::string> paths;
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(length);
        paths.push_back(ToUtf8(Text(reinterpret_cast<const char16_t*>(path.data()), length)));
      }
      DragFinish(drop);
      logic_.DropFiles(paths);
      return 0;
    }
    case WM_SETCURSOR:
      if (waiting_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC: {
      // Labels and frames on the grey background; the text in the window-text colour.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, kBackground);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(background_);
    }
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      Layout(HIWORD(wParam));
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      logic_.Command2_Click();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form1::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

}  // namespace gdf::app
