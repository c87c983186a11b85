// section_h_test.cpp - Show that the "$H" columns become R72.TXT rows by depth, and that the two
// names of column 3 get their codes from L18.txt and L18b.txt, which take each new name once.
#include <gtest/gtest.h>

#include <filesystem>

#include "sections/section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// One "$H" record: depth and the three columns.
std::string Record(const std::string& depth, const std::string& column1, const std::string& column2,
                   const std::string& column3) {
  return depth + "\n" + column1 + "\n" + column2 + "\n" + column3 + "\n";
}

class SectionHTest : public test::SectionFixture {
 protected:
  // Reads the "$H" section made of `records` and writes R72.TXT.
  void Convert(const std::string& records) {
    const int count = static_cast<int>(std::count(records.begin(), records.end(), '\n')) / 4;
    ConvertSections("$H" + std::to_string(count) + "\n" + records, {"$H"});
  }
  void Tables(const std::string& l18, const std::string& l18b) {
    test::WriteBytes(dir / "pattern/L18.txt", l18);
    test::WriteBytes(dir / "pattern/L18b.txt", l18b);
  }
  std::string R72() { return Out("R72.TXT"); }
  std::string Table(const std::string& name) { return test::ReadBytes(dir / ("pattern/" + name)); }
};

TEST_F(SectionHTest, ColumnsMergedByDepth) {
  Tables("01,A\r\n", "01,B\r\n");
  Convert(Record("1", "1234", "", "") + Record("2", "", "p", "") + Record("3", "", "", "A/B"));
  // Column 1 keeps its last 3 characters; the names come from the next deeper column-3 entry.
  EXPECT_EQ(R72(),
            "  1,      1,234, 1,A, 1,B,p\n"
            "  2,      2,   , 1,A, 1,B,p\n"
            "  3,      3,   , 1,A, 1,B,\n");
}

TEST_F(SectionHTest, Names) {
  const struct {
    const char* why;
    std::string column3;
    std::string line;
    std::string l18b;  // after the row ("\n" for CR LF)
  } cases[] = {
      {"no slash: the empty second name is added", "AB", "  1,      1,  3, 5,AB, 4,,x\n",
       "01,CD\n02,EF\n03,ＸＹ\n04,\n"},
      {"full-width slash", "AB／CD", "  1,      1,  3, 5,AB, 1,CD,x\n", "01,CD\n02,EF\n03,ＸＹ\n"},
      {"the first slash splits", "AB/CD/EF", "  1,      1,  3, 5,AB, 4,CD/EF,x\n",
       "01,CD\n02,EF\n03,ＸＹ\n04,CD/EF\n"},
      {"letter case is folded", "ab/ef", "  1,      1,  3, 5,ab, 2,ef,x\n",
       "01,CD\n02,EF\n03,ＸＹ\n"},
      {"full-width letter case is folded", "AB/ｘｙ", "  1,      1,  3, 5,AB, 3,ｘｙ,x\n",
       "01,CD\n02,EF\n03,ＸＹ\n"},
      {"width is not folded", "AB/ＣＤ", "  1,      1,  3, 5,AB, 4,ＣＤ,x\n",
       "01,CD\n02,EF\n03,ＸＹ\n04,ＣＤ\n"},
  };
  for (const auto& c : cases) {
    Tables("05,AB\r\n", test::Cp932Lines("01,CD\n02,EF\n03,ＸＹ\n"));
    Convert(Record("1", "3", "x", c.column3));
    EXPECT_EQ(R72(), c.line) << c.why;
    EXPECT_EQ(Table("L18b.txt"), test::Cp932Lines(c.l18b)) << c.why;
  }
}

TEST_F(SectionHTest, NewNamesAreAddedOnceAndFoundByLaterRows) {
  Tables("01,A\r\n", "01,B\r\n");
  Convert(Record("1", "", "", "N/M") + Record("2", "", "", "n/M") + Record("3", "", "", ""));
  EXPECT_EQ(R72(),
            "  1,      1,   , 2,N, 2,M,\n"
            "  2,      2,   , 2,n, 2,M,\n");
  EXPECT_EQ(Table("L18.txt"), "01,A\r\n02,N\r\n");
  EXPECT_EQ(Table("L18b.txt"), "01,B\r\n02,M\r\n");
  ASSERT_EQ(report.added.size(), 2u);
  EXPECT_EQ(report.added[0].table, u"L18.txt");
  EXPECT_EQ(report.added[0].code, u"02");
  EXPECT_EQ(report.added[0].name, u"N");
}

TEST_F(SectionHTest, NamesWithBlanksOrCommasAreQuotedSoTheyReadBack) {
  Tables("01,A\r\n", "01,B\r\n");
  Convert(Record("1", "", "", "AB / CD") + Record("2", "", "", "AB / CD") +
          Record("3", "", "", "x,y/"));
  EXPECT_EQ(R72(),
            "  1,      1,   , 2,AB , 2, CD,\n"
            "  2,      2,   , 2,AB , 2, CD,\n"
            "  3,      3,   , 3,x,y, 3,,\n");
  EXPECT_EQ(Table("L18.txt"), "01,A\r\n02,\"AB \"\r\n03,\"x,y\"\r\n");
  EXPECT_EQ(Table("L18b.txt"), "01,B\r\n02,\" CD\"\r\n03,\r\n");
}

TEST_F(SectionHTest, Tables) {
  std::string full;
  for (int i = 1; i <= 99; ++i) full += std::to_string(i) + ",N" + std::to_string(i) + "\r\n";
  const struct {
    const char* why;
    std::string before;
    std::string after;
    std::string codeField;
  } cases[] = {
      {"blank lines are not entries", "01,A\r\n\r\n   \r\n02,B\r\n",
       "01,A\r\n\r\n   \r\n02,B\r\n03,Z\r\n", " 3"},
      {"no line end at the end: one is written first", "01,A", "01,A\r\n02,Z\r\n", " 2"},
      {"a code that is not numeric gives 0", "x,Z\r\n", "x,Z\r\n", " 0"},
      {"a code is read as a number", "007,Z\r\n", "007,Z\r\n", " 7"},
      {"a full table takes no more names", full, full, "  "},
      {"an empty table gives the empty code and stays empty", "", "", "  "},
  };
  for (const auto& c : cases) {
    Tables(c.before, "01,\r\n");
    Convert(Record("1", "", "", "Z"));
    EXPECT_EQ(R72(), "  1,      1,   ," + c.codeField + ",Z, 1,,\n") << c.why;
    EXPECT_EQ(Table("L18.txt"), c.after) << c.why;
  }
}

TEST_F(SectionHTest, MissingTablesGiveEmptyCodesAndAreNotCreated) {
  Convert(Record("1", "3", "", "AB/CD"));
  EXPECT_EQ(R72(), "  1,      1,  3,  ,AB,  ,CD,\n");
  EXPECT_FALSE(test::Exists(dir / "pattern/L18.txt"));
  EXPECT_FALSE(test::Exists(dir / "pattern/L18b.txt"));
}

TEST_F(SectionHTest, NoEntriesWriteNoFile) {
  Convert(Record("1", " ", "", "  "));
  EXPECT_FALSE(test::Exists(dir / "out/R72.TXT"));
}

}  // namespace
}  // namespace gdf
