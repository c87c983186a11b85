// dated_readings_test.cpp - Show the N9.TXT lines of "$W" records read field by field, with the
// year from the header block, and that a date without "/" fails on reading, naming the record.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "common/platform.h"
#include "run/source_file.h"
#include "sections/section.h"
#include "support/test_support.h"

namespace gdf {
namespace {

class DatedReadingsTest : public ::testing::Test {
 protected:
  DatedReadingsTest() {
    std::filesystem::create_directories(dir.path() / "out");
    PosixSettings settings;
    settings.drives[u'D'] = dir.path().string();
    fs = std::make_unique<PosixFileSystem>(settings);
    context = std::make_unique<RunContext>(*fs, report);
    context->recordBase = u"D:\\out\\";
    context->titleList1.assign(24, Text());
    context->titleList1[4] = u" 1998";
  }
  // Reads the "$W" section of `source` and writes N9.TXT; gives N9.TXT.
  std::string Convert(const std::string& source) {
    const LineFile file(test::Cp932Lines(source), u"D:\\b.gdf");
    const SectionHeader header = FindSection(file, "$W");
    auto section = MakeDatedReadingsSection();
    TextReader reader(file, header.BodyLine(file));
    section->Read(reader, header);
    section->Write(*context);
    return test::ReadCp932(dir / "out/N9.TXT");
  }

  test::TempDir dir;
  std::unique_ptr<PosixFileSystem> fs;
  RunReport report;
  std::unique_ptr<RunContext> context;
};

TEST_F(DatedReadingsTest, Lines) {
  const struct {
    const char* source;
    const char* n9;
  } cases[] = {
      {"$W1\n-2.35,5/12\n", "  1, 1998/ 5/12,   2.35\n"},
      {"$W1\n-2.35\n5/12\n", "  1, 1998/ 5/12,   2.35\n"},  // the two fields on two lines
      {"$W1\n2.35,10/3\n", "  1, 1998/10/ 3,   2.35\n"},
      {"$W2\n,5/12\n1,1/1\n", "  1, 1998/ 1/ 1,      1\n"},  // no reading: skipped, not counted
      {"$W1\n1.20,\n", "  1, 1998/  /  ,   1.20\n"},
      {"$W1\n--1.5,1/1\n", "  1, 1998/ 1/ 1,   -1.5\n"},  // one "-" is dropped
      {"$W1\n1,123/4567\n", "  1, 1998/23/67,      1\n"},
      {"$W1\n12345678,/\n", "  1, 1998/  /  ,2345678\n"},
      // A third field on a line shifts the fields of the records after it.
      {"$W2\n1.0,5/12,x\n6/1\n", "  1, 1998/ 5/12,    1.0\n  2, 1998/ 6/ 1,      x\n"},
      {"$W-1\n1,1/1\n", ""},  // a negative count writes the file, with no line
  };
  for (const auto& c : cases) {
    test::WriteBytes(dir / "out/N9.TXT", "old\r\n");
    EXPECT_EQ(Convert(c.source), c.n9) << c.source;
  }
}

TEST_F(DatedReadingsTest, WithoutAHeaderTheDateBeginsWithTheSlash) {
  context->titleList1.assign(24, Text());
  EXPECT_EQ(Convert("$W1\n-2.35,5/12\n"), "  1,/ 5/12,   2.35\n");
}

TEST_F(DatedReadingsTest, FaultsFoundOnReading) {
  test::WriteBytes(dir / "out/N9.TXT", "old\r\n");
  try {
    Convert("$W3\n1,1/1\n2\n0512\n,0512\n");
    FAIL() << "expected a failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.failure().kind, FailureKind::kBadValue);
    EXPECT_EQ(error.failure().stage, u"$W");
    EXPECT_EQ(error.failure().sourceLine, 4);
    EXPECT_NE(ToUtf8(error.failure().reason).find("Record 2 has the date [0512]"),
              std::string::npos);
  }
  EXPECT_THROW(Convert("$W2\n1,1/1\n2\n"), RunError);  // the last date is missing
  EXPECT_EQ(test::ReadCp932(dir / "out/N9.TXT"), "old\n");
}

}  // namespace
}  // namespace gdf
