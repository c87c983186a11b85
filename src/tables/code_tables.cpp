// code_tables.cpp - Reading the code tables and looking codes up in them.
#include "tables/code_tables.h"

#include "tables/table_file.h"

namespace gdf {

std::vector<L4Pair> ReadL4Pairs(const FileSystem& fs, TextView path) {
  const LineFile table = LoadTable(fs, path);
  std::vector<L4Pair> pairs;
  for (std::vector<Text>& pair : ReadTableEntries(table, 2)) {
    pairs.push_back({std::move(pair[0]), std::move(pair[1])});
  }
  return pairs;
}

}  // namespace gdf
