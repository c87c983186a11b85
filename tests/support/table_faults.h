// table_faults.h - The pattern-data folder and source that the fault tests run: a run that adds a
// name or a value to every lookup table, and the check that a table holds only whole lines.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gdf::test {

/// Every table of the pattern-data folder with the number of fields of its lines.
extern const std::map<std::string, int> kFaultTables;

/// A source that adds a name or a value to every table (UTF-8, "\n" line ends).
extern const char kFaultSource[];

/// Lays the tables that kFaultSource adds to, in `folder` (a host path).
void LayFaultPattern(const std::string& folder);

/// Whether a table holds only whole lines of the right shape. A line's fields are counted by its
/// commas; the test's names hold none.
::testing::AssertionResult WholeLines(const std::string& content, int fields);

}  // namespace gdf::test
