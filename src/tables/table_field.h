// table_field.h - How a value is written as a field of a lookup table: as it stands when the
// field read gives it back unchanged, else between double quotes, which a value holding a double
// quote itself cannot be. The writers of every table and the checker ask this one rule.
#pragma once

#include "text/text.h"

namespace gdf {

/// How a value stands in a table.
enum class TableQuoting {
  kPlain,       ///< as it stands
  kQuoted,      ///< between double quotes
  kImpossible,  ///< it needs double quotes and holds one itself: no table line can hold it
};

/// How `value` is written as a table field.
TableQuoting QuotingOf(TextView value);

/// The form in which a value is written as a table field. Throws the run's bad-value error
/// when no table line can hold it.
Text TableField(TextView value, TextView tablePath);

}  // namespace gdf
