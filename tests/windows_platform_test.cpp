// windows_platform_test.cpp - What the Windows file system must do beyond the rules both hosts
// share: bytes kept as they are, Japanese and long names, files held by other programs, names
// Windows forbids, read-only files, and where the settings file is looked for.
// Built into the Windows tests only.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frontend/host_settings.h"
#include "frontend/pattern_setting.h"
#include "messages/message_catalogue.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

// What a failure says in English, as the run's messages say it.
std::string InEnglish(const FileError& error) {
  return ToUtf8(Render(ReasonOf(error), Language::kEnglish));
}

using test::TempDir;

std::wstring Wide(const std::string& utf8) {
  const Text text = FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

class WindowsPlatformTest : public ::testing::Test {
 protected:
  WindowsPlatformTest() {
    FileSystemSettings settings;
    settings.drives[u'D'] = HostPathText(dir.path());
    fs = std::make_unique<HostFileSystem>(settings);
  }
  bool WriteFile(const Text& path, const std::string& bytes, FileError& error) {
    auto file = fs->Open(path, OpenMode::kTruncate, error);
    return file && file->Write(bytes, error) && file->Close(error);
  }
  TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
};

TEST_F(WindowsPlatformTest, BytesAsTheyAre) {
  // CR LF stays CR LF, a lone LF stays a lone LF, and 0x1A is a byte like any other.
  const std::string bytes = std::string(
      "a\r\nb\nc\x1A"
      "d\r\n\x1A\x1A",
      12);
  FileError error;
  ASSERT_TRUE(WriteFile(u"D:\\RAW.TXT", bytes, error)) << error;
  EXPECT_EQ(fs->Size(u"D:\\raw.txt"), 12);
  EXPECT_EQ(fs->ReadAll(u"D:\\raw.txt", error).value_or("<none>"), bytes);
  auto append = fs->Open(u"D:\\RAW.TXT", OpenMode::kAppend, error);
  ASSERT_TRUE(append);
  ASSERT_TRUE(append->Write("\r\n", error) && append->Close(error));
  EXPECT_EQ(fs->ReadAll(u"D:\\RAW.TXT", error).value_or("<none>"), bytes + "\r\n");
}

TEST_F(WindowsPlatformTest, JapaneseAndLongNames) {
  FileError error;
  ASSERT_TRUE(fs->CreateFolder(u"D:\\現場１", error)) << error;
  ASSERT_TRUE(WriteFile(u"D:\\現場１\\柱状図.TXT", "x\r\n", error)) << error;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / u8"現場１" / u8"柱状図.TXT"));
  ASSERT_EQ(fs->List(u"D:\\現場１").size(), 1u);
  EXPECT_EQ(fs->List(u"D:\\現場１")[0].name, u"柱状図.TXT");
  EXPECT_EQ(fs->FromHost(HostPathText(dir.path() / u8"現場１")).value(), u"D:\\現場１");

  // Far beyond 260 characters.
  Text folder = u"D:";
  for (int i = 0; i < 12; ++i) {
    folder += u"\\深い階層のフォルダ名前" + FromAscii(std::to_string(i)) + u"_abcdefghijklmnop";
    ASSERT_TRUE(fs->CreateFolder(folder, error)) << error;
  }
  ASSERT_GT(fs->ToHost(folder)->size(), 400u);
  ASSERT_TRUE(WriteFile(folder + u"\\X1.TXT", "1\r\n", error)) << error;
  ASSERT_TRUE(fs->Rename(folder + u"\\X1.TXT", folder + u"\\X3.TXT", error)) << error;
  EXPECT_TRUE(fs->Exists(folder + u"\\x3.txt", ListAttribute::kNormal));
  EXPECT_EQ(fs->ReadAll(folder + u"\\X3.TXT", error).value_or("<none>"), "1\r\n");
  ASSERT_TRUE(fs->Delete(folder + u"\\X3.TXT", error)) << error;
  EXPECT_TRUE(fs->List(folder).empty());
}

