// pattern_setting_test.cpp - Show that the pattern-data folder comes from the second line of
// VirizuV5.ini, that an empty or one-line file and a folder that does not exist are no setting,
// and that an empty settings file is removed.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/pattern_setting.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"

namespace gdf {
namespace {

class PatternSettingTest : public ::testing::Test {
 protected:
  PatternSettingTest() {
    std::filesystem::create_directories(dir.path() / "sys");
    std::filesystem::create_directories(dir.path() / "pat");
    test::WriteBytes(dir / "pa", "a file named like the folder without its last letter");
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    fs = std::make_unique<HostFileSystem>(settings);
  }
  std::string Ini() { return dir / "sys/VirizuV5.ini"; }

  test::TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
};

TEST_F(PatternSettingTest, SettingFromTheSecondLine) {
  const struct {
    const char* content;
    const char16_t* read;     // what ReadPatternFolderSetting gives
    const char16_t* checked;  // what the start-up check keeps; nullptr when it ends the program
  } cases[] = {
      {"[VIRIZU]\nD:\\pat\\\n", u"D:\\pat\\", u"D:\\pat\\"},
      {"x\n\"D:\\pat\\\",more text\nignored\n", u"D:\\pat\\", u"D:\\pat\\"},
      {"x\n   D:\\pat\\   \n", u"D:\\pat\\", u"D:\\pat\\"},
      {"x\nd:\\PAT\\", u"d:\\PAT\\", u"d:\\PAT\\"},  // names match without regard to case
      {"x\nD:\\pat\\,D:\\other\\\n", u"D:\\pat\\", u"D:\\pat\\"},
      {"x\nD:\\nothing\\\n", u"D:\\nothing\\", nullptr},
      {"x\nD:\\pat\n", u"D:\\pat", u"D:\\pat"},  // [D:\pa] exists, so it passes the check
      {"x\nD:\\sys\n", u"D:\\sys", nullptr},
      {"x\nC:\\VIRIZU\\\n", u"C:\\VIRIZU\\", nullptr},  // no such drive
      {"only one line\n", u"", nullptr},
      {"only one line", u"", nullptr},
      {"x\n\n", u"", nullptr},
      {"x\n    \n", u"", nullptr},
      {"\n", u"", nullptr},
      {"", u"", nullptr},  // an empty file is removed
  };
  for (const auto& c : cases) {
    test::WriteCp932(Ini(), c.content);
    EXPECT_EQ(ReadPatternFolderSetting(*fs, dir / "sys"), c.read) << c.content;
    const auto checked = CheckPatternFolderSetting(*fs, dir / "sys");
    if (c.checked == nullptr) {
      EXPECT_FALSE(checked) << c.content;
    } else {
      EXPECT_EQ(checked.value_or(u"(none)"), c.checked) << c.content;
    }
    EXPECT_EQ(test::Exists(Ini()), *c.content != '\0') << c.content;
  }
}

}  // namespace
}  // namespace gdf
