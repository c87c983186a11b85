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
      // Without its "\" a folder line would glue every table's name to the folder's: refused,
      // even though [D:\pa] exists.
      {"x\nD:\\pat\n", u"D:\\pat", nullptr},
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

// What follows " VIRIZU の設定がありません.": what was wrong, the two lines as they must be, and
// (with the places looked in) which of them a user may write.
TEST_F(PatternSettingTest, TheRefusalSaysWhatIsWrongAndTheTwoLines) {
  const struct {
    std::optional<std::string> bytes;  // the settings file; none when missing
    const char* said;                  // in the first line of the explanation
  } cases[] = {
      {std::nullopt, "There is no settings file"},
      {std::string("only one line\n"), "names no folder on its second line"},
      {std::string("x\nD:\\pat\n"), "\"D:\\pat\", does not end with \"\\\""},
      {std::string("x\nD:\\nothing\\\n"), "\"D:\\nothing\\\" on the second line"},
      // Saved as UTF-8 by Notepad: named as such, with the line as it was meant.
      {std::string("x\r\nD:\\\xE6\x9F\xB1\xE7\x8A\xB6\xE5\x9B\xB3\\\r\n"),
       "is saved as UTF-8: save it again as Shift_JIS (in Notepad, Save As with the encoding "
       "\"ANSI\"). Read as UTF-8, its second line is \"D:\\柱状図\\\"."},
  };
  HostSettings host;
  host.systemDir = dir / "sys";
  for (const auto& c : cases) {
    std::filesystem::remove(Ini());
    if (c.bytes) test::WriteBytes(Ini(), *c.bytes);
    const auto lines = ExplainMissingSetting(*fs, host);
    ASSERT_GE(lines.size(), 5u);
    const std::string first = ToUtf8(Render(lines[0], Language::kEnglish));
    EXPECT_NE(first.find(c.said), std::string::npos) << first;
    EXPECT_EQ(Render(lines[2], Language::kEnglish), u"    [VIRIZU]");
    EXPECT_EQ(Render(lines[3], Language::kEnglish).back(), u'\\');
  }
  // The places looked in, each with whether it takes administrator rights: "/" takes them
  // wherever root owns it, a folder of ours does not when we are not root.
  host.systemDirsLooked = {dir / "sys", "/"};
  const auto lines = ExplainMissingSetting(*fs, host);
  const std::string all = ToUtf8(RenderLines(lines, Language::kEnglish));
  EXPECT_NE(all.find("  /" + std::string(" (writing here takes administrator rights)")),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("  " + (dir / "sys")), std::string::npos) << all;
}

}  // namespace
}  // namespace gdf
