// depth_list.cpp - The range rule of a depth list.
#include "sections/depth_list.h"

namespace gdf {

void DepthList::Take(const Text& value, const Text& depth) {
  if (value.empty()) return;
  if (value.size() == 1 && value.front() == kRangeMark) {
    if (entries_.empty()) {
      unanchored_ = true;
    } else if (!unanchored_) {
      entries_.back().value += kRangeMark;
    }
    rangeOpen_ = true;
  } else if (rangeOpen_) {
    if (!unanchored_) {
      entries_.back().value += value;
      entries_.back().depth = depth;
    }
    rangeOpen_ = false;
    unanchored_ = false;
  } else {
    entries_.push_back({value, depth});
  }
}

}  // namespace gdf
