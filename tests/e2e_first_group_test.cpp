// e2e_first_group_test.cpp - Show, through the real gdfconv binary, the record files of the
// "$S", "$W", "$C" and "$K" sections and the growth of the code tables, whole and byte for
// byte, and that a fault found on reading writes nothing at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::Cp932Lines;
using test::RunGdfconv;

// One "$S" row: the depth, the seven columns (missing ones empty) and the ignored ninth line.
std::string Row(const std::string& depth, std::vector<std::string> columns) {
  columns.resize(7);
  std::string row = depth + "\n";
  for (const std::string& column : columns) row += column + "\n";
  return row + "-\n";
}

class EndToEndFirstGroup : public ::testing::Test {
 protected:
  EndToEndFirstGroup() {
    fs::create_directories(dir.path() / "pattern");
    for (const char* table : {"L1.TXT", "L2.TXT", "KISHITU.TXT", "XKISHITU.TXT", "L14.TXT",
                              "L15.TXT", "L16.TXT", "L19.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    test::WriteCp932(dir / "pattern/L4.TXT", "7,C\n3,M\n8,L\n9,H\n");
    test::WriteCp932(dir / "pattern/L13.TXT", "1,新鮮\n2,弱風化\n41,強風化\n");
    test::WriteCp932(dir / "pattern/L17.TXT", "1,C01,棒状\n");
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

// The four sections after a header block whose line 6 gives the year 1998.
const char kSource[] =
    "$K3\n"
    "1.20\n-\n褐色の砂。\n\"硬い\" a\\b\n\t\n"
    "3.40)\n-\n岩盤。\n\t\n"
    "$C2,test\n"
    "1.15\n15/20\n5\n6\n4\n"
    "2.15\n50/7\n\n10/10\n\n"
    "$W3\n"
    "-2.35,5/12\n"
    ",6/1\n"
    "10.5\n10/3\n"
    "$S4\n"
    "1.00\nCM\n弱風化\n\n\n\n棒状\n\n-\n"
    "2.00\n～\nＨＷ\n\n\n\n礫状\n\n-\n"
    "3.00\n\n\n\n\n\n\n\n-\n"
    "4.00\nCH\nＨＷ～強風化\n\n\n\n\n\n-\n"
    "$Z6\nA\nB\nC\nD\nE\n10\n";

TEST_F(EndToEndFirstGroup, EverySectionWritesItsFiles) {
  const auto result = Convert(kSource);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Out("X3.TXT"), Cp932Lines("  1,   4.00,0703  ,CM,0709  ,CH,～\n"));
  EXPECT_EQ(Out("R31.TXT"), Cp932Lines("  1,   1.00,2,弱風化,  ,\n"
                                       "  2,   2.00,42,ＨＷ,  ,\n"
                                       "  3,   4.00,42,ＨＷ,41,強風化\n"));
  EXPECT_EQ(Out("R35.TXT"), Cp932Lines("  1,   1.00,1,棒状,  ,\n"
                                       "  2,   2.00, 2,礫状,  ,\n"));
  for (const char* none : {"R32.TXT", "R33.TXT", "R34.TXT", "R30.TXT"}) {
    EXPECT_FALSE(test::Exists(dir / ("out/" + std::string(none)))) << none;
  }
  EXPECT_EQ(Out("N9.TXT"), Cp932Lines("  1, 1998/ 5/12,   2.35\n"
                                      "  2, 1998/10/ 3,   10.5\n"));
  EXPECT_EQ(Out("X5.TXT"), Cp932Lines("  1,   1.15, 15, 22, 20,  5, 10,  6, 10,  4, 10\n"
                                      "  2,   2.15, 50,214,  7,   ,   , 10, 10,   ,   \n"));
  EXPECT_EQ(Out("X12.TXT"), Cp932Lines("  1,   0.00,\"褐色の砂。\\\"硬い\" a\\b\"\n"
                                       "  2,   1.20,\"岩盤。\"\n"));
  EXPECT_EQ(Pattern("L13.TXT"), Cp932Lines("1,新鮮\n2,弱風化\n41,強風化\n42,ＨＷ\n"));
  EXPECT_EQ(Pattern("L17.TXT"), Cp932Lines("1,C01,棒状\n 2,      ,礫状\n"));
  EXPECT_EQ(Pattern("L14.TXT"), "");
  EXPECT_NE(result.out.find("  added to L13.TXT: 42,ＨＷ\n"
                            "  added to L17.TXT:  2,礫状\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("R31.TXT (3 lines)"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("X12.TXT (2 lines)"), std::string::npos) << result.out;
}

TEST_F(EndToEndFirstGroup, CountsThatMakeEmptyFilesOrNone) {
  const auto result = Convert("$C0.3\n$K-1\n$W0\n$S0\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Out("X5.TXT"), "");
  EXPECT_EQ(Out("X12.TXT"), "");
  EXPECT_FALSE(test::Exists(dir / "out/N9.TXT"));
  EXPECT_FALSE(test::Exists(dir / "out/X3.TXT"));
  fs::remove(dir.path() / "out/X5.TXT");
  EXPECT_EQ(Convert("$C0\n1\n1\n1\n1\n1\n").exitCode, 0);
  EXPECT_FALSE(test::Exists(dir / "out/X5.TXT"));
}

TEST_F(EndToEndFirstGroup, FaultsFoundOnReadingWriteNothing) {
  // A "$S" section that would add a value to L13.TXT.
  const std::string kNewValue = "$S1\n" + Row("1", {"C", "新"});
  const struct {
    const char* why;
    std::string source;
    std::string expected;  // in stderr
  } cases[] = {
      {"a date without a slash", kNewValue + "$W2\n1,1/1\n2,5-12\n",
       "stopped in $W: Record 2 has the date [5-12], which has no \"/\" between month and "
       "day."},
      {"notes that run past the end", kNewValue + "$K3\n1\n-\na\n\t\n", "stopped in $K"},
      {"a \"$C\" section cut short", kNewValue + "$C2\n1\n2\n3\n4\n5\n", "stopped in $C"},
      {"a \"$S\" section cut short", "$S2\n" + Row("1", {"C", "新"}), "stopped in $S"},
  };
  for (const auto& c : cases) {
    const auto result = Convert(c.source);
    EXPECT_EQ(result.exitCode, 3) << c.why << "\n" << result.err;
    EXPECT_NE(result.err.find(c.expected), std::string::npos) << c.why << "\n" << result.err;
    EXPECT_TRUE(fs::is_empty(dir.path() / "out")) << c.why;
  }
  EXPECT_EQ(Pattern("L13.TXT"), Cp932Lines("1,新鮮\n2,弱風化\n41,強風化\n"));
}

TEST_F(EndToEndFirstGroup, TableFaultsStopTheRunNamingTheTable) {
  fs::remove(dir.path() / "pattern/L19.TXT");
  test::WriteBytes(dir / "pattern/L14.TXT", "70000,A\r\n");
  const struct {
    const char* why;
    std::string source;
    std::string expected;  // in stderr
  } cases[] = {
      {"a missing table", "$S1\n" + Row("1", {"", "", "", "", "", "", "x"}), "L19.TXT"},
      {"a code beyond 16 bits", "$S1\n" + Row("1", {"", "", "x"}), "L14.TXT"},
      // Part 1 is new and could be written; part 2 could not: neither is added.
      {"a value that needs quotes and holds one",
       "$S2\n" + Row("1", {"", "新"}) + Row("2", {"", "旧～\" a\""}), "L13.TXT"},
  };
  for (const auto& c : cases) {
    const auto result = Convert(c.source);
    EXPECT_EQ(result.exitCode, 3) << c.why << "\n" << result.err;
    EXPECT_NE(result.err.find(c.expected), std::string::npos) << c.why << "\n" << result.err;
  }
  // The value of the row before the failing one stays in the table.
  EXPECT_EQ(Pattern("L13.TXT"), Cp932Lines("1,新鮮\n2,弱風化\n41,強風化\n42,新\n"));
}

}  // namespace
}  // namespace gdf
