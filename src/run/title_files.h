// title_files.h - Titl01.txt and Titl02.txt: the two title lists, one trimmed entry per line.
#pragma once

#include <vector>

#include "run/run_context.h"

namespace gdf {

/// Number of entries of title list 1 and of title list 2.
inline constexpr std::size_t kTitleList1Size = 23;
inline constexpr std::size_t kTitleList2Size = 41;

/// Writes Titl01.txt (entries 1 to 23 of `list1`) and Titl02.txt (entries 1 to 41 of
/// `list2`) into `folder`, a "\" added when it lacks one. The lists are indexed from 1. A
/// failure to write them is absorbed: the file being written may be incomplete, nothing is
/// reported and the run goes on.
void WriteTitleFiles(RunContext& context, const std::vector<Text>& list1,
                     const std::vector<Text>& list2, TextView folder);

}  // namespace gdf
