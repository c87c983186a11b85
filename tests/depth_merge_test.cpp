// depth_merge_test.cpp - Show that MergeDepthLists gives one row per distinct depth in ascending
// order with the value that applies at each depth, and that it equals, on random lists, the
// plain version that scans both lists for every row.
#include <gtest/gtest.h>

#include <random>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "sections/depth_merge.h"

namespace gdf {
namespace {

// The merge as first written: for every row, scan both lists in full for the shallowest depth
// below the last one, and scan again for the value that applies from the other list.
MergedTable LiteralMerge(const MergedTable& first, std::size_t columnCount,
                         const std::vector<DepthEntry>& second) {
  MergedTable rows;
  float last = -9999.0f;
  for (;;) {
    float depthA = 9999.0f;
    std::size_t iA = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
      const float d = NumericOrZero(first[i].depth);
      if (d > last && d < depthA) {
        depthA = d;
        iA = i;
      }
    }
    float depthB = 9999.0f;
    std::size_t iB = 0;
    for (std::size_t i = 0; i < second.size(); ++i) {
      const float d = NumericOrZero(second[i].depth);
      if (d > last && d < depthB) {
        depthB = d;
        iB = i;
      }
    }
    if (depthA == 9999.0f && depthB == 9999.0f) break;
    MergedRow row;
    row.values.resize(columnCount + 1);
    const auto copyFirst = [&](std::size_t i) {
      for (std::size_t c = 0; c < columnCount; ++c) row.values[c] = first[i].values[c];
    };
    if (depthA == depthB) {
      copyFirst(iA);
      row.values[columnCount] = second[iB].value;
      last = depthA;
    } else if (depthA < depthB) {
      copyFirst(iA);
      if (depthB != 9999.0f) {
        for (const DepthEntry& entry : second) {
          if (NumericOrZero(entry.depth) > depthA) {
            row.values[columnCount] = entry.value;
            break;
          }
        }
      }
      last = depthA;
    } else {
      row.values[columnCount] = second[iB].value;
      if (depthA != 9999.0f) {
        for (std::size_t i = 0; i < first.size(); ++i) {
          if (NumericOrZero(first[i].depth) > depthB) {
            copyFirst(i);
            break;
          }
        }
      }
      last = depthB;
    }
    row.depth = CStrForm(last);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<DepthEntry> List(
    std::initializer_list<std::pair<const char16_t*, const char16_t*>> entries) {
  std::vector<DepthEntry> list;
  for (const auto& [depth, value] : entries) list.push_back({value, depth});
  return list;
}

// Rows written as "depth:value|value" for compact comparison.
std::vector<Text> Show(const MergedTable& rows) {
  std::vector<Text> out;
  for (const MergedRow& row : rows) {
    Text line = row.depth + u":";
    for (std::size_t c = 0; c < row.values.size(); ++c) line += (c ? u"|" : u"") + row.values[c];
    out.push_back(line);
  }
  return out;
}

TEST(MergeDepthLists, Examples) {
  const struct {
    std::vector<DepthEntry> first;
    std::vector<DepthEntry> second;
    std::vector<Text> rows;
  } cases[] = {
      {{}, {}, {}},
      {List({{u"1", u"a"}, {u"3", u"b"}}),
       List({{u"2", u"x"}, {u"3", u"y"}}),
       {u"1:a|x", u"2:b|x", u"3:b|y"}},
      // The second list runs out: nothing applies below its last entry.
      {List({{u"1", u"a"}, {u"5", u"b"}}), List({{u"2", u"x"}}), {u"1:a|x", u"2:b|x", u"5:b|"}},
      // Equal depths in one list: the first in list order is the one used.
      {List({{u"2", u"a"}, {u"2.0", u"b"}}), List({{u"1", u"x"}}), {u"1:a|x", u"2:a|"}},
      // Not numeric or empty is depth 0; the row depth is the CStr form.
      {List({{u"abc", u"a"}, {u"12.50", u"b"}}),
       List({{u"", u"x"}, {u".5", u"y"}}),
       {u"0:a|x", u"0.5:b|y", u"12.5:b|"}},
      // The bounds never give a row, yet a deeper entry beyond them still gives its value.
      {List({{u"9999", u"a"}, {u"-9999", u"b"}, {u"3", u"c"}}),
       List({{u"10000", u"x"}, {u"4", u"y"}}),
       {u"3:c|x", u"4:|y"}},
      // Unsorted: the value taken is the first deeper one in list order, not the nearest.
      {List({{u"1", u"a"}}), List({{u"9", u"x"}, {u"2", u"y"}}), {u"1:a|x", u"2:|y", u"9:|x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Show(MergeDepthLists(AsFirstList(c.first), 1, c.second)), c.rows);
  }
}

TEST(MergeDepthLists, EqualsTheLiteralMergeOnRandomLists) {
  const std::vector<Text> pool = {
      u"1",     u"2",    u"2.0",  u"2.50",      u".5",      u"0",       u"",       u"abc",
      u"-0",    u"-1",   u"9999", u"-9999",     u"9998.5",  u"10000",   u"-10000", u"1e2",
      u"1,000", u"12.5", u" 3 ",  u"3.0000001", u"-9998.9", u"99999.99"};
  std::mt19937 random(20240517);
  const auto depth = [&]() -> Text {
    if (random() % 3 == 0) return pool[random() % pool.size()];
    return FromAscii(std::to_string(random() % 40)) +
           (random() % 2 ? FromAscii("." + std::to_string(random() % 10)) : Text());
  };
  for (int trial = 0; trial < 3000; ++trial) {
    const std::size_t columns = 1 + random() % 3;
    MergedTable first(random() % 25);
    for (std::size_t i = 0; i < first.size(); ++i) {
      first[i].depth = depth();
      for (std::size_t c = 0; c < columns; ++c) {
        first[i].values.push_back(FromAscii("a" + std::to_string(i) + "." + std::to_string(c)));
      }
    }
    std::vector<DepthEntry> second(random() % 25);
    for (std::size_t i = 0; i < second.size(); ++i) {
      second[i] = {FromAscii("b" + std::to_string(i)), depth()};
    }
    ASSERT_EQ(Show(MergeDepthLists(first, columns, second)),
              Show(LiteralMerge(first, columns, second)))
        << "trial " << trial;
  }
}

TEST(MergeDepthLists, KeepsEveryRowUpTo16Bits) {
  std::vector<DepthEntry> first;
  std::vector<DepthEntry> second;
  for (int i = 0; i < 20000; ++i) {
    // Depths 0.2 apart, all below the 9999 bound.
    first.push_back({u"a", FromAscii(std::to_string(i / 5) + "." + std::to_string(i % 5 * 2))});
    second.push_back(
        {u"b", FromAscii(std::to_string(i / 5) + "." + std::to_string(i % 5 * 2 + 1))});
  }
  EXPECT_EQ(MergeDepthLists(AsFirstList(first), 1, {}).size(), 20000u);
  try {
    MergeDepthLists(AsFirstList(first), 1, second);
    FAIL() << "no overflow";
  } catch (const RunError& error) {
    EXPECT_EQ(error.failure().kind, FailureKind::kOverflow);
  }
}

}  // namespace
}  // namespace gdf
