// g81_table.h - WriteG81Table: G81.TXT from columns 8, 9 and 10 of the "$B" section and the
// "$U" list, one line per depth at which any of them has an entry.
#pragma once

#include <vector>

#include "sections/depth_list.h"
#include "sections/section_context.h"

namespace gdf {

/// Writes G81.TXT when the merged columns give at least one row: the column-8 value, the "$U"
/// value joined by "・" to the column-9 value, and the column-10 value that apply at each depth.
void WriteG81Table(SectionContext& context, const std::vector<DepthEntry>& column8,
                   const std::vector<DepthEntry>& column9, const std::vector<DepthEntry>& column10,
                   const std::vector<DepthEntry>& uList);

}  // namespace gdf
