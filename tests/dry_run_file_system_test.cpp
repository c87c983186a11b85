// dry_run_file_system_test.cpp - Show that the in-memory overlay sees its own writes, appends,
// deletions, renames and folders, matches names without regard to case as the disk does, leaves
// the disk untouched, and reports each change with its line counts.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dry_run_file_system.h"
#include "platform/host_file_system.h"
#include "support/test_support.h"
#include "text/lines.h"

namespace gdf {
namespace {

class DryRunFileSystemTest : public ::testing::Test {
 protected:
  DryRunFileSystemTest() : disk(Settings()), overlay(disk) {
    test::WriteBytes(dir / "old.txt", "a\r\nb\r\n");
    test::WriteBytes(dir / "table.txt", "1,x");  // no line end at its end
    test::WriteBytes(dir / "gone.txt", "z\r\n");
  }
  FileSystemSettings Settings() {
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    return settings;
  }
  bool Write(const char16_t* path, OpenMode mode, const std::string& bytes) {
    FileError error;
    auto file = overlay.Open(path, mode, error);
    return file && file->Write(bytes, error) && file->Close(error);
  }
  std::string Read(const char16_t* path) {
    FileError error;
    return overlay.ReadAll(path, error).value_or("<none>");
  }

  test::TempDir dir;
  HostFileSystem disk;
  DryRunFileSystem overlay;
};

TEST_F(DryRunFileSystemTest, ReadsSeeTheChangesAndTheDiskStaysAsItWas) {
  const auto before = [&] {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
      files.emplace_back(entry.path().string(), test::ReadBytes(entry.path().string()));
    }
    return files;
  };
  const auto snapshot = before();
  FileError error;
  ASSERT_TRUE(overlay.CreateFolder(u"D:\\OUT", error)) << error;
  ASSERT_TRUE(Write(u"D:\\out\\X1.TXT", OpenMode::kTruncate, "1\r\n2\r\n3\r\n"));
  ASSERT_TRUE(Write(u"D:\\OLD.TXT", OpenMode::kTruncate, "new\r\n"));
  ASSERT_TRUE(Write(u"D:\\Table.TXT", OpenMode::kAppend, "\r\n2,y\r\n"));
  ASSERT_TRUE(overlay.Delete(u"D:\\gone.txt", error)) << error;
  ASSERT_TRUE(Write(u"D:\\work.tmp", OpenMode::kTruncate, "w"));
  ASSERT_TRUE(overlay.Rename(u"D:\\work.tmp", u"D:\\moved.txt", error)) << error;

  EXPECT_TRUE(overlay.Exists(u"D:\\OUT", ListAttribute::kDirectory));
  EXPECT_FALSE(overlay.Exists(u"D:\\OUT", ListAttribute::kNormal));
  EXPECT_TRUE(overlay.Exists(u"D:\\OUT\\x1.txt", ListAttribute::kNormal));
  EXPECT_EQ(Read(u"D:\\OUT\\X1.TXT"), "1\r\n2\r\n3\r\n");
  EXPECT_EQ(Read(u"D:\\old.txt"), "new\r\n");
  EXPECT_EQ(Read(u"D:\\table.txt"), "1,x\r\n2,y\r\n");
  EXPECT_EQ(overlay.Size(u"D:\\table.txt"), 10);
  EXPECT_FALSE(overlay.Exists(u"D:\\gone.txt", ListAttribute::kNormal));
  EXPECT_EQ(overlay.Size(u"D:\\gone.txt"), -1);
  EXPECT_FALSE(overlay.Exists(u"D:\\work.tmp", ListAttribute::kNormal));
  EXPECT_EQ(Read(u"D:\\moved.txt"), "w");

  std::vector<std::u16string> names;
  for (const FolderEntry& entry : overlay.List(u"D:\\")) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"OUT", u"moved.txt", u"old.txt", u"table.txt"}));

  EXPECT_EQ(before(), snapshot);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "OUT"));

  struct Expected {
    std::u16string path;
    ChangeKind kind;
    int linesBefore;
    int linesAfter;
  };
  const std::vector<Expected> expected = {
      {u"D:\\OUT", ChangeKind::kFolderCreated, 0, 0},
      {u"D:\\out\\X1.TXT", ChangeKind::kCreated, 0, 3},
      {u"D:\\old.txt", ChangeKind::kReplaced, 2, 1},
      {u"D:\\table.txt", ChangeKind::kAppended, 1, 2},
      {u"D:\\gone.txt", ChangeKind::kDeleted, 1, 0},
      {u"D:\\moved.txt", ChangeKind::kCreated, 0, 1},  // the work file is not listed
  };
  const std::vector<FileChange> changes = overlay.Changes();
  ASSERT_EQ(changes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(changes[i].path, expected[i].path) << i;
    EXPECT_EQ(changes[i].kind, expected[i].kind) << i;
    EXPECT_EQ(changes[i].linesBefore, expected[i].linesBefore) << i;
    EXPECT_EQ(changes[i].linesAfter, expected[i].linesAfter) << i;
  }
}

TEST_F(DryRunFileSystemTest, RefusesWhatTheDiskWouldRefuse) {
  FileError error;
  EXPECT_FALSE(overlay.Open(u"D:\\NO\\SUCH\\X1.TXT", OpenMode::kTruncate, error));
  EXPECT_FALSE(overlay.CreateFolder(u"D:\\A\\B", error));  // the parent is missing
  EXPECT_FALSE(overlay.CreateFolder(u"D:\\old.txt", error));
  EXPECT_FALSE(overlay.Delete(u"D:\\missing.txt", error));
  EXPECT_FALSE(overlay.Rename(u"D:\\missing.txt", u"D:\\x.txt", error));
  ASSERT_TRUE(overlay.CreateFolder(u"D:\\A", error));
  EXPECT_FALSE(overlay.Open(u"D:\\A", OpenMode::kTruncate, error));
  EXPECT_TRUE(overlay.Changes().size() == 1 && overlay.Changes()[0].path == u"D:\\A");
}

TEST_F(DryRunFileSystemTest, RelativePathsFollowTheCurrentFolder) {
  std::filesystem::create_directories(dir.path() / "sub");
  test::WriteBytes(dir / "sub/old.txt", "in sub\r\n");
  ASSERT_TRUE(overlay.SetCurrentDrive(u'D'));
  ASSERT_TRUE(overlay.SetCurrentFolder(u"D:\\"));
  EXPECT_EQ(Read(u"old.txt"), "a\r\nb\r\n");
  ASSERT_TRUE(overlay.SetCurrentFolder(u"D:\\sub"));
  EXPECT_EQ(Read(u"old.txt"), "in sub\r\n");  // not where the same name led before
  ASSERT_TRUE(Write(u"new.txt", OpenMode::kTruncate, "n"));
  EXPECT_EQ(Read(u"D:\\SUB\\NEW.TXT"), "n");
  EXPECT_EQ(Read(u"D:\\new.txt"), "<none>");
}

TEST(CountLines, AsTheLineReaderSplits) {
  const std::pair<std::string, int> cases[] = {
      {"", 0}, {"a", 1}, {"a\r\n", 1}, {"a\r\nb", 2}, {"a\nb\rc\r\n", 3}, {"\r\n\r\n", 2},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(CountLines(bytes), lines) << bytes;
}

}  // namespace
}  // namespace gdf
