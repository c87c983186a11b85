// dated_readings_test.cpp - Show the N9.TXT lines of "$W" records read field by field, with the
// year from the header block.
#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace gdf {
namespace {

// Converts the "$W" section of `source` with the year of the boring and gives N9.TXT.
class DatedReadings : public test::SectionFixture {
 protected:
  std::string Convert(const std::string& source, const Text& yearText = u" 1998") {
    context->yearText = yearText;
    return ConvertAndRead(source, "$W", "N9.TXT");
  }
};

TEST_F(DatedReadings, Lines) {
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
  for (const auto& c : cases) EXPECT_EQ(Convert(c.source), c.n9) << c.source;
  // Without a header block the year text is empty.
  EXPECT_EQ(Convert("$W1\n-2.35,5/12\n", u""), "  1,/ 5/12,   2.35\n");
}

}  // namespace
}  // namespace gdf
