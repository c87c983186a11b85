// e2e_bad_input_test.cpp - Show, through the binary, what every kind of bad source data file
// gives: the result the conversion defines, or a clear message with exit 3 — never a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;

class BadInput : public ::testing::Test {
 protected:
  BadInput() {
    for (const char* table : {"L1.TXT", "L2.TXT", "KISHITU.TXT", "L13.TXT", "L14.TXT", "L15.TXT",
                              "L16.TXT", "L17.TXT", "L19.TXT", "L18.txt", "L18b.txt"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    test::WriteCp932(dir / "pattern/L4.TXT", "7,M\n");
    test::WriteCp932(dir / "pattern/XKISHITU.TXT", "4000,他,    ,    ,    ,0000\n");
  }
  test::ProcessResult Convert(const std::string& bytes) {
    test::WriteBytes(dir / "b.gdf", bytes);
    fs::remove_all(dir.path() / "out");
    return test::RunGdfconv({"convert", "--yes", "--quiet", "--pattern-dir", dir / "pattern",
                             "--program-dir", dir.path().string(), dir / "b.gdf", dir / "out"});
  }
  test::TempDir dir;
};

TEST_F(BadInput, Matrix) {
  const std::string lines9(9 * 2, '\0');
  const struct {
    const char* what;
    std::string bytes;
    int exitCode;
  } cases[] = {
      {"empty file", "", 0},
      {"binary garbage", std::string("\x89PNG\r\n\x1a\n\x00\x00\xff\xfe", 12), 3},
      {"NUL bytes", std::string("$A0\r\n\0\0\0\r\n", 10), 0},
      {"only tag lines", "$Z\r\n$A\r\n$S\r\n$W\r\n$C\r\n$K\r\n$O\r\n$U\r\n$B\r\n$H\r\n", 0},
      {"counts of 0", "$A0\r\n$S0\r\n$W0\r\n$C0\r\n$K0\r\n$O0\r\n$U0\r\n$B0\r\n$H0\r\n", 0},
      {"counts of -1", "$A-1\r\n$S-1\r\n$W-1\r\n$C-1\r\n$K-1\r\n$O-1\r\n$U-1\r\n$B-1\r\n$H-1\r\n",
       0},
      {"count 32767", "$U32767\r\n1\r\nx\r\n", 3},
      {"count 32768", "$U32768\r\n", 3},
      {"count 1e9", "$H1e9\r\n", 3},
      {"count not a number", "$Aabc\r\n", 0},
      {"a line of 1 MB", "$K1\r\n1.0\r\nx\r\n" + std::string(1 << 20, 'a') + "\r\n\t\r\n", 0},
      {"deeply repeated range marks",
       [] {
         std::string s = "$S2000\r\n";
         for (int i = 0; i < 2000; ++i) {
           s += std::to_string(i) + "\r\n" + (i == 0 ? "CM" : "\x81\x60") +
                "\r\n\r\n\r\n\r\n\r\n"
                "\r\n\r\n\r\n";
         }
         return s;
       }(),
       0},
      {"a name of 10 000 characters",
       "$A1\r\n1.0\r\n" + std::string(10000, 'N') + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", 0},
  };
  for (const auto& c : cases) {
    const auto result = Convert(c.bytes);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.what << "\n" << result.err;
    if (c.exitCode == 3) {
      EXPECT_NE(result.err.find("b.gdf"), std::string::npos) << c.what;
    }
  }
}

TEST_F(BadInput, SectionsCutShortAtEveryLine) {
  const std::string full = test::Cp932Lines(
      "$Z3\nB-1\nx\ny\n$A1\n1.00\n砂\n\n\n\n\n\n\n\n$O1\n1.0\n2\n1.0\n3\n4\n$H1\n1.0\n2\nx\n灰/"
      "ＣＨ\n");
  // Cut the file after every line: each shorter file runs past the end of a section (exit 3)
  // or, cut at a section boundary, converts what it holds.
  for (std::size_t pos = full.find("\r\n"); pos != std::string::npos;
       pos = full.find("\r\n", pos + 2)) {
    const auto result = Convert(full.substr(0, pos + 2));
    EXPECT_TRUE(result.exitCode == 0 || result.exitCode == 3) << pos << "\n" << result.err;
    if (result.exitCode == 3) {
      EXPECT_NE(result.err.find("past the end"), std::string::npos) << result.err;
      EXPECT_FALSE(fs::exists(dir.path() / "out" / "X1.TXT"));  // nothing written
    }
  }
  EXPECT_EQ(Convert(full).exitCode, 0);
}

}  // namespace
}  // namespace gdf
