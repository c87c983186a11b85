// source_file_test.cpp - Show that the section search finds only tag lines at the very start of a
// line, takes the first of them, and reads counts by the "$C" comma rule and the 16-bit limit.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/errors.h"
#include "sections/source_file.h"

namespace gdf {
namespace {

LineFile Source(const std::u16string& text) { return LineFile(Cp932Encode(text), u"s.gdf"); }

TEST(FindSection, TagsAndCounts) {
  const struct {
    const char16_t* text;
    const char* tag;
    bool found;
    int count;
    bool present;
    std::size_t tagLine;
  } cases[] = {
      {u"$A2\r\n", "$A", true, 2, true, 0},
      {u" $A2\r\n", "$A", false, 0, false, 0},
      {u"$a2\r\n", "$A", false, 0, false, 0},
      {u"$A\r\n", "$A", true, 0, false, 0},
      {u"$A 3\r\n", "$A", true, 3, true, 0},
      {u"$C2,xyz\r\n", "$C", true, 2, true, 0},
      {u"$S2,xyz\r\n", "$S", true, 0, false, 0},
      {u"x\r\n$S4\r\n$S7\r\n", "$S", true, 4, true, 1},  // only the first tag line counts
      {u"$Aabc\r\n", "$A", true, 0, false, 0},
      {u"$C0.3\r\n", "$C", true, 0, true, 0},  // tested before its rounding
      {u"$C0\r\n", "$C", true, 0, false, 0},
      {u"$K-1\r\n", "$K", true, -1, true, 0},
      {u"$A2.5\r\n", "$A", true, 2, true, 0},
      {u"$A32767\r\n", "$A", true, 32767, true, 0},
      {u"", "$A", false, 0, false, 0},
  };
  for (const auto& c : cases) {
    const SectionHeader header = FindSection(Source(c.text), c.tag);
    EXPECT_EQ(header.found, c.found) << ToUtf8(c.text);
    EXPECT_EQ(header.count, c.count) << ToUtf8(c.text);
    EXPECT_EQ(header.Present(), c.present) << ToUtf8(c.text);
    if (c.found) {
      EXPECT_EQ(header.tagLine, c.tagLine) << ToUtf8(c.text);
    }
  }
}

TEST(FindSection, CountsBeyond16BitsAreAnError) {
  for (const char16_t* text : {u"$A32768\r\n", u"$A1e9\r\n", u"$W-32769\r\n"}) {
    try {
      FindSection(Source(text), text[1] == u'A' ? "$A" : "$W");
      FAIL() << ToUtf8(text);
    } catch (const RunError& error) {
      EXPECT_EQ(error.failure().kind, FailureKind::kOverflow);
      EXPECT_EQ(error.failure().sourceLine, 1);
    }
  }
}

TEST(FindSection, BodyStartsAfterTheTagLine) {
  const LineFile file = Source(u"$Z1\r\nh\r\n$A1\r\n");
  EXPECT_EQ(FindSection(file, "$A").BodyLine(file), 3u);
  EXPECT_EQ(FindSection(file, "$H").BodyLine(file), 3u);  // the end of the file
}

}  // namespace
}  // namespace gdf
