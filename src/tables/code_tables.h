// code_tables.h - The code tables of the pattern-data folder: the L4.TXT pairs that code the
// letters of X3.TXT, and the look-ups of L1.TXT and L2.TXT for the title lists.
#pragma once

#include <vector>

#include "common/platform.h"
#include "common/text.h"

namespace gdf {

/// One pair of the L4.TXT table: a code and its one-character key.
struct L4Pair {
  Text code;
  Text key;
};

/// Reads the pairs of L4.TXT at `path`, in file order.
std::vector<L4Pair> ReadL4Pairs(const FileSystem& fs, TextView path);

}  // namespace gdf
