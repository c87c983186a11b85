// batch_run_test.cpp - Show how a batch names its target folders, reads its list file, and what
// a folder or a target root given to it stands for.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/cp932.h"
#include "platform/host.h"
#include "platform/host_file_system.h"
#include "run/batch_run.h"
#include "support/test_support.h"

namespace gdf {
namespace {

TEST(BatchRun, StemsAndTargets) {
  const std::pair<std::u16string, std::u16string> stems[] = {
      {u"D:\\2003\\B-1.gdf", u"B-1"}, {u"Z:\\a\\b.c.GDF", u"b.c"}, {u"B-2", u"B-2"},
      {u"D:\\x\\.gdf", u".gdf"},      {u"D:B-3.gdf", u"B-3"},
  };
  for (const auto& [source, stem] : stems) EXPECT_EQ(SourceStem(source), stem);

  SameStem clash;
  const auto jobs =
      JobsUnderTargetRoot({u"D:\\s\\B-1.gdf", u"D:\\t\\B-2.gdf"}, u"D:\\OUT\\", clash);
  ASSERT_TRUE(jobs);
  EXPECT_EQ((*jobs)[1].targetText, u"D:\\OUT\\B-2");
  EXPECT_TRUE((*jobs)[1].ownFolder);
  EXPECT_FALSE(JobsUnderTargetRoot({u"D:\\s\\B-1.gdf", u"D:\\t\\b-1.GDF"}, u"D:\\OUT", clash));
  EXPECT_EQ(clash.stem, u"b-1");
  EXPECT_EQ(clash.first, u"D:\\s\\B-1.gdf");
  EXPECT_EQ(clash.second, u"D:\\t\\b-1.GDF");
}

TEST(BatchRun, ListFile) {
  ListLineNotPair fault;
  const auto pairs = ParseBatchList("# comment\r\n\r\n./a.gdf\tD:\\OUT A\r\n  \nb.gdf\t./b", fault);
  ASSERT_TRUE(pairs);
  ASSERT_EQ(pairs->size(), 2u);
  EXPECT_EQ((*pairs)[0], std::make_pair(std::string("./a.gdf"), std::string("D:\\OUT A")));
  EXPECT_EQ((*pairs)[1].second, "./b");
  for (const char* bad : {"a.gdf D:\\OUT\n", "\tD:\\OUT\n", "a.gdf\t\n"}) {
    EXPECT_FALSE(ParseBatchList(std::string("# ok\n") + bad, fault)) << bad;
    EXPECT_EQ(fault.line, 2u) << bad;
  }
  // The same pair in the encodings a list is saved in: UTF-8 (with or without its byte-order
  // mark) and Shift_JIS, which is not valid UTF-8 and so is read as code page 932.
  const std::string utf8 = "D:\\柱状図\\B-1.gdf\tD:\\出力\n";
  for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, Cp932Encode(FromUtf8(utf8))}) {
    const auto read = ParseBatchList(bytes, fault);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ((*read)[0],
              std::make_pair(std::string("D:\\柱状図\\B-1.gdf"), std::string("D:\\出力")));
  }
}

// A host folder "src" with two *.gdf files (in either case), a file of another kind, a folder
// named like a source, and a file named only ".gdf"; drive D: is the folder of the test.
class PlanBatchTest : public ::testing::Test {
 protected:
  PlanBatchTest() {
    for (const char* name : {"src/b.gdf", "src/A.GDF", "src/notes.txt", "src/.gdf"}) {
      test::WriteBytes(dir / name, "");
    }
    std::filesystem::create_directories(dir.path() / "src/c.gdf");
    std::filesystem::create_directories(dir.path() / "out");
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    fs = std::make_unique<HostFileSystem>(settings);
  }
  std::variant<std::vector<BatchJob>, BatchRefusal> Plan() { return PlanBatch(request, *fs); }
  // The run's text for a path under the test's folder: through drive D: on Linux; on Windows a
  // host path is itself the drive path.
  Text Run(const std::string& sub) const {
    if (kHostPathsAreWindowsPaths) return FromUtf8(dir / sub);
    Text text(u"D:\\");
    text += FromUtf8(sub);
    std::replace(text.begin(), text.end(), u'/', u'\\');
    return text;
  }

  test::TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
  BatchRequest request;
};

TEST_F(PlanBatchTest, AHostFolderStandsForItsSourceFiles) {
  request.sources = {dir / "src/"};
  // On Linux a drive path is taken as a file; on Windows every path is a host path.
  if (!kHostPathsAreWindowsPaths) request.sources.push_back("D:\\src");
  request.targetRoot = dir / "out";
  const auto plan = Plan();
  const auto* jobs = std::get_if<std::vector<BatchJob>>(&plan);
  ASSERT_TRUE(jobs);
  ASSERT_EQ(jobs->size(), request.sources.size() + 1);
  EXPECT_EQ((*jobs)[0].sourceText, Run("src/A.GDF"));
  EXPECT_EQ((*jobs)[1].sourceText, Run("src/b.gdf"));
  EXPECT_EQ((*jobs)[1].targetText, Run("out/b"));
  if (!kHostPathsAreWindowsPaths) {
    EXPECT_EQ((*jobs)[2].sourceText, u"D:\\src");
  }
}

TEST_F(PlanBatchTest, RefusalsBeforeTheStart) {
  request.targetRoot = dir / "out";
  request.sources = {dir / "out"};
  EXPECT_TRUE(std::holds_alternative<NoSourceInFolders>(std::get<BatchRefusal>(Plan())));

  request.sources = {dir / "src"};
  request.targetRoot = dir / "missing";
  const auto missing = Plan();
  ASSERT_TRUE(std::holds_alternative<BatchRefusal>(missing));
  EXPECT_EQ(std::get<TargetRootMissing>(std::get<BatchRefusal>(missing)).root, dir / "missing");
  request.createTargetRoot = true;
  EXPECT_TRUE(std::holds_alternative<std::vector<BatchJob>>(Plan()));

  request.targetRoot.reset();
  request.sources.clear();
  request.list = "# nothing\n\n";
  EXPECT_TRUE(std::holds_alternative<ListEmpty>(std::get<BatchRefusal>(Plan())));
  request.list = dir / "src/b.gdf" + "\tD:\\OUT\\ONE\n";
  const auto listed = Plan();
  const auto* jobs = std::get_if<std::vector<BatchJob>>(&listed);
  ASSERT_TRUE(jobs);
  EXPECT_EQ((*jobs)[0].sourceText, Run("src/b.gdf"));
  EXPECT_EQ((*jobs)[0].targetText, u"D:\\OUT\\ONE");
  EXPECT_FALSE((*jobs)[0].ownFolder);
}

}  // namespace
}  // namespace gdf
