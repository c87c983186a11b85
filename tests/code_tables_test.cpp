// code_tables_test.cpp - Show that the two matching rules of the growing code tables find the
// line that each promises: the column tables the last line equal in itself or in full width,
// L18.txt and L18b.txt the first line equal with letter case folded.
#include <gtest/gtest.h>

#include <vector>

#include "tables/code_tables.h"

namespace gdf {
namespace {

struct Line {
  const char16_t* code;
  const char16_t* name;
};

struct MatchCase {
  CodeMatch match;
  std::vector<Line> lines;  // in file order
  const char16_t* value;
  const char16_t* code;  // nullptr: no line matches
};

TEST(CodeIndexTest, EachRuleFindsTheLineItPromises) {
  constexpr CodeMatch kColumn = CodeMatch::kLastEqualOrFullWidth;
  constexpr CodeMatch kName = CodeMatch::kFirstFoldingCase;
  const MatchCase cases[] = {
      {kColumn, {{u"1", u"AB"}}, u"AB", u"1"},
      // A name brought to full width matches; a full-width name is not brought to half width.
      {kColumn, {{u"1", u"AB"}}, u"ＡＢ", u"1"},
      {kColumn, {{u"1", u"ＡＢ"}}, u"AB", nullptr},
      // Letter case counts.
      {kColumn, {{u"1", u"ab"}}, u"AB", nullptr},
      // The last matching line wins, also when it matches only in full width.
      {kColumn, {{u"1", u"AB"}, {u"2", u"AB"}}, u"AB", u"2"},
      {kColumn, {{u"1", u"ＡＢ"}, {u"2", u"AB"}}, u"ＡＢ", u"2"},
      {kColumn, {{u"1", u"AB"}, {u"2", u"ＡＢ"}}, u"AB", u"1"},
      {kName, {{u"05", u"ab"}}, u"AB", u"05"},
      {kName, {{u"05", u"ｃｄ"}}, u"ＣＤ", u"05"},
      // Width is not folded.
      {kName, {{u"05", u"AB"}}, u"ＡＢ", nullptr},
      // The first matching line wins.
      {kName, {{u"01", u"AB"}, {u"02", u"ab"}}, u"Ab", u"01"},
      {kName, {}, u"", nullptr},
      {kName, {{u"03", u""}}, u"", u"03"},
  };
  for (const MatchCase& c : cases) {
    CodeIndex index(c.match);
    for (const Line& line : c.lines) index.Add(line.code, line.name);
    const Text* code = index.Find(c.value);
    SCOPED_TRACE(ToUtf8(c.value));
    ASSERT_EQ(code != nullptr, c.code != nullptr);
    if (code != nullptr) {
      EXPECT_EQ(*code, Text(c.code));
    }
    EXPECT_EQ(index.Lines(), c.lines.size());
  }
}

}  // namespace
}  // namespace gdf
