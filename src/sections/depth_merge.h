// depth_merge.h - MergeDepthLists: two depth-keyed lists side by side, one row per depth.
//
// A value applies from the depth above it down to its own depth, so a row at depth d takes,
// from a list without an entry at exactly d, the value of the first entry in list order that
// lies deeper. Rows come in ascending numeric depth between the bounds -9999 and 9999
// (exclusive); among entries of equal depth the first in list order gives the row.
#pragma once

#include <cstddef>
#include <vector>

#include "sections/depth_list.h"
#include "text/text.h"

namespace gdf {

/// One row of a merged table, or one entry of a merge's first list.
struct MergedRow {
  Text depth;                ///< depth text; in a merged table the CStr form of the depth
  std::vector<Text> values;  ///< one value per column; empty where no value applies
};

/// A merged table: rows in ascending depth.
using MergedTable = std::vector<MergedRow>;

/// A depth list as the first list of a merge: one value column.
MergedTable AsFirstList(const std::vector<DepthEntry>& list);

/// Merges `first`, which carries `columnCount` value columns, with the one-column list
/// `second`. Each row holds columns 1 to `columnCount` from the first list and one more from
/// the second. Throws the overflow error for more than 32 767 rows.
MergedTable MergeDepthLists(const MergedTable& first, std::size_t columnCount,
                            const std::vector<DepthEntry>& second);

}  // namespace gdf
