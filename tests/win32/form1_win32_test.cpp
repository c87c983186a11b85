// form1_win32_test.cpp - Show that the Win32 window starts only with a pattern-data folder,
// that its controls stand where the form puts them, and that Execute writes what gdfconv.exe
// writes. With GDFCONV_WINDOW_PICTURE set, keep a picture of the window after a completed run.
#include "app/win32/form1_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "messages/system_texts.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf::app {
namespace {

namespace stdfs = std::filesystem;

// Drive D: is a fresh folder holding system/ (VirizuV5.ini), pattern/ (the bundled tables),
// program/ and work/ (the bundled examples).
struct World {
  explicit World(bool setting = true) {
    stdfs::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
                stdfs::copy_options::recursive);
    stdfs::copy(test::SourceDir() + "/data/examples", dir.path() / "work",
                stdfs::copy_options::recursive);
    stdfs::create_directories(dir.path() / "program");
    stdfs::create_directories(dir.path() / "system");
    if (setting) test::WriteCp932(dir / "system/VirizuV5.ini", "tables\nD:\\pattern\\\n");
  }
  std::string Root() const { return dir.path().string(); }
  test::TempDir dir;
};

class Form1Win32Test : public testing::Test {
 protected:
  void Make(bool setting = true) {
    world = std::make_unique<World>(setting);
    FileSystemSettings drives;
    drives.drives[u'D'] = world->Root();
    fs = std::make_unique<HostFileSystem>(drives);
    fs->SetCurrentDrive(u'D');
    fs->SetCurrentFolder(u"D:\\work");
    WindowSettings settings;
    settings.systemDirHost = world->dir / "system";
    settings.programFolder = u"D:\\program\\";
    settings.lockWaitMilliseconds = 30000;
    form = std::make_unique<Win32Form1>(*fs, settings);
    ASSERT_TRUE(form->Create(GetModuleHandleW(nullptr)));
    form->SetDialogs(&dialogs);
  }
  void SetText(int id, const char16_t* text) {
    SetWindowTextW(form->Item(id), reinterpret_cast<const wchar_t*>(text));
  }
  Text GetText(int id) {
    wchar_t buffer[512] = {};
    GetWindowTextW(form->Item(id), buffer, 512);
    return Text(reinterpret_cast<const char16_t*>(buffer));
  }

  std::unique_ptr<World> world;
  std::unique_ptr<HostFileSystem> fs;
  test::RecordingFrontEnd dialogs;
  std::unique_ptr<Win32Form1> form;
};

// The files below a folder in name order, the log's times and places masked.
std::vector<std::pair<std::string, std::string>> FilesBelow(const stdfs::path& folder) {
  const auto files = test::FilesUnder(folder);
  return {files.begin(), files.end()};
}

// The window's client area as a PNG file: 8-bit RGB rows, stored without compression.
void SavePng(HWND window, const std::string& path) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  // Read back from the screen, where the controls have painted themselves over the window.
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  std::string raw;
  const auto* pixels = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');  // no filter
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = pixels + (static_cast<std::size_t>(y) * width + x) * 4;
      raw.push_back(static_cast<char>(p[2]));
      raw.push_back(static_cast<char>(p[1]));
      raw.push_back(static_cast<char>(p[0]));
    }
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  const auto crc = [](const std::string& bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const unsigned char b : bytes) {
      c ^= b;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
  };
  const auto be32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 8), static_cast<char>(v)};
  };
  const auto chunk = [&](const std::string& type, const std::string& data) {
    return be32(static_cast<std::uint32_t>(data.size())) + type + data + be32(crc(type + data));
  };
  // zlib stream of stored deflate blocks, each at most 65535 bytes.
  std::string zlib = "\x78\x01";
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t size = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + size >= raw.size();
    zlib.push_back(last ? '\x01' : '\x00');
    zlib.push_back(static_cast<char>(size & 0xFF));
    zlib.push_back(static_cast<char>(size >> 8));
    zlib.push_back(static_cast<char>(~size & 0xFF));
    zlib.push_back(static_cast<char>((~size >> 8) & 0xFF));
    zlib.append(raw, at, size);
    if (last) break;
  }
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  zlib += be32((b << 16) | a);
  const std::string header = be32(static_cast<std::uint32_t>(width)) +
                             be32(static_cast<std::uint32_t>(height)) +
                             std::string("\x08\x02\x00\x00\x00", 5);
  std::ofstream out(stdfs::path(FromUtf8(path)), std::ios::binary);
  out << "\x89PNG\r\n\x1a\n" << chunk("IHDR", header) << chunk("IDAT", zlib) << chunk("IEND", "");
}

