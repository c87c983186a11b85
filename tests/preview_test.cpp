// preview_test.cpp - Show that the picture reads each record file's lines as their layouts lay
// them out (a range entry of X3.TXT by its range field, of R31.TXT by its second part, the two
// series of R41.TXT, the water level of N9.TXT as a depth, a layer name that holds a comma), that
// bands and brackets reach up to the entry before them, and that every text is escaped for XML.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "run/preview.h"
#include "run/preview_svg.h"

namespace gdf {
namespace {

struct LineCase {
  const char16_t* file;
  const char16_t* line;
  double depth;
  const char16_t* text;
  bool range;
  double value;
};

TEST(PreviewColumn, ReadsEachLayout) {
  const LineCase cases[] = {
      {u"X3.TXT", u"  1,   4.00,0703  ,CM,0705  ,CH,～", 4, u"CM～CH", true, 0},
      {u"X3.TXT", u"  1,   1.00,0703  ,CM,      ,,", 1, u"CM", false, 0},
      // A range left open at the end of the section: written without its range field.
      {u"X3.TXT", u"  1,   1.00,0703  ,CM～,      ,,", 1, u"CM～", false, 0},
      {u"R31.TXT", u"  1,   2.00,5,ＸＹ,  ,", 2, u"ＸＹ", false, 0},
      {u"R31.TXT", u"  1,   2.00, 5,強風化, 6,弱風化", 2, u"強風化～弱風化", true, 0},
      {u"X5.TXT", u"  1,  12.50, 15, 22, 20,  5, 10,  6, 10,  4, 10", 12.5, u"22", false, 22},
      {u"N9.TXT", u"  1, 1998/ 5/12,   2.35", 2.35, u"1998/ 5/12", false, 0},
      {u"N8.TXT", u"  1, 1998/05/03,   12.5", 12.5, u"1998/05/03", false, 0},
      {u"X12.TXT", u"  1,   0.00,\"sandy\\grey, \"wet\"\"", 0, u"sandy\\grey, \"wet\"", false, 0},
      {u"G81.TXT", u"  1,      2,Q,U1・P,", 2, u"Q | U1・P", false, 0},
      {u"R72.TXT", u"  1,   12.5,  3, 5,AB,12,CD,xyz", 12.5, u"3 | 5 | AB | 12 | CD | xyz", false,
       0},
      // A depth cut to seven characters reads as the drawing system reads it.
      {u"G73.TXT", u"  1,2345678,a,b", 2345678, u"a | b", false, 0},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(ToUtf8(c.line));
    const PreviewColumn column =
        ReadPreviewColumn(c.file, Cp932Encode(Text(c.line) + u"\r\n"), RunReport());
    ASSERT_EQ(column.items.size(), 1u);
    const PreviewItem& item = column.items[0];
    EXPECT_FLOAT_EQ(static_cast<float>(item.depth), static_cast<float>(c.depth));
    EXPECT_EQ(ToUtf8(item.text), ToUtf8(c.text));
    EXPECT_EQ(item.range, c.range);
    EXPECT_DOUBLE_EQ(item.value, c.value);
  }
}

TEST(PreviewColumn, SplitsTheTwoSeriesOfR41) {
  const std::string bytes = Cp932Encode(
      u"  1,      3,   , 20,  4,,,,,,\r\n  2,      5,  3,  0,  0,,,,,,\r\n"
      u"  3,     10,  7, 30,  6,,,,,,\r\n");
  const PreviewColumn column = ReadPreviewColumn(u"R41.TXT", bytes, RunReport());
  std::vector<std::pair<int, double>> seen;  // series, value
  for (const PreviewItem& item : column.items) seen.emplace_back(item.series, item.value);
  const std::vector<std::pair<int, double>> expected = {{1, 20}, {2, 4}, {0, 3},
                                                        {0, 7},  {1, 30}, {2, 6}};
  EXPECT_EQ(seen, expected);
}

TEST(PreviewColumn, LayersSpanFromTheLayerAboveAndNewNamesAreMarked) {
  RunReport report;
  report.added.push_back({u"XKISHITU.TXT", u"2006", u"砂,礫"});
  report.added.push_back({u"KISHITU.TXT", u"2006", u"砂,礫"});
  const std::string bytes = Cp932Encode(
      u"  1,   1.20,5001,埋土\r\n  2,   2.50,2001,シルト混じり細砂\r\n  3,   4.30,2006,砂,礫\r\n");
  const PreviewColumn column = ReadPreviewColumn(u"X1.TXT", bytes, report);
  ASSERT_EQ(column.items.size(), 3u);
  EXPECT_EQ(column.tag, "$A");
  const double tops[] = {0, 1.2, 2.5};
  const NameKind kinds[] = {NameKind::kTable, NameKind::kAdded, NameKind::kNew};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(column.items[i].top, tops[i], 1e-6) << i;
    EXPECT_EQ(column.items[i].nameKind, kinds[i]) << i;
  }
  EXPECT_EQ(ToUtf8(column.items[2].text), "砂,礫");
  EXPECT_EQ(ToUtf8(column.items[2].code), "2006");
}

TEST(PreviewSvgText, EscapesEveryText) {
  const std::pair<Text, std::string> cases[] = {
      {u"a<b>&c", "a&lt;b&gt;&amp;c"},
      {u"\"'", "&quot;&#39;"},
      {u"砂礫～", "砂礫～"},
      {Text(u"a") + char16_t{0x01} + u"b", "a\xEF\xBF\xBD" "b"},  // no control characters
      {Text(1, char16_t{0xD800}), "\xEF\xBF\xBD"},                // an unpaired surrogate
      {Text(1, char16_t{0xFFFF}), "\xEF\xBF\xBD"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapeXml(text), escaped);
}

}  // namespace
}  // namespace gdf
