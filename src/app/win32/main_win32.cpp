// main_win32.cpp - gdfconv-gui.exe: places the system on the host (drive map, system folder,
// program folder), runs start-up on the hidden window, and shows it only when start-up passed.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/logic/form1_logic.h"
#include "app/logic/window_preview.h"
#include "app/win32/form1_win32.h"
#include "frontend/command_line.h"
#include "frontend/command_options.h"
#include "frontend/host_settings.h"
#include "frontend/version.h"
#include "messages/message_catalogue.h"
#include "platform/host_file_system.h"

namespace {

const wchar_t* W(const gdf::Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The host options of gdfconv (--drive, --system-dir, --program-dir), so that both write the
  // same files, read by the parser that every front end uses.
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) {
    args.push_back(gdf::ToUtf8(gdf::Text(reinterpret_cast<const char16_t*>(arguments[i]))));
  }
  LocalFree(arguments);
  if (gdf::AsksForVersion(args)) {
    MessageBoxW(nullptr, W(gdf::FromUtf8(gdf::ProgramVersionLine("gdfconv-gui"))),
                W(gdf::app::kProgramTitle), MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  // The window speaks Japanese, and so does its usage error.
  gdf::CatalogueMessage error;
  auto line = gdf::app::ParseWindowCommandLine(args, error);
  if (!line) {
    MessageBoxW(nullptr, W(gdf::Render(error, gdf::Language::kJapanese)),
                W(gdf::app::kProgramTitle), MB_OK | MB_ICONERROR);
    return 2;
  }
  if (line->help) {
    // In a message box, in Japanese as the window: the window has no console to print on.
    const gdf::Text usage =
        gdf::FromUtf8(gdf::ProgramVersionLine("gdfconv-gui") + "\n\n") +
        gdf::Render(gdf::Say(gdf::MessageId::kHelpWindowWindows), gdf::Language::kJapanese);
    MessageBoxW(nullptr, W(usage), W(gdf::app::kProgramTitle), MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  gdf::CompleteHostSettings(line->host);
  gdf::HostFileSystem fs(line->host.fileSystem);
  const gdf::app::WindowSettings settings = gdf::app::WindowSettingsOf(*line, fs);
  if (settings.preview) {
    // The preview verb: the picture beside the source file, opened by the program that shows
    // .svg files.
    gdf::Text failure;
    const auto picture = gdf::app::WritePreviewBeside(fs, settings, failure);
    if (!picture) {
      MessageBoxW(nullptr, W(failure), W(gdf::app::kProgramTitle), MB_OK | MB_ICONERROR);
      return 1;
    }
    const gdf::Text path = gdf::FromUtf8(*picture);
    ShellExecuteW(nullptr, L"open", W(path), nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
  }
  auto form = std::make_unique<gdf::app::Win32Form1>(fs, settings);
  if (!form->Create(instance)) return 1;
  // Start-up runs on the hidden window; the window is shown only when it passed.
  if (!form->Logic().Form_Load()) {
    DestroyWindow(form->Window());
    return 1;
  }
  ShowWindow(form->Window(), show);
  UpdateWindow(form->Window());

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(form->Window(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