TEST_F(WindowsPlatformTest, RefusalsNameTheirCause) {
  FileError error;
  ASSERT_TRUE(WriteFile(u"D:\\X1.TXT", "old\r\n", error)) << error;

  // Another program holds the file open without sharing it.
  const std::wstring host = Wide(*fs->ToHost(u"D:\\X1.TXT"));
  const HANDLE held =
      CreateFileW(host.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(fs->Open(u"D:\\X1.TXT", OpenMode::kTruncate, error));
  EXPECT_EQ(InEnglish(error), "the file is in use by another program");
  CloseHandle(held);

  // A folder under a file: one of its folders is a file, as a POSIX host says it.
  EXPECT_FALSE(fs->CreateFolder(u"D:\\X1.TXT\\SUB", error));
  EXPECT_EQ(error.kind, FileFailure::kNotAFolder);
  EXPECT_FALSE(fs->Open(u"D:\\X1.TXT\\SUB\\X3.TXT", OpenMode::kTruncate, error));
  EXPECT_EQ(error.kind, FileFailure::kNotAFolder);
  ASSERT_TRUE(fs->CreateFolder(u"D:\\OUT", error)) << error;
  EXPECT_FALSE(fs->Open(u"D:\\OUT", OpenMode::kTruncate, error));
  EXPECT_EQ(error.kind, FileFailure::kIsAFolder);

  // Names with characters that Windows forbids.
  for (const char16_t* name : {u"D:\\A<B.TXT", u"D:\\A|B.TXT", u"D:\\A\"B.TXT"}) {
    error = {};
    EXPECT_FALSE(fs->Open(name, OpenMode::kTruncate, error)) << ToUtf8(name);
    EXPECT_NE(error, FileError{});
  }
}

// A record file held open by another program (the drawing system showing it, say): the run
// stops at that file with exit 3, names it and its cause, and says what it wrote before.
TEST_F(WindowsPlatformTest, ARunStopsAtARecordFileHeldByAnotherProgram) {
  std::filesystem::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
                        std::filesystem::copy_options::recursive);
  FileError error;
  ASSERT_TRUE(fs->CreateFolder(u"D:\\OUT", error)) << error;
  ASSERT_TRUE(WriteFile(u"D:\\OUT\\X3.TXT", "old\r\n", error)) << error;
  const std::wstring host = Wide(*fs->ToHost(u"D:\\OUT\\X3.TXT"));
  const HANDLE held =
      CreateFileW(host.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto result = test::RunGdfconv({"convert", "--yes", "--pattern-dir", dir / "pattern",
                                        "--program-dir", dir / "pattern",
                                        test::SourceDir() + "/data/examples/B-1.gdf", dir / "OUT"});
  CloseHandle(held);
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("X3.TXT"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("in use by another program"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("$S"), std::string::npos) << result.err;  // the section it was in
  EXPECT_EQ(fs->ReadAll(u"D:\\OUT\\X3.TXT", error).value_or("<none>"), "old\r\n");
}

// A target folder whose name Windows forbids: the run stops where the folder is made, saying
// why, and leaves nothing behind.
TEST_F(WindowsPlatformTest, ATargetNameWindowsForbidsStopsTheRun) {
  std::filesystem::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
                        std::filesystem::copy_options::recursive);
  for (const char* target : {"A<B", "A|B", "A\"B"}) {
    const auto result = test::RunGdfconv(
        {"convert", "--yes", "--pattern-dir", dir / "pattern", "--program-dir", dir / "pattern",
         test::SourceDir() + "/data/examples/B-1.gdf", dir / target});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find("not allowed on Windows"), std::string::npos) << result.err;
  }
  EXPECT_EQ(fs->List(u"D:\\").size(), 1u);  // the pattern-data folder alone
}

