// depth_list.cpp - The range rule of a depth list.
#include "sections/depth_list.h"

namespace gdf {

DepthTake DepthList::Take(const Text& value, const Text& depth, int line) {
  if (value.empty()) return DepthTake::kNothing;
  if (value.size() == 1 && value.front() == kRangeMark) {
    DepthTake take = DepthTake::kDropped;
    if (entries_.empty()) {
      unanchored_ = true;
    } else if (!unanchored_) {
      entries_.back().value += kRangeMark;
      take = DepthTake::kExtended;
    }
    rangeOpen_ = true;
    return take;
  }
  if (rangeOpen_) {
    const bool anchored = !unanchored_;
    if (anchored) {
      entries_.back().value += value;
      entries_.back().depth = depth;
      entries_.back().line = line;
    }
    rangeOpen_ = false;
    unanchored_ = false;
    return anchored ? DepthTake::kExtended : DepthTake::kDropped;
  }
  entries_.push_back({value, depth, line});
  return DepthTake::kAdded;
}

}  // namespace gdf
