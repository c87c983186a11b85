// folder_lock_test.cpp - Show that the pattern-data folder's lock is one byte of GDFCONV.LCK,
// taken exclusive or shared, that it keeps out a second holder in the same process as another
// process would, that a waiting run can read who holds it, and that a reader makes no lock file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/file_system.h"
#ifndef _WIN32
#include "platform/posix/posix_folder_lock.h"
#endif
#include "support/test_support.h"
#include "tables/lock_holder.h"

namespace gdf {
namespace {

class FolderLockTest : public ::testing::Test {
 protected:
  FolderLockTest() {
    std::filesystem::create_directories(dir.path() / "pattern");
    fs = test::DrivesOver({{u'D', dir.path().string()}, {u'P', (dir.path() / "pattern").string()}});
  }
  std::unique_ptr<FolderLock> Lock(TextView folder, LockMode mode, int wait = 0) {
    error = {};
    return fs->LockFolder(folder, mode, wait, error);
  }
  bool LockFileExists() const {
    return std::filesystem::exists(dir.path() / "pattern/GDFCONV.LCK");
  }

  test::TempDir dir;
  std::unique_ptr<FileSystem> fs;
  LockError error;
};

TEST_F(FolderLockTest, ExclusiveKeepsOutEveryOtherHolderAndNamesItself) {
  auto held = Lock(u"D:\\pattern\\", LockMode::kExclusive);
  ASSERT_TRUE(held) << error.reason;
  EXPECT_TRUE(LockFileExists());
  const LockHolder me{u"PC-TANAKA", u"tanaka", u"4242", u"2026-12-09 10:02:05"};
  FileError why;
  ASSERT_TRUE(held->WriteHolder(HolderLine(me), why)) << why;

  // Another path to the same folder meets the same lock, exclusive or shared, and reads the
  // holder's line.
  const auto start = std::chrono::steady_clock::now();
  for (const LockMode mode : {LockMode::kExclusive, LockMode::kShared}) {
    EXPECT_FALSE(Lock(u"p:\\", mode, mode == LockMode::kExclusive ? 300 : 0));
    EXPECT_EQ(error.kind, LockFailure::kBusy);
    const auto named = ParseHolderLine(error.holderLine);
    ASSERT_TRUE(named) << error.holderLine;
    EXPECT_EQ(named->computer, u"PC-TANAKA");
    EXPECT_EQ(named->StartedClock(), u"10:02");
  }
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));

  // Given back: the line goes with its holder, the file stays.
  held.reset();
  EXPECT_TRUE(LockFileExists());
  EXPECT_EQ(test::ReadBytes(dir / "pattern/GDFCONV.LCK"), "");
  EXPECT_TRUE(Lock(u"P:\\", LockMode::kExclusive)) << error.reason;
}

TEST_F(FolderLockTest, ReadersShareAndKeepOutAWriter) {
  // No lock file: a reader makes none, and says so.
  EXPECT_FALSE(Lock(u"D:\\pattern", LockMode::kShared));
  EXPECT_EQ(error.kind, LockFailure::kNoLockFile);
  EXPECT_FALSE(LockFileExists());

  Lock(u"D:\\pattern", LockMode::kExclusive).reset();  // made by a first run
  auto first = Lock(u"D:\\pattern", LockMode::kShared);
  ASSERT_TRUE(first) << error.reason;
  auto second = Lock(u"P:\\", LockMode::kShared);
  ASSERT_TRUE(second) << error.reason;
  FileError why;
  EXPECT_TRUE(second->WriteHolder("reader\r\n", why));  // a reader writes nothing
  EXPECT_FALSE(Lock(u"D:\\pattern", LockMode::kExclusive, 50));
  EXPECT_EQ(error.kind, LockFailure::kBusy);
  EXPECT_EQ(error.holderLine, "");
  first.reset();
  second.reset();
  EXPECT_TRUE(Lock(u"D:\\pattern", LockMode::kExclusive)) << error.reason;
}

TEST_F(FolderLockTest, AFolderThatIsNotThereCannotBeLocked) {
  EXPECT_FALSE(Lock(u"D:\\missing", LockMode::kExclusive));
  EXPECT_EQ(error.kind, LockFailure::kCannotOpen);
  EXPECT_FALSE(Lock(u"Q:\\", LockMode::kExclusive));
  EXPECT_EQ(error.kind, LockFailure::kCannotOpen);
}

TEST(LockHolderLine, ReadsBackWhatItWrites) {
  const LockHolder holder{u"PC-山田", u"yamada,t", u"17", u"2026-12-09 08:30:00"};
  const auto back = ParseHolderLine(HolderLine(holder));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->computer, u"PC-山田");
  EXPECT_EQ(back->user, u"yamada t");  // a comma cannot stand in a field
  EXPECT_EQ(back->processId, u"17");
  EXPECT_EQ(back->StartedClock(), u"08:30");
  // What another program wrote, or nothing, names nobody.
  for (const char* line : {"", "\r\n", "locked by backup", "a,b,c,d,e", "pc,user,12x,now"}) {
    EXPECT_FALSE(ParseHolderLine(line)) << line;
  }
}

#ifndef _WIN32
TEST(MountLocks, MountsThatKeepLocksToThisComputerAreNamed) {
  const std::string mounts =
      "22 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
      "40 22 0:50 / /srv/share rw,relatime - cifs //nas/share rw,vers=3.0,nobrl,cache=strict\n"
      "41 22 0:51 / /srv/share/inner rw - cifs //nas/inner rw,vers=3.0\n"
      "42 22 0:52 / /mnt/nfs rw - nfs4 nas:/x rw,vers=4.2,local_lock=none\n"
      "43 22 0:53 / /mnt/old rw - nfs nas:/y rw,vers=3,local_lock=posix\n"
      "44 22 0:54 / /mnt/my\\040share rw - smb3 //nas/z rw,nobrl\n";
  const struct {
    const char* path;
    const char* verdict;  // nullptr: the locks reach the server
  } cases[] = {
      {"/home/tanaka/pattern", nullptr},
      {"/srv/share/pattern", "cifs nobrl"},
      {"/srv/share", "cifs nobrl"},
      {"/srv/shared", nullptr},  // not below /srv/share
      {"/srv/share/inner/pattern", nullptr},
      {"/mnt/nfs/pattern", nullptr},
      {"/mnt/old/pattern", "nfs local_lock=posix"},
      {"/mnt/my share/p", "smb3 nobrl"},
  };
  for (const auto& c : cases) {
    const auto got = MountWithLocalLocksOnly(mounts, c.path);
    EXPECT_EQ(got.value_or("<none>"), c.verdict ? c.verdict : "<none>") << c.path;
  }
}
#endif

}  // namespace
}  // namespace gdf
