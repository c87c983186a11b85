// e2e_second_group_test.cpp - Show, through the real gdfconv binary, the record files of the
// "$O", "$U", "$B" and "$H" sections and the growth of L18.txt and L18b.txt, whole and byte for
// byte, and that a section that fails on reading writes nothing at all.
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

// The sections in an unusual order, with a header block whose line 6 gives the year 1998.
const char kSource[] =
    "$H3\n"
    "1.00\n5\nD\n泥岩/風化\n"
    "2.50\n\n\n砂岩／新鮮\n"
    "4.00\n12\nE\n礫岩\n"
    "$B3\n"
    "1.0\n5/3\n1.0\n2.5\n45\nA\n\nQ\nP\n\n"
    "2.0\n\n\n\n\n～\nx\n\n\nR\n"
    "3.0\n12/31\n12.5\n11\n30\nB\n\n\n\n\n"
    "$U2\n"
    "0.5\nU1\n"
    " 2.0 \nU2\n"
    "$O3\n"
    "5\n3\n3\n20\n4\n"
    "10=note\n2\n10\n9\n1\n"
    "$Z6\nA\nB\nC\nD\nE\n10\n";

TEST_F(EndToEndSecondGroup, EverySectionWritesItsFiles) {
  const auto result = Convert(kSource);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Out("R41.TXT"), test::Cp932Lines("  1,      3,   , 20,  4,,,,,,\n"
                                             "  2,      5,  3,  0,  0,,,,,,\n"
                                             "  3,     10,  2,  9,  1,,,,,,\n"));
  EXPECT_EQ(Out("N8.TXT"), test::Cp932Lines("  1, 1998/05/03,    1.0\n"
                                            "  2, 1998/12/31,    3.0\n"));
  EXPECT_EQ(Out("G71.TXT"), test::Cp932Lines("  1,    1.0,200,    1.5,  45\n"
                                             "  2,    3.0,-297.99,  -1.49,  30\n"));
  EXPECT_EQ(Out("G73.TXT"), test::Cp932Lines("  1,      2,A～B,x\n"
                                             "  2,      3,A～B,\n"));
  EXPECT_EQ(Out("G81.TXT"), test::Cp932Lines("  1,    0.5,Q,U1・P,R\n"
                                             "  2,      1,Q,U2・P,R\n"
                                             "  3,      2,,U2・,R\n"));
  EXPECT_EQ(Out("R72.TXT"), test::Cp932Lines("  1,      1,  5, 1,泥岩, 1,風化,D\n"
                                             "  2,    2.5, 12, 2,砂岩, 2,新鮮,E\n"
                                             "  3,      4, 12, 3,礫岩, 3,,E\n"));
  EXPECT_EQ(Pattern("L18.txt"), test::Cp932Lines("01,泥岩\n02,砂岩\n03,礫岩\n"));
  EXPECT_EQ(Pattern("L18b.txt"), test::Cp932Lines("01,風化\n02,新鮮\n03,\n"));
  EXPECT_NE(result.out.find("  added to L18b.txt: 02,新鮮\n"
                            "  added to L18.txt: 03,礫岩\n"
                            "  added to L18b.txt: 03,\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("G81.TXT (3 lines)"), std::string::npos) << result.out;
}

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

TEST_F(EndToEndSecondGroup, FailuresOnReadingWriteNothing) {
  const struct {
    const char* why;
    std::string source;
    std::string expected;  // in stderr
  } cases[] = {
      {"a date without a slash", "$O1\n5\n1\n\n\n\n$B1\n1.0\n0503\n\n\n\n\n\n\n\n\n",
       "Record 1 has the date [0503]"},
      {"a \"$H\" section cut short", "$O1\n5\n1\n\n\n\n$H2\n1\n2\n3\nA/B\n", "$H"},
      {"a \"$U\" section cut short", "$O1\n5\n1\n\n\n\n$U2\n1\nU\n", "$U"},
      {"a \"$O\" section cut short", "$O2\n5\n1\n\n\n\n1\n", "$O"},
  };
  for (const auto& c : cases) {
    const auto result = Convert(c.source);
    EXPECT_EQ(result.exitCode, 3) << c.why << "\n" << result.err;
    EXPECT_NE(result.err.find(c.expected), std::string::npos) << c.why << "\n" << result.err;
    EXPECT_TRUE(fs::is_empty(dir.path() / "out")) << c.why;
  }
  EXPECT_EQ(Pattern("L18.txt"), test::Cp932Lines("01,泥岩\n02,砂岩\n"));
}

TEST_F(EndToEndSecondGroup, NameThatCannotBeWrittenToTheTableStopsTheRun) {
  const auto result = Convert("$H2\n1\n\n\n新/風化\n2\n\n\n\"a\",b/風化\n");
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("L18.txt"), std::string::npos) << result.err;
  EXPECT_EQ(Pattern("L18.txt"), test::Cp932Lines("01,泥岩\n02,砂岩\n03,新\n"));
  EXPECT_EQ(Pattern("L18b.txt"), test::Cp932Lines("01,風化\n"));
}

}  // namespace
}  // namespace gdf
