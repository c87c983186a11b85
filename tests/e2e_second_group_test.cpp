// e2e_second_group_test.cpp - Show, through the real gdfconv binary, the "$O", "$U", "$B" and
// "$H" sections' empty and missing files, and a name that L18.txt cannot hold. Their record
// files whole are the case folders tests/cases/second-group-sections and
// tests/cases/faults-on-reading-write-nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::RunGdfconv;

class EndToEndSecondGroup : public ::testing::Test {
 protected:
  EndToEndSecondGroup() {
    fs::create_directories(dir.path() / "pattern");
    for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    test::WriteCp932(dir / "pattern/L18.txt", "01,泥岩\n02,砂岩\n");
    test::WriteCp932(dir / "pattern/L18b.txt", "01,風化\n");
    fs::create_directories(dir.path() / "out");
  }
  test::ProcessResult Convert(const std::string& source) {
    test::WriteCp932(dir / "b.gdf", source);
    return RunGdfconv({"convert", "--pattern-dir", dir / "pattern", "--program-dir",
                       dir.path().string(), dir / "b.gdf", dir / "out"});
  }
  std::string Out(const std::string& name) { return test::ReadBytes(dir / ("out/" + name)); }
  std::string Pattern(const std::string& name) {
    return test::ReadBytes(dir / ("pattern/" + name));
  }

  test::TempDir dir;
};

TEST_F(EndToEndSecondGroup, NoG81WithoutTheBSection) {
  for (const char* source : {"$U1\n1\nU1\n$B0\n", "$U1\n1\nU1\n"}) {
    const auto result = Convert(source);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::is_empty(dir.path() / "out")) << source;
  }
}

TEST_F(EndToEndSecondGroup, NegativeCountsReadNothing) {
  // A count of -1 is not 0: "$O" still creates its empty file; the others have no entries.
  const auto result = Convert("$O-1\n$U-1\n$B-1\n$H-1\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Out("R41.TXT"), "");
  EXPECT_TRUE(test::Exists(dir / "out/R41.TXT"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "out"), {}), 1);
}

TEST_F(EndToEndSecondGroup, NameThatCannotBeWrittenToTheTableStopsTheRun) {
  const auto result = Convert("$H2\n1\n\n\n新/風化\n2\n\n\n\"a\",b/風化\n");
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("L18.txt"), std::string::npos) << result.err;
  // It stops while it reads: the name of the record before is not added either.
  EXPECT_EQ(Pattern("L18.txt"), test::Cp932Lines("01,泥岩\n02,砂岩\n"));
  EXPECT_FALSE(test::Exists(dir / "out/R72.TXT"));
  EXPECT_EQ(Pattern("L18b.txt"), test::Cp932Lines("01,風化\n"));
}

}  // namespace
}  // namespace gdf
