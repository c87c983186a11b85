// fields.h - The fixed-width fields that every record file shares.
#pragma once

#include <cstdint>

#include "common/numbers.h"
#include "text/text.h"

namespace gdf {

/// The line-number field: the counter's Str form right-aligned in 3 characters ([  1], [000]).
inline Text CounterField(std::int16_t counter) { return RightAlign(StrForm(counter), 3); }

/// The depth field: the depth text right-aligned in 7 characters.
inline Text DepthField(TextView depth) { return RightAlign(depth, 7); }

}  // namespace gdf
