// window_preview_test.cpp - Show that the preview verb of a .gdf writes the picture of the boring
// beside its source file, with the pattern-data folder of the window's settings, and says why in
// Japanese when it cannot.
#include "app/logic/window_preview.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "messages/system_texts.h"
#include "support/test_support.h"

namespace gdf::app {
namespace {

TEST(WindowPreview, PictureBesideTheSourceFile) {
  test::TempDir dir;
  std::filesystem::copy(test::SourceDir() + "/data/pattern", dir.path() / "pattern",
                        std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(dir.path() / "2003");
  std::filesystem::copy_file(test::SourceDir() + "/data/examples/B-1.gdf",
                             dir.path() / "2003/B-1.gdf");
  const auto fs = test::DrivesOver({{u'D', dir.path().string()}});
  WindowSettings settings;
  settings.systemDirHost = dir / "system";  // no settings file: --pattern-dir stands in
  settings.programFolder = u"D:\\";
  settings.source = u"D:\\2003\\B-1.gdf";
  settings.preview = true;

  Text failure;
  EXPECT_FALSE(WritePreviewBeside(*fs, settings, failure));
  EXPECT_TRUE(StartsWith(failure, Text(messages::kNoSetting))) << ToUtf8(failure);

  settings.patternDir = dir / "pattern";
  const auto picture = WritePreviewBeside(*fs, settings, failure);
  ASSERT_TRUE(picture) << ToUtf8(failure);
  EXPECT_EQ(std::filesystem::path(*picture), dir.path() / "2003/B-1.svg");
  EXPECT_NE(test::ReadBytes(*picture).find("<svg"), std::string::npos);
  // The run behind the picture is a dry run: the tables are as they were, and no folder is made.
  EXPECT_FALSE(test::Exists(dir / "GDFPREVW"));
  EXPECT_EQ(test::ReadBytes(dir / "pattern/KISHITU.TXT"),
            test::ReadBytes(test::SourceDir() + "/data/pattern/KISHITU.TXT"));
}

}  // namespace
}  // namespace gdf::app
