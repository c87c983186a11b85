// g81_table.cpp - G81.TXT: the "$U" list and columns 8 to 10 of the "$B" section, merged by
// depth in three steps.
#include "sections/g81_table.h"

#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/depth_merge.h"

namespace gdf {
namespace {

// Writes one G81 line unless all three values are blank; a skipped row uses no number.
void WriteG81Record(PrintFile& file, std::int16_t& counter, const Text& depth, const Text& first,
                    const Text& second, const Text& third) {
  if (Trim(first).empty() && Trim(second).empty() && Trim(third).empty()) return;
  file.PrintLine(CounterField(counter) + u"," + DepthField(depth) + u"," + first + u"," + second +
                 u"," + third);
  Increment16(counter);
}

}  // namespace

void WriteG81Table(SectionContext& context, const std::vector<DepthEntry>& column8,
                   const std::vector<DepthEntry>& column9, const std::vector<DepthEntry>& column10,
                   const std::vector<DepthEntry>& uList) {
  // Column 9 with the "$U" list, then the two joined by "・" into one value, always with the
  // separator even when a part is empty.
  MergedTable joined = MergeDepthLists(AsFirstList(column9), 1, uList);
  for (MergedRow& row : joined) row.values = {row.values[1] + u"・" + row.values[0]};
  // Joined value, column 8, column 10.
  const MergedTable rows = MergeDepthLists(MergeDepthLists(joined, 1, column8), 2, column10);
  if (rows.empty()) return;
  WriteRecordFile(
      context, u"G81.TXT", rows, [](PrintFile& file, std::int16_t& counter, const MergedRow& row) {
        WriteG81Record(file, counter, row.depth, row.values[1], row.values[0], row.values[2]);
      });
}

}  // namespace gdf
