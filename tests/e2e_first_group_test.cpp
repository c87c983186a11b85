// e2e_first_group_test.cpp - Show, through the real gdfconv binary, the counts of the "$S",
// "$W", "$C" and "$K" sections that make empty files or none, and the table faults that stop a
// run. Their record files whole are the case folders tests/cases/first-group-sections and
// tests/cases/faults-on-reading-write-nothing.
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
  // A value that no table line can hold stops the run while it reads: the new value of the row
  // before it is not added either.
  EXPECT_EQ(Pattern("L13.TXT"), Cp932Lines("1,新鮮\n2,弱風化\n41,強風化\n"));
}

}  // namespace
}  // namespace gdf
