// path_validation_test.cpp - Show which target paths ValidatePath accepts, how it rewrites them,
// and that only a missing drive letter is reported to the user.
#include <gtest/gtest.h>

#include "common/path_validation.h"
#include "messages/system_texts.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf {
namespace {

TEST(ValidatePath, Outcomes) {
  test::TempDir dir;
  FileSystemSettings settings;
  settings.drives[u'C'] = dir.path().string();
  settings.drives[u'E'] = (dir.path() / "not-there").string();
  HostFileSystem fs(settings);
  const struct {
    const char16_t* in;
    bool valid;
    const char16_t* rewritten;
    bool message;  // the drive message is shown
  } cases[] = {
      {u"  C:\\DATA  ", true, u"C:\\DATA\\", false},
      {u"C:DATA", true, u"C:\\DATA\\", false},
      {u"C:", true, u"C:\\", false},
      {u"C:\\", true, u"C:\\", false},
      {u"DATA", false, u"DATA", true},
      {u"\\DATA", false, u"\\DATA", true},
      {u"あ:\\DATA", false, u"あ:\\DATA", true},
      {u"", false, u"", true},
      {u"   ", false, u"", true},
      {u"C:\\MY DATA", false, u"C:\\MY DATA", false},
      {u"C:\\DA*TA", false, u"C:\\DA*TA", false},
      {u"C:\\DATA\\\\OUT", false, u"C:\\DATA\\\\OUT\\", false},
      {u"Q:\\DATA", false, u"Q:\\DATA", false},
      {u"E:\\DATA", false, u"E:\\DATA", false},  // mapped, but its folder does not exist
      {u"C:\\ABCDEFGH.TXT", true, u"C:\\ABCDEFGH.TXT\\", false},
      {u"C:\\ABCDEFGHI.TXT", false, u"C:\\ABCDEFGHI.TXT\\", false},
      {u"C:\\FILE.TXT", true, u"C:\\FILE.TXT\\", false},
      {u"C:\\FILE.TEXT", false, u"C:\\FILE.TEXT\\", false},
      {u"C:\\A.B.C", false, u"C:\\A.B.C\\", false},
      {u"C:\\DATA.", true, u"C:\\DATA.\\", false},
      {u"C:\\.TXT", true, u"C:\\.TXT\\", false},
      {u"C:\\VERYLONGFOLDERNAME", true, u"C:\\VERYLONGFOLDERNAME\\", false},
      {u"C:\\砂.TXT", false, u"C:\\砂.TXT\\", false},
      {u"C:\\砂.TX", true, u"C:\\砂.TX\\", false},
      {u"C:\\WORK\\2003\\SITE\\B-1", true, u"C:\\WORK\\2003\\SITE\\B-1\\", false},
  };
  for (const auto& c : cases) {
    test::RecordingFrontEnd ui;
    Text path = c.in;
    EXPECT_EQ(ValidatePath(path, fs, ui), c.valid) << ToUtf8(c.in);
    EXPECT_EQ(path, c.rewritten) << ToUtf8(c.in);
    ASSERT_EQ(ui.shown.size(), c.message ? 1u : 0u) << ToUtf8(c.in);
    if (c.message) {
      EXPECT_EQ(ui.shown[0].text, messages::kBadDrive);
      EXPECT_EQ(ui.shown[0].icon, MessageIcon::kInformation);
    }
  }
}

TEST(ValidatePath, MakesTheDriveCurrent) {
  test::TempDir dir;
  FileSystemSettings settings;
  settings.drives[u'C'] = dir.path().string();
  HostFileSystem fs(settings);
  test::RecordingFrontEnd ui;
  Text path = u"c:\\x";
  ASSERT_TRUE(ValidatePath(path, fs, ui));
  EXPECT_EQ(fs.CurrentDrive(), u'C');
}

}  // namespace
}  // namespace gdf
