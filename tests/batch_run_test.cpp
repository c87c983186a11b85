// batch_run_test.cpp - Show how a batch names its target folders and reads its list file.
#include <gtest/gtest.h>

#include "run/batch_run.h"

namespace gdf {
namespace {

TEST(BatchRun, StemsAndTargets) {
  const std::pair<std::u16string, std::u16string> stems[] = {
      {u"D:\\2003\\B-1.gdf", u"B-1"}, {u"Z:\\a\\b.c.GDF", u"b.c"}, {u"B-2", u"B-2"},
      {u"D:\\x\\.gdf", u".gdf"},      {u"D:B-3.gdf", u"B-3"},
  };
  for (const auto& [source, stem] : stems) EXPECT_EQ(SourceStem(source), stem);

  std::string error;
  const auto jobs =
      JobsUnderTargetRoot({u"D:\\s\\B-1.gdf", u"D:\\t\\B-2.gdf"}, u"D:\\OUT\\", error);
  ASSERT_TRUE(jobs);
  EXPECT_EQ((*jobs)[1].targetText, u"D:\\OUT\\B-2");
  EXPECT_TRUE((*jobs)[1].ownFolder);
  EXPECT_FALSE(JobsUnderTargetRoot({u"D:\\s\\B-1.gdf", u"D:\\t\\b-1.GDF"}, u"D:\\OUT", error));
  EXPECT_NE(error.find("would both go into the folder b-1"), std::string::npos) << error;
}

TEST(BatchRun, ListFile) {
  std::string error;
  const auto pairs = ParseBatchList("# comment\r\n\r\n./a.gdf\tD:\\OUT A\r\n  \nb.gdf\t./b", error);
  ASSERT_TRUE(pairs) << error;
  ASSERT_EQ(pairs->size(), 2u);
  EXPECT_EQ((*pairs)[0], std::make_pair(std::string("./a.gdf"), std::string("D:\\OUT A")));
  EXPECT_EQ((*pairs)[1].second, "./b");
  for (const char* bad : {"a.gdf D:\\OUT\n", "\tD:\\OUT\n", "a.gdf\t\n"}) {
    EXPECT_FALSE(ParseBatchList(std::string("# ok\n") + bad, error)) << bad;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace gdf
