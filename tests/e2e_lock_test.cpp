// e2e_lock_test.cpp - Show that a run waits for whoever holds the pattern-data folder's lock and
// says at once whom it waits for, that it fails with that name when the wait runs out, that it
// goes through at once when the holder is gone, and that --lock-wait takes whole seconds from 0
// to 3600 only.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

class PatternFolderLock : public ::testing::Test {
 protected:
  PatternFolderLock() {
    std::filesystem::create_directories(dir.path() / "pattern");
    test::WriteBytes(dir / "pattern/L4.TXT", "");
    test::WriteCp932(dir / "b.gdf", "$A0\n");  // a section, converted to nothing
    fs = test::DrivesOver({{u'D', dir.path().string()}});
  }
  test::ProcessResult Convert(const std::vector<std::string>& options) {
    std::vector<std::string> args = {"convert", "--lang", "en", "--pattern-dir", dir / "pattern"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(dir / "b.gdf");
    args.push_back(dir.path().string());
    return test::RunGdfconv(args);
  }
  test::TempDir dir;
  std::unique_ptr<FileSystem> fs;
};

TEST_F(PatternFolderLock, AWaitingRunNamesTheHolderAndFailsWhenTheWaitRunsOut) {
  const struct {
    const char* line;     // the holder's line in the lock file
    const char* waiting;  // what the run says at once
    const char* failed;   // what it says when the wait has run out
  } cases[] = {
      {"PC-TANAKA,tanaka,4242,2026-12-09 10:02:05\r\n",
       "tanaka on PC-TANAKA has been converting since 10:02. Waiting until it finishes (at most 1 "
       "second",
       "tanaka on PC-TANAKA has been converting into the pattern-data folder since 10:02"},
      {"", "Another program holds the lock of the pattern-data folder. Waiting",
       "Another program kept the pattern-data folder locked for the whole wait of 1 second"},
  };
  for (const auto& c : cases) {
    LockError error;
    auto held = fs->LockFolder(u"D:\\pattern", LockMode::kExclusive, 0, error);
    ASSERT_TRUE(held) << error.reason;
    FileError why;
    ASSERT_TRUE(held->WriteHolder(c.line, why)) << why;

    const auto start = std::chrono::steady_clock::now();
    const auto result = Convert({"--lock-wait", "1"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find(c.waiting), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.failed), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("No file was written"), std::string::npos) << result.err;

    held.reset();  // released: the same run now goes through, with no word of waiting
    const auto again = Convert({"--lock-wait", "1"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.err, "");
  }
}

TEST_F(PatternFolderLock, LockWaitTakesWholeSecondsFromZeroTo3600) {
  for (const char* good : {"0", "1", "3600", "0030"}) {
    const auto result = Convert({"--lock-wait", good});
    EXPECT_EQ(result.exitCode, 0) << good << ": " << result.err;
  }
  for (const char* bad : {"3601", "12abc", "3000000", "-1", "1.5", "", " 5", "99999999999"}) {
    for (const char* command : {"convert", "batch"}) {
      const auto result = test::RunGdfconv({command, "--lang", "en", "--lock-wait", bad,
                                            "--target-root", dir / "out", dir / "b.gdf"});
      EXPECT_EQ(result.exitCode, 2) << command << " " << bad;
      EXPECT_NE(result.err.find("--lock-wait takes a whole number of seconds from 0 to 3600"),
                std::string::npos)
          << command << " " << bad << ": " << result.err;
    }
  }
}

}  // namespace
}  // namespace gdf