TEST_F(Form1Win32Test, StartUpIsRefusedWithoutASetting) {
  Make(false);
  EXPECT_FALSE(form->Logic().Form_Load());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(StartsWith(dialogs.shown[0].text, Text(messages::kNoSetting) + u"\n\n"));
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::kNone);
  EXPECT_FALSE(dialogs.shown[0].caption.has_value());
  EXPECT_FALSE(IsWindowVisible(form->Window()));
  EXPECT_EQ(GetText(kIdText1), u"");
}

TEST_F(Form1Win32Test, ControlsStandWhereTheFormPutsThem) {
  Make();
  ASSERT_TRUE(form->Logic().Form_Load());
  if (GetDpiForWindow(form->Window()) != 96) GTEST_SKIP() << "the pixels below are at 96 dpi";
  RECT client;
  GetClientRect(form->Window(), &client);
  EXPECT_EQ(client.right, 606);   // 9090 twips
  EXPECT_EQ(client.bottom, 433);  // 6495 twips
  for (const Win32ControlPlace& place : Win32ControlPlaces()) {
    RECT rect;
    ASSERT_TRUE(GetWindowRect(form->Item(place.id), &rect)) << place.name;
    MapWindowPoints(HWND_DESKTOP, form->Window(), reinterpret_cast<POINT*>(&rect), 2);
    const auto pixels = [](int twips) { return MulDiv(twips, 96, 1440); };
    EXPECT_EQ(rect.left, pixels(place.left)) << place.name;
    EXPECT_EQ(rect.top, pixels(place.top)) << place.name;
    EXPECT_EQ(rect.right - rect.left, pixels(place.width)) << place.name;
    // A drop-down list's height is its selection field's, which the system sizes to the font.
    if (std::string(place.name).rfind("Drive", 0) != 0) {
      EXPECT_EQ(rect.bottom - rect.top, pixels(place.height)) << place.name;
    }
  }
  // The tab order: the controls that take the focus, in the order of their tab indexes.
  std::vector<int> order;
  for (HWND child = GetWindow(form->Window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(GetDlgCtrlID(child));
  }
  EXPECT_EQ(order, (std::vector<int>{kIdDir1, kIdDrive1, kIdFile1, kIdDir2, kIdDrive2, kIdCommand1,
                                     kIdCommand2, kIdText1, kIdText2}));
  // The font: "System" with the Shift-JIS character set.
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form->Item(kIdLabel1), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(std::wstring(font.lfFaceName), L"System");
  EXPECT_EQ(GetText(kIdText1), u"D:\\work");
  EXPECT_EQ(GetText(kIdCommand1), u"実  行");
}

// The height of a line of a control's font, as the control draws it.
int LineHeight(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

// Every caption and list text shows whole: a frame's caption ends above the first control in it,
// a drive list's field and a label are as tall as their font's line, and a label's caption is no
// wider than the label.
TEST_F(Form1Win32Test, CaptionsAndListTextsAreNotCut) {
  Make();
  ASSERT_TRUE(form->Logic().Form_Load());
  const auto placeOf = [&](int id) {
    RECT rect;
    GetWindowRect(form->Item(id), &rect);
    MapWindowPoints(HWND_DESKTOP, form->Window(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  for (const auto& [frame, inside] : {std::pair{kIdFrame1, kIdFile1},
                                      {kIdFrame1, kIdDir1},
                                      {kIdFrame2, kIdDir2},
                                      {kIdFrame3, kIdLabel3}}) {
    EXPECT_GE(placeOf(inside).top, placeOf(frame).top + LineHeight(form->Item(frame)))
        << "control " << inside << " covers the caption of frame " << frame;
  }
  for (const int label : {kIdLabel1, kIdLabel2, kIdLabel3}) {
    const RECT rect = placeOf(label);
    EXPECT_LE(LineHeight(form->Item(label)), rect.bottom - rect.top) << "label " << label;
  }
  for (const int list : {kIdDrive1, kIdDrive2}) {
    const auto field = SendMessageW(form->Item(list), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    EXPECT_GE(field, LineHeight(form->Item(list))) << "drive list " << list;
  }
  for (const int label : {kIdLabel1, kIdLabel2}) {
    const HWND control = form->Item(label);
    wchar_t caption[64] = {};
    const int length = GetWindowTextW(control, caption, 64);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE needed{};
    GetTextExtentPoint32W(dc, caption, length, &needed);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    RECT area;
    GetClientRect(control, &area);
    EXPECT_LE(needed.cx, area.right) << "label " << label;
  }
}

TEST_F(Form1Win32Test, ExecuteWritesWhatGdfconvExeWrites) {
  Make();
  ASSERT_TRUE(form->Logic().Form_Load());
  ShowWindow(form->Window(), SW_SHOWNORMAL);
  UpdateWindow(form->Window());
  dialogs.answerYes = true;
  // The file chosen in the list, the target typed.
  const std::vector<Text>& files = form->Logic().FileNames();
  const auto b1 = std::find(files.begin(), files.end(), u"B-1.gdf");
  ASSERT_NE(b1, files.end());
  SendMessageW(form->Item(kIdFile1), LB_SETCURSEL, static_cast<WPARAM>(b1 - files.begin()), 0);
  SendMessageW(form->Window(), WM_COMMAND, MAKEWPARAM(kIdFile1, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form->Item(kIdFile1)));
  EXPECT_EQ(GetText(kIdText1), u"D:\\work\\B-1.gdf");
  SetText(kIdText2, u"D:\\出力\\B-1");
  SendMessageW(form->Item(kIdCommand1), BM_CLICK, 0, 0);
  EXPECT_EQ(GetText(kIdLabel3), messages::kCompleted);
  EXPECT_EQ(form->Logic().ConversionDone(), 1);
  EXPECT_TRUE(dialogs.shown.empty());

  if (const char* picture = std::getenv("GDFCONV_WINDOW_PICTURE")) {
    MSG message;
    for (int i = 0; i < 20; ++i) {
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(25);
    }
    SavePng(form->Window(), picture);
  }

  World cli;
  const test::ProcessResult result = test::RunGdfconv(
      {"convert", "--drive", "D=" + cli.Root(), "--system-dir", cli.dir / "system", "--program-dir",
       cli.dir / "program", "--yes", "D:\\work\\B-1.gdf", "D:\\出力\\B-1"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto byWindow = FilesBelow(world->dir.path());
  const auto byCommandLine = FilesBelow(cli.dir.path());
  EXPECT_GT(byWindow.size(), 10u);
  ASSERT_EQ(byWindow.size(), byCommandLine.size());
  for (std::size_t i = 0; i < byWindow.size(); ++i) {
    EXPECT_EQ(byWindow[i].first, byCommandLine[i].first);
    EXPECT_TRUE(byWindow[i].second == byCommandLine[i].second) << byWindow[i].first;
  }
}

TEST_F(Form1Win32Test, MessageBoxesTakeTheirIconsAndAnEmptyCaption) {
  Make();
  ASSERT_TRUE(form->Logic().Form_Load());
  ShowWindow(form->Window(), SW_SHOWNORMAL);
  // An empty target is refused with the drive-letter message, then with its own empty text as
  // caption.
  SetText(kIdText1, u"D:\\work\\B-1.gdf");
  SetText(kIdText2, u"");
  SendMessageW(form->Item(kIdCommand1), BM_CLICK, 0, 0);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_TRUE(StartsWith(dialogs.shown[1].text, Text(messages::kInvalidPath) + u"\n\n"));
  EXPECT_EQ(dialogs.shown[1].caption, std::optional<Text>(u""));
  EXPECT_EQ(GetFocus(), form->Item(kIdText2));
  EXPECT_EQ(GetText(kIdLabel3), u"");
}

}  // namespace
}  // namespace gdf::app
