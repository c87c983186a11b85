// count_file.h - CNT.TXT: ten lines for the drawing system, the first three taken from the
// names of the folders that make up the target folder path.
#pragma once

#include "run/run_context.h"

namespace gdf {

/// Writes CNT.TXT into the target folder from the validated target path: line 1 the first 4
/// bytes of its third piece, lines 2 and 3 its fourth and fifth pieces, then "4   ", "1" and
/// five empty lines. Pieces that the path lacks give empty lines.
void WriteCountFile(RunContext& context);

}  // namespace gdf
