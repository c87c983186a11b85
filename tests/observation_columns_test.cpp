// observation_columns_test.cpp - Show how the "$S" columns become depth lists (the range mark
// included), how X3.TXT codes letters through the L4 pairs, and how the code tables give codes
// to R31.TXT .. R30.TXT and grow with new values, each value once, ending whole on failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "sections/section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// One "$S" row: the depth, the seven columns (missing ones empty) and the ignored ninth line.
std::string Row(const std::string& depth, std::vector<std::string> columns) {
  columns.resize(7);
  std::string row = depth + "\n";
  for (const std::string& column : columns) row += column + "\n";
  return row + "-\n";
}

class ObservationColumnsTest : public test::SectionFixture {
 protected:
  ObservationColumnsTest() { context->l4 = {{u"7", u"C"}, {u"3", u"M"}}; }
  // Reads a "$S" section of `rows` and writes its files.
  void Convert(const std::string& rows) {
    const int count = static_cast<int>(std::count(rows.begin(), rows.end(), '\n')) / 9;
    ConvertSections("$S" + std::to_string(count) + "\n" + rows, {"$S"});
  }
};

TEST_F(ObservationColumnsTest, RangeMarks) {
  const struct {
    const char* why;
    std::vector<std::string> values;  // column 1 at depths 1, 2, 3, ...
    std::string x3;
  } cases[] = {
      {"a range takes the depth of the row that closes it",
       {"CM", "～", "", "CH"},
       "  1,      4,0703  ,CM,07    ,CH,～\n"},
      {"a value repeated is written twice",
       {"CM", "CM"},
       "  1,      1,0703  ,CM,      ,,\n  2,      2,0703  ,CM,      ,,\n"},
      {"consecutive marks", {"CM", "～", "～", "CH"}, "  1,      4,0703  ,CM,07    ,～CH,～\n"},
      {"a range still open at the end", {"CM", "～"}, "  1,      1,0703  ,CM,      ,,\n"},
      {"a mark with nothing before it drops the value that closes it",
       {"～", "CH", "M"},
       "  1,      3,03    ,M,      ,,\n"},
      {"a value with a mark of its own", {" M～C "}, "  1,      1,03    ,M,07    ,C,～\n"},
  };
  for (const auto& c : cases) {
    std::string rows;
    for (std::size_t i = 0; i < c.values.size(); ++i)
      rows += Row(std::to_string(i + 1), {c.values[i]});
    Convert(rows);
    EXPECT_EQ(Out("X3.TXT"), c.x3) << c.why;
  }
}

TEST_F(ObservationColumnsTest, X3CodeTexts) {
  context->l4 = {{u"7", u"C"}, {u"3", u"M"},   {u"9", u"C"},
                 {u"0", u"Z"}, {u"123", u"Q"}, {u"5", u"AB"}};
  const struct {
    const char* value;
    const char* codeText;
  } cases[] = {
      {"CMX", "0703  "},  // a character with no key takes no slot
      {"XCM", "0703  "},
      {"CCCC", "070707"},  // only three characters are looked at; the first pair of C wins
      {"ZQ", "  23  "},    // code 0 takes a slot but shows blank; 123 keeps its last two digits
      {"ABc", "      "},   // a key of two characters never matches; keys are case-sensitive
  };
  for (const auto& c : cases) {
    Convert(Row("1.00", {c.value}));
    EXPECT_EQ(Out("X3.TXT"),
              "  1,   1.00," + std::string(c.codeText) + "," + c.value + ",      ,,\n")
        << c.value;
  }
  context->l4 = {{u"40000", u"C"}};
  EXPECT_THROW(Convert(Row("1", {"C"})), RunError);
}

TEST_F(ObservationColumnsTest, FilesInOrderOnlyForColumnsWithEntries) {
  for (const char* name : {"L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L17.TXT"}) Table(name, "");
  test::WriteBytes(dir / "out/R30.TXT", "old\r\n");
  // L19.TXT is missing: column 7 is empty and its table is never opened.
  Convert(Row("123456789", {"C", "a", "b", "c", "d", "e"}) +
          Row("2", {"", "", "", "", "", "", ""}));
  std::vector<Text> names;
  for (const WrittenFile& file : report.files) names.push_back(file.name);
  EXPECT_EQ(names, (std::vector<Text>{u"X3.TXT", u"R31.TXT", u"R32.TXT", u"R33.TXT", u"R34.TXT",
                                      u"R35.TXT"}));
  EXPECT_EQ(Out("R30.TXT"), "old\n");
  EXPECT_EQ(Out("R31.TXT"), "  1,3456789, 1,a,  ,\n");  // the depth keeps its last 7 characters
  EXPECT_EQ(TableText("L17.TXT"), " 1,      ,e\n");
}

