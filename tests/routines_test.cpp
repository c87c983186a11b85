// routines_test.cpp - Show that the common text routines fold width, measure code page 932 bytes
// and split paths as the lookups and path checks rely on.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "common/utility_library.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

TEST(NumericOrZero, ValueOrZero) {
  EXPECT_EQ(NumericOrZero(u""), 0);
  EXPECT_EQ(NumericOrZero(u"   "), 0);
  EXPECT_EQ(NumericOrZero(u"abc"), 0);
  EXPECT_EQ(NumericOrZero(u"12a"), 0);
  EXPECT_EQ(NumericOrZero(u" 12 "), 12);
  EXPECT_EQ(NumericOrZero(u"1,234"), 1234);
  EXPECT_EQ(NumericOrZero(u"-0.5"), -0.5f);
  EXPECT_EQ(StrForm(NumericOrZero(u"12.3456789")), u" 12.34568");  // through Single
  EXPECT_THROW(NumericOrZero(u"4e38"), RunError);
}

TEST(WidthFolding, ToFullWidth) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"AB12cd", u"ＡＢ１２cd"},
      {u"ｱｲｳ", u"アイウ"},
      {u"ﾊﾟ", u"ハﾟ"},  // the sound mark is never merged
      {u"", u""},
      {u":;<=>?@", u"：；＜＝＞？＠"},
      {u"ｦｧｨｩｪｫｬｭｮｯｰﾝ", u"ヲァィゥェォャュョッーン"},
      {u"｡｢｣､･ﾞﾟ a-z", u"｡｢｣､･ﾞﾟ a-z"},
      {u"砂礫ＣＭ", u"砂礫ＣＭ"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToFullWidth(c.in), c.out) << ToUtf8(c.in);
}

TEST(WidthFolding, ToHalfWidth) {
  const struct {
    const char16_t* in;
    const char16_t* out;
  } cases[] = {
      {u"ＡＢ１２ｃｄ", u"AB12ｃｄ"},
      {u"アイウー", u"ｱｲｳー"},
      {u"ガス", u"ｶﾞｽ"},
      {u"パピプペポ", u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {u"バヂヅ", u"ﾊﾞﾁﾞﾂﾞ"},
      {u"ァッャヲン", u"ｧｯｬｦﾝ"},
      {u"ヰヱヮヴヵヶ・", u"ヰヱヮヴヵヶ・"},
      {u"：；＜＝＞？＠", u":;<=>?@"},
      {u"ひらがな漢字　", u"ひらがな漢字　"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToHalfWidth(c.in), c.out) << ToUtf8(c.in);
}

TEST(WidthFolding, RoundTripOfDigitsCapitalsAndKatakana) {
  Text all;
  for (char16_t c = u'0'; c <= u'9'; ++c) all.push_back(c);
  for (char16_t c = u'A'; c <= u'Z'; ++c) all.push_back(c);
  for (char16_t c = 0xFF66; c <= 0xFF9D; ++c) {
    if (c != u'ｰ') all.push_back(c);
  }
  EXPECT_EQ(ToHalfWidth(ToFullWidth(all)), all);
  EXPECT_EQ(ToHalfWidth(ToFullWidth(u"ｰ")), u"ー");
}

TEST(ByteMeasures, ByteLenAndMidBytes) {
  EXPECT_EQ(ByteLen(u"ab"), 2);
  EXPECT_EQ(ByteLen(u"あい"), 4);
  EXPECT_EQ(ByteLen(u"ｱｲ"), 2);
  EXPECT_EQ(MidBytes(u"C:\\DATA", 2, 1), u":");
  EXPECT_EQ(MidBytes(u"あC:", 2, 1), u"");  // the half of a double-byte character is dropped
  EXPECT_EQ(MidBytes(u"ABCDE", 1, 4), u"ABCD");
  EXPECT_EQ(MidBytes(u"現場名", 1, 4), u"現場");
  EXPECT_EQ(MidBytes(u"A現場", 1, 4), u"A現");
  EXPECT_EQ(MidBytes(u"AB", 5, 4), u"");
  EXPECT_EQ(MidBytes(u"AB", 1, 4), u"AB");
}

TEST(Delimiters, CountAndSplit) {
  EXPECT_EQ(CountDelimiters(u"C:\\A\\B", u"\\"), 2);
  EXPECT_EQ(CountDelimiters(u"", u"\\"), 0);
  EXPECT_EQ(CountDelimiters(u"a\\b", u"\\\\"), 2);  // listed twice, counted twice
  EXPECT_EQ(CountDelimiters(u"a\\b", u""), 0);

  const struct {
    const char16_t* text;
    std::vector<Text> pieces;
  } cases[] = {
      {u"C:\\A\\B", {u"C:", u"A", u"B"}},
      {u"C:\\", {u"C:", u""}},
      {u"", {u""}},
      {u"\\\\X", {u"", u"", u"X"}},
  };
  for (const auto& c : cases) {
    std::vector<Text> pieces(6, u"old");
    SplitByDelimiters(c.text, u"\\", pieces);
    EXPECT_EQ(pieces[0], u"old");  // index 0 is never written
    for (std::size_t i = 0; i < c.pieces.size(); ++i) EXPECT_EQ(pieces[i + 1], c.pieces[i]);
    EXPECT_EQ(pieces[c.pieces.size() + 1], u"old");  // later elements keep their value
  }
  std::vector<Text> small(3);
  EXPECT_THROW(SplitByDelimiters(u"A\\B\\C", u"\\", small), RunError);
  EXPECT_EQ(small[2], u"B");  // pieces stored before the failure stay
}

TEST(CaseFolding, SimpleMappings) {
  EXPECT_EQ(ToUpperSimple(u"cm１ｃ"), u"CM１Ｃ");
  EXPECT_EQ(ToUpperSimple(u"ß"), u"ß");  // no single-character upper case
  EXPECT_TRUE(EqualFoldingCase(u"ab", u"AB"));
  EXPECT_TRUE(EqualFoldingCase(u"ｆｕｌｌ", u"ＦＵＬＬ"));
  EXPECT_FALSE(EqualFoldingCase(u"AB", u"ＡＢ"));  // no width folding
  EXPECT_FALSE(EqualFoldingCase(u"ア", u"ｱ"));
}

TEST(UtilityLibrary, TrimAndCount) {
  EXPECT_EQ(QPRTrim(Text(u"C:\\WIN  \0\0", 10)), u"C:\\WIN");
  EXPECT_EQ(InCount(u"a\\b\\c", u"\\"), 2);
  EXPECT_EQ(InCount(u"aaaa", u"aa"), 2);
  EXPECT_EQ(InCount(u"abc", u""), 0);
  EXPECT_EQ(InCount(u"表\\", u"\\"), 1);  // whole characters: the trail byte 0x5C is not counted
}

}  // namespace
}  // namespace gdf
