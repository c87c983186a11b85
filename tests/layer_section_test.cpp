// layer_section_test.cpp - Show the X1.TXT record numbers and depths, that unnamed records are
// skipped without opening a table, that too many layers fail on reading, and that a failure
// part-way leaves the lines and table entries made before it.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp932.h"
#include "common/errors.h"
#include "sections/section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// One "$A" record: depth, the two name parts and the attribute; the other lines are filler.
std::string Record(const std::string& depth, const std::string& first, const std::string& second,
                   const std::string& attribute = "") {
  return depth + "\n" + first + "\n" + second + "\nx\n" + attribute + "\nx\nx\nx\nx\n";
}

class LayerSectionTest : public test::SectionFixture {
 protected:
  // Reads the "$A" section of `source` (UTF-8, "\n" line ends) and writes it.
  void Convert(const std::string& source) { ConvertSections(source, {"$A"}); }
  std::string X1() { return Out("X1.TXT"); }
};

TEST_F(LayerSectionTest, NoNamedLayerGivesAnEmptyX1WithoutTables) {
  // The tables are missing: no layer needs them.
  test::WriteBytes(dir / "out/X1.TXT", "old\r\n");
  Convert("$A2\n" + Record("1", "", "砂") + Record("2", " ", ""));
  EXPECT_EQ(test::ReadBytes(dir / "out/X1.TXT"), "");
}

TEST_F(LayerSectionTest, RecordNumbersPast999) {
  test::WriteCp932(dir / "pattern/KISHITU.TXT", "1001,礫,,,,\n");
  test::WriteCp932(dir / "pattern/XKISHITU.TXT", "");
  std::string source = "$A1001\n";
  for (int i = 0; i < 1001; ++i) source += Record("12345678", "礫", "");
  Convert(source);
  // The depth keeps its last seven characters.
  EXPECT_NE(X1().find("\n999,2345678,1001,礫\n000,2345678,1001,礫\n001,2345678,1001,礫\n"),
            std::string::npos);
}

TEST_F(LayerSectionTest, TooManyLayersFailOnReading) {
  std::string source = "$A32767\n";
  for (int i = 0; i < 32767; ++i) source += "1\na\n\n\n\n\n\n\n\n";
  const LineFile file(test::Cp932Lines(source), u"D:\\b.gdf");
  const SectionHeader header = FindSection(file, "$A");
  auto section = MakeSectionA();
  TextReader reader(file, header.BodyLine(file));
  try {
    section->Read(reader, header);
    FAIL();
  } catch (const RunError& error) {
    EXPECT_EQ(error.failure().kind, FailureKind::kOverflow);
    EXPECT_EQ(error.failure().sourceLine, 1);
  }
}

TEST_F(LayerSectionTest, FailurePartWayKeepsLinesAndNamesBeforeIt) {
  test::WriteCp932(dir / "pattern/KISHITU.TXT", "1001,礫,,,,\n");
  test::WriteCp932(dir / "pattern/XKISHITU.TXT", "3998,a,,,,\n");
  EXPECT_THROW(
      Convert("$A3\n" + Record("1", "礫", "") + Record("2", "砂", "") + Record("3", "泥", "")),
      RunError);
  EXPECT_EQ(X1(), "  1,      1,1001,礫\n  2,      2,3999,砂\n");
  EXPECT_EQ(test::ReadCp932(dir / "pattern/XKISHITU.TXT"),
            "3998,a,,,,\n3999,砂,    ,    ,    ,0000\n");
  EXPECT_EQ(test::ReadCp932(dir / "pattern/KISHITU.TXT"),
            "1001,礫,,,,\n3999,砂,    ,    ,    ,0000\n");
  EXPECT_TRUE(test::Exists(dir / "PATADD.txt"));
}

}  // namespace
}  // namespace gdf
