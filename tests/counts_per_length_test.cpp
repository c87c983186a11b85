// counts_per_length_test.cpp - Show the X5.TXT fields of "$C" records: pairs in three
// characters with their default lengths, and the total scaled to 30 in single precision.
#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace gdf {
namespace {

// Converts the "$C" section of `source` and gives X5.TXT.
class CountsPerLength : public test::SectionFixture {
 protected:
  std::string Convert(const std::string& source) { return ConvertAndRead(source, "$C", "X5.TXT"); }
};

TEST_F(CountsPerLength, TotalPairs) {
  const struct {
    const char* total;
    const char* fields;  // fields 3 to 5: C1, S, L1
  } cases[] = {
      {"15/20", " 15, 22, 20"},  // 30 / 20 * 15 = 22.5
      {"50/30", " 50, 50, 30"},
      {"50", " 50, 50, 30"},      // the default length of the total pair is 30
      {"50/7", " 50,214,  7"},    // 214.28...
      {"500/10", "500,500, 10"},  // 1500 keeps its last three characters
      {"", "   ,   ,   "},
      {"3/0", "  3,  3,  0"},  // a length of 0 leaves the count as it is
      {"3/x", "  3,  3,  x"},  // so does a length that is not a number
      {"x/5", "  x,  0,  5"},
      {"1234/30", "234,234, 30"},  // the scaled total comes from the three characters kept
      {"12 ", "12 , 12, 30"},      // not trimmed: the count keeps its blank
      {"1/0.3", "  1, 99,0.3"},    // 99.99999 in single precision, 100 in double
      {"35/2.1", " 35,500,2.1"},   // 500.00003 in single precision, 499.99999 in double
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert(std::string("$C1\n12.50\n") + c.total + "\n5\n6/20\n\n"),
              std::string("  1,  12.50,") + c.fields + ",  5, 10,  6, 20,   ,   \n")
        << c.total;
  }
  // Every record gives a line, also an empty one; the depth line keeps its blanks.
  EXPECT_EQ(Convert("$C2,abc\n1\n\n\n\n\n 2.5 \n\n\n\n\n"),
            "  1,      1,   ,   ,   ,   ,   ,   ,   ,   ,   \n"
            "  2,   2.5 ,   ,   ,   ,   ,   ,   ,   ,   ,   \n");
}

}  // namespace
}  // namespace gdf
