// depth_list.h - A column of a section collected into a depth list, with the range mark.
//
// An empty value adds nothing and any other value starts a new entry at the row's depth. The
// range mark "～" (a value that is exactly that character) appends itself to the column's last
// entry and opens a range; the next non-empty value closes it: it is appended to that entry,
// which takes the depth of the closing row. A mark with no entry before it extends nothing,
// and the value that closes it is dropped with it.
#pragma once

#include <cstddef>
#include <vector>

#include "text/text.h"

namespace gdf {

/// One entry of a depth list: a value and the depth it belongs to.
struct DepthEntry {
  Text value;
  Text depth;
  int line = 0;  ///< 1-based source line of the value that gave the entry its depth, where known
};

/// The range mark, U+FF5E.
inline constexpr char16_t kRangeMark = u'～';

/// What taking one value did to a depth list.
enum class DepthTake {
  kNothing,   ///< the value was empty
  kAdded,     ///< a new entry
  kExtended,  ///< appended to the last entry: a range opened or closed
  kDropped,   ///< a range mark with nothing to extend, or the value that closes it
};

class DepthList {
 public:
  /// Takes one row's value of the column (already trimmed) at the row's depth, read from
  /// source line `line`.
  DepthTake Take(const Text& value, const Text& depth, int line = 0);
  void Reserve(std::size_t count) { entries_.reserve(count); }
  const std::vector<DepthEntry>& Entries() const { return entries_; }

 private:
  std::vector<DepthEntry> entries_;
  bool rangeOpen_ = false;   // the last entry ends with the mark and waits for its end
  bool unanchored_ = false;  // the open range has no entry to extend
};

}  // namespace gdf
