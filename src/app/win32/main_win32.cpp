// main_win32.cpp - gdfconv-gui.exe: places the system on the host (drive map, system folder,
// program folder), runs start-up on the hidden window, and shows it only when start-up passed.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win32/form1_win32.h"
#include "common/host_settings.h"

namespace {

const wchar_t* W(const gdf::Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The host options of gdfconv (--drive, --system-dir, --program-dir), so that both write the
  // same files.
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i)
    args.push_back(gdf::ToUtf8(gdf::Text(reinterpret_cast<const char16_t*>(arguments[i]))));
  LocalFree(arguments);
  gdf::HostSettings host;
  for (std::size_t i = 0; i < args.size();) {
    std::string error;
    if (!gdf::TakeHostOption(args, i, host, error) || !error.empty()) {
      const gdf::Text text = gdf::FromUtf8(error.empty() ? "unknown option: " + args[i] : error);
      MessageBoxW(nullptr, W(text), W(gdf::app::kProgramTitle), MB_OK | MB_ICONERROR);
      return 2;
    }
  }
  gdf::CompleteHostSettings(host);
  gdf::HostFileSystem fs(host.fileSystem);

  gdf::app::WindowSettings settings;
  settings.systemDirHost = host.systemDir;
  settings.programFolder = fs.FromHost(host.programDir).value_or(gdf::Text());
  if (!settings.programFolder.empty() && settings.programFolder.back() != u'\\') {
    settings.programFolder.push_back(u'\\');
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
