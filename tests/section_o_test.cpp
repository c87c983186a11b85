// section_o_test.cpp - Show that the two "$O" series become R41.TXT lines interleaved by depth,
// with the fillers of the series that has no entry, and that the next tag line ends the section.
#include <gtest/gtest.h>

#include <filesystem>

#include "sections/section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// One "$O" record: first-series depth and reading, second-series depth and two readings.
std::string Record(const std::string& depth1, const std::string& reading, const std::string& depth2,
                   const std::string& first2, const std::string& second2) {
  return depth1 + "\n" + reading + "\n" + depth2 + "\n" + first2 + "\n" + second2 + "\n";
}

class SectionOTest : public test::SectionFixture {
 protected:
  // Reads the "$O" section of `source` (UTF-8, "\n" line ends) and writes R41.TXT.
  std::string Convert(const std::string& source) {
    ConvertSections(source, {"$O"});
    return Out("R41.TXT");
  }
};

TEST_F(SectionOTest, Lines) {
  const struct {
    const char* why;
    std::string records;
    std::string r41;
  } cases[] = {
      {"first series alone", Record("12.5", "3", "", "", ""), "  1,   12.5,  3,  0,  0,,,,,,\n"},
      {"second series alone", Record("0", "9", "10", "20", "4"), "  1,     10,   , 20,  4,,,,,,\n"},
      {"one shared depth", Record("12.50", "3", "12.5", "20", "4"),
       "  1,   12.5,  3, 20,  4,,,,,,\n"},
      {"interleaved 3, 5, 10, 20",
       Record("5", "1", "3", "7", "8") + Record("10", "2", "10", "9", "4") +
           Record("", "", "20", "6", "5"),
       "  1,      3,   ,  7,  8,,,,,,\n"
       "  2,      5,  1,  0,  0,,,,,,\n"
       "  3,     10,  2,  9,  4,,,,,,\n"
       "  4,     20,   ,  6,  5,,,,,,\n"},
      {"depth cut at \"=\", stored values in CStr form, readings cut to 3",
       Record("12.5=note", "1234", ".50=x", "abc", "007"),
       "  1,    0.5,   ,  0,  7,,,,,,\n"
       "  2,   12.5,234,  0,  0,,,,,,\n"},
      {"depth 0, empty or not numeric makes no entry",
       Record("0", "1", "", "2", "3") + Record("abc", "1", "x", "2", "3"), ""},
      {"second series out of order is written when a first depth passes it",
       Record("5", "1", "8", "1", "1") + Record("10", "2", "3", "2", "2"),
       "  1,      5,  1,  0,  0,,,,,,\n"
       "  2,      8,   ,  1,  1,,,,,,\n"
       "  3,      3,   ,  2,  2,,,,,,\n"
       "  4,     10,  2,  0,  0,,,,,,\n"},
      {"a first depth beyond the end marker flushes the second series, and no more",
       Record("5", "1", "3", "1", "1") + Record("100000", "2", "50", "2", "2"),
       "  1,      3,   ,  1,  1,,,,,,\n"
       "  2,      5,  1,  0,  0,,,,,,\n"
       "  3,     50,   ,  2,  2,,,,,,\n"},
  };
  for (const auto& c : cases) {
    const int count = static_cast<int>(std::count(c.records.begin(), c.records.end(), '\n') / 5);
    EXPECT_EQ(Convert("$O" + std::to_string(count) + "\n" + c.records), c.r41) << c.why;
  }
}

TEST_F(SectionOTest, NextTagLineEndsTheSection) {
  // Cut at the first line of a record: that record is not used.
  EXPECT_EQ(Convert("$O5\n" + Record("1", "2", "", "", "") + "$U1\n1\nx\n"),
            "  1,      1,  2,  0,  0,,,,,,\n");
  // Cut at a later line: the record counts as far as it goes, the rest as blank.
  EXPECT_EQ(Convert("$O5\n1\n2\n3\n$B1\n"),
            "  1,      1,  2,  0,  0,,,,,,\n  2,      3,   ,  0,  0,,,,,,\n");
}

TEST_F(SectionOTest, NoEntriesStillCreateAnEmptyFile) {
  test::WriteBytes(dir / "out/R41.TXT", "old\r\n");
  EXPECT_EQ(Convert("$O1\n" + Record("", "", "", "", "")), "");
  ASSERT_EQ(report.files.size(), 1u);
  EXPECT_EQ(report.files[0].lines, 0);
}

}  // namespace
}  // namespace gdf
