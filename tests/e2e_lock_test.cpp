// e2e_lock_test.cpp - Show that a run waits for another run on the same pattern-data folder, and
// fails with a clear message when the other one does not finish in time.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

TEST(PatternFolderLock, ABusyFolderFailsAfterTheWait) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "pattern");
  test::WriteBytes(dir / "pattern/L4.TXT", "");
  test::WriteCp932(dir / "b.gdf", "");
  // Another conversion holds it, through the same lock the program takes.
  const auto fs = test::DrivesOver({{u'D', dir.path().string()}});
  LockError error;
  auto held = fs->LockFolder(u"D:\\pattern", 0, error);
  ASSERT_TRUE(held) << error.text;

  const auto start = std::chrono::steady_clock::now();
  const auto result = test::RunGdfconv({"convert", "--lock-wait", "1", "--pattern-dir",
                                        dir / "pattern", dir / "b.gdf", dir.path().string()});
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("Another conversion is using the pattern-data folder"),
            std::string::npos)
      << result.err;
  EXPECT_GE(waited, std::chrono::milliseconds(900));

  held.reset();  // released: the same run now goes through
  const auto again = test::RunGdfconv({"convert", "--lock-wait", "1", "--pattern-dir",
                                       dir / "pattern", dir / "b.gdf", dir.path().string()});
  EXPECT_EQ(again.exitCode, 0) << again.err;
}

}  // namespace
}  // namespace gdf
