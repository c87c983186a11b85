// depth_merge.cpp - MergeDepthLists in O(n log n).
//
// Each list's depths are converted once. The row depths are the distinct depths of both lists
// within the bounds, taken in ascending order from a copy of each list sorted by (depth,
// position) with only the first position of each depth kept; walking the two sorted copies
// side by side gives the rows in the order a scan of both lists per row would. "The first entry
// in list order that lies deeper than d" is answered by binary search over the running maximum
// of the depths in list order: the first position whose running maximum exceeds d is that
// entry, whether or not the list is sorted.
#include "sections/depth_merge.h"

#include <algorithm>
#include <numeric>

#include "common/numbers.h"
#include "common/routines.h"

namespace gdf {
namespace {

constexpr float kStartDepth = -9999.0f;  // no depth at or above it gives a row
constexpr float kNoEntry = 9999.0f;      // no depth at or below it gives a row

// One list of a merge, prepared for the walk.
class MergeList {
 public:
  template <typename DepthText>
  MergeList(std::size_t size, DepthText depthText) {
    depths_.reserve(size);
    for (std::size_t i = 0; i < size; ++i) depths_.push_back(NumericOrZero(depthText(i)));
    deepestSoFar_.resize(size);
    std::partial_sum(depths_.begin(), depths_.end(), deepestSoFar_.begin(),
                     [](float a, float b) { return std::max(a, b); });
    for (std::size_t i = 0; i < size; ++i) {
      if (depths_[i] > kStartDepth && depths_[i] < kNoEntry) rowEntries_.push_back(i);
    }
    std::stable_sort(rowEntries_.begin(), rowEntries_.end(),
                     [&](std::size_t a, std::size_t b) { return depths_[a] < depths_[b]; });
    // Of entries of equal depth only the first in list order can give a row or a value.
    rowEntries_.erase(
        std::unique(rowEntries_.begin(), rowEntries_.end(),
                    [&](std::size_t a, std::size_t b) { return depths_[a] == depths_[b]; }),
        rowEntries_.end());
  }

  /// The depth of the shallowest entry not yet used for a row, or kNoEntry.
  float NextDepth() const {
    return next_ < rowEntries_.size() ? depths_[rowEntries_[next_]] : kNoEntry;
  }
  /// The number of rows the list gives on its own.
  std::size_t RowCount() const { return rowEntries_.size(); }
  /// The list position of that entry.
  std::size_t NextEntry() const { return rowEntries_[next_]; }
  void Advance() { ++next_; }
  /// The first position in list order whose depth is greater than `depth`; there is one
  /// whenever some entry of the list not yet used for a row lies deeper.
  std::size_t FirstDeeperThan(float depth) const {
    return static_cast<std::size_t>(
        std::upper_bound(deepestSoFar_.begin(), deepestSoFar_.end(), depth) -
        deepestSoFar_.begin());
  }

 private:
  std::vector<float> depths_;
  std::vector<float> deepestSoFar_;
  std::vector<std::size_t> rowEntries_;
  std::size_t next_ = 0;
};

}  // namespace

MergedTable AsFirstList(const std::vector<DepthEntry>& list) {
  MergedTable rows;
  rows.reserve(list.size());
  for (const DepthEntry& entry : list) rows.push_back({entry.depth, {entry.value}});
  return rows;
}

MergedTable MergeDepthLists(const MergedTable& first, std::size_t columnCount,
                            const std::vector<DepthEntry>& second) {
  MergeList a(first.size(), [&](std::size_t i) -> const Text& { return first[i].depth; });
  MergeList b(second.size(), [&](std::size_t i) -> const Text& { return second[i].depth; });
  MergedTable rows;
  rows.reserve(a.RowCount() + b.RowCount());
  const auto copyFirst = [&](MergedRow& row, std::size_t entry) {
    const std::vector<Text>& values = first[entry].values;
    for (std::size_t c = 0; c < columnCount && c < values.size(); ++c) row.values[c] = values[c];
  };
  for (;;) {
    const float depthA = a.NextDepth();
    const float depthB = b.NextDepth();
    if (depthA == kNoEntry && depthB == kNoEntry) break;
    MergedRow row;
    row.values.resize(columnCount + 1);
    float depth = 0.0f;
    if (depthA == depthB) {
      copyFirst(row, a.NextEntry());
      row.values[columnCount] = second[b.NextEntry()].value;
      depth = depthA;
      a.Advance();
      b.Advance();
    } else if (depthA < depthB) {
      copyFirst(row, a.NextEntry());
      if (depthB != kNoEntry) row.values[columnCount] = second[b.FirstDeeperThan(depthA)].value;
      depth = depthA;
      a.Advance();
    } else {
      row.values[columnCount] = second[b.NextEntry()].value;
      if (depthA != kNoEntry) copyFirst(row, a.FirstDeeperThan(depthB));
      depth = depthB;
      b.Advance();
    }
    row.depth = CStrForm(depth);
    rows.push_back(std::move(row));
  }
  CheckedInt16(static_cast<long long>(rows.size()), MessageId::kWhatMergedRows);
  return rows;
}

}  // namespace gdf