TEST_F(ObservationColumnsTest, CodesFromTheTableAndNewValues) {
  Table("L13.TXT", test::Cp932Lines("5,ＸＹ\n41,ＣＭ\n\n   \n3,AB\n"));
  Convert(Row("1", {"", "ＸＹ"}) + Row("2", {"", "新"}) + Row("3", {"", "旧"}) +
          Row("4", {"", "新"}) + Row("5", {"", "ＡＢ"}) + Row("6", {"", "ＸＹ～CM"}) +
          Row("7", {"", "ab"}) + Row("8", {"", "ab"}));
  EXPECT_EQ(Out("R31.TXT"),
            "  1,      1,5,ＸＹ,  ,\n"
            "  2,      2,42,新,  ,\n"  // the code just added, two characters
            "  3,      3,43,旧,  ,\n"
            "  4,      4,42,新,  ,\n"   // found again, as the table holds it
            "  5,      5,3,ＡＢ,  ,\n"  // the name in full width matches
            "  6,      6,5,ＸＹ,44,CM\n"
            "  7,      7,45,ab,  ,\n"
            "  8,      8,45,ab,  ,\n");  // a value added as it stands is found again
  EXPECT_EQ(TableText("L13.TXT"), "5,ＸＹ\n41,ＣＭ\n\n   \n3,AB\n42,新\n43,旧\n44,CM\n45,ab\n");
  ASSERT_EQ(report.added.size(), 4u);
  EXPECT_EQ(report.added[0].table, u"L13.TXT");
  EXPECT_EQ(report.added[0].code, u"42");
  EXPECT_EQ(report.added[0].name, u"新");
}

TEST_F(ObservationColumnsTest, TableEdges) {
  const struct {
    const char* why;
    std::string before;  // L13.TXT bytes
    std::string value;
    std::string r31;
    std::string after;  // L13.TXT as text
  } cases[] = {
      {"code 99 leaves no code free", "99,A\r\n", "B", "  1,      1,  ,B,  ,\n", "99,A\n"},
      {"the last matching line wins", test::Cp932Lines("3,ＡＢ\n4,AB\n"), "ＡＢ",
       "  1,      1,4,ＡＢ,  ,\n", "3,ＡＢ\n4,AB\n"},
      {"codes that are not numbers count as 0", "x,A\r\n", "B", "  1,      1, 1,B,  ,\n",
       "x,A\n 1,B\n"},
      {"a table without a last line end", "7,A", "B", "  1,      1, 8,B,  ,\n", "7,A\n 8,B\n"},
      {"part 2 equal to part 1 is added once", "1,A\r\n", "Q～Q", "  1,      1, 2,Q, 2,Q\n",
       "1,A\n 2,Q\n"},
      {"an empty part 2 takes no code", "1,A\r\n2,\r\n", "A～", "  1,      1,1,A,  ,\n",
       "1,A\n2,\n"},
      {"blanks and commas are quoted", "1,A\r\n", "B ～ x,y", "  1,      1, 2,B , 3, x,y\n",
       "1,A\n 2,\"B \"\n 3,\" x,y\"\n"},
      {"one code left for two parts", "98,A\r\n", "B～C", "  1,      1,99,B,  ,C\n",
       "98,A\n99,B\n"},
  };
  for (const auto& c : cases) {
    Table("L13.TXT", c.before);
    Convert(Row("1", {"", c.value}) + Row("2", {"", c.value}));
    EXPECT_EQ(Out("R31.TXT").substr(0, c.r31.size()), c.r31) << c.why;
    EXPECT_EQ(TableText("L13.TXT"), c.after) << c.why;
  }
}

TEST_F(ObservationColumnsTest, TypeFiveHasThreeFields) {
  Table("L17.TXT", test::Cp932Lines("41,C01,ＡＢ\n"));
  Convert(Row("1", {"", "", "", "", "", "ＡＢ"}) + Row("2", {"", "", "", "", "", "ＸＹ"}));
  EXPECT_EQ(Out("R35.TXT"), "  1,      1,41,ＡＢ,  ,\n  2,      2,42,ＸＹ,  ,\n");
  EXPECT_EQ(TableText("L17.TXT"), "41,C01,ＡＢ\n42,      ,ＸＹ\n");
}

}  // namespace
}  // namespace gdf