TEST_F(WindowsPlatformTest, AReadOnlyFileIsNotWritten) {
  FileError error;
  ASSERT_TRUE(WriteFile(u"D:\\X1.TXT", "old\r\n", error)) << error;
  const std::wstring host = Wide(*fs->ToHost(u"D:\\X1.TXT"));
  ASSERT_TRUE(SetFileAttributesW(host.c_str(), FILE_ATTRIBUTE_READONLY));
  const HANDLE probe =
      CreateFileW(host.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    SetFileAttributesW(host.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this host lets the read-only file be written (wine run by root)";
  }
  EXPECT_FALSE(fs->Open(u"D:\\X1.TXT", OpenMode::kTruncate, error));
  EXPECT_NE(InEnglish(error).find("access is denied"), std::string::npos) << error;
  SetFileAttributesW(host.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fs->ReadAll(u"D:\\X1.TXT", error).value_or("<none>"), "old\r\n");
}

TEST_F(WindowsPlatformTest, DrivesAndCurrentFolders) {
  // The real drives are listed with the mapped one; a letter of no drive is not ready.
  bool sawC = false;
  bool sawD = false;
  for (const Drive& drive : fs->Drives()) {
    sawC = sawC || drive.letter == u'C';
    sawD = sawD || drive.letter == u'D';
  }
  EXPECT_TRUE(sawC && sawD);
  char16_t absent = 0;
  for (char16_t letter = u'Y'; letter > u'E' && absent == 0; --letter) {
    if (!(GetLogicalDrives() & (1u << (letter - u'A')))) absent = letter;
  }
  ASSERT_NE(absent, 0);
  EXPECT_FALSE(fs->DriveReady(absent));
  EXPECT_FALSE(fs->SetCurrentDrive(absent));
  EXPECT_FALSE(fs->Absolute(Text{absent, u':', u'\\'}));

  // Each drive keeps its own current folder.
  FileError error;
  ASSERT_TRUE(fs->CreateFolder(u"D:\\WORK", error)) << error;
  ASSERT_TRUE(fs->SetCurrentFolder(u"D:\\WORK"));
  ASSERT_TRUE(fs->SetCurrentDrive(u'C'));
  EXPECT_EQ(fs->Absolute(u"D:OUT").value(), u"D:\\WORK\\OUT");
  EXPECT_EQ(fs->Absolute(u"\\X").value(), u"C:\\X");
}

TEST(WindowsHost, SettingsFileIsLookedForWhereA32BitProgramSeesIt) {
  TempDir local;
  const std::string localHost = HostPathText(local.path());
  ASSERT_EQ(_putenv_s("LOCALAPPDATA", localHost.c_str()), 0);
  const std::vector<std::string> places = SystemFolderCandidates();
  ASSERT_EQ(places.size(), 4u);
  // SysWOW64 and the system folder, each after its copy in the VirtualStore ("C:\Windows\..."
  // there as "...\VirtualStore\Windows\...").
  EXPECT_TRUE(IsHostFolder(places[1]));
  EXPECT_TRUE(IsHostFolder(places[3]));
  EXPECT_EQ(places[0], localHost + "\\VirtualStore" + places[1].substr(2));
  EXPECT_EQ(places[2], localHost + "\\VirtualStore" + places[3].substr(2));
  EXPECT_EQ(ToUpperSimple(FromUtf8(places[1].substr(places[1].size() - 9))), u"\\SYSWOW64");
  EXPECT_EQ(ToUpperSimple(FromUtf8(places[3].substr(places[3].size() - 9))), u"\\SYSTEM32");

  // None holds the file: the system folder is the one named, and every place was looked in.
  HostSettings none;
  CompleteHostSettings(none);
  EXPECT_EQ(none.systemDir, places[3]);
  EXPECT_EQ(none.systemDirsLooked, places);
  // The refusal says which places take administrator rights, and has the file made in the
  // first that does not: the user's VirtualStore.
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(NeedsAdministrator(places[i]), i % 2 == 1) << places[i];
  }
  HostFileSystem fs{FileSystemSettings{}};
  const Text explained = RenderLines(ExplainMissingSetting(fs, none), Language::kEnglish);
  EXPECT_NE(
      explained.find(u"into the settings file \"" + FromUtf8(places[0]) + u"\\VirizuV5.ini\""),
      Text::npos)
      << ToUtf8(explained);
  EXPECT_NE(explained.find(u"    C:\\柱状図\\PATTERN\\\n"), Text::npos) << ToUtf8(explained);
  EXPECT_NE(explained.find(FromUtf8(places[3]) + u" (writing here takes administrator rights)"),
            Text::npos)
      << ToUtf8(explained);

  // The first that holds it wins.
  test::WriteBytes(places[2] + "\\VirizuV5.ini", "x\r\nC:\\P\\\r\n");
  HostSettings third;
  CompleteHostSettings(third);
  EXPECT_EQ(third.systemDir, places[2]);
  test::WriteBytes(places[0] + "\\VirizuV5.ini", "x\r\nC:\\P\\\r\n");
  HostSettings first;
  CompleteHostSettings(first);
  EXPECT_EQ(first.systemDir, places[0]);

  // --system-dir overrides the search.
  HostSettings given;
  given.systemDir = localHost;
  CompleteHostSettings(given);
  EXPECT_EQ(given.systemDir, localHost);
  EXPECT_TRUE(given.systemDirsLooked.empty());
}

TEST(WindowsHost, ProgramFolderAndHostPathTexts) {
  const std::string folder = ProgramFolderOfExecutable();
  EXPECT_TRUE(IsHostFolder(folder)) << folder;
  // As every Windows program reads a path: without ":" and not beginning with "\", from the
  // current folder (or, with "/", from the current drive's root, as Windows reads it).
  for (const char* path :
       {".\\B-1.gdf", "..\\B-1.gdf", "data\\B-1.gdf", "OUT\\B-1", "B-1.gdf", "/tmp/x"}) {
    EXPECT_TRUE(IsHostPathText(path)) << path;
  }
  for (const char* path : {"D:\\WORK\\B-1", "\\WORK", "Ｄ:\\OUT", ""}) {
    EXPECT_FALSE(IsHostPathText(path)) << path;
  }
}

}  // namespace
}  // namespace gdf
#endif
