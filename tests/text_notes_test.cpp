// text_notes_test.cpp - Show how "$K" records become X12.TXT notes: the text lines joined with
// "\", the depth of the record before, the count compared only between records, and the "$"
// line that ends the section.
#include <gtest/gtest.h>

#include "support/section_fixture.h"

namespace gdf {
namespace {

// Converts the "$K" section of `source` ("\t" lines end records) and gives X12.TXT.
class TextNotes : public test::SectionFixture {
 protected:
  std::string Convert(const std::string& source) { return ConvertAndRead(source, "$K", "X12.TXT"); }
};

TEST_F(TextNotes, Notes) {
  const struct {
    const char* why;
    std::string source;
    std::string x12;
  } cases[] = {
      {"the depth is that of the record before",
       "$K3\n1.20\nx\nsandy\ngrey\n\t\n3.40\nx\nhard\n\t\n",
       "  1,   0.00,\"sandy\\grey\"\n  2,   1.20,\"hard\"\n"},
      {"a blank text line is one blank", "$K9\n1\nx\n a \n\n   \n b\n\t\n$O1\n",
       "  1,   0.00,\"a\\ \\ \\b\"\n"},
      {"the count is compared between records", "$K1\n1\nx\na\nb\n\t\n2\nx\nc\n\t\n",
       "  1,   0.00,\"a\\b\"\n"},
      {"a \"$\" line ends the section and its record", "$K9\n1\nx\na\n\t\n2\nx\nb\n$O1\n",
       "  1,   0.00,\"a\"\n"},
      {"cut at \")\"", "$K9\n2.50)\nx\na\n\x1f\n2.50 )m\nx\nb\n\t\n3.00\nx\nc\n\t\n$",
       "  1,   0.00,\"a\"\n  2,   2.50,\"b\"\n  3,   2.50,\"c\"\n"},
      {"a long depth keeps its last seven characters", "$K9\n123456789\nx\na\n\t\n9\nx\nb\n\t\n$",
       "  1,   0.00,\"a\"\n  2,3456789,\"b\"\n"},
      {"records without text write nothing", "$K2\n\t\n1\n\t\n2\nx\n\t\n3\nx\na\n\t\n4\nx\nb\n\t\n",
       "  1,      2,\"a\"\n  2,      3,\"b\"\n"},
      {"quotes and backslashes stay", "$K9\n1\nx\n\"q\" a\\b\n\t\n$",
       "  1,   0.00,\"\"q\" a\\b\"\n"},
      {"double-byte text and empty lines never end a record", "$K1\n1\n\nあ\n\nい\n\t\n",
       "  1,   0.00,\"あ\\ \\い\"\n"},
      {"a \"$\" line at once", "$K5\n$O1\n", ""},
      {"a negative count", "$K-1\n1\nx\na\n\t\n", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.source), c.x12) << c.why;
}

TEST_F(TextNotes, TheLargestCountDoesNotOverflow) {
  std::string source = "$K32767\n1\nx\n";
  for (int i = 0; i < 40; ++i) source += "a\n";
  EXPECT_EQ(Convert(source + "\t\n$O\n").substr(0, 16), "  1,   0.00,\"a\\a");
}

}  // namespace
}  // namespace gdf
