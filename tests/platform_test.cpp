// platform_test.cpp - Show that Windows paths resolve through the drive map by Windows rules, and
// that names inside folders are matched without regard to case.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf {
namespace {

using test::TempDir;

class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest() {
    std::filesystem::create_directories(dir.path() / "work" / "Sub");
    test::WriteBytes(dir / "work/Sub/Data.TXT", "x");
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    settings.drives[u'E'] = (dir.path() / "missing").string();
    fs = std::make_unique<HostFileSystem>(settings);
  }
  TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
};

TEST_F(PlatformTest, AbsoluteForms) {
  ASSERT_TRUE(fs->SetCurrentDrive(u'D'));
  const struct {
    const char16_t* in;
    const char16_t* out;  // nullptr: cannot be formed
  } cases[] = {
      {u"D:\\WORK\\SUB", u"D:\\WORK\\SUB"},
      {u"  d:\\work\\\\sub\\  ", u"D:\\work\\sub"},
      {u"D:\\WORK. \\SUB..", u"D:\\WORK\\SUB"},
      {u"D:WORK", u"D:\\WORK"},
      {u"\\WORK", u"D:\\WORK"},
      {u"WORK\\..\\X", u"D:\\X"},
      {u"D:/work/sub", u"D:\\work\\sub"},
      {u"D:", u"D:\\"},
      {u"Q:\\X", nullptr},
      {u"\\\\server\\share", nullptr},
      {u"", nullptr},
      {u"1:\\X", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = fs->Absolute(c.in);
    if (c.out == nullptr) {
      EXPECT_FALSE(got.has_value()) << ToUtf8(c.in);
    } else {
      EXPECT_EQ(got.value_or(u"<none>"), c.out) << ToUtf8(c.in);
    }
  }
}

TEST_F(PlatformTest, DriveRelativeUsesTheDrivesCurrentFolder) {
  ASSERT_TRUE(fs->SetCurrentFolder(u"D:\\work"));
  EXPECT_EQ(fs->CurrentFolder(u'D'), u"D:\\work");
  EXPECT_EQ(fs->Absolute(u"D:OUT").value(), u"D:\\work\\OUT");
  EXPECT_FALSE(fs->SetCurrentFolder(u"D:\\nowhere"));
}

TEST_F(PlatformTest, CaseInsensitiveNamesAndListings) {
  EXPECT_TRUE(fs->Exists(u"D:\\WORK\\SUB\\DATA.txt", ListAttribute::kNormal));
  EXPECT_FALSE(fs->Exists(u"D:\\WORK\\SUB", ListAttribute::kNormal));
  EXPECT_TRUE(fs->Exists(u"D:\\WORK\\SUB", ListAttribute::kDirectory));
  EXPECT_TRUE(fs->Exists(u"D:\\WORK\\SUB\\data.txt", ListAttribute::kDirectory));  // files too
  EXPECT_TRUE(fs->Exists(u"D:\\WORK\\", ListAttribute::kDirectory));
  EXPECT_FALSE(fs->Exists(u"D:\\WORK\\*.TXT", ListAttribute::kNormal));
  EXPECT_EQ(fs->Size(u"D:\\work\\sub\\data.txt"), 1);

  // Writing a name that exists in another case writes that file.
  FileError error;
  auto file = fs->Open(u"D:\\work\\sub\\DATA.TXT", OpenMode::kTruncate, error);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("abc", error));
  ASSERT_TRUE(file->Close(error));
  EXPECT_EQ(test::ReadBytes(dir / "work/Sub/Data.TXT"), "abc");
  // One file, under the name it had.
  std::vector<Text> names;
  for (const FolderEntry& entry : fs->List(u"D:\\WORK\\SUB")) names.push_back(entry.name);
  EXPECT_EQ(names, std::vector<Text>{u"Data.TXT"});
}

TEST_F(PlatformTest, DrivesAndHostForms) {
  EXPECT_TRUE(fs->DriveReady(u'd'));
  EXPECT_FALSE(fs->DriveReady(u'E'));  // mapped to a folder that does not exist
  EXPECT_FALSE(fs->SetCurrentDrive(u'E'));
  EXPECT_FALSE(fs->SetCurrentDrive(u'Q'));
  EXPECT_EQ(fs->FromHost(dir / "work").value(), u"D:\\work");  // the longest root wins
  EXPECT_EQ(fs->ToHost(u"D:\\WORK\\SUB").value(), (dir.path() / "work" / "Sub").string());
  EXPECT_EQ(fs->ToHost(u"D:\\WORK\\SUB\\NEW").value(),
            (dir.path() / "work" / "Sub" / "NEW").string());
#ifdef _WIN32
  // The real drives are there besides the mapped ones; a network path has no drive form.
  EXPECT_TRUE(fs->DriveReady(u'C'));
  EXPECT_EQ(fs->FromHost("c:\\windows\\..\\x").value(), u"C:\\x");
  EXPECT_FALSE(fs->FromHost("\\\\server\\share\\x"));
  EXPECT_EQ(fs->ToHost(u"C:\\").value(), "C:\\");
#else
  EXPECT_TRUE(fs->DriveReady(u'Z'));
  EXPECT_EQ(fs->FromHost("/").value(), u"Z:\\");
#endif
}

TEST(ParseDriveMapping, Forms) {
#ifdef _WIN32
  EXPECT_EQ(ParseDriveMapping("d=C:\\srv\\x\\")->first, u'D');
  EXPECT_EQ(ParseDriveMapping("d=C:/srv/x/")->second, "C:\\srv\\x");
#else
  EXPECT_EQ(ParseDriveMapping("d=/srv/x/")->first, u'D');
  EXPECT_EQ(ParseDriveMapping("d=/srv/x/")->second, "/srv/x");
#endif
  EXPECT_FALSE(ParseDriveMapping("dd=/x"));
  EXPECT_FALSE(ParseDriveMapping("1=/x"));
  EXPECT_FALSE(ParseDriveMapping("D="));
}

}  // namespace
}  // namespace gdf
