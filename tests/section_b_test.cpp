// section_b_test.cpp - Show what the "$B" section writes to N8.TXT, G71.TXT, G73.TXT and, with
// the "$U" list, G81.TXT: dates with the header's year, interval lengths and rates cut to two
// decimals, columns merged by depth with their ranges, and a bad date refused while reading.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "sections/section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// One "$B" record: the depth, then lines 2 to 10 (missing ones blank).
std::string Record(const std::string& depth, std::vector<std::string> lines) {
  lines.resize(9);
  std::string out = depth + "\n";
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

// "$B" records with the column of line `line` set: {depth, value} pairs.
std::string Column(int line, std::initializer_list<std::pair<const char*, const char*>> rows) {
  std::string out;
  for (const auto& [depth, value] : rows) {
    std::vector<std::string> lines(9);
    lines[static_cast<std::size_t>(line - 2)] = value;
    out += Record(depth, lines);
  }
  return out;
}

int Records(const std::string& body, int linesPerRecord) {
  return static_cast<int>(std::count(body.begin(), body.end(), '\n')) / linesPerRecord;
}

class SectionBTest : public test::SectionFixture {
 protected:
  // Reads and writes the "$U" section (when `uBody` is not empty) and then the "$B" section, as
  // the run does.
  void Convert(const std::string& bBody, const std::string& uBody = {}) {
    ConvertSections("$U" + std::to_string(Records(uBody, 2)) + "\n" + uBody + "$B" +
                        std::to_string(Records(bBody, 10)) + "\n" + bBody,
                    {"$U", "$B"});
  }
};

TEST_F(SectionBTest, N8Dates) {
  Convert(Column(2, {{"12.5", "5/3"}}));  // without a header the year is empty
  EXPECT_EQ(Out("N8.TXT"), "  1,/05/03,   12.5\n");
  context->yearText = u" 1998";
  Convert(Column(2, {{"12.5", "5/3"}, {"13", " 12/31 "}, {"14", "123/4"}, {"15", "6/"}}));
  EXPECT_EQ(Out("N8.TXT"),
            "  1, 1998/05/03,   12.5\n"
            "  2, 1998/12/31,     13\n"
            "  3, 1998/23/04,     14\n"
            "  4, 1998/06/00,     15\n");
}

TEST_F(SectionBTest, DateWithoutSlashFailsOnReading) {
  const LineFile file(test::Cp932Lines("$B2\n" + Column(2, {{"1", "5/3"}, {"2", "0503"}})),
                      u"D:\\b.gdf");
  const SectionHeader header = FindSection(file, "$B");
  auto section = MakeSectionB();
  TextReader reader(file, header.BodyLine(file));
  try {
    section->Read(reader, header);
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.failure().kind, FailureKind::kBadValue);
    EXPECT_EQ(error.failure().sourceLine, 13);  // line 2 of record 2
    EXPECT_NE(error.failure().Reason(Language::kEnglish).find(u"Record 2"), Text::npos);
  }
}

TEST_F(SectionBTest, G71LengthsAndRates) {
  Convert(Record("12.5", {"", "11", "12.5", "45"}) +  // the example
          Record("1", {"", "10", "12", "30"}) +       // a whole length
          Record("2", {"", "", "", "45"}) +           // no interval
          Record("3", {"", "12.5", "11", "45"}) +     // negative, shortened by the 0.0001
          Record("4", {"", "1", "2", "0"}) +          // time 0: rate 0
          Record("5", {"", "1", "1.75", "abc"}) +     // time not numeric: rate 0
          Record("6", {"", "1", "2", "12345"}) +      // time cut to 4
          Record("7", {"", "1", "2", ""}));           // no time: no entry
  EXPECT_EQ(Out("G71.TXT"),
            "  1,   12.5,200,    1.5,  45\n"
            "  2,      1,400,      2,  30\n"
            "  3,      2,0,      0,  45\n"
            "  4,      3,-198.66,  -1.49,  45\n"
            "  5,      4,0,      1,   0\n"
            "  6,      5,0,    .75, abc\n"
            "  7,      6,.48,      1,2345\n");
}

TEST_F(SectionBTest, G73MergesColumnsSixAndSevenWithRanges) {
  // The range takes the depth of the record that closes it, 3, and applies from above.
  Convert(Column(6, {{"1", "A"}, {"2", "～"}, {"3", "B"}, {"5", "C"}}) +
          Column(7, {{"2", "x"}, {"4", "y"}}));
  EXPECT_EQ(Out("G73.TXT"),
            "  1,      2,A～B,x\n"
            "  2,      3,A～B,y\n"
            "  3,      4,C,y\n"
            "  4,      5,C,\n");
}

TEST_F(SectionBTest, RangeMarks) {
  const struct {
    const char* why;
    std::string records;
    std::string g73;
  } cases[] = {
      {"marks in a row are all kept", Column(6, {{"1", "A"}, {"2", "～"}, {"3", "～"}, {"4", "B"}}),
       "  1,      4,A～～B,\n"},
      {"a range left open keeps the depth of its first value", Column(6, {{"1", "A"}, {"2", "～"}}),
       "  1,      1,A～,\n"},
      {"a mark before any value makes no entry, nor does the value that closes it",
       Column(6, {{"1", "～"}, {"2", "B"}, {"3", "C"}}), "  1,      3,C,\n"},
      {"blank lines leave an open range open",
       Column(6, {{"1", "A"}, {"2", " ～ "}, {"3", ""}, {"4", "B"}}), "  1,      4,A～B,\n"},
  };
  for (const auto& c : cases) {
    Convert(c.records);
    EXPECT_EQ(Out("G73.TXT"), c.g73) << c.why;
  }
}

TEST_F(SectionBTest, BlankRecordsWriteNothing) {
  test::WriteBytes(dir / "out/G73.TXT", "old\r\n");
  Convert(Record("1", {}) + Record("2", {" ", "", "  "}));
  EXPECT_FALSE(Written("N8.TXT"));
  EXPECT_FALSE(Written("G71.TXT"));
  EXPECT_FALSE(Written("G81.TXT"));
  EXPECT_EQ(Out("G73.TXT"), "old\n");  // untouched
  EXPECT_TRUE(report.files.empty());
}

TEST_F(SectionBTest, G81JoinsTheUListWithColumnNine) {
  const struct {
    const char* why;
    std::string b;
    std::string u;
    std::string g81;
  } cases[] = {
      {"the example", Column(8, {{"2", "Q"}}) + Column(9, {{"2", "P"}}), "2\nU1\n",
       "  1,      2,Q,U1・P,\n"},
      {"no \"$U\" and no column 9: the joined field stays empty",
       Column(8, {{"3", "Q"}}) + Column(10, {{"3", "R"}}), "", "  1,      3,Q,,R\n"},
      {"a depth only in \"$U\" joins the next deeper column-9 value; \"$U\" keeps its blanks",
       Column(9, {{"4", "P"}}), " 1 \n v \n", "  1,      1,, v ・P,\n  2,      4,,・P,\n"},
      {"a blank \"$U\" depth is depth 0; nothing deeper in column 9", Column(8, {{"1", "Q"}}),
       "\nU\n", "  1,      0,Q,U・,\n  2,      1,Q,,\n"},
  };
  for (const auto& c : cases) {
    Convert(c.b, c.u);
    EXPECT_EQ(Out("G81.TXT"), c.g81) << c.why;
  }
}

}  // namespace
}  // namespace gdf
