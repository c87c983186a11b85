// preview_test.cpp - Show that the picture reads each record file's lines as their layouts lay
// them out (a range entry of X3.TXT by its range field, of R31.TXT by its second part, the two
// series of R41.TXT, the water level of N9.TXT as a depth, a layer name that holds a comma), that
// bands and brackets reach up to the entry before them, that every text is escaped for XML, and
// that the picture and the batch's page say their words in the language asked for.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "messages/system_texts.h"
#include "preview/preview.h"
#include "preview/preview_svg.h"

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
  const std::vector<std::pair<int, double>> expected = {{1, 20}, {2, 4},  {0, 3},
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
      {Text(u"a") + char16_t{0x01} + u"b",
       "a\xEF\xBF\xBD"
       "b"},                                        // no control characters
      {Text(1, char16_t{0xD800}), "\xEF\xBF\xBD"},  // an unpaired surrogate
      {Text(1, char16_t{0xFFFF}), "\xEF\xBF\xBD"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapeXml(text), escaped);
}

// Every word of a picture that is not the data's own, in both languages: the English as it has
// always been drawn, and none of it left in the Japanese.
TEST(PreviewSvgText, SaysItsWordsInTheLanguageAskedFor) {
  PreviewPicture picture;
  picture.source = u"B-1.gdf";
  Refusal refusal;
  refusal.kind = RefusalKind::kNoSourceFile;
  refusal.message = messages::kNoSourceFile;
  picture.report.Refuse(refusal);
  PreviewColumn layers;
  layers.file = u"X1.TXT";
  layers.tag = "$A";
  layers.kind = PreviewColumnKind::kLayers;
  layers.items.push_back({1.5, u"1.50", 0, u"砂礫", u"2001", NameKind::kNew});
  PreviewColumn series;
  series.file = u"R41.TXT";
  series.tag = "$O";
  series.kind = PreviewColumnKind::kSeries;
  series.items.push_back({2, u"2", 2, u"12", {}, NameKind::kTable, false, 12, 0, 1});
  series.items.push_back({2, u"2", 2, u"7", {}, NameKind::kTable, false, 7, 1, 1});
  picture.columns = {layers, series};
  picture.findings = {
      {false, 0, true, 0, {Say(MessageId::kPreviewHoldsNoLine, {u"X3.TXT"})}},
      {false, 0, true, 0, {Say(MessageId::kPreviewHoldsNoLine, {u"R31.TXT"})}},
      {true, 1.5, false, 7, {Say(MessageId::kPlainText, {u"xyz"})}},
  };
  picture.deepest = 2500;

  const struct {
    const char* english;
    const char* japanese;
  } words[] = {
      {"refused: 変換元ファイルが選択されていません。",
       "拒否：変換元ファイルが選択されていません。"},
      {"Titl01.txt, Titl02.txt: not written (no header block)", "ヘッダーがありません"},
      {"● X3.TXT holds no line.", "● X3.TXT には行がありません。"},
      {"… 1 more finding of the whole file (see gdfconv check)", "ほかに 1 件あります"},
      {">existing<", ">既存<"},
      {">added (codes 2000–3999)<", ">追加（コード 2000～3999）<"},
      {">new (added by this run)<", ">新規（この変換で追加）<"},
      {"Depths beyond 2000 m are drawn at the foot of the page.", "2000 m より深いもの"},
      {">Soil and rock<", ">土質名<"},
      {">Core recovery,", ">コア採取率"},
      {">Depth<", ">深度<"},
      {"class=\"newtag\">new</tspan>", "class=\"newtag\">新規</tspan>"},
      {">1st  12<", ">第1  12<"},
      {">2nd  7<", ">第2  7<"},
      {"<title>source line 7: xyz</title>", "<title>変換元ファイルの 7 行目：xyz</title>"},
  };
  const std::string english = PreviewSvg(picture, Language::kEnglish);
  const std::string japanese = PreviewSvg(picture, Language::kJapanese);
  for (const auto& w : words) {
    EXPECT_NE(english.find(w.english), std::string::npos) << w.english;
    EXPECT_NE(japanese.find(w.japanese), std::string::npos) << w.japanese;
    EXPECT_EQ(japanese.find(w.english), std::string::npos) << w.english;
  }
}

TEST(PreviewSvgText, TheBatchPageSaysItsWordsInTheLanguageAskedFor) {
  std::vector<PreviewIndexEntry> entries(2);
  entries[0] = {u"B-1.gdf", RunOutcome::kCompleted, {}, "B-1.svg", 1};
  entries[1] = {u"B-2.gdf", RunOutcome::kFailed, u"$A: x", "B-2.svg", 3};
  const struct {
    Language language;
    bool dryRun;
    std::vector<std::string> said;  // in this order
  } cases[] = {
      {Language::kEnglish,
       false,
       {"<html lang=\"en\">", "<title>gdfconv preview</title>", "<h1>gdfconv preview</h1>",
        "<p>2 files: 1 converted, 0 refused, 1 failed</p>", "\">converted <span",
        "(1 finding marked)", "\">failed: $A: x", "(3 findings marked)"}},
      {Language::kEnglish, true, {"1 failed (dry run: nothing was written)</p>"}},
      {Language::kJapanese,
       false,
       {"<html lang=\"ja\">", "<title>gdfconv プレビュー</title>",
        "<p>ファイル 2 個：変換 1、拒否 0、中断 1</p>", "<p class=\"outcome converted\">完了",
        "（指摘 1 件を図に示しています）", "<p class=\"outcome failed\">中断: $A: x"}},
      {Language::kJapanese, true, {"中断 1（試し変換：何も書き込んでいません）</p>"}},
  };
  for (const auto& c : cases) {
    const std::string page = PreviewIndexHtml(entries, c.dryRun, c.language);
    std::size_t at = 0;
    for (const std::string& text : c.said) {
      const std::size_t found = page.find(text, at);
      EXPECT_NE(found, std::string::npos) << text << "\n" << page;
      if (found != std::string::npos) at = found + text.size();
    }
  }
}

}  // namespace
}  // namespace gdf
